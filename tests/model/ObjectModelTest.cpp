// The record classes and keyed collections of the map model.
#include "GameFixture.h"
#include "database/Database.h"
#include "database/DatabaseError.h"
#include "model/ClassicPalette.h"
#include "model/MapModel.h"
#include "model/ModelValues.h"

#include <QtTest>

using namespace arvenna;

namespace {
template <typename Collection, typename Name>
QStringList namesOf(const Collection& collection, Name name)
{
    QStringList names;
    for (const auto& record : collection)
        names << name(record);
    return names;
}

QStringList continentNames(const CollectContinents& continents)
{
    return namesOf(continents, [](const ClassContinents& c) { return c.ContinentName; });
}

ClassProvincia& addProvince(CollectProvincia& provinces, const QString& name, const QString& key)
{
    return provinces.Add(name, 1, 0, 0, QString(), 0, QString(), QString(), QString(), QString(), QString(),
                         QString(), key.mid(2), key.left(2), 1, key);
}
} // namespace

class ObjectModelTest : public QObject {
    Q_OBJECT

private slots:
    void collectionsKeepOrderAndFindKeysInAnyCase()
    {
        CollectContinents continents;
        continents.Add("North Reach", 1, 10, "1");
        continents.Add("Unkeyed", 2, 20);
        continents.Add("Isle of Mist", 3, 30, "Mist");
        QCOMPARE(continents.Count(), 3);
        QCOMPARE(continentNames(continents), (QStringList{"North Reach", "Unkeyed", "Isle of Mist"}));
        QCOMPARE(continents.Item(2).ContinentName, QStringLiteral("Unkeyed"));
        QCOMPARE(&continents.Item("MIST"), &continents.Item(3));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, continents.Item(0));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, continents.Item(4));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, continents.Item("2"));

        // A taken key is refused and changes nothing.
        QVERIFY_THROWS_EXCEPTION(DatabaseError, continents.Add("Again", 4, 0, "mist"));
        QCOMPARE(continents.Count(), 3);

        continents.Remove("mist");
        continents.Remove(1);
        QCOMPARE(continentNames(continents), (QStringList{"Unkeyed"}));
        QVERIFY(!continents.contains("1"));
        continents.Add("North Reach", 1, 10, "1"); // the key is free again
        QCOMPARE(continentNames(continents), (QStringList{"Unkeyed", "North Reach"}));
    }

    void provincesAreFoundByNormalisedKey()
    {
        CollectProvincia provinces;
        ClassProvincia& fallback = addProvince(provinces, QString(), CollectProvincia::kFallbackKey);
        fallback.ProvinceCoordX.clear();
        fallback.ProvinceCoordY.clear();
        ClassProvincia& first = addProvince(provinces, QStringLiteral("First"), QStringLiteral("ab07"));
        for (const char* code : {"ab7", "ab07", "AB07", "Ab007"})
            QCOMPARE(&provinces.Item(QString::fromLatin1(code)), &first);
        QCOMPARE(&provinces.Item("zz99"), &fallback);
        QCOMPARE(&provinces.Item("ERROR"), &fallback);
        QCOMPARE(provinces.Item("ab08").ProvinceName, QString());
        QCOMPARE(provinces.Item("ab08").ProvinceCoordY, QString());

        // A second province under a taken key leaves the first in place.
        ClassProvincia& second = addProvince(provinces, QStringLiteral("Second"), QStringLiteral("ab07"));
        QCOMPARE(&second, &first);
        QCOMPARE(provinces.Count(), 2);
        QCOMPARE(provinces.Item("ab07").ProvinceName, QStringLiteral("First"));

        QCOMPARE((QStringList{provinceKey("ab7"), provinceKey("ERROR"), provinceKey("ab123"), provinceKey("ab")}),
                 (QStringList{"ab07", "ERROR", "ab123", "ab"}));

        // A province's city, markets and inner locations exist from their
        // first read; what is added to them stays with the province.
        const ClassProvincia& shown = first;
        QCOMPARE(shown.ClassLocation().LocationName, QString());
        QCOMPARE(shown.ClassLocation().CollecMArketBuy().Count(), 0);
        QCOMPARE(shown.CollecInnerLocation().Count(), 0);
        QCOMPARE(&shown.ClassLocation(), &shown.ClassLocation());
        ClassLocation& tower = provinces.Item("ab07").ClassLocation().CollecInnerLocation().Add(
            9, "I9", "Tower", 2, false, true, 4, false, "9");
        tower.CollecInnerLocation().Add(10, "I10", "Galley", 7, false, false, 0, true, "10");
        QCOMPARE(shown.ClassLocation().CollecInnerLocation().Item("9").CollecInnerLocation().Item(1).LocationName,
                 QStringLiteral("Galley"));

        provinces.Remove("ab7");
        QCOMPARE(&provinces.Item("ab07"), &fallback);
    }

    void coordinatesAndTerrainsReadTheGrid()
    {
        ClassCoordinates column;
        column.setCoordCode("7");
        QCOMPARE((QStringList{column.CoordCode(), formatTwoDigits("-3"), formatTwoDigits("123"),
                              formatTwoDigits(QString()), formatTwoDigits("x7")}),
                 (QStringList{"07", "-03", "123", "", "x7"}));

        // The fallback comes first; an unknown id finds it.
        GameFixture game;
        CollectTerrain byId;
        byId.Init(game.database(), false);
        CollectTerrain byDesc;
        byDesc.Init(game.database(), true);
        const ClassTerrain& forest = byId.Item("1");
        const ClassTerrain& unknown = byId.Item("99");
        QCOMPARE((QStringList{QString::number(byId.Count()), byId.Item(1).TerrainDesc, forest.TerrainDesc,
                              QString::number(forest.TerrainMovement), toQColor(forest.TerrainColor).name(),
                              QString::number(byDesc.Item("tunnel").TerrainId),
                              QString::number(unknown.TerrainId), QString::number(unknown.TerrainColor)}),
                 (QStringList{"12", "", "Forest", "8", "#008000", "11", "0", "0"}));
        QCOMPARE((QList<QColor>{toQColor(paletteColour(15)), toQColor(paletteColour(16)), toQColor(paletteColour(-1))}),
                 (QList<QColor>{Qt::white, Qt::black, Qt::black}));

        CollectYCoord byCode;
        byCode.Init(game.database(), false);
        CollectYCoord byNum;
        byNum.Init(game.database(), true);
        CollectXCoord columns(game.database());
        QCOMPARE((QList<int>{byCode.Item("AB").CoordId, columns.Item("07").CoordId}), (QList<int>{2, 7}));
        QCOMPARE((QStringList{byNum.Item("1").CoordCode(), byNum.Item("101").CoordCode(), columns.Item(100).CoordCode()}),
                 (QStringList{"aa", "ea", "99"}));
    }

    void selfFillingCollectionsReadNullsAsZeroAndRefuseOverflow()
    {
        GameFixture game(QStringLiteral(
            "INSERT INTO CONTINENTES (CONTID, CONTDESCRIPTION, CONTCOLOR) VALUES (4, 'Vale', 255), (2, 'Fen', NULL);"
            "INSERT INTO ALLIANCES VALUES (3, 'Iron Pact', NULL, NULL);"
            "INSERT INTO RULLERS VALUES (1, 'C1', 'Zenith Keep', '5', 'ab07', NULL, NULL),"
            "  (2, 'C2', 'Amber Hall', '6', 'ac08', 65280, 3);"
            "INSERT INTO CHARACTERS (CharacterID, CHARACTERNUMBER, CHARACTERNAME) VALUES (5, '1201', 'Orla');"
            "INSERT INTO FACTIONS VALUES ('220', 'Wolves', NULL), ('104', 'Ravens', 'r@example.org')"));
        Database& db = game.database();
        QCOMPARE(namesOf(CollectContinents(db), [](const ClassContinents& c) {
                     return c.ContinentName + '/' + QString::number(c.ContinentColor);
                 }),
                 (QStringList{"Fen/0", "Vale/255"}));

        CollectAlliance alliances(db);
        const ClassAlliance& pact = alliances.Item("3");
        QCOMPARE((QStringList{pact.AllianceName, pact.AllianceDesc, QString::number(pact.AllianceColour)}),
                 (QStringList{"Iron Pact", "", "0"}));

        CollectRuller rulers(db);
        QCOMPARE(namesOf(rulers, [](const ClassRuler& r) {
                     return QStringList{r.CastleName, r.CastleNo, r.ProvinceID, r.RulerCastelionID,
                                        QString::number(r.RullerColour), QString::number(r.RulerAllianceID)}
                         .join('|');
                 }),
                 (QStringList{"Amber Hall|C2|ac08|6|65280|3", "Zenith Keep|C1|ab07|5|0|0"}));

        CollectCharacter characters(db);
        const ClassCharacter& orla = characters.Item("5");
        QCOMPARE((QStringList{orla.CharacterName, orla.CharacterNo, orla.CharacterFaction, orla.CharacterLoyalty,
                              orla.CharacterLastLocation, QString::number(orla.CharacterMaxAura),
                              QString::number(orla.CharacterTurn)}),
                 (QStringList{"Orla", "1201", "", "", "", "0", "0"}));

        CollectFactions factions(db);
        QCOMPARE(namesOf(factions, [](const ClassFaction& f) { return f.FactionName + '/' + f.FactionContact; }),
                 (QStringList{"Ravens/r@example.org", "Wolves/"}));

        InnerTypeArray kinds(db);
        QCOMPARE(kinds.count(), 16);
        QCOMPARE((QStringList{kinds.at(6).TerrainDescription, kinds.at(16).TerrainDescription}),
                 (QStringList{"Island", "Ruins"}));
        QCOMPARE((QList<bool>{kinds.at(6).AcceptInner, kinds.at(10).AcceptInner}), (QList<bool>{true, false}));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, kinds.at(0));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, kinds.at(17));

        // Ids are 32-bit: a long game's characters pass 16 bits; beyond 32 they fail cleanly.
        db.execute("INSERT INTO CHARACTERS (CharacterID, CHARACTERNAME) VALUES (40000, 'Big')");
        QCOMPARE(CollectCharacter(db).Item("40000").CharacterName, QStringLiteral("Big"));
        db.execute("INSERT INTO CHARACTERS (CharacterID, CHARACTERNAME) VALUES (5000000000, 'Huge')");
        try {
            CollectCharacter again(db);
            QFAIL("an id beyond 32 bits was accepted");
        } catch (const DatabaseError& error) {
            QCOMPARE(error.message(), QStringLiteral("Overflow: the field 'CharacterID' holds '5000000000', which is not "
                                                     "a whole number from -2147483648 to 2147483647."));
        }
        QCOMPARE((QList<qint16>{toInteger(QVariant(-32768), "F"), toInteger(QVariant(), "F")}),
                 (QList<qint16>{-32768, 0}));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, toLong(QVariant(qint64(1) << 40), "Colour"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, toInteger(QStringLiteral("many"), "TERRCODE"));
    }
};

QTEST_GUILESS_MAIN(ObjectModelTest)
#include "ObjectModelTest.moc"
