#include "PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(const QString& name, QSize size, QWidget* parent)
    : QWidget(parent), image_(size, QImage::Format_RGB32)
{
    setObjectName(name);
    setFixedSize(size);
    image_.fill(palette().window().color());
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), image_, event->rect());
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    emit pressed(event->position().toPoint(), event->button());
}
