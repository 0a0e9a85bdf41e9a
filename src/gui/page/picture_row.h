#pragma once
// The picture of a picture row: a 50 x 50 surface that the row's handler draws on (and may resize),
// shown as it was drawn.

#include <QImage>
#include <QPainter>
#include <QWidget>

#include "core/canvas.h"
#include "gui/common/image_lists.h"

namespace tessalin::gui {

// Draws as pictures are drawn (pixels, fonts in points, a text placed by its ascent, the program's
// bitmaps with red as their transparent colour) with a painter that is open on a surface of `size`: an
// image, or a widget while it paints.
class PicturePainter : public Canvas {
public:
    PicturePainter(QPainter& painter, QSize size) : painter_(painter), size_(size) {}

    double Width() const override { return size_.width(); }
    double Height() const override { return size_.height(); }
    double TextWidth(const std::string& text, const CanvasFont& font) const override;
    void Text(double x, double y, const std::string& text, const CanvasFont& font, uint32_t colour) override;
    void Line(double x1, double y1, double x2, double y2, uint32_t colour, double width) override;
    void Rectangle(double x, double y, double width, double height, uint32_t colour) override;
    void Fill(double x, double y, double width, double height, uint32_t colour) override;
    void Bitmap(double x, double y, const std::string& name) override;

private:
    QPainter& painter_;
    QSize size_;
};

// A picture surface over a QImage; it starts white-transparent. Pictures of picture rows and terminal
// plans draw on it.
class ImageCanvas : public PictureCanvas {
public:
    // The surface has `ratio` pixels a point, so that a picture stays sharp on the screen it is shown on.
    ImageCanvas(int width, int height, qreal ratio = ScreenPixelRatio());

    const QImage& Image() const { return image_; }

    double Width() const override { return image_.deviceIndependentSize().width(); }
    double Height() const override { return image_.deviceIndependentSize().height(); }
    void SetSize(int width, int height) override;
    double TextWidth(const std::string& text, const CanvasFont& font) const override;
    void Text(double x, double y, const std::string& text, const CanvasFont& font, uint32_t colour) override;
    void Line(double x1, double y1, double x2, double y2, uint32_t colour, double width) override;
    void Rectangle(double x, double y, double width, double height, uint32_t colour) override;
    void Fill(double x, double y, double width, double height, uint32_t colour) override;
    void Bitmap(double x, double y, const std::string& name) override;

private:
    // Draws with a painter open on the image for this one call.
    template <typename Draw>
    void Paint(Draw&& draw) {
        QPainter painter(&image_);
        PicturePainter canvas(painter, image_.size());
        draw(canvas);
    }

    QImage image_;
    qreal ratio_ = 1.0;
};

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent);

    // Lets `draw` draw on the picture's surface, then shows it at the size it has then.
    template <typename Painter>
    void Draw(Painter&& draw) {
        ImageCanvas canvas(kSide, kSide);
        draw(canvas);
        Show(canvas.Image());
    }
    const QImage& Image() const { return image_; }

    static constexpr int kSide = 50;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Show(const QImage& image);
    QImage image_;
};

}  // namespace tessalin::gui
