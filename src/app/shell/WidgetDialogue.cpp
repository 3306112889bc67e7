#include "WidgetDialogue.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace arvenna {

namespace {
QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

void WidgetDialogue::inform(const QString& title, const QString& text, MessageIcon icon)
{
    ask(title, text, icon, DialogueButtons::Ok);
}

DialogueAnswer WidgetDialogue::ask(const QString& title, const QString& text, MessageIcon icon,
                                   DialogueButtons buttons)
{
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::NoButton, parent_);
    switch (buttons) {
    case DialogueButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case DialogueButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case DialogueButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case DialogueButtons::OkCancelKeep:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Cancel);
        break;
    case DialogueButtons::YesNoKeep:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        break;
    }
    // A question stays open even when the busy pointer is up.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int answer = box.exec();
    if (busy)
        QApplication::restoreOverrideCursor();
    switch (answer) {
    case QMessageBox::Yes:
        return DialogueAnswer::Yes;
    case QMessageBox::No:
        return DialogueAnswer::No;
    case QMessageBox::Ok:
        return DialogueAnswer::Ok;
    default:
        return DialogueAnswer::Cancel;
    }
}

std::optional<QString> WidgetDialogue::askText(const QString& title, const QString& prompt)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, QString(), &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

void WidgetDialogue::letEventsRun()
{
    QCoreApplication::processEvents();
}

void WidgetDialogue::setBusy(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

} // namespace arvenna
