#pragma once

#include "view/ProvinceRoutes.h"

#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QModelIndex;
class QTreeWidget;

namespace arvenna {

// The Routes tab: the routes known to leave the selected province, a line
// each. Pressing a line (click or Enter) chooses the province it leads to.
class RoutesTab : public QWidget {
    Q_OBJECT
public:
    explicit RoutesTab(QWidget* parent = nullptr);
    void showRoutes(const QList<RouteRow>& rows);

    QTreeWidget* LstRoutes;
    QLabel* LblNoRoutes;

signals:
    void destinationChosen(const QString& provinceKey);

private:
    void choose(const QModelIndex& index);

    QElapsedTimer lastChoice_;
};

} // namespace arvenna
