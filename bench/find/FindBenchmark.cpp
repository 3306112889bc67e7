// bench-find: "Find..." over the synthetic full world, typed a keystroke at a
// time: every prefix of a few texts a player would type is searched as the
// window searches it, against the index made once for the loaded map.
#include "BenchSupport.h"
#include "find/FindMatches.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <vector>

using namespace arvenna;

namespace {
constexpr int kRuns = 5;
constexpr double kGoalMs = 20;

// Codes, numbers and parts of names of each kind; short prefixes such as "p"
// or "n" match most of the world.
const QStringList kTexts{QStringLiteral("ab07"),       QStringLiteral("cx 93"),    QStringLiteral("Noble 1234"),
                         QStringLiteral("2345"),       QStringLiteral("City 150"), QStringLiteral("Region 17"),
                         QStringLiteral("Place 4711"), QStringLiteral("harbour"),  QStringLiteral("province dv")};

struct Keystroke {
    QString text;
    double ms = 0;
    int total = 0;
};

QString matchCount(int total)
{
    return total == 1 ? QStringLiteral("1 match") : QStringLiteral("%1 matches").arg(total);
}

// The median of kRuns searches of one prefix, after a warm-up.
Keystroke typed(const OpenedGame& game, const FindIndex& index, const QString& text)
{
    Keystroke stroke{text, 0, findMatches(game.model, index, text).total};
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        stroke.total = findMatches(game.model, index, text).total;
        times.push_back(milliseconds(timer));
    }
    stroke.ms = median(times);
    return stroke;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QTemporaryDir dir;
    OpenedGame game;
    if (!openSyntheticWorld(dir, game, err))
        return 1;
    std::vector<double> builds;
    FindIndex index;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        index = FindIndex(game.model);
        builds.push_back(milliseconds(timer));
    }
    out << "world: " << game.model.Provinces.Count() - 1 << " provinces, " << index.entries().size()
        << " entries to search\n";
    out << "index of the loaded map, median of " << kRuns << ": " << QString::number(median(builds), 'f', 1)
        << " ms\n";

    Keystroke worst;
    int keystrokes = 0;
    for (const QString& text : kTexts) {
        Keystroke slowest;
        for (qsizetype length = 1; length <= text.size(); ++length) {
            const Keystroke stroke = typed(game, index, text.left(length));
            ++keystrokes;
            if (stroke.ms >= slowest.ms)
                slowest = stroke;
        }
        const Keystroke whole = typed(game, index, text);
        out << '"' << text << "\": " << matchCount(whole.total) << ", slowest keystroke \"" << slowest.text << "\" ("
            << matchCount(slowest.total) << ") " << QString::number(slowest.ms, 'f', 2) << " ms\n";
        if (slowest.ms >= worst.ms)
            worst = slowest;
    }
    out << "worst of " << keystrokes << " keystrokes (median of " << kRuns << " each): \"" << worst.text << "\" "
        << QString::number(worst.ms, 'f', 2) << " ms, goal under " << kGoalMs << " ms\n";
    out << "find_ms=" << QString::number(worst.ms, 'f', 2) << " index_ms=" << QString::number(median(builds), 'f', 1)
        << '\n';
    if (worst.ms >= kGoalMs) {
        err << "failed: a keystroke took " << QString::number(worst.ms, 'f', 2) << " ms\n";
        return 1;
    }
    return 0;
}
