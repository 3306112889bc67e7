#include "HtmlMapPage.h"

#include "model/MapModel.h"
#include "model/ModelValues.h"
#include "view/ProvinceInfo.h"

#include <QIODevice>
#include <utility>
#include <vector>

namespace arvenna {

namespace {
// Cell openers: "M" of the map table (four blanks), "L" of the legend and
// the descriptions (five blanks).
#define ARVENNA_M(width) "    <TD WIDTH=\"" width "\" VALIGN=\"TOP\""
#define ARVENNA_L(width) "     <TD WIDTH=\"" width "\" VALIGN=\"TOP\""

const char kGreyCell[] = ARVENNA_M("1%") " BGCOLOR=\"#CCCCCC\"></TD>";
const char kEmptyParagraph[] = "   <p>&nbsp;</p>";
const char kNbsp9[] = "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;";
// Marks a terrain that the legend leaves out.
const char kUnlisted[] = "#1";

// A terrain's colour on the page (swamp teal, as on the program's map) and
// whether it is too dark for the page's blue links.
struct TerrainColour {
    const char* html;
    bool dark = false;
};

TerrainColour terrainColour(qint16 terrainId)
{
    switch (terrainId) {
    case 1: return {"#008000", true};
    case 2: return {"#0000ff", true};
    case 3: return {"#0000aa", true};
    case 4: return {"#33FF33"};
    case 5: return {"#CCCC00"};
    case 6: return {"#800000", true};
    case 7: return {"#008080", true};
    case 8: return {"#999999"};
    case 9: case 10: case 11: case 12: return {kUnlisted};
    default: return {""};
    }
}

const char* htmlColour(qint16 terrainId)
{
    return terrainColour(terrainId).html;
}

QByteArray twoDigits(int number)
{
    return formatTwoDigits(QString::number(number)).toUtf8();
}

// A text of the model, written HTML-escaped.
struct Escaped {
    const QString& text;
};

// The page's head names no character set, so a browser may read its bytes
// in any: what is not ASCII goes out as a character reference.
QByteArray htmlText(const QString& text)
{
    const auto plain = [](QChar c) {
        return c.unicode() < 0x80 && c != u'&' && c != u'<' && c != u'>' && c != u'"';
    };
    if (std::all_of(text.cbegin(), text.cend(), plain))
        return text.toLatin1();
    QByteArray written;
    for (const char32_t code : text.toUcs4()) {
        switch (code) {
        case U'&': written += "&amp;"; break;
        case U'<': written += "&lt;"; break;
        case U'>': written += "&gt;"; break;
        case U'"': written += "&quot;"; break;
        default:
            if (code < 0x80)
                written += char(code);
            else
                written += "&#" + QByteArray::number(quint32(code)) + ';';
        }
    }
    return written;
}

// The page is built in one buffer of ASCII bytes: a large world's page runs to megabytes.
class PageWriter {
public:
    PageWriter(const MapModel& model, const ExportSettings& settings)
        : model_(model), settings_(settings), columns_(model.XCoords.Count()), rows_(model.UndergroundRow)
    {
        const int startColumn = settings_.startColumn >= 0 && settings_.startColumn < columns_ ? settings_.startColumn : 0;
        for (int x = 0; x < columns_; ++x)
            columnOrder_.push_back((startColumn + x) % columns_);
        const int startRow = settings_.startRow >= 1 && settings_.startRow <= rows_ ? settings_.startRow : 1;
        for (int y = 0; y < rows_; ++y)
            rowOrder_.push_back(1 + (startRow - 1 + y) % rows_);
        for (int x = 0; x < columns_; ++x)
            columnCodes_.push_back(twoDigits(x));
        cells_.reserve(std::size_t(std::max(0, rows_)) * std::size_t(columns_));
        for (int y = 1; y <= rows_; ++y) {
            const ClassCoordinates* row = model_.YCoordsByNum.find(QString::number(y));
            const QString code = row ? row->CoordCode() : QString();
            rowCodes_.push_back(htmlText(code));
            for (int x = 0; x < columns_; ++x)
                cells_.push_back(model_.Provinces.find(provinceKey(code + QString::number(x))));
        }
        page_.reserve(4096 + qsizetype(cells_.size()) * 80);
    }

