#pragma once

#include <QObject>
#include <QPointF>
#include <QString>
#include <QStringList>

namespace arvenna {

struct AppState;
struct MapView;
class UserDialogue;

// Travel mode: a drag on the map from one province to another plans the
// route between them and adds its lines to the details list. The route is
// planned by the core; this turns the window's mouse and key events into
// those calls and tells the window what to show.
class TravelController : public QObject {
    Q_OBJECT
public:
    TravelController(AppState& state, UserDialogue& dialogue, QObject* parent = nullptr);

    void pressOnMap(QPointF twips, Qt::MouseButton button);
    void moveOnMap(QPointF twips);
    // selectedLine: the selected line of the details list, the route's start line.
    void releaseOnMap(QPointF twips, const QString& selectedLine);
    // Escape: the route is abandoned, its marks hidden.
    void cancelRoute();
    // "Fastest Route": plan the route of fewest days instead of the staircase.
    void setFastestRoute(bool on);

signals:
    // ShowProvinceInfo for the selected province, with the marks when mark.
    void provinceInfoRequested(bool mark);
    // Lines for the end of the details list; selectLast selects the last one.
    void detailLinesAdded(const QStringList& lines, bool selectLast);
    void lastDetailLineRemoved();
    void viewChanged(const MapView& view);

private:
    AppState& state_;
    UserDialogue& dialogue_;
    bool fastest_ = false;
};

} // namespace arvenna
