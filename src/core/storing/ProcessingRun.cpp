#include "ProcessingRun.h"

#include "PreparedStatements.h"
#include "database/DatabaseError.h"
#include "database/EngineFailure.h"
#include "database/GameSession.h"
#include "database/Transaction.h"
#include "model/MapModel.h"
#include "model/ModelLoader.h"
#include "parser/ReportReader.h"
#include "parser/ReportState.h"
#include "shell/UserDialogue.h"

namespace arvenna {

namespace {
// The faction's row of the report log carries the turn of its last report
// processed without error (an older report lowers it again).
void writeReportLog(PreparedStatements& statements, const ReportHeader& header)
{
    const std::optional<QVariantList> row = statements.firstRow(
        QStringLiteral("SELECT rowid FROM REPORTLOG WHERE FactionId = ?"), {header.factionNumber});
    if (row) {
        statements.execute(QStringLiteral("UPDATE REPORTLOG SET TurnNo = ?, FactionId = ? WHERE rowid = ?"),
                           {header.turnNumber, header.factionNumber, row->at(0)});
    } else {
        statements.execute(QStringLiteral("INSERT INTO REPORTLOG (TurnNo, FactionId) VALUES (?, ?)"),
                           {header.turnNumber, header.factionNumber});
    }
}
} // namespace

ProcessingRun::ProcessingRun(GameSession& session, MapModel& model, ReportState& state, UserDialogue& dialogue,
                             StoringStages stages)
    : session_(session), model_(model), state_(state), dialogue_(dialogue), stages_(std::move(stages))
{
}

QList<FileOutcome> ProcessingRun::process(const QStringList& files, const ProcessingOptions& options,
                                          const std::function<void(const FileOutcome&)>& afterEach)
{
    if (!session_.isOpen())
        throw DatabaseError(QStringLiteral("No map is open."));
    BusyPointer busy(dialogue_);
    dialogue_.letEventsRun();
    PreparedStatements statements(session_.CurrentConnection->DatabaseConnection());
    QList<FileOutcome> outcomes;
    for (const QString& path : files) {
        outcomes << processFile(path, options, statements);
        if (afterEach)
            afterEach(outcomes.constLast());
    }
    return outcomes;
}

FileOutcome ProcessingRun::processFile(const QString& path, const ProcessingOptions& options,
                                       PreparedStatements& statements)
{
    FileOutcome outcome{path, false, false, {}};
    if (!ReadReport(path, state_, session_.CurrentDBDesc, dialogue_)) {
        outcome.reason = state_.failure.isEmpty() ? QStringLiteral("the report was refused") : state_.failure;
        showErrorBox(path);
        return outcome;
    }
    outcome.read = true;
    Database& database = session_.CurrentConnection->DatabaseConnection();
    bool stagesRan = false;
    try {
        Transaction transaction(database);
        // A file the program may only read still lets the transaction
        // begin: a write that changes nothing finds out before any stage.
        statements.execute(QStringLiteral("DELETE FROM REPORTLOG WHERE 0"), {});
        stagesRan = true;
        StoringContext context{database, statements, model_, state_, dialogue_};
        qint16 ok = kStageTrue;
        for (int option = 0; option < kProcessingOptionCount; ++option) {
            const StoringStage& stage = stages_[std::size_t(option)].stage;
            if (!options[std::size_t(option)] || ok == kStageFalse)
                continue;
            const StageResult result = stage(context);
            ok = result.value;
            if (outcome.reason.isEmpty())
                outcome.reason = result.stop;
        }
        // A stage that ended early leaves the report unlogged, whatever
        // the stages after it returned; its rows stay.
        outcome.processed = ok == kStageTrue && outcome.reason.isEmpty();
        if (outcome.processed)
            writeReportLog(statements, state_.header);
        else if (outcome.reason.isEmpty())
            outcome.reason = QStringLiteral("a stage stopped the report");
        transaction.commit();
    } catch (const DatabaseError& error) {
        const QString cause = failureMessage(error, database.path());
        outcome = {path, true, false, QStringLiteral("nothing was stored: %1").arg(cause)};
        dialogue_.inform(QStringLiteral("Critical Warning"),
                         QStringLiteral("Nothing of the report %1 was stored.\n%2").arg(path, cause),
                         MessageIcon::Critical);
        if (stagesRan) {
            // What the stages added to the model is gone from the database.
            fillContinents(model_, database);
            loadMapModel(model_, database);
        }
        return outcome;
    }
    if (!outcome.processed)
        showErrorBox(path);
    return outcome;
}

void ProcessingRun::showErrorBox(const QString& path)
{
    if (state_.buffer.isEmpty())
        return;
    dialogue_.inform(kProgramTitle,
                     QStringLiteral("An error was found processing file ") + path + QStringLiteral(" in line ")
                         + QLatin1Char('\n') + state_.buffer.last(),
                     MessageIcon::None);
}

QString processingStatus(const QList<FileOutcome>& outcomes)
{
    return outcomes.isEmpty() ? QStringLiteral("No Files processed") : QStringLiteral("Update finished");
}

} // namespace arvenna
