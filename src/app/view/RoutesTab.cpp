#include "RoutesTab.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace arvenna {

namespace {
constexpr int kDestinationKeyRole = Qt::UserRole;
} // namespace

RoutesTab::RoutesTab(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TabRoutes"));
    LstRoutes = new QTreeWidget(this);
    LstRoutes->setObjectName(QStringLiteral("LstRoutes"));
    LstRoutes->setRootIsDecorated(false);
    LstRoutes->setUniformRowHeights(true);
    LstRoutes->setHeaderLabels(routeColumnTitles());
    LstRoutes->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    LblNoRoutes = new QLabel(noRoutesText(), this);
    LblNoRoutes->setObjectName(QStringLiteral("LblNoRoutes"));
    LblNoRoutes->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    connect(LstRoutes, &QTreeWidget::clicked, this, &RoutesTab::choose);
    connect(LstRoutes, &QTreeWidget::activated, this, &RoutesTab::choose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LblNoRoutes);
    layout->addWidget(LstRoutes, 1);
    showRoutes({});
}

void RoutesTab::showRoutes(const QList<RouteRow>& rows)
{
    LstRoutes->clear();
    for (const RouteRow& row : rows) {
        auto* item = new QTreeWidgetItem(LstRoutes, {row.direction, row.destination, row.days, row.turn});
        item->setData(0, kDestinationKeyRole, row.destinationKey);
    }
    LblNoRoutes->setVisible(rows.isEmpty());
    LstRoutes->setVisible(!rows.isEmpty());
    // Refilled after Enter, the list kept parts of its old rows on screen.
    LstRoutes->viewport()->update();
}

// The second press of a double click lands on the destination's own list,
// and a style may activate a line on the click that chose it: a choice
// within a double click's time of the last one is the same press again.
// Choosing refills this list, which waits until the list has finished
// handling the press.
void RoutesTab::choose(const QModelIndex& index)
{
    const QString key = index.siblingAtColumn(0).data(kDestinationKeyRole).toString();
    if (key.isEmpty() || (lastChoice_.isValid() && lastChoice_.elapsed() < QApplication::doubleClickInterval()))
        return;
    lastChoice_.start();
    QMetaObject::invokeMethod(this, [this, key] { emit destinationChosen(key); }, Qt::QueuedConnection);
}

} // namespace arvenna
