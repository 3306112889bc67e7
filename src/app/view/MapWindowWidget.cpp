#include "MapWindowWidget.h"

#include "view/MapPictures.h"
#include "view/Twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace arvenna {

MapWindowWidget::MapWindowWidget(const MapPictures& pictures, QWidget* parent)
    : QWidget(parent), pictures_(pictures)
{
    setObjectName(QStringLiteral("Picture1a"));
    const QSize size = pictures_.mapWindow().size();
    setFixedSize(size);
    setFocusPolicy(Qt::ClickFocus);
}

// The same composition the render command writes, so both show the same pixels.
void MapWindowWidget::setPlaceholder(const QString& text)
{
    placeholder_ = text;
    update();
}

void MapWindowWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, pictures_.mapWindow());
    if (!placeholder_.isEmpty()) {
        const QRect onMap(MapPictures::mapOrigin(), pictures_.map.size());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(onMap, Qt::AlignCenter | Qt::TextWordWrap, placeholder_);
    }
}

void MapWindowWidget::mousePressEvent(QMouseEvent* event)
{
    const QPointF onMap = event->position() - QPointF(MapPictures::mapOrigin());
    if (QRectF(QPointF(0, 0), QSizeF(pictures_.map.size())).contains(onMap))
        emit mapPressed(onMap * kTwipsPerPixel, event->button());
}

} // namespace arvenna
