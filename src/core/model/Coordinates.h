#pragma once

#include "KeyedCollection.h"

#include <QString>

namespace arvenna {

class Database;

// One column or row of the grid: its position and its code. A numeric code
// reads back with at least two digits ("7" as "07"), a letter code unchanged.
class ClassCoordinates {
public:
    QString CoordCode() const { return code_; }
    void setCoordCode(const QString& code);
    qint16 CoordId = 0;

private:
    QString code_;
};

class CollectCoordinates : public KeyedCollection<ClassCoordinates> {
public:
    ClassCoordinates& Add(qint16 CoordId, const QString& CoordCode, const QString& key = {});
};

// The grid's columns, read from CELLSX on creation and keyed by column code.
class CollectXCoord : public CollectCoordinates {
public:
    CollectXCoord() = default;
    explicit CollectXCoord(Database& database);
};

// The grid's rows, filled by Init from CELLSY: keyed by row position
// (ByNum) or by row code.
class CollectYCoord : public CollectCoordinates {
public:
    void Init(Database& database, bool ByNum);
};

} // namespace arvenna
