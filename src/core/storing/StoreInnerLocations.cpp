#include "StoreInnerLocations.h"

#include "BufferWalk.h"
#include "PreparedStatements.h"
#include "model/MapModel.h"
#include "parser/ReportFormatError.h"
#include "parser/ReportState.h"
#include "parser/ReportText.h"

namespace arvenna {

namespace {
// A row that carries no stamp (one made by hand) counts as turn 100: it
// survives the lists of earlier turns.
constexpr double kUnstampedTurn = 100;
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
    struct StoredRow {
        qint64 id = 0;
        bool newer = false; // stamped with a later turn than the report's
    };
    std::optional<StoredRow> rowOfNumber(const QString& number);
    bool isNewer(const QVariant& stamp) const;
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
    bool groupIsNewer_ = false; // the place's stored list comes from a later turn
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
    // A heading that names a city, not one whose name holds the letters.
    underCity_ = upper.contains(QLatin1String(" CITY,"));
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
    groupIsNewer_ = false;
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
    // The kind follows a "," right after the number; details after it are optional.
    const qsizetype close = text.indexOf(u']', text.indexOf(u'['));
    if (close < 0)
        throw ReportFormatError{QStringLiteral("\"]\" missing")};
    if (text.mid(close + 1, 1) != QLatin1String(","))
        return; // no kind: not stored
    const QString rest = trimBlanks(QStringView(text).mid(close + 2));
    const qsizetype comma = rest.indexOf(u',');
    entry.type = typeOf(trimBlanks(comma < 0 ? QStringView(rest) : QStringView(rest).left(comma)));
    if (entry.type == 0)
        return;
    entry.details = comma < 0 ? QString() : rest.mid(comma + 2);
    if (!purged_)
        purgeStaleRows();
    if (!groupIsNewer_)
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
// When the place's stored list comes from a later turn, that list stands
// and this report's group is left out. The rows are found through the
// province, whose index is selective; most rows lie outside any city, so
// the city's index would visit nearly all of them.
void InnerStoring::purgeStaleRows()
{
    purged_ = true;
    const qint64 city = underCity_ ? province_->ClassLocation().LocationID : 0;
    QList<QVariantList> rows = statements_.rows(
        QStringLiteral("SELECT INNERLOCALID, LocalLocationID, Comments FROM InnerLocations WHERE ProvinceID = ?"),
        {province_->ProvinceID});
    rows.removeIf([city](const QVariantList& row) { return row.at(1).isNull() || row.at(1).toLongLong() != city; });
    groupIsNewer_ = std::any_of(rows.cbegin(), rows.cend(), [this](const QVariantList& row) { return isNewer(row.at(2)); });
    if (groupIsNewer_)
        return;
    for (const QVariantList& row : std::as_const(rows)) {
        const double stamp = row.at(2).isNull() ? kUnstampedTurn : numericValue(row.at(2).toString());
        if (stamp < turnNumber_)
            statements_.execute(QStringLiteral("DELETE FROM InnerLocations WHERE INNERLOCALID = ?"), {row.at(0)});
    }
}

// A stamp of a later turn than the report's; a row without one is no newer knowledge.
bool InnerStoring::isNewer(const QVariant& stamp) const
{
    return !stamp.isNull() && !trimBlanks(stamp.toString()).isEmpty() && numericValue(stamp.toString()) > turnNumber_;
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
    if (const std::optional<StoredRow> found = rowOfNumber(entry.number)) {
        id = found->id;
        // Seen elsewhere later (a ship that sailed on): it stays as last seen.
        if (!found->newer)
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
std::optional<InnerStoring::StoredRow> InnerStoring::rowOfNumber(const QString& number)
{
    const std::optional<QVariantList> row = statements_.firstRow(
        QStringLiteral("SELECT INNERLOCALID, Comments FROM InnerLocations WHERE LocalNumber = ? ORDER BY INNERLOCALID"),
        {number});
    if (!row)
        return std::nullopt;
    return StoredRow{row->at(0).toLongLong(), isNewer(row->at(1))};
}

// The row of the entry that the nested ones lie in: the one just stored, or
// when it was not stored (a kind the game does not know), the row its number
// names.
QVariant InnerStoring::parentId()
{
    if (!parentId_) {
        if (const std::optional<StoredRow> parent = rowOfNumber(parentNumber_))
            parentId_ = parent->id;
    }
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
    return walkStage(context, walk, [&] { storing.run(); });
}

} // namespace arvenna
