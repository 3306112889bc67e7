#include "CellColouring.h"

#include "DisplayModes.h"
#include "model/ClassicPalette.h"
#include "model/MapModel.h"

namespace arvenna {

namespace {
const QColor kWhite = toQColor(paletteColour(15));

bool keepsTerrain(qint16 terrain)
{
    return terrain >= 9 || terrain == 3 || terrain == 2;
}

// A province's ruler, or null for none or one the model does not know.
const ClassRuler* rulerOf(const MapModel& model, const ClassProvincia& province)
{
    return province.ProvinceRulerID == 0 ? nullptr
                                         : model.Rulers.find(QString::number(province.ProvinceRulerID));
}
} // namespace

std::optional<QColor> groupColour(const MapModel& model, int checkedMode, const ClassProvincia& province)
{
    if (keepsTerrain(province.ProvinceTerrainID))
        return std::nullopt;
    switch (checkedMode) {
    case kContinentMode: {
        const ClassContinents* continent =
            province.ProvinceContinentID == 0 ? nullptr
                                              : model.Continents.find(QString::number(province.ProvinceContinentID));
        return continent ? toQColor(continent->ContinentColor) : kWhite;
    }
    case kRulerMode: {
        const ClassRuler* ruler = rulerOf(model, province);
        return ruler ? toQColor(ruler->RullerColour) : kWhite;
    }
    case kAllianceMode: {
        const ClassRuler* ruler = rulerOf(model, province);
        const ClassAlliance* alliance = !ruler || ruler->RulerAllianceID == 0
                                            ? nullptr
                                            : model.Alliances.find(QString::number(ruler->RulerAllianceID));
        return alliance ? toQColor(alliance->AllianceColour) : kWhite;
    }
    case kMarketMode: {
        const ClassLocation& city = province.ClassLocation();
        if (city.CollecMArketBuy().Count() > 0 || city.CollecMArketSell().Count() > 0)
            return std::nullopt;
        return kWhite;
    }
    default:
        return std::nullopt;
    }
}

TerrainColours::TerrainColours(const MapModel& model)
{
    const ClassTerrain* fallback = model.TerrainsByID.find(CollectTerrain::kFallbackKey);
    unknown_ = toQColor(fallback ? fallback->TerrainColor : 0);
    for (const ClassTerrain& terrain : model.TerrainsByID)
        byId_.insert(terrain.TerrainId, toQColor(terrain.TerrainColor));
    byId_.insert(0, toQColor(paletteColour(7)));
}

QColor TerrainColours::of(const ClassProvincia& province) const
{
    return byId_.value(province.ProvinceTerrainID, unknown_);
}

} // namespace arvenna
