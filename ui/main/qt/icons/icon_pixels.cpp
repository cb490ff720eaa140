// Build tool: writes the window icon's PNG images as a header of ARGB32 pixels,
// so that a start of the window makes its icon without opening an image reader
// (which looks through Qt's image format plugins before it decodes a byte).
//   icon_pixels OUTPUT.h IMAGE.png...   (each image square, named by its size)
#include <QImage>
#include <QString>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

bool writeImage(std::ofstream& out, const char* file, std::string& table)
{
    const QImage image
        = QImage(QString::fromLocal8Bit(file), "PNG").convertToFormat(QImage::Format_ARGB32);
    const int size = image.width();
    if (image.isNull() || image.height() != size) {
        std::fprintf(stderr, "icon_pixels: %s is no square PNG image\n", file);
        return false;
    }
    const std::string name = "kIcon" + std::to_string(size);
    out << "inline constexpr std::uint32_t " << name << "[] = {";
    for (int y = 0; y < size; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < size; ++x)
            out << (x % 8 == 0 ? "\n    " : " ") << "0x" << std::hex << row[x] << std::dec << "u,";
    }
    out << "\n};\n";
    table += "    { " + std::to_string(size) + ", " + name + " },\n";
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: icon_pixels OUTPUT.h IMAGE.png...\n");
        return 2;
    }
    std::ofstream out(argv[1]);
    out << "// Made by icon_pixels from the window icon's images.\n#pragma once\n\n"
           "#include <cstdint>\n\nnamespace corvald::ui::qt {\n\n";
    std::string table;
    for (int i = 2; i < argc; ++i)
        if (!writeImage(out, argv[i], table))
            return 1;
    out << "\nstruct IconImage {\n    int size;\n    const std::uint32_t* pixels;\n};\n\n"
           "inline constexpr IconImage kIconImages[] = {\n"
        << table << "};\n\n} // namespace corvald::ui::qt\n";
    return out.good() ? 0 : 1;
}
