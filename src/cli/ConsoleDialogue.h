#pragma once

#include "shell/UserDialogue.h"

namespace arvenna {

// The user dialogue of the command-line tool: messages go to stderr and
// every question is answered yes (or OK); text questions are cancelled.
class ConsoleDialogue : public UserDialogue {
public:
    void inform(const QString& title, const QString& text, MessageIcon icon) override;
    DialogueAnswer ask(const QString& title, const QString& text, MessageIcon icon, DialogueButtons buttons) override;
    std::optional<QString> askText(const QString& title, const QString& prompt) override;
};

} // namespace arvenna
