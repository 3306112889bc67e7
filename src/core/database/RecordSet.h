#pragma once

#include <QDateTime>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <memory>
#include <vector>

namespace arvenna {

struct SqlConnection;

enum class RecordSetType {
    Dynaset,  // readable and writable when it selects "*" from one table
    Snapshot, // read-only
};

// The rows of one SQL query with a current-row cursor, read and written by
// field name (any letter case). The rows are fixed when the set is opened;
// rows added through the set join its end. Failures throw DatabaseError.
class RecordSet {
public:
    RecordSet(std::shared_ptr<SqlConnection> connection, const QString& sql,
              RecordSetType type, const QVariantList& params);
    RecordSet(RecordSet&&) noexcept;
    RecordSet& operator=(RecordSet&&) noexcept;
    ~RecordSet();

    // True when there is no current row.
    bool isEOF() const;
    void moveFirst();
    void moveNext();
    void moveLast();
    int recordCount() const;

    // Fields are named "Field" or, in a join, "Table.Field" with the table as
    // the schema names it; a bare name two columns share is refused.
    QStringList fieldNames() const;
    bool hasField(const QString& field) const;
    QVariant value(const QString& field) const; // a missing value is a null QVariant
    bool isNull(const QString& field) const;
    // Convenience readers: null reads as the empty text, 0, false, invalid.
    QString text(const QString& field) const;
    qint64 integer(const QString& field) const;
    double number(const QString& field) const;
    bool flag(const QString& field) const;
    QDateTime dateTime(const QString& field) const;

    // Starts a new row; its counter id can be read before update().
    void addNew();
    void edit();
    // Numeric text goes into a number field as the number; a value the field's
    // declared type cannot hold throws, leaving the pending row as it was.
    void setValue(const QString& field, const QVariant& value);
    void update();
    void cancelUpdate();
    void deleteCurrent();
    void close();

private:
    enum class Pending { None, Adding, Editing };

    void nameColumn(const QString& name, int index);
    int column(const QString& field) const;
    const QVector<QVariant>& currentValues() const;
    void requireWritable(const char* operation) const;
    void requireCurrentRow() const;
    void findTable(const QString& sql);
    qint64 nextCounterValue() const;
    QVector<QVariant> reread(qint64 rowid) const;
    void fetchAll(const QString& sql, const QVariantList& params);

    std::shared_ptr<SqlConnection> connection_;
    RecordSetType type_;
    QString table_;          // set when the set can be written
    QString counterColumn_;  // the table's INTEGER PRIMARY KEY, if any
    QHash<QString, QString> declaredTypes_; // the table's field types, by name in lower case
    QStringList columns_;    // result columns; the row id is kept aside
    static constexpr int kAmbiguous = -1;
    QHash<QString, int> columnByName_; // bare and Table.Field names in lower case
    std::vector<QVector<QVariant>> rows_;
    std::vector<qint64> rowIds_;
    std::vector<bool> deleted_;
    int position_ = 0;
    Pending pending_ = Pending::None;
    QVector<QVariant> pendingValues_;
    QSet<int> changed_;
    bool open_ = true;
};

// A date and time as the game databases store it.
QString storedDateTime(const QDateTime& when);

} // namespace arvenna
