#include "ReportWords.h"

#include <cctype>
#include <iterator>

namespace arvenna {

namespace {
const char* const kSyllables[] = {"ash", "bel", "cor", "dun", "el",  "fen", "gar", "har", "im",  "kel", "lor", "mor",
                                  "nor", "or",  "pen", "quel", "ros", "sar", "tor", "ul", "val", "wen", "yr",  "zan"};
constexpr int kSyllableCount = int(std::size(kSyllables));
} // namespace

const QByteArray kRule(74, '-');

QByteArray number(int n)
{
    return QByteArray::number(n);
}

QByteArray capitalised(QByteArray word)
{
    if (!word.isEmpty())
        word[0] = char(std::toupper(static_cast<unsigned char>(word[0])));
    return word;
}

QByteArray syllable(int n)
{
    return kSyllables[n % kSyllableCount];
}

QByteArray terrainWord(int terrain)
{
    static const char* const words[] = {"", "forest", "sea lane", "ocean", "plain", "desert", "mountain",
                                        "swamp", "cloudland", "hades", "faery", "tunnel"};
    return terrain >= 0 && terrain < int(std::size(words)) ? words[terrain] : "";
}

QByteArray regionName(int region)
{
    return region ? "Region " + number(region) : QByteArray("Open Sea");
}

QByteArray provinceName(int cell)
{
    QByteArray name = capitalised(syllable(cell) + syllable(cell / kSyllableCount + cell));
    if (cell % 3 == 0)
        name += syllable(cell / 7);
    return name;
}

QByteArray personName(int characterNumber)
{
    // Stirred first, so that neighbouring numbers get unlike names.
    const unsigned h = mixed(unsigned(characterNumber), 1);
    const QByteArray given = capitalised(syllable(int(h % 997)) + syllable(int(h / 997 % 997)));
    // Now and then a family name with an apostrophe, as players like them.
    const QByteArray family = (h / 31 % 11 == 0 ? "O'" : "")
                              + capitalised(syllable(int(h / 7919 % 997)) + syllable(int(h / 104729 % 997)));
    return given + " " + family;
}

unsigned mixed(unsigned a, unsigned b)
{
    unsigned h = a * 0x9E3779B1u + b * 0x85EBCA77u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return h;
}

} // namespace arvenna
