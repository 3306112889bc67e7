#pragma once

#include <QPointF>
#include <QWidget>

namespace arvenna {

struct MapPictures;

// The map window: the map picture with its column ruler above and its row
// ruler to the left, copied from the retained pictures.
class MapWindowWidget : public QWidget {
    Q_OBJECT
public:
    MapWindowWidget(const MapPictures& pictures, QWidget* parent = nullptr);
    // A line shown on the map picture while no map is open.
    void setPlaceholder(const QString& text);

signals:
    // A press on the map picture, in twips from its top-left corner.
    void mapPressed(QPointF twips, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const MapPictures& pictures_;
    QString placeholder_;
};

} // namespace arvenna
