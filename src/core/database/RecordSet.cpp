#include "RecordSet.h"

#include "DatabaseError.h"
#include "FieldErrors.h"
#include "SqlConnection.h"

#include <QRegularExpression>
#include <QSqlField>
#include <QSqlRecord>
#include <cmath>
#include <optional>

namespace arvenna {

namespace {
const QString kRowIdAlias = QStringLiteral("arvenna_rowid_");

// What a field can hold, from its declared type as the engine reads it.
enum class FieldKind { Whole, Number, Any };

FieldKind kindOfType(const QString& declared)
{
    const QString type = declared.toUpper();
    if (type.contains(QLatin1String("INT")))
        return FieldKind::Whole;
    for (const char* text : {"CHAR", "CLOB", "TEXT"}) {
        if (type.contains(QLatin1String(text)))
            return FieldKind::Any;
    }
    for (const char* real : {"REAL", "FLOA", "DOUB"}) {
        if (type.contains(QLatin1String(real)))
            return FieldKind::Number;
    }
    return FieldKind::Any;
}

// The value as a field of that kind stores it, converted from numeric text
// as the engine would; nothing when the field cannot hold it.
std::optional<QVariant> fitted(FieldKind kind, const QVariant& value)
{
    if (kind == FieldKind::Any || value.isNull())
        return value;
    const QString text = value.toString().trimmed();
    bool ok = false;
    if (kind == FieldKind::Whole) {
        const qint64 whole = text.toLongLong(&ok);
        if (ok)
            return whole;
    }
    const double number = text.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    if (kind == FieldKind::Number)
        return number;
    // A whole number written with a fraction or an exponent, inside the 64-bit range.
    if (number != std::trunc(number) || number < -0x1p63 || number >= 0x1p63)
        return std::nullopt;
    return qint64(number);
}

QVariant storable(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return storedDateTime(value.toDateTime());
    case QMetaType::QDate:
        return value.toDate().toString(Qt::ISODate);
    case QMetaType::Bool:
        return value.toBool() ? 1 : 0;
    default:
        return value;
    }
}
} // namespace

