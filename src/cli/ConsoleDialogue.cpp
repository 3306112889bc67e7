#include "ConsoleDialogue.h"

#include "CliCommand.h"

namespace arvenna {

void ConsoleDialogue::inform(const QString&, const QString& text, MessageIcon)
{
    printMessage(text);
}

DialogueAnswer ConsoleDialogue::ask(const QString&, const QString& text, MessageIcon, DialogueButtons buttons)
{
    printMessage(text);
    return buttons == DialogueButtons::YesNo ? DialogueAnswer::Yes : DialogueAnswer::Ok;
}

std::optional<QString> ConsoleDialogue::askText(const QString&, const QString& prompt)
{
    printMessage(prompt);
    return std::nullopt;
}

} // namespace arvenna
