#include "DatabaseCaption.h"

namespace arvenna {

QString databaseMenuCaption(const QString& description, const QString& fileName)
{
    return description + QStringLiteral(" [") + fileName + QLatin1Char(']');
}

std::optional<QString> fileNameFromCaption(const QString& caption)
{
    const qsizetype open = caption.indexOf(QLatin1Char('['));
    if (open < 0)
        return std::nullopt;
    return caption.mid(open + 1, std::max<qsizetype>(0, caption.size() - open - 2));
}

QString descriptionFromCaption(const QString& caption)
{
    return caption.left(caption.indexOf(QLatin1Char('['))).trimmed();
}

} // namespace arvenna
