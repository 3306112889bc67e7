#pragma once

#include <QTabWidget>

class QLineEdit;
class QListWidget;

namespace arvenna {

struct ProvinceInfo;

// The market tab: the offers known for the selected province's city.
class MarketPanel : public QTabWidget {
    Q_OBJECT
public:
    explicit MarketPanel(QWidget* parent = nullptr);
    void showProvince(const ProvinceInfo& info);

    QLineEdit* OutMarketProv1;
    QListWidget* LstMarket;
};

} // namespace arvenna
