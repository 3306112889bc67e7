#include "EngineMaintenance.h"

#include "DatabaseError.h"
#include "EngineBackup.h"
#include "EngineStatement.h"
#include "LockedDatabase.h"
#include "SalvageCopy.h"
#include "SqlConnection.h"

#include <QFile>
#include <memory>
#include <sqlite3.h>

namespace arvenna {

namespace {
struct SchemaEntry {
    QString type;
    QString name;
    QString sql;
};

struct EngineClose {
    void operator()(sqlite3* engine) const { sqlite3_close_v2(engine); }
};
using EngineConnection = std::unique_ptr<sqlite3, EngineClose>;

// A private database in the engine's temporary directory, gone when it is
// closed or its process ends: a killed run leaves nothing behind.
EngineConnection openScratchDatabase()
{
    sqlite3* engine = nullptr;
    const int code = sqlite3_open_v2("", &engine, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    EngineConnection connection(engine);
    if (code != SQLITE_OK)
        throw engine ? engineError(engine) : DatabaseError(QString::fromLatin1(sqlite3_errstr(code)));
    return connection;
}

// A check that cannot even run (its way through the pages fails) finds the
// file damaged too.
bool integrityOk(sqlite3* engine)
{
    try {
        EngineStatement check(engine, QStringLiteral("PRAGMA integrity_check"));
        if (!check.step())
            return false;
        const char* first = reinterpret_cast<const char*>(sqlite3_column_text(check.handle(), 0));
        return qstrcmp(first, "ok") == 0 && !check.step();
    } catch (const DatabaseError&) {
        return false;
    }
}

QList<SchemaEntry> readSchema(sqlite3* engine)
{
    EngineStatement query(engine, QStringLiteral("SELECT type, name, sql FROM sqlite_master "
                                                 "WHERE sql IS NOT NULL AND name NOT LIKE 'sqlite_%' ORDER BY rowid"));
    QList<SchemaEntry> entries;
    while (query.step()) {
        auto text = [&](int column) {
            return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(query.handle(), column)));
        };
        entries.append({text(0), text(1), text(2)});
    }
    return entries;
}

bool hasTable(sqlite3* engine, const QString& table)
{
    EngineStatement query(engine, QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?"));
    const QByteArray name = table.toUtf8();
    sqlite3_bind_text(query.handle(), 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
    return query.step();
}

// The page layout and the header values a program may have set travel
// with the rows, so the rebuilt file is the same kind of file.
void copyFileSettings(sqlite3* from, sqlite3* to)
{
    for (const char* setting : {"page_size", "auto_vacuum", "user_version", "application_id"}) {
        const QString name = QString::fromLatin1(setting);
        const qint64 value = engineInteger(from, QStringLiteral("PRAGMA %1").arg(name));
        runEngineSql(to, QStringLiteral("PRAGMA %1 = %2").arg(name).arg(value));
    }
}

// How many rows the table holds by the engine's own count (it reads the
// smallest index when there is one), or -1 when that cannot be read either.
qint64 countedRows(sqlite3* engine, const QString& table)
{
    try {
        return engineInteger(engine, QStringLiteral("SELECT count(*) FROM %1").arg(quotedIdentifier(table)));
    } catch (const DatabaseError&) {
        return -1;
    }
}

// Copies every readable row into the fresh database; returns the tables
// that lost rows.
QList<TableLoss> rebuildInto(sqlite3* damaged, sqlite3* fresh)
{
    const QList<SchemaEntry> schema = readSchema(damaged);
    copyFileSettings(damaged, fresh);
    runEngineSql(fresh, QStringLiteral("BEGIN"));
    QList<TableLoss> losses;
    for (const SchemaEntry& entry : schema) {
        if (entry.type != QLatin1String("table"))
            continue;
        runEngineSql(fresh, entry.sql);
        const SalvagedTable salvaged = salvageTable(damaged, fresh, entry.name);
        if (!salvaged.damaged)
            continue;
        if (salvaged.copiedRows == 0)
            throw DatabaseError(QStringLiteral("The table %1 could not be read at all.").arg(entry.name), SQLITE_CORRUPT);
        const qint64 counted = countedRows(damaged, entry.name);
        if (counted != salvaged.copiedRows)
            losses.append({entry.name, counted > salvaged.copiedRows ? counted - salvaged.copiedRows : -1});
    }
    // Indexes, views and triggers once the rows are in: triggers must not
    // fire on the copy.
    for (const SchemaEntry& entry : schema) {
        if (entry.type != QLatin1String("table"))
            runEngineSql(fresh, entry.sql);
    }
    // The counters as they were (a damaged counter table costs nothing but
    // its values: new ids then follow the largest id kept).
    if (hasTable(damaged, QStringLiteral("sqlite_sequence")) && hasTable(fresh, QStringLiteral("sqlite_sequence"))) {
        runEngineSql(fresh, QStringLiteral("DELETE FROM sqlite_sequence"));
        salvageTable(damaged, fresh, QStringLiteral("sqlite_sequence"));
    }
    runEngineSql(fresh, QStringLiteral("COMMIT"));
    if (!integrityOk(fresh))
        throw DatabaseError(QStringLiteral("The rebuilt database does not pass the integrity check."), SQLITE_CORRUPT);
    return losses;
}

// The file's bytes as they are, read through the engine's own open file:
// opening the file a second time would let go of the engine's locks.
void keepDamagedCopy(sqlite3* damaged, const QString& copyPath)
{
    runEngineSql(damaged, QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    sqlite3_file* file = nullptr;
    sqlite3_int64 size = 0;
    if (sqlite3_file_control(damaged, "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK || !file
        || !file->pMethods || file->pMethods->xFileSize(file, &size) != SQLITE_OK)
        throw DatabaseError(QStringLiteral("The database file cannot be read."));
    QFile copy(copyPath);
    auto cannotWrite = [&] {
        return DatabaseError(QStringLiteral("Could not write [%1]: %2").arg(copyPath, copy.errorString()));
    };
    if (!copy.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw cannotWrite();
    QByteArray buffer(1 << 16, Qt::Uninitialized);
    for (sqlite3_int64 offset = 0; offset < size; offset += buffer.size()) {
        const int length = int(qMin<sqlite3_int64>(buffer.size(), size - offset));
        if (file->pMethods->xRead(file, buffer.data(), length, offset) != SQLITE_OK)
            throw DatabaseError(QStringLiteral("The database file cannot be read."));
        if (copy.write(buffer.constData(), length) != length)
            throw cannotWrite();
    }
    if (!copy.flush())
        throw cannotWrite();
}
} // namespace

RepairOutcome repairDatabase(LockedDatabase& database, const QString& damagedCopy)
{
    sqlite3* engine = database.engine();
    if (integrityOk(engine))
        return {};
    EngineConnection fresh = openScratchDatabase();
    RepairOutcome outcome{true, rebuildInto(engine, fresh.get())};
    if (!outcome.losses.isEmpty())
        keepDamagedCopy(engine, damagedCopy);
    copyAllPages(fresh.get(), engine);
    return outcome;
}

void compactDatabase(LockedDatabase& database)
{
    runEngineSql(database.engine(), QStringLiteral("VACUUM"));
}

} // namespace arvenna
