#include "MapExport.h"

#include "HtmlMapPage.h"
#include "shell/SavedFile.h"
#include "shell/UserDialogue.h"

#include <QDir>
#include <QIODevice>

namespace arvenna {

QString exportFilePath(const QString& repsDirectory, const QString& fileName)
{
    return QDir::toNativeSeparators(QDir(repsDirectory).filePath(fileName));
}

bool exportMapFile(const QString& path, const MapModel& model, const ExportSettings& settings,
                   UserDialogue& dialogue)
{
    BusyPointer busy(dialogue);
    const QString failure =
        saveWholeFile(path, [&](QIODevice& file) { return writeHtmlMapPage(file, model, settings); });
    if (!failure.isEmpty()) {
        dialogue.inform(QStringLiteral("Critical Warning"), QStringLiteral("Permission denied!"), MessageIcon::Warning);
        return false;
    }
    dialogue.inform(QStringLiteral("Action"),
                    QStringLiteral("Export completed, the file was created in the working directory: [")
                        + QDir::toNativeSeparators(path) + QLatin1Char(']'),
                    MessageIcon::Information);
    return true;
}

} // namespace arvenna
