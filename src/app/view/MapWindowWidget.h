#pragma once

#include "travel/RouteMarks.h"

#include <QPointF>
#include <QWidget>

namespace arvenna {

struct MapPictures;

// The map window: the map picture with its column ruler above and its row
// ruler to the left, copied from the retained pictures, and the keys that
// move it.
class MapWindowWidget : public QWidget {
    Q_OBJECT
public:
    MapWindowWidget(const MapPictures& pictures, QWidget* parent = nullptr);
    // A line shown on the map picture while no map is open.
    void setPlaceholder(const QString& text);
    // The rubber band and the end mark of a route, drawn over the map.
    void showRouteMarks(const RouteMarks& marks);

signals:
    // A press on the map picture, in twips from its top-left corner.
    void mapPressed(QPointF twips, Qt::MouseButton button);
    // The mouse moved with a button held, or a button was released; twips
    // from the map picture's corner, also beyond its edges.
    void mapMoved(QPointF twips);
    void mapReleased(QPointF twips);
    void escapePressed();
    // Keys that move the window: by cells, by screens (a screen is the
    // cells shown), and the zoom by entries of the zoom menu (1 closer).
    void scrollRequested(int columns, int rows);
    void screenScrollRequested(int columns, int rows);
    void zoomStepRequested(int step);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const MapPictures& pictures_;
    QString placeholder_;
    RouteMarks marks_;
};

} // namespace arvenna
