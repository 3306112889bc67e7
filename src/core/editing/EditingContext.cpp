#include "EditingContext.h"

#include "model/MapModel.h"
#include "shell/UserDialogue.h"
#include "view/ProvinceLookup.h"

#include <QtMath>

namespace arvenna {

QString EditingContext::cellKey() const
{
    const QString row = rowCode(model, qFloor(cell.Y));
    return row.isEmpty() ? QString() : row + twoDigitColumn(qFloor(cell.X));
}

ClassProvincia& EditingContext::province() const
{
    ClassProvincia* found = model.Provinces.find(cellKey());
    return found ? *found : model.Provinces.Item(CollectProvincia::kFallbackKey);
}

void criticalWarning(UserDialogue& dialogue, const QString& text)
{
    dialogue.inform(QStringLiteral("Critical Warning"), text, MessageIcon::Critical);
}

void refuseUntilEmpty(UserDialogue& dialogue, const QString& text, MessageIcon icon)
{
    dialogue.inform(QStringLiteral("Confirmation"), text, icon);
}

bool confirmed(UserDialogue& dialogue, const QString& text)
{
    return dialogue.ask(QStringLiteral("Confirmation"), text, MessageIcon::None, DialogueButtons::OkCancelKeep)
           == DialogueAnswer::Ok;
}

void reportNotStored(UserDialogue& dialogue, const QString& what, const QString& reason)
{
    dialogue.inform(kProgramTitle, what + QStringLiteral(" was not stored; the map is unchanged.\n") + reason,
                    MessageIcon::Critical);
}

std::optional<qint16> typedWholeNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return qint16(0);
    bool ok = false;
    const qint16 number = trimmed.toShort(&ok);
    return ok ? std::optional<qint16>(number) : std::nullopt;
}

} // namespace arvenna
