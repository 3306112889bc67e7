#include "MainMenus.h"

#include "view/DisplayModes.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace arvenna {

namespace {
QMenu* namedMenu(QMenu* parent, const QString& name, const QString& caption)
{
    QMenu* menu = parent->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

QAction* namedAction(QMenu* parent, const QString& name, const QString& caption)
{
    QAction* action = parent->addAction(caption);
    action->setObjectName(name);
    return action;
}
} // namespace

MainMenus::MainMenus(QMenuBar* bar)
{
    FileMn00 = bar->addMenu(QStringLiteral("&Database"));
    FileMn00->setObjectName(QStringLiteral("FileMn00"));
    repHeadEnd = FileMn00->addSeparator();
    dbtools = namedMenu(FileMn00, QStringLiteral("dbtools"), QStringLiteral("Database &Tools"));
    crtnewdb = namedAction(dbtools, QStringLiteral("crtnewdb"), QStringLiteral("Create Clean &Database"));
    namedAction(dbtools, QStringLiteral("importdb"), QStringLiteral("&Import Access Game..."));
    RepDB = namedMenu(dbtools, QStringLiteral("RepDB"), QStringLiteral("&Repair DataBase"));
    compdb = namedMenu(dbtools, QStringLiteral("compdb"), QStringLiteral("Com&pact Database"));
    FileMn00->addSeparator();
    cloMap = namedAction(FileMn00, QStringLiteral("cloMap"), QStringLiteral("&Close Map"));
    delbase = namedAction(FileMn00, QStringLiteral("delbase"), QStringLiteral("&Purge Database"));
    FileMn00->addSeparator();
    sair = namedAction(FileMn00, QStringLiteral("sair"), QStringLiteral("&Exit"));
    sair->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    arvtools = bar->addMenu(QStringLiteral("&Arvenna Tools"));
    arvtools->setObjectName(QStringLiteral("arvtools"));
    auto* modes = new QActionGroup(arvtools);
    for (const DisplayMode& mode : displayModes()) {
        QAction* action = namedAction(arvtools, QStringLiteral("mnOptions"), mode.caption);
        action->setProperty("index", int(mnOptions.size()));
        action->setCheckable(true);
        modes->addAction(action);
        mnOptions << action;
    }
    mnOptions.constFirst()->setChecked(true);
    fastRoute = namedAction(arvtools, QStringLiteral("fastRoute"), QStringLiteral("Fastest Route"));
    fastRoute->setCheckable(true);
    arvtools->addSeparator();
    findmn = namedAction(arvtools, QStringLiteral("findmn"), QStringLiteral("&Find..."));
    findmn->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    mnZoom = namedMenu(arvtools, QStringLiteral("mnZoom"), QStringLiteral("Zoom"));
    for (const char* caption : {"Entire Map", "[75x75] Big Map", "[50x50] Normal Map", "[30x30] Small Map",
                                "[15x15] Detail Map"}) {
        QAction* action = namedAction(mnZoom, QStringLiteral("MapSize"), QString::fromLatin1(caption));
        action->setProperty("index", int(MapSize.size()));
        action->setCheckable(true);
        MapSize << action;
    }
    GenHTMLMAp = namedAction(arvtools, QStringLiteral("GenHTMLMAp"), QStringLiteral("External Data"));
    arvtools->addSeparator();
    parworld = namedMenu(arvtools, QStringLiteral("parworld"), QStringLiteral("Paralel Worlds"));
    namedAction(parworld, QStringLiteral("underg"), QStringLiteral("&UnderGround"));
    namedAction(parworld, QStringLiteral("clouds"), QStringLiteral("&CloudLands"));
    namedAction(parworld, QStringLiteral("hades"), QStringLiteral("&Hades"));
    namedAction(parworld, QStringLiteral("faery"), QStringLiteral("&Faery"));
    arvtools->addSeparator();
    extapp = namedMenu(arvtools, QStringLiteral("extapp"), QStringLiteral("E&xternal Applications"));
    RepParser = namedAction(arvtools, QStringLiteral("RepParser"), QStringLiteral("Report &Parser"));
    undoproc = namedAction(arvtools, QStringLiteral("undoproc"), QStringLiteral("&Undo Last Processing"));
    undoproc->setEnabled(false);

    ajuda = bar->addMenu(QStringLiteral("&Help"));
    ajuda->setObjectName(QStringLiteral("ajuda"));
    snh = namedAction(ajuda, QStringLiteral("snh"), QStringLiteral("Sorry, No Help yet"));
    ajuda->addSeparator();
    abtmn = namedAction(ajuda, QStringLiteral("abtmn"), QStringLiteral("About"));
}

QList<QAction*> rebuildMenuList(QMenu* menu, QList<QAction*>& entries, const QStringList& captions,
                                const QString& listName, QAction* before)
{
    qDeleteAll(entries);
    entries.clear();
    for (const QString& caption : captions) {
        auto* action = new QAction(caption, menu);
        action->setObjectName(listName);
        action->setProperty("index", int(entries.size()));
        menu->insertAction(before, action);
        entries << action;
    }
    return entries;
}

} // namespace arvenna
