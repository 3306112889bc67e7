#pragma once

#include "KeyedCollection.h"
#include "RowId.h"

#include <QString>

namespace arvenna {

class Database;

struct ClassContinents {
    qint32 ContinentColor = 0;
    RowId ContinentId = 0;
    QString ContinentName;
};

// The regions of the map, read from CONTINENTES on creation, keyed by CONTID.
class CollectContinents : public KeyedCollection<ClassContinents> {
public:
    CollectContinents() = default;
    explicit CollectContinents(Database& database);

    ClassContinents& Add(const QString& ContinentName, RowId ContinentId, qint32 ContinentColor,
                         const QString& key = {});
};

} // namespace arvenna
