#include "CommandGame.h"

#include "CliCommand.h"
#include "view/GameOpening.h"

#include <QFileInfo>

namespace arvenna {

int openCommandGame(const QString& path, GameSession& session, MapModel& model, MapView& view)
{
    return reportingFailures([&] {
        if (openGame(QFileInfo(path).absoluteFilePath(), session, model, view) == GameSession::OpenResult::Opened)
            return kExitSuccess;
        printMessage(QStringLiteral("Could not find file '%1'.").arg(path));
        return kExitFailure;
    });
}

} // namespace arvenna
