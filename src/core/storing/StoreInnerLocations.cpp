#include "StoreInnerLocations.h"

#include "BufferWalk.h"
#include "PreparedStatements.h"
#include "model/MapModel.h"
#include "parser/ReportFormatError.h"
#include "parser/ReportState.h"
#include "parser/ReportText.h"

namespace arvenna {

namespace {
// The stamp of a row that carries none: it survives until turn 100.
const QString kUnstampedTurn = QStringLiteral("100");
const QString kSavedLocation = QStringLiteral("[SAVED] (LOC)");

qsizetype leadingBlanks(const QString& text)
{
    qsizetype count = 0;
    while (count < text.size() && text[count] == u' ')
        ++count;
    return count;
}

// The values of one entry of an inner location list, after its label.
struct InnerEntry {
    QString name;
    QString number;
    int type = 0; // 0 for a kind the game does not know
    QString details;
};

class InnerStoring {
public:
    InnerStoring(StoringContext& context, BufferWalk& walk)
        : walk_(walk), statements_(context.statements), model_(context.model),
          turn_(QString::number(context.report.header.turnNumber)), turnNumber_(context.report.header.turnNumber)
    {
    }

    void run();

private:
    bool startsWithLabel(const QString& label) const { return walk_.startsWith(walk_.position, label); }
    void takeHeading();
    void takeGroup();
    bool endsGroup() const;
    void takeEntry();
    int typeOf(const QString& kind) const;
    void purgeStaleRows();
    void store(const InnerEntry& entry, bool nested);
    std::optional<qint64> rowOfNumber(const QString& number);
    QVariant parentId();
    void markAndSkipOwner(qsizetype entryIndent, bool moveOn);

    BufferWalk& walk_;
    PreparedStatements& statements_;
    MapModel& model_;
    const QString turn_;
    const qint16 turnNumber_;

