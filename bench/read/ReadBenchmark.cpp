// bench-read: reading and labelling large turn reports.
// Realistic reports of 1, 2 and 4 MB show the usual rate; crafted reports
// (a faction of thousands of nobles followed by many bracketed lines, or by
// two very long lines) show that the time stays linear in the worst case.
// The last line is "read_mb_per_s=N nobles_ms=N long_lines_ms=N".
#include "QuietDialogue.h"
#include "GeneratedReports.h"
#include "parser/ReportReader.h"
#include "parser/ReportState.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <limits>

using namespace arvenna;

namespace {
struct Measured {
    double milliseconds = 0;
    double megabytesPerSecond = 0;
    qsizetype items = 0;
};

// Writes the report into `dir` and reads it a few times; the best run counts.
Measured measure(const QTemporaryDir& dir, const QByteArray& report, int runs)
{
    const QString path = dir.filePath(QStringLiteral("report.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(report) != report.size() || !file.flush())
        qFatal("cannot write the generated report");
    file.close();
    QuietDialogue dialogue;
    ReportState state;
    qint64 best = std::numeric_limits<qint64>::max();
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        if (!ReadReport(path, state, QStringLiteral("Arvenna G2"), dialogue))
            qFatal("the generated report was not read");
        best = std::min(best, std::max<qint64>(timer.nsecsElapsed(), 1));
    }
    return {best / 1e6, report.size() / 1e6 / (best / 1e9), state.buffer.count()};
}

QString figures(const Measured& measured)
{
    return QStringLiteral("%1 buffer items, %2 ms, %3 MB/s")
        .arg(measured.items)
        .arg(measured.milliseconds, 0, 'f', 1)
        .arg(measured.megabytesPerSecond, 0, 'f', 1);
}

QString megabytes(const QByteArray& report)
{
    return QString::number(report.size() / 1e6, 'f', 1);
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
    for (qsizetype size : {1, 2, 4}) {
        const Measured measured = measure(dir, realisticReport(size * 1000 * 1000), 5);
        out << QStringLiteral("%1 MB report: %2").arg(size).arg(figures(measured)) << Qt::endl;
        if (size == 2)
            rateOfTwo = measured.megabytesPerSecond;
    }

    Measured nobles;
    for (int count : {8192, 32767}) {
        const QByteArray report = manyNoblesReport(count, count / 2);
        nobles = measure(dir, report, 3);
        out << QStringLiteral("%1 nobles, %2 bracketed lines (%3 MB): %4")
                   .arg(count)
                   .arg(count / 2)
                   .arg(megabytes(report), figures(nobles))
            << Qt::endl;
    }
    const QByteArray longLines = longLinesReport(32767, 1000 * 1000);
    const Measured longLinesRead = measure(dir, longLines, 3);
    out << QStringLiteral("32767 nobles, two 1 MB lines (%1 MB): %2").arg(megabytes(longLines), figures(longLinesRead))
        << Qt::endl;

    out << QStringLiteral("read_mb_per_s=%1 nobles_ms=%2 long_lines_ms=%3")
               .arg(rateOfTwo, 0, 'f', 1)
               .arg(nobles.milliseconds, 0, 'f', 0)
               .arg(longLinesRead.milliseconds, 0, 'f', 0)
        << Qt::endl;
    return 0;
}
