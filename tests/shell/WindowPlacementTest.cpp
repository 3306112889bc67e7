// The main window opens whole on the screen it opens on, at any scale
// factor (this test also runs with QT_SCALE_FACTOR=2), and Ctrl+Q asks to
// exit as "Exit" does.
#include "StartedProgram.h"
#include "shell/WindowPlacement.h"
#include "view/MapWindowWidget.h"

#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QtTest>

using namespace arvenna;

class WindowPlacementTest : public QObject {
    Q_OBJECT

private slots:
    void firstGeometryFitsTheAvailableArea()
    {
        const QMargins frame(4, 30, 4, 4);
        // Room enough: the wanted size, centred with its frame.
        QCOMPARE(firstWindowGeometry(QSize(1100, 780), frame, QRect(0, 0, 1920, 1040)), QRect(410, 143, 1100, 780));
        // A 1366x768 screen with a panel: the height shrinks, the title bar stays on screen.
        QCOMPARE(firstWindowGeometry(QSize(1100, 780), frame, QRect(0, 27, 1366, 741)), QRect(133, 57, 1100, 707));
        // A second screen to the right, scaled by two: both sides shrink.
        QCOMPARE(firstWindowGeometry(QSize(1100, 780), frame, QRect(1366, 0, 960, 540)), QRect(1370, 30, 952, 506));
        QCOMPARE(firstWindowGeometry(QSize(1100, 780), QMargins(), QRect(0, 0, 800, 600)), QRect(0, 0, 800, 600));
    }

    void mainWindowOpensWholeOnTheScreen()
    {
        Started app;
        const QSize mapSize = app.find<MapWindowWidget>(QStringLiteral("Picture1a"))->size();
        app.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(app.window.get()));
        const QRect available = app.window->screen()->availableGeometry();
        QVERIFY2(available.contains(app.window->frameGeometry()),
                 qPrintable(QStringLiteral("window %1,%2 %3x%4 outside %5x%6")
                                .arg(app.window->frameGeometry().x())
                                .arg(app.window->frameGeometry().y())
                                .arg(app.window->frameGeometry().width())
                                .arg(app.window->frameGeometry().height())
                                .arg(available.width())
                                .arg(available.height())));
        const QMenuBar* bar = app.window->menuBar();
        QVERIFY(bar->isVisible());
        QVERIFY(available.contains(QRect(bar->mapToGlobal(QPoint(0, 0)), bar->size())));
        // The map keeps its cells; what does not fit scrolls.
        QCOMPARE(app.find<MapWindowWidget>(QStringLiteral("Picture1a"))->size(), mapSize);
        QCOMPARE(app.window->centralWidget(), app.find<QScrollArea>(QStringLiteral("MapScroller")));
    }

    void ctrlQAsksToExit()
    {
        Started app;
        QCOMPARE(app.find(QStringLiteral("sair"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        app.window->show();
        app.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(app.window.get()));
        app.dialogue.answers.enqueue(DialogueAnswer::Cancel);
        QTest::keyClick(app.window.get(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(app.dialogue.shown,
                 (QList<ScriptedDialogue::Shown>{{"Leaving so soon...?", "Are you sure?", MessageIcon::Question}}));
        QVERIFY(app.window->isVisible());
    }
};

QTEST_MAIN(WindowPlacementTest)
#include "WindowPlacementTest.moc"
