#pragma once

#include <QObject>
#include <QPointF>

class QListWidgetItem;

namespace arvenna {

struct AppState;
struct ViewChange;
class MainWindow;
class UserDialogue;

// The map view's commands: display modes, zoom, scrolling, selecting a
// province on the map and the city skills of the details list.
class ViewController : public QObject {
    Q_OBJECT
public:
    ViewController(MainWindow& window, AppState& state, UserDialogue& dialogue);

    // A map has been loaded into the model: lay out and draw the view.
    void mapLoaded();
    void mapClosed();

    void setDisplayMode(int index);
    void zoom(int index);
    void scroll(bool columns, int index);
    void pressOnMap(QPointF twips, Qt::MouseButton button);
    // ShowProvinceInfo for the selected province, with the selection marks when mark.
    void showProvinceInfo(bool mark);

private:
    void apply(const ViewChange& change);
    void redraw(bool rulers);
    void showView();
    void showCitySkills(QListWidgetItem* item);

    MainWindow& window_;
    AppState& state_;
    UserDialogue& dialogue_;
};

} // namespace arvenna
