#include "TwipCanvas.h"

#include "RulerFont.h"
#include "Twips.h"

#include <QPainter>
#include <QPen>
#include <algorithm>

namespace {
QRect pixelRect(double x1, double y1, double x2, double y2)
{
    const int left = toPixel(std::min(x1, x2));
    const int top = toPixel(std::min(y1, y2));
    return QRect(QPoint(left, top), QPoint(toPixel(std::max(x1, x2)), toPixel(std::max(y1, y2))));
}
} // namespace

void TwipCanvas::line(double x1, double y1, double x2, double y2, const QColor& colour)
{
    painter_.setPen(QPen(colour, 0));
    painter_.drawLine(QPoint(toPixel(x1), toPixel(y1)), QPoint(toPixel(x2), toPixel(y2)));
}

void TwipCanvas::box(double x1, double y1, double x2, double y2, const QColor& colour)
{
    // Four one-pixel edges: exact even for a box of no height or width.
    const QRect rect = pixelRect(x1, y1, x2, y2);
    painter_.fillRect(rect.left(), rect.top(), rect.width(), 1, colour);
    painter_.fillRect(rect.left(), rect.bottom(), rect.width(), 1, colour);
    painter_.fillRect(rect.left(), rect.top(), 1, rect.height(), colour);
    painter_.fillRect(rect.right(), rect.top(), 1, rect.height(), colour);
}

void TwipCanvas::filledBox(double x1, double y1, double x2, double y2, const QColor& colour)
{
    painter_.fillRect(pixelRect(x1, y1, x2, y2), colour);
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
