#pragma once

#include <QTabWidget>

class QLineEdit;
class QListWidget;

namespace arvenna {

struct ProvinceInfo;

// The information tab: the selected province's details list and its region.
class InfoPanel : public QTabWidget {
    Q_OBJECT
public:
    explicit InfoPanel(QWidget* parent = nullptr);
    void showProvince(const ProvinceInfo& info);

    QListWidget* LstShowDet;
    QLineEdit* Text4;

private:
    bool fillingDetails_ = false;
};

} // namespace arvenna
