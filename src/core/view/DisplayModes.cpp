#include "DisplayModes.h"

#include "MapView.h"

namespace arvenna {

bool ModeKeyword(MapView& view, int Index)
{
    const QString& keyword = displayModes()[std::size_t(Index)].keyword;
    const bool changed = keyword != view.CurrentModeKeyword;
    view.CurrentModeKeyword = keyword;
    return changed;
}

ModeSwitch SetDisplayMode(MapView& view, int Index)
{
    ModeSwitch result;
    view.route = {};
    if (!view.MapOpen || Index < 0 || Index >= int(displayModes().size()))
        return result;
    result.modeChanged = true;
    view.CheckedMode = Index;
    if (Index == kChangeMode) {
        result.panel = ModePanel::TabMaintain;
        result.copyVisible = result.copyEnabled = result.pasteVisible = true;
    } else {
        result.panel = Index == kMarketMode ? ModePanel::TabMarketTable : ModePanel::TabInfo;
    }
    result.redrawMap = ModeKeyword(view, Index) && view.OverviewCellHeight != 0;
    result.refreshPanel = view.SelectedCoord.Y != 0;
    return result;
}

} // namespace arvenna
