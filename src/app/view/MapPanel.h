#pragma once

#include <QWidget>
#include <array>

class QLineEdit;
class QToolButton;

namespace arvenna {

class MapWindowWidget;
struct MapPictures;
struct MapView;

// The map window with its scroll buttons, the origin fields and the zoom.
class MapPanel : public QWidget {
    Q_OBJECT
public:
    MapPanel(const MapPictures& pictures, const QString& programDirectory, QWidget* parent = nullptr);

    // Shows the view's origin and zoom in the fields and repaints the map.
    void showView(const MapView& view);

    MapWindowWidget* map;
    std::array<QToolButton*, 2> Command1; // one column left, right
    std::array<QToolButton*, 2> Command2; // one row up, down
    std::array<QLineEdit*, 2> Text1;      // first visible column, row
    QLineEdit* Text3;                     // columns shown
    QLineEdit* Text2;                     // rows shown
};

} // namespace arvenna
