#include "Location.h"

#include "FirstRead.h"

namespace arvenna {

ClassMarket& CollectMarket::Add(qint16 TransItemQuant, qint16 TransItemPrice, RowId TransItemID,
                                qint16 TransactionTurn, const QString& key)
{
    return store(std::make_unique<ClassMarket>(
                     ClassMarket{TransactionTurn, TransItemID, TransItemPrice, TransItemQuant}),
                 key);
}

ClassLocation::ClassLocation() = default;
ClassLocation::~ClassLocation() = default;

arvenna::CollecInnerLocation& ClassLocation::CollecInnerLocation() { return createdOnFirstRead(inner_); }
const arvenna::CollecInnerLocation& ClassLocation::CollecInnerLocation() const { return createdOnFirstRead(inner_); }
CollecMArketSell& ClassLocation::CollecMArketSell() { return createdOnFirstRead(sell_); }
const CollectMarket& ClassLocation::CollecMArketSell() const { return createdOnFirstRead(sell_); }
CollecMArketBuy& ClassLocation::CollecMArketBuy() { return createdOnFirstRead(buy_); }
const CollectMarket& ClassLocation::CollecMArketBuy() const { return createdOnFirstRead(buy_); }

ClassLocation& CollecInnerLocation::Add(RowId LocationID, const QString& LocationNo, const QString& LocationName,
                                        qint16 LocationType, bool LocationSafe, bool LocalHidden,
                                        qint16 LocalEntrySize, bool LocalBlocked, const QString& key)
{
    auto location = std::make_unique<ClassLocation>();
    location->LocationID = LocationID;
    location->LocationNo = LocationNo;
    location->LocationName = LocationName;
    location->LocationType = LocationType;
    location->LocationSafe = LocationSafe;
    location->LocalHidden = LocalHidden;
    location->LocalEntrySize = LocalEntrySize;
    location->LocalBlocked = LocalBlocked;
    return store(std::move(location), key);
}

} // namespace arvenna
