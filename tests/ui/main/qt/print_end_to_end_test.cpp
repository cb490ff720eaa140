// File > Print through the host's real print spooler and the real message boxes.
// The tests need the spooler's queue named by LPDEST to write PDF files into the
// folder named by CORVALD_PRINT_OUTPUT (scripts/print-spooler sets one up).
#include "print_window_fixture.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>

using namespace corvald;
using namespace corvald::printtest;

namespace {

// Words of every row, each at its own place on the page.
const char* const kPlacedWords[]
    = { "Temperature", "20.0", "kg/lit", "Vacuum", "Air", "V.C.F.", "0.9957", "995.700" };

// Pixels of a colour, as a selection's highlight is, not grey as text and frames are.
int colouredPixels(const QImage& image, const QRect& area)
{
    int coloured = 0;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            coloured += QColor(image.pixel(x, y)).hsvSaturation() > 80;
    return coloured;
}

// The style's name, for the names of the pictures kept.
QString styleName() { return QApplication::style()->name(); }

} // namespace

class PrintEndToEndTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PrintWindow> window_;
    QPalette schemeAtStart_;

    void calculate(bool fromMass) { window_->calculate(fromMass); }
    QString printedPdf() { return window_->printedPdf(); }

    // Drags across a result, as an operator does to copy it.
    void selectResult(const char* name)
    {
        auto* result = window_->window.findChild<QLabel*>(QString::fromLatin1(name));
        const int middle = result->height() / 2;
        QTest::mousePress(result, Qt::LeftButton, {}, QPoint(1, middle));
        QTest::mouseMove(result, QPoint(result->width() - 2, middle));
        QTest::mouseRelease(result, Qt::LeftButton, {}, QPoint(result->width() - 2, middle));
    }

    QMap<QString, QPointF> placesOnPageAt(QSize windowSize, const QString& picture)
    {
        window_->window.resize(windowSize);
        QTest::qWait(50);
        const QString pdf = printedPdf();
        if (pdf.isEmpty())
            return {};
        keepPage(pdf, picture);
        return wordPlaces(pdf);
    }

