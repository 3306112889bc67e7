#pragma once

#include "find/FindIndex.h"

#include <QObject>
#include <QPointer>
#include <optional>

class QWidget;

namespace arvenna {

struct AppState;
class FindWindow;

// "Find...": the find window over the open map. The map's index is made
// when the window first searches it and kept until the map is loaded again,
// edited or closed.
class FindController : public QObject {
    Q_OBJECT
public:
    // The window is owner's child.
    FindController(AppState& state, QWidget* owner);

    void openWindow();
    // The map was loaded or edited: the index goes, an open window searches anew.
    void mapChanged();
    // The window closes with the map it searches.
    void closeWindow();

signals:
    // A match was chosen: the province of this code is to be shown.
    void provinceChosen(const QString& code);

private:
    void search(const QString& text);

    AppState& state_;
    QWidget* owner_;
    QPointer<FindWindow> window_;
    std::optional<FindIndex> index_;
};

} // namespace arvenna
