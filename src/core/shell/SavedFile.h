#pragma once

#include <QString>
#include <functional>

class QIODevice;

namespace arvenna {

// Writes a file whole or not at all: write() fills a temporary file beside
// the target, which replaces the target only when write() returned true and
// every byte reached the disk, so a failure never leaves half a file over a
// good one. A device (which cannot be replaced) is written directly.
// Returns the reason of a failure, or the empty text on success.
QString saveWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write);

} // namespace arvenna
