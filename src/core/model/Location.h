#pragma once

#include "KeyedCollection.h"
#include "RowId.h"

#include <QString>
#include <memory>

namespace arvenna {

// One market offer seen in a city.
struct ClassMarket {
    qint16 TransactionTurn = 0;
    RowId TransItemID = 0;
    qint16 TransItemPrice = 0;
    qint16 TransItemQuant = 0;
};

// A city's buy list or sell list.
class CollectMarket : public KeyedCollection<ClassMarket> {
public:
    ClassMarket& Add(qint16 TransItemQuant, qint16 TransItemPrice, RowId TransItemID, qint16 TransactionTurn,
                     const QString& key = {});
};
using CollecMArketSell = CollectMarket;
using CollecMArketBuy = CollectMarket;

class CollecInnerLocation;

// A province's city, or an inner location (castle, tower, ship...). An empty
// LocationName marks a province without a known city. The inner locations
// and market lists exist from their first read.
class ClassLocation {
public:
    ClassLocation();
    ~ClassLocation();
    ClassLocation(const ClassLocation&) = delete;
    ClassLocation& operator=(const ClassLocation&) = delete;

    bool LocalBlocked = false;  // inner location closed
    qint16 LocalEntrySize = 0;  // inner location entrance size
    bool LocalHidden = false;   // inner location hidden
    bool LocationSafe = false;  // city is a safe haven
    qint16 LocationType = 0;    // LocationTypeID of a city, InnerTypeID of an inner location
    QString LocationName;
    QString LocationNo;
    RowId LocationID = 0;       // LocalID of a city, InnerLocalID of an inner location

    arvenna::CollecInnerLocation& CollecInnerLocation();
    const arvenna::CollecInnerLocation& CollecInnerLocation() const;
    arvenna::CollecMArketSell& CollecMArketSell();
    const CollectMarket& CollecMArketSell() const;
    arvenna::CollecMArketBuy& CollecMArketBuy();
    const CollectMarket& CollecMArketBuy() const;

private:
    mutable std::unique_ptr<arvenna::CollecInnerLocation> inner_;
    mutable std::unique_ptr<CollectMarket> sell_;
    mutable std::unique_ptr<CollectMarket> buy_;
};

// Inner locations lying in a province, a city or another inner location,
// keyed by their InnerLocalID written as text.
class CollecInnerLocation : public KeyedCollection<ClassLocation> {
public:
    ClassLocation& Add(RowId LocationID, const QString& LocationNo, const QString& LocationName, qint16 LocationType,
                       bool LocationSafe, bool LocalHidden, qint16 LocalEntrySize, bool LocalBlocked,
                       const QString& key = {});
};

} // namespace arvenna