private slots:
    void initTestCase() { schemeAtStart_ = QApplication::palette(); }
    void init()
    {
        window_ = std::make_unique<PrintWindow>();
        QVERIFY(window_->showActive());
    }
    void cleanup()
    {
        window_.reset();
        QApplication::setPalette(schemeAtStart_);
    }

    void printsOnePageOfAThousandCubicMetresAt20Degrees()
    {
        if (!haveSpooler())
            QSKIP(kNoSpooler);
        calculate(false);
        const QString pdf = printedPdf();
        QVERIFY2(!pdf.isEmpty(), "the spooler wrote no PDF");
        QVERIFY(window_->boxes.seen.empty());

        QVERIFY(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))
                    .match(run(QStringLiteral("pdfinfo"), { pdf }))
                    .hasMatch());
        const QString text = pageText(pdf);
        for (const char* shown : { "Volume at observed temp.", "Temperature", "Density (vac.)at 15",
                 "V.C.F.", "Tonnes", "kg/lit", "Vacuum", "Air", "0.9957", "995.700", "846.345",
                 "0.8489", "20.0", "0.8500", "1000" })
            QVERIFY2(text.contains(QString::fromUtf8(shown)), shown);
        for (const char* hidden : { "CALCULATE", "mt to m3", "m3 to mt", "Clear" })
            QVERIFY2(!text.contains(QString::fromUtf8(hidden)), hidden);
        keepPage(pdf, QStringLiteral("printed-page"));
    }

    // The picture keeps the window's proportions: the distances between two
    // captions across and down the page scale alike.
    void keepsTheWindowsProportions()
    {
        if (!haveSpooler())
            QSKIP(kNoSpooler);
        calculate(false);
        const QString pdf = printedPdf();
        QVERIFY(!pdf.isEmpty());
        const QMap<QString, QPointF> at = wordPlaces(pdf);
        for (const char* word : { "Temperature", "Tonnes", "kg/lit", "Density" })
            QVERIFY2(at.contains(QString::fromLatin1(word)), word);
        // Temperature at 120, 720 twips; Tonnes at 120, 3240; kg/lit at 3240, 1200;
        // Density at 120, 1200.
        const double down
            = (at[QStringLiteral("Tonnes")].y() - at[QStringLiteral("Temperature")].y())
            / (3240 - 720);
        const double across
            = (at[QStringLiteral("kg/lit")].x() - at[QStringLiteral("Density")].x()) / (3240 - 120);
        QVERIFY2(qAbs(down / across - 1) < 0.02,
            qPrintable(QStringLiteral("down %1, across %2 points per twip").arg(down).arg(across)));
    }

    void swapsTheRowCaptionsFromAMass()
    {
        if (!haveSpooler())
            QSKIP(kNoSpooler);
        calculate(true);
        const QString pdf = printedPdf();
        QVERIFY(!pdf.isEmpty());
        const QString text = pageText(pdf);
        QVERIFY(text.contains(QStringLiteral("1,004.319")));
        QVERIFY(
            text.indexOf(QStringLiteral("Tonnes")) < text.indexOf(QStringLiteral("Temperature")));
        QVERIFY(text.indexOf(QStringLiteral("observed temp."))
            > text.indexOf(QStringLiteral("V.C.F.")));
    }

    // The page holds the design client area at its design geometry: a shrunken
    // window cuts nothing, an enlarged one shrinks nothing.
    void printsTheDesignAreaWhateverTheWindowSize()
    {
        if (!haveSpooler())
            QSKIP(kNoSpooler);
        calculate(false);
        const QSize designSize = window_->window.size();
        const auto design = placesOnPageAt(designSize, QStringLiteral("printed-page-design"));
        const auto shrunken = placesOnPageAt({ 220, 150 }, QStringLiteral("printed-page-shrunken"));
        const auto enlarged
            = placesOnPageAt({ 1000, 700 }, QStringLiteral("printed-page-enlarged"));
        QCOMPARE(window_->window.size(), QSize(1000, 700));
        for (const char* word : kPlacedWords) {
            const QString key = QString::fromLatin1(word);
            QVERIFY2(design.contains(key), word);
            for (const auto* page : { &shrunken, &enlarged }) {
                QVERIFY2(page->contains(key), word);
                const QPointF shift = page->value(key) - design.value(key);
                QVERIFY2(qAbs(shift.x()) < 0.5 && qAbs(shift.y()) < 0.5, word);
            }
        }
    }

    void printsDarkTextOnWhiteUnderADarkScheme()
    {
        if (!haveSpooler())
            QSKIP(kNoSpooler);
        QApplication::setPalette(darkScheme());
        calculate(false);
        keepPicture(window_->screen(), QStringLiteral("window-dark-scheme"));
        const QString pdf = printedPdf();
        QVERIFY(!pdf.isEmpty());
        QVERIFY(pageText(pdf).contains(QStringLiteral("Temperature")));
        const QImage page = keepPage(pdf, QStringLiteral("printed-page-dark-scheme"));
        QVERIFY(!page.isNull());
        QVERIFY2(shareOfDarkPixels(page, page.rect()) < 0.05, "the ground is not white");
        const QMap<QString, QPointF> at = wordPlaces(pdf);
        for (const char* word : kPlacedWords) {
            const QRect around
                = QRectF(at.value(QString::fromLatin1(word)) * kPagePixelsPerPoint, QSizeF(20, 8))
                      .toRect();
            QVERIFY2(darkestLightness(page, around) < 80, word);
        }
    }

    // The quantity's "00" selected from the right, then a result dragged over: the
    // page shows no highlight, and the window comes back pixel for pixel with both.
    void printsNoSelectionAndKeepsIt()
    {
        if (!haveSpooler())
            QSKIP(kNoSpooler);
        calculate(false);
        auto* quantity = window_->window.findChild<QLineEdit*>(QStringLiteral("Text1"));
        quantity->setFocus();
        quantity->setSelection(4, -2);
        selectResult("Label14");
        const QImage before = window_->screen();
        const QStringList pdfsBefore = pdfsIn(outputFolder());
        window_->print();
        const QImage after = window_->screen();
        keepPicture(before, QStringLiteral("window-selected-before-") + styleName());
        keepPicture(after, QStringLiteral("window-selected-after-") + styleName());
        QCOMPARE(window_->window.focusWidget(), quantity);
        QCOMPARE(quantity->selectedText(), QStringLiteral("00"));
        QCOMPARE(quantity->cursorPosition(), 2);
        QCOMPARE(window_->window.findChild<QLabel*>(QStringLiteral("Label14"))->selectedText(),
            QStringLiteral("846.345"));
        QVERIFY2(after == before, "the window differs after Print");

        const QString pdf = awaitPdf(outputFolder(), pdfsBefore);
        QVERIFY(!pdf.isEmpty());
        const QImage page = keepPage(pdf, QStringLiteral("printed-page-selected-") + styleName());
        const QMap<QString, QPointF> at = wordPlaces(pdf);
        for (const char* word : { "846.345", "1000" }) {
            QVERIFY2(at.contains(QString::fromLatin1(word)), word);
            const QRect around
                = QRectF(at.value(QString::fromLatin1(word)) * kPagePixelsPerPoint, QSizeF(30, 10))
                      .toRect()
                      .adjusted(-4, -4, 4, 4);
            QVERIFY2(colouredPixels(page, around) == 0, word);
            QVERIFY2(darkestLightness(page, around) < 80, word);
        }
    }

    // The option not chosen prints as an open circle, as on paper, whatever the style.
    void printsTheUnchosenOptionOpen()
    {
        if (!haveSpooler())
            QSKIP(kNoSpooler);
        calculate(false);
        const QString pdf = printedPdf();
        QVERIFY(!pdf.isEmpty());
        const QImage page = keepPage(pdf, QStringLiteral("printed-page-") + styleName());
        const QMap<QString, QPointF> at = wordPlaces(pdf);
        // Temperature's caption stands at 120, 720 twips, Tonnes' at 120, 3240.
        const QPointF origin = at[QStringLiteral("Temperature")] * kPagePixelsPerPoint;
        const double perTwip
            = (at[QStringLiteral("Tonnes")].y() - at[QStringLiteral("Temperature")].y())
            * kPagePixelsPerPoint / (3240 - 720);
        const auto onPage = [&](int left, int top, int size) {
            return QRectF(
                origin + QPointF(left - 120, top - 720) * perTwip, QSizeF(size, size) * perTwip)
                .toRect();
        };
        // The indicators, 11 pixels (165 twips) square, at the left of the buttons,
        // "Vacuum" at 4080, 1560 (255 high), "Air" at 4080, 2040 (195 high).
        const double air = shareOfDarkPixels(page, onPage(4080, 2040 + 15, 165));
        const double vacuum = shareOfDarkPixels(page, onPage(4080, 1560 + 45, 165));
        QVERIFY2(air < 0.45, qPrintable(QStringLiteral("Air: %1 dark").arg(air)));
        QVERIFY2(vacuum > air, qPrintable(QStringLiteral("Vacuum: %1 dark").arg(vacuum)));
    }

    void restoresTheWindowAfterAPrintedPage()
    {
        if (!haveSpooler())
            QSKIP(kNoSpooler);
        // A second Print starts from the restored window and restores it again.
        for (const char* name : { "window-printed", "window-printed-twice" }) {
            const QStringList before = pdfsIn(outputFolder());
            window_->printRestoresTheWindow(QString::fromLatin1(name));
            QVERIFY(!awaitPdf(outputFolder(), before).isEmpty());
        }
        window_->expectCheckPrinterMessages(0);
    }

    void reportsAQueueThatRejectsJobs()
    {
        if (!haveSpooler())
            QSKIP(kNoSpooler);
        const QueueRejecting rejecting;
        const QStringList before = pdfsIn(outputFolder());
        window_->printRestoresTheWindow(QStringLiteral("window-rejected"));
        window_->expectCheckPrinterMessages(2);
        QTest::qWait(2000);
        QCOMPARE(pdfsIn(outputFolder()), before);
    }

    void printsOnTheRetryWhenTheQueueAcceptsAgain()
    {
        if (!haveSpooler())
            QSKIP(kNoSpooler);
        QueueRejecting rejecting;
        window_->boxes.onFirst = [&rejecting] { rejecting.accept(); };
        calculate(false);
        const QString pdf = printedPdf();
        window_->expectCheckPrinterMessages(1);
        QVERIFY2(!pdf.isEmpty(), "the retry printed no page");
        QVERIFY(pageText(pdf).contains(QStringLiteral("0.9957")));
    }
};

QTEST_MAIN(PrintEndToEndTest)
#include "print_end_to_end_test.moc"
