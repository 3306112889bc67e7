#pragma once

#include "RecordSet.h"

#include <QString>
#include <QVariantList>
#include <memory>

class QSqlDatabase;
struct sqlite3;

namespace arvenna {

struct SqlConnection;

// One open game database file. Opening never creates a file: a missing file
// or one that is not a database of the engine fails with a DatabaseError.
class Database {
public:
    static Database open(const QString& path);
    // The same for maintenance, also when the file is shorter than its
    // header says (cut short by a crash or a full disk): the engine, which
    // refuses such a file as damaged, then takes the pages the file holds
    // for the whole database, so that every row on them can be read.
    static Database openToSalvage(const QString& path);

    Database(Database&&) noexcept;
    Database& operator=(Database&&) noexcept;
    ~Database();

    bool isOpen() const;
    const QString& path() const;
    void close();

    // A record set from SQL text; every value is bound to a "?" placeholder.
    RecordSet openRecordSet(const QString& sql,
                            RecordSetType type = RecordSetType::Dynaset,
                            const QVariantList& params = {});
    // A statement that returns no rows (DELETE, UPDATE, ...), values bound.
    void execute(const QString& sql, const QVariantList& params = {});

    QSqlDatabase connection() const;
    // The engine's own handle of the open connection, for work Qt Sql does
    // not offer (online backup, stepping past damaged pages).
    sqlite3* engineHandle() const;

private:
    Database(std::shared_ptr<SqlConnection> connection, QString path);
    static Database openFile(const QString& path, bool salvage);

    std::shared_ptr<SqlConnection> connection_;
    QString path_;
};

// True when the file starts with the engine's signature. Never creates it.
bool isEngineDatabaseFile(const QString& path);

} // namespace arvenna
