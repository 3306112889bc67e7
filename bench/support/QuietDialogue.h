#pragma once

#include "shell/UserDialogue.h"

#include <cstdio>

namespace arvenna {

// A benchmark's dialogue: messages go to stderr, every question is answered OK.
class QuietDialogue : public UserDialogue {
public:
    void inform(const QString&, const QString& text, MessageIcon) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
    DialogueAnswer ask(const QString&, const QString&, MessageIcon, DialogueButtons) override
    {
        return DialogueAnswer::Ok;
    }
    std::optional<QString> askText(const QString&, const QString&) override { return std::nullopt; }
};

} // namespace arvenna
