#pragma once

#include "ScriptedDialogue.h"
#include "TestHome.h"
#include "shell/AppState.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QtTest>
#include <algorithm>
#include <memory>

namespace arvenna {

QStringList texts(const QList<QAction*>& actions);
QStringList lines(const QListWidget* list);

// The desktop program started on a throw-away program directory holding
// both game databases (the main game's with the rows of world, when given),
// driven as a player would.
struct Started {
    TestHome home;
    AppState state;
    ScriptedDialogue dialogue;
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<MainWindow> window;

    explicit Started(const QByteArray& config = QByteArray(), const QString& world = QString());

    template <typename T = QAction>
    T* find(const QString& name) const
    {
        T* child = window->findChild<T*>(name);
        if (!child)
            qFatal("no child named %s", qPrintable(name));
        return child;
    }
    // The entries of a run-time list or the widgets of a control array, by index.
    template <typename T = QAction>
    QList<T*> all(const QString& name) const
    {
        QList<T*> children = window->findChildren<T*>(name);
        std::sort(children.begin(), children.end(),
                  [](T* a, T* b) { return a->property("index").toInt() < b->property("index").toInt(); });
        return children;
    }
    QString field(const QString& name) const { return find<QLineEdit>(name)->text(); }
    QStringList details() const { return lines(find<QListWidget>(QStringLiteral("LstShowDet"))); }
    bool shows(const QString& name) const { return find<QWidget>(name)->isVisibleTo(window.get()); }
};

} // namespace arvenna
