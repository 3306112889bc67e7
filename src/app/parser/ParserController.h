#pragma once

#include "parser/ReportState.h"

#include <QObject>
#include <QPointer>

class QSettings;
class QWidget;

namespace arvenna {

struct AppState;
class ReportParserWindow;
class UserDialogue;

// The commands of the parser window: opening it on the open game,
// "Process Report" (the processing run over the selected files), the
// reports directory of "&Preferences", and leaving it, which reloads and
// redraws the map when reports were processed.
class ParserController : public QObject {
    Q_OBJECT
public:
    ParserController(AppState& state, UserDialogue& dialogue, QSettings& settings, QObject* parent = nullptr);
    ~ParserController() override;

    // "Report &Parser": shows the window while a game is open.
    void openWindow();
    void process();
    void exitParser();
    void choosePreferences();
    // "Undo Last Processing": after asking, puts back the copy taken before
    // the last run and reloads the map where it was.
    void undoLastRun();
    // Tells whether the open game has a run to undo.
    void refreshUndo();

signals:
    // The map was reloaded and the view kept its place: redraw it.
    void mapReloaded();
    // The map could not be reloaded; nothing of it can be shown.
    void mapLost();
    void undoAvailable(bool available);

private:
    // The main window, which owns the parser and wait windows.
    QWidget* owner() const;
    // Opens the game again and keeps the view's place; false (after saying
    // why) when it cannot be opened.
    bool reloadMap(const QString& path);
    void showReportFiles();

    AppState& state_;
    UserDialogue& dialogue_;
    QSettings& settings_;
    ReportState report_;
    QPointer<ReportParserWindow> window_;
    bool processed_ = false; // "Process Report" pressed since the window opened
    bool running_ = false;
};

} // namespace arvenna
