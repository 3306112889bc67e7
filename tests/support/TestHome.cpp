#include "TestHome.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

namespace arvenna {

TestHome::TestHome()
{
    if (!dir_.isValid())
        qFatal("cannot create a temporary program directory");
}

QString TestHome::file(const QString& name) const
{
    return QDir(dir_.path()).filePath(name);
}

QString TestHome::addGameDatabase(const QString& source, const QString& name) const
{
    const QString target = file(name.isEmpty() ? source : name);
    QFile::remove(target);
    if (!QFile::copy(QDir(QStringLiteral(ARVENNA_BUILT_HOME)).filePath(source), target))
        qFatal("cannot copy the built game database %s", qPrintable(source));
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

void TestHome::writeFile(const QString& name, const QByteArray& content) const
{
    QFile out(file(name));
    if (!out.open(QIODevice::WriteOnly) || out.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(name));
}

QByteArray fileBytes(const QString& path)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    return in.readAll();
}

namespace {
QSqlDatabase openDirect(const QString& name, const QString& path)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    if (!db.open())
        qFatal("cannot open %s", qPrintable(path));
    return db;
}
} // namespace

void runSql(const QString& path, const QString& sql)
{
    const QString name = QStringLiteral("test-sql");
    {
        QSqlDatabase db = openDirect(name, path);
        db.transaction();
        for (const QString& statement : sql.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            if (statement.trimmed().isEmpty())
                continue;
            QSqlQuery query(db);
            if (!query.exec(statement))
                qFatal("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
        }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

QStringList queryRows(const QString& path, const QString& sql, const QString& null)
{
    const QString name = QStringLiteral("test-query");
    QStringList lines;
    {
        QSqlDatabase db = openDirect(name, path);
        QSqlQuery query(db);
        if (!query.exec(sql))
            qFatal("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
        while (query.next()) {
            QStringList fields;
            for (int i = 0; i < query.record().count(); ++i)
                fields << (query.isNull(i) ? null : query.value(i).toString());
            lines << fields.join(QLatin1Char('|'));
        }
    }
    QSqlDatabase::removeDatabase(name);
    return lines;
}

} // namespace arvenna
