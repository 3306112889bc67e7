#include "MarketReport.h"

#include "ReportWords.h"

#include <algorithm>
#include <iterator>

namespace arvenna {

namespace {
struct Good {
    const char* name;
    const char* nameGoesOn; // the rest of a name too long for the line, or null
    int code;
    int price;
    int weight;
};

// Codes below 100 are in the built game's catalogue; the others are added
// by the first report that offers them.
const Good kGoods[] = {
    {"grain", nullptr, 59, 10, 1},          {"ox", nullptr, 60, 90, 100},
    {"stone", nullptr, 61, 6, 100},         {"iron", nullptr, 62, 30, 10},
    {"lumber", nullptr, 63, 12, 100},       {"rations", nullptr, 65, 15, 1},
    {"fish", nullptr, 66, 7, 1},            {"wool", nullptr, 67, 14, 1},
    {"wood", nullptr, 68, 5, 10},           {"leather", nullptr, 69, 22, 2},
    {"pick-axe", nullptr, 70, 45, 5},       {"longsword", nullptr, 71, 180, 5},
    {"plate armor", nullptr, 72, 900, 50},  {"crossbow", nullptr, 73, 150, 5},
    {"riding horse", nullptr, 52, 300, 500}, {"wild horse", nullptr, 51, 120, 500},
    {"saffron", nullptr, 305, 400, 1},      {"amber", nullptr, 302, 60, 1},
    {"salted eel", nullptr, 306, 9, 1},     {"barrel of southern", "wine", 307, 75, 60},
    {"cured hides of the", "northern elk", 308, 55, 20},
};
constexpr int kGoodCount = int(std::size(kGoods));
// Steps through the goods; sharing no factor with their count, it never
// offers one good twice in a market.
constexpr int kStride = 5;
static_assert(kGoodCount % kStride != 0);

QByteArray offerLine(const Good& good, bool buy, int price, int quantity, const QByteArray& trader)
{
    QByteArray line = QByteArray(buy ? "buy" : "sell").rightJustified(7) + "  " + trader
                      + number(price).rightJustified(8) + number(quantity).rightJustified(7)
                      + number(good.weight).rightJustified(8) + "   " + good.name;
    if (good.nameGoesOn)
        line += "\n" + QByteArray(39, ' ') + good.nameGoesOn;
    return line + " [" + number(good.code) + "]\n";
}
} // namespace

QByteArray marketReport(int cell, int turn, const QByteArray& trader)
{
    QByteArray text = "Market report:\n";
    const unsigned thisTurn = mixed(unsigned(cell), unsigned(turn));
    if (thisTurn % 9 == 0)
        return text + "No goods offered for trade.\n\n";
    text += " trades   who   price    qty   wt/ea   item\n ------   ---   -----    ---   -----   ----\n";
    const unsigned city = mixed(unsigned(cell), 0);
    const int offers = 3 + int(thisTurn / 9 % 5);
    for (int j = 0; j < offers; ++j) {
        const Good& good = kGoods[(int(city % kGoodCount) + j * kStride) % kGoodCount];
        const unsigned roll = mixed(thisTurn, unsigned(j));
        const int price = std::max(1, good.price * int(80 + roll % 41) / 100);
        const int quantity = 1 + int(roll / 41 % (good.weight >= 100 ? 12 : 200));
        text += offerLine(good, (city >> (j % 16)) & 1u, price, quantity, trader);
    }
    return text + "\n";
}

} // namespace arvenna

