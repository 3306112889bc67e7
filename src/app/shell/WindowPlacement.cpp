#include "WindowPlacement.h"

#include <algorithm>

namespace arvenna {

QRect firstWindowGeometry(const QSize& wanted, const QMargins& frame, const QRect& available)
{
    const QSize room = available.size().shrunkBy(frame);
    const QSize size = wanted.boundedTo(room).expandedTo(QSize(1, 1));
    const QSize outer = size.grownBy(frame);
    const QPoint corner(available.left() + std::max(0, (available.width() - outer.width()) / 2),
                        available.top() + std::max(0, (available.height() - outer.height()) / 2));
    return QRect(corner + QPoint(frame.left(), frame.top()), size);
}

} // namespace arvenna
