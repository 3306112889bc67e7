#pragma once

#include <QTabWidget>

class QLineEdit;
class QListWidget;

// The market tab: the offers known for the selected province's city.
class MarketPanel : public QTabWidget {
    Q_OBJECT
public:
    explicit MarketPanel(QWidget* parent = nullptr);

    QLineEdit* OutMarketProv1;
    QListWidget* LstMarket;
};
