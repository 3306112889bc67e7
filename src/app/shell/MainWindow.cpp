#include "MainWindow.h"

#include "AboutWindow.h"
#include "AppState.h"
#include "Pictures.h"
#include "database/DatabaseMenus.h"
#include "editing/MaintenancePanel.h"
#include "editing/ProvinceEditing.h"
#include "shell/UserDialogue.h"
#include "view/DisplayModes.h"
#include "view/InfoPanel.h"
#include "view/MapPanel.h"
#include "view/MapView.h"
#include "view/MapWindowWidget.h"
#include "view/MarketPanel.h"
#include "view/OverviewWidget.h"
#include "view/ProvinceInfo.h"
#include "view/RoutesTab.h"
#include "view/TerrainLegend.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolButton>

namespace arvenna {

namespace {
const QString kCaption = QStringLiteral("MapViewer");

// Each entry of a menu list tells its position through signal.
void emitPosition(MainWindow* window, const QList<QAction*>& entries, void (MainWindow::*signal)(int))
{
    for (int i = 0; i < entries.size(); ++i)
        QObject::connect(entries.at(i), &QAction::triggered, window, [window, signal, i] { (window->*signal)(i); });
}
} // namespace

MainWindow::MainWindow(AppState& state, UserDialogue& dialogue)
    : state_(state), dialogue_(dialogue), menus_(menuBar())
{
    setObjectName(kCaption);
    setWindowTitle(kCaption);
    setWindowIcon(programIcon(state_.programDirectory, kWindowIconPicture));
    layOutMapArea();

    delProvMn_ = new QMenu(QStringLiteral("MnDelete"), this);
    delProvMn_->setObjectName(QStringLiteral("delProvMn"));
    delProv_ = delProvMn_->addAction(QStringLiteral("Delete"));
    delProv_->setObjectName(QStringLiteral("delProv"));
    copyprove_ = delProvMn_->addAction(QStringLiteral("Copy"));
    copyprove_->setObjectName(QStringLiteral("copyprove"));
    pasteprove_ = delProvMn_->addAction(QStringLiteral("Paste"));
    pasteprove_->setObjectName(QStringLiteral("pasteprove"));

    // The help picture is not offered yet.
    menus_.snh->setEnabled(false);

    connect(menus_.cloMap, &QAction::triggered, this, &MainWindow::closeMapChosen);
    connect(menus_.delbase, &QAction::triggered, this, &MainWindow::purgeChosen);
    connect(menus_.crtnewdb, &QAction::triggered, this, &MainWindow::createDatabaseChosen);
    connect(menus_.GenHTMLMAp, &QAction::triggered, this, &MainWindow::exportChosen);
    connect(menus_.RepParser, &QAction::triggered, this, &MainWindow::reportParserChosen);
    connect(menus_.undoproc, &QAction::triggered, this, &MainWindow::undoProcessingChosen);
    emitPosition(this, menus_.mnOptions, &MainWindow::displayModeChosen);
    emitPosition(this, menus_.MapSize, &MainWindow::zoomChosen);
    for (int i = 0; i < 2; ++i) {
        connect(mapPanel_->Command1[i], &QToolButton::clicked, this, [this, i] { emit scrollChosen(true, i); });
        connect(mapPanel_->Command2[i], &QToolButton::clicked, this, [this, i] { emit scrollChosen(false, i); });
    }
    connect(mapPanel_->map, &MapWindowWidget::mapPressed, this, &MainWindow::mapPressed);
    connect(mapPanel_->map, &MapWindowWidget::mapMoved, this, &MainWindow::mapMoved);
    connect(mapPanel_->map, &MapWindowWidget::mapReleased, this, [this](QPointF twips) {
        const QListWidgetItem* selected = info_->LstShowDet->currentItem();
        emit mapReleased(twips, selected ? selected->text() : QString());
    });
    connect(mapPanel_->map, &MapWindowWidget::escapePressed, this, &MainWindow::mapEscapePressed);
    connect(overview_, &OverviewWidget::overviewPressed, this, &MainWindow::overviewPressed);
    connect(overview_, &OverviewWidget::overviewMoved, this, &MainWindow::overviewMoved);
    connect(overview_, &OverviewWidget::overviewReleased, this, &MainWindow::overviewReleased);
    emitPosition(this, menus_.parworld->actions(), &MainWindow::parallelWorldChosen);
    connect(menus_.findmn, &QAction::triggered, this, &MainWindow::findChosen);
    connect(menus_.fastRoute, &QAction::toggled, this, &MainWindow::fastestRouteToggled);
    connect(info_->LstShowDet, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { emit detailLineClicked(item->text()); });
    connect(info_->routes, &RoutesTab::destinationChosen, this, &MainWindow::routeDestinationChosen);
    showView(state_.view);
    connect(menus_.sair, &QAction::triggered, this, [this] {
        if (confirmExit())
            QApplication::quit();
    });
    connect(menus_.abtmn, &QAction::triggered, this, &MainWindow::showAbout);
    emitEditingCommands();
    showMapClosed();
}

void MainWindow::emitEditingCommands()
{
    connect(maintenance_, &MaintenancePanel::provinceUpdatePressed, this, &MainWindow::provinceUpdateChosen);
    connect(maintenance_, &MaintenancePanel::provinceDeletePressed, this, &MainWindow::provinceDeleteChosen);
    connect(delProv_, &QAction::triggered, this, &MainWindow::provinceDeleteChosen);
    connect(copyprove_, &QAction::triggered, this, [this] { emit provinceCopyChosen(maintenance_->provinceFrame()); });
    connect(pasteprove_, &QAction::triggered, this, [this] { emit provincePasteChosen(maintenance_->provinceFrame()); });
    connect(maintenance_, &MaintenancePanel::cityUpdatePressed, this, &MainWindow::cityUpdateChosen);
    connect(maintenance_, &MaintenancePanel::cityDeletePressed, this, &MainWindow::cityDeleteChosen);
    connect(maintenance_, &MaintenancePanel::innerUpdatePressed, this, &MainWindow::innerUpdateChosen);
    connect(maintenance_, &MaintenancePanel::innerDeletePressed, this, &MainWindow::innerDeleteChosen);
    connect(maintenance_, &MaintenancePanel::innerLinePicked, this, &MainWindow::innerLinePicked);
}

MainWindow::~MainWindow() = default;

void MainWindow::showDatabaseMenus(const DatabaseMenus& lists)
{
    rebuildMenuList(menus_.FileMn00, menus_.RepHead, lists.RepHead, QStringLiteral("RepHead"), menus_.repHeadEnd);
    rebuildMenuList(menus_.RepDB, menus_.RepDBItem, lists.RepDBItem, QStringLiteral("RepDBItem"));
    rebuildMenuList(menus_.compdb, menus_.CompDBItem, lists.CompDBItem, QStringLiteral("CompDBItem"));
    menus_.dbtools->menuAction()->setVisible(lists.dbtoolsVisible);
    emitPosition(this, menus_.RepHead, &MainWindow::databaseChosen);
    emitPosition(this, menus_.RepDBItem, &MainWindow::repairChosen);
    emitPosition(this, menus_.CompDBItem, &MainWindow::compactChosen);
}

void MainWindow::showExternalApplications()
{
    QStringList captions;
    for (const ExternalApplication& entry : state_.externalApplications)
        captions << entry.caption;
    rebuildMenuList(menus_.extapp, menus_.externDinamApp, captions, QStringLiteral("externDinamApp"));
    for (int i = 0; i < menus_.externDinamApp.size(); ++i) {
        QAction* action = menus_.externDinamApp.at(i);
        action->setEnabled(state_.externalApplications.at(i).enabled);
        connect(action, &QAction::triggered, this, [this, i] { startExternalApplication(i); });
    }
}

void MainWindow::showMapOpening(const QString& caption)
{
    info_->show();
    menus_.arvtools->setEnabled(true);
    hint_->show();
    setWindowTitle(kCaption + QStringLiteral("  (") + caption + QLatin1Char(')'));
    market_->LstMarket->clear();
    clearProvincePanels();
    menus_.dbtools->setEnabled(false);
    menus_.cloMap->setEnabled(true);
    menus_.delbase->setEnabled(true);
}

void MainWindow::showMapClosed()
{
    legend_->hide(); // its colours come from the open game
    info_->hide();
    maintenance_->hide();
    market_->hide();
    if (!menus_.mnOptions.isEmpty())
        menus_.mnOptions.constFirst()->setChecked(true);
    menus_.arvtools->setEnabled(false);
    hint_->hide();
    setWindowTitle(kCaption);
    clearProvincePanels();
    menus_.dbtools->setEnabled(true);
    menus_.cloMap->setEnabled(false);
    menus_.delbase->setEnabled(false);
    menus_.RepParser->setEnabled(false);
}

void MainWindow::showUndoAvailable(bool available)
{
    menus_.undoproc->setEnabled(available);
}

void MainWindow::clearProvincePanels()
{
    info_->clear();
    maintenance_->clearFields();
    market_->OutMarketProv1->clear();
    showPopupEntries(false, false, false, false);
}

void MainWindow::showModeSwitch(const ModeSwitch& change)
{
    showPopupEntries(change.copyVisible, change.copyEnabled, change.pasteVisible, change.pasteEnabled);
    if (!change.modeChanged)
        return;
    info_->setVisible(change.panel == ModePanel::TabInfo);
    maintenance_->setVisible(change.panel == ModePanel::TabMaintain);
    market_->setVisible(change.panel == ModePanel::TabMarketTable);
}

void MainWindow::showView(const MapView& view)
{
    mapPanel_->showView(view);
    if (QAction* entry = menus_.mnOptions.value(view.CheckedMode))
        entry->setChecked(true);
    for (int i = 0; i < menus_.MapSize.size(); ++i)
        menus_.MapSize.at(i)->setChecked(i == view.CheckedZoom);
    menus_.fastRoute->setEnabled(view.MapOpen && view.CheckedMode == kTravelMode);
    overview_->update();
}

void MainWindow::showPopupEntries(bool copyVisible, bool copyEnabled, bool pasteVisible, bool pasteEnabled)
{
    copyprove_->setVisible(copyVisible);
    copyprove_->setEnabled(copyEnabled);
    pasteprove_->setVisible(pasteVisible);
    pasteprove_->setEnabled(pasteEnabled);
}

void MainWindow::showProvincePopup()
{
    // Only a province with a terrain can be deleted.
    delProv_->setEnabled(maintenance_->CmbProvTerrain->currentIndex() > 0);
    delProvMn_->popup(QCursor::pos());
}

void MainWindow::showPasteEnabled(bool enabled)
{
    pasteprove_->setEnabled(enabled);
}

void MainWindow::showInnerLocation(const InnerLocationFrame& frame)
{
    maintenance_->showInnerLocation(frame);
}

void MainWindow::appendDetailLines(const QStringList& lines, bool selectLast)
{
    info_->LstShowDet->addItems(lines);
    if (selectLast)
        info_->LstShowDet->setCurrentRow(info_->LstShowDet->count() - 1);
}

void MainWindow::removeLastDetailLine()
{
    delete info_->LstShowDet->takeItem(info_->LstShowDet->count() - 1);
}

void MainWindow::showProvinceInfo(const ProvinceInfo& info)
{
    info_->showProvince(info);
    maintenance_->showProvince(info);
    market_->showProvince(info);
}

void MainWindow::showProvinceRoutes(const QList<RouteRow>& routes)
{
    info_->routes->showRoutes(routes);
}

void MainWindow::showMapModel()
{
    maintenance_->showReferenceLists(state_.model.lists);
    QList<QColor> colours;
    for (const LegendSwatch& swatch : state_.model.lists.legend)
        colours << swatch.colour();
    legend_->setSwatchColours(colours);
    legend_->show();
    maintenance_->setEditingInputs(true);
    menus_.RepParser->setEnabled(true);
}

bool MainWindow::confirmExit()
{
    exitConfirmed_ = dialogue_.ask(QStringLiteral("Leaving so soon...?"), QStringLiteral("Are you sure?"),
                                   MessageIcon::Question, DialogueButtons::OkCancel)
        == DialogueAnswer::Ok;
    return exitConfirmed_;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (exitConfirmed_ || confirmExit())
        event->accept();
    else
        event->ignore();
}

// The first time the window shows it lends its icon to every window of the
// program and, unless minimised, fits itself to the screen.
void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (shownBefore_)
        return;
    shownBefore_ = true;
    QApplication::setWindowIcon(windowIcon());
    if (!isMinimized())
        fitToScreen();
}

// A right release on the window's background offers the tools menu.
void MainWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton && menus_.arvtools->isEnabled())
        menus_.arvtools->popup(event->globalPosition().toPoint());
    else
        QMainWindow::mouseReleaseEvent(event);
}

void MainWindow::startExternalApplication(int index)
{
    const ExternalApplication& entry = state_.externalApplications.at(index);
    if (!arvenna::startExternalApplication(entry, state_.game.CurrentDBName))
        dialogue_.inform(kProgramTitle, QStringLiteral("Could not start [") + entry.commandLine + QLatin1Char(']'),
                         MessageIcon::Critical);
}

void MainWindow::showAbout()
{
    auto* about = new AboutWindow(state_.programDirectory, this);
    about->show();
}

} // namespace arvenna
