#include "FindWorld.h"

#include "view/GameOpening.h"

#include <QtGlobal>

namespace arvenna {

QString findWorldSql()
{
    return QStringLiteral(R"(
INSERT INTO CONTINENTES (CONTID, CONTDESCRIPTION, CONTCOLOR) VALUES
  (1, 'Green Reach', 255), (2, 'Salt & Fens', 0), (3, 'Empty Lands', 0);
INSERT INTO PROVINCIAS (PROVINCIAID, PROVINCIANAME, XORD, YORD, TERRAINID, CONTINENTID) VALUES
  (1, 'Greenvale', 4, 2, 4, 1), (2, 'Grey Hollow', 5, 2, 4, 1), (3, 'Evergreen', 6, 2, 4, 1),
  (4, '', 7, 2, 4, 0), (5, 'Mab''s Ford', 10, 5, 4, 2), (6, '50% Marsh_Land', 11, 5, 7, 2),
  (7, 'Åsgard Reach', 12, 5, 6, 2), (8, 'Farhold', 80, 90, 4, 0);
INSERT INTO LOCALS (LOCALID, PROVINCEID, LOCALNUMBER, LocalName, LocationTypeID, PROVINCIASAFE) VALUES
  (1, 1, 'C100', 'Greenport', 1, 0), (2, 5, 'm421', 'Kessra', 2, 1), (3, 7, 'C7', 'Ölby', 1, 0),
  (4, 6, 'C_9', 'Town "the Old"', 1, 0);
INSERT INTO INNERLOCATIONS (INNERLOCALID, InnerID, LocalLocationID, ProvinceID, LocalNumber, LocalNAme, InnerTypeID) VALUES
  (1, 0, 0, 1, 'K7', 'Green Keep', 1), (2, 1, 0, 1, 'D2', 'Keep Cellar', 9), (3, 0, 1, 1, 'I5', 'Greenport Inn', 4),
  (4, 0, 0, 2, '1001', 'Old Mine', 3);
INSERT INTO CHARACTERS (CharacterID, CHARACTERNUMBER, CHARACTERNAME, CharacterLastLocationKnown) VALUES
  (1, '7001', 'Mab "the Red"', 'Greenvale [ab04], in Green Reach'), (2, '1001', 'Brannoc', 'ab5'),
  (3, '3340', 'Lady Ysolde', ' Kessra [m421], port city, in Mab''s Ford [ae10], safe haven'),
  (4, '4412', 'Hobb', 'x'), (5, '5000', 'Greta', NULL), (6, '900', 'Sven Ågren', 'AE12');
)");
}

FindWorld::FindWorld(const QString& extraSql) : path(home.addGameDatabase(QStringLiteral("Arvenna.mdb")))
{
    runSql(path, findWorldSql() + extraSql);
    if (openGame(path, session, model, view) != GameSession::OpenResult::Opened)
        qFatal("the find world did not open");
}

} // namespace arvenna
