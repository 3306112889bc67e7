// Travel routes and navigation driven through the window's own mouse and
// key handlers, as a player would.
#include "StartedProgram.h"
#include "travel/TravelController.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <utility>

using namespace arvenna;

namespace {
// Start on ab 1 with plains east of it and a mountain north-east.
const QString kWorld = QStringLiteral(
    "INSERT INTO PROVINCIAS (PROVINCIAID, PROVINCIANAME, XORD, YORD, TERRAINID) VALUES"
    " (1, 'Start', 1, 2, 4), (2, 'Greenvale', 2, 2, 4), (3, 'East', 3, 2, 4), (4, 'Peak', 2, 1, 6),"
    " (5, 'Meadow', 3, 1, 4), (6, 'Deep Way', 40, 101, 11);");

struct App : Started {
    QWidget* map = window->findChild<QWidget*>(QStringLiteral("Picture1a"));
    QWidget* overview = window->findChild<QWidget*>(QStringLiteral("Picture1"));

    App() : Started(QByteArray(), kWorld) {}
    QAction* entry(const QString& name, int index = -1) const
    {
        QList<QAction*> all = window->findChildren<QAction*>(name);
        if (index < 0)
            return all.value(0);
        const auto at = std::find_if(all.begin(), all.end(),
                                     [index](QAction* a) { return a->property("index").toInt() == index; });
        return at == all.end() ? nullptr : *at;
    }
    void open() const { entry(QStringLiteral("RepHead"), 0)->trigger(); }
    QListWidget* list() const { return window->findChild<QListWidget*>(QStringLiteral("LstShowDet")); }
    QString origin(int axis) const
    {
        QList<QLineEdit*> fields = window->findChildren<QLineEdit*>(QStringLiteral("Text1"));
        return fields.at(fields.at(0)->property("index").toInt() == axis ? 0 : 1)->text();
    }
};

// The pixel at the middle of a cell of the map widget at the opening zoom
// (20 pixels a cell, the map picture 17 pixels from the widget's corner).
QPoint cell(int column, int row)
{
    return {17 + column * 20 + 10, 17 + (row - 1) * 20 + 10};
}

void mouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), type == QEvent::MouseMove ? Qt::NoButton : button,
                      held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void drag(QWidget* widget, QPoint from, QPoint to)
{
    mouse(widget, QEvent::MouseButtonPress, from);
    mouse(widget, QEvent::MouseMove, to);
    mouse(widget, QEvent::MouseButtonRelease, to);
}

const QStringList kStartDetails{" Province (Plain) 0 Peasants", "    [ab 01] Start", "", "Travel From [ab 01]"};
} // namespace

