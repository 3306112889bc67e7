// bench-read: reading and labelling a large turn report.
// Builds reports of 1, 2 and 4 MB by repeating realistic location paragraphs,
// reads each against the main game and prints the rate; the last line is
// "read_mb_per_s=N" for the 2 MB report.
#include "parser/ReportReader.h"
#include "parser/ReportState.h"
#include "shell/UserDialogue.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>

using namespace arvenna;

namespace {
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

const char* const kHeader = "Arvenna G2 turn 57 report, Spring of year 4.\n"
                            "Report for Red Wolves [m42].\n\n"
                            "Unclaimed items:\n\n   qty  name      weight\n   ---  ----      ------\n\n";

QByteArray provinceParagraphs(int n)
{
    return "Harrowfield [ab" + QByteArray::number(n % 90 + 10) + "], plain, in Vessaly, civ-2\n"
           "--------------------------------------------------------------------------\n"
           "It is raining.\n\n"
           "1,850 peasants work the fields of Harrowfield.\n2 inns serve the road to Kessra.\n\n"
           "Province controlled by Dunmere Keep [c104], castle, in Harrowfield [ab08],\n"
           "   Ruled by Osric Vane [4521], Earl of the Fens\n\n"
           "Routes leaving Harrowfield:\n   North, to Marrowdeep [ab07], Vessaly, forest, 8 days\n"
           "   East, to Kessra Reach [ac08], Vessaly, plain, 7 days\n\n"
           "Inner locations:\n   Dunmere Keep [c104], castle, defense 40, keep, owner:\n"
           "      Osric Vane [4521], with twelve soldiers\n   Old Stones [r220], ring of stones, 1 day\n\n"
           "Seen here:\n   Corvin Ashe [2290], with 40 soldiers\n   *Lady Ysolde [3340], lord of the Long Marches and the\n"
           "      Fenwater Holdings, on guard\n   Ottar Wain [4410]\n   Ottar Wain [4410] has died of his wounds.\n"
           "   Ketter [3345], peasant\n\n\n"
           "Kessra [m421], port city, in Harrowfield [ab08], safe haven\n"
           "--------------------------------------------------------------------------\n"
           "Skills taught here:\n   Shipcraft [600], Combat [610], Swordplay [611]\n\n"
           "Market report:\n trades   who   price    qty   wt/ea   item\n ------   ---   -----    ---   -----   ----\n"
           "    buy  m421      12     40       1   grain [71]\n   sell  m421      30     10     100   ox [77]\n\n"
           "Seen here:\n   Hobb [4412], peasant\n\n\n";
}

QByteArray reportOfSize(qsizetype bytes)
{
    QByteArray report(kHeader);
    for (int n = 0; report.size() < bytes; ++n)
        report += provinceParagraphs(n);
    return report;
}

// The best of a few runs: megabytes per second and the buffer's size.
std::pair<double, qsizetype> measure(const QString& path, qsizetype bytes)
{
    QuietDialogue dialogue;
    ReportState state;
    double best = 0;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        if (!ReadReport(path, state, QStringLiteral("Arvenna G2"), dialogue))
            qFatal("the generated report was not read");
        const double seconds = std::max<qint64>(timer.nsecsElapsed(), 1) / 1e9;
        best = std::max(best, bytes / 1e6 / seconds);
    }
    return {best, state.buffer.count()};
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        qFatal("cannot create a temporary directory");
    QTextStream out(stdout);
    double rateOfTwo = 0;
    for (qsizetype megabytes : {1, 2, 4}) {
        const QByteArray report = reportOfSize(megabytes * 1000 * 1000);
        const QString path = dir.filePath(QStringLiteral("report-%1mb.txt").arg(megabytes));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(report) != report.size())
            qFatal("cannot write the generated report");
        file.close();
        const auto [rate, items] = measure(path, report.size());
        out << QStringLiteral("%1 MB report: %2 buffer items, %3 ms, %4 MB/s")
                   .arg(megabytes)
                   .arg(items)
                   .arg(report.size() / 1e3 / rate, 0, 'f', 1)
                   .arg(rate, 0, 'f', 1)
            << Qt::endl;
        if (megabytes == 2)
            rateOfTwo = rate;
    }
    out << QStringLiteral("read_mb_per_s=%1").arg(rateOfTwo, 0, 'f', 1) << Qt::endl;
    return 0;
}
