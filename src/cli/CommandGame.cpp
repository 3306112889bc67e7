#include "CommandGame.h"

#include "CliCommand.h"
#include "shell/ProgramDirectory.h"
#include "view/GameOpening.h"
#include "view/OpenedGame.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace arvenna {

QString commandGameFile(const QCommandLineParser& parser, const QString& name)
{
    const bool bare = QFileInfo(name).fileName() == name;
    if (bare && parser.isSet(QStringLiteral("home")))
        return programFile(programDirectoryFrom(parser), name);
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
