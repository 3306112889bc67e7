#pragma once

#include "KeyedCollection.h"

#include <QString>

namespace arvenna {

class Database;

struct ClassFaction {
    QString FactionContact;
    QString FactionNumber;
    QString FactionName;
};

// The factions, read from FACTIONS on creation in order of number, keyed by FACTIONNUMBER.
class CollectFactions : public KeyedCollection<ClassFaction> {
public:
    CollectFactions() = default;
    explicit CollectFactions(Database& database);

    ClassFaction& Add(const QString& FactionName, const QString& FactionNumber, const QString& FactionContact,
                      const QString& key = {});
};

} // namespace arvenna
