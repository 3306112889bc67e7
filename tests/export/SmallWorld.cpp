#include "SmallWorld.h"

#include "view/GameOpening.h"

#include <QDir>
#include <QtTest>

namespace arvenna {

QString smallWorldSql()
{
    return QStringLiteral(R"(
DELETE FROM CELLSX WHERE CELLID > 5;
DELETE FROM CELLSY WHERE CELLID > 3 AND CELLID <= 100;
UPDATE TERRAIN SET TERRCODE = '3' WHERE TERRAINID = 11;
INSERT INTO CONTINENTES (CONTID, CONTDESCRIPTION, CONTCOLOR) VALUES (1, 'Northreach', 255), (2, 'Salt & <Fens>', 0);
INSERT INTO CHARACTERS (CharacterID, CHARACTERNUMBER, CHARACTERNAME) VALUES (5, 'N12', 'Lord Harl');
INSERT INTO RULLERS (RULLERID, RULLERNO, RULLERNAME, RULLERNOBLEID, CASTLEPROVID, RULLERCOLOUR)
  VALUES (1, 'K7', 'Black Keep', '5', 'aa03', 0), (2, 'K9', 'Drowned <Hall>', '77', 'ac99', 0);
INSERT INTO PROVINCIAS (PROVINCIAID, PROVINCIANAME, XORD, YORD, TERRAINID, CONTINENTID, RULLERID) VALUES
  (1, 'Westmarch', 0, 1, 1, 1, 0), (2, 'Dunmoor', 3, 1, 4, 1, 1), (3, '', 2, 2, 5, 0, 0),
  (4, 'Fen & <Mire>', 5, 2, 7, 2, 2), (5, 'Greyfield', 1, 3, 4, 0, 0), (6, 'Deepway', 2, 101, 11, 0, 0),
  (7, 'Grey Sound', 4, 3, 2, 0, 0);
INSERT INTO LOCALS (LOCALID, PROVINCEID, LOCALNUMBER, LocalName, LocationTypeID, PROVINCIASAFE) VALUES
  (1, 1, 'C100', 'Port Åsh', 1, 0), (2, 4, 'C7', 'Reed <Town>', 2, 0), (3, 3, 'C8', 'Lost Quay', 1, 0),
  (4, 6, 'C9', 'Under Town', 2, 0);
INSERT INTO INNERLOCATIONS (INNERLOCALID, InnerID, LocalLocationID, ProvinceID, LocalNumber, LocalNAme, InnerTypeID) VALUES
  (1, 0, 1, 1, 'I5', 'Ash Inn 𐌰', 4), (2, 0, 0, 2, 'K7', 'Black Keep', 1), (3, 0, 0, 2, 'M2', 'Old Mine', 3),
  (4, 0, 0, 7, 'S3', 'Gull Isle', 6)
)");
}

SmallWorld::SmallWorld() : path(home.addGameDatabase(QStringLiteral("Arvenna.mdb")))
{
    runSql(path, smallWorldSql());
    if (openGame(path, session, model, view) != GameSession::OpenResult::Opened)
        qFatal("the small world did not open");
}

QStringList expectedPage(const QString& name)
{
    return pageLines(fileBytes(QDir(QStringLiteral(ARVENNA_TEST_DATA)).filePath(QStringLiteral("export/expected/") + name)));
}

QStringList pageLines(const QByteArray& page)
{
    QStringList lines = QString::fromUtf8(page).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast(); // after the last line break
    return lines;
}

ExportSettings exportSettings(int column, int row, std::array<bool, 4> options)
{
    ExportSettings chosen;
    chosen.startColumn = column;
    chosen.startRow = row;
    chosen.options = options;
    return chosen;
}

QStringList settingRows(const QString& path)
{
    return queryRows(path, QStringLiteral("SELECT SETTINGCODE || '=' || SettingValue FROM SETTINGS ORDER BY SETTINGCODE"));
}

} // namespace arvenna
