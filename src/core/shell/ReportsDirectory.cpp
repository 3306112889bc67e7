#include "ReportsDirectory.h"

#include <QDir>
#include <QSettings>

namespace arvenna {

namespace {
const QString kKey = QStringLiteral("MapViewer/RepsDirectory");
}

QString userSettingsApplication()
{
    return QStringLiteral("Arvenna");
}

QString readRepsDirectory(QSettings& store, const QString& programDirectory)
{
    return store.value(kKey, programDirectory).toString();
}

void saveRepsDirectory(QSettings& store, const QString& directory)
{
    // Stored without a trailing separator.
    store.setValue(kKey, QDir::cleanPath(directory));
    store.sync();
}

} // namespace arvenna
