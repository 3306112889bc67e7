#pragma once

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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const MapPictures& pictures_;
    const MapModel& model_;
    const MapView& view_;
};

} // namespace arvenna
