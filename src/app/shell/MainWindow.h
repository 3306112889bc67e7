#pragma once

#include "MainMenus.h"

#include <QMainWindow>
#include <QPointF>

class QLabel;

namespace arvenna {

struct AppState;
struct CityFrame;
struct InnerLocationFrame;
struct ProvinceFrame;
struct DatabaseMenus;
struct MapView;
struct ModeSwitch;
struct ProvinceInfo;
struct RouteRow;
class InfoPanel;
class MaintenancePanel;
class MapPanel;
class MarketPanel;
class OverviewWidget;
class TerrainLegend;
class UserDialogue;

// The main window "MapViewer": the menus and the map area. The player's
// choices leave it as signals; the commands' results come back through its
// show methods. Its widgets carry the names players and tests know them by.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(AppState& state, UserDialogue& dialogue);
    ~MainWindow() override;

    // Shows the lists of a database discovery.
    void showDatabaseMenus(const DatabaseMenus& lists);
    void showExternalApplications();
    // The window's part of opening and closing a map.
    void showMapOpening(const QString& caption);
    void showMapClosed();
    // Shows the choice lists and legend of the loaded map and enables editing.
    void showMapModel();
    void showView(const MapView& view);
    // The panel and pop-up entries of a display mode choice.
    void showModeSwitch(const ModeSwitch& change);
    void showProvinceInfo(const ProvinceInfo& info);
    void showProvinceRoutes(const QList<RouteRow>& routes);
    // The pop-up menu of a right press on the map.
    void showProvincePopup();
    void showPasteEnabled(bool enabled);
    void showUndoAvailable(bool available);
    void showInnerLocation(const InnerLocationFrame& frame);
    // Route lines at the end of the details list; selectLast selects the last.
    void appendDetailLines(const QStringList& lines, bool selectLast);
    void removeLastDetailLine();

    // Asks before leaving; true when the player confirmed.
    bool confirmExit();

signals:
    void databaseChosen(int index);
    void repairChosen(int index);
    void compactChosen(int index);
    void closeMapChosen();
    void purgeChosen();
    void createDatabaseChosen();
    void exportChosen();
    void displayModeChosen(int index);
    void zoomChosen(int index);
    // A scroll button: by columns or rows, index 0 back and 1 forward.
    void scrollChosen(bool columns, int index);
    // A press on the map picture, in twips from its top-left corner.
    void mapPressed(QPointF twips, Qt::MouseButton button);
    void mapMoved(QPointF twips);
    // A release on the map, with the details list's selected line.
    void mapReleased(QPointF twips, const QString& selectedDetailLine);
    void mapEscapePressed();
    void overviewPressed(QPointF twips, Qt::MouseButton button);
    void overviewMoved(QPointF twips);
    void overviewReleased(QPointF twips);
    void parallelWorldChosen(int index);
    void findChosen();
    void fastestRouteToggled(bool on);
    void detailLineClicked(const QString& line);
    // The maintenance frames' buttons and the province pop-up entries.
    void provinceUpdateChosen(const ProvinceFrame& frame);
    void provinceDeleteChosen();
    void provinceCopyChosen(const ProvinceFrame& frame);
    void provincePasteChosen(const ProvinceFrame& frame);
    void cityUpdateChosen(const CityFrame& frame);
    void cityDeleteChosen();
    void innerUpdateChosen(const InnerLocationFrame& frame, const QString& pickedLine);
    void innerDeleteChosen(const InnerLocationFrame& frame);
    void innerLinePicked(const QString& code);
    // A line of the Routes tab: the province it leads to.
    void routeDestinationChosen(const QString& provinceKey);
    void reportParserChosen();
    void undoProcessingChosen();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void layOutMapArea();
    void fitToScreen();
    void clearProvincePanels();
    void showPopupEntries(bool copyVisible, bool copyEnabled, bool pasteVisible, bool pasteEnabled);
    void startExternalApplication(int index);
    void showAbout();
    void emitEditingCommands();

    AppState& state_;
    UserDialogue& dialogue_;
    MainMenus menus_;
    MapPanel* mapPanel_;
    OverviewWidget* overview_;
    QMenu* delProvMn_;
    QAction* delProv_;
    QAction* copyprove_;
    QAction* pasteprove_;
    QLabel* hint_;
    InfoPanel* info_;
    MaintenancePanel* maintenance_;
    MarketPanel* market_;
    TerrainLegend* legend_;
    bool exitConfirmed_ = false;
    bool shownBefore_ = false;
};

} // namespace arvenna
