#include "InfoPanel.h"

#include "RoutesTab.h"
#include "view/ProvinceInfo.h"

#include <QAbstractItemModel>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace arvenna {

InfoPanel::InfoPanel(QWidget* parent)
    : QTabWidget(parent)
{
    setObjectName(QStringLiteral("TabInfo"));
    auto* page = new QWidget(this);
    auto* caption = new QLabel(QStringLiteral("Click (U) Sites to Change the Current Prov."), page);
    LstShowDet = new QListWidget(page);
    LstShowDet->setObjectName(QStringLiteral("LstShowDet"));
    LstShowDet->setFont(QFont(QStringLiteral("Monospace"), 9));
    Text4 = new QLineEdit(page);
    Text4->setObjectName(QStringLiteral("Text4"));
    Text4->setReadOnly(true);

    // Lines added after the province's details (a route's) are scrolled to,
    // so that its totals show however long the route.
    connect(LstShowDet->model(), &QAbstractItemModel::rowsInserted, this, [this] {
        if (!fillingDetails_)
            LstShowDet->scrollToBottom();
    });

    auto* region = new QFormLayout;
    region->addRow(QStringLiteral("Region:"), Text4);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(caption);
    layout->addWidget(LstShowDet, 1);
    layout->addLayout(region);
    addTab(page, QStringLiteral("Province Info"));
    routes = new RoutesTab(this);
    addTab(routes, QStringLiteral("Routes"));
}

void InfoPanel::showProvince(const ProvinceInfo& info)
{
    fillingDetails_ = true;
    LstShowDet->clear();
    LstShowDet->addItems(info.LstShowDet);
    fillingDetails_ = false;
    Text4->setText(info.Text4);
    routes->showRoutes(info.LstRoutes);
}

void InfoPanel::clear()
{
    LstShowDet->clear();
    routes->showRoutes({});
}

} // namespace arvenna
