#include "ProcessingUndo.h"

#include "Database.h"
#include "DatabaseError.h"
#include "EngineBackup.h"
#include "EngineStatement.h"
#include "LockedDatabase.h"
#include "shell/SavedFile.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <memory>
#include <sqlite3.h>

namespace arvenna {

namespace {
const QString kCopySuffix = QStringLiteral(".before-processing");

QString recordPath(const QString& gamePath)
{
    return undoCopyPath(gamePath) + QStringLiteral(".run");
}

// The record: the game's file name, the copy's size, the run's time, then
// one report a line.
struct UndoRecord {
    QString game;
    qint64 copySize = -1;
    UndoPoint point;
};

QByteArray written(const UndoRecord& record)
{
    QByteArray text = "game=" + record.game.toUtf8() + "\nsize=" + QByteArray::number(record.copySize) + "\ntaken="
                      + record.point.taken.toString(Qt::ISODate).toUtf8() + '\n';
    for (const QString& file : record.point.files)
        text += "file=" + file.toUtf8() + '\n';
    return text;
}

std::optional<UndoRecord> readRecord(const QString& gamePath)
{
    QFile file(recordPath(gamePath));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    UndoRecord record;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const qsizetype equals = line.indexOf('=');
        const QByteArray key = line.left(equals);
        const QString value = QString::fromUtf8(line.mid(equals + 1));
        if (key == "game")
            record.game = value;
        else if (key == "size")
            record.copySize = value.toLongLong();
        else if (key == "taken")
            record.point.taken = QDateTime::fromString(value, Qt::ISODate);
        else if (key == "file")
            record.point.files << value;
    }
    if (record.game.isEmpty() || record.copySize < 0 || !record.point.taken.isValid())
        return std::nullopt;
    return record;
}

void removeFile(const QString& path)
{
    QFile file(path);
    if (file.exists() && !file.remove())
        throw DatabaseError(QStringLiteral("Could not remove [%1]: %2").arg(path, file.errorString()));
}

struct EngineClose {
    void operator()(sqlite3* engine) const { sqlite3_close_v2(engine); }
};
using EngineConnection = std::unique_ptr<sqlite3, EngineClose>;

EngineConnection openEngine(const QString& path, int flags)
{
    sqlite3* engine = nullptr;
    const int code = sqlite3_open_v2(QFile::encodeName(path).constData(), &engine, flags, nullptr);
    EngineConnection connection(engine);
    if (code != SQLITE_OK)
        throw engine ? engineError(engine) : DatabaseError(QString::fromLatin1(sqlite3_errstr(code)));
    return connection;
}

// The first column of every row of a query, as text.
QStringList firstColumn(sqlite3* engine, const QString& sql)
{
    EngineStatement statement(engine, sql);
    QStringList values;
    while (statement.step())
        values << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement.handle(), 0)));
    return values;
}

// The game's identity: what its setup row says it is.
QStringList setupOf(sqlite3* engine)
{
    return firstColumn(engine, QStringLiteral("SELECT DATABASEDESC || '|' || GAMETYPE || '|' || GAMENO FROM SETUP "
                                              "ORDER BY rowid"));
}

bool passesCheck(sqlite3* engine)
{
    try {
        return firstColumn(engine, QStringLiteral("PRAGMA quick_check")) == QStringList{QStringLiteral("ok")};
    } catch (const DatabaseError&) {
        return false;
    }
}
} // namespace

QString undoCopyPath(const QString& gamePath)
{
    return gamePath + kCopySuffix;
}

std::optional<UndoPoint> undoPoint(const QString& gamePath)
{
    const std::optional<UndoRecord> record = readRecord(gamePath);
    if (!record || !QFileInfo(undoCopyPath(gamePath)).isFile())
        return std::nullopt;
    return record->point;
}

void takeUndoCopy(Database& game, const QStringList& files, const QDateTime& now)
{
    const QString gamePath = game.path();
    const QString copyPath = undoCopyPath(gamePath);
    const QString partial = copyPath + QStringLiteral(".partial");
    // The old record goes first: from then until the new one is written, no
    // copy is offered.
    removeFile(recordPath(gamePath));
    removeFile(partial);
    {
        EngineConnection copy = openEngine(partial, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        copyAllPages(game.engineHandle(), copy.get());
    }
    removeFile(copyPath);
    if (!QFile::rename(partial, copyPath))
        throw DatabaseError(QStringLiteral("Could not write [%1].").arg(copyPath));
    const UndoRecord record{QFileInfo(gamePath).fileName(), QFileInfo(copyPath).size(), {now, files}};
    const QString failure = saveWholeFile(recordPath(gamePath), [&](QIODevice& device) {
        const QByteArray text = written(record);
        return device.write(text) == text.size();
    });
    if (!failure.isEmpty())
        throw DatabaseError(QStringLiteral("Could not write [%1]: %2").arg(recordPath(gamePath), failure));
}

void undoLastProcessing(const QString& gamePath)
{
    const std::optional<UndoRecord> record = readRecord(gamePath);
    const QString copyPath = undoCopyPath(gamePath);
    const QFileInfo copyFile(copyPath);
    if (!record || !copyFile.isFile())
        throw DatabaseError(QStringLiteral("There is no processing run of %1 to undo.").arg(gamePath));
    const auto notOfThisGame = [&] {
        return DatabaseError(QStringLiteral("The copy %1 belongs to another game than %2.").arg(copyPath, gamePath));
    };
    if (record->game != QFileInfo(gamePath).fileName())
        throw notOfThisGame();
    const auto damaged = [&] { return DatabaseError(QStringLiteral("The copy %1 is damaged or cut short.").arg(copyPath)); };
    if (copyFile.size() != record->copySize)
        throw damaged();
    EngineConnection copy = openEngine(copyPath, SQLITE_OPEN_READONLY);
    if (!passesCheck(copy.get()))
        throw damaged();
    LockedDatabase locked(gamePath);
    if (setupOf(copy.get()) != setupOf(locked.engine()))
        throw notOfThisGame();
    copyAllPages(copy.get(), locked.engine());
    copy.reset();
    removeUndoCopy(gamePath);
}

void removeUndoCopy(const QString& gamePath)
{
    removeFile(recordPath(gamePath));
    removeFile(undoCopyPath(gamePath));
}

} // namespace arvenna
