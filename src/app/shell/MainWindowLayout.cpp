// How the main window lays out its panels and fits itself to the screen.
#include "MainWindow.h"

#include "AppState.h"
#include "WindowPlacement.h"
#include "editing/MaintenancePanel.h"
#include "view/InfoPanel.h"
#include "view/MapPanel.h"
#include "view/MarketPanel.h"
#include "view/OverviewWidget.h"
#include "view/TerrainLegend.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWindow>

namespace arvenna {

namespace {
// The size the window asks for where the screen has room.
constexpr QSize kRoomyWindowSize(1280, 800);
} // namespace

// The map keeps its fixed cell layout: on a small screen the side panels
// shrink and, below their minimum, the whole area scrolls.
void MainWindow::layOutMapArea()
{
    state_.pictures.layOut(state_.view);
    auto* central = new QWidget;
    central->setObjectName(QStringLiteral("MapArea"));
    hint_ = new QLabel(QStringLiteral("Click on the picture to change current scope."), central);
    hint_->setObjectName(QStringLiteral("LblHint"));
    mapPanel_ = new MapPanel(state_.pictures, state_.programDirectory, central);
    overview_ = new OverviewWidget(state_.pictures, state_.model, state_.view, central);
    legend_ = new TerrainLegend(central);
    info_ = new InfoPanel(central);
    maintenance_ = new MaintenancePanel(state_.programDirectory, central);
    market_ = new MarketPanel(central);

    auto* mapColumn = new QVBoxLayout;
    mapColumn->addWidget(hint_);
    mapColumn->addWidget(mapPanel_);
    mapColumn->addStretch();
    auto* overviewRow = new QHBoxLayout;
    overviewRow->addWidget(overview_, 0, Qt::AlignTop);
    overviewRow->addWidget(legend_, 1, Qt::AlignTop);
    auto* sideColumn = new QVBoxLayout;
    sideColumn->addLayout(overviewRow);
    sideColumn->addWidget(info_, 1);
    sideColumn->addWidget(maintenance_, 1);
    sideColumn->addWidget(market_, 1);
    auto* layout = new QHBoxLayout(central);
    layout->addLayout(mapColumn);
    layout->addLayout(sideColumn, 1);

    auto* scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("MapScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setWidget(central);
    setCentralWidget(scroller);
}

// Opens at the size the panels want, at least the roomy size, shrunk and
// centred so that the whole window, menu bar and title bar included, lies
// inside the screen's available area at any scale factor.
void MainWindow::fitToScreen()
{
    const QScreen* onScreen = screen();
    if (!onScreen)
        return;
    const auto* scroller = static_cast<QScrollArea*>(centralWidget());
    const QSize panels = scroller->widget()->minimumSizeHint();
    const QSize wanted = kRoomyWindowSize.expandedTo(
        QSize(panels.width(), panels.height() + menuBar()->sizeHint().height()));
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    setGeometry(firstWindowGeometry(wanted, frame, onScreen->availableGeometry()));
}

} // namespace arvenna
