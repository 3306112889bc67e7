#include "StoreMarkets.h"

#include "BufferWalk.h"
#include "PreparedStatements.h"
#include "model/MapModel.h"
#include "model/ModelValues.h"
#include "parser/ReportState.h"
#include "parser/ReportText.h"

#include <QHash>

namespace arvenna {

namespace {
const QString kMarketLabel = QStringLiteral("(MAK)");

// Columns of an offer line are words separated by one or more blanks; a
// line that runs out of words cannot be cut up.
QString firstWord(const QString& text)
{
    return textBefore(text, u" ");
}

QString afterFirstWord(const QString& text)
{
    return trimBlanks(textAfter(text, u" "));
}

// One offer line: "buy" or "sell", trader, price, quantity, weight, item name [code].
struct Offer {
    QVariant type; // "B", "S", or null for a line that says neither
    qint16 cost = 0;
    qint16 quantity = 0;
    QString itemName;
    QString itemCode;
};

class MarketStoring {
public:
    MarketStoring(StoringContext& context, BufferWalk& walk)
        : walk_(walk), statements_(context.statements), model_(context.model),
          turn_(context.report.header.turnNumber)
    {
    }

    void run();

private:
    void takeMarket();
    ClassLocation* cityInModel(const QVariant& provinceId, qint64 cityId);
    void passOverTableHeading();
    bool knownFromLaterTurn(const QVariant& cityStamp);
    void removeOffers();
    Offer readOffer();
    qint64 itemId(const Offer& offer);

    BufferWalk& walk_;
    PreparedStatements& statements_;
    MapModel& model_;
    const qint16 turn_;