    QByteArray write()
    {
        writeHead();
        if (settings_.on(ExportSettings::MapLegend))
            writeLegend();
        writeMapTable();
        writeDescriptions();
        line("</BODY></HTML>");
        return page_;
    }

private:
    void put(const char* text) { page_.append(text, qsizetype(qstrlen(text))); }
    void put(const QByteArray& text) { page_.append(text); }
    void put(Escaped escaped) { page_.append(htmlText(escaped.text)); }
    void putCode(int y, int x)
    {
        put(rowCodes_[std::size_t(y - 1)]);
        put(columnCodes_[std::size_t(x)]);
    }

    template <typename... Parts>
    void line(const Parts&... parts)
    {
        (put(parts), ...);
        page_.append('\n');
    }

    void writeHead()
    {
        static const char* const styles[] = {
            "    p         {font-size:8.0pt   ; colour:red   ; font-family:",
            "    heading   {font-size:8.0pt   ; colour:blue  ; font-family:",
            "    legend    {font-size:12.0pt   ; colour:blue  ; font-family:",
            "    prov      {font-size:10.0pt ; colour:blue  ; font-family:",
            "    innercity {font-size:8.0pt   ; colour:blue  ; font-family:",
            "    inner     {font-size:8.0pt   ; colour:blue  ; font-family:",
            "    ruler     {font-size:8.0pt   ; colour:blue  ; font-family:",
            "    h3        {font-size:8.0pt   ; colour:red   ; font-family:"};
        for (const char* text : {"<HTML>", " <HEAD>", "", "  <style>", "  <!--"})
            line(text);
        for (const char* style : styles)
            line(style, "\"Times New Roman\"}");
        for (const auto& [selector, colour] : {std::pair{"    a:link, span.MsoHyperlink", "blue"},
                                               std::pair{"    a:visited, span.MsoHyperlinkFollowed", "purple"}}) {
            line(selector);
            line("      {colour:", colour, ";");
            line("        font-size:8.0pt;");
            line("       text-decoration:underline;");
            line("       text-underline:single;}");
        }
        line("  -->");
        line("  </style>");
        line("   <TITLE>EXPORT GAME MAPVIEWER V.",
             QByteArray(ARVENNA_VERSION).left(QByteArray(ARVENNA_VERSION).indexOf('.')), "</TITLE>");
        line(" </HEAD>");
        line("");
        line(" <BODY>");
    }

    void writeLegend()
    {
        static const char tableStart[] = "   <TABLE CELLSPACING=0 BORDER=0 CELLPADDING=2 WIDTH=1000><TR>";
        line("<legend>");
        line(tableStart);
        line(ARVENNA_L("10%") "><p>", kNbsp9, "&nbsp;</p></TD>");
        line(ARVENNA_L("1%") ">Legend<p>&nbsp;</p></TD>");
        line(ARVENNA_L("89%") "><p>&nbsp;</p></TD>");
        line("   </TABLE>");
        for (int position = 2; position <= model_.TerrainsByID.Count(); ++position) {
            const ClassTerrain& terrain = model_.TerrainsByID.Item(position);
            const char* colour = htmlColour(terrain.TerrainId);
            if (colour == kUnlisted)
                continue;
            line(tableStart);
            line(ARVENNA_L("10%") "><p>", kNbsp9, "</p></TD>");
            line(ARVENNA_L("1%") " BGCOLOR=\"", colour, "\"><p>&nbsp;</p></TD>");
            line(ARVENNA_L("89%") "><p>", Escaped{terrain.TerrainDesc}, "&nbsp;</p></TD>");
            line("   </TABLE>");
        }
        line("</legend>");
    }

