#pragma once

#include "StoringStage.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

namespace arvenna {

class UserDialogue;
struct GameSession;
struct MapModel;
struct ReportState;

// Which processing options are switched on, by option number 0 to 5.
using ProcessingOptions = std::array<bool, kProcessingOptionCount>;
inline constexpr ProcessingOptions kEveryOption{true, true, true, true, true, true};

// What became of one report file of a run.
struct FileOutcome {
    QString path;
    bool read = false;      // the reader accepted the report
    bool processed = false; // read, stored and recorded in the report log
    QString reason;         // why not, when it was not
};

// The parser window's "Process Report" without the window: reads each file
// against the open game and runs the enabled storing stages on it in their
// fixed order. Each file is one transaction, committed after its stages and
// its report log row, so a file interrupted halfway leaves the database as
// it was before it. The model is kept in step with what was stored.
class ProcessingRun {
public:
    ProcessingRun(GameSession& session, MapModel& model, ReportState& state, UserDialogue& dialogue,
                  StoringStages stages = storingStages());

    // The files in the order given. afterEach is told about each file while
    // the report state still holds that file's labelled line buffer.
    QList<FileOutcome> process(const QStringList& files, const ProcessingOptions& options = kEveryOption,
                               const std::function<void(const FileOutcome&)>& afterEach = {});

private:
    FileOutcome processFile(const QString& path, const ProcessingOptions& options, PreparedStatements& statements);
    void showErrorBox(const QString& path);

    GameSession& session_;
    MapModel& model_;
    ReportState& state_;
    UserDialogue& dialogue_;
    StoringStages stages_;
};

// The status line after a run: "No Files processed" or "Update finished".
QString processingStatus(const QList<FileOutcome>& outcomes);

} // namespace arvenna
