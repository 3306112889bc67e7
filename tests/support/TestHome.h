#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace arvenna {

// A throw-away program directory holding copies of the built game databases.
class TestHome {
public:
    TestHome();

    QString path() const { return dir_.path(); }
    QString file(const QString& name) const;
    // Copies a built game database ("Arvenna.mdb", "Quorvane.mdb") in, under a name of choice.
    QString addGameDatabase(const QString& source, const QString& name = QString()) const;
    void writeFile(const QString& name, const QByteArray& content) const;

private:
    QTemporaryDir dir_;
};

QByteArray fileBytes(const QString& path);
// Runs SQL directly on a database file, bypassing the program (to set up cases).
void runSql(const QString& path, const QString& sql);
// The rows a query reads straight from a database file, a line each, fields
// joined by "|", a null as `null` ("NULL" unless told).
QStringList queryRows(const QString& path, const QString& sql, const QString& null = QStringLiteral("NULL"));

} // namespace arvenna
