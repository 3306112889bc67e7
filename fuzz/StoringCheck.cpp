#include "StoringCheck.h"

#include "SilentDialogue.h"
#include "database/Database.h"
#include "database/DatabaseError.h"
#include "database/EngineStatement.h"
#include "model/ModelLoader.h"
#include "model/ReferenceLists.h"
#include "parser/ReportState.h"
#include "storing/ProcessingRun.h"
#include "view/GameOpening.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <cstring>
#include <memory>
#include <sqlite3.h>

namespace arvenna {

namespace {
QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DatabaseError(QStringLiteral("Could not read [%1]: %2").arg(path, file.errorString()));
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()
        || !file.flush())
        throw DatabaseError(QStringLiteral("Could not write [%1]: %2").arg(path, file.errorString()));
}

// A game database file made as the build makes "Arvenna.mdb".
void buildGameFile(const QString& path, const QString& sqlDirectory)
{
    sqlite3* opened = nullptr;
    const int code = sqlite3_open_v2(QFile::encodeName(path).constData(), &opened,
                                     SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    const std::unique_ptr<sqlite3, int (*)(sqlite3*)> engine(opened, sqlite3_close);
    if (code != SQLITE_OK)
        throw DatabaseError(
            QStringLiteral("Could not create [%1]: %2").arg(path, QString::fromLatin1(sqlite3_errstr(code))));
    // A throw-away file: no need to wait for the disk on every row.
    runEngineSql(engine.get(), QStringLiteral("PRAGMA synchronous = OFF"));
    const QDir sources(sqlDirectory);
    for (const char* name : {"schema.sql", "reference.sql", "arvenna.sql"})
        runEngineSql(engine.get(), QString::fromUtf8(readFile(sources.filePath(QLatin1String(name)))));
}

QByteArray serialized(sqlite3* engine)
{
    sqlite3_int64 size = 0;
    unsigned char* bytes = sqlite3_serialize(engine, "main", &size, 0);
    if (!bytes)
        throw DatabaseError(QStringLiteral("The game cannot be serialized."));
    const QByteArray image(reinterpret_cast<const char*>(bytes), qsizetype(size));
    sqlite3_free(bytes);
    return image;
}

// Replaces the connection's database by an in-memory copy of image.
void deserialize(sqlite3* engine, const QByteArray& image)
{
    auto* copy = static_cast<unsigned char*>(sqlite3_malloc64(sqlite3_uint64(image.size())));
    if (!copy)
        throw DatabaseError(QStringLiteral("No memory for a copy of the game."));
    std::memcpy(copy, image.constData(), std::size_t(image.size()));
    // The engine frees the copy when the connection lets go of it, also on failure.
    if (sqlite3_deserialize(engine, "main", copy, image.size(), image.size(),
                            SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_RESIZEABLE)
        != SQLITE_OK)
        throw engineError(engine);
}

// Every value of every row of every table, in stored order, hashed.
QByteArray rowsDigest(sqlite3* engine)
{
    QStringList tables;
    EngineStatement catalogue(engine,
                              QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"));
    while (catalogue.step())
        tables << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(catalogue.handle(), 0)));
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const QString& table : tables) {
        hash.addData(table.toUtf8());
        EngineStatement rows(engine, QStringLiteral("SELECT * FROM \"%1\" ORDER BY rowid").arg(table));
        while (rows.step()) {
            for (int column = 0; column < sqlite3_column_count(rows.handle()); ++column) {
                const char type = char('0' + sqlite3_column_type(rows.handle(), column));
                const auto* value = static_cast<const char*>(sqlite3_column_blob(rows.handle(), column));
                hash.addData(QByteArrayView(&type, 1));
                hash.addData(QByteArrayView(value, sqlite3_column_bytes(rows.handle(), column)));
            }
        }
    }
    return hash.result();
}

QString integrityVerdict(sqlite3* engine)
{
    EngineStatement check(engine, QStringLiteral("PRAGMA integrity_check"));
    QStringList lines;
    while (check.step())
        lines << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(check.handle(), 0)));
    return lines.join(QLatin1Char('\n'));
}
} // namespace

StoringCheck::StoringCheck(const QString& gameSqlDirectory, const QString& worldReport)
{
    if (!directory_.isValid())
        throw DatabaseError(QStringLiteral("No temporary directory for the game."));
    const QString gamePath = directory_.filePath(QStringLiteral("Arvenna.mdb"));
    reportPath_ = directory_.filePath(QStringLiteral("report.txt"));
    buildGameFile(gamePath, gameSqlDirectory);
    openGame(gamePath, game_.session, game_.model, game_.view, nullptr, GameAccess::Writer);
    ReportState state;
    SilentDialogue dialogue;
    ProcessingRun run(game_.session, game_.model, state, dialogue);
    const FileOutcome world = run.process({worldReport}).constFirst();
    if (!world.processed)
        throw DatabaseError(
            QStringLiteral("The template world [%1] was not stored: %2").arg(worldReport, world.reason));
    sqlite3* engine = game_.session.CurrentConnection->DatabaseConnection().engineHandle();
    image_ = serialized(engine);
    templateDigest_ = rowsDigest(engine);
}

void StoringCheck::restoreTemplate()
{
    Database& database = game_.session.CurrentConnection->DatabaseConnection();
    deserialize(database.engineHandle(), image_);
    fillReferenceLists(game_.model, database);
    loadMapModel(game_.model, database);
}

QString StoringCheck::check(const QByteArray& report)
{
    try {
        restoreTemplate();
        writeFile(reportPath_, report);
        ReportState state;
        SilentDialogue dialogue;
        ProcessingRun run(game_.session, game_.model, state, dialogue);
        const FileOutcome outcome = run.process({reportPath_}).constFirst();
        sqlite3* engine = game_.session.CurrentConnection->DatabaseConnection().engineHandle();
        const QString integrity = integrityVerdict(engine);
        if (integrity != QLatin1String("ok"))
            return QStringLiteral("the game fails the integrity check: ") + integrity;
        // A report that failed, wherever it failed, stores nothing.
        if (!outcome.processed && rowsDigest(engine) != templateDigest_)
            return QStringLiteral("a report that failed changed rows (%1)").arg(outcome.reason);
    } catch (const DatabaseError& error) {
        return QStringLiteral("a failure escaped: ") + error.message();
    }
    return QString();
}

} // namespace arvenna
