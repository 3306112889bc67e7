#include "EngineMaintenance.h"

#include "Database.h"
#include "DatabaseError.h"
#include "SqlConnection.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlRecord>
#include <QTemporaryFile>
#include <cstdio>

namespace arvenna {

namespace {

struct SchemaEntry {
    QString type;
    QString name;
    QString sql;
};

bool passesIntegrityCheck(const SqlConnection& connection)
{
    QSqlQuery check = connection.run(QStringLiteral("PRAGMA integrity_check"), {});
    return check.next() && check.value(0).toString() == QLatin1String("ok") && !check.next();
}

QList<SchemaEntry> readSchema(const SqlConnection& connection)
{
    QSqlQuery query = connection.run(
        QStringLiteral("SELECT type, name, sql FROM sqlite_master WHERE sql IS NOT NULL AND name NOT LIKE 'sqlite_%'"), {});
    QList<SchemaEntry> entries;
    while (query.next())
        entries.append({query.value(0).toString(), query.value(1).toString(), query.value(2).toString()});
    if (query.lastError().isValid())
        throw DatabaseError(query.lastError().text());
    return entries;
}

// Copies the rows of one table up to the first one that cannot be read.
void copyReadableRows(const SqlConnection& from, const SqlConnection& to, const QString& table)
{
    QSqlQuery source(from.database());
    source.setForwardOnly(true);
    if (!source.exec(QStringLiteral("SELECT * FROM %1").arg(quotedIdentifier(table))))
        return; // the whole table is unreadable: nothing of it can be saved
    const int width = source.record().count();
    QStringList marks(width, QStringLiteral("?"));
    QSqlQuery insert(to.database());
    if (!insert.prepare(QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(quotedIdentifier(table), marks.join(QLatin1Char(',')))))
        throw DatabaseError(insert.lastError().text());
    while (source.next()) {
        for (int i = 0; i < width; ++i)
            insert.bindValue(i, source.value(i));
        if (!insert.exec())
            throw DatabaseError(insert.lastError().text());
    }
}

void copyCounters(const SqlConnection& from, const SqlConnection& to)
{
    QSqlQuery source(from.database());
    if (!source.exec(QStringLiteral("SELECT name, seq FROM sqlite_sequence")))
        return;
    while (source.next()) {
        to.run(QStringLiteral("DELETE FROM sqlite_sequence WHERE name = ?"), {source.value(0)});
        to.run(QStringLiteral("INSERT INTO sqlite_sequence (name, seq) VALUES (?, ?)"), {source.value(0), source.value(1)});
    }
}

void rebuildInto(const SqlConnection& damaged, const QString& freshPath)
{
    const QList<SchemaEntry> schema = readSchema(damaged);
    SqlConnection fresh(freshPath);
    if (!fresh.database().open())
        throw DatabaseError(fresh.database().lastError().text());
    fresh.run(QStringLiteral("BEGIN"), {});
    for (const SchemaEntry& entry : schema) {
        if (entry.type == QLatin1String("table")) {
            fresh.run(entry.sql, {});
            copyReadableRows(damaged, fresh, entry.name);
        }
    }
    for (const SchemaEntry& entry : schema) {
        if (entry.type != QLatin1String("table"))
            fresh.run(entry.sql, {});
    }
    copyCounters(damaged, fresh);
    fresh.run(QStringLiteral("COMMIT"), {});
    if (!passesIntegrityCheck(fresh))
        throw DatabaseError(QStringLiteral("The rebuilt database does not pass the integrity check."));
}

} // namespace

bool repairDatabaseFile(const QString& path)
{
    Database::open(path); // refuses what is not a database file at all
    QTemporaryFile fresh(path + QStringLiteral(".rebuild-XXXXXX"));
    {
        SqlConnection damaged(path);
        if (!damaged.database().open())
            throw DatabaseError(damaged.database().lastError().text());
        if (passesIntegrityCheck(damaged))
            return false;
        if (!fresh.open())
            throw DatabaseError(QStringLiteral("Could not create a work file beside '%1'.").arg(path));
        fresh.close();
        rebuildInto(damaged, fresh.fileName());
    }
    if (std::rename(QFile::encodeName(fresh.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        throw DatabaseError(QStringLiteral("Could not replace '%1' with its repaired copy.").arg(path));
    fresh.setAutoRemove(false);
    return true;
}

void compactDatabaseFile(const QString& source, const QString& target)
{
    Database database = Database::open(source);
    if (QFileInfo::exists(target) && !QFile::remove(target))
        throw DatabaseError(QStringLiteral("Could not remove '%1'.").arg(target));
    database.execute(QStringLiteral("VACUUM INTO ?"), {target});
}

bool replaceFileWithCopy(const QString& source, const QString& target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    char buffer[1 << 16];
    for (;;) {
        const qint64 n = in.read(buffer, sizeof buffer);
        if (n < 0)
            return false;
        if (n == 0)
            break;
        if (out.write(buffer, n) != n)
            return false;
    }
    return out.commit();
}

} // namespace arvenna
