// File > Print when printing cannot succeed: no print module, no spooler, a
// stalled one, and misbehaving ones in front of the real spooler. Each gives
// "Check printer" twice, within a bound, and leaves the window as it was.
// The spooler cases point CUPS_SERVER at a socket or a port on 127.0.0.1 that
// this test serves itself; those in front of the real spooler also need its PDF
// queue (LPDEST and CORVALD_PRINT_OUTPUT, as scripts/print-spooler sets them up).
#include "print_window_fixture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLibraryInfo>
#include <QTemporaryDir>

using namespace corvald;
using namespace corvald::printtest;

namespace {

// A failed attempt ends by its bound and the cancel of its job; a Print command
// makes two (a second of slack each for the spooler library's polling).
constexpr qint64 kFailedPrintMilliseconds
    = qint64(2 * (ui::qt::kPrintAttemptSeconds + ui::qt::kCancelSeconds + 1) * 1000);
// What an operator waits at most for the first message and for the second.
constexpr qint64 kFirstMessageMilliseconds = 5000;
constexpr qint64 kSecondMessageMilliseconds = 10000;
// How long a document that should not print is given to come out anyway.
constexpr int kNoPageMilliseconds = 5000;

constexpr char kSpoolerSocket[] = "/run/cups/cups.sock";
constexpr char kNoProxyPort[] = "run with CUPS_SERVER naming a port on 127.0.0.1 for this test";

// A proxy in front of the real spooler, misbehaving as `mode` says, on the port
// that CUPS_SERVER names, for the length of a test.
class MisbehavingSpooler {
public:
    explicit MisbehavingSpooler(const char* mode)
    {
        const QString port = QString::fromLocal8Bit(qgetenv("CUPS_SERVER")).section(':', 1);
        proxy_.start(QStringLiteral("python3"),
            { QStringLiteral(CORVALD_MISBEHAVING_SPOOLER), QString::fromLatin1(mode), port,
                QString::fromLatin1(kSpoolerSocket) });
        listening_ = proxy_.waitForReadyRead(10000) && proxy_.readLine().startsWith("listening");
    }
    ~MisbehavingSpooler()
    {
        proxy_.kill();
        proxy_.waitForFinished();
    }
    MisbehavingSpooler(const MisbehavingSpooler&) = delete;
    MisbehavingSpooler& operator=(const MisbehavingSpooler&) = delete;
    bool listening() const { return listening_; }

private:
    QProcess proxy_;
    bool listening_ = false;
};

bool haveProxyPort()
{
    return qEnvironmentVariable("CUPS_SERVER").startsWith(QStringLiteral("127.0.0.1:"));
}

} // namespace

class PrintFailuresTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PrintWindow> window_;

    bool showWindow(std::unique_ptr<PrintWindow> window)
    {
        window_ = std::move(window);
        return window_->showActive();
    }

    // Check printer twice, within the bound, and the window restored.
    void failsWithinTheBound(const QString& name)
    {
        QElapsedTimer clock;
        clock.start();
        window_->printRestoresTheWindow(name);
        const qint64 elapsed = clock.elapsed();
        window_->expectCheckPrinterMessages(2);
        QVERIFY2(elapsed < kFailedPrintMilliseconds,
            qPrintable(QStringLiteral("Print took %1 ms").arg(elapsed)));
    }

private slots:
    void init() { QVERIFY(showWindow(std::make_unique<PrintWindow>())); }
    void cleanup() { window_.reset(); }

    // Neither a module that is not there nor a file that is no module crashes
    // the window: the print step fails as for a missing printer.
    void failsWithoutThePrintModule()
    {
        QTemporaryDir folder;
        const QString missing = folder.filePath(QStringLiteral("missing.so"));
        QVERIFY(showWindow(std::make_unique<PrintWindow>(missing)));
        failsWithinTheBound(QStringLiteral("window-no-print-module"));
    }

    void failsWithABrokenPrintModule()
    {
        QTemporaryDir folder;
        QFile broken(folder.filePath(QStringLiteral("broken.so")));
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("not a library") > 0);
        broken.close();
        QVERIFY(showWindow(std::make_unique<PrintWindow>(broken.fileName())));
        failsWithinTheBound(QStringLiteral("window-broken-print-module"));
    }

    // A library that opens but is not the print module (it has no entry point).
    void failsWithALibraryThatIsNoPrintModule()
    {
        const QString other = QLibraryInfo::path(QLibraryInfo::LibrariesPath)
            + QStringLiteral("/libQt6Core.so.") + QString::number(QT_VERSION_MAJOR);
        QVERIFY(QFile::exists(other));
        QVERIFY(showWindow(std::make_unique<PrintWindow>(other)));
        failsWithinTheBound(QStringLiteral("window-no-print-entry-point"));
    }

    void failsWithoutASpooler()
    {
        if (qEnvironmentVariableIsEmpty("CUPS_SERVER") || haveProxyPort())
            QSKIP(kNoSocket);
        const DeadSpoolerSocket socket;
        failsWithinTheBound(QStringLiteral("window-no-spooler"));
    }

    void failsWithinSecondsWhenTheSpoolerStalls()
    {
        if (qEnvironmentVariableIsEmpty("CUPS_SERVER") || haveProxyPort())
            QSKIP(kNoSocket);
        const StalledSpoolerSocket socket;
        failsWithinTheBound(QStringLiteral("window-stalled-spooler"));
    }

    // The spooler takes the job and never answers the request that carries the
    // document: that is no printed page, and the job prints none later.
    void reportsADocumentTheSpoolerSwallows()
    {
        if (!haveSpooler() || !haveProxyPort())
            QSKIP(kNoProxyPort);
        const MisbehavingSpooler spooler("swallow");
        QVERIFY(spooler.listening());
        const QStringList before = pdfsIn(outputFolder());
        failsWithinTheBound(QStringLiteral("window-swallowed-document"));
        QTest::qWait(kNoPageMilliseconds);
        QCOMPARE(pdfsIn(outputFolder()), before);
    }

    // The spooler takes the job and aborts it before it prints: no printed page.
    void reportsAJobTheSpoolerAborts()
    {
        if (!haveSpooler())
            QSKIP(kNoSpooler);
        const QueueAbortingJobs aborting;
        QVERIFY(aborting.made());
        failsWithinTheBound(QStringLiteral("window-aborted-job"));
    }

    // A spooler that answers a byte every two seconds holds the window for one
    // attempt's bound at most, each time.
    void givesUpOnATricklingSpooler()
    {
        if (!haveSpooler() || !haveProxyPort())
            QSKIP(kNoProxyPort);
        const MisbehavingSpooler spooler("trickle");
        QVERIFY(spooler.listening());
        QElapsedTimer clock;
        qint64 firstMessage = -1;
        window_->boxes.onFirst = [&] { firstMessage = clock.elapsed(); };
        clock.start();
        window_->printRestoresTheWindow(QStringLiteral("window-trickling-spooler"));
        const qint64 secondMessage = clock.elapsed();
        window_->expectCheckPrinterMessages(2);
        QVERIFY2(firstMessage >= 0 && firstMessage < kFirstMessageMilliseconds,
            qPrintable(QStringLiteral("the first message after %1 ms").arg(firstMessage)));
        QVERIFY2(secondMessage < kSecondMessageMilliseconds,
            qPrintable(QStringLiteral("the second message after %1 ms").arg(secondMessage)));
    }
};

QTEST_MAIN(PrintFailuresTest)
#include "print_failures_test.moc"
