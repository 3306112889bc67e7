#include "FindIndex.h"

#include "ProvinceCodes.h"
#include "model/MapModel.h"
#include "view/ProvinceLookup.h"

#include <algorithm>
#include <tuple>

namespace arvenna {

namespace {
using Entry = FindIndex::Entry;

void add(std::vector<Entry>& entries, FindKind kind, const QString& label, const QString& name, const QString& number,
         const QString& code)
{
    entries.push_back({FindMatch{kind, label, name, number, code}, name.toCaseFolded(), number.toCaseFolded()});
}

void add(std::vector<Entry>& entries, FindKind kind, const QString& name, const QString& number, const QString& code)
{
    add(entries, kind, kindLabel(kind), name, number, code);
}

QString innerLabel(const MapModel& model, qint16 type)
{
    if (type >= 1 && type <= model.InnerTypeTable.count() && !model.InnerTypeTable.at(type).TerrainDescription.isEmpty())
        return model.InnerTypeTable.at(type).TerrainDescription;
    return kindLabel(FindKind::InnerLocation);
}

void addInnerLocations(std::vector<Entry>& entries, const MapModel& model, const CollecInnerLocation& list,
                       const QString& code)
{
    for (const ClassLocation& inner : list) {
        if (!inner.LocationName.isEmpty() || !inner.LocationNo.isEmpty())
            add(entries, FindKind::InnerLocation, innerLabel(model, inner.LocationType), inner.LocationName,
                inner.LocationNo, code);
        addInnerLocations(entries, model, inner.CollecInnerLocation(), code);
    }
}

struct RegionProvince {
    RowId region;
    MapCoord place;
    QString code;
};

// Each region's province nearest the middle of its provinces (the first of
// equally near ones), by region.
QHash<RowId, QString> regionProvinces(const std::vector<RegionProvince>& provinces)
{
    struct Middle {
        double columns = 0;
        double rows = 0;
        int count = 0;
    };
    QHash<RowId, Middle> middles;
    for (const RegionProvince& province : provinces) {
        Middle& middle = middles[province.region];
        middle.columns += province.place.X;
        middle.rows += province.place.Y;
        ++middle.count;
    }
    QHash<RowId, std::pair<double, QString>> nearest;
    for (const RegionProvince& province : provinces) {
        const Middle middle = middles.value(province.region);
        const double dx = province.place.X - middle.columns / middle.count;
        const double dy = province.place.Y - middle.rows / middle.count;
        const double distance = dx * dx + dy * dy;
        const auto best = nearest.constFind(province.region);
        if (best == nearest.constEnd() || distance < best->first)
            nearest.insert(province.region, {distance, province.code});
    }
    QHash<RowId, QString> codes;
    for (auto it = nearest.cbegin(); it != nearest.cend(); ++it)
        codes.insert(it.key(), it->second);
    return codes;
}
} // namespace

FindIndex::FindIndex(const MapModel& model)
{
    std::vector<RegionProvince> regionMembers;
    for (const ClassProvincia& province : model.Provinces) {
        if (province.ProvinceCoordY.isEmpty())
            continue; // the empty province undiscovered places share
        const std::optional<MapCoord> place = gridPlaceOf(model, province.ProvinceCoordY + province.ProvinceCoordX);
        if (!place)
            continue;
        const QString code = provinceCodeAt(model, *place);
        add(entries_, FindKind::Province, province.ProvinceName, QString(), code);
        const ClassLocation& city = province.ClassLocation();
        if (!city.LocationName.isEmpty())
            add(entries_, FindKind::City, city.LocationName, city.LocationNo, code);
        addInnerLocations(entries_, model, city.CollecInnerLocation(), code);
        addInnerLocations(entries_, model, province.CollecInnerLocation(), code);
        if (province.ProvinceContinentID != 0)
            regionMembers.push_back({province.ProvinceContinentID, *place, code});
    }
    const QHash<RowId, QString> regionCodes = regionProvinces(regionMembers);
    for (const ClassContinents& region : model.Continents) {
        const auto code = regionCodes.constFind(region.ContinentId);
        if (code != regionCodes.constEnd())
            add(entries_, FindKind::Region, region.ContinentName, QString(), *code);
    }
    for (const ClassCharacter& character : model.Characters) {
        const QString code = locationProvinceCode(model, character.CharacterLastLocation);
        if (!code.isEmpty())
            add(entries_, FindKind::Character, character.CharacterName, character.CharacterNo, code);
    }

    std::stable_sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
        return std::tie(a.match.kind, a.foldedName, a.match.code, a.foldedNumber)
            < std::tie(b.match.kind, b.foldedName, b.match.code, b.foldedNumber);
    });
    for (int at = 0; at < int(entries_.size()); ++at) {
        const Entry& entry = entries_[std::size_t(at)];
        if (!entry.foldedNumber.isEmpty())
            byNumber_.insert(entry.foldedNumber, at);
        if (entry.match.kind == FindKind::Province)
            byCode_.insert(entry.match.code, at);
    }
}

std::vector<int> FindIndex::numbered(const QString& foldedNumber) const
{
    const QList<int> found = byNumber_.values(foldedNumber);
    std::vector<int> positions(found.begin(), found.end());
    std::sort(positions.begin(), positions.end());
    return positions;
}

} // namespace arvenna
