#pragma once

#include "shell/UserDialogue.h"

namespace arvenna {

// A user dialogue that shows nothing and answers every question with OK and
// every request for a text with a cancel.
class SilentDialogue : public UserDialogue {
public:
    void inform(const QString&, const QString&, MessageIcon) override {}
    DialogueAnswer ask(const QString&, const QString&, MessageIcon, DialogueButtons) override
    {
        return DialogueAnswer::Ok;
    }
    std::optional<QString> askText(const QString&, const QString&) override { return std::nullopt; }
};

} // namespace arvenna
