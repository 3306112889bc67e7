#pragma once

#include <QColor>

namespace arvenna {

// Colours as the game databases store them: 0x00BBGGRR, red in the low byte.
qint32 storedColour(int red, int green, int blue);
QColor toQColor(qint32 stored);

// Entry 0 to 15 of the classic 16-colour palette (black, dark blue, dark
// green, dark cyan, dark red, dark magenta, dark yellow, light grey, dark
// grey, blue, green, cyan, red, magenta, yellow, white) as a stored colour.
// An index outside the palette gives black.
qint32 paletteColour(qint64 index);

} // namespace arvenna
