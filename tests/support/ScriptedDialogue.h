#pragma once

#include "shell/UserDialogue.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <functional>

namespace arvenna {

// A user dialogue for tests: records every message and answers questions
// from a queue (OK or Yes when the queue is empty).
class ScriptedDialogue : public UserDialogue {
public:
    struct Shown {
        QString title;
        QString text;
        MessageIcon icon;
        bool operator==(const Shown&) const = default;
    };

    void inform(const QString& title, const QString& text, MessageIcon icon) override;
    DialogueAnswer ask(const QString& title, const QString& text, MessageIcon icon, DialogueButtons buttons) override;
    std::optional<QString> askText(const QString& title, const QString& prompt) override;

    QList<Shown> shown;
    QQueue<DialogueAnswer> answers;
    QQueue<std::optional<QString>> textAnswers;
    // Runs after each message is recorded, while the program waits on it.
    std::function<void()> onInform;

    QStringList texts() const;
};

} // namespace arvenna
