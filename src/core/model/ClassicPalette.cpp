#include "ClassicPalette.h"

#include <array>

namespace arvenna {

qint32 storedColour(int red, int green, int blue)
{
    return qint32((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16);
}

QColor toQColor(qint32 stored)
{
    return QColor(stored & 0xFF, (stored >> 8) & 0xFF, (stored >> 16) & 0xFF);
}

qint32 paletteColour(qint64 index)
{
    static const std::array<qint32, 16> palette{
        storedColour(0, 0, 0),       storedColour(0, 0, 128),     storedColour(0, 128, 0),
        storedColour(0, 128, 128),   storedColour(128, 0, 0),     storedColour(128, 0, 128),
        storedColour(128, 128, 0),   storedColour(192, 192, 192), storedColour(128, 128, 128),
        storedColour(0, 0, 255),     storedColour(0, 255, 0),     storedColour(0, 255, 255),
        storedColour(255, 0, 0),     storedColour(255, 0, 255),   storedColour(255, 255, 0),
        storedColour(255, 255, 255),
    };
    if (index < 0 || index >= qint64(palette.size()))
        return palette[0];
    return palette[std::size_t(index)];
}

} // namespace arvenna
