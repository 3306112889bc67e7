// bench-import: the time to import the season game kept in a Microsoft Access
// file (some 22,000 rows) into a new game database, and the memory it takes.
#include "BenchSupport.h"
#include "QuietDialogue.h"
#include "database/DatabaseDiscovery.h"
#include "database/DatabaseError.h"
#include "database/DatabaseMenus.h"
#include "importing/ImportAccessGame.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <sys/resource.h>

#include <vector>

using namespace arvenna;

namespace {
constexpr int kRuns = 7;

// The process's peak resident memory so far, in MB.
double peakMegabytes()
{
    rusage usage{};
    return getrusage(RUSAGE_SELF, &usage) == 0 ? double(usage.ru_maxrss) / 1024.0 : -1;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString season = QDir(QStringLiteral(ARVENNA_LEGACY_DATA)).filePath(QStringLiteral("season-g2.mdb"));
    QTemporaryDir home;
    for (const QString& name : {QStringLiteral("Arvenna.mdb"), QStringLiteral("Quorvane.mdb")}) {
        if (!QFile::copy(QDir(QStringLiteral(ARVENNA_BUILT_HOME)).filePath(name), QDir(home.path()).filePath(name))) {
            err << "the game database " << name << " could not be copied\n";
            return 1;
        }
    }
    QuietDialogue dialogue;
    DatabaseMenus menus;
    discoverDatabases(home.path(), menus, dialogue);

    std::vector<double> imports;
    qint64 rows = 0;
    try {
        for (int i = 0; i < kRuns; ++i) {
            QElapsedTimer timer;
            timer.start();
            const ImportReport report = importAccessGame(season, home.path(), QStringLiteral("Season"), menus, true);
            imports.push_back(milliseconds(timer));
            rows = 0;
            for (const ImportedTable& table : report.tables)
                rows += table.rows;
        }
    } catch (const DatabaseError& error) {
        err << "import failed: " << error.message() << '\n';
        return 1;
    }
    const double import = median(imports);
    const double peak = peakMegabytes();
    out << "season game: " << rows << " rows\n";
    out << "import into a new game database, median of " << kRuns << ": " << qRound(import) << " ms\n";
    out << "peak resident memory of this process: " << qRound(peak) << " MB\n";
    out << "import_ms=" << qRound(import) << " rows=" << rows << " peak_mb=" << qRound(peak) << '\n';
    return 0;
}
