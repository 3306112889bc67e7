#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

namespace arvenna {

// Where a window first opens: the size it wants, shrunk until it fits the
// screen's available area with its frame (title bar included), and centred
// there. Returns the geometry of the window without its frame.
QRect firstWindowGeometry(const QSize& wanted, const QMargins& frame, const QRect& available);

} // namespace arvenna
