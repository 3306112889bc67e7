#include "TestHome.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
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

void runSql(const QString& path, const QString& sql)
{
    const QString name = QStringLiteral("test-sql");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot open %s", qPrintable(path));
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

} // namespace arvenna
