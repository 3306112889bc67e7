#pragma once

#include <QString>
#include <array>

namespace arvenna {

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

struct MapView;

// Indexes of the modes that the program treats specially.
inline constexpr int kTravelMode = 1;
inline constexpr int kContinentMode = 2;
inline constexpr int kRulerMode = 3;
inline constexpr int kAllianceMode = 4;
inline constexpr int kChangeMode = 5;
inline constexpr int kMarketMode = 6;

// True when the keyword of mode Index differs from CurrentModeKeyword; in
// every case the keyword of Index becomes the current one.
bool ModeKeyword(MapView& view, int Index);

// The panel a mode shows in the window.
enum class ModePanel { TabInfo, TabMaintain, TabMarketTable };

// What the window does after a mode choice. The route-start flag and the
// route markers (Line1, Shape10) are reset by every choice.
struct ModeSwitch {
    bool modeChanged = false;   // a map is open: check CheckedMode, show the panel
    ModePanel panel = ModePanel::TabInfo;
    bool redrawMap = false;     // DrawMapWindow without the rulers
    bool refreshPanel = false;  // ShowProvinceInfo(SelectedCoord, true)
    bool copyVisible = false;   // pop-up entries "Copy" (copyprove) ...
    bool copyEnabled = false;
    bool pasteVisible = false;  // ... and "Paste" (pasteprove), disabled until a copy
    bool pasteEnabled = false;

    bool operator==(const ModeSwitch&) const = default;
};

// A choice of mnOptions(Index). With no map open only the route flag, the
// markers and the pop-up entries are reset; an index outside the seven
// modes changes nothing either.
ModeSwitch SetDisplayMode(MapView& view, int Index);

} // namespace arvenna
