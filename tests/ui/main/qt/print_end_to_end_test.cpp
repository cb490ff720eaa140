// File > Print through the host's real print spooler. The spooler's default
// queue must write PDF files into the folder named by CORVALD_PRINT_OUTPUT
// (scripts/test sets up such a queue); without it the page tests are skipped.
// failsWithoutASpooler runs with CUPS_SERVER pointing at a missing socket.
#include "tests/support/fake_about_dialogs.h"
#include "tests/support/fake_message_boxes.h"
#include "tests/support/fake_program_lifetime.h"
#include "ui/main/calculation.h"
#include "ui/main/direction.h"
#include "ui/main/print.h"
#include "ui/main/qt/form1_view.h"
#include "ui/main/qt/main_window.h"
#include "ui/main/qt/qt_window_printer.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace corvald;

namespace {

constexpr int kSpoolerSeconds = 60;

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList pdfsIn(const QDir& folder)
{
    return folder.entryList({ QStringLiteral("*.pdf") }, QDir::Files);
}

// The first PDF that appears in the folder beside `before`, once the spooler has finished it.
QString awaitPdf(const QDir& folder, const QStringList& before)
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

} // namespace

class PrintEndToEndTest : public QObject {
    Q_OBJECT

private:
    ui::Form1 form_;
    fakes::FakeMessageBoxes messages_;
    fakes::FakeProgramLifetime program_;
    ui::qt::QtWindowPrinter printer_;
    fakes::FakeAboutDialogs about_;
    ui::Form1Host host_ { messages_, program_, printer_, about_ };
    std::unique_ptr<ui::qt::MainWindow> window_;

