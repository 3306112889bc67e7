#pragma once

#include <QStringList>

namespace arvenna {

// The captions of the three database menu lists and whether "Database &Tools"
// is shown. Each list keeps at least its first entry.
struct DatabaseMenus {
    QStringList RepHead{QStringLiteral("No Database Found")};
    QStringList RepDBItem{QString()};
    QStringList CompDBItem{QString()};
    // The full path of each listed database, at the position of its entries in
    // the three lists (which list the same databases); empty while none is
    // listed. Kept with the entries, since a description may hold "[" too.
    QStringList paths;
    bool dbtoolsVisible = false;

    bool operator==(const DatabaseMenus&) const = default;
};

} // namespace arvenna
