#include "FindMatches.h"

#include "ProvinceCodes.h"
#include "view/ProvinceLookup.h"

#include <algorithm>
#include <optional>

namespace arvenna {

FindResult findMatches(const MapModel& model, const FindIndex& index, const QString& text)
{
    const QString wanted = text.trimmed();
    if (wanted.isEmpty())
        return {};
    const QString folded = wanted.toCaseFolded();

    std::optional<FindMatch> unseenPlace; // a code naming a place no province was read for
    std::vector<int> exact = index.numbered(folded);
    if (const std::optional<MapCoord> place = typedProvincePlace(model, wanted)) {
        const QString code = provinceCodeAt(model, *place);
        const int at = index.provinceAt(code);
        if (at >= 0) {
            exact.push_back(at);
            std::sort(exact.begin(), exact.end());
        } else {
            unseenPlace = FindMatch{FindKind::Province, kindLabel(FindKind::Province), QString(), QString(), code};
        }
    }

    std::vector<int> beginning;
    std::vector<int> inside;
    const std::vector<FindIndex::Entry>& entries = index.entries();
    for (int at = 0; at < int(entries.size()); ++at) {
        const qsizetype found = entries[std::size_t(at)].foldedName.indexOf(folded);
        if (found < 0 || std::binary_search(exact.begin(), exact.end(), at))
            continue;
        (found == 0 ? beginning : inside).push_back(at);
    }

    FindResult result;
    result.total = int((unseenPlace ? 1 : 0) + exact.size() + beginning.size() + inside.size());
    if (unseenPlace)
        result.matches << *unseenPlace;
    for (const std::vector<int>* group : {&exact, &beginning, &inside}) {
        for (const int at : *group) {
            if (result.matches.size() == kFindLimit)
                return result;
            result.matches << entries[std::size_t(at)].match;
        }
    }
    return result;
}

} // namespace arvenna
