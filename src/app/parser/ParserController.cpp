#include "ParserController.h"

#include "ProgressWarning.h"
#include "ReportParserWindow.h"
#include "database/DatabaseError.h"
#include "shell/AppState.h"
#include "shell/PreferencesWindow.h"
#include "shell/ReportsDirectory.h"
#include "shell/UserDialogue.h"
#include "storing/ProcessingRun.h"
#include "storing/ReportFiles.h"
#include "database/ProcessingUndo.h"
#include "database/GameSession.h"
#include "view/GameOpening.h"

#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QWidget>

namespace arvenna {

namespace {
QStringList optionLabels()
{
    QStringList labels;
    for (const StageSlot& slot : storingStages())
        labels << slot.label;
    return labels;
}

// What the player looked at before a reload: place, zoom, mode and selection.
void keepPlace(MapView& view, const MapView& before)
{
    view.XCells = before.XCells;
    view.YCells = before.YCells;
    view.CheckedZoom = before.CheckedZoom;
    view.X0 = before.X0;
    view.Y0 = before.Y0;
    view.Shape1 = before.Shape1;
    view.SelectedCoord = before.SelectedCoord;
    view.CheckedMode = before.CheckedMode;
    view.CurrentModeKeyword = before.CurrentModeKeyword;
}
} // namespace

ParserController::ParserController(AppState& state, UserDialogue& dialogue, QSettings& settings, QObject* parent)
    : QObject(parent), state_(state), dialogue_(dialogue), settings_(settings)
{
}

ParserController::~ParserController()
{
    delete window_;
}

QWidget* ParserController::owner() const
{
    return qobject_cast<QWidget*>(parent());
}

void ParserController::openWindow()
{
    if (!state_.game.isOpen())
        return;
    if (!window_) {
        window_ = new ReportParserWindow(state_.programDirectory, optionLabels(), owner());
        connect(window_, &ReportParserWindow::processChosen, this, &ParserController::process);
        connect(window_, &ReportParserWindow::exitChosen, this, &ParserController::exitParser);
        connect(window_, &ReportParserWindow::preferencesChosen, this, &ParserController::choosePreferences);
    }
    processed_ = false;
    showReportFiles();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void ParserController::process()
{
    if (!window_ || running_)
        return;
    running_ = true;
    processed_ = true;
    const QStringList files = window_->selectedFiles();
    window_->showRunStarting(files);
    QList<FileOutcome> outcomes;
    try {
        if (!files.isEmpty())
            takeUndoCopy(state_.game.CurrentConnection->DatabaseConnection(), files);
        ProcessingRun run(state_.game, state_.model, report_, dialogue_);
        int index = 0;
        outcomes = run.process(files, window_->options(), [&](const FileOutcome& outcome) {
            window_->showFileDone(index++, outcome);
            dialogue_.letEventsRun(); // the window repaints between files
        });
    } catch (const DatabaseError& error) {
        dialogue_.inform(kProgramTitle, error.message(), MessageIcon::Critical);
    }
    QStringList summary;
    for (const FileOutcome& outcome : std::as_const(outcomes))
        summary << outcomeLine(outcome);
    window_->showRunFinished(processingStatus(outcomes), report_.buffer.items(), summary);
    showReportFiles();
    running_ = false;
    refreshUndo();
}

void ParserController::showReportFiles()
{
    try {
        window_->showReportFiles(state_.RepsDirectory,
                                 readReportFiles(state_.RepsDirectory, state_.game.CurrentDBDesc,
                                                 state_.game.CurrentConnection->DatabaseConnection()));
    } catch (const DatabaseError& error) {
        dialogue_.inform(kProgramTitle, error.message(), MessageIcon::Critical);
    }
}

void ParserController::exitParser()
{
    if (running_)
        return;
    BusyPointer busy(dialogue_);
    if (window_) {
        window_->hide();
        window_->deleteLater();
    }
    if (!processed_)
        return;
    processed_ = false;
    ProgressWarning wait(state_.programDirectory, owner());
    wait.setWaitText(QStringLiteral("Refreshing, Please Wait"));
    wait.show();
    dialogue_.letEventsRun();
    if (reloadMap(state_.game.CurrentDBName))
        emit mapReloaded();
}

bool ParserController::reloadMap(const QString& path)
{
    const MapView before = state_.view;
    try {
        if (openGame(path, state_.game, state_.model, state_.view, nullptr, GameAccess::Writer)
            != GameSession::OpenResult::Opened)
            throw DatabaseError(QStringLiteral("The database [%1] can no longer be found.").arg(path));
    } catch (const DatabaseError& error) {
        dialogue_.inform(kProgramTitle, error.message(), MessageIcon::Critical);
        emit mapLost();
        return false;
    }
    keepPlace(state_.view, before);
    return true;
}

void ParserController::refreshUndo()
{
    emit undoAvailable(state_.game.isOpen() && undoPoint(state_.game.CurrentDBName).has_value());
}

void ParserController::undoLastRun()
{
    if (!state_.game.isOpen() || running_)
        return;
    const QString path = state_.game.CurrentDBName;
    const std::optional<UndoPoint> point = undoPoint(path);
    if (!point) {
        refreshUndo();
        return;
    }
    QStringList names;
    for (const QString& file : point->files)
        names << QFileInfo(file).fileName();
    const QString question = QStringLiteral("Undo the processing run of %1?\n\nIts reports: %2\n\nThe game goes back "
                                            "to what it was before that run.")
                                 .arg(QLocale().toString(point->taken, QLocale::ShortFormat), names.join(QStringLiteral(", ")));
    if (dialogue_.ask(QStringLiteral("Undo Last Processing"), question, MessageIcon::Question, DialogueButtons::YesNoKeep)
        != DialogueAnswer::Yes)
        return;
    BusyPointer busy(dialogue_);
    state_.game.close();
    try {
        undoLastProcessing(path);
    } catch (const DatabaseError& error) {
        dialogue_.inform(kProgramTitle, error.message(), MessageIcon::Critical);
    }
    if (reloadMap(path))
        emit mapReloaded();
    refreshUndo();
}

void ParserController::choosePreferences()
{
    auto* preferences = new PreferencesWindow(state_.RepsDirectory, state_.programDirectory, window_);
    preferences->setAttribute(Qt::WA_DeleteOnClose);
    connect(preferences, &QDialog::accepted, this, [this, preferences] {
        state_.RepsDirectory = preferences->chosenDirectory();
        saveRepsDirectory(settings_, state_.RepsDirectory);
        if (window_)
            showReportFiles();
    });
    preferences->open();
}

} // namespace arvenna
