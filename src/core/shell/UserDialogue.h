#pragma once

#include <QString>
#include <optional>

namespace arvenna {

enum class MessageIcon { None, Critical, Question, Warning, Information };
// The buttons of a question. Enter answers the first of them, except in
// the "Keep" sets of questions that replace or delete, where Enter answers
// Cancel or No so that nothing is lost by accident.
enum class DialogueButtons { Ok, OkCancel, YesNo, OkCancelKeep, YesNoKeep };
enum class DialogueAnswer { Ok, Cancel, Yes, No };

// Every message box, question and input box of the program goes through this
// interface, so the core runs the same in the desktop program, the
// command-line tool and the tests.
class UserDialogue {
public:
    virtual ~UserDialogue() = default;

    virtual void inform(const QString& title, const QString& text, MessageIcon icon) = 0;
    virtual DialogueAnswer ask(const QString& title, const QString& text, MessageIcon icon,
                               DialogueButtons buttons) = 0;
    // Empty optional when the user cancels.
    virtual std::optional<QString> askText(const QString& title, const QString& prompt) = 0;

    // Lets pending window events run during long work.
    virtual void letEventsRun() {}
    // Shows or hides the busy pointer.
    virtual void setBusy(bool) {}
};

// Shows the busy pointer for the lifetime of the object.
class BusyPointer {
public:
    explicit BusyPointer(UserDialogue& dialogue) : dialogue_(dialogue) { dialogue_.setBusy(true); }
    ~BusyPointer() { dialogue_.setBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    UserDialogue& dialogue_;
};

// The title of message boxes that carry no title of their own.
inline const QString kProgramTitle = QStringLiteral("MapViewer");

} // namespace arvenna
