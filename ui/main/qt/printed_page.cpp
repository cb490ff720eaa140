#include "ui/main/qt/printed_page.h"

#include "ui/main/qt/kept_selections.h"

#include <QApplication>
#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <utility>
#include <vector>

namespace corvald::ui::qt {

namespace {

    constexpr int kPageDotsPerInch = 1200;

    // Paper colours for every control while its picture is taken: the page is
    // dark text on white, also under a dark colour scheme.
    class PaperColours {
    public:
        explicit PaperColours(QWidget& area)
        {
            saved_.emplace_back(&area, area.palette());
            for (auto* child : area.findChildren<QWidget*>())
                saved_.emplace_back(child, child->palette());
            for (const auto& [widget, palette] : saved_)
                widget->setPalette(onPaper(palette));
        }
        ~PaperColours()
        {
            for (const auto& [widget, palette] : saved_)
                widget->setPalette(palette);
        }
        PaperColours(const PaperColours&) = delete;
        PaperColours& operator=(const PaperColours&) = delete;

    private:
        static QPalette onPaper(QPalette palette)
        {
            for (auto role : { QPalette::Window, QPalette::Base, QPalette::Button })
                palette.setColor(role, Qt::white);
            for (auto role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
                palette.setColor(role, Qt::black);
            return palette;
        }

        std::vector<std::pair<QWidget*, QPalette>> saved_;
    };

    // The area at its design size while its picture is taken: a shrunken window
    // would cut the picture, an enlarged one would shrink it on the page.
    class DesignSize {
    public:
        DesignSize(QWidget& area, QSize design)
            : area_(area)
            , saved_(area.size())
        {
            area_.resize(design);
        }
        ~DesignSize() { area_.resize(saved_); }
        DesignSize(const DesignSize&) = delete;
        DesignSize& operator=(const DesignSize&) = delete;

    private:
        QWidget& area_;
        QSize saved_;
    };

    // No text cursor and no selection on the picture; the focus, the carets and
    // the selections come back after it.
    class NoFocusMarks {
    public:
        explicit NoFocusMarks(QWidget& area)
            : selections_(area)
        {
            QWidget* focused = QApplication::focusWidget();
            if (focused && area.isAncestorOf(focused)) {
                focused_ = focused;
                focused->clearFocus();
            }
        }
        ~NoFocusMarks()
        {
            if (focused_)
                focused_->setFocus();
            selections_.restore();
        }
        NoFocusMarks(const NoFocusMarks&) = delete;
        NoFocusMarks& operator=(const NoFocusMarks&) = delete;

    private:
        KeptSelections selections_;
        QPointer<QWidget> focused_;
    };

    // Recorded as drawing commands, so that the texts stay texts on the page.
    QPicture pictureOf(QWidget& area, QSize designSize)
    {
        const NoFocusMarks noFocusMarks(area);
        const PaperColours paperColours(area);
        const DesignSize atDesignSize(area, designSize);
        QPicture picture;
        area.render(&picture, {}, {}, QWidget::DrawChildren | QWidget::DrawWindowBackground);
        return picture;
    }

    QPageLayout layoutOf(const Paper& paper)
    {
        return QPageLayout(QPageSize(QSizeF(paper.width, paper.length), QPageSize::Millimeter),
            QPageLayout::Portrait, QMarginsF(paper.left, paper.top, paper.right, paper.bottom),
            QPageLayout::Millimeter);
    }

} // namespace

QByteArray printedPage(QWidget& clientArea, QSize designSize, const Paper& paper)
{
    const QPicture picture = pictureOf(clientArea, designSize);
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kPageDotsPerInch);
    writer.setPageLayout(layoutOf(paper));
    writer.setTitle(QStringLiteral("CORVALD"));
    QPainter painter(&writer);
    // A picture is played back at the page's resolution against its own.
    const double playback = double(writer.logicalDpiX()) / picture.logicalDpiX();
    const double scale = std::min(double(writer.width()) / designSize.width(),
                             double(writer.height()) / designSize.height())
        / playback;
    painter.scale(scale, scale);
    painter.drawPicture(0, 0, picture);
    painter.end();
    return pdf;
}

} // namespace corvald::ui::qt
