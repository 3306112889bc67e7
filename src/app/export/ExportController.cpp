#include "ExportController.h"

#include "ExportWindow.h"
#include "database/DatabaseError.h"
#include "export/MapExport.h"
#include "export/StartPosition.h"
#include "shell/AppState.h"
#include "shell/UserDialogue.h"

namespace arvenna {

ExportController::ExportController(AppState& state, UserDialogue& dialogue, QObject* parent)
    : QObject(parent), state_(state), dialogue_(dialogue)
{
}

ExportController::~ExportController()
{
    delete window_;
}

void ExportController::openWindow()
{
    if (!window_) {
        window_ = new ExportWindow(state_.programDirectory);
        window_->setAttribute(Qt::WA_DeleteOnClose);
        connect(window_, &ExportWindow::exportChosen, this, &ExportController::exportMap);
        connect(window_, &ExportWindow::saveSettingsChosen, this, &ExportController::saveSettings);
    }
    window_->showStart(startColumnText(state_.model), startRowText(state_.model));
    window_->showRanges(state_.model.grid.ColumnRangeLabel, state_.model.grid.RowRangeLabel);
    window_->show();
    window_->raise();
}

void ExportController::closeWindow()
{
    if (window_)
        window_->close();
}

// The page starts where the boxes say, saved or not; a start the map does
// not hold is refused and the boxes show the saved one again.
void ExportController::exportMap()
{
    ExportSettings settings = exportSettingsOf(state_.model);
    settings.options = window_->options();
    if (!setExportStart(state_.model, window_->columnText(), window_->rowText(), false, settings)) {
        dialogue_.inform(QStringLiteral("Critical Warning"),
                         startRefusal(state_.model, window_->columnText() + QLatin1Char(',') + window_->rowText()),
                         MessageIcon::Critical);
        window_->showStart(startColumnText(state_.model), startRowText(state_.model));
        return;
    }
    exportMapFile(exportFilePath(state_.RepsDirectory, window_->fileName()), state_.model, settings, dialogue_);
}

void ExportController::saveSettings()
{
    window_->setSaveEnabled(false);
    if (!state_.game.isOpen())
        return;
    try {
        saveStartPosition(state_.game.CurrentConnection->DatabaseConnection(), state_.model, window_->columnText(),
                          window_->rowText());
    } catch (const DatabaseError& error) {
        dialogue_.inform(kProgramTitle, error.message(), MessageIcon::Critical);
    }
    window_->showStart(startColumnText(state_.model), startRowText(state_.model));
}

} // namespace arvenna
