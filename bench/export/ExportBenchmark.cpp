// bench-export: the time to export the synthetic full world with every
// option, from the loaded model to the page written to a file.
#include "BenchSupport.h"
#include "export/HtmlMapPage.h"
#include "export/StartPosition.h"
#include "shell/SavedFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QIODevice>
#include <QTemporaryDir>
#include <QTextStream>

#include <ctime>
#include <vector>

using namespace arvenna;

namespace {
constexpr int kRuns = 11;
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QTemporaryDir dir;
    OpenedGame game;
    if (!openSyntheticWorld(dir, game, err))
        return 1;
    const MapModel& model = game.model;
    const ExportSettings every = exportSettingsOf(model);
    const QString page = dir.filePath(QStringLiteral("OutMap.html"));
    std::vector<double> exports;
    std::vector<double> processorTimes; // CPU time: the machine may be shared
    qint64 bytes = 0;
    for (int i = 0; i <= kRuns; ++i) { // the first run warms up
        QElapsedTimer timer;
        timer.start();
        const std::clock_t processorStart = std::clock();
        const QString failure = saveWholeFile(page, [&](QIODevice& file) {
            bytes = file.pos();
            const bool written = writeHtmlMapPage(file, model, every);
            bytes = file.pos() - bytes;
            return written;
        });
        if (!failure.isEmpty()) {
            err << "export failed: " << failure << '\n';
            return 1;
        }
        if (i > 0) {
            exports.push_back(milliseconds(timer));
            processorTimes.push_back(double(std::clock() - processorStart) * 1000.0 / CLOCKS_PER_SEC);
        }
    }
    const double exportMs = median(exports);
    const double processorMs = median(processorTimes);
    out << "world: " << model.Provinces.Count() - 1 << " provinces\n";
    out << "page: " << QString::number(double(bytes) / 1e6, 'f', 1) << " MB\n";
    out << "export with every option (page built and written), median of " << kRuns << ": "
        << QString::number(exportMs, 'f', 1) << " ms (CPU time " << QString::number(processorMs, 'f', 1) << " ms)\n";
    out << "export_ms=" << qRound(exportMs) << " export_cpu_ms=" << qRound(processorMs) << " page_mb=" << QString::number(double(bytes) / 1e6, 'f', 1) << '\n';
    return 0;
}
