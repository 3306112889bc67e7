#include "BenchSupport.h"

#include "database/DatabaseError.h"
#include "view/GameOpening.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

namespace arvenna {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

double milliseconds(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

bool runQuietly(const QString& program, const QStringList& arguments, QTextStream& err)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        err << program << " failed: " << process.readAllStandardError() << '\n';
        return false;
    }
    return true;
}

QString makeWorld(const QTemporaryDir& dir, QTextStream& err)
{
    if (!dir.isValid()) {
        err << "cannot create a temporary directory\n";
        return {};
    }
    const QString world = dir.filePath(QStringLiteral("World.mdb"));
    const QString maker = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("make-world"));
    return runQuietly(maker, {world}, err) ? world : QString();
}

bool openSyntheticWorld(const QTemporaryDir& dir, OpenedGame& game, QTextStream& err)
{
    const QString world = makeWorld(dir, err);
    if (world.isEmpty())
        return false;
    try {
        if (openGame(world, game.session, game.model, game.view) == GameSession::OpenResult::Opened)
            return true;
        err << "the world file vanished\n";
    } catch (const DatabaseError& error) {
        err << "opening the world failed: " << error.message() << '\n';
    }
    return false;
}

} // namespace arvenna
