#pragma once

#include <QStringList>

namespace arvenna {

// The captions of the three database menu lists and whether "Database &Tools"
// is shown. Each list keeps at least its first entry.
struct DatabaseMenus {
    QStringList RepHead{QStringLiteral("No Database Found")};
    QStringList RepDBItem{QString()};
    QStringList CompDBItem{QString()};
    bool dbtoolsVisible = false;

    bool operator==(const DatabaseMenus&) const = default;
};

} // namespace arvenna
