#pragma once

#include <QTabWidget>

class QLineEdit;
class QListWidget;

namespace arvenna {

struct ProvinceInfo;
class RoutesTab;

// The information tabs: the selected province's details list and its
// region, and the routes known to leave it.
class InfoPanel : public QTabWidget {
    Q_OBJECT
public:
    explicit InfoPanel(QWidget* parent = nullptr);
    void showProvince(const ProvinceInfo& info);
    // Empties the tabs, as no province shows.
    void clear();

    QListWidget* LstShowDet;
    QLineEdit* Text4;
    RoutesTab* routes;

private:
    bool fillingDetails_ = false;
};

} // namespace arvenna
