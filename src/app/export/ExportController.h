#pragma once

#include <QObject>
#include <QPointer>

namespace arvenna {

struct AppState;
class ExportWindow;
class UserDialogue;

// "External Data": the export window over the open map, its export to the
// reports directory and its "Save Settings".
class ExportController : public QObject {
    Q_OBJECT
public:
    ExportController(AppState& state, UserDialogue& dialogue, QObject* parent = nullptr);
    ~ExportController() override;

    void openWindow();
    // The window closes with the map it shows.
    void closeWindow();

private:
    void exportMap();
    void saveSettings();

    AppState& state_;
    UserDialogue& dialogue_;
    QPointer<ExportWindow> window_;
};

} // namespace arvenna
