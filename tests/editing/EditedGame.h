#pragma once

#include "GameFixture.h"
#include "ScriptedDialogue.h"
#include "editing/EditingContext.h"
#include "model/MapModel.h"
#include "view/MapView.h"
#include "view/ProvinceInfo.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace arvenna {

// One message the player saw: a question's buttons, or OK for a message.
struct Message {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::None;
    DialogueButtons buttons = DialogueButtons::Ok;
    bool operator==(const Message&) const = default;
};
char* toString(const Message& message);
// A refusal of bad input, and a plain confirmation or question.
Message warning(const QString& text);
Message confirmation(const QString& text, DialogueButtons buttons = DialogueButtons::Ok);

// Records every message with its buttons; answers as ScriptedDialogue does.
class RecordingDialogue : public ScriptedDialogue {
public:
    void inform(const QString& title, const QString& text, MessageIcon icon) override;
    DialogueAnswer ask(const QString& title, const QString& text, MessageIcon icon, DialogueButtons buttons) override;
    QList<Message> messages;
};

// A small game open for editing, with its model and a recording dialogue.
class EditedGame {
public:
    explicit EditedGame(const QString& sql);

    EditingContext at(double x, double y);
    Database& database() { return game.database(); }
    // The rows of a query, a line each, fields joined by "|", null as "NULL".
    QStringList rows(const QString& sql);
    // The panel of a province from the edited model, and from a fresh load of
    // the database: equal when the model kept in step with the rows.
    ProvinceInfo info(double x, double y);
    ProvinceInfo reloadedInfo(double x, double y);
    // The position of a name in a choice list.
    static int position(const ReferenceList& list, const QString& name);

    GameFixture game;
    MapModel model;
    MapView view;
    RecordingDialogue dialogue;
};

} // namespace arvenna
