#pragma once

#include "MainMenus.h"

#include <QMainWindow>
#include <memory>

class QLabel;

namespace arvenna {

struct AppState;
class DatabaseController;
class InfoPanel;
class MapPanel;
class OverviewWidget;
class ViewController;
struct ProvinceInfo;
enum class ModePanel;
class MaintenancePanel;
class MarketPanel;
class TerrainLegend;
class UserDialogue;

// The main window "MapViewer": the menus and the map area. Menu commands are
// handled by the controllers of their subsystem.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(AppState& state, UserDialogue& dialogue);
    ~MainWindow() override;

    MainMenus& menus() { return menus_; }
    InfoPanel& infoPanel() { return *info_; }
    MaintenancePanel& maintenancePanel() { return *maintenance_; }
    MarketPanel& marketPanel() { return *market_; }
    TerrainLegend& terrainLegend() { return *legend_; }
    DatabaseController& databaseCommands() { return *databaseCommands_; }
    ViewController& viewCommands() { return *viewCommands_; }
    MapPanel& mapPanel() { return *mapPanel_; }
    OverviewWidget& overview() { return *overview_; }
    QMenu& provincePopup() { return *delProvMn_; }

    // Shows the lists of the last database discovery.
    void showDatabaseMenus();
    void showExternalApplications();
    // The window's part of opening and closing a map.
    void showMapOpened(const QString& caption);
    void showMapClosed();
    // Empties the fields that show a province.
    void clearProvincePanels();
    // Shows the choice lists and legend of the loaded map and enables editing.
    void showMapModel();
    // The panels of the display mode: information, maintenance or market.
    void showModePanel(ModePanel panel);
    void showViewChecks(int mode, int zoom);
    void showPopupEntries(bool copyVisible, bool copyEnabled, bool pasteVisible, bool pasteEnabled);
    // The pop-up menu of a right press on the map.
    void showProvincePopup();
    void showProvinceInfo(const ProvinceInfo& info);

    // Asks before leaving; true when the player confirmed.
    bool confirmExit();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void startExternalApplication(int index);
    void showAbout();

    AppState& state_;
    UserDialogue& dialogue_;
    MainMenus menus_;
    std::unique_ptr<DatabaseController> databaseCommands_;
    std::unique_ptr<ViewController> viewCommands_;
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
};

} // namespace arvenna
