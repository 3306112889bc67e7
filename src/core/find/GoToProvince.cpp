#include "GoToProvince.h"

#include "view/MapView.h"
#include "view/ProvinceLookup.h"

namespace arvenna {

ViewChange goToProvince(MapView& view, const MapModel& model, const QString& code)
{
    const std::optional<MapCoord> place = gridPlaceOf(model, code);
    if (!view.MapOpen || !place)
        return {};
    view.SelectedCoord = *place;
    const int column = int(place->X);
    const int row = int(place->Y) - 1; // rows of the window count from 0
    const bool inView = column >= view.X0 && column < view.XEnd() && row >= view.Y0 && row < view.YEnd();
    const bool moved = !inView && placeWindow(view, column - view.XCells / 2, row - view.YCells / 2);
    return {moved, moved, true};
}

} // namespace arvenna
