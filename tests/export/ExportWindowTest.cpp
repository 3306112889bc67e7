// The export window and "Create Clean Database", driven from the main window's menus.
#include "StartedProgram.h"
#include "SmallWorld.h"
#include "export/ExportWindow.h"
#include "export/HtmlMapPage.h"
#include "shell/WidgetDialogue.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
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

// Each option as the player sees it: the skull's text and picture, the check box, the label.
QStringList optionStates(QWidget* window)
{
    QStringList states;
    for (int i = 0; i < 4; ++i) {
        const auto* skull = part<QToolButton>(window, QStringLiteral("ImgParseOptions"), i);
        const auto* check = part<QCheckBox>(window, QStringLiteral("Check1"), i);
        states << QStringList{skull->text(), skull->property("picture").toString(),
                              check->isChecked() && check->isVisibleTo(window) ? "on" : "off",
                              part<QLabel>(window, QStringLiteral("LblParseOptions"), i)->text()}
                      .join(' ');
    }
    return states;
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

        // The skulls and the check boxes switch the options; without pictures
        // the skulls read "On" and "Off".
        for (int i : {0, 2})
            part<QToolButton>(window, QStringLiteral("ImgParseOptions"), i)->click();
        part<QCheckBox>(window, QStringLiteral("Check1"), 3)->click();
        QCOMPARE(optionStates(window), (QStringList{"Off redSkull.ico off Map Legend", "On greenSkull.ico on City Information",
                                                    "Off redSkull.ico off Inner Location Information",
                                                    "Off redSkull.ico off Full Province Information"}));
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("LblFileName"))->buddy(),
                 window->findChild<QLineEdit*>(QStringLiteral("FileName")));
        QStringList menus;
        for (const char* name : {"opt", "expmn"})
            menus << window->findChild<QMenu*>(QString::fromLatin1(name))->title();
        for (const char* name : {"Exporthtml", "savset", "sair"})
            menus << window->findChild<QAction*>(QString::fromLatin1(name))->text();
        QCOMPARE(menus, (QStringList{"&Options", "&Export...", "...to &HTML", "&Save Settings", "E&xit"}));

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
        QAction* exportHtml = window->findChild<QAction*>(QStringLiteral("Exporthtml"));
        const QString page = app.home.file(QStringLiteral("OutMap.html"));
        exportHtml->trigger();
        QCOMPARE(pageLines(fileBytes(page)), expectedPage(QStringLiteral("start-05-ab-cities.html")));

        // The boxes count without "Save Settings"; what the map lacks is refused.
        retype(window, QStringLiteral("TxtHorzCoord"), QStringLiteral("2"));
        retype(window, QStringLiteral("TxtVertCoord"), QStringLiteral("ac"));
        exportHtml->trigger();
        const QStringList fromTyped = pageLines(fileBytes(page));
        QCOMPARE(fromTyped, pageLines(htmlMapPage(app.state.model, exportSettings(2, 3, {false, true, false, false}))));
        QCOMPARE(fromTyped.at(fromTyped.indexOf("<map>") + 4), "    <TD WIDTH=\"1%\" VALIGN=\"TOP\"><p>02</p></TD>");
        QCOMPARE(settingRows(app.state.game.CurrentDBName), (QStringList{"STARTX=5", "STARTY=2"}));
        for (const auto& [column, row] : {std::pair{"99", "ab"}, std::pair{"05", "ea"}, std::pair{"05", "2"}}) {
            retype(window, QStringLiteral("TxtHorzCoord"), QString::fromLatin1(column));
            retype(window, QStringLiteral("TxtVertCoord"), QString::fromLatin1(row));
            exportHtml->trigger();
            QCOMPARE(text("TxtHorzCoord") + text("TxtVertCoord"), QStringLiteral("05ab"));
        }
        QCOMPARE(pageLines(fileBytes(page)), fromTyped);
        const QString written = "Export completed, the file was created in the working directory: ["
                                + QDir::toNativeSeparators(page) + "]";
        const QString ranges = ": columns (Valid from 00 to 05), rows (Valid from aa to ac).";
        QCOMPARE(app.dialogue.texts(),
                 (QStringList{written, written,
                              "The start \"99,ab\" is not a column and a surface row of the map" + ranges,
                              "The start \"05,ea\" is not a column and a surface row of the map" + ranges,
                              "The start \"05,2\" is not a column and a surface row of the map" + ranges}));

        app.action(QStringLiteral("cloMap"))->trigger();
        QVERIFY(!exportWindow());
    }

    void theSkullsShowTheirPictures()
    {
        TestHome home;
        QVERIFY(QDir(home.path()).mkdir(QStringLiteral("Pictures")));
        const QDir pictures(QStringLiteral(ARVENNA_TEST_DATA "/../data/pictures"));
        for (const QString& name : {QStringLiteral("greenSkull.ico"), QStringLiteral("redSkull.ico")})
            QVERIFY(QFile::copy(pictures.filePath(name), home.file(QStringLiteral("Pictures/") + name)));
        ExportWindow window(home.path());
        auto* skull = part<QToolButton>(&window, QStringLiteral("ImgParseOptions"), 2);
        QVERIFY(!skull->icon().isNull());
        QCOMPARE(skull->toolButtonStyle(), Qt::ToolButtonIconOnly);
        skull->click();
        QVERIFY(!skull->icon().isNull());
        QCOMPARE(optionStates(&window).at(2), QStringLiteral("Off redSkull.ico off Inner Location Information"));
        QCOMPARE(window.options(), (std::array<bool, 4>{true, true, false, true}));
    }

    void enterKeepsTheDataInQuestionsThatReplaceOrDelete()
    {
        WidgetDialogue dialogue;
        QList<DialogueAnswer> answers;
        for (DialogueButtons buttons : {DialogueButtons::YesNoKeep, DialogueButtons::OkCancelKeep,
                                        DialogueButtons::YesNo, DialogueButtons::OkCancel}) {
            QTimer::singleShot(0, [] {
                if (QWidget* box = QApplication::activeModalWidget())
                    QTest::keyClick(box, Qt::Key_Return);
            });
            answers << dialogue.ask(QStringLiteral("Copy Database"), QStringLiteral("File exists, replace?"),
                                    MessageIcon::Critical, buttons);
        }
        QCOMPARE(answers, (QList<DialogueAnswer>{DialogueAnswer::No, DialogueAnswer::Cancel, DialogueAnswer::Yes,
                                                 DialogueAnswer::Ok}));
    }

    void aCreatedDatabaseIsListedAtOnce()
    {
        ExportProgram app;
        QVERIFY(app.action(QStringLiteral("crtnewdb"))->isEnabled());
        app.dialogue.textAnswers << QStringLiteral("Game7") << QStringLiteral("g") << QStringLiteral("7");
        app.dialogue.answers << DialogueAnswer::Yes; // "Accept Copy ?"
        app.action(QStringLiteral("crtnewdb"))->trigger();
        QCOMPARE(app.games(), (QStringList{"Arvenna G2 [Arvenna.mdb]", "Arvenna G7 [Game7.MDB]",
                                           "QVR game 1 [Quorvane.mdb]"}));
    }
};

QTEST_MAIN(ExportWindowTest)
#include "ExportWindowTest.moc"
