#include "SalvageCopy.h"

#include "DatabaseError.h"
#include "EngineStatement.h"
#include "SqlConnection.h"

#include <QStringList>
#include <limits>
#include <optional>
#include <sqlite3.h>

namespace arvenna {

namespace {
constexpr qint64 kFirstKey = std::numeric_limits<qint64>::min();
constexpr qint64 kLastKey = std::numeric_limits<qint64>::max();

// Reading the rows in key order from a key on: "SELECT rowid, * ... WHERE
// rowid >= ?". Keys are 64-bit; the distances between them are counted
// unsigned so that no step past the largest key overflows.
class KeyedReader {
public:
    KeyedReader(sqlite3* source, const QString& table)
        : read_(source, QStringLiteral("SELECT rowid, * FROM %1 WHERE rowid >= ? ORDER BY rowid").arg(quotedIdentifier(table)))
    {
    }

    EngineStatement& statement() { return read_; }

    // The next row (SQLITE_ROW), the end (SQLITE_DONE) or damage
    // (SQLITE_CORRUPT); any other failure is not the table's and throws.
    int start(qint64 key)
    {
        read_.reset();
        read_.bind(1, key);
        return next();
    }

    int next()
    {
        const int code = read_.stepCode();
        if (code == SQLITE_ROW || code == SQLITE_DONE)
            return code;
        if ((code & 0xff) == SQLITE_CORRUPT)
            return SQLITE_CORRUPT;
        throw DatabaseError(QString::fromLatin1(sqlite3_errstr(code)));
    }

    // Whether a seek to key gets through the table's pages: to a row or to
    // the end of the table.
    bool canSeek(qint64 key)
    {
        const int code = start(key);
        read_.reset();
        return code == SQLITE_ROW || code == SQLITE_DONE;
    }

    // The smallest key after bad that can be sought, or nothing when every
    // key up to the largest is unreadable. Doubling the step finds a
    // readable key past the damage, halving finds where the damage ends.
    std::optional<qint64> nextSeekableKey(qint64 bad)
    {
        const quint64 room = quint64(kLastKey) - quint64(bad);
        qint64 below = bad;
        for (quint64 step = 1; room > 0; step = step > room / 2 ? room : step * 2) {
            const qint64 key = qint64(quint64(bad) + step);
            if (canSeek(key))
                return firstSeekable(below, key);
            if (step == room)
                break;
            below = key;
        }
        return std::nullopt;
    }

private:
    qint64 firstSeekable(qint64 bad, qint64 good)
    {
        while (quint64(good) - quint64(bad) > 1) {
            const qint64 middle = qint64(quint64(bad) + (quint64(good) - quint64(bad)) / 2);
            (canSeek(middle) ? good : bad) = middle;
        }
        return good;
    }

    EngineStatement read_;
};

QString insertText(const EngineStatement& read, const QString& table)
{
    const int width = sqlite3_column_count(read.handle());
    QStringList columns{QStringLiteral("rowid")};
    for (int i = 1; i < width; ++i)
        columns << quotedIdentifier(QString::fromUtf8(sqlite3_column_name(read.handle(), i)));
    const QStringList marks(width, QStringLiteral("?"));
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(quotedIdentifier(table), columns.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
}
} // namespace

SalvagedTable salvageTable(sqlite3* source, sqlite3* target, const QString& table)
{
    KeyedReader reader(source, table);
    sqlite3_stmt* read = reader.statement().handle();
    EngineStatement insert(target, insertText(reader.statement(), table));
    const int width = sqlite3_column_count(read);

    SalvagedTable result;
    qint64 from = kFirstKey;
    for (;;) {
        int code = reader.start(from);
        std::optional<qint64> last;
        for (; code == SQLITE_ROW; code = reader.next()) {
            const qint64 key = sqlite3_column_int64(read, 0);
            if (key < from || (last && key <= *last)) {
                code = SQLITE_CORRUPT; // keys out of order: a page that lies
                break;
            }
            for (int i = 0; i < width; ++i) {
                if (sqlite3_bind_value(insert.handle(), i + 1, sqlite3_column_value(read, i)) != SQLITE_OK)
                    throw engineError(target);
            }
            insert.step();
            insert.reset();
            ++result.copiedRows;
            last = key;
        }
        if (code == SQLITE_DONE)
            return result;
        result.damaged = true;
        const std::optional<qint64> next = reader.nextSeekableKey(last.value_or(from));
        if (!next)
            return result;
        from = *next;
    }
}

} // namespace arvenna
