#pragma once

#include <QString>
#include <vector>

namespace arvenna {

class Database;

// The kinds of inner location, numbered from 1 in the order of the
// INNERTYPES table: an inner location's InnerTypeID is such a position.
class InnerTypeArray {
public:
    struct Entry {
        QString TerrainDescription;
        bool AcceptInner = false;
    };

    InnerTypeArray() = default;
    explicit InnerTypeArray(Database& database);

    int count() const { return int(entries_.size()); }
    // Throws DatabaseError for a position outside 1 to count().
    const Entry& at(int position) const;

private:
    std::vector<Entry> entries_;
};

} // namespace arvenna
