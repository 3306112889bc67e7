#pragma once

#include "KeyedCollection.h"

#include <QString>

namespace arvenna {

class Database;

struct ClassAlliance {
    QString AllianceDesc;
    qint32 AllianceColour = 0;
    qint16 AllianceID = 0;
    QString AllianceName;
};

// The alliances, read from ALLIANCES on creation, keyed by ALLIANCEID.
class CollectAlliance : public KeyedCollection<ClassAlliance> {
public:
    CollectAlliance() = default;
    explicit CollectAlliance(Database& database);

    ClassAlliance& Add(const QString& AllianceName, qint16 AllianceID, qint32 AllianceColour,
                       const QString& AllianceDesc, const QString& key = {});
};

} // namespace arvenna
