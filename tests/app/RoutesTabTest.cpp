// The Routes tab of the information panel, in the shown window, as a player uses it.
#include "StartedProgram.h"
#include "StoredRoutes.h"
#include "view/MapWindowWidget.h"

#include <QApplication>
#include <QLabel>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

using namespace arvenna;

namespace {
// Greenvale (ac02) on the surface with routes of every kind, one to a code
// the map lacks; Deep Way (ee40) below it; Farfield (cr60) far off, no routes known.
const QString kWorld =
    QStringLiteral("INSERT INTO PROVINCIAS (PROVINCIAID, PROVINCIANAME, XORD, YORD, TERRAINID) VALUES"
                   " (1, 'Greenvale', 2, 3, 4), (2, 'Deep Way', 40, 105, 11), (3, 'Farfield', 60, 70, 1);");
const QList<StoredRoute> kRoutes{
    {"ac02", "Down", "ee40", "Tunnel", 1, 24},   {"ac02", "West", "zz99", "Nowhere", 2, 20},
    {"ac02", "North", "ab02", "Plain", 7, 24},   {"ac02", "South", "ad02", "Mountain", QVariant(), 23},
    {"ac02", "East", "cr60", "Farfield", 8, 24}, {"ee40", "Up", "ac02", "Greenvale", 1, 24},
};

struct ShownApp : Started {
    QTreeWidget* routes = find<QTreeWidget>(QStringLiteral("LstRoutes"));

    ShownApp() : Started(QByteArray(), kWorld)
    {
        storeRoutes(home.file(QStringLiteral("Arvenna.mdb")), kRoutes);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qFatal("the main window is not shown");
        all(QStringLiteral("RepHead")).at(0)->trigger();
        find<QTabWidget>(QStringLiteral("TabInfo"))->setCurrentWidget(find<QWidget>(QStringLiteral("TabRoutes")));
    }
    ~ShownApp()
    {
        dialogue.answers.enqueue(DialogueAnswer::Ok);
        window->close();
    }
    // The tab's lines, columns joined by " | ".
    QStringList lines() const
    {
        QStringList result;
        for (int i = 0; i < routes->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = routes->topLevelItem(i);
            QStringList columns;
            for (int column = 0; column < item->columnCount(); ++column)
                columns << item->text(column);
            result << columns.join(QStringLiteral(" | "));
        }
        return result;
    }
    QPoint middleOf(int line) const { return routes->visualItemRect(routes->topLevelItem(line)).center(); }
    // A click of its own: after a double click's time.
    void click(int line) const
    {
        QTest::qWait(QApplication::doubleClickInterval());
        QTest::mouseClick(routes->viewport(), Qt::LeftButton, {}, middleOf(line));
    }
    // First column and row of the map window, and the selected province's line.
    QStringList place() const
    {
        const QList<QLineEdit*> origin = all<QLineEdit>(QStringLiteral("Text1"));
        return {origin.at(0)->text(), origin.at(1)->text(), details().value(1)};
    }
};
} // namespace

