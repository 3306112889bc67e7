#pragma once

#include <QString>
#include <array>

// The seven display modes of the "&Arvenna Tools" menu, in menu order.
struct DisplayMode {
    QString caption;
    QString keyword; // modes with the same keyword colour the map alike
};

inline const std::array<DisplayMode, 7>& displayModes()
{
    static const std::array<DisplayMode, 7> modes{{
        {QStringLiteral("Info Mode - Display all province info"), QStringLiteral("TERRAIN")},
        {QStringLiteral("Travel Mode - Allows Route markings"), QStringLiteral("TERRAIN")},
        {QStringLiteral("Continent Mode - Changes map to Continent colors"), QStringLiteral("CONTINENT")},
        {QStringLiteral("Ruller Mode - Changes map to Ruller colors"), QStringLiteral("RULLER")},
        {QStringLiteral("Alliance Mode - Changes map to Alliance colors"), QStringLiteral("ALLIANCE")},
        {QStringLiteral("Change Mode - Allows Map Data Maintnance"), QStringLiteral("TERRAIN")},
        {QStringLiteral("Market Mode - Displays known open Markets"), QStringLiteral("MARKET")},
    }};
    return modes;
}
