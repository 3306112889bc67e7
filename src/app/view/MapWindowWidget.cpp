#include "MapWindowWidget.h"

#include "model/ClassicPalette.h"
#include "view/MapPictures.h"
#include "view/Twips.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <utility>

namespace arvenna {

MapWindowWidget::MapWindowWidget(const MapPictures& pictures, QWidget* parent)
    : QWidget(parent), pictures_(pictures)
{
    setObjectName(QStringLiteral("Picture1a"));
    // The map picture with the rulers above and left of it.
    const QPoint corner = MapPictures::mapOrigin() + QPoint(pictures_.map.width(), pictures_.map.height());
    setFixedSize(corner.x(), corner.y());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
}

void MapWindowWidget::setPlaceholder(const QString& text)
{
    placeholder_ = text;
    update();
}

// Copies the exposed part of each retained picture, in the order the render
// command composes them, so both show the same pixels.
void MapWindowWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect exposed = event->rect();
    painter.fillRect(exposed, toQColor(paletteColour(7)));
    const std::pair<QPoint, const QImage*> layers[] = {
        {MapPictures::columnRulerOrigin(), &pictures_.columnRuler},
        {MapPictures::rowRulerOrigin(), &pictures_.rowRuler},
        {MapPictures::mapOrigin(), &pictures_.map},
    };
    for (const auto& [origin, image] : layers) {
        const QRect area = QRect(origin, image->size()).intersected(exposed);
        if (!area.isEmpty())
            painter.drawImage(area.topLeft(), *image, area.translated(-origin));
    }
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
