#pragma once

#include <QString>

class QPainter;
class QColor;

namespace arvenna {

// The small pixel font of the ruler labels: digits and letters, 5 by 7
// pixels with one pixel between characters. Drawn pixel by pixel, so the
// labels look the same on every machine and need no font system.
namespace RulerFont {
inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;
inline constexpr int kSpacing = 1;

int textWidth(const QString& text);   // pixels
void draw(QPainter& painter, int left, int top, const QString& text, const QColor& colour);
} // namespace RulerFont

} // namespace arvenna
