#pragma once
// The drawing surface that pictures and report pages draw on: text, lines, outlined and filled
// rectangles, the program's bitmaps by name, in the surface's own units (pixels for a picture, points for a report page), origin at
// the top left and y downwards. Colours are 0xRRGGBB.

#include <cstdint>
#include <string>

namespace tessalin {

struct CanvasFont {
    std::string family = "Arial";
    double size = 10;  // in points
    bool bold = false;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual double Width() const = 0;
    virtual double Height() const = 0;

    // The width the text takes in the given font.
    virtual double TextWidth(const std::string& text, const CanvasFont& font) const = 0;
    // Text (UTF-8) with its top left at (x, y).
    virtual void Text(double x, double y, const std::string& text, const CanvasFont& font, uint32_t colour) = 0;
    virtual void Line(double x1, double y1, double x2, double y2, uint32_t colour, double width = 1) = 0;
    // The outline of a rectangle whose top left is (x, y).
    virtual void Rectangle(double x, double y, double width, double height, uint32_t colour) = 0;
    virtual void Fill(double x, double y, double width, double height, uint32_t colour) = 0;
    // One of the program's bitmaps, by name, with its top left at (x, y) and its own size; red pixels
    // are transparent. Surfaces that carry no bitmaps (a report page) leave it out.
    virtual void Bitmap(double x, double y, const std::string& name) {
        (void)x;
        (void)y;
        (void)name;
    }
};

// A picture row's surface (event 40): 50 x 50 to begin with; the handler may give it another size
// before it draws, which clears it.
class PictureCanvas : public Canvas {
public:
    virtual void SetSize(int width, int height) = 0;
};

}  // namespace tessalin
