#pragma once

#include <QString>

class QSettings;

namespace arvenna {

// The per-user settings store of the program: application "Arvenna",
// section "MapViewer".
QString userSettingsApplication();

// The reports directory saved in the store, or the program directory when
// none was saved.
QString readRepsDirectory(QSettings& store, const QString& programDirectory);
void saveRepsDirectory(QSettings& store, const QString& directory);

} // namespace arvenna
