#include "ui/main/qt/spooler_connection.h"

#include <string>

namespace corvald::ui::qt {

namespace {

    constexpr Paper kIsoA4 { 210, 297, 0, 0, 0, 0 };
    constexpr double kHundredthsOfMillimetre = 100.0;

    // Called when the spooler has been silent for the whole request bound: the
    // request fails instead of waiting on, and nothing more is asked of the spooler.
    int giveUp(http_t*, void* silent)
    {
        *static_cast<bool*>(silent) = true;
        return 0;
    }

    bool accepted(ipp_status_t status) { return status <= IPP_STATUS_OK_CONFLICTING; }

} // namespace

SpoolerConnection::SpoolerConnection()
{
    http_ = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
        kSpoolerConnectMilliseconds, nullptr);
    if (!http_)
        return;
    httpSetTimeout(http_, kSpoolerRequestSeconds, giveUp, &silent_);
    destination_ = cupsGetNamedDest(http_, nullptr, nullptr); // the default destination
    if (destination_)
        info_ = cupsCopyDestInfo(http_, destination_);
}

SpoolerConnection::~SpoolerConnection()
{
    cupsFreeDestInfo(info_);
    if (destination_)
        cupsFreeDests(1, destination_);
    httpClose(http_);
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
    if (!accepted(cupsCreateDestJob(http_, destination_, info_, &job, name.c_str(), 0, nullptr))
        || job <= 0)
        return false;
    if (cupsStartDestDocument(
            http_, destination_, info_, job, name.c_str(), CUPS_FORMAT_PDF, 0, nullptr, 1)
        == HTTP_STATUS_CONTINUE) {
        const bool written
            = cupsWriteRequestData(http_, pdf.data(), pdf.size()) == HTTP_STATUS_CONTINUE;
        // The document request is ended either way, so that the connection is free
        // again, unless the spooler has fallen silent.
        if (!silent_ && accepted(cupsFinishDestDocument(http_, destination_, info_)) && written)
            return true;
    }
    if (!silent_)
        cupsCancelDestJob(http_, destination_, job);
    return false;
}

} // namespace corvald::ui::qt
