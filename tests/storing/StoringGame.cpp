#include "StoringGame.h"

#include "database/Database.h"
#include "view/GameOpening.h"
#include "view/MapView.h"

#include <QDir>

namespace arvenna {

namespace {
// What a game knows, each row named by natural keys (province codes and the
// game's numbers) instead of the ids that depend on the order rows were added.
const QList<std::pair<QString, QString>> kKnowledgeQueries{
    {QStringLiteral("provinces"),
     QStringLiteral("SELECT y.CELLORDERY || printf('%02d', p.XORD), p.PROVINCIANAME, p.TERRAINID, c.CONTDESCRIPTION, "
                    "r.RULLERNO, p.PEASANTS, p.COMMENTS, p.Up, p.North, p.East, p.South, p.West, p.Down "
                    "FROM PROVINCIAS p LEFT JOIN CELLSY y ON y.CELLID = p.YORD "
                    "LEFT JOIN CONTINENTES c ON c.CONTID = p.CONTINENTID LEFT JOIN RULLERS r ON r.RULLERID = p.RULLERID")},
    {QStringLiteral("routes"),
     QStringLiteral("SELECT PROVINCECODE, DIRECTION, DESTCODE, DESTNAME, DAYS, TURN FROM ROUTES")},
    {QStringLiteral("regions"), QStringLiteral("SELECT CONTDESCRIPTION, CONTCOLOR FROM CONTINENTES")},
    {QStringLiteral("castles"),
     QStringLiteral("SELECT r.RULLERNO, r.RULLERNAME, ch.CHARACTERNUMBER, r.CASTLEPROVID, r.RULLERCOLOUR, r.ALLIANCEID "
                    "FROM RULLERS r LEFT JOIN CHARACTERS ch ON ch.CharacterID = r.RULLERNOBLEID")},
    {QStringLiteral("cities"),
     QStringLiteral("SELECT l.LOCALNUMBER, y.CELLORDERY || printf('%02d', p.XORD), l.LocalName, l.LocationTypeID, "
                    "l.PROVINCIASAFE, l.COMMENTS FROM LOCALS l LEFT JOIN PROVINCIAS p ON p.PROVINCIAID = l.PROVINCEID "
                    "LEFT JOIN CELLSY y ON y.CELLID = p.YORD")},
    {QStringLiteral("inner locations"),
     QStringLiteral("SELECT i.LocalNumber, y.CELLORDERY || printf('%02d', p.XORD), l.LOCALNUMBER, o.LocalNumber, "
                    "i.LocalNAme, i.InnerTypeID, i.EntranceSize, i.TravelTime, i.Hidden, i.Closed, i.Comments "
                    "FROM INNERLOCATIONS i LEFT JOIN PROVINCIAS p ON p.PROVINCIAID = i.ProvinceID "
                    "LEFT JOIN CELLSY y ON y.CELLID = p.YORD LEFT JOIN LOCALS l ON l.LOCALID = i.LocalLocationID "
                    "LEFT JOIN INNERLOCATIONS o ON o.INNERLOCALID = i.InnerID")},
    {QStringLiteral("characters"),
     QStringLiteral("SELECT CHARACTERNUMBER, CHARACTERNAME, CHARACTERFACTION, CHARACTERLOYALTY, CHARACTERMAXIMUMAURA, "
                    "CharacterTurnInfo, CharacterLastLocationKnown FROM CHARACTERS")},
    {QStringLiteral("items"), QStringLiteral("SELECT ITEMNO, ItemName FROM ITEMS")},
    {QStringLiteral("offers"),
     QStringLiteral("SELECT l.LOCALNUMBER, m.TransactionType, it.ITEMNO, m.TransactionQuantity, m.TransactionCost, "
                    "m.TurnNo FROM MARKETTRANSACTIONS m LEFT JOIN LOCALS l ON l.LOCALID = m.LocalID "
                    "LEFT JOIN ITEMS it ON it.ITEMID = m.ItemID")},
    {QStringLiteral("factions"), QStringLiteral("SELECT FACTIONNUMBER, FACTIONNAME FROM FACTIONS")},
    {QStringLiteral("report log"), QStringLiteral("SELECT FactionId, TurnNo FROM REPORTLOG")},
};

} // namespace

StoringGame::StoringGame()
    : path(home.addGameDatabase(QStringLiteral("Arvenna.mdb")))
{
    MapView view;
    openGame(path, session, model, view, nullptr, GameAccess::Writer);
}

QList<FileOutcome> StoringGame::process(const QStringList& reports, const ProcessingOptions& options)
{
    QStringList paths;
    for (const QString& report : reports)
        paths << (QDir::isAbsolutePath(report) ? report : storingReport(report));
    ProcessingRun run(session, model, state, dialogue);
    return run.process(paths, options);
}

QStringList StoringGame::rows(const QString& table)
{
    return queryRows(path, QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(table), QStringLiteral("-"));
}

QString StoringGame::writeReport(const QString& name, const QByteArray& header, const QByteArray& locations) const
{
    home.writeFile(name, header + "\nReport for Ash Clan [a01].\nUnclaimed items:\n\n  qty  name\n  ---  ----\n\n"
                             + locations + "\nOrder template\n-----------\nend\n");
    return home.file(name);
}

Database& StoringGame::database()
{
    return session.CurrentConnection->DatabaseConnection();
}

GameKnowledge gameKnowledge(const QString& path)
{
    GameKnowledge knowledge;
    for (const auto& [table, query] : kKnowledgeQueries) {
        QStringList rows = queryRows(path, query);
        rows.sort();
        knowledge.append({table, rows});
    }
    return knowledge;
}

QString storingReport(const QString& name)
{
    return QDir(QStringLiteral(ARVENNA_TEST_DATA "/storing/reports")).filePath(name);
}

} // namespace arvenna
