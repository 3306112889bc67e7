#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

namespace arvenna {

// How an Access field holds its values, as far as the import cares.
enum class AccessFieldKind { Flag, Whole, Single, Double, Date, Text, Other };

struct AccessField {
    QString name;
    AccessFieldKind kind = AccessFieldKind::Other;
    bool operator==(const AccessField&) const = default;
};

// Every row of one Access table. Values are typed: flags and whole numbers as
// qint64, Single and Double as double, dates as ISO 8601 text, text as QString;
// a null or empty value is a null QVariant (the reader cannot tell them apart).
struct AccessTable {
    QString name;
    QList<AccessField> fields;
    QList<QVariantList> rows;

    // The position of a field in any letter case, or -1.
    int fieldIndex(const QString& fieldName) const;
};

// A Microsoft Access (Jet) database opened for reading only. Every failure
// (a missing or unreadable file, a table that cannot be read whole) throws
// DatabaseError naming what could not be read.
class AccessFile {
public:
    explicit AccessFile(const QString& path);
    ~AccessFile();
    AccessFile(const AccessFile&) = delete;
    AccessFile& operator=(const AccessFile&) = delete;

    // The user tables in catalogue order; the engine's own tables are left out.
    const QStringList& tableNames() const { return tableNames_; }
    // The table of that name in any letter case; empty when the file has none.
    QString findTable(const QString& name) const;
    // Reads every row of a table, refusing a read that ends before the row
    // count its header gives.
    AccessTable readTable(const QString& name) const;

private:
    struct Handle;
    std::unique_ptr<Handle> handle_;
    QString path_;
    QStringList tableNames_;
};

} // namespace arvenna
