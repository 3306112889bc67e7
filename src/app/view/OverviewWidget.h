#pragma once

#include <QPointF>
#include <QWidget>

namespace arvenna {

struct MapModel;
struct MapPictures;
struct MapView;

// The overview of the whole world with the frame around the part the map shows.
class OverviewWidget : public QWidget {
    Q_OBJECT
public:
    OverviewWidget(const MapPictures& pictures, const MapModel& model, const MapView& view, QWidget* parent = nullptr);

signals:
    // Twips from the overview's corner. Moves come only with the left
    // button held; a right release is left to the window behind.
    void overviewPressed(QPointF twips, Qt::MouseButton button);
    void overviewMoved(QPointF twips);
    void overviewReleased(QPointF twips);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const MapPictures& pictures_;
    const MapModel& model_;
    const MapView& view_;
};

} // namespace arvenna
