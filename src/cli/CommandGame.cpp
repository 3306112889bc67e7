#include "CommandGame.h"

#include "CliCommand.h"
#include "view/GameOpening.h"
#include "view/OpenedGame.h"

#include <QFileInfo>

namespace arvenna {

int openCommandGame(const QString& path, OpenedGame& game)
{
    return reportingFailures([&] {
        if (openGame(QFileInfo(path).absoluteFilePath(), game.session, game.model, game.view) == GameSession::OpenResult::Opened)
            return kExitSuccess;
        printMessage(QStringLiteral("Could not find file '%1'.").arg(path));
        return kExitFailure;
    });
}

} // namespace arvenna
