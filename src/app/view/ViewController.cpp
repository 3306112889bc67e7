#include "ViewController.h"

#include "MapWindowWidget.h"
#include "database/DatabaseError.h"
#include "shell/AppState.h"
#include "shell/UserDialogue.h"
#include "travel/RouteDrag.h"
#include "view/CitySkills.h"
#include "view/ParallelWorlds.h"
#include "view/ProvinceLookup.h"
#include "view/ViewCommands.h"

namespace arvenna {

ViewController::ViewController(AppState& state, UserDialogue& dialogue, QObject* parent)
    : QObject(parent), state_(state), dialogue_(dialogue)
{
}

void ViewController::mapLoaded()
{
    state_.pictures.drawOverview(state_.model, state_.view);
    redraw(true);
    showProvinceInfo(true);
}

void ViewController::mapClosed()
{
    state_.pictures.layOut(state_.view);
    showView();
}

void ViewController::setDisplayMode(int index)
{
    BusyPointer busy(dialogue_);
    const ModeSwitch change = SetDisplayMode(state_.view, index);
    emit modeSwitched(change);
    showView();
    if (change.redrawMap)
        redraw(false);
    if (change.refreshPanel)
        showProvinceInfo(true);
}

void ViewController::zoom(int index)
{
    apply(MapSizeClick(state_.view, index));
}

void ViewController::scroll(bool columns, int index)
{
    apply(columns ? Command1Click(state_.view, index) : Command2Click(state_.view, index));
}

void ViewController::scrollCells(int columns, int rows)
{
    apply(scrollBy(state_.view, columns, rows));
}

void ViewController::scrollScreens(int columns, int rows)
{
    apply(scrollBy(state_.view, columns * state_.view.XCells, rows * state_.view.YCells));
}

void ViewController::stepZoom(int step)
{
    apply(arvenna::stepZoom(state_.view, step));
}

void ViewController::followKeys(MapWindowWidget& map)
{
    connect(&map, &MapWindowWidget::scrollRequested, this, &ViewController::scrollCells);
    connect(&map, &MapWindowWidget::screenScrollRequested, this, &ViewController::scrollScreens);
    connect(&map, &MapWindowWidget::zoomStepRequested, this, &ViewController::stepZoom);
}

void ViewController::apply(const ViewChange& change)
{
    if (change.redrawMap)
        redraw(change.rebuildRulers);
    else
        showView();
    if (!change.refreshPanel)
        return;
    if (state_.view.CheckedMode != kTravelMode) {
        showProvinceInfo(true);
        return;
    }
    // In travel mode the details list holds the route's lines: they stay,
    // only the selection is marked again on the redrawn map.
    state_.pictures.markSelection(state_.model, state_.view, state_.view.SelectedCoord, true);
    showView();
    emit routesShown(
        provinceRoutes(state_.model.Routes, provinceCodeOf(provinceAt(state_.model, state_.view.SelectedCoord))));
}

void ViewController::redraw(bool rulers)
{
    BusyPointer busy(dialogue_);
    state_.pictures.DrawMapWindow(state_.model, state_.view, rulers);
    showView();
}

void ViewController::showView()
{
    emit viewChanged(state_.view);
}

void ViewController::pressOnMap(QPointF twips, Qt::MouseButton button)
{
    const std::optional<MapCoord> coord = state_.view.coordAt(twips);
    if (!coord)
        return;
    state_.view.SelectedCoord = *coord;
    if (state_.view.CheckedMode != kTravelMode)
        showProvinceInfo(true);
    if (button == Qt::RightButton)
        emit provincePopupRequested();
}

void ViewController::pressOnOverview(QPointF twips, Qt::MouseButton button)
{
    if (!state_.view.MapOpen)
        return;
    cancelRoute(state_.view);
    if (button == Qt::LeftButton)
        overviewDrag_.press(state_.view, twips);
    showView();
}

void ViewController::moveOnOverview(QPointF twips)
{
    if (overviewDrag_.move(state_.view, twips))
        showView();
}

void ViewController::releaseOnOverview()
{
    apply(overviewDrag_.release(state_.view));
}

void ViewController::showParallelWorld(int index)
{
    const WorldJump jump = arvenna::showParallelWorld(state_.view, state_.model, index);
    if (!jump.message.isEmpty())
        dialogue_.inform(kProgramTitle, jump.message, MessageIcon::Information);
    apply(jump.change);
}

void ViewController::showProvinceInfo(bool mark)
{
    if (!state_.game.isOpen())
        return;
    BusyPointer busy(dialogue_);
    try {
        const ProvinceInfo info = ShowProvinceInfo(state_.model, state_.game.CurrentConnection->DatabaseConnection(),
                                                   state_.view.SelectedCoord);
        state_.pictures.markSelection(state_.model, state_.view, state_.view.SelectedCoord, mark);
        emit provinceShown(info);
    } catch (const DatabaseError& error) {
        dialogue_.inform(kProgramTitle, error.message(), MessageIcon::Critical);
    }
    showView();
}

void ViewController::showCitySkills(const QString& line)
{
    if (!state_.game.isOpen())
        return;
    QString message;
    {
        BusyPointer busy(dialogue_);
        try {
            message = citySkillsMessage(state_.game.CurrentConnection->DatabaseConnection(), line);
        } catch (const DatabaseError& error) {
            message = error.message();
        }
    }
    if (!message.isEmpty())
        dialogue_.inform(kProgramTitle, message, MessageIcon::Information);
}

void ViewController::selectProvince(const QString& code)
{
    const ViewChange change = arvenna::selectProvince(state_.view, state_.model, code);
    if (state_.view.MapOpen && !change.refreshPanel)
        dialogue_.inform(kProgramTitle, QStringLiteral("There is no province \"%1\" on this map.").arg(code),
                         MessageIcon::Information);
    apply(change);
}

} // namespace arvenna