class RoutesTabTest : public QObject {
    Q_OBJECT

private slots:
    void linesLeadToTheirDestinations()
    {
        ShownApp app;
        QCOMPARE(app.find<QTabWidget>(QStringLiteral("TabInfo"))->tabText(1), QStringLiteral("Routes"));
        QVERIFY(app.shows(QStringLiteral("LblNoRoutes"))); // aa00 is selected at first
        QVERIFY(!app.shows(QStringLiteral("LstRoutes")));
        emit app.find<MapWindowWidget>(QStringLiteral("Picture1a"))
            ->mapPressed(app.state.view.cellRect({2, 3}).center(), Qt::LeftButton);
        const QTreeWidgetItem* header = app.routes->headerItem();
        QCOMPARE((QStringList{header->text(0), header->text(1), header->text(2), header->text(3)}),
                 (QStringList{"Direction", "To", "Days", "Turn"}));
        const QStringList greenvale{"North | Plain [ab02] | 7 days | 24", "East | Farfield [cr60] | 8 days | 24",
                                    "South | Mountain [ad02] | impassable | 23", "West | Nowhere [zz99] | 2 days | 20",
                                    "Down | Tunnel [ee40] | 1 day | 24"};
        QCOMPARE(app.lines(), greenvale);
        QVERIFY(app.shows(QStringLiteral("LstRoutes")));
        QVERIFY(!app.shows(QStringLiteral("LblNoRoutes")));

        // A destination the map lacks: said so, nothing else changes.
        app.click(3);
        QTRY_COMPARE(app.dialogue.texts(), QStringList{"There is no province \"zz99\" on this map."});
        QCOMPARE(app.place(), (QStringList{"0", "0", "    [ac 02] Greenvale"}));
        QCOMPARE(app.lines(), greenvale);

        // Down into the tunnels: the window moves below the surface. The
        // second press of a double click, on the list refilled by the
        // first, chooses nothing more.
        app.click(4);
        QCoreApplication::processEvents();
        QCOMPARE(app.place(), (QStringList{"25", "89", "    [ee 40] Deep Way"}));
        QCOMPARE(app.state.view.SelectedCoord, (MapCoord{40, 105}));
        QCOMPARE(app.lines(), QStringList{"Up | Greenvale [ac02] | 1 day | 24"});
        QTest::mousePress(app.routes->viewport(), Qt::LeftButton, {}, app.middleOf(0));
        QTest::mouseDClick(app.routes->viewport(), Qt::LeftButton, {}, app.middleOf(0));
        QTest::mouseRelease(app.routes->viewport(), Qt::LeftButton, {}, app.middleOf(0));
        QCoreApplication::processEvents();
        QCOMPARE(app.place(), (QStringList{"25", "89", "    [ee 40] Deep Way"}));

        // Enter on a line goes there as a click does.
        QTest::qWait(QApplication::doubleClickInterval());
        app.routes->setFocus();
        app.routes->setCurrentItem(app.routes->topLevelItem(0));
        QTest::keyClick(app.routes, Qt::Key_Return);
        QTRY_COMPARE(app.place(), (QStringList{"0", "0", "    [ac 02] Greenvale"}));
        QCOMPARE(app.lines(), greenvale);

        // Far off on the surface, a province of no known routes.
        app.click(1);
        QTRY_COMPARE(app.place(), (QStringList{"45", "54", "    [cr 60] Farfield"}));
        QCOMPARE(app.state.view.SelectedCoord, (MapCoord{60, 70}));
        QCOMPARE(app.find<QLabel>(QStringLiteral("LblNoRoutes"))->text(), QStringLiteral("No routes known."));
        QVERIFY(app.shows(QStringLiteral("LblNoRoutes")));
        QVERIFY(!app.shows(QStringLiteral("LstRoutes")));
        QCOMPARE(app.dialogue.shown.size(), 1);

        // Closing the map leaves no routes behind.
        app.find(QStringLiteral("cloMap"))->trigger();
        QCOMPARE(app.lines(), QStringList());
    }

    // In travel mode the details list keeps the route's lines; the tab still
    // follows the province a line leads to.
    void inTravelModeTheTabFollowsTheSelection()
    {
        ShownApp app;
        emit app.find<MapWindowWidget>(QStringLiteral("Picture1a"))
            ->mapPressed(app.state.view.cellRect({2, 3}).center(), Qt::LeftButton);
        app.all(QStringLiteral("mnOptions")).at(1)->trigger();
        const QStringList details = app.details();
        app.click(4);
        QTRY_COMPARE(app.lines(), QStringList{"Up | Greenvale [ac02] | 1 day | 24"});
        QCOMPARE(app.state.view.SelectedCoord, (MapCoord{40, 105}));
        QCOMPARE(app.details(), details);
    }
};

QTEST_MAIN(RoutesTabTest)
#include "RoutesTabTest.moc"