    const ClassProvincia* province_ = nullptr;
    bool underCity_ = false;
    qsizetype baseIndent_ = 0;
    QString parentNumber_;
    std::optional<qint64> parentId_; // the row of parentNumber_, once known
    bool purged_ = false; // the group's stale rows are gone
};

void InnerStoring::run()
{
    for (walk_.position = 0; walk_.position <= walk_.count(); ++walk_.position) {
        if (startsWithLabel(kSavedLocation) || startsWithLabel(QStringLiteral("(LOC)")))
            takeHeading();
        while (startsWithLabel(QStringLiteral("(INN)")))
            takeGroup();
    }
}

// A province or city paragraph: the lists that follow belong to it.
void InnerStoring::takeHeading()
{
    // A section the earlier stages did not store is marked as read here.
    if (startsWithLabel(QStringLiteral("(LOC)")))
        walk_.markSaved(walk_.position);
    const QString text = walk_.at(walk_.position).mid(kSavedLocation.size());
    const QString upper = upperCase(text);
    QString code;
    if (upper.contains(QLatin1String(" CITY,"))) {
        const qsizetype in = upper.indexOf(QLatin1String(", IN"));
        if (in < 0)
            throw ReportFormatError{QStringLiteral("the city names no province")};
        code = textBetween(text.mid(in + 5), u'[', u']');
    } else {
        code = textBetween(text, u'[', u']');
    }
    walk_.position = walk_.nextSeparator(walk_.position);
    province_ = &model_.Provinces.Item(trimBlanks(code));
    underCity_ = upper.contains(QLatin1String("CITY"));
}

void InnerStoring::takeGroup()
{
    if (upperCase(walk_.at(walk_.position)).contains(QLatin1String("INNER LOCATIONS:"))) {
        walk_.markSaved(walk_.position);
        ++walk_.position;
    }
    if (!province_ || province_->ProvinceName.isEmpty()) {
        ++walk_.position; // a province the map does not know: passed over
        return;
    }
    baseIndent_ = leadingBlanks(walk_.at(walk_.position).mid(5));
    purged_ = false;
    qsizetype entryIndent = baseIndent_;
    while (!endsGroup()) {
        const QString text = walk_.at(walk_.position).mid(5);
        if (!text.contains(u'[')) {
            ++walk_.position;
            continue;
        }
        entryIndent = leadingBlanks(text);
        takeEntry();
        markAndSkipOwner(entryIndent, true);
    }
    if (!walk_.isSeparator(walk_.position))
        markAndSkipOwner(entryIndent, false);
}

bool InnerStoring::endsGroup() const
{
    const QString item = walk_.at(walk_.position);
    const QString upper = upperCase(item);
    return item == kSeparator || upper.contains(QLatin1String("IN-PROGRESS")) || upper.contains(QLatin1String(" CITY,"))
        || !item.contains(u',');
}

void InnerStoring::takeEntry()
{
    const QString text = walk_.at(walk_.position).mid(5);
    InnerEntry entry;
    entry.name = trimBlanks(textBefore(text, u"["));
    entry.number = textBetween(text, u'[', u']');
    const bool nested = leadingBlanks(text) > baseIndent_;
    if (!nested) {
        parentNumber_ = entry.number;
        parentId_.reset();
    }
    const QString rest = trimBlanks(textAfter(text.mid(text.indexOf(u'[')), u"]", 1));
    const qsizetype comma = rest.indexOf(u',');
    if (comma < 0)
        return; // no kind: not stored
    entry.type = typeOf(trimBlanks(QStringView(rest).left(comma)));
    if (entry.type == 0)
        return;
    entry.details = rest.mid(comma + 2);
    if (!purged_)
        purgeStaleRows();
    store(entry, nested);
}

int InnerStoring::typeOf(const QString& kind) const
{
    for (int position = 1; position <= model_.InnerTypeTable.count(); ++position) {
        if (model_.InnerTypeTable.at(position).TerrainDescription.compare(kind, Qt::CaseInsensitive) == 0)
            return position;
    }
    return 0;
}

// The rows of this province or city that a newer report no longer lists go.
// They are found through the province, whose index is selective; most rows
// lie outside any city, so the city's index would visit nearly all of them.
void InnerStoring::purgeStaleRows()
{
    const qint64 city = underCity_ ? province_->ClassLocation().LocationID : 0;
    const QList<QVariantList> rows = statements_.rows(
        QStringLiteral("SELECT INNERLOCALID, LocalLocationID, Comments FROM InnerLocations WHERE ProvinceID = ?"),
        {province_->ProvinceID});
    for (const QVariantList& row : rows) {
        if (row.at(1).isNull() || row.at(1).toLongLong() != city)
            continue;
        QString stamp = row.at(2).toString();
        if (row.at(2).isNull()) {
            stamp = kUnstampedTurn;
            statements_.execute(QStringLiteral("UPDATE InnerLocations SET Comments = ? WHERE INNERLOCALID = ?"),
                                {stamp, row.at(0)});
        }
        if (numericValue(stamp) < turnNumber_)
            statements_.execute(QStringLiteral("DELETE FROM InnerLocations WHERE INNERLOCALID = ?"), {row.at(0)});
    }
    purged_ = true;
}

void InnerStoring::store(const InnerEntry& entry, bool nested)
{
    const qsizetype day = upperCase(entry.details).indexOf(QLatin1String("DAY"));
    const QVariant entrance =
        day >= 0 ? QVariant(toInt16(numericValue(QStringView(entry.details).left(day + 1)))) : QVariant();
    const QVariant city = underCity_ ? QVariant(province_->ClassLocation().LocationID) : QVariant();
    const QVariant parent = nested ? parentId() : QVariant();
    const QVariantList values{entry.number, entry.name, entry.type, turn_,
                              entry.details.contains(QLatin1String("HIDDEN")),
                              entry.details.contains(QLatin1String("CLOSE")), province_->ProvinceID, entrance};
    // What the report does not tell (no entrance, not in a city, no parent)
    // keeps the stored value, or starts as 0 (null for the entrance).
    qint64 id = 0;
    if (const std::optional<qint64> found = rowOfNumber(entry.number)) {
        id = *found;
        statements_.execute(QStringLiteral("UPDATE InnerLocations SET LocalNumber = ?, LocalNAme = ?, InnerTypeID = ?, "
                                           "Comments = ?, Hidden = ?, Closed = ?, ProvinceID = ?, "
                                           "EntranceSize = coalesce(?, EntranceSize), "
                                           "LocalLocationID = coalesce(?, LocalLocationID), "
                                           "InnerID = coalesce(?, InnerID) WHERE INNERLOCALID = ?"),
                            values + QVariantList{city, parent, id});
    } else {
        id = statements_.execute(QStringLiteral("INSERT INTO InnerLocations (LocalNumber, LocalNAme, InnerTypeID, "
                                                "Comments, Hidden, Closed, ProvinceID, EntranceSize, LocalLocationID, "
                                                "InnerID) VALUES (?, ?, ?, ?, ?, ?, ?, ?, coalesce(?, 0), coalesce(?, 0))"),
                                 values + QVariantList{city, parent});
    }
    if (!nested)
        parentId_ = id;
}

// The first row holding the number, as the game's numbers are matched
// whatever province they lie in.
std::optional<qint64> InnerStoring::rowOfNumber(const QString& number)
{
    const std::optional<QVariantList> row = statements_.firstRow(
        QStringLiteral("SELECT INNERLOCALID FROM InnerLocations WHERE LocalNumber = ? ORDER BY INNERLOCALID"), {number});
    return row ? std::optional<qint64>(row->at(0).toLongLong()) : std::nullopt;
}

// The row of the entry that the nested ones lie in: the one just stored, or
// when it was not stored (a kind the game does not know), the row its number
// names.
QVariant InnerStoring::parentId()
{
    if (!parentId_)
        parentId_ = rowOfNumber(parentNumber_);
    return parentId_ ? QVariant(*parentId_) : QVariant();
}

// Marks the line and moves on from it (always after an owner clause, else
// when asked). After an owner clause the lines indented less deeply than
// the entries (the clause's wrapped text) are passed over unmarked; the
// skip never reaches past the list's end.
void InnerStoring::markAndSkipOwner(qsizetype entryIndent, bool moveOn)
{
    const bool owner = upperCase(walk_.at(walk_.position)).contains(QLatin1String(", OWNER:"));
    walk_.markSaved(walk_.position);
    if (owner || moveOn)
        ++walk_.position;
    if (!owner)
        return;
    const auto indentedAtLeast = [](const QString& text, qsizetype width) {
        return leadingBlanks(text.left(width)) == std::min(width, text.size());
    };
    for (;;) {
        const QString item = walk_.at(walk_.position);
        if (item.isEmpty() || item == kSeparator)
            return;
        const QString text = item.mid(5);
        if (indentedAtLeast(text, entryIndent) || indentedAtLeast(text, baseIndent_))
            return;
        ++walk_.position;
    }
}
} // namespace

StageResult StoreInnerLocations(StoringContext& context)
{
    BufferWalk walk(context.report.buffer);
    InnerStoring storing(context, walk);
    return walkStage(context, walk, EarlyEnd::Position, [&] { storing.run(); });
}

} // namespace arvenna
