// make-world OUT.mdb: a copy of "Arvenna.mdb" holding a complete synthetic
// world, for benchmarks.
#include "WorldPlan.h"
#include "WorldWriter.h"
#include "database/Database.h"
#include "database/DatabaseError.h"
#include "database/Migrations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

using namespace arvenna;

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "usage: make-world OUT.mdb\n";
        return 2;
    }
    const QString target = args[1];
    const QString source = QDir(QStringLiteral(ARVENNA_BUILT_HOME)).filePath(QStringLiteral("Arvenna.mdb"));
    if (QFile::exists(target) && !QFile::remove(target)) {
        err << "cannot replace " << target << '\n';
        return 1;
    }
    if (!QFile::copy(source, target) || !QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner)) {
        err << "cannot copy " << source << " to " << target << '\n';
        return 1;
    }
    try {
        Database database = Database::open(target);
        // Brought to the latest migration as every new game is: the routes
        // go into a table of a later migration.
        migrateGame(database);
        WorldPlan plan(20260101u);
        WorldWriter(database.connection(), plan).write();
    } catch (const DatabaseError& error) {
        err << target << ": " << error.message() << '\n';
        return 1;
    }
    return 0;
}
