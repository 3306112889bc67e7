#include "ParallelWorlds.h"

#include "MapView.h"
#include "model/MapModel.h"

#include <optional>

namespace arvenna {

namespace {
// The first province of the terrain, on the surface or below: lowest row,
// then lowest column. A world's terrain is found on surface rows too.
std::optional<MapCoord> firstProvinceOf(const MapModel& model, const QString& terrain)
{
    const ClassTerrain* wanted = model.TerrainsByDesc.find(terrain);
    if (!wanted)
        return std::nullopt;
    std::optional<MapCoord> first;
    for (const ClassProvincia& province : model.Provinces) {
        if (province.ProvinceTerrainID != wanted->TerrainId || province.ProvinceCoordY.isEmpty())
            continue;
        const ClassCoordinates* row = model.YCoordsByCode.find(province.ProvinceCoordY);
        bool numeric = false;
        const int column = province.ProvinceCoordX.toInt(&numeric);
        if (!row || !numeric)
            continue;
        const MapCoord place{double(column), double(row->CoordId)};
        if (!first || place.Y < first->Y || (place.Y == first->Y && place.X < first->X))
            first = place;
    }
    return first;
}
} // namespace

const std::array<ParallelWorld, 4>& parallelWorlds()
{
    static const std::array<ParallelWorld, 4> worlds{{
        {QStringLiteral("UnderGround"), QStringLiteral("Tunnel")},
        {QStringLiteral("CloudLands"), QStringLiteral("Cloudland")},
        {QStringLiteral("Hades"), QStringLiteral("Hades")},
        {QStringLiteral("Faery"), QStringLiteral("Faery")},
    }};
    return worlds;
}

WorldJump showParallelWorld(MapView& view, const MapModel& model, int Index)
{
    if (!view.MapOpen || Index < 0 || Index >= int(parallelWorlds().size()))
        return {};
    const ParallelWorld& world = parallelWorlds()[std::size_t(Index)];
    const std::optional<MapCoord> first = firstProvinceOf(model, world.terrain);
    if (!first)
        return {{}, QStringLiteral("No province of %1 is known yet.").arg(world.name)};
    const int column = int(first->X);
    const bool inView = column >= view.X0 && column < view.XEnd();
    // Near the grid's last rows the window stops at the last one; the world's row is then further down.
    placeWindow(view, inView ? view.X0 : column - view.XCells / 2, int(first->Y) - 1);
    view.route.hide();
    return {{true, true, true}, {}};
}

} // namespace arvenna
