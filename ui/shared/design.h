// What both windows' designs are made of: rectangles in twips from the top-left
// corner of a client area, and the lines of an engraved rule.
#pragma once

namespace corvald::ui {

inline constexpr int kTwipsPerPixel = 15; // at 96 dots per inch

struct Rect {
    int left, top, width, height;
};

// One line of an engraved rule; colour as red, green, blue.
struct LineDesign {
    int x1, y1, x2, y2;
    int red, green, blue;
    int widthPixels;
};

} // namespace corvald::ui
