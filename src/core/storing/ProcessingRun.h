#pragma once

#include "StoringStage.h"
#include "parser/ReportState.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

namespace arvenna {

class Database;
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
    bool processed = false; // read, stored whole and recorded in the report log
    QString reason;         // why not, naming the report line where there is one
    int line = 0;           // the number of the report line that failed, 0 when none
    QString lineText;       // that line, or the last line read
    bool errorBox = false;  // a failure the error box tells of
    ReportHeader header;    // the report's turn and faction, once read
};

// The parser window's "Process Report" without the window: reads each file
// against the open game and runs the enabled storing stages on it in their
// fixed order. Each file is one transaction, committed after its stages and
// its report log row: a file that fails anywhere (a line a stage cannot
// read, a database error, an interruption) leaves the database and the
// model as they were before it. The model is kept in step with what was
// stored.
class ProcessingRun {
public:
    ProcessingRun(GameSession& session, MapModel& model, ReportState& state, UserDialogue& dialogue,
                  StoringStages stages = storingStages());

    // The files in the order given. afterEach is told about each file while
    // the report state still holds that file's labelled line buffer. A run
    // in which one file failed shows the error box for it; when several
    // failed, the outcomes name them all and no box interrupts the run.
    QList<FileOutcome> process(const QStringList& files, const ProcessingOptions& options = kEveryOption,
                               const std::function<void(const FileOutcome&)>& afterEach = {});

private:
    FileOutcome processFile(const QString& path, const ProcessingOptions& options, PreparedStatements& statements);
    void reloadModel(Database& database);
    void showErrorBox(const FileOutcome& outcome);

    GameSession& session_;
    MapModel& model_;
    ReportState& state_;
    UserDialogue& dialogue_;
    StoringStages stages_;
};

// The status line after a run: "No Files processed" or "Update finished".
QString processingStatus(const QList<FileOutcome>& outcomes);

// One line of a run's summary: "ok FILE: turn N, FACTION [NUMBER]" or
// "failed FILE: REASON", on one line whatever the reason quotes.
QString outcomeLine(const FileOutcome& outcome);

} // namespace arvenna
