#include "ui/main/qt/spooler_connection.h"

#include <thread>

namespace corvald::ui::qt {

namespace {

    using std::chrono::duration;
    using std::chrono::duration_cast;
    using std::chrono::milliseconds;

    constexpr Paper kIsoA4 { 210, 297, 0, 0, 0, 0 };
    constexpr double kHundredthsOfMillimetre = 100.0;
    // How long the spooler may be silent before the deadline is looked at again.
    constexpr double kSilencePollSeconds = 0.1;
    // How often the watched job's state is asked for.
    constexpr milliseconds kJobPoll(200);

    bool accepted(ipp_status_t status) { return status <= IPP_STATUS_OK_CONFLICTING; }

    std::chrono::steady_clock::duration bound(double seconds)
    {
        return duration_cast<std::chrono::steady_clock::duration>(duration<double>(seconds));
    }

} // namespace

SpoolerConnection::SpoolerConnection()
{
    connect(bound(kPrintAttemptSeconds));
    if (!http_)
        return;
    destination_ = cupsGetNamedDest(http_, nullptr, nullptr); // the default destination
    if (destination_ && !gaveUp_)
        info_ = cupsCopyDestInfo(http_, destination_);
}

SpoolerConnection::~SpoolerConnection()
{
    cupsFreeDestInfo(info_);
    if (destination_)
        cupsFreeDests(1, destination_);
    httpClose(http_);
}

int SpoolerConnection::waitOn(http_t*, void* connection)
{
    auto* self = static_cast<SpoolerConnection*>(connection);
    if (Clock::now() < self->deadline_)
        return 1;
    self->gaveUp_ = true;
    return 0;
}

// A fresh connection whose waits all end within the limit from now.
void SpoolerConnection::connect(Clock::duration limit)
{
    httpClose(http_);
    deadline_ = Clock::now() + limit;
    gaveUp_ = false;
    const auto connectMilliseconds = int(duration_cast<milliseconds>(limit).count());
    http_ = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
        connectMilliseconds, nullptr);
    if (http_)
        httpSetTimeout(http_, kSilencePollSeconds, waitOn, this);
}

// The paper named by the destination's own option, else by its default.
Paper SpoolerConnection::paper() const
{
    const char* media = cupsGetOption("media", destination_->num_options, destination_->options);
    if (!media) {
        ipp_attribute_t* mediaDefault = cupsFindDestDefault(http_, destination_, info_, "media");
        media = mediaDefault ? ippGetString(mediaDefault, 0, nullptr) : nullptr;
    }
    cups_size_t size {};
    if (!media || !cupsGetDestMediaByName(http_, destination_, info_, media, 0, &size)
        || size.width <= 0 || size.length <= 0)
        return kIsoA4;
    const auto mm = [](int hundredths) { return hundredths / kHundredthsOfMillimetre; };
    return { mm(size.width), mm(size.length), mm(size.left), mm(size.top), mm(size.right),
        mm(size.bottom) };
}

bool SpoolerConnection::submit(std::string_view title, std::span<const char> pdf)
{
    const std::string name(title);
    int job = 0;
    // The status alone may be left over from an earlier request: a job needs its number too.
    const bool created = !gaveUp_
        && accepted(cupsCreateDestJob(http_, destination_, info_, &job, name.c_str(), 0, nullptr))
        && job > 0 && !gaveUp_;
    if (!created) {
        if (job > 0)
            cancel(job);
        return false;
    }
    if (!sendDocument(name, job, pdf) || gaveUp_) {
        cancel(job); // so that a document the spooler took after all prints no page later
        return false;
    }
    return watch(job);
}

// Sends the document as the job's last, and reads the spooler's answer to that
// very request: the library's last status may still be that of an earlier one.
bool SpoolerConnection::sendDocument(const std::string& name, int job, std::span<const char> pdf)
{
    if (cupsStartDestDocument(
            http_, destination_, info_, job, name.c_str(), CUPS_FORMAT_PDF, 0, nullptr, 1)
            != HTTP_STATUS_CONTINUE
        || cupsWriteRequestData(http_, pdf.data(), pdf.size()) != HTTP_STATUS_CONTINUE)
        return false;
    const std::string resource = std::string("/printers/") + destination_->name;
    ipp_t* answer = cupsGetResponse(http_, resource.c_str());
    const bool taken = answer && accepted(ippGetStatusCode(answer));
    ippDelete(answer);
    return taken;
}

// Watches the taken job until it is done or the watch's bound is over: a job that
// the spooler aborts (a backend that fails under an abort-job policy) or cancels in
// that time printed nothing. One still waiting or printing then counts as printed.
bool SpoolerConnection::watch(int job)
{
    deadline_ = Clock::now() + bound(kJobWatchSeconds);
    gaveUp_ = false;
    for (;;) {
        const int state = jobState(job);
        if (state == IPP_JSTATE_CANCELED || state == IPP_JSTATE_ABORTED)
            return false;
        if (state == IPP_JSTATE_COMPLETED || gaveUp_ || Clock::now() + kJobPoll >= deadline_)
            return true;
        std::this_thread::sleep_for(kJobPoll);
    }
}

// The job's state as the spooler reports it, or 0 when it does not answer.
int SpoolerConnection::jobState(int job)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
        "/jobs/%d", job);
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
    ippAddString(
        request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddString(
        request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "job-state");
    ipp_t* answer = cupsDoRequest(http_, request, "/jobs/");
    ipp_attribute_t* state = answer ? ippFindAttribute(answer, "job-state", IPP_TAG_ENUM) : nullptr;
    const int value = state ? ippGetInteger(state, 0) : 0;
    ippDelete(answer);
    return value;
}

// Cancels the job on a connection of its own, as the attempt's may be in the middle
// of a request, within a bound of its own.
void SpoolerConnection::cancel(int job)
{
    connect(bound(kCancelSeconds));
    if (http_)
        cupsCancelDestJob(http_, destination_, job);
}

} // namespace corvald::ui::qt