class TravelWindowTest : public QObject {
    Q_OBJECT

private slots:
    void dragPlansARoute()
    {
        App app;
        mouse(app.map, QEvent::MouseButtonPress, cell(1, 2)); // no map open: nothing happens
        mouse(app.map, QEvent::MouseButtonRelease, cell(1, 2));
        app.open();
        QAction* fastest = app.entry(QStringLiteral("fastRoute"));
        QVERIFY(!fastest->isEnabled());
        app.entry(QStringLiteral("mnOptions"), 1)->trigger();
        QVERIFY(fastest->isEnabled());

        // The band follows the mouse from the press; the start line is selected.
        mouse(app.map, QEvent::MouseButtonPress, cell(1, 2));
        QCOMPARE(app.details(), kStartDetails);
        QCOMPARE(app.list()->currentRow(), 3);
        mouse(app.map, QEvent::MouseButtonPress, cell(2, 2));
        QVERIFY(!app.state.view.route.started); // a second press cancels
        mouse(app.map, QEvent::MouseButtonPress, cell(1, 2));
        mouse(app.map, QEvent::MouseButtonRelease, cell(1, 2) + QPoint(5, 5));
        QCOMPARE(app.details(), kStartDetails.mid(0, 3)); // released on the start cell
        mouse(app.map, QEvent::MouseButtonPress, cell(1, 2));
        mouse(app.map, QEvent::MouseButtonPress, cell(1, 2), Qt::RightButton);
        app.window->findChild<QMenu*>(QStringLiteral("delProvMn"))->hide();
        QVERIFY(!app.state.view.route.started && !app.state.view.route.line1Visible);

        mouse(app.map, QEvent::MouseButtonPress, cell(1, 2));
        mouse(app.map, QEvent::MouseButtonPress, QPoint(5, 5)); // on the ruler: not on the map
        mouse(app.map, QEvent::MouseButtonPress, QPoint(5, 5), Qt::RightButton);
        QVERIFY(app.state.view.route.started);
        mouse(app.map, QEvent::MouseMove, cell(3, 1));
        QCOMPARE(app.state.view.route.Line1.p2(), QPointF(cell(3, 1) - QPoint(17, 17)) * 15);
        QVERIFY(app.state.view.route.line1Visible);
        mouse(app.map, QEvent::MouseButtonRelease, cell(3, 1));
        QCOMPARE(app.details(), kStartDetails + QStringList({"      to [ab 2] 7 Days (4)", "      to [aa 2] 10 Days (5)",
                                                             "      to [aa 3] 7 Days (4)", " Total travel days 24",
                                                             " Total travel days 13 (riding)"}));
        QVERIFY(app.state.view.route.shape10Visible);
        QCOMPARE(app.state.view.route.shape10Centre, app.state.view.route.Line1.p2());

        // Escape hides the marks and leaves the lines.
        QTest::keyClick(app.map, Qt::Key_Escape);
        QVERIFY(!app.state.view.route.shape10Visible && !app.state.view.route.line1Visible);
        QCOMPARE(app.details().size(), 9);

        // Fastest Route: the road by the plains.
        fastest->trigger();
        drag(app.map, cell(1, 2), cell(3, 1));
        QCOMPARE(app.details(), kStartDetails + QStringList({"      to [ab 2] 7 Days (4)", "      to [ab 3] 7 Days (4)",
                                                             "      to [aa 3] 7 Days (4)", " Total travel days 21",
                                                             " Total travel days 12 (riding)"}));
        drag(app.map, cell(1, 2), cell(5, 5));
        QCOMPARE(app.details(), kStartDetails + QStringList("No fastest route: [ae 5] is not discovered yet."));

        // Escape during a drag abandons the route; a mode change ends one too.
        mouse(app.map, QEvent::MouseButtonPress, cell(1, 2));
        QTest::keyClick(app.map, Qt::Key_Escape);
        mouse(app.map, QEvent::MouseButtonRelease, cell(3, 1));
        QCOMPARE(app.details(), kStartDetails);
        mouse(app.map, QEvent::MouseButtonPress, cell(1, 2));
        app.entry(QStringLiteral("mnOptions"), 0)->trigger();
        QVERIFY(!fastest->isEnabled());
        QCOMPARE(app.state.view.route, RouteMarks{});
        // In other modes a press selects.
        mouse(app.map, QEvent::MouseButtonPress, cell(2, 1));
        mouse(app.map, QEvent::MouseButtonRelease, cell(2, 1));
        QCOMPARE(app.details(), (QStringList{" Province (Mountain) 0 Peasants", "    [aa 02] Peak"}));
        QCOMPARE(app.dialogue.shown.size(), 0);
    }

    void overviewAndWorldsMoveTheWindow()
    {
        App app;
        app.open();
        // 200 pixels for 100 columns: the frame of 30 cells is 60 pixels.
        drag(app.overview, QPoint(50, 60), QPoint(50, 60));
        QCOMPARE((QStringList{app.origin(0), app.origin(1)}), (QStringList{"10", "15"}));
        drag(app.overview, QPoint(50, 60), QPoint(400, -300));
        QCOMPARE((QStringList{app.origin(0), app.origin(1)}), (QStringList{"70", "0"}));
        // A right release there offers the tools menu.
        auto* tools = app.window->findChild<QMenu*>(QStringLiteral("arvtools"));
        mouse(app.overview, QEvent::MouseButtonPress, QPoint(10, 10), Qt::RightButton);
        mouse(app.overview, QEvent::MouseButtonRelease, QPoint(10, 10), Qt::RightButton);
        QVERIFY(tools->isVisible());
        tools->hide();
        QCOMPARE((QStringList{app.origin(0), app.origin(1)}), (QStringList{"70", "0"}));

        const QList<QAction*> worlds = app.window->findChild<QMenu*>(QStringLiteral("parworld"))->actions();
        QVERIFY(worlds.at(0)->isEnabled());
        // The tunnel's row 101 is the window's eleventh: it ends at the grid's last row, 120.
        worlds.at(0)->trigger();
        QCOMPARE((QStringList{app.origin(0), app.origin(1)}), (QStringList{"25", "90"}));
        worlds.at(2)->trigger();
        QCOMPARE(app.dialogue.texts(), QStringList{"No province of Hades is known yet."});
        mouse(app.map, QEvent::MouseButtonPress, cell(15, 11));
        QCOMPARE(app.details(), (QStringList{" Province (Tunnel) 0 Peasants", "    [ea 40] Deep Way"}));
    }

