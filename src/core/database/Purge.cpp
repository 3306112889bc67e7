#include "Purge.h"

#include "../shell/UserDialogue.h"
#include "DatabaseError.h"
#include "GameSession.h"
#include "ProcessingUndo.h"

#include <QFile>

namespace arvenna {

PurgeResult purgeOpenDatabase(GameSession& session, UserDialogue& dialogue)
{
    const QString path = session.CurrentDBName;
    const DialogueAnswer answer = dialogue.ask(
        QStringLiteral("Accept Copy"),
        QStringLiteral("With this action the current database [") + path + QStringLiteral("] will be deleted, are you sure ?"),
        MessageIcon::Critical, DialogueButtons::YesNoKeep);
    if (answer != DialogueAnswer::Yes)
        return PurgeResult::Declined;
    // Another writer stays refused until the file is gone.
    const std::unique_ptr<WriterLock> held = std::move(session.writerLock);
    session.close();
    if (!QFile::remove(path)) {
        dialogue.inform(kProgramTitle, QStringLiteral("The database [") + path + QStringLiteral("] could not be deleted."),
                        MessageIcon::Critical);
        return PurgeResult::DeleteFailed;
    }
    try {
        removeUndoCopy(path); // nothing is left to undo into
    } catch (const DatabaseError& error) {
        dialogue.inform(kProgramTitle, error.message(), MessageIcon::Warning);
    }
    return PurgeResult::Deleted;
}

} // namespace arvenna
