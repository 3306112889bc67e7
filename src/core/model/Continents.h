#pragma once

#include "KeyedCollection.h"

#include <QString>

namespace arvenna {

class Database;

struct ClassContinents {
    qint32 ContinentColor = 0;
    qint16 ContinentId = 0;
    QString ContinentName;
};

// The regions of the map, read from CONTINENTES on creation, keyed by CONTID.
class CollectContinents : public KeyedCollection<ClassContinents> {
public:
    CollectContinents() = default;
    explicit CollectContinents(Database& database);

    ClassContinents& Add(const QString& ContinentName, qint16 ContinentId, qint32 ContinentColor,
                         const QString& key = {});
};

} // namespace arvenna
