#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QAction;
class QMenu;
class QMenuBar;
class QObject;

namespace arvenna {

// The menu bar of the main window. Objects carry the names players and tests
// know them by ("cloMap", "RepHead", ...); entries of a run-time list share
// their list's name and keep their position in the property "index".
struct MainMenus {
    explicit MainMenus(QMenuBar* bar);

    QMenu* FileMn00;
    QAction* repHeadEnd;    // the separator after the database entries
    QMenu* dbtools;
    QAction* crtnewdb;
    QMenu* RepDB;
    QMenu* compdb;
    QAction* cloMap;
    QAction* delbase;
    QAction* sair;

    QMenu* arvtools;
    QList<QAction*> mnOptions;
    QMenu* mnZoom;
    QList<QAction*> MapSize;
    QAction* fastRoute; // "Fastest Route", a check entry for travel mode
    QAction* findmn;    // "Find...": a province, place or character by code, number or name
    QAction* GenHTMLMAp;
    QMenu* parworld;
    QMenu* extapp;
    QAction* RepParser;
    QAction* undoproc;

    QMenu* ajuda;
    QAction* snh;
    QAction* abtmn;

    QList<QAction*> RepHead;
    QList<QAction*> RepDBItem;
    QList<QAction*> CompDBItem;
    QList<QAction*> externDinamApp;
};

// The entries of a run-time list become one action per caption, in order.
QList<QAction*> rebuildMenuList(QMenu* menu, QList<QAction*>& entries, const QStringList& captions,
                                const QString& listName, QAction* before = nullptr);

} // namespace arvenna
