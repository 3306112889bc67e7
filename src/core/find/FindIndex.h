#pragma once

#include "FindMatch.h"

#include <QHash>
#include <QString>
#include <vector>

namespace arvenna {

struct MapModel;

// What "Find..." searches, prepared once per loaded map: every province of
// the grid, region, city, inner location (those inside others too) and
// character whose last known location names a place of the grid, with its
// name and number folded for comparing without letter case. A region's
// province is the one of its provinces nearest their middle. The entries
// are in list order: kind, then name, then code. The index is a copy: build
// it again when the map changes.
class FindIndex {
public:
    struct Entry {
        FindMatch match;
        QString foldedName;
        QString foldedNumber;
    };

    FindIndex() = default;
    explicit FindIndex(const MapModel& model);

    const std::vector<Entry>& entries() const { return entries_; }
    // Positions of the entries whose number is the folded text, in list order.
    std::vector<int> numbered(const QString& foldedNumber) const;
    // The position of a province's entry by its code, -1 for none.
    int provinceAt(const QString& code) const { return byCode_.value(code, -1); }

private:
    std::vector<Entry> entries_;
    QMultiHash<QString, int> byNumber_;
    QHash<QString, int> byCode_;
};

} // namespace arvenna
