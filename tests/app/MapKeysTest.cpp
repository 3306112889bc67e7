// Moving around the map by keyboard, in the shown window, as a player would.
#include "StartedProgram.h"
#include "view/MapWindowWidget.h"

#include <QLineEdit>
#include <QtTest>

using namespace arvenna;

namespace {
// A plain at ab 1 and a tunnel below the surface at ea 40.
const QString kWorld = QStringLiteral("INSERT INTO PROVINCIAS (PROVINCIAID, PROVINCIANAME, XORD, YORD, TERRAINID) VALUES"
                                      " (1, 'Start', 1, 2, 4), (2, 'Deep Way', 40, 101, 11);");

struct ShownApp : Started {
    QWidget* map = find<MapWindowWidget>(QStringLiteral("Picture1a"));

    ShownApp() : Started(QByteArray(), kWorld)
    {
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qFatal("the main window is not shown");
    }
    ~ShownApp()
    {
        dialogue.answers.enqueue(DialogueAnswer::Ok);
        window->close();
    }
    // First column, first row and cells a side, as the fields under the map show them.
    QStringList place() const
    {
        const QList<QLineEdit*> origin = all<QLineEdit>(QStringLiteral("Text1"));
        return {origin.at(0)->text(), origin.at(1)->text(), field(QStringLiteral("Text3"))};
    }
    // Presses a key count times and gives the place then.
    QStringList press(Qt::Key key, int count = 1) const
    {
        for (int i = 0; i < count; ++i)
            QTest::keyClick(map, key);
        return place();
    }
};
} // namespace

class MapKeysTest : public QObject {
    Q_OBJECT

private slots:
    void keysMoveTheWindow()
    {
        ShownApp app;
        QCOMPARE(app.press(Qt::Key_Down), (QStringList{"", "", ""})); // no map open: nothing
        app.all(QStringLiteral("RepHead")).at(0)->trigger();
        QVERIFY(app.map->focusPolicy() & Qt::TabFocus);

        // The arrows move one column or row as the arrow buttons do, back and forth.
        QCOMPARE(app.press(Qt::Key_Right), (QStringList{"1", "0", "30"}));
        QCOMPARE(app.press(Qt::Key_Down, 2), (QStringList{"1", "2", "30"}));
        QCOMPARE(app.press(Qt::Key_Up), (QStringList{"1", "1", "30"}));
        QCOMPARE(app.press(Qt::Key_Left, 3), (QStringList{"0", "1", "30"}));
        // Page Up and Down a screen of rows, Home and End a screen of columns.
        QCOMPARE(app.press(Qt::Key_PageDown), (QStringList{"0", "31", "30"}));
        QCOMPARE(app.press(Qt::Key_End), (QStringList{"30", "31", "30"}));
        QCOMPARE(app.press(Qt::Key_Home), (QStringList{"0", "31", "30"}));
        QCOMPARE(app.press(Qt::Key_PageUp, 2), (QStringList{"0", "0", "30"}));

        // A walk down to the grid's last row, 120, below the surface, and back.
        QCOMPARE(app.press(Qt::Key_PageDown, 5), (QStringList{"0", "90", "30"}));
        QCOMPARE(app.press(Qt::Key_Down), (QStringList{"0", "90", "30"}));
        QCOMPARE(app.state.view.YEnd(), 120);
        QCOMPARE(app.press(Qt::Key_Up), (QStringList{"0", "89", "30"}));
        QCOMPARE(app.press(Qt::Key_Down), (QStringList{"0", "90", "30"}));

        // + and - choose the next zoom as the zoom menu does; none past either end.
        QCOMPARE(app.press(Qt::Key_Plus), (QStringList{"0", "0", "15"}));
        QVERIFY(app.all(QStringLiteral("MapSize")).at(4)->isChecked());
        QCOMPARE(app.press(Qt::Key_Plus), (QStringList{"0", "0", "15"}));
        QCOMPARE(app.press(Qt::Key_PageDown, 8), (QStringList{"0", "105", "15"}));
        QCOMPARE(app.press(Qt::Key_End, 7), (QStringList{"85", "105", "15"}));
        QCOMPARE(app.press(Qt::Key_Minus), (QStringList{"0", "0", "30"}));
        QCOMPARE(app.press(Qt::Key_Minus, 4), (QStringList{"0", "0", "100"}));
        QCOMPARE(app.press(Qt::Key_Equal), (QStringList{"0", "0", "75"}));
        QCOMPARE(app.press(Qt::Key_PageDown, 2), (QStringList{"0", "45", "75"}));

        // A key moving the window drops a route's marks but not its lines.
        app.press(Qt::Key_Minus);
        app.all(QStringLiteral("mnOptions")).at(1)->trigger();
        app.press(Qt::Key_Plus, 2);
        const MapView& view = app.state.view;
        const QPointF start = view.cellRect({1, 2}).center();
        const QPointF end = view.cellRect({3, 2}).center();
        emit qobject_cast<MapWindowWidget*>(app.map)->mapPressed(start, Qt::LeftButton);
        emit qobject_cast<MapWindowWidget*>(app.map)->mapReleased(end);
        const QStringList route = app.details();
        QCOMPARE(route.mid(3, 1), QStringList{"Travel From [ab 01]"});
        QVERIFY(view.route.shape10Visible);
        app.press(Qt::Key_Right);
        QVERIFY(!view.route.shape10Visible && !view.route.line1Visible);
        QCOMPARE(app.details(), route);
        QCOMPARE(app.dialogue.shown.size(), 0);
    }
};

QTEST_MAIN(MapKeysTest)
#include "MapKeysTest.moc"
