#pragma once

#include "store/font_description.h"

#include <cstdint>
#include <string_view>

namespace ui {

struct Color {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
};

// A surface that text, lines and rectangles are drawn on, in its own device units (a printer's
// pixels, a window's pixels). Texts are Windows-1252 bytes in the font selected last.
class Canvas {
public:
    virtual ~Canvas() = default;

    // Makes the font from the description and uses it for the texts that follow. Height 0 is
    // 10 points at the canvas's resolution; a face that is not installed falls back to a default.
    virtual void selectFont(const FontDescription& font) = 0;
    // The width of the text and the height of one line of it in the selected font.
    virtual int textWidth(std::string_view text) = 0;
    virtual int textHeight() = 0;
    // Draws the text with the top-left corner of its first character cell at (x, y).
    virtual void drawText(int x, int y, std::string_view text) = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;
    virtual void fillRect(int x, int y, int width, int height, Color color) = 0;
    virtual void frameRect(int x, int y, int width, int height, Color color) = 0;
};

} // namespace ui
