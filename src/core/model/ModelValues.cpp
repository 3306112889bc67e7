#include "ModelValues.h"

#include "database/DatabaseError.h"

#include <limits>

namespace arvenna {

namespace {
template <typename Whole>
Whole checkedWhole(const QVariant& value, const QString& field)
{
    if (value.isNull())
        return 0;
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (!ok || number < std::numeric_limits<Whole>::min() || number > std::numeric_limits<Whole>::max())
        throw DatabaseError(QStringLiteral("Overflow: the field '%1' holds '%2', which is not a whole number from %3 to %4.")
                                .arg(field, value.toString())
                                .arg(std::numeric_limits<Whole>::min())
                                .arg(std::numeric_limits<Whole>::max()));
    return Whole(number);
}
} // namespace

qint16 toInteger(const QVariant& value, const QString& field)
{
    return checkedWhole<qint16>(value, field);
}

qint32 toLong(const QVariant& value, const QString& field)
{
    return checkedWhole<qint32>(value, field);
}

QString formatTwoDigits(const QString& text)
{
    bool ok = false;
    const qlonglong number = text.trimmed().toLongLong(&ok);
    if (!ok)
        return text;
    const QString written = QString::number(number);
    if (number < 0)
        return QLatin1Char('-') + written.mid(1).rightJustified(2, QLatin1Char('0'));
    return written.rightJustified(2, QLatin1Char('0'));
}

} // namespace arvenna
