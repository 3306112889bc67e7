#pragma once

#include "find/FindMatch.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QTreeWidget;

namespace arvenna {

// "Find": a line to type in and the matches below it, a row each (kind,
// name [number], province). The list follows the text as it is typed; Up
// and Down move through it from the line, Enter or a double click chooses
// the current row, Escape closes the window.
class FindWindow : public QDialog {
    Q_OBJECT
public:
    explicit FindWindow(QWidget* owner = nullptr);

    QString text() const;
    void showResult(const FindResult& result);
    // Shown again: the text stays, selected, so typing replaces it.
    void present();
    // Closing hands the keyboard back to the map's window.
    void done(int result) override;

signals:
    void textEdited(const QString& text);
    // The province code of the match chosen.
    void matchChosen(const QString& code);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chooseCurrent();

    QLineEdit* FindText_;
    QTreeWidget* FindMatches_;
    QLabel* FindCount_;
};

} // namespace arvenna
