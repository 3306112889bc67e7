#pragma once

namespace arvenna {

// A province's place on the grid: X the 0-based column number, Y the
// 1-based row position (the row's entry in the y-coordinate collection).
struct MapCoord {
    double X = 0;
    double Y = 0;

    bool operator==(const MapCoord&) const = default;
};

} // namespace arvenna
