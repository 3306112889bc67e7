#include "ParallelWorlds.h"

#include "MapView.h"
#include "model/MapModel.h"

#include <algorithm>
#include <optional>

namespace arvenna {

namespace {
// The first province below the surface with the terrain: lowest row, then lowest column.
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
        if (!row || !numeric || row->CoordId <= model.UndergroundRow)
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
    view.Y0 = int(first->Y) - 1;
    const int column = int(first->X);
    if (column < view.X0 || column >= view.XEnd())
        view.X0 = std::clamp(column - view.XCells / 2, 0, std::max(0, view.ColumnCount - view.XCells));
    placeFrame(view); // below the overview, which shows the surface only
    return {{true, true, true}, {}};
}

} // namespace arvenna
