#include "TravelController.h"

#include "shell/AppState.h"
#include "shell/UserDialogue.h"
#include "travel/RouteDrag.h"
#include "view/DisplayModes.h"

namespace arvenna {

TravelController::TravelController(AppState& state, UserDialogue& dialogue, QObject* parent)
    : QObject(parent), state_(state), dialogue_(dialogue)
{
}

void TravelController::pressOnMap(QPointF twips, Qt::MouseButton button)
{
    MapView& view = state_.view;
    if (view.CheckedMode != kTravelMode)
        return;
    const std::optional<MapCoord> coord = view.coordAt(twips);
    if (!coord)
        return;
    BusyPointer busy(dialogue_);
    view.SelectedCoord = *coord;
    const bool left = button == Qt::LeftButton;
    // The details are refreshed before the route starts: a message shown
    // there lets pending events run, and a release queued behind this press
    // then finds no route started. From the start on nothing runs until the
    // start line is written, so a queued release always finds it.
    if (pressStartsRoute(view, left))
        emit provinceInfoRequested(false);
    if (const std::optional<QString> startLine = pressForRoute(view, state_.model, twips, left))
        emit detailLinesAdded({QString(), *startLine}, true);
    emit viewChanged(view);
}

void TravelController::moveOnMap(QPointF twips)
{
    if (moveRouteEnd(state_.view, twips))
        emit viewChanged(state_.view);
}

void TravelController::releaseOnMap(QPointF twips, const QString& selectedLine)
{
    if (!state_.view.MapOpen)
        return;
    dialogue_.letEventsRun();
    BusyPointer busy(dialogue_);
    const RouteRelease release = releaseRoute(state_.view, state_.model, twips, selectedLine, fastest_);
    emit viewChanged(state_.view);
    switch (release.action) {
    case RouteRelease::Action::RemoveStartLine:
        dialogue_.letEventsRun();
        emit lastDetailLineRemoved();
        break;
    case RouteRelease::Action::AppendLines:
        emit detailLinesAdded(release.route.lines, false);
        break;
    case RouteRelease::Action::None:
        break;
    }
}

void TravelController::cancelRoute()
{
    arvenna::cancelRoute(state_.view);
    emit viewChanged(state_.view);
}

void TravelController::setFastestRoute(bool on)
{
    fastest_ = on;
}

} // namespace arvenna
