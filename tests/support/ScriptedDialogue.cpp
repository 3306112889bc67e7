#include "ScriptedDialogue.h"

namespace arvenna {

void ScriptedDialogue::inform(const QString& title, const QString& text, MessageIcon icon)
{
    shown.append({title, text, icon});
    if (onInform)
        onInform();
}

DialogueAnswer ScriptedDialogue::ask(const QString& title, const QString& text, MessageIcon icon, DialogueButtons buttons)
{
    shown.append({title, text, icon});
    if (!answers.isEmpty())
        return answers.dequeue();
    return buttons == DialogueButtons::YesNo ? DialogueAnswer::Yes : DialogueAnswer::Ok;
}

std::optional<QString> ScriptedDialogue::askText(const QString& title, const QString& prompt)
{
    shown.append({title, prompt, MessageIcon::None});
    return textAnswers.isEmpty() ? std::nullopt : textAnswers.dequeue();
}

QStringList ScriptedDialogue::texts() const
{
    QStringList result;
    for (const Shown& s : shown)
        result << s.text;
    return result;
}

} // namespace arvenna
