#include "DatabaseCaption.h"

namespace arvenna {

QString databaseMenuCaption(const QString& description, const QString& fileName)
{
    return description + QStringLiteral(" [") + fileName + QLatin1Char(']');
}

QString descriptionFromCaption(const QString& caption, const QString& fileName)
{
    const QString trimmed = caption.trimmed();
    const QString end = QStringLiteral(" [") + fileName + QLatin1Char(']');
    if (trimmed.endsWith(end, Qt::CaseInsensitive))
        return trimmed.chopped(end.size()).trimmed();
    return trimmed.left(trimmed.indexOf(QLatin1Char('['))).trimmed();
}

} // namespace arvenna
