#include "EngineValues.h"

#include <QByteArray>
#include <QString>
#include <sqlite3.h>

namespace arvenna {

namespace {
template <typename T>
const T& held(const QVariant& value)
{
    return *static_cast<const T*>(value.constData());
}
} // namespace

// The common kinds are read straight from the variant: for the small
// statements of a processing run, the variant's general conversions would
// cost as much as the engine's own work.
int bindEngineValue(sqlite3_stmt* statement, int index, const QVariant& value, BoundText text)
{
    if (value.isNull())
        return sqlite3_bind_null(statement, index);
    switch (value.typeId()) {
    case QMetaType::QString: {
        const QString& string = held<QString>(value);
        return sqlite3_bind_text16(statement, index, string.isNull() ? static_cast<const void*>(u"") : string.utf16(),
                                   int(string.size() * sizeof(char16_t)),
                                   text == BoundText::Borrowed ? SQLITE_STATIC : SQLITE_TRANSIENT);
    }
    case QMetaType::LongLong:
        return sqlite3_bind_int64(statement, index, held<qlonglong>(value));
    case QMetaType::Int:
        return sqlite3_bind_int64(statement, index, held<int>(value));
    case QMetaType::Short:
        return sqlite3_bind_int64(statement, index, held<short>(value));
    case QMetaType::Bool:
        return sqlite3_bind_int64(statement, index, held<bool>(value) ? 1 : 0);
    case QMetaType::UInt:
        return sqlite3_bind_int64(statement, index, held<uint>(value));
    case QMetaType::Double:
    case QMetaType::Float:
        return sqlite3_bind_double(statement, index, value.toDouble());
    default: {
        const QByteArray utf8 = value.toString().toUtf8();
        return sqlite3_bind_text(statement, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
    }
}

QVariant engineColumnValue(sqlite3_stmt* statement, int column)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return qint64(sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(statement, column);
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(statement, column)),
                          sqlite3_column_bytes(statement, column));
    default: {
        const auto* utf8 = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
        return utf8 ? QString::fromUtf8(utf8, sqlite3_column_bytes(statement, column)) : QString();
    }
    }
}

} // namespace arvenna
