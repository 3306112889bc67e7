#pragma once

#include <QImage>
#include <QWidget>

// A picture that keeps what was painted on it: the renderer paints into its
// image, and the widget shows the image whenever the window needs it.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(const QString& name, QSize size, QWidget* parent = nullptr);

    QImage& image() { return image_; }
    // Shows what was painted into the image since the last call.
    void refresh() { update(); }

signals:
    void pressed(QPoint position, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage image_;
};
