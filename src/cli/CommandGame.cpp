#include "CommandGame.h"

#include "CliCommand.h"
#include "shell/ProgramDirectory.h"
#include "view/GameOpening.h"
#include "view/OpenedGame.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace arvenna {

QString commandGameFile(const QCommandLineParser& parser, const QString& name)
{
    const bool bare = QFileInfo(name).fileName() == name;
    if (bare && parser.isSet(QStringLiteral("home"))) {
        // A folder that cannot serve has been named already; the file is then not found there.
        const std::optional<QString> home = programDirectoryFrom(parser);
        return home ? programFile(*home, name) : QDir(parser.value(QStringLiteral("home"))).absoluteFilePath(name);
    }
    return QFileInfo(name).absoluteFilePath();
}

int openCommandGame(const QString& path, OpenedGame& game, GameAccess access)
{
    return reportingFailures([&] {
        if (openGame(path, game.session, game.model, game.view, nullptr, access) == GameSession::OpenResult::Opened) {
            for (const QString& notice : game.session.openingNotices)
                printMessage(notice);
            return kExitSuccess;
        }
        printMessage(QStringLiteral("Could not find file '%1'.").arg(path));
        return kExitFailure;
    });
}

} // namespace arvenna
