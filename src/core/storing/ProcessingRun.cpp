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

#include <algorithm>

namespace arvenna {

namespace {
// The faction's row of the report log carries the latest turn processed:
// an older report processed later does not lower it.
void writeReportLog(PreparedStatements& statements, const ReportHeader& header)
{
    const std::optional<QVariantList> row = statements.firstRow(
        QStringLiteral("SELECT rowid, TurnNo FROM REPORTLOG WHERE FactionId = ?"), {header.factionNumber});
    if (!row) {
        statements.execute(QStringLiteral("INSERT INTO REPORTLOG (TurnNo, FactionId) VALUES (?, ?)"),
                           {header.turnNumber, header.factionNumber});
    } else if (row->at(1).isNull() || row->at(1).toLongLong() < header.turnNumber) {
        statements.execute(QStringLiteral("UPDATE REPORTLOG SET TurnNo = ?, FactionId = ? WHERE rowid = ?"),
                           {header.turnNumber, header.factionNumber, row->at(0)});
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
    const auto boxed = [](const FileOutcome& outcome) { return outcome.errorBox; };
    if (std::count_if(outcomes.cbegin(), outcomes.cend(), boxed) == 1)
        showErrorBox(*std::find_if(outcomes.cbegin(), outcomes.cend(), boxed));
    return outcomes;
}

FileOutcome ProcessingRun::processFile(const QString& path, const ProcessingOptions& options,
                                       PreparedStatements& statements)
{
    FileOutcome outcome;
    outcome.path = path;
    if (!ReadReport(path, state_, session_.CurrentDBDesc, dialogue_)) {
        outcome.reason = state_.failure.isEmpty() ? QStringLiteral("the report was refused") : state_.failure;
        // A report refused with a message of its own has nothing in its log.
        outcome.errorBox = !state_.buffer.isEmpty();
        if (outcome.errorBox)
            outcome.lineText = state_.buffer.last();
        return outcome;
    }
    outcome.read = true;
    outcome.header = state_.header;
    Database& database = session_.CurrentConnection->DatabaseConnection();
    bool stagesRan = false;
    try {
        Transaction transaction(database);
        // A file the program may only read still lets the transaction
        // begin: a write that changes nothing finds out before any stage.
        statements.execute(QStringLiteral("DELETE FROM REPORTLOG WHERE 0"), {});
        stagesRan = true;
        StoringContext context{database, statements, model_, state_, dialogue_};
        for (int option = 0; option < kProcessingOptionCount && outcome.reason.isEmpty(); ++option) {
            if (!options[std::size_t(option)])
                continue;
            const StageResult result = stages_[std::size_t(option)].stage(context);
            outcome.reason = result.stop;
            outcome.line = result.line;
            outcome.lineText = result.lineText;
        }
        // A stage that stopped fails the whole report: the transaction's
        // end undoes what the stages before it wrote.
        if (outcome.reason.isEmpty()) {
            writeReportLog(statements, state_.header);
            transaction.commit();
            outcome.processed = true;
        }
    } catch (const DatabaseError& error) {
        const QString cause = failureMessage(error, database.path());
        outcome.reason = QStringLiteral("nothing was stored: %1").arg(cause);
        dialogue_.inform(QStringLiteral("Critical Warning"),
                         QStringLiteral("Nothing of the report %1 was stored.\n%2").arg(path, cause),
                         MessageIcon::Critical);
        if (stagesRan)
            reloadModel(database);
        return outcome;
    }
    if (!outcome.processed) {
        // What the stages added to the model is gone from the database.
        reloadModel(database);
        outcome.errorBox = true;
        if (outcome.line == 0)
            outcome.lineText = state_.buffer.isEmpty() ? QString() : state_.buffer.last();
    }
    return outcome;
}

void ProcessingRun::reloadModel(Database& database)
{
    fillContinents(model_, database);
    loadMapModel(model_, database);
}

void ProcessingRun::showErrorBox(const FileOutcome& outcome)
{
    QString text = QStringLiteral("An error was found processing file ") + outcome.path + QStringLiteral(" in line ");
    if (outcome.line > 0)
        text += QString::number(outcome.line);
    text += QLatin1Char('\n') + outcome.lineText;
    if (outcome.line > 0)
        text += QStringLiteral("\n\n") + outcome.reason;
    dialogue_.inform(kProgramTitle, text, MessageIcon::None);
}

QString processingStatus(const QList<FileOutcome>& outcomes)
{
    return outcomes.isEmpty() ? QStringLiteral("No Files processed") : QStringLiteral("Update finished");
}

QString outcomeLine(const FileOutcome& outcome)
{
    if (outcome.processed) {
        const ReportHeader& header = outcome.header;
        return QStringLiteral("ok %1: turn %2, %3 [%4]")
            .arg(outcome.path)
            .arg(header.turnNumber)
            .arg(header.factionName, header.factionNumber);
    }
    return QStringLiteral("failed %1: %2").arg(outcome.path, QString(outcome.reason).replace(QLatin1Char('\n'), QLatin1Char(' ')));
}

} // namespace arvenna
