// make-reports: turn reports of the synthetic world of make-world.
//   make-reports season DIR     a season of reports of four factions, six turns each
//   make-reports one CELLS OUT  one report revealing the first CELLS surface cells
#include "ReportWriter.h"
#include "WorldPlan.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <QTextStream>

using namespace arvenna;

namespace {
// Their nobles' numbers lie apart from each other's and from the rulers' (5001 on).
const ReportFaction kFactions[] = {{QStringLiteral("Red Wolves"), QStringLiteral("m42"), 7001},
                                   {QStringLiteral("Ash Clan"), QStringLiteral("a01"), 7011},
                                   {QStringLiteral("Sea Eagles"), QStringLiteral("s17"), 7021},
                                   {QStringLiteral("Grey Owls"), QStringLiteral("g09"), 7031}};
constexpr int kFirstTurn = 20;
constexpr int kTurns = 6;

bool writeWhole(const QString& path, const QByteArray& text, QTextStream& err)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit())
        return true;
    err << "cannot write " << path << '\n';
    return false;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    const WorldPlan plan(20260101u); // the world of make-world
    const ReportWriter writer(plan);
    if (args.size() == 3 && args[1] == QLatin1String("season")) {
        const QDir dir(args[2]);
        if (!dir.mkpath(QStringLiteral("."))) {
            err << "cannot create " << args[2] << '\n';
            return 1;
        }
        for (const SeasonReport& report : planSeason(plan, int(std::size(kFactions)), kFirstTurn, kTurns)) {
            const ReportFaction& faction = kFactions[report.faction];
            const QString name = QStringLiteral("turn%1-%2.txt").arg(report.turn).arg(faction.number);
            if (!writeWhole(dir.filePath(name), writer.report(report.turn, faction, report.cells), err))
                return 1;
        }
        return 0;
    }
    bool ok = false;
    const int cells = args.size() == 4 && args[1] == QLatin1String("one") ? args[2].toInt(&ok) : 0;
    if (!ok || cells < 1 || cells > WorldPlan::kColumns * WorldPlan::kSurfaceRows) {
        err << "usage: make-reports season DIR | make-reports one CELLS OUT.txt\n";
        return 2;
    }
    std::vector<int> revealed(std::size_t(cells), 0);
    for (int i = 0; i < cells; ++i)
        revealed[std::size_t(i)] = i;
    return writeWhole(args[3], writer.report(kFirstTurn, kFactions[0], revealed), err) ? 0 : 1;
}
