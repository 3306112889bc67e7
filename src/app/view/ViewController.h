#pragma once

#include "view/DisplayModes.h"
#include "view/MapView.h"
#include "view/OverviewDrag.h"
#include "view/ProvinceInfo.h"
#include "view/ProvinceRoutes.h"

#include <QObject>
#include <QPointF>

namespace arvenna {

struct AppState;
struct ViewChange;
class MapWindowWidget;
class UserDialogue;

// The map view's commands: display modes, zoom, scrolling by buttons and
// keys, selecting a province on the map and the city skills of the details
// list. What the
// window shows follows its signals.
class ViewController : public QObject {
    Q_OBJECT
public:
    ViewController(AppState& state, UserDialogue& dialogue, QObject* parent = nullptr);

    // A map has been loaded and its view laid out: draw it and show the
    // selected province.
    void mapLoaded();
    void mapClosed();

    void setDisplayMode(int index);
    void zoom(int index);
    void scroll(bool columns, int index);
    // The keys of the map window: moves by cells or by screens, zoom steps.
    void scrollCells(int columns, int rows);
    void scrollScreens(int columns, int rows);
    void stepZoom(int step);
    void followKeys(MapWindowWidget& map);
    void pressOnMap(QPointF twips, Qt::MouseButton button);
    // Dragging the frame on the overview moves the map window.
    void pressOnOverview(QPointF twips, Qt::MouseButton button);
    void moveOnOverview(QPointF twips);
    void releaseOnOverview();
    // An entry of "Paralel Worlds": the map window moves to that world.
    void showParallelWorld(int index);
    // ShowProvinceInfo for the selected province, with the selection marks when mark.
    void showProvinceInfo(bool mark);
    // A click on a line of the details list: the skills of a city line.
    void showCitySkills(const QString& line);
    // A line of the Routes tab or a match of "Find...": the province becomes
    // the selected one, the map window moving there when it is out of view.
    void selectProvince(const QString& code);

signals:
    // The pictures or the view's place, zoom or mode changed.
    void viewChanged(const MapView& view);
    void modeSwitched(const ModeSwitch& change);
    void provinceShown(const ProvinceInfo& info);
    // In travel mode the selection moved without refreshing the details: the
    // Routes tab alone follows it.
    void routesShown(const QList<RouteRow>& routes);
    // A right press on the map: the province's pop-up menu.
    void provincePopupRequested();

private:
    void apply(const ViewChange& change);
    void redraw(bool rulers);
    void showView();

    AppState& state_;
    UserDialogue& dialogue_;
    OverviewDrag overviewDrag_;
};

} // namespace arvenna
