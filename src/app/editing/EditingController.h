#pragma once

#include "editing/ProvinceEditing.h"

#include <QObject>
#include <functional>
#include <optional>

namespace arvenna {

struct AppState;
struct CityFrame;
struct InnerLocationFrame;
class UserDialogue;

// The maintenance frames' commands: each stores the frame's values through
// the core, repaints the selected cell and asks for the panel to be
// refreshed. With no map open the buttons do nothing.
class EditingController : public QObject {
    Q_OBJECT
public:
    EditingController(AppState& state, UserDialogue& dialogue, QObject* parent = nullptr);

    void updateProvince(const ProvinceFrame& frame);
    void deleteProvince();
    void copyProvince(const ProvinceFrame& frame);
    void pasteProvince(const ProvinceFrame& frame);
    void updateCity(const CityFrame& frame);
    void deleteCity();
    void updateInnerLocation(const InnerLocationFrame& frame, const QString& pickedLine);
    void deleteInnerLocation(const InnerLocationFrame& frame);
    // A line picked in the inner location list: its values for the frame.
    void pickInnerLine(const QString& code);

signals:
    // The selected cell changed and is repainted: the panel must show it anew.
    void provinceEdited();
    void pasteAvailable(bool available);
    void innerLocationPicked(const InnerLocationFrame& frame);

private:
    // The open map and its selected cell; nothing while no map is open.
    std::optional<EditingContext> openMap();
    void run(const std::function<CellRepaint(const EditingContext&)>& command);

    AppState& state_;
    UserDialogue& dialogue_;
    ProvinceClipboard clipboard_; // kept for the whole run
};

} // namespace arvenna