    void queuedPressAndReleaseLeaveAStartOrNothing()
    {
        App app;
        app.open();
        app.entry(QStringLiteral("mnOptions"), 1)->trigger();
        // A quick click: press and release queued together, in the start cell
        // and then across to another cell.
        const auto click = [&](QPoint from, QPoint to) {
            QCoreApplication::postEvent(app.map, new QMouseEvent(QEvent::MouseButtonPress, QPointF(from),
                                                                 QPointF(app.map->mapToGlobal(from)), Qt::LeftButton,
                                                                 Qt::LeftButton, Qt::NoModifier));
            QCoreApplication::postEvent(app.map, new QMouseEvent(QEvent::MouseButtonRelease, QPointF(to),
                                                                 QPointF(app.map->mapToGlobal(to)), Qt::LeftButton,
                                                                 Qt::NoButton, Qt::NoModifier));
            QCoreApplication::sendPostedEvents();
        };
        click(cell(1, 2), cell(1, 2));
        QCOMPARE(app.details(), kStartDetails.mid(0, 3));
        const RouteMarks& marks = app.state.view.route;
        QCOMPARE((QList<bool>{marks.started, marks.line1Visible, marks.shape10Visible}), (QList<bool>{false, false, false}));
        click(cell(1, 2), cell(2, 2));
        QCOMPARE(app.details(), kStartDetails + QStringList({"      to [ab 2] 7 Days (4)", " Total travel days 7",
                                                             " Total travel days 4 (riding)"}));

        // Wherever the press lets pending events run, the release queued
        // behind it must find the start line: a controller whose dialogue
        // runs the release there, with the details list as plain lines.
        struct RunsPending : ScriptedDialogue {
            std::function<void()> pending;
            void letEventsRun() override
            {
                if (const std::function<void()> run = std::exchange(pending, {}))
                    run();
            }
        } dialogue;
        TravelController travel(app.state, dialogue);
        QStringList list;
        int selected = -1;
        connect(&travel, &TravelController::provinceInfoRequested, &travel, [&] {
            list = {QStringLiteral("details")};
            selected = -1;
        });
        connect(&travel, &TravelController::detailLinesAdded, &travel, [&](const QStringList& lines, bool selectLast) {
            list << lines;
            if (selectLast)
                selected = int(list.size()) - 1;
        });
        connect(&travel, &TravelController::lastDetailLineRemoved, &travel, [&] { list.removeLast(); });
        const auto twips = [](QPoint pixel) { return QPointF(pixel - QPoint(17, 17)) * 15; };
        for (const QPoint end : {cell(1, 2), cell(2, 2)}) {
            dialogue.pending = [&] { travel.releaseOnMap(twips(end), list.value(selected)); };
            travel.pressOnMap(twips(cell(1, 2)), Qt::LeftButton);
            if (dialogue.pending) // the press let nothing run: the release comes after it
                dialogue.letEventsRun();
        }
        QCOMPARE(list, (QStringList{"details", "", "Travel From [ab 01]", "      to [ab 2] 7 Days (4)",
                                    " Total travel days 7", " Total travel days 4 (riding)"}));
        QCOMPARE((QList<bool>{marks.started, marks.line1Visible, marks.shape10Visible}), (QList<bool>{false, true, true}));
    }

    void routeMarksGoWhenTheWindowMoves()
    {
        App app;
        app.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(app.window.get()));
        app.open();
        app.entry(QStringLiteral("mnOptions"), 1)->trigger();
        app.entry(QStringLiteral("fastRoute"))->trigger();
        drag(app.map, cell(1, 2), cell(3, 1));
        QCOMPARE(app.state.view.route.pathCells.size(), 3);
        const QStringList route = app.details();
        QCOMPARE(route.size(), 9);

        // The arrow button moves the window: the marks go, the lines stay.
        app.all<QToolButton>(QStringLiteral("Command1")).at(1)->click();
        QCOMPARE(app.origin(0), QStringLiteral("1"));
        QCOMPARE(app.state.view.route, (RouteMarks{false, app.state.view.route.Line1, false,
                                                   app.state.view.route.shape10Centre, false, {}}));
        QCOMPARE(app.details(), route);

        // A long route's totals are scrolled into view.
        app.entry(QStringLiteral("fastRoute"))->trigger();
        drag(app.map, cell(0, 2), cell(29, 30));
        QListWidget* list = app.list();
        QCOMPARE(list->count(), 3 + 1 + 57 + 2);
        QVERIFY(list->verticalScrollBar()->maximum() > 0);
        QCOMPARE(list->verticalScrollBar()->value(), list->verticalScrollBar()->maximum());
        QCOMPARE(list->currentRow(), 3); // the start line stays selected
        app.dialogue.answers.enqueue(DialogueAnswer::Ok);
        app.window->close();
    }

    void centredWhenFirstShown()
    {
        App app;
        app.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(app.window.get()));
        const QRect screen = app.window->screen()->geometry();
        const QRect frame = app.window->frameGeometry();
        // Within the window system's frame margins of the screen's centre.
        const QPoint offCentre = frame.center() - screen.center();
        QVERIFY2(qAbs(offCentre.x()) <= 2 && qAbs(offCentre.y()) <= 2, qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
        app.dialogue.answers.enqueue(DialogueAnswer::Ok);
        app.window->close();
    }
};

QTEST_MAIN(TravelWindowTest)
#include "TravelWindowTest.moc"
