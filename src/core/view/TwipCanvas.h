#pragma once

#include <QColor>
#include <QString>

class QImage;
class QPainter;
class QRect;

namespace arvenna {

// The three figures of the map (line, box, filled box) and ruler text, given
// in twips and drawn on whole pixels of a painter, so that neighbouring cells
// share their outline.
class TwipCanvas {
public:
    explicit TwipCanvas(QPainter& painter);

    void line(double x1, double y1, double x2, double y2, const QColor& colour);
    // Outline of the rectangle between two corners, both edges included.
    void box(double x1, double y1, double x2, double y2, const QColor& colour);
    // The same rectangle filled, border and fill in one colour.
    void filledBox(double x1, double y1, double x2, double y2, const QColor& colour);
    // Ruler text with its top-left corner at (x, y).
    void text(double x, double y, const QString& text, const QColor& colour);
    static double textWidth(const QString& text);
    static double textHeight();

private:
    void fill(const QRect& pixels, const QColor& colour);

    QPainter& painter_;
    QImage* image_ = nullptr; // set when the pixels can be written directly

};

} // namespace arvenna
