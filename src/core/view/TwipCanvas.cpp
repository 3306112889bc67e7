#include "TwipCanvas.h"

#include "RulerFont.h"
#include "Twips.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <algorithm>

namespace arvenna {

namespace {
QRect pixelRect(double x1, double y1, double x2, double y2)
{
    const int left = toPixel(std::min(x1, x2));
    const int top = toPixel(std::min(y1, y2));
    return QRect(QPoint(left, top), QPoint(toPixel(std::max(x1, x2)), toPixel(std::max(y1, y2))));
}
} // namespace

TwipCanvas::TwipCanvas(QPainter& painter) : painter_(painter)
{
    // A whole map is tens of thousands of small rectangles; on a plain
    // 32-bit image they are written straight into its rows.
    QPaintDevice* device = painter.device();
    if (device && device->devType() == QInternal::Image && painter.transform().isIdentity() && !painter.hasClipping()
        && painter.compositionMode() == QPainter::CompositionMode_SourceOver) {
        auto* image = static_cast<QImage*>(device);
        if (image->format() == QImage::Format_RGB32 || image->format() == QImage::Format_ARGB32)
            image_ = image;
    }
}

void TwipCanvas::fill(const QRect& pixels, const QColor& colour)
{
    if (!image_) {
        painter_.fillRect(pixels, colour);
        return;
    }
    const QRect inside = pixels.intersected(image_->rect());
    if (inside.isEmpty())
        return;
    const QRgb value = colour.rgb();
    uchar* bits = image_->bits();
    const qsizetype stride = image_->bytesPerLine();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(bits + y * stride);
        std::fill(row + inside.left(), row + inside.right() + 1, value);
    }
}

void TwipCanvas::line(double x1, double y1, double x2, double y2, const QColor& colour)
{
    painter_.setPen(QPen(colour, 0));
    painter_.drawLine(QPoint(toPixel(x1), toPixel(y1)), QPoint(toPixel(x2), toPixel(y2)));
}

void TwipCanvas::box(double x1, double y1, double x2, double y2, const QColor& colour)
{
    // Four one-pixel edges: exact even for a box of no height or width.
    const QRect rect = pixelRect(x1, y1, x2, y2);
    fill(QRect(rect.left(), rect.top(), rect.width(), 1), colour);
    fill(QRect(rect.left(), rect.bottom(), rect.width(), 1), colour);
    fill(QRect(rect.left(), rect.top(), 1, rect.height()), colour);
    fill(QRect(rect.right(), rect.top(), 1, rect.height()), colour);
}

void TwipCanvas::filledBox(double x1, double y1, double x2, double y2, const QColor& colour)
{
    fill(pixelRect(x1, y1, x2, y2), colour);
}

void TwipCanvas::text(double x, double y, const QString& text, const QColor& colour)
{
    RulerFont::draw(painter_, toPixel(x), toPixel(y), text, colour);
}

double TwipCanvas::textWidth(const QString& text)
{
    return toTwips(RulerFont::textWidth(text));
}

double TwipCanvas::textHeight()
{
    return toTwips(RulerFont::kGlyphHeight);
}

} // namespace arvenna
