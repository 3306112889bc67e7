#pragma once

#include "ExportSettings.h"

#include <QString>

namespace arvenna {

struct MapModel;
class UserDialogue;

// The file the export writes: the reports directory joined with the file name.
QString exportFilePath(const QString& repsDirectory, const QString& fileName);

// Writes the HTML page of the model to path, whole or not at all, and tells
// the player the outcome ("Permission denied!" when the file cannot be made).
bool exportMapFile(const QString& path, const MapModel& model, const ExportSettings& settings,
                   UserDialogue& dialogue);

} // namespace arvenna
