#include "FindController.h"

#include "FindWindow.h"
#include "find/FindMatches.h"
#include "shell/AppState.h"

namespace arvenna {

FindController::FindController(AppState& state, QWidget* owner) : QObject(owner), state_(state), owner_(owner) {}

void FindController::openWindow()
{
    if (!state_.view.MapOpen)
        return;
    if (!window_) {
        window_ = new FindWindow(owner_);
        connect(window_, &FindWindow::textEdited, this, &FindController::search);
        connect(window_, &FindWindow::matchChosen, this, &FindController::provinceChosen);
    }
    search(window_->text());
    window_->present();
}

void FindController::mapChanged()
{
    index_.reset();
    if (window_ && window_->isVisible())
        search(window_->text());
}

void FindController::closeWindow()
{
    index_.reset();
    if (window_)
        window_->close();
}

void FindController::search(const QString& text)
{
    if (!index_)
        index_.emplace(state_.model);
    window_->showResult(findMatches(state_.model, *index_, text));
}

} // namespace arvenna
