#pragma once

#include "shell/UserDialogue.h"

class QWidget;

namespace arvenna {

// Message boxes and input boxes of the desktop program.
class WidgetDialogue : public UserDialogue {
public:
    void setParentWindow(QWidget* parent) { parent_ = parent; }

    void inform(const QString& title, const QString& text, MessageIcon icon) override;
    DialogueAnswer ask(const QString& title, const QString& text, MessageIcon icon, DialogueButtons buttons) override;
    std::optional<QString> askText(const QString& title, const QString& prompt) override;
    void letEventsRun() override;
    void setBusy(bool busy) override;

private:
    QWidget* parent_ = nullptr;
};

} // namespace arvenna
