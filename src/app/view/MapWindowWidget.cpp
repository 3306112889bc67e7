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
    // Moving around by keyboard: the map takes the focus by click or Tab.
    setFocusPolicy(Qt::StrongFocus);
}

namespace {
QPointF onMap(const QMouseEvent* event)
{
    return (event->position() - QPointF(MapPictures::mapOrigin())) * kTwipsPerPixel;
}

// The keys that move the map window: by cells, or by screens of cells.
struct KeyMove {
    int key;
    int columns;
    int rows;
    bool screens;
};
constexpr KeyMove kKeyMoves[] = {
    {Qt::Key_Left, -1, 0, false},   {Qt::Key_Right, 1, 0, false}, {Qt::Key_Up, 0, -1, false},
    {Qt::Key_Down, 0, 1, false},    {Qt::Key_PageUp, 0, -1, true}, {Qt::Key_PageDown, 0, 1, true},
    {Qt::Key_Home, -1, 0, true},    {Qt::Key_End, 1, 0, true},
};
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
    // Every figure of the route in the same red, two pixels wide.
    painter.setPen(QPen(toQColor(paletteColour(12)), 2 * kTwipsPerPixel));
    painter.setBrush(Qt::NoBrush);
    for (const QRectF& cell : marks_.pathCells) {
        // Inside the cell's black outline, so that neighbours stay apart.
        const double inset = 2 * kTwipsPerPixel;
        painter.drawRect(cell.adjusted(inset, inset, -inset, -inset));
    }
    if (marks_.line1Visible)
        painter.drawLine(marks_.Line1);
    if (marks_.shape10Visible) {
        // A small ring round the end of the route.
        const double radius = 5 * kTwipsPerPixel;
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

// The arrows move the window like the scroll buttons, Page Up and Down a
// screen of rows, Home and End a screen of columns; + and - step the zoom.
void MapWindowWidget::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    for (const KeyMove& move : kKeyMoves) {
        if (move.key != key)
            continue;
        if (move.screens)
            emit screenScrollRequested(move.columns, move.rows);
        else
            emit scrollRequested(move.columns, move.rows);
        return;
    }
    if (key == Qt::Key_Plus || key == Qt::Key_Equal) // + without Shift on many keyboards
        emit zoomStepRequested(1);
    else if (key == Qt::Key_Minus)
        emit zoomStepRequested(-1);
    else if (key == Qt::Key_Escape)
        emit escapePressed();
    else
        QWidget::keyPressEvent(event);
}

} // namespace arvenna