QString storedDateTime(const QDateTime& when)
{
    return when.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

RecordSet::RecordSet(std::shared_ptr<SqlConnection> connection, const QString& sql,
                     RecordSetType type, const QVariantList& params)
    : connection_(std::move(connection)), type_(type)
{
    if (type_ == RecordSetType::Dynaset)
        findTable(sql);
    fetchAll(sql, params);
}

RecordSet::RecordSet(RecordSet&&) noexcept = default;
RecordSet& RecordSet::operator=(RecordSet&&) noexcept = default;
RecordSet::~RecordSet() = default;

// A dynaset can write when it reads every field of one table: "SELECT * FROM t ...".
void RecordSet::findTable(const QString& sql)
{
    static const QRegularExpression single(
        QStringLiteral(R"(^\s*SELECT\s+\*\s+FROM\s+([A-Za-z_][A-Za-z0-9_]*)\b(?!\s*(?:,|JOIN|LEFT|INNER|RIGHT|CROSS|NATURAL)))"),
        QRegularExpression::CaseInsensitiveOption);
    const auto match = single.match(sql);
    if (!match.hasMatch())
        return;
    QSqlQuery query = connection_->run(
        QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"),
        {match.captured(1)});
    if (!query.next())
        return; // unknown table: the query itself reports it
    table_ = query.value(0).toString();
    QSqlQuery info = connection_->run(QStringLiteral("SELECT name, type, pk FROM pragma_table_info(?)"), {table_});
    while (info.next()) {
        const QString name = info.value(0).toString();
        const QString type = info.value(1).toString();
        if (info.value(2).toInt() == 1 && type.compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0)
            counterColumn_ = name;
        declaredTypes_.insert(name.toLower(), type);
    }
}

void RecordSet::fetchAll(const QString& sql, const QVariantList& params)
{
    QString text = sql;
    if (!table_.isEmpty()) {
        static const QRegularExpression star(QStringLiteral(R"(^\s*SELECT\s+\*)"), QRegularExpression::CaseInsensitiveOption);
        text.replace(star, QStringLiteral("SELECT rowid AS %1, *").arg(kRowIdAlias));
    }
    QSqlQuery query = connection_->run(text, params);
    const QSqlRecord record = query.record();
    const int first = table_.isEmpty() ? 0 : 1;
    for (int i = first; i < record.count(); ++i) {
        const QSqlField field = record.field(i);
        columns_ << field.name();
        nameColumn(field.name(), i - first);
        if (!field.tableName().isEmpty())
            nameColumn(field.tableName() + QLatin1Char('.') + field.name(), i - first);
    }
    const int width = int(columns_.size());
    while (query.next()) {
        QVector<QVariant> row(width);
        for (int i = 0; i < width; ++i)
            row[i] = query.value(i + first);
        rows_.push_back(std::move(row));
        rowIds_.push_back(first ? query.value(0).toLongLong() : 0);
        deleted_.push_back(false);
    }
}

bool RecordSet::isEOF() const
{
    return pending_ != Pending::Adding && position_ >= int(rows_.size());
}

void RecordSet::moveFirst()
{
    cancelUpdate();
    position_ = 0;
    while (position_ < int(rows_.size()) && deleted_[position_])
        ++position_;
}

void RecordSet::moveNext()
{
    cancelUpdate();
    if (position_ >= int(rows_.size()))
        throw DatabaseError(QStringLiteral("No current record."));
    do {
        ++position_;
    } while (position_ < int(rows_.size()) && deleted_[position_]);
}

void RecordSet::moveLast()
{
    cancelUpdate();
    position_ = int(rows_.size()) - 1;
    while (position_ >= 0 && deleted_[position_])
        --position_;
    if (position_ < 0)
        position_ = int(rows_.size());
}

int RecordSet::recordCount() const
{
    int count = 0;
    for (bool gone : deleted_)
        count += gone ? 0 : 1;
    return count;
}

QStringList RecordSet::fieldNames() const
{
    return columns_;
}

bool RecordSet::hasField(const QString& field) const
{
    return columnByName_.contains(field.toLower());
}

// A name two columns share is kept, marked ambiguous.
void RecordSet::nameColumn(const QString& name, int index)
{
    const QString key = name.toLower();
    columnByName_.insert(key, columnByName_.contains(key) ? kAmbiguous : index);
}

int RecordSet::column(const QString& field) const
{
    const auto it = columnByName_.constFind(field.toLower());
    if (it == columnByName_.constEnd())
        throw missingFieldError(field);
    if (it.value() == kAmbiguous)
        throw ambiguousFieldError(field);
    return it.value();
}

void RecordSet::requireCurrentRow() const
{
    if (!open_)
        throw DatabaseError(QStringLiteral("The record set is closed."));
    if (position_ >= int(rows_.size()) || deleted_[position_])
        throw DatabaseError(QStringLiteral("No current record."));
}

const QVector<QVariant>& RecordSet::currentValues() const
{
    if (pending_ != Pending::None)
        return pendingValues_;
    requireCurrentRow();
    return rows_[position_];
}

QVariant RecordSet::value(const QString& field) const
{
    const QVariant& v = currentValues()[column(field)];
    return v.isNull() ? QVariant() : v;
}

bool RecordSet::isNull(const QString& field) const
{
    return currentValues()[column(field)].isNull();
}

QString RecordSet::text(const QString& field) const
{
    return value(field).toString();
}

qint64 RecordSet::integer(const QString& field) const
{
    return value(field).toLongLong();
}

double RecordSet::number(const QString& field) const
{
    return value(field).toDouble();
}

bool RecordSet::flag(const QString& field) const
{
    return value(field).toLongLong() != 0;
}

QDateTime RecordSet::dateTime(const QString& field) const
{
    const QVariant v = value(field);
    if (v.isNull())
        return {};
    return QDateTime::fromString(v.toString(), Qt::ISODate);
}

void RecordSet::requireWritable(const char* operation) const
{
    if (!open_)
        throw DatabaseError(QStringLiteral("The record set is closed."));
    if (type_ == RecordSetType::Snapshot || table_.isEmpty())
        throw DatabaseError(QStringLiteral("Cannot %1: the record set is not updatable.").arg(QLatin1String(operation)));
}

qint64 RecordSet::nextCounterValue() const
{
    QSqlQuery seq = connection_->run(
        QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = ? COLLATE NOCASE"), {table_});
    const qint64 sequence = seq.next() ? seq.value(0).toLongLong() : 0;
    QSqlQuery max = connection_->run(QStringLiteral("SELECT max(rowid) FROM %1").arg(quotedIdentifier(table_)), {});
    const qint64 highest = max.next() ? max.value(0).toLongLong() : 0;
    return std::max(sequence, highest) + 1;
}

void RecordSet::addNew()
{
    requireWritable("add a row");
    cancelUpdate();
    pendingValues_ = QVector<QVariant>(int(columns_.size()));
    if (!counterColumn_.isEmpty())
        pendingValues_[column(counterColumn_)] = connection_->reserveCounter(table_, nextCounterValue());
    pending_ = Pending::Adding;
}

void RecordSet::edit()
{
    requireWritable("edit");
    requireCurrentRow();
    cancelUpdate();
    pendingValues_ = rows_[position_];
    pending_ = Pending::Editing;
}

void RecordSet::setValue(const QString& field, const QVariant& value)
{
    if (pending_ == Pending::None)
        throw DatabaseError(QStringLiteral("Update without add or edit: field '%1'.").arg(field));
    const int index = column(field);
    const QVariant stored = storable(value);
    const FieldKind kind = kindOfType(declaredTypes_.value(columns_[index].toLower()));
    const std::optional<QVariant> fit = fitted(kind, stored);
    if (!fit) {
        const QString takes = kind == FieldKind::Whole ? QStringLiteral("whole numbers") : QStringLiteral("numbers");
        throw DatabaseError(QStringLiteral("The field '%1' of '%2' takes %3, not '%4'.")
                                .arg(columns_[index], table_, takes, stored.toString()));
    }
    pendingValues_[index] = *fit;
    changed_.insert(index);
}

QVector<QVariant> RecordSet::reread(qint64 rowid) const
{
    QSqlQuery query = connection_->run(QStringLiteral("SELECT * FROM %1 WHERE rowid = ?").arg(quotedIdentifier(table_)), {rowid});
    QVector<QVariant> row(int(columns_.size()));
    if (query.next()) {
        for (int i = 0; i < row.size(); ++i)
            row[i] = query.value(i);
    }
    return row;
}

void RecordSet::update()
{
    if (pending_ == Pending::None)
        throw DatabaseError(QStringLiteral("Update without add or edit."));
    QSet<int> written = changed_;
    if (pending_ == Pending::Adding && !counterColumn_.isEmpty())
        written.insert(column(counterColumn_));
    QList<int> order = written.values();
    std::sort(order.begin(), order.end());
    QVariantList values;
    QStringList names;
    for (int index : order) {
        names << quotedIdentifier(columns_[index]);
        values << pendingValues_[index];
    }
    if (pending_ == Pending::Adding) {
        QString sql = names.isEmpty()
            ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quotedIdentifier(table_))
            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(quotedIdentifier(table_), names.join(QLatin1String(", ")),
                       QStringList(names.size(), QStringLiteral("?")).join(QLatin1String(", ")));
        QSqlQuery query = connection_->run(sql, values);
        const qint64 rowid = query.lastInsertId().toLongLong();
        // The added row joins the end; the cursor stays where it was.
        const bool wasAtEnd = position_ >= int(rows_.size());
        rows_.push_back(reread(rowid));
        rowIds_.push_back(rowid);
        deleted_.push_back(false);
        if (wasAtEnd)
            position_ = int(rows_.size());
    } else if (!names.isEmpty()) {
        QStringList sets;
        for (const QString& name : names)
            sets << name + QStringLiteral(" = ?");
        values << rowIds_[position_];
        connection_->run(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(quotedIdentifier(table_), sets.join(QLatin1String(", "))),
                         values);
        rows_[position_] = reread(rowIds_[position_]);
    }
    pending_ = Pending::None;
    changed_.clear();
}

void RecordSet::cancelUpdate()
{
    pending_ = Pending::None;
    pendingValues_.clear();
    changed_.clear();
}

void RecordSet::deleteCurrent()
{
    requireWritable("delete");
    requireCurrentRow();
    cancelUpdate();
    connection_->run(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quotedIdentifier(table_)), {rowIds_[position_]});
    deleted_[position_] = true;
}

void RecordSet::close()
{
    cancelUpdate();
    rows_.clear();
    rowIds_.clear();
    deleted_.clear();
    position_ = 0;
    open_ = false;
    connection_.reset();
}

} // namespace arvenna
