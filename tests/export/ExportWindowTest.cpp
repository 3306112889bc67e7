// The export window and "Create Clean Database", driven from the main window's menus.
#include "StartedProgram.h"
#include "SmallWorld.h"
#include "export/ExportWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

using namespace arvenna;

namespace {
struct ExportProgram : Started {
    ExportProgram() : Started(QByteArray(), smallWorldSql()) {}

    QAction* action(const QString& name) const { return window->findChild<QAction*>(name); }
    QStringList games() const
    {
        QStringList captions;
        for (const QAction* entry : window->findChildren<QAction*>(QStringLiteral("RepHead")))
            captions << entry->text();
        return captions;
    }
};

ExportWindow* exportWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<ExportWindow*>(widget); window && window->isVisible())
            return window;
    }
    return nullptr;
}

template <typename T>
T* part(QWidget* window, const QString& name, int index)
{
    for (T* child : window->findChildren<T*>(name)) {
        if (child->property("index").toInt() == index)
            return child;
    }
    return nullptr;
}

void retype(QWidget* window, const QString& box, const QString& text)
{
    auto* field = window->findChild<QLineEdit*>(box);
    field->clear();
    QTest::keyClicks(field, text);
}
} // namespace

class ExportWindowTest : public QObject {
    Q_OBJECT
private slots:
    void exportsTheOpenMapFromTheWindow()
    {
        ExportProgram app;
        app.window->findChildren<QAction*>(QStringLiteral("RepHead")).constFirst()->trigger();
        QVERIFY(app.state.game.isOpen());
        app.action(QStringLiteral("GenHTMLMAp"))->trigger();
        ExportWindow* window = exportWindow();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("Export Preferences"));
        const auto text = [&](const QString& name) { return window->findChild<QLineEdit*>(name)->text(); };
        const auto label = [&](const QString& name) { return window->findChild<QLabel*>(name)->text(); };
        QCOMPARE((QStringList{text("FileName"), text("TxtHorzCoord"), text("TxtVertCoord"), label("LblValidHorzCoord"),
                              label("LblValidVertCoord")}),
                 (QStringList{"OutMap.html", "00", "aa", "(Valid from 00 to 05)", "(Valid from aa to ac)"}));
        QAction* savset = window->findChild<QAction*>(QStringLiteral("savset"));
        QVERIFY(!savset->isEnabled());

        // The skulls switch the options.
        for (int i : {0, 2, 3})
            part<QToolButton>(window, QStringLiteral("ImgParseOptions"), i)->click();
        QStringList skulls;
        for (int i = 0; i < 4; ++i)
            skulls << part<QToolButton>(window, QStringLiteral("ImgParseOptions"), i)->property("picture").toString()
                          + (part<QCheckBox>(window, QStringLiteral("Check1"), i)->isChecked() ? " on" : " off");
        QCOMPARE(skulls, (QStringList{"redSkull.ico off", "greenSkull.ico on", "redSkull.ico off", "redSkull.ico off"}));

        // Typing enables "Save Settings"; a row below the surface is not kept.
        retype(window, QStringLiteral("TxtHorzCoord"), QStringLiteral("5"));
        QVERIFY(savset->isEnabled());
        retype(window, QStringLiteral("TxtVertCoord"), QStringLiteral("ea"));
        savset->trigger();
        QVERIFY(!savset->isEnabled());
        QCOMPARE(text("TxtHorzCoord") + text("TxtVertCoord"), QStringLiteral("05aa"));
        retype(window, QStringLiteral("TxtHorzCoord"), QStringLiteral("99"));
        retype(window, QStringLiteral("TxtVertCoord"), QStringLiteral("ab"));
        savset->trigger();
        QCOMPARE(text("TxtHorzCoord") + text("TxtVertCoord"), QStringLiteral("05ab"));

        app.state.RepsDirectory = app.home.path();
        window->findChild<QAction*>(QStringLiteral("Exporthtml"))->trigger();
        QCOMPARE(pageLines(fileBytes(app.home.file(QStringLiteral("OutMap.html")))),
                 expectedPage(QStringLiteral("start-05-ab-cities.html")));
        QCOMPARE(app.dialogue.texts(),
                 QStringList{"Export completed, the file was created in the working directory: ["
                             + QDir::toNativeSeparators(app.home.file(QStringLiteral("OutMap.html"))) + "]"});

        app.action(QStringLiteral("cloMap"))->trigger();
        QVERIFY(!exportWindow());
    }

    void aCreatedDatabaseIsListedAtOnce()
    {
        ExportProgram app;
        QVERIFY(app.action(QStringLiteral("crtnewdb"))->isEnabled());
        app.dialogue.textAnswers << QStringLiteral("Game7") << QStringLiteral("g") << QStringLiteral("7");
        app.action(QStringLiteral("crtnewdb"))->trigger();
        QCOMPARE(app.games(), (QStringList{"Arvenna G2 [Arvenna.mdb]", "Arvenna G7 [Game7.MDB]",
                                           "QVR game 1 [Quorvane.mdb]"}));
    }
};

QTEST_MAIN(ExportWindowTest)
#include "ExportWindowTest.moc"
