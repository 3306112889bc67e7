#include "ImportedValue.h"

#include <QLocale>

#include <cmath>

namespace arvenna {

namespace {
QVariant wholeNumber(const QVariant& value)
{
    bool ok = false;
    if (value.typeId() == QMetaType::LongLong)
        return value;
    if (value.typeId() == QMetaType::QString) {
        const qint64 number = value.toString().trimmed().toLongLong(&ok);
        if (ok)
            return number;
    }
    const double number = value.toDouble(&ok);
    // A fraction, or a number no 64-bit whole number holds, is not converted.
    if (!ok || std::trunc(number) != number || !(std::fabs(number) < 9.2e18))
        return {};
    return qint64(number);
}

QVariant realNumber(const QVariant& value)
{
    bool ok = false;
    const double number = value.typeId() == QMetaType::QString ? value.toString().trimmed().toDouble(&ok)
                                                               : value.toDouble(&ok);
    return ok ? QVariant(number) : QVariant();
}
} // namespace

QVariant columnValue(const QVariant& value, const QString& declaredType)
{
    if (value.isNull())
        return {};
    const QString type = declaredType.toUpper();
    if (type.contains(QLatin1String("INT")))
        return wholeNumber(value);
    if (type.contains(QLatin1String("REAL")) || type.contains(QLatin1String("FLOA"))
        || type.contains(QLatin1String("DOUB")))
        return realNumber(value);
    if (value.typeId() == QMetaType::Double)
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    return value.toString();
}

} // namespace arvenna
