#pragma once

#include "WorldPlan.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>
#include <functional>
#include <vector>

namespace arvenna {

// Writes a planned world into a game database, all in one transaction.
// Failures throw DatabaseError.
class WorldWriter {
public:
    WorldWriter(QSqlDatabase database, WorldPlan& plan);
    void write();

private:
    void insertAll(const QString& sql, int count, const std::function<QVariantList(int)>& row);
    void writeReferenceRows();
    void writeProvinces();
    void writeCities();
    void writeInnerLocations();
    void writeRoutes(); // into the game's ROUTES table, which a new game has

    QSqlDatabase db_;
    WorldPlan& plan_;
    std::vector<int> cityIds_;     // per cell index, 0 for none
    std::vector<int> provinceIds_; // per cell index
};

} // namespace arvenna
