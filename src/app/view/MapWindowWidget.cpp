#include "MapWindowWidget.h"

#include "model/ClassicPalette.h"
#include "view/MapPictures.h"
#include "view/Twips.h"

#include <QKeyEvent>
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

namespace {
QPointF onMap(const QMouseEvent* event)
{
    return (event->position() - QPointF(MapPictures::mapOrigin())) * kTwipsPerPixel;
}
} // namespace

void MapWindowWidget::setPlaceholder(const QString& text)
{
    placeholder_ = text;
    update();
}

void MapWindowWidget::showRouteMarks(const RouteMarks& marks)
{
    if (marks == marks_)
        return;
    marks_ = marks;
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
    // The route's figures stay on the map, off the rulers.
    painter.setClipRect(QRect(MapPictures::mapOrigin(), pictures_.map.size()));
    painter.translate(MapPictures::mapOrigin());
    painter.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
    if (marks_.line1Visible) {
        painter.setPen(QPen(toQColor(paletteColour(12)), 2 * kTwipsPerPixel));
        painter.drawLine(marks_.Line1);
    }
    if (marks_.shape10Visible) {
        // A small red ring round the end of the route.
        const double radius = 5 * kTwipsPerPixel;
        painter.setPen(QPen(toQColor(paletteColour(12)), 2 * kTwipsPerPixel));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(marks_.shape10Centre, radius, radius);
    }
    painter.resetTransform();
    painter.setClipping(false);
    if (!placeholder_.isEmpty()) {
        const QRect onMap(MapPictures::mapOrigin(), pictures_.map.size());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(onMap, Qt::AlignCenter | Qt::TextWordWrap, placeholder_);
    }
}

void MapWindowWidget::mousePressEvent(QMouseEvent* event)
{
    const QPointF twips = onMap(event);
    if (QRectF(QPointF(0, 0), QSizeF(pictures_.map.size()) * kTwipsPerPixel).contains(twips))
        emit mapPressed(twips, event->button());
}

void MapWindowWidget::mouseMoveEvent(QMouseEvent* event)
{
    emit mapMoved(onMap(event));
}

void MapWindowWidget::mouseReleaseEvent(QMouseEvent* event)
{
    emit mapReleased(onMap(event));
}

void MapWindowWidget::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        emit escapePressed();
    else
        QWidget::keyPressEvent(event);
}

} // namespace arvenna