    void writeMapTable()
    {
        for (const char* text : {"", kEmptyParagraph, kEmptyParagraph, "", "<map>",
                                 "   <TABLE CELLSPACING=0 BORDER=1 CELLPADDING=2 WIDTH=100%>", "   <TR>"})
            line(text);
        line(ARVENNA_M("1%") "><p></p></TD>");
        for (int x : columnOrder_)
            line(ARVENNA_M("1%") "><p>", columnCodes_[std::size_t(x)], "</p></TD>");
        line("   </TR>");
        for (int y : rowOrder_) {
            line("   <TR>");
            line(ARVENNA_M("1%") "><p>", rowCodes_[std::size_t(y - 1)], "</p></TD>");
            for (int x : columnOrder_)
                writeMapCell(y, x);
            line("   </TR>");
        }
        line("   </TR>");
        line("   </TABLE>");
        line("</map>");
    }

    void writeMapCell(int y, int x)
    {
        const ClassProvincia* province = cellAt(y, x);
        if (!province || province->ProvinceName.isEmpty()) {
            line(kGreyCell);
            return;
        }
        put(ARVENNA_M("1%") " BGCOLOR=\"");
        put(htmlColour(province->ProvinceTerrainID));
        put("\">");
        if (linked(*province)) {
            put("<h3><a href = \"#_");
            putCode(y, x);
            put(terrainColour(province->ProvinceTerrainID).dark ? "\" style=\"color:#FFFFFF\">" : "\">");
            putCode(y, x);
            put("</a><a NAME=\"_");
            putCode(y, x);
            put("Top\"></a></h3></TD>");
        }
        line("</td>");
    }

    bool linked(const ClassProvincia& province) const
    {
        if (settings_.on(ExportSettings::CityInformation) && !province.ClassLocation().LocationName.isEmpty())
            return true;
        if (settings_.on(ExportSettings::InnerLocationInformation) && province.CollecInnerLocation().Count() > 0)
            return true;
        return settings_.on(ExportSettings::FullProvinceInformation);
    }

    void writeDescriptions()
    {
        line(kEmptyParagraph);
        line(kEmptyParagraph);
        line("   <heading>&nbsp;&nbsp;&nbsp;Province Descriptions</heading>");
        line(kEmptyParagraph);
        for (int y = 1; y <= rows_; ++y) {
            for (int x = 0; x < columns_; ++x) {
                if (const ClassProvincia* province = cellAt(y, x); province && described(*province))
                    writeDescription(*province, y, x);
            }
        }
    }

    // A named province with a city or inner locations; with the full
    // information, also every province the map links to. A province without
    // a name is grey on the map, so nothing leads to its description.
    bool described(const ClassProvincia& province) const
    {
        return !province.ProvinceName.isEmpty()
            && (!province.ClassLocation().LocationName.isEmpty() || province.CollecInnerLocation().Count() > 0
                || settings_.on(ExportSettings::FullProvinceInformation));
    }

