#include "SeenHere.h"

#include "ReportWords.h"

namespace arvenna {

namespace {
constexpr int kFirstWanderer = 2000;
constexpr int kWanderers = 3000;

// What the report says of a character after his name, the same every turn.
QByteArray description(int character)
{
    switch (character % 6) {
    case 0:
        return "peasant";
    case 1:
        return "with " + number(10 + character % 50) + " soldiers";
    case 2:
        return "merchant of " + provinceName(character);
    case 3:
        // Too long for one report line: the rest goes on below.
        return "lord of the " + provinceName(character) + " Marches and the\n      " + provinceName(character / 3)
               + " Holdings, on guard";
    case 4:
        return "wandering priest";
    default:
        return "with 2 wolves, on guard";
    }
}
} // namespace

QByteArray seenHere(int cell, int turn, SeenIn place)
{
    const unsigned seed = mixed(unsigned(cell) * 2 + (place == SeenIn::City), unsigned(turn));
    if (place == SeenIn::Province && seed % 5 != 0)
        return {};
    QByteArray text = "Seen here:\n";
    const int count = 1 + int(seed / 5 % 3);
    for (int j = 0; j < count; ++j) {
        const unsigned pick = mixed(seed, unsigned(j));
        const int character = kFirstWanderer + int(pick % kWanderers);
        text += QByteArray("   ") + (pick / kWanderers % 4 == 0 ? "*" : "") + personName(character) + " ["
                + number(character) + "], " + description(character) + "\n";
    }
    return text + "\n";
}

} // namespace arvenna
