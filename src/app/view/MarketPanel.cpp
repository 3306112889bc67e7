#include "MarketPanel.h"

#include "view/ProvinceInfo.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace arvenna {

MarketPanel::MarketPanel(QWidget* parent)
    : QTabWidget(parent)
{
    setObjectName(QStringLiteral("TabMarketTable"));
    auto* page = new QWidget(this);
    OutMarketProv1 = new QLineEdit(page);
    OutMarketProv1->setObjectName(QStringLiteral("OutMarketProv1"));
    OutMarketProv1->setReadOnly(true);
    LstMarket = new QListWidget(page);
    LstMarket->setObjectName(QStringLiteral("LstMarket"));
    LstMarket->setFont(QFont(QStringLiteral("Monospace"), 9));

    auto* province = new QFormLayout;
    province->addRow(QStringLiteral("Province:"), OutMarketProv1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(province);
    layout->addWidget(LstMarket, 1);
    addTab(page, QStringLiteral("Market"));
}

void MarketPanel::showProvince(const ProvinceInfo& info)
{
    OutMarketProv1->setText(info.coordinateText);
    LstMarket->clear();
    LstMarket->addItems(info.LstMarket);
}

} // namespace arvenna
