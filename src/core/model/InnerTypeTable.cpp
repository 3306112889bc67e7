#include "InnerTypeTable.h"

#include "KeyedCollection.h"
#include "database/Database.h"

namespace arvenna {

InnerTypeArray::InnerTypeArray(Database& database)
{
    RecordSet rows = database.openRecordSet(QStringLiteral("SELECT * FROM INNERTYPES"), RecordSetType::Snapshot);
    entries_.reserve(std::size_t(rows.recordCount()));
    for (; !rows.isEOF(); rows.moveNext())
        entries_.push_back({rows.text(QStringLiteral("TerrainDescription")), rows.flag(QStringLiteral("ACCEPTINNER"))});
}

const InnerTypeArray::Entry& InnerTypeArray::at(int position) const
{
    if (position < 1 || position > count())
        throw DatabaseError(QStringLiteral("No kind of inner location at position %1.").arg(position));
    return entries_[std::size_t(position - 1)];
}

} // namespace arvenna
