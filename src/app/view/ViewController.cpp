#include "ViewController.h"

#include "MapPanel.h"
#include "MapWindowWidget.h"
#include "OverviewWidget.h"
#include "shell/UserDialogue.h"
#include "database/DatabaseError.h"
#include "shell/AppState.h"
#include "shell/MainWindow.h"
#include "view/CitySkills.h"
#include "view/DisplayModes.h"
#include "view/InfoPanel.h"
#include "view/MarketPanel.h"
#include "view/ProvinceInfo.h"
#include "view/ViewCommands.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QToolButton>

namespace arvenna {

ViewController::ViewController(MainWindow& window, AppState& state, UserDialogue& dialogue)
    : window_(window), state_(state), dialogue_(dialogue)
{
    MainMenus& menus = window_.menus();
    for (int i = 0; i < menus.mnOptions.size(); ++i)
        connect(menus.mnOptions.at(i), &QAction::triggered, this, [this, i] { setDisplayMode(i); });
    for (int i = 0; i < menus.MapSize.size(); ++i)
        connect(menus.MapSize.at(i), &QAction::triggered, this, [this, i] { zoom(i); });
    MapPanel& panel = window_.mapPanel();
    for (int i = 0; i < 2; ++i) {
        connect(panel.Command1[i], &QToolButton::clicked, this, [this, i] { scroll(true, i); });
        connect(panel.Command2[i], &QToolButton::clicked, this, [this, i] { scroll(false, i); });
    }
    connect(panel.map, &MapWindowWidget::mapPressed, this, &ViewController::pressOnMap);
    connect(window_.infoPanel().LstShowDet, &QListWidget::itemClicked, this, &ViewController::showCitySkills);
}

void ViewController::mapLoaded()
{
    mapOpened(state_.view, state_.model);
    state_.pictures.drawOverview(state_.model, state_.view);
    redraw(true);
}

void ViewController::mapClosed()
{
    arvenna::mapClosed(state_.view);
    state_.pictures.layOut(state_.view);
    showView();
}

void ViewController::setDisplayMode(int index)
{
    BusyPointer busy(dialogue_);
    const ModeSwitch change = SetDisplayMode(state_.view, index);
    window_.showPopupEntries(change.copyVisible, change.copyEnabled, change.pasteVisible, change.pasteEnabled);
    if (change.modeChanged)
        window_.showModePanel(change.panel);
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

void ViewController::apply(const ViewChange& change)
{
    if (change.redrawMap)
        redraw(change.rebuildRulers);
    else
        showView();
    if (change.refreshPanel)
        showProvinceInfo(true);
}

void ViewController::redraw(bool rulers)
{
    BusyPointer busy(dialogue_);
    state_.pictures.DrawMapWindow(state_.model, state_.view, rulers);
    showView();
}

void ViewController::showView()
{
    window_.mapPanel().showView(state_.view);
    window_.showViewChecks(state_.view.CheckedMode, state_.view.CheckedZoom);
    window_.overview().update();
}

void ViewController::pressOnMap(QPointF twips, Qt::MouseButton button)
{
    const std::optional<MapCoord> coord = state_.view.coordAt(twips);
    if (!coord)
        return;
    state_.view.SelectedCoord = *coord;
    if (state_.view.CheckedMode != kTravelMode) {
        if (state_.view.CheckedMode == kMarketMode)
            window_.marketPanel().LstMarket->clear();
        showProvinceInfo(true);
    }
    if (button == Qt::RightButton)
        window_.showProvincePopup();
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
        window_.showProvinceInfo(info);
    } catch (const DatabaseError& error) {
        dialogue_.inform(kProgramTitle, error.message(), MessageIcon::Critical);
    }
    showView();
}

void ViewController::showCitySkills(QListWidgetItem* item)
{
    if (!item || !state_.game.isOpen())
        return;
    QString message;
    {
        BusyPointer busy(dialogue_);
        try {
            message = citySkillsMessage(state_.game.CurrentConnection->DatabaseConnection(), item->text());
        } catch (const DatabaseError& error) {
            message = error.message();
        }
    }
    if (!message.isEmpty())
        dialogue_.inform(kProgramTitle, message, MessageIcon::Information);
}

} // namespace arvenna
