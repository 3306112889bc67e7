#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace arvenna {

class Database;

// Reads the rows of one query once, front to back, columns by position,
// keeping nothing and converting only the values asked for: for large reads
// where a RecordSet's materialised rows cost too much. It steps the query on
// the connection's own engine handle. Values are bound to "?" placeholders;
// failures throw DatabaseError. The reader must not outlive its database.
class RowReader {
public:
    RowReader(Database& database, const QString& sql, const QVariantList& params = {});
    ~RowReader();
    RowReader(const RowReader&) = delete;
    RowReader& operator=(const RowReader&) = delete;

    // Moves to the next row; false when there is none (and from then on).
    bool next();
    // The position of a result column, by name in any letter case: "Field",
    // or "Table.Field" with the table as the schema names it. A bare name that
    // two columns share is refused rather than guessed.
    int column(const QString& field) const;

    bool isNull(int column) const;
    QVariant value(int column) const; // a null is a null QVariant
    QString text(int column) const;   // a null reads as the empty text
    qint64 integer(int column) const; // a null reads as 0
    bool flag(int column) const { return integer(column) != 0; }

private:
    [[noreturn]] void fail(const QString& sql) const;

    struct Finalize {
        void operator()(sqlite3_stmt* statement) const;
    };

    QSqlDatabase connection_; // keeps the engine handle open while reading
    sqlite3* engine_;
    std::unique_ptr<sqlite3_stmt, Finalize> statement_;
    bool finished_ = false; // the engine would start the query again after its end
};

} // namespace arvenna
