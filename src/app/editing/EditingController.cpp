#include "EditingController.h"

#include "database/DatabaseError.h"
#include "editing/CityEditing.h"
#include "editing/InnerLocationEditing.h"
#include "shell/AppState.h"
#include "shell/UserDialogue.h"
#include "view/ProvinceLookup.h"

namespace arvenna {

EditingController::EditingController(AppState& state, UserDialogue& dialogue, QObject* parent)
    : QObject(parent), state_(state), dialogue_(dialogue)
{
}

std::optional<EditingContext> EditingController::openMap()
{
    if (!state_.game.isOpen() || !state_.view.MapOpen)
        return std::nullopt;
    return EditingContext{state_.game.CurrentConnection->DatabaseConnection(), state_.model, dialogue_,
                          state_.view.SelectedCoord};
}

void EditingController::run(const std::function<CellRepaint(const EditingContext&)>& command)
{
    const std::optional<EditingContext> context = openMap();
    if (!context)
        return;
    const CellRepaint repaint = command(*context);
    if (repaint == CellRepaint::None)
        return;
    state_.pictures.DrawProvinceCell(state_.model, state_.view, context->cell, provinceAt(state_.model, context->cell),
                                     repaint == CellRepaint::MapAndOverview);
    emit provinceEdited();
}

void EditingController::updateProvince(const ProvinceFrame& frame)
{
    run([&](const EditingContext& context) { return arvenna::updateProvince(context, frame); });
}

void EditingController::deleteProvince()
{
    run([](const EditingContext& context) { return arvenna::deleteProvince(context); });
}

void EditingController::copyProvince(const ProvinceFrame& frame)
{
    clipboard_ = arvenna::copyProvince(frame);
    emit pasteAvailable(clipboard_.canPaste());
}

void EditingController::pasteProvince(const ProvinceFrame& frame)
{
    run([&](const EditingContext& context) { return arvenna::pasteProvince(context, clipboard_, frame); });
}

void EditingController::updateCity(const CityFrame& frame)
{
    run([&](const EditingContext& context) { return arvenna::updateCity(context, frame); });
}

void EditingController::deleteCity()
{
    run([](const EditingContext& context) { return arvenna::deleteCity(context); });
}

void EditingController::updateInnerLocation(const InnerLocationFrame& frame, const QString& pickedLine)
{
    run([&](const EditingContext& context) { return arvenna::updateInnerLocation(context, frame, pickedLine); });
}

void EditingController::deleteInnerLocation(const InnerLocationFrame& frame)
{
    run([&](const EditingContext& context) { return arvenna::deleteInnerLocation(context, frame); });
}

void EditingController::pickInnerLine(const QString& code)
{
    const std::optional<EditingContext> context = openMap();
    if (!context)
        return;
    try {
        emit innerLocationPicked(arvenna::pickInnerLine(*context, code));
    } catch (const DatabaseError& error) {
        dialogue_.inform(kProgramTitle, error.message(), MessageIcon::Critical);
    }
}

} // namespace arvenna
