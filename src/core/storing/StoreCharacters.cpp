#include "StoreCharacters.h"

#include "CharacterRows.h"
#include "PreparedStatements.h"
#include "database/DatabaseError.h"
#include "parser/ReportState.h"
#include "parser/ReportText.h"
#include "shell/UserDialogue.h"

namespace arvenna {

namespace {
const QStringList kOwnCharacterFields{
    QStringLiteral("CHARACTERNAME"),        QStringLiteral("CHARACTERNUMBER"),   QStringLiteral("CHARACTERFACTION"),
    QStringLiteral("CHARACTERLOYALTY"),     QStringLiteral("CHARACTERMAXIMUMAURA"), QStringLiteral("CharacterTurnInfo"),
    QStringLiteral("CharacterLastLocationKnown")};

// What the faction's stored nobles allow: an older report of the faction
// must not overwrite the nobles' newer loyalty, aura and location.
enum class FactionRows { Keep, Edit };

FactionRows clearOlderRows(PreparedStatements& statements, const ReportHeader& header)
{
    const std::optional<QVariantList> first = statements.firstRow(
        QStringLiteral("SELECT CharacterTurnInfo FROM CHARACTERS WHERE CHARACTERFACTION = ? ORDER BY CharacterID"),
        {header.factionNumber});
    if (!first)
        return FactionRows::Edit;
    const qint64 stored = first->at(0).toLongLong();
    if (stored > header.turnNumber)
        return FactionRows::Keep;
    // A newer report replaces them as a whole: a noble who left is gone.
    if (stored < header.turnNumber)
        statements.execute(QStringLiteral("DELETE FROM CHARACTERS WHERE CHARACTERFACTION = ?"), {header.factionNumber});
    return FactionRows::Edit;
}

void storeNobles(PreparedStatements& statements, const ReportState& report)
{
    const ReportHeader& header = report.header;
    for (const ReportCharacter& noble : report.characters) {
        if (noble.name.isEmpty() || upperCase(noble.name).contains(QLatin1String("IS BEING HELD PRISONER")))
            continue;
        writeCharacter(statements, findCharacter(statements, noble.number), kOwnCharacterFields,
                       {trimBlanks(noble.name), noble.number, header.factionNumber, noble.loyalty, noble.maximumAura,
                        header.turnNumber, noble.location});
    }
}

void storeFaction(PreparedStatements& statements, const ReportHeader& header)
{
    const std::optional<QVariantList> row = statements.firstRow(
        QStringLiteral("SELECT rowid FROM FACTIONS WHERE FACTIONNUMBER = ? ORDER BY rowid"), {header.factionNumber});
    if (row) {
        statements.execute(QStringLiteral("UPDATE FACTIONS SET FACTIONNUMBER = ?, FACTIONNAME = ? WHERE rowid = ?"),
                           {header.factionNumber, header.factionName, row->at(0)});
    } else {
        statements.execute(QStringLiteral("INSERT INTO FACTIONS (FACTIONNUMBER, FACTIONNAME) VALUES (?, ?)"),
                           {header.factionNumber, header.factionName});
    }
}
} // namespace

StageResult StoreCharacters(StoringContext& context)
{
    try {
        if (clearOlderRows(context.statements, context.report.header) == FactionRows::Edit)
            storeNobles(context.statements, context.report);
        storeFaction(context.statements, context.report.header);
    } catch (const DatabaseError& error) {
        return {QStringLiteral("%1 while storing the faction's nobles").arg(error.message()), 0, {}};
    }
    context.dialogue.letEventsRun();
    return {};
}

} // namespace arvenna
