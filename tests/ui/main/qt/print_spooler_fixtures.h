// What the print tests need around the real spooler: its PDF folder and pages,
// the state of its queue, and stand-in sockets for a missing and a stalled spooler.
#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace corvald::printtest {

inline constexpr char kNoSpooler[]
    = "no print spooler with a PDF queue (LPDEST and CORVALD_PRINT_OUTPUT are not set)";
inline constexpr char kNoSocket[] = "run with CUPS_SERVER naming a socket for this test to make";
inline constexpr int kSpoolerSeconds = 60;
inline constexpr int kPageDotsPerInch = 100;
inline constexpr double kPagePixelsPerPoint = kPageDotsPerInch / 72.0;

inline bool haveSpooler()
{
    return !qEnvironmentVariableIsEmpty("LPDEST")
        && !qEnvironmentVariableIsEmpty("CORVALD_PRINT_OUTPUT");
}

inline QDir outputFolder() { return QDir(QString::fromLocal8Bit(qgetenv("CORVALD_PRINT_OUTPUT"))); }

inline QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline QStringList pdfsIn(const QDir& folder)
{
    return folder.entryList({ QStringLiteral("*.pdf") }, QDir::Files, QDir::Name);
}

// The first PDF that appears in the folder beside `before`, once the spooler has finished it.
inline QString awaitPdf(const QDir& folder, const QStringList& before)
{
    QDeadlineTimer deadline(kSpoolerSeconds * 1000);
    while (!deadline.hasExpired()) {
        for (const QString& name : pdfsIn(folder)) {
            if (!before.contains(name) && QFileInfo(folder.filePath(name)).size() > 0) {
                QTest::qWait(500);
                return folder.filePath(name);
            }
        }
        QTest::qWait(200);
    }
    return {};
}

inline QString pageText(const QString& pdf)
{
    return run(
        QStringLiteral("pdftotext"), { QStringLiteral("-layout"), pdf, QStringLiteral("-") });
}

// The top-left corner, in points, of the first occurrence of each word on the page.
inline QMap<QString, QPointF> wordPlaces(const QString& pdf)
{
    const QString boxes
        = run(QStringLiteral("pdftotext"), { QStringLiteral("-bbox"), pdf, QStringLiteral("-") });
    static const QRegularExpression word(
        QStringLiteral("xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]+)<"));
    QMap<QString, QPointF> places;
    for (const auto& match : word.globalMatch(boxes)) {
        if (!places.contains(match.captured(3)))
            places.insert(
                match.captured(3), { match.captured(1).toDouble(), match.captured(2).toDouble() });
    }
    return places;
}

inline QString keptFile(const QString& name)
{
    return QDir(QStringLiteral(CORVALD_SCREENSHOT_DIR)).filePath(name);
}

// Keeps a picture of the page in the build folder for a person to look at.
inline QImage keepPage(const QString& pdf, const QString& name)
{
    run(QStringLiteral("pdftoppm"),
        { QStringLiteral("-png"), QStringLiteral("-r"), QString::number(kPageDotsPerInch),
            QStringLiteral("-singlefile"), pdf, keptFile(name) });
    return QImage(keptFile(name + QStringLiteral(".png")));
}

inline void keepPicture(const QImage& picture, const QString& name)
{
    picture.save(keptFile(name + QStringLiteral(".png")));
}

// Light text on dark grounds, as a dark desktop theme has it.
inline QPalette darkScheme()
{
    QPalette palette;
    for (auto role :
        { QPalette::Window, QPalette::Base, QPalette::Button, QPalette::AlternateBase })
        palette.setColor(role, QColor(0x30, 0x30, 0x30));
    for (auto role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        palette.setColor(role, QColor(0xf0, 0xf0, 0xf0));
    return palette;
}

inline double shareOfDarkPixels(const QImage& image, const QRect& area)
{
    qint64 dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            dark += QColor(image.pixel(x, y)).lightness() < 128;
    return double(dark) / (qint64(area.width()) * area.height());
}

inline int darkestLightness(const QImage& image, const QRect& area)
{
    int darkest = 255;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            darkest = std::min(darkest, QColor(image.pixel(x, y)).lightness());
    return darkest;
}

// The queue named by LPDEST refuses jobs until accept() or the end of the test.
class QueueRejecting {
public:
    QueueRejecting() { run(QStringLiteral("cupsreject"), { queue() }); }
    ~QueueRejecting() { accept(); }
    QueueRejecting(const QueueRejecting&) = delete;
    QueueRejecting& operator=(const QueueRejecting&) = delete;
    void accept() const { run(QStringLiteral("cupsaccept"), { queue() }); }

private:
    static QString queue() { return QString::fromLocal8Bit(qgetenv("LPDEST")); }
};

// A queue of its own that takes every job and then aborts it, as a queue with the
// abort-job error policy does when its printer fails (here a device that cannot
// be opened), made the default destination for the length of a test.
class QueueAbortingJobs {
public:
    QueueAbortingJobs()
        : previous_(qgetenv("LPDEST"))
    {
        run(QStringLiteral("lpadmin"),
            { QStringLiteral("-p"), name(), QStringLiteral("-E"), QStringLiteral("-v"),
                QStringLiteral("parallel:/tmp"), QStringLiteral("-o"),
                QStringLiteral("printer-error-policy=abort-job") });
        made_ = run(QStringLiteral("lpstat"), { QStringLiteral("-p"), name() }).contains(name());
        qputenv("LPDEST", name().toLatin1());
    }
    ~QueueAbortingJobs()
    {
        qputenv("LPDEST", previous_);
        run(QStringLiteral("lpadmin"), { QStringLiteral("-x"), name() });
    }
    QueueAbortingJobs(const QueueAbortingJobs&) = delete;
    QueueAbortingJobs& operator=(const QueueAbortingJobs&) = delete;
    bool made() const { return made_; }

private:
    static QString name() { return QStringLiteral("CORVALD_ABORTING"); }
    QByteArray previous_;
    bool made_ = false;
};

// A socket at the path CUPS_SERVER names, for the length of a test.
class SpoolerSocket {
public:
    explicit SpoolerSocket(bool listening)
        : path_(qgetenv("CUPS_SERVER"))
    {
        QDir().mkpath(QFileInfo(QString::fromLocal8Bit(path_)).path());
        ::unlink(path_.constData());
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, path_.constData(), sizeof address.sun_path);
        fd_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ::bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        if (listening)
            ::listen(fd_, 16);
        else
            closeSocket();
    }
    ~SpoolerSocket()
    {
        closeSocket();
        ::unlink(path_.constData());
    }
    SpoolerSocket(const SpoolerSocket&) = delete;
    SpoolerSocket& operator=(const SpoolerSocket&) = delete;

private:
    void closeSocket()
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

    QByteArray path_;
    int fd_ = -1;
};

// The socket of a stopped spooler: the file is there, nobody listens.
struct DeadSpoolerSocket : SpoolerSocket {
    DeadSpoolerSocket()
        : SpoolerSocket(false)
    {
    }
};

// A spooler that takes every connection and never answers a request.
struct StalledSpoolerSocket : SpoolerSocket {
    StalledSpoolerSocket()
        : SpoolerSocket(true)
    {
    }
};

} // namespace corvald::printtest
