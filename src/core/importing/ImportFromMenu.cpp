#include "ImportAccessGame.h"

#include "../database/DatabaseError.h"
#include "../database/NewDatabase.h"
#include "../shell/ProgramDirectory.h"
#include "../shell/UserDialogue.h"

#include <QFileInfo>

namespace arvenna {

namespace {
const QString kTitle = QStringLiteral("Import Access Game");
}

bool importAccessGameFromMenu(const QString& accessPath, const QString& programDirectory,
                              const DatabaseMenus& menus, UserDialogue& dialogue)
{
    const std::optional<QString> name = dialogue.askText(
        QStringLiteral("Name Database"), QStringLiteral("Please name the new copy of the database:\n(no extension required)"));
    const auto abort = [&](const QString& text) {
        dialogue.inform(QStringLiteral("Abort copy"), text, MessageIcon::Critical);
        return false;
    };
    if (!name || name->isEmpty())
        return abort(QStringLiteral("Aborting operation"));
    if (!isPlainDatabaseName(*name))
        return abort(QStringLiteral("The name may not hold \"/\", \"\\\" or \"..\" nor be a work file's, Aborting operation"));
    const bool exists = QFileInfo::exists(programFile(programDirectory, *name + QStringLiteral(".MDB")));
    if (exists
        && dialogue.ask(QStringLiteral("Copy Database"), QStringLiteral("File exists, replace?"), MessageIcon::Critical,
                        DialogueButtons::YesNo)
            != DialogueAnswer::Yes)
        return abort(QStringLiteral("Aborting operation"));
    try {
        ImportReport report;
        {
            BusyPointer busy(dialogue);
            report = importAccessGame(accessPath, programDirectory, *name, menus, exists);
        }
        dialogue.inform(kTitle, report.text(), MessageIcon::Information);
        return true;
    } catch (const DatabaseError& error) {
        dialogue.inform(kTitle, error.message(), MessageIcon::Critical);
        return false;
    }
}

} // namespace arvenna