    void writeDescription(const ClassProvincia& province, int y, int x)
    {
        const bool cities = settings_.on(ExportSettings::CityInformation);
        const bool inner = settings_.on(ExportSettings::InnerLocationInformation);
        if (cities || inner || settings_.on(ExportSettings::FullProvinceInformation)) {
            line("   <TABLE CELLSPACING=0 BORDER=0 CELLPADDING=2 WIDTH=100%><TR>");
            put(ARVENNA_L("1%") " BGCOLOR=\"");
            put(htmlColour(province.ProvinceTerrainID));
            put("\"><h3><a NAME=\"_");
            putCode(y, x);
            line("\"></a></h3></TD>");
            put(ARVENNA_L("99%") ">  <prov><p>");
            put(Escaped{province.ProvinceName});
            // Back to the map cell only when the cell carries the anchor.
            if (linked(province)) {
                put("&nbsp;<a href=\"#_");
                putCode(y, x);
                put("Top\">[");
                putCode(y, x);
                put("]</a>, ");
            } else {
                put("&nbsp;[");
                putCode(y, x);
                put("], ");
            }
            put(Escaped{terrainName(province.ProvinceTerrainID)});
            if (province.ProvinceContinentID >= 1) {
                const ClassContinents* region = model_.Continents.find(QString::number(province.ProvinceContinentID));
                put(", in ");
                put(Escaped{region ? region->ContinentName : QString()});
            }
            line("</p></prov></TD>");
            line("   </TABLE>");
        }
        if (inner && province.CollecInnerLocation().Count() > 0) {
            line("   <p>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;Locations</p>");
            for (const ClassLocation& location : province.CollecInnerLocation())
                line("   <inner><p>", kNbsp9, Escaped{location.LocationName}, " [", Escaped{location.LocationNo}, "] ",
                     Escaped{innerTypeName(location)}, "</p></inner>");
        }
        const ClassLocation& city = province.ClassLocation();
        if (cities && !city.LocationName.isEmpty()) {
            line("<p></p>");
            line("   <p>", kNbsp9, "City : ", Escaped{city.LocationName}, " [", Escaped{city.LocationNo}, "]</p>");
            for (const ClassLocation& location : city.CollecInnerLocation())
                line("   <innercity><p>", kNbsp9, "&nbsp;&nbsp;&nbsp;&nbsp;", Escaped{location.LocationName}, " [",
                     Escaped{location.LocationNo}, "] ", Escaped{innerTypeName(location)}, "</p></innercity>");
            line("   <p></p>");
        }
        if (cities || inner)
            writeRuler(province);
    }

    QString innerTypeName(const ClassLocation& location) const
    {
        const int type = location.LocationType;
        return type >= 1 && type <= model_.InnerTypeTable.count() ? model_.InnerTypeTable.at(type).TerrainDescription
                                                                  : QString();
    }

    // An unknown ruler counts as none; an unknown noble or castle province
    // leaves its names empty (the castle province's code is still known).
    void writeRuler(const ClassProvincia& province)
    {
        const ClassRuler* ruler =
            province.ProvinceRulerID >= 1 ? model_.Rulers.find(QString::number(province.ProvinceRulerID)) : nullptr;
        if (!ruler) {
            line("<p>&nbsp;</p>");
            return;
        }
        const ClassCharacter* noble = model_.Characters.find(ruler->RulerCastelionID);
        const ClassProvincia* castleProvince = model_.Provinces.find(provinceKey(ruler->ProvinceID));
        const QString castleCode = castleProvinceCode(model_, *ruler);
        line("   <p></p>");
        line("  <ruler><p>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;Ruled by : ",
             Escaped{noble ? noble->CharacterName : QString()}, " [", Escaped{noble ? noble->CharacterNo : QString()},
             "] inside ", Escaped{ruler->CastleName}, " Castle [", Escaped{ruler->CastleNo}, "] in ",
             Escaped{castleProvince ? castleProvince->ProvinceName : QString()}, " [", Escaped{castleCode},
             "]</p></ruler>");
        line("<p>&nbsp;</p>");
    }

    QString terrainName(qint16 terrainId) const
    {
        const ClassTerrain* terrain = model_.TerrainsByID.find(QString::number(terrainId));
        return terrain ? terrain->TerrainDesc : QString();
    }

    const ClassProvincia* cellAt(int y, int x) const { return cells_[std::size_t(y - 1) * std::size_t(columns_) + std::size_t(x)]; }

    const MapModel& model_;
    const ExportSettings& settings_;
    const int columns_;
    const int rows_; // the surface rows
    std::vector<int> columnOrder_;
    std::vector<int> rowOrder_;
    std::vector<QByteArray> columnCodes_;
    std::vector<QByteArray> rowCodes_; // escaped
    std::vector<const ClassProvincia*> cells_; // by row, then column; null where none
    QByteArray page_;
};

#undef ARVENNA_M
#undef ARVENNA_L
} // namespace

QByteArray htmlMapPage(const MapModel& model, const ExportSettings& settings)
{
    return PageWriter(model, settings).write();
}

bool writeHtmlMapPage(QIODevice& device, const MapModel& model, const ExportSettings& settings)
{
    const QByteArray page = htmlMapPage(model, settings);
    return device.write(page) == page.size();
}

} // namespace arvenna
