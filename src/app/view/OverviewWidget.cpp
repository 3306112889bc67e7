#include "OverviewWidget.h"

#include "view/MapPictures.h"
#include "view/MapView.h"
#include "view/Twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace arvenna {

OverviewWidget::OverviewWidget(const MapPictures& pictures, const MapModel& model, const MapView& view, QWidget* parent)
    : QWidget(parent), pictures_(pictures), model_(model), view_(view)
{
    setObjectName(QStringLiteral("Picture1"));
    setFixedSize(pictures_.overview.size());
}

void OverviewWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!view_.MapOpen) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    painter.drawImage(0, 0, pictures_.overviewWithFrame(model_, view_));
}

} // namespace arvenna

namespace arvenna {

void OverviewWidget::mousePressEvent(QMouseEvent* event)
{
    emit overviewPressed(event->position() * kTwipsPerPixel, event->button());
}

void OverviewWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        emit overviewMoved(event->position() * kTwipsPerPixel);
}

void OverviewWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    emit overviewReleased(event->position() * kTwipsPerPixel);
}

} // namespace arvenna
