// bench-process: storing a large turn report into the full synthetic world.
// Builds a report of a faction of 20 nobles and 2,000 provinces, each with a
// ruler, inner locations two levels deep, characters seen (one starred and
// wrapped) and a port city with its own inner locations and a market (a
// wrapped item name, goods new to the catalogue), and processes it (all six
// stages, one transaction) three times with rising turns, so that every row
// is refreshed; the last line is
// "process_ms=N provinces_per_s=N" for the median run.
#include "BenchSupport.h"
#include "database/GameSession.h"
#include "model/MapModel.h"
#include "parser/ReportState.h"
#include "shell/UserDialogue.h"
#include "storing/ProcessingRun.h"
#include "view/GameOpening.h"
#include "view/MapView.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

using namespace arvenna;

namespace {
constexpr int kProvinces = 2000;
constexpr int kNobles = 20;

class QuietDialogue : public UserDialogue {
public:
    void inform(const QString&, const QString& text, MessageIcon) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
    DialogueAnswer ask(const QString&, const QString&, MessageIcon, DialogueButtons) override
    {
        return DialogueAnswer::Ok;
    }
    std::optional<QString> askText(const QString&, const QString&) override { return std::nullopt; }
};

// The code of surface cell n: row codes "aa" to "dv", columns 00 to 99.
QByteArray cellCode(int n)
{
    const int row = n / 100;
    const char code[] = {char('a' + row / 26), char('a' + row % 26), 0};
    return QByteArray(code) + QByteArray::number(n % 100).rightJustified(2, '0');
}

QByteArray provinceParagraphs(int n)
{
    const QByteArray i = QByteArray::number(n);
    const QByteArray cell = cellCode(n * 5 % 10000);
    const QByteArray province = "Field " + i + " [" + cell + "]";
    return province + ", plain, in Region " + QByteArray::number(n % 60) + ", civ-2\n"
           "--------------------------------------------------------------------------\n"
           "1,850 peasants work the fields.\n\n"
           "Province controlled by Keep " + i + " [k" + i + "], castle, in " + province + ",\n"
           "   Ruled by Lord " + i + " [" + QByteArray::number(50000 + n) + "], Earl of the Fens\n\n"
           "Inner locations:\n   Keep " + i + " [k" + i + "], castle, defense 40, owner:\n"
           "      Lord " + i + " [" + QByteArray::number(50000 + n) + "], with twelve soldiers\n"
           "   Mine " + i + " [m" + i + "], mine, 2 days, HIDDEN\n"
           "      Gallery " + i + " [g" + i + "], cave, 1 day\n\n"
           "Seen here:\n   Scout " + i + " [" + QByteArray::number(70000 + n) + "], with 3 soldiers\n"
           "   *Lady " + i + " [" + QByteArray::number(80000 + n) + "], lord of the Long Marches and the\n"
           "      Fenwater Holdings, on guard\n\n"
           "Town " + i + " [t" + i + "], port city, in " + province + ", safe haven\n"
           "--------------------------------------------------------------------------\n\n"
           "Inner locations:\n   Sewer " + i + " [s" + i + "], sewer, 1 day\n\n"
           "Market report:\n trades   who   price    qty   wt/ea   item\n ------   ---   -----    ---   -----   ----\n"
           "    buy  t" + i + "      12     40       1   grain [59]\n"
           "   sell  t" + i + "     250      2      50   witch's black\n                                  cauldron [301]\n"
           "   sell  t" + i + "       7     20       1   amber [i" + QByteArray::number(n % 50) + "]\n\n"
           "Seen here:\n   Hobb " + i + " [" + QByteArray::number(90000 + n) + "], peasant\n\n";
}

// The faction summary, its unit table and one block per noble.
QByteArray factionPart()
{
    QByteArray units;
    QByteArray nobles;
    for (int n = 0; n < kNobles; ++n) {
        const QByteArray number = QByteArray::number(10000 + n);
        const QByteArray cell = cellCode(n * 5);
        units += number + " " + cell + "  oath-1         100%    1      0\n";
        nobles += "Noble " + QByteArray::number(n) + " [" + number + "]\n-----------------------------------\n\n"
                  "Location:         Field [" + cell + "], in Region 0\nLoyalty:          Oath-1\n"
                  "Maximum aura:     5\nCapacity: 10/100 land (10%)\n\n";
    }
    return "Faction [m42]\n-------------\nCharacters: " + QByteArray::number(kNobles) + " (of 20)\n\n"
           "Unit  Where Loyal        Health  Men  Ships\n----  ----- -----\n" + units
           + "\nUnclaimed items:\n\n   qty  name\n   ---  ----\n\n" + nobles;
}

QString writeReport(const QTemporaryDir& dir, int turn)
{
    QByteArray report = "Arvenna G2 turn " + QByteArray::number(turn) + " report\nReport for Red Wolves [m42].\n\n"
                        + factionPart();
    for (int n = 0; n < kProvinces; ++n)
        report += provinceParagraphs(n);
    report += "Order template\n------------------\nend\n";
    const QString path = dir.filePath(QStringLiteral("report-%1.txt").arg(turn));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(report) != report.size())
        qFatal("cannot write the generated report");
    return path;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        qFatal("cannot create a temporary directory");
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString world = makeWorld(dir, err);
    if (world.isEmpty())
        return 1;
    GameSession session;
    MapModel model;
    MapView view;
    openGame(world, session, model, view);
    QuietDialogue dialogue;
    ReportState state;
    ProcessingRun run(session, model, state, dialogue);

    std::vector<double> times;
    for (int turn : {60, 61, 62}) {
        const QString report = writeReport(dir, turn);
        QElapsedTimer timer;
        timer.start();
        if (!run.process({report}).constFirst().processed)
            qFatal("the generated report was not processed");
        times.push_back(milliseconds(timer));
        out << QStringLiteral("turn %1: %2 provinces, %3 log lines, %4 ms")
                   .arg(turn)
                   .arg(kProvinces)
                   .arg(state.buffer.count())
                   .arg(times.back(), 0, 'f', 0)
            << Qt::endl;
    }
    const double ms = median(times);
    out << QStringLiteral("process_ms=%1 provinces_per_s=%2").arg(ms, 0, 'f', 0).arg(kProvinces / ms * 1000, 0, 'f', 0)
        << Qt::endl;
    return 0;
}
