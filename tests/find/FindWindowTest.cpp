// "Find..." driven as a player would: typing, moving through the list,
// choosing with Enter or a double click, closing with Escape.
#include "FindWorld.h"
#include "StartedProgram.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

using namespace arvenna;

namespace {
struct App : Started {
    App() : Started(QByteArray(), findWorldSql()) { find(QStringLiteral("RepHead"))->trigger(); }

    QDialog* box() const { return window->findChild<QDialog*>(QStringLiteral("FindWindow")); }
    QLineEdit* text() const { return box()->findChild<QLineEdit*>(QStringLiteral("FindText")); }
    QTreeWidget* list() const { return box()->findChild<QTreeWidget*>(QStringLiteral("FindMatches")); }
    QString count() const { return box()->findChild<QLabel*>(QStringLiteral("FindCount"))->text(); }
    // The list's rows as "kind|name|province".
    QStringList rows() const
    {
        QStringList result;
        for (int i = 0; i < list()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* row = list()->topLevelItem(i);
            result << row->text(0) + QLatin1Char('|') + row->text(1) + QLatin1Char('|') + row->text(2);
        }
        return result;
    }
    // The selected province, the window's first column and row.
    QList<double> place() const
    {
        const MapView& view = state.view;
        return {view.SelectedCoord.X, view.SelectedCoord.Y, double(view.X0), double(view.Y0)};
    }
};

// A double click as the window system delivers it: press, release, double
// click, release.
void doubleClick(QWidget* widget, QPoint at)
{
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                                    QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
}
} // namespace

class FindWindowTest : public QObject {
    Q_OBJECT

private slots:
    void listsAsTypedAndGoesToTheChoice()
    {
        App app;
        QAction* entry = app.find(QStringLiteral("findmn"));
        QCOMPARE(entry->text(), QStringLiteral("&Find..."));
        QCOMPARE(entry->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
        entry->trigger();
        QVERIFY(app.box()->isVisible());
        QCOMPARE(app.rows(), QStringList());
        QCOMPARE(app.count(), QString());

        QTest::keyClicks(app.text(), "gre");
        QCOMPARE(app.rows(), (QStringList{"Province|Greenvale|ab04", "Province|Grey Hollow|ab05", "Region|Green Reach|ab05",
                                          "City|Greenport [C100]|ab04", "Castle|Green Keep [K7]|ab04",
                                          "Inn|Greenport Inn [I5]|ab04", "Province|Evergreen|ab06",
                                          "Character|Sven Ågren [900]|ae12"}));
        QCOMPARE(app.count(), QStringLiteral("8 matches"));
        QTest::keyClicks(app.text(), "en");
        QCOMPARE(app.rows().size(), 6);
        QCOMPARE(app.list()->currentItem(), app.list()->topLevelItem(0));

        // Down moves through the list from the line; Enter chooses. The
        // province is in view: only the selection moves.
        QTest::keyClick(app.text(), Qt::Key_Down);
        QTest::keyClick(app.text(), Qt::Key_Down);
        QTest::keyClick(app.text(), Qt::Key_Up);
        QTest::keyClick(app.text(), Qt::Key_Down);
        QCOMPARE(app.list()->currentItem()->text(1), QStringLiteral("Greenport [C100]"));
        QTest::keyClick(app.text(), Qt::Key_Return);
        QVERIFY(!app.box()->isVisible());
        QCOMPARE(app.place(), (QList<double>{4, 2, 0, 0}));
        QCOMPARE(app.details().mid(0, 2), (QStringList{" Province (Plain) 0 Peasants", "    [ab 04] Greenvale"}));

        // Opened again, the text is selected: typing replaces it. A double
        // click chooses; a province out of view is brought to the middle.
        entry->trigger();
        QVERIFY(app.box()->isVisible());
        QCOMPARE(app.text()->selectedText(), QStringLiteral("green"));
        QTest::keyClicks(app.text(), "farh");
        QCOMPARE(app.rows(), QStringList{"Province|Farhold|dl80"});
        QCOMPARE(app.count(), QStringLiteral("1 match"));
        QTreeWidget* list = app.list();
        doubleClick(list->viewport(), list->visualItemRect(list->topLevelItem(0)).center());
        QVERIFY(!app.box()->isVisible());
        QCOMPARE(app.place(), (QList<double>{80, 90, 65, 74}));
        QCOMPARE(app.field(QStringLiteral("Text1")), QStringLiteral("65"));
        QCOMPARE(app.details().mid(0, 2), (QStringList{" Province (Plain) 0 Peasants", "    [dl 80] Farhold"}));
    }

    void followsEditsOfTheMap()
    {
        App app;
        app.find(QStringLiteral("findmn"))->trigger();
        QTest::keyClicks(app.text(), "greenvale");
        QTest::keyClick(app.text(), Qt::Key_Return);
        app.all(QStringLiteral("mnOptions")).at(5)->trigger(); // change mode
        app.find<QLineEdit>(QStringLiteral("TxtProvName"))->setText(QStringLiteral("Bluevale"));
        app.find<QPushButton>(QStringLiteral("CmdUpdProv"))->click();
        app.find(QStringLiteral("findmn"))->trigger();
        QCOMPARE(app.rows(), QStringList());
        QTest::keyClicks(app.text(), "vale");
        QCOMPARE(app.rows(), QStringList{"Province|Bluevale|ab04"});
    }

    void badTextsAndEscapeChangeNothing()
    {
        App app;
        app.find(QStringLiteral("findmn"))->trigger();
        QTest::keyClicks(app.text(), "%");
        QCOMPARE(app.rows(), QStringList{"Province|50% Marsh_Land|ae11"});
        QTest::keyClicks(app.text(), "_'\"Å");
        QCOMPARE(app.rows(), QStringList());
        QCOMPARE(app.count(), QStringLiteral("No match."));
        // Enter with nothing listed chooses nothing; Escape closes.
        QTest::keyClick(app.text(), Qt::Key_Return);
        QVERIFY(app.box()->isVisible());
        QTest::keyClick(app.text(), Qt::Key_Escape);
        QVERIFY(!app.box()->isVisible());
        QCOMPARE(app.place(), (QList<double>{0, 1, 0, 0}));
        QCOMPARE(queryRows(app.state.game.CurrentDBName, "SELECT COUNT(*) FROM PROVINCIAS"), QStringList{"8"});

        // The window closes with the map, and does not open without one.
        app.find(QStringLiteral("findmn"))->trigger();
        app.find(QStringLiteral("cloMap"))->trigger();
        QVERIFY(!app.box()->isVisible());
        app.find(QStringLiteral("findmn"))->trigger();
        QVERIFY(!app.box()->isVisible());
    }
};

QTEST_MAIN(FindWindowTest)
#include "FindWindowTest.moc"
