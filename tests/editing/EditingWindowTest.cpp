// The maintenance frames' buttons and the province pop-up, pressed in the window.
#include "StartedProgram.h"
#include "database/Database.h"
#include "view/MapWindowWidget.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace arvenna;

namespace {
// Marketon (aa04) with its city Marketgate teaching Combat and Archery; Keepvale (aa06) without a city.
const QString kSkilledCity = QStringLiteral(R"(
INSERT INTO PROVINCIAS (PROVINCIAID, PROVINCIANAME, XORD, YORD, TERRAINID) VALUES (1, 'Marketon', 4, 1, 4), (2, 'Keepvale', 6, 1, 4);
INSERT INTO LOCALS (LOCALID, PROVINCEID, LOCALNUMBER, LocalName, LocationTypeID, PROVINCIASAFE) VALUES (1, 1, 'C9', 'Marketgate', 2, 0);
INSERT INTO SKILLSBYLOCAL (LOCALID, SKILLTYPEID) SELECT 1, SkillID FROM SKILLS WHERE SkillNAme IN ('Combat', 'Archery');
)");

struct EditingProgram : Started {
    explicit EditingProgram(const QString& world = QString()) : Started(QByteArray(), world) {}
    QLineEdit* field(const QString& name) const { return find<QLineEdit>(name); }
    void choose(const QString& box, const QString& text) const
    {
        auto* choice = find<QComboBox>(box);
        choice->setCurrentIndex(choice->findText(text));
    }
    void click(const QString& button) const { find<QPushButton>(button)->click(); }
    // A press on a cell of the 30 by 30 window, each cell 300 twips wide.
    void press(int column, int row) const
    {
        emit find<MapWindowWidget>(QStringLiteral("Picture1a"))
            ->mapPressed(QPointF(column * 300 + 150, (row - 1) * 300 + 150), Qt::LeftButton);
    }
    QStringList lines(const QString& list) const { return arvenna::lines(find<QListWidget>(list)); }
    int provinceRows() const
    {
        return state.game.CurrentConnection->DatabaseConnection()
            .openRecordSet(QStringLiteral("SELECT * FROM PROVINCIAS"), RecordSetType::Snapshot)
            .recordCount();
    }
};
} // namespace

class EditingWindowTest : public QObject {
    Q_OBJECT

private slots:
    void provinceCityAndInnerLocationThroughTheFrames()
    {
        EditingProgram app;
        app.window->findChildren<QAction*>(QStringLiteral("RepHead")).first()->trigger();
        app.window->findChildren<QAction*>(QStringLiteral("mnOptions")).at(5)->trigger();
        app.press(5, 3);
        const QImage emptyMap = app.state.pictures.map;
        const QImage emptyOverview = app.state.pictures.overview;
        app.field(QStringLiteral("TxtProvName"))->setText(QStringLiteral("Hillfold"));
        app.field(QStringLiteral("TxtPeasants"))->setText(QStringLiteral("30"));
        app.choose(QStringLiteral("CmbProvTerrain"), QStringLiteral("Plain"));
        app.click(QStringLiteral("CmdUpdProv"));
        QVERIFY(app.state.pictures.map != emptyMap);
        QVERIFY(app.state.pictures.overview != emptyOverview);
        QCOMPARE(app.field(QStringLiteral("TxtPeasants"))->text(), QStringLiteral("30"));

        app.field(QStringLiteral("TxLocalNo"))->setText(QStringLiteral("C1"));
        app.field(QStringLiteral("TxLocalName"))->setText(QStringLiteral("Hillgate"));
        app.choose(QStringLiteral("CmbLocalType"), QStringLiteral("City"));
        auto* skills = app.find<QListWidget>(QStringLiteral("LstLocalSkill"));
        skills->item(1)->setSelected(true);
        skills->item(2)->setSelected(true);
        app.click(QStringLiteral("CmdLocalUpd"));
        QCOMPARE(skills->selectedItems().size(), 2);

        // A castle in the city, and a cellar inside it (the new number answered Yes).
        auto* inner = app.find<QListWidget>(QStringLiteral("LstInner"));
        inner->setCurrentRow(1); // the city line
        QCOMPARE(app.field(QStringLiteral("TxInnerID"))->text(), QString());
        app.field(QStringLiteral("InInnerNo"))->setText(QStringLiteral("I1"));
        app.field(QStringLiteral("InInnerName"))->setText(QStringLiteral("Keep"));
        app.choose(QStringLiteral("CmbInnerType"), QStringLiteral("Castle"));
        app.click(QStringLiteral("CmdAddInner"));
        inner->setCurrentRow(2);
        QCOMPARE(app.field(QStringLiteral("TxInnerID"))->text(), QStringLiteral("1"));
        QCOMPARE(app.field(QStringLiteral("InInnerName"))->text(), QStringLiteral("Keep"));
        app.field(QStringLiteral("InInnerNo"))->setText(QStringLiteral("I2"));
        app.field(QStringLiteral("InInnerName"))->setText(QStringLiteral("Cellar"));
        app.click(QStringLiteral("CmdAddInner"));
        QCOMPARE(app.lines(QStringLiteral("LstShowDet")),
                 (QStringList{" Province (Plain) 30 Peasants", "    [ac 05] Hillfold", "       Hillgate [C1] (City)",
                              "          Keep [I1] Castle", "             Cellar [I2] Castle"}));

        // Copy, then paste onto the next cell; Paste is offered only after a copy.
        auto* paste = app.window->findChild<QAction*>(QStringLiteral("pasteprove"));
        QVERIFY(!paste->isEnabled());
        app.window->findChild<QAction*>(QStringLiteral("copyprove"))->trigger();
        QVERIFY(paste->isEnabled());
        app.press(6, 3);
        paste->trigger();
        QCOMPARE(app.lines(QStringLiteral("LstShowDet")).mid(0, 2),
                 (QStringList{" Province (Plain) 0 Peasants", "    [ac 06] Hillfold"}));
        QCOMPARE(app.provinceRows(), 2);
        app.window->findChild<QAction*>(QStringLiteral("delProv"))->trigger();
        QCOMPARE(app.provinceRows(), 1);
        QCOMPARE(app.field(QStringLiteral("TxtProvName"))->text(), QString());
        QCOMPARE(app.dialogue.texts(),
                 (QStringList{"A different Location Number has been found, do you want to create a SubLocation for "
                              "The Current Location",
                              "Please confirm deletion of province Hillfold [ac 06]"}));

        // With no map open the buttons do nothing.
        app.window->findChild<QAction*>(QStringLiteral("cloMap"))->trigger();
        app.click(QStringLiteral("CmdUpdProv"));
        app.click(QStringLiteral("CmdDelProv"));
        QCOMPARE(app.dialogue.texts().size(), 2);
    }

