#include "ui/main/qt/window_fonts.h"

#include "ui/main/form1_design.h"

namespace corvald::ui::qt {

namespace {
    constexpr int kWindowFontPixels = 11;
} // namespace

QFont windowFont()
{
    QFont font(QStringLiteral("Liberation Sans Narrow"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kWindowFontPixels);
    return font;
}

QFont degreeMarkFont()
{
    QFont font(QString::fromLatin1(
        kDegreeMarkFace.data(), static_cast<qsizetype>(kDegreeMarkFace.size())));
    font.setStyleHint(QFont::Serif);
    font.setPointSize(kDegreeMarkPoints);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace corvald::ui::qt