    QString printWorkedExample(bool fromMass)
    {
        const QByteArray output = qgetenv("CORVALD_PRINT_OUTPUT");
        if (output.isEmpty())
            return {};
        form_ = ui::Form1();
        if (fromMass)
            ui::Command1_Click(form_);
        form_.Text1.Text = fromMass ? "850" : "1000";
        form_.Combo1.Text = "20.0";
        form_.Combo2.Text = "0.8500";
        ui::Command3_Click(form_, messages_);
        const QDir folder(QString::fromLocal8Bit(output));
        const QStringList before = pdfsIn(folder);
        window_->findChild<QAction*>(QStringLiteral("mnuPintItem"))->trigger();
        return awaitPdf(folder, before);
    }

private slots:
    void init()
    {
        messages_.shown.clear();
        window_ = std::make_unique<ui::qt::MainWindow>(form_, host_);
        printer_.setClientArea(&window_->view());
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void printsOnePageOfTheWorkedExample()
    {
        if (qEnvironmentVariableIsEmpty("CORVALD_PRINT_OUTPUT"))
            QSKIP("no print spooler with a PDF queue (CORVALD_PRINT_OUTPUT is not set)");
        const QString pdf = printWorkedExample(false);
        QVERIFY2(!pdf.isEmpty(), "the spooler wrote no PDF");
        QVERIFY(messages_.shown.empty());

        const QString info = run(QStringLiteral("pdfinfo"), { pdf });
        QVERIFY(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")).match(info).hasMatch());
        const QString text
            = run(QStringLiteral("pdftotext"), { QStringLiteral("-layout"), pdf, "-" });
        for (const char* shown : { "Volume at observed temp.", "Temperature", "Density (vac.)at 15",
                 "V.C.F.", "Tonnes", "kg/lit", "Vacuum", "Air", "0.9957", "995.700", "846.345",
                 "0.8489", "20.0", "0.8500", "1000" })
            QVERIFY2(text.contains(QString::fromUtf8(shown)), shown);
        for (const char* hidden : { "CALCULATE", "mt to m3", "m3 to mt", "Clear" })
            QVERIFY2(!text.contains(QString::fromUtf8(hidden)), hidden);

        // Keep a picture of the page for a person to look at.
        const QString picture
            = QDir(QStringLiteral(CORVALD_SCREENSHOT_DIR)).filePath(QStringLiteral("printed-page"));
        run(QStringLiteral("pdftoppm"),
            { QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"),
                QStringLiteral("-singlefile"), pdf, picture });
        QVERIFY(QFileInfo::exists(picture + QStringLiteral(".png")));
    }

    // The picture keeps the window's proportions: the distances between two
    // captions across and down the page scale alike.
    void keepsTheWindowsProportions()
    {
        if (qEnvironmentVariableIsEmpty("CORVALD_PRINT_OUTPUT"))
            QSKIP("no print spooler with a PDF queue (CORVALD_PRINT_OUTPUT is not set)");
        const QString pdf = printWorkedExample(false);
        QVERIFY(!pdf.isEmpty());
        const QString boxes
            = run(QStringLiteral("pdftotext"), { QStringLiteral("-bbox"), pdf, "-" });
        auto topLeft = [&boxes](const QString& word) {
            const QRegularExpression pattern(
                QStringLiteral("xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>%1<").arg(word));
            const auto match = pattern.match(boxes);
            return match.hasMatch()
                ? QPointF(match.captured(1).toDouble(), match.captured(2).toDouble())
                : QPointF(-1, -1);
        };
        const QPointF temperature = topLeft(QStringLiteral("Temperature")); // 120, 720 twips
        const QPointF tonnes = topLeft(QStringLiteral("Tonnes")); // 120, 3240 twips
        const QPointF unit = topLeft(QStringLiteral("kg/lit")); // 3240, 1200 twips
        const QPointF density = topLeft(QStringLiteral("Density")); // 120, 1200 twips
        QVERIFY(temperature.x() >= 0 && tonnes.x() >= 0 && unit.x() >= 0 && density.x() >= 0);
        const double down = (tonnes.y() - temperature.y()) / (3240 - 720);
        const double across = (unit.x() - density.x()) / (3240 - 120);
        QVERIFY2(qAbs(down / across - 1) < 0.02,
            qPrintable(QStringLiteral("down %1, across %2 points per twip").arg(down).arg(across)));
    }

    void swapsTheRowCaptionsFromAMass()
    {
        if (qEnvironmentVariableIsEmpty("CORVALD_PRINT_OUTPUT"))
            QSKIP("no print spooler with a PDF queue (CORVALD_PRINT_OUTPUT is not set)");
        const QString pdf = printWorkedExample(true);
        QVERIFY(!pdf.isEmpty());
        const QString text
            = run(QStringLiteral("pdftotext"), { QStringLiteral("-layout"), pdf, "-" });
        QVERIFY(text.contains(QStringLiteral("1,004.319")));
        QVERIFY(
            text.indexOf(QStringLiteral("Tonnes")) < text.indexOf(QStringLiteral("Temperature")));
        QVERIFY(text.indexOf(QStringLiteral("observed temp."))
            > text.indexOf(QStringLiteral("V.C.F.")));
    }

    void failsWithoutASpooler()
    {
        if (qEnvironmentVariableIsEmpty("CUPS_SERVER"))
            QSKIP("run with CUPS_SERVER pointing at a missing socket");
        window_->findChild<QAction*>(QStringLiteral("mnuPintItem"))->trigger();
        QCOMPARE(messages_.shown.size(), std::size_t(2));
        QCOMPARE(messages_.shown.front().prompt, std::string("Check printer"));
        QCOMPARE(messages_.shown.front().title, std::string("Priter Error"));
        QVERIFY(window_->findChild<QWidget*>(QStringLiteral("Command3"))->isVisible());
        QVERIFY(window_->findChild<QWidget*>(QStringLiteral("Combo2"))->isVisible());
        QCOMPARE(form_.BackColor, ui::SystemColor::buttonFace);
    }
};

QTEST_MAIN(PrintEndToEndTest)
#include "print_end_to_end_test.moc"
