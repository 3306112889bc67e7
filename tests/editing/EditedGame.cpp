#include "EditedGame.h"

#include "TestHome.h"
#include "database/Database.h"
#include "view/GameOpening.h"

#include <QtTest>

namespace arvenna {

char* toString(const Message& message)
{
    return QTest::toString(QStringLiteral("%1 | %2 | icon %3 | buttons %4")
                               .arg(message.title, message.text)
                               .arg(int(message.icon))
                               .arg(int(message.buttons)));
}

Message warning(const QString& text)
{
    return {QStringLiteral("Critical Warning"), text, MessageIcon::Critical, DialogueButtons::Ok};
}

Message confirmation(const QString& text, DialogueButtons buttons)
{
    return {QStringLiteral("Confirmation"), text, MessageIcon::None, buttons};
}

void RecordingDialogue::inform(const QString& title, const QString& text, MessageIcon icon)
{
    messages.append({title, text, icon, DialogueButtons::Ok});
    ScriptedDialogue::inform(title, text, icon);
}

DialogueAnswer RecordingDialogue::ask(const QString& title, const QString& text, MessageIcon icon,
                                      DialogueButtons buttons)
{
    messages.append({title, text, icon, buttons});
    return ScriptedDialogue::ask(title, text, icon, buttons);
}

EditedGame::EditedGame(const QString& sql) : game(sql)
{
    openGame(game.session.CurrentDBName, game.session, model, view);
}

EditingContext EditedGame::at(double x, double y)
{
    return EditingContext{game.database(), model, dialogue, MapCoord{x, y}};
}

QStringList EditedGame::rows(const QString& sql)
{
    return queryRows(game.session.CurrentDBName, sql);
}

ProvinceInfo EditedGame::info(double x, double y)
{
    return ShowProvinceInfo(model, game.database(), MapCoord{x, y});
}

ProvinceInfo EditedGame::reloadedInfo(double x, double y)
{
    GameSession session;
    MapModel fresh;
    MapView freshView;
    openGame(game.session.CurrentDBName, session, fresh, freshView);
    return ShowProvinceInfo(fresh, session.CurrentConnection->DatabaseConnection(), MapCoord{x, y});
}

int EditedGame::position(const ReferenceList& list, const QString& name)
{
    return int(list.names.indexOf(name));
}

} // namespace arvenna
