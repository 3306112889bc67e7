#pragma once

#include <QSize>
#include <QtMath>

namespace arvenna {

// The map is laid out in twips (1/1440 inch) and shown at 15 twips a pixel.
inline constexpr double kTwipsPerPixel = 15.0;

// The pixel a twip position falls on.
inline int toPixel(double twips)
{
    return qFloor(twips / kTwipsPerPixel + 0.5);
}

inline double toTwips(double pixels)
{
    return pixels * kTwipsPerPixel;
}

// The pixels an image needs to show a picture of this many twips, its
// closing edge included.
inline QSize pixelSizeFor(double widthTwips, double heightTwips)
{
    return QSize(toPixel(widthTwips) + 1, toPixel(heightTwips) + 1);
}

} // namespace arvenna