    void aCitysSkillsAreTheOnesSelected()
    {
        EditingProgram app(kSkilledCity);
        app.window->findChildren<QAction*>(QStringLiteral("RepHead")).first()->trigger();
        app.window->findChildren<QAction*>(QStringLiteral("mnOptions")).at(5)->trigger();
        const QString stored = QStringLiteral("SELECT LOCALID, SkillNAme FROM SKILLSBYLOCAL JOIN SKILLS "
                                              "ON SKILLTYPEID = SkillID ORDER BY SkillNAme");
        const QStringList taught{"1|Archery", "1|Combat"};
        auto* skills = app.find<QListWidget>(QStringLiteral("LstLocalSkill"));
        const auto selected = [skills] {
            QStringList names;
            for (const QListWidgetItem* item : skills->selectedItems())
                names << item->text();
            names.sort();
            return names;
        };
        app.press(4, 1);
        QCOMPARE(selected(), (QStringList{"Archery [612]", "Combat [610]"}));

        // "[none]" clicked in another province's list and not saved ...
        app.press(6, 1);
        skills->setCurrentRow(0);
        QCOMPARE(selected(), QStringList{"[none]"});
        // ... does not count for the city renamed afterwards.
        app.press(4, 1);
        app.field(QStringLiteral("TxLocalName"))->setText(QStringLiteral("Old Marketgate"));
        app.click(QStringLiteral("CmdLocalUpd"));
        QCOMPARE(queryRows(app.state.game.CurrentDBName, stored), taught);
        QCOMPARE(selected(), (QStringList{"Archery [612]", "Combat [610]"}));

        // "[none]" alone stores no skills; beside a skill it stands for nothing.
        skills->clearSelection();
        skills->item(0)->setSelected(true);
        app.click(QStringLiteral("CmdLocalUpd"));
        QCOMPARE(queryRows(app.state.game.CurrentDBName, stored), QStringList());
        skills->findItems(QStringLiteral("Combat [610]"), Qt::MatchExactly).constFirst()->setSelected(true);
        app.click(QStringLiteral("CmdLocalUpd"));
        QCOMPARE(queryRows(app.state.game.CurrentDBName, stored), QStringList{"1|Combat"});
        QCOMPARE(queryRows(app.state.game.CurrentDBName, QStringLiteral("SELECT LocalName FROM LOCALS")),
                 QStringList{"Old Marketgate"});
    }
};

QTEST_MAIN(EditingWindowTest)
#include "EditingWindowTest.moc"
