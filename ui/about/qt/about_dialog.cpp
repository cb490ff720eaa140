#include "ui/about/qt/about_dialog.h"

#include "ui/about/frm_about_design.h"
#include "ui/about/start_sys_info.h"
#include "ui/shared/qt/design_geometry.h"
#include "ui/shared/qt/dialog_frame.h"
#include "ui/shared/qt/qt_text.h"
#include "ui/shared/qt/window_fonts.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace corvald::ui::about::qt {

using ui::qt::pixels;
using ui::qt::toQString;

namespace {
    constexpr QSize kPictureSize(81, 105);
} // namespace

AboutDialog::AboutDialog(SysInfoHost& sysInfo)
    : QDialog(nullptr, ui::qt::kDialogFrame)
    , sysInfo_(sysInfo)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(ui::qt::windowFont());
    setFixedSize(kFrmAboutClientWidth / kTwipsPerPixel, kFrmAboutClientHeight / kTwipsPerPixel);
    Form_Load(form_);
    setWindowTitle(toQString(form_.Caption));
    createLabels();
    createPicture();
    createButtons();
}

void AboutDialog::createLabels()
{
    for (const AboutLabelDesign& design : kFrmAboutLabels) {
        auto* label = new QLabel(toQString(form_.*design.caption), this);
        label->setObjectName(toQString(design.name));
        label->setAlignment(design.alignment == TextAlignment::centred
                ? Qt::AlignHCenter | Qt::AlignTop
                : Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(design.wraps);
        if (design.black) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, Qt::black);
            label->setPalette(palette);
        }
        QRect rect = pixels(design.rect);
        // A fit label is as wide as its caption; it keeps its left edge.
        if (design.fit && label->text() != toQString(design.text))
            rect.setWidth(label->fontMetrics().horizontalAdvance(label->text()) + 1);
        label->setGeometry(rect);
    }
}

void AboutDialog::createPicture()
{
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picIcon"));
    // The picture at the screen's density: the twice-as-dense image on a fine screen.
    QIcon images;
    images.addFile(QStringLiteral(":/pictures/author.jpg"), kPictureSize);
    images.addFile(QStringLiteral(":/pictures/author@2x.jpg"), kPictureSize * 2);
    picture->setPixmap(images.pixmap(kPictureSize, devicePixelRatioF()));
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setLineWidth(kPicIconFramePixels);
    picture->setMidLineWidth(0);
    picture->setFocusPolicy(Qt::StrongFocus);
    // It takes the focus in turn, so a screen reader names it: by its caption.
    picture->setAccessibleName(toQString(form_.Label3));
    picture->setGeometry(pixels(kPicIconRect));
}

void AboutDialog::createButtons()
{
    for (const AboutButtonDesign& design : kFrmAboutButtons) {
        auto* button = new QPushButton(toQString(form_.*design.caption), this);
        button->setObjectName(toQString(design.name));
        button->setGeometry(pixels(design.rect));
    }
    auto* ok = findChild<QPushButton*>(QStringLiteral("cmdOK"));
    auto* sysInfo = findChild<QPushButton*>(QStringLiteral("cmdSysInfo"));
    ok->setDefault(true); // Enter; Esc and the close box reject, which closes too
    connect(ok, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(sysInfo, &QPushButton::clicked, this, [this] { cmdSysInfo_Click(); });
    ui::qt::setFocusOrder(*this, kFrmAboutFocusOrder);
    ok->setFocus();
}

void AboutDialog::cmdOK_Click() { close(); }

void AboutDialog::cmdSysInfo_Click() { StartSysInfo(sysInfo_); }

// The engraved rule above the buttons.
void AboutDialog::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    ui::qt::paintRule(*this, kFrmAboutRule);
}

} // namespace corvald::ui::about::qt
