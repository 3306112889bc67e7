#include "MapWindowWidget.h"

#include "view/MapPictures.h"
#include "view/Twips.h"

#include <QMouseEvent>
#include <QPainter>

MapWindowWidget::MapWindowWidget(const MapPictures& pictures, QWidget* parent)
    : QWidget(parent), pictures_(pictures)
{
    setObjectName(QStringLiteral("Picture1a"));
    const QSize size = pictures_.mapWindow().size();
    setFixedSize(size);
    setFocusPolicy(Qt::ClickFocus);
}

void MapWindowWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawImage(MapPictures::columnRulerOrigin(), pictures_.columnRuler);
    painter.drawImage(MapPictures::rowRulerOrigin(), pictures_.rowRuler);
    painter.drawImage(MapPictures::mapOrigin(), pictures_.map);
}

void MapWindowWidget::mousePressEvent(QMouseEvent* event)
{
    const QPointF onMap = event->position() - QPointF(MapPictures::mapOrigin());
    if (QRectF(QPointF(0, 0), QSizeF(pictures_.map.size())).contains(onMap))
        emit mapPressed(onMap * kTwipsPerPixel, event->button());
}