    qint64 cityId_ = 0;
    ClassLocation* modelCity_ = nullptr; // the city's lists in the model, if the model has it
    QHash<QString, qint64> itemByCode_;  // the items this report's offers already named
};

void MarketStoring::run()
{
    for (walk_.position = 0; walk_.position <= walk_.count(); ++walk_.position) {
        if (walk_.startsWith(walk_.position, kMarketLabel))
            takeMarket();
    }
}

// A city known from a later turn keeps what that turn said, its market
// included when it had none; only the goods new to the catalogue are taken
// from its lines.
void MarketStoring::takeMarket()
{
    const QString cityNumber = textBetween(walk_.at(walk_.position), u'[', u']');
    const std::optional<QVariantList> city = statements_.firstRow(
        QStringLiteral("SELECT LOCALID, PROVINCEID, COMMENTS FROM LOCALS WHERE LOCALNUMBER = ? ORDER BY LOCALID"),
        {cityNumber});
    if (!city) {
        // A city the map does not know: its market stays unmarked.
        while (walk_.position < walk_.count() && walk_.startsWith(walk_.position, kMarketLabel))
            ++walk_.position;
        return;
    }
    cityId_ = city->at(0).toLongLong();
    modelCity_ = cityInModel(city->at(1), cityId_);
    walk_.markSaved(walk_.position);
    passOverTableHeading();
    const bool stored = !knownFromLaterTurn(city->at(2));
    if (stored)
        removeOffers();
    for (++walk_.position; walk_.position < walk_.count() && !walk_.isSeparator(walk_.position); ++walk_.position) {
        const qsizetype first = walk_.position;
        const Offer offer = readOffer();
        const qint64 item = itemId(offer);
        if (!stored)
            continue;
        statements_.execute(QStringLiteral("INSERT INTO MARKETTRANSACTIONS (LocalID, TransactionType, TransactionCost, "
                                           "TransactionQuantity, ItemID, TurnNo) VALUES (?, ?, ?, ?, ?, ?)"),
                            {cityId_, offer.type, offer.cost, offer.quantity, item, turn_});
        if (modelCity_) {
            CollectMarket& offers = offer.type.toString() == QLatin1String("B") ? modelCity_->CollecMArketBuy()
                                                                      : modelCity_->CollecMArketSell();
            offers.Add(offer.quantity, offer.cost, toLong(item, QStringLiteral("ITEMID")), turn_);
        }
        for (qsizetype line = first; line <= walk_.position; ++line)
            walk_.markSaved(line);
    }
}

// The province's city in the model, when the model holds this very city.
ClassLocation* MarketStoring::cityInModel(const QVariant& provinceId, qint64 cityId)
{
    const std::optional<QVariantList> province = statements_.firstRow(
        QStringLiteral("SELECT YORD, XORD FROM PROVINCIAS WHERE PROVINCIAID = ?"), {provinceId});
    if (!province)
        return nullptr;
    const ClassCoordinates* row = model_.YCoordsByNum.find(province->at(0).toString());
    if (!row)
        return nullptr;
    ClassProvincia& found = model_.Provinces.Item(row->CoordCode() + province->at(1).toString());
    if (&found == model_.Provinces.find(CollectProvincia::kFallbackKey))
        return nullptr;
    ClassLocation& city = found.ClassLocation();
    return city.LocationID == cityId ? &city : nullptr;
}

// The "Market report" line and the table heading before the first offer;
// a market without offers ends at its separator.
void MarketStoring::passOverTableHeading()
{
    for (;;) {
        const qsizetype next = walk_.position + 1;
        const QString upper = upperCase(walk_.at(next));
        if (upper.contains(QLatin1String("(MAK) BUY")) || upper.contains(QLatin1String("(MAK) SELL"))
            || walk_.isSeparator(next))
            return;
        walk_.position = next;
        walk_.markSaved(next);
    }
}

// The city row's own stamp or its stored offers.
bool MarketStoring::knownFromLaterTurn(const QVariant& cityStamp)
{
    if (!cityStamp.isNull() && numericValue(cityStamp.toString()) > turn_)
        return true;
    const std::optional<QVariantList> latest = statements_.firstRow(
        QStringLiteral("SELECT max(TurnNo) FROM MARKETTRANSACTIONS WHERE LocalID = ?"), {cityId_});
    return latest && !latest->at(0).isNull() && latest->at(0).toLongLong() > turn_;
}

void MarketStoring::removeOffers()
{
    statements_.execute(QStringLiteral("DELETE FROM MARKETTRANSACTIONS WHERE LocalID = ?"), {cityId_});
    if (modelCity_) {
        for (CollectMarket* offers : {&modelCity_->CollecMArketBuy(), &modelCity_->CollecMArketSell()}) {
            while (offers->Count() > 0)
                offers->Remove(offers->Count());
        }
    }
}

// A wrapped item name moves the walk on to the line that ends it.
Offer MarketStoring::readOffer()
{
    Offer offer;
    QString text = trimBlanks(QStringView(walk_.at(walk_.position)).mid(kMarketLabel.size()));
    if (text.contains(QLatin1String("buy"))) {
        offer.type = QStringLiteral("B");
        text = text.mid(3);
    } else if (text.contains(QLatin1String("sell"))) {
        offer.type = QStringLiteral("S");
        text = text.mid(4);
    }
    text = afterFirstWord(trimBlanks(text)); // the trader
    offer.cost = textToInt16(firstWord(text));
    text = afterFirstWord(text);
    offer.quantity = textToInt16(firstWord(text));
    text = afterFirstWord(afterFirstWord(text)); // the weight is not kept
    if (text.contains(u'[')) {
        offer.itemName = trimBlanks(textBefore(text, u"["));
    } else {
        ++walk_.position;
        const QString rest = trimBlanks(QStringView(walk_.at(walk_.position)).mid(kMarketLabel.size()));
        offer.itemName = text + QLatin1Char(' ') + trimBlanks(textBefore(rest, u"["));
        text = rest;
    }
    offer.itemCode = trimBlanks(textBetween(text, u'[', u']'));
    return offer;
}

// The item's id; goods not seen before join the catalogue.
qint64 MarketStoring::itemId(const Offer& offer)
{
    if (const auto known = itemByCode_.constFind(offer.itemCode); known != itemByCode_.cend())
        return *known;
    const std::optional<QVariantList> item = statements_.firstRow(
        QStringLiteral("SELECT ITEMID FROM ITEMS WHERE ITEMNO = ? ORDER BY ITEMID"), {offer.itemCode});
    const qint64 id = item ? item->at(0).toLongLong()
                           : statements_.execute(QStringLiteral("INSERT INTO ITEMS (ItemName, ITEMNO) VALUES (?, ?)"),
                                                 {offer.itemName, offer.itemCode});
    itemByCode_.insert(offer.itemCode, id);
    return id;
}
} // namespace

StageResult StoreMarkets(StoringContext& context)
{
    BufferWalk walk(context.report.buffer);
    MarketStoring storing(context, walk);
    return walkStage(context, walk, [&] { storing.run(); });
}

} // namespace arvenna
