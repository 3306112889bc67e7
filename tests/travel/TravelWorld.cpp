#include "TravelWorld.h"

#include <QHash>

namespace arvenna {

void useGameMovements(MemoryMap& map)
{
    const std::pair<int, float> movements[] = {{1, 8}, {2, 2}, {3, 3}, {4, 7}, {6, 10}, {7, 14}};
    for (const auto& [id, days] : movements)
        map.model.TerrainsByID.Item(QString::number(id)).TerrainMovement = days;
}

void drawWorld(MemoryMap& map, const QStringList& rows)
{
    useGameMovements(map);
    const QHash<QChar, qint16> terrains{{u'P', kPlain},     {u'M', kMountain}, {u'W', kSwamp},
                                        {u'F', kForest},    {u'C', kCloudland}, {u'T', kTunnel},
                                        {u'S', kSeaLane},   {u'O', kGreatSea}, {u'?', 0},
                                        {u'X', kUnlisted}};
    for (int y = 0; y < rows.size(); ++y) {
        for (int x = 0; x < rows.at(y).size(); ++x) {
            if (terrains.contains(rows.at(y).at(x)))
                map.addProvince(x, y + 1, QStringLiteral("P%1.%2").arg(x).arg(y), terrains.value(rows.at(y).at(x)));
        }
    }
}

} // namespace arvenna
