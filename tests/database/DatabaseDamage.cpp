#include "DatabaseDamage.h"

#include "TestHome.h"
#include "database/Database.h"

#include <QFile>
#include <QProcess>
#include <QtTest>

namespace arvenna {

void addProvinces(const QString& path, int count)
{
    QString sql;
    for (int i = 0; i < count; ++i)
        sql += QStringLiteral("INSERT INTO PROVINCIAS (PROVINCIANAME, XORD, YORD, TERRAINID) VALUES ('P%1', %2, %3, 4);")
                   .arg(i).arg(i % 100).arg(1 + i / 100);
    runSql(path, sql);
}

namespace {
qint64 pageSize(const QString& path)
{
    Database db = Database::open(path);
    return db.openRecordSet(QStringLiteral("PRAGMA page_size"), RecordSetType::Snapshot).value(QStringLiteral("page_size")).toLongLong();
}
} // namespace

void damagePage(const QString& path, qint64 page)
{
    const qint64 size = pageSize(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) || !file.seek((page - 1) * size)
        || file.write(QByteArray(size, char(0x5A))) != size)
        qFatal("cannot damage page %lld of %s", page, qPrintable(path));
}

qint64 rootPage(const QString& path, const QString& name)
{
    Database db = Database::open(path);
    RecordSet row = db.openRecordSet(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = ?"),
                                     RecordSetType::Snapshot, {name});
    return row.integer(QStringLiteral("rootpage"));
}

QList<LeafPage> leafPages(const QString& path, const QString& name)
{
    Database db = Database::open(path);
    RecordSet rows = db.openRecordSet(
        QStringLiteral("SELECT pageno, ncell FROM dbstat WHERE name = ? AND pagetype = 'leaf' ORDER BY pageno"),
        RecordSetType::Snapshot, {name});
    QList<LeafPage> pages;
    for (; !rows.isEOF(); rows.moveNext())
        pages.append({rows.value(QStringLiteral("pageno")).toLongLong(), rows.integer(QStringLiteral("ncell"))});
    return pages;
}

void leaveHotJournal(const QString& path)
{
    const QString journal = path + QStringLiteral("-journal");
    const QByteArray before = fileBytes(path);
    OtherProgram writer(path);
    // A small page cache makes the engine write pages into the file
    // before the transaction ends.
    if (!writer.run(QStringLiteral("PRAGMA cache_size = 10")) || !writer.run(QStringLiteral("BEGIN"))
        || !writer.run(QStringLiteral("UPDATE PROVINCIAS SET PROVINCIANAME = PROVINCIANAME || ' renamed'"))
        || !writer.run(QStringLiteral("DELETE FROM PROVINCIAS WHERE PROVINCIAID % 3 = 0")))
        qFatal("cannot start the interrupted write");
    writer.kill();
    if (fileBytes(journal).isEmpty() || fileBytes(path) == before)
        qFatal("the interrupted write left nothing to undo");
}

QString integrityCheck(const QString& path)
{
    return queryRows(path, QStringLiteral("PRAGMA integrity_check")).join(QLatin1Char('\n'));
}

QStringList rowCounts(const QString& path)
{
    QStringList counts;
    for (const QString& table :
         queryRows(path, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name")))
        counts << table + QLatin1Char('=') + queryRows(path, QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table)).constFirst();
    return counts;
}

OtherProgram::OtherProgram(const QString& path)
    : process_(std::make_unique<QProcess>())
{
    process_->start(QStringLiteral(ARVENNA_HOLD_DATABASE), {path});
    if (!process_->waitForStarted())
        qFatal("cannot start hold-database");
}

OtherProgram::~OtherProgram()
{
    process_->closeWriteChannel();
    if (!process_->waitForFinished(10000))
        kill();
}

bool OtherProgram::run(const QString& sql)
{
    process_->write(sql.toUtf8() + '\n');
    while (!process_->canReadLine()) {
        if (!process_->waitForReadyRead(30000))
            qFatal("hold-database does not answer");
    }
    return process_->readLine() == "ok\n";
}

bool OtherProgram::startReading(const QString& sql)
{
    return run(QStringLiteral("READ ") + sql);
}

void OtherProgram::kill()
{
    process_->kill();
    process_->waitForFinished();
}

} // namespace arvenna
