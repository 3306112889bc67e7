#include "HtmlMapPage.h"

#include "model/MapModel.h"
#include "model/ModelValues.h"

#include <QIODevice>
#include <QStringBuilder>
#include <vector>

namespace arvenna {

namespace {
const QString kGreyCell = QStringLiteral("    <TD WIDTH=\"1%\" VALIGN=\"TOP\" BGCOLOR=\"#CCCCCC\"></TD>");
// Marks a terrain that the legend leaves out.
const QString kUnlisted = QStringLiteral("#1");

QString htmlColour(qint16 terrainId)
{
    switch (terrainId) {
    case 1: return QStringLiteral("#008000");
    case 2: return QStringLiteral("#0000ff");
    case 3: return QStringLiteral("#0000aa");
    case 4: return QStringLiteral("#33FF33");
    case 5: return QStringLiteral("#CCCC00");
    case 6: return QStringLiteral("#800000");
    case 8: return QStringLiteral("#999999");
    case 9: case 10: case 11: case 12: return kUnlisted;
    default: return QString();
    }
}

// A map table cell opener (four blanks) and a legend or description cell opener (five).
QString mapCell(const QString& width)
{
    return QStringLiteral("    <TD WIDTH=\"") % width % QStringLiteral("\" VALIGN=\"TOP\"");
}

QString textCell(const QString& width)
{
    return QStringLiteral("     <TD WIDTH=\"") % width % QStringLiteral("\" VALIGN=\"TOP\"");
}

QString twoDigits(int number)
{
    return formatTwoDigits(QString::number(number));
}

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

class PageWriter {
public:
    PageWriter(const MapModel& model, const ExportSettings& settings) : model_(model), settings_(settings)
    {
        const int columns = model_.XCoords.Count();
        const int start = settings_.startColumn >= 0 && settings_.startColumn < columns ? settings_.startColumn : 0;
        for (int x = start; x < columns; ++x)
            columnOrder_.push_back(x);
        for (int x = 0; x < start; ++x)
            columnOrder_.push_back(x);
        const int lastRow = model_.UndergroundRow;
        const int startRow = settings_.startRow >= 1 && settings_.startRow <= lastRow ? settings_.startRow : 1;
        for (int y = startRow; y <= lastRow; ++y)
            rowOrder_.push_back(y);
        for (int y = 1; y < startRow; ++y)
            rowOrder_.push_back(y);
        page_.reserve(256 + (columns + 2) * (lastRow + 1) * 120);
    }

    QString write()
    {
        writeHead();
        if (settings_.on(ExportSettings::MapLegend))
            writeLegend();
        writeMapTable();
        writeDescriptions();
        line(QStringLiteral("</BODY></HTML>"));
        return page_;
    }

private:
    void line(const QString& text)
    {
        page_ += text;
        page_ += QLatin1Char('\n');
    }

    void writeHead()
    {
        static const QStringList styles{
            QStringLiteral("    p         {font-size:8.0pt   ; colour:red   ; font-family:"),
            QStringLiteral("    heading   {font-size:8.0pt   ; colour:blue  ; font-family:"),
            QStringLiteral("    legend    {font-size:12.0pt   ; colour:blue  ; font-family:"),
            QStringLiteral("    prov      {font-size:10.0pt ; colour:blue  ; font-family:"),
            QStringLiteral("    innercity {font-size:8.0pt   ; colour:blue  ; font-family:"),
            QStringLiteral("    inner     {font-size:8.0pt   ; colour:blue  ; font-family:"),
            QStringLiteral("    ruler     {font-size:8.0pt   ; colour:blue  ; font-family:"),
            QStringLiteral("    h3        {font-size:8.0pt   ; colour:red   ; font-family:")};
        for (const QString& text : {QStringLiteral("<HTML>"), QStringLiteral(" <HEAD>"), QString(),
                                    QStringLiteral("  <style>"), QStringLiteral("  <!--")})
            line(text);
        for (const QString& style : styles)
            line(style + QStringLiteral("\"Times New Roman\"}"));
        for (const QString& link : {QStringLiteral("a:link, span.MsoHyperlink"),
                                    QStringLiteral("a:visited, span.MsoHyperlinkFollowed")}) {
            line(QStringLiteral("    ") + link);
            line(link.startsWith(QLatin1String("a:link")) ? QStringLiteral("      {colour:blue;")
                                                          : QStringLiteral("      {colour:purple;"));
            line(QStringLiteral("        font-size:8.0pt;"));
            line(QStringLiteral("       text-decoration:underline;"));
            line(QStringLiteral("       text-underline:single;}"));
        }
        line(QStringLiteral("  -->"));
        line(QStringLiteral("  </style>"));
        line(QStringLiteral("   <TITLE>EXPORT GAME MAPVIEWER V.")
             + QStringLiteral(ARVENNA_VERSION).section(QLatin1Char('.'), 0, 0) + QStringLiteral("</TITLE>"));
        line(QStringLiteral(" </HEAD>"));
        line(QString());
        line(QStringLiteral(" <BODY>"));
    }

    void writeLegend()
    {
        static const QString tableStart =
            QStringLiteral("   <TABLE CELLSPACING=0 BORDER=0 CELLPADDING=2 WIDTH=1000><TR>");
        line(QStringLiteral("<legend>"));
        line(tableStart);
        line(textCell(QStringLiteral("10%"))
             + QStringLiteral("><p>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</p></TD>"));
        line(textCell(QStringLiteral("1%")) + QStringLiteral(">Legend<p>&nbsp;</p></TD>"));
        line(textCell(QStringLiteral("89%")) + QStringLiteral("><p>&nbsp;</p></TD>"));
        line(QStringLiteral("   </TABLE>"));
        for (int position = 2; position <= model_.TerrainsByID.Count(); ++position) {
            const ClassTerrain& terrain = model_.TerrainsByID.Item(position);
            const QString colour = htmlColour(terrain.TerrainId);
            if (colour == kUnlisted)
                continue;
            line(tableStart);
            line(textCell(QStringLiteral("10%"))
                 + QStringLiteral("><p>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</p></TD>"));
            line(textCell(QStringLiteral("1%")) % QStringLiteral(" BGCOLOR=\"") % colour
                 % QStringLiteral("\"><p>&nbsp;</p></TD>"));
            line(textCell(QStringLiteral("89%")) % QStringLiteral("><p>") % escaped(terrain.TerrainDesc)
                 % QStringLiteral("&nbsp;</p></TD>"));
            line(QStringLiteral("   </TABLE>"));
        }
        line(QStringLiteral("</legend>"));
    }

    void writeMapTable()
    {
        for (const QString& text : {QString(), QStringLiteral("   <p>&nbsp;</p>"), QStringLiteral("   <p>&nbsp;</p>"),
                                    QString(), QStringLiteral("<map>"),
                                    QStringLiteral("   <TABLE CELLSPACING=0 BORDER=1 CELLPADDING=2 WIDTH=100%>"),
                                    QStringLiteral("   <TR>")})
            line(text);
        const QString opener = mapCell(QStringLiteral("1%"));
        line(opener + QStringLiteral("><p></p></TD>"));
        for (int x : columnOrder_)
            line(opener % QStringLiteral("><p>") % twoDigits(x) % QStringLiteral("</p></TD>"));
        line(QStringLiteral("   </TR>"));
        for (int y : rowOrder_) {
            const QString rowCode = rowCodeAt(y);
            line(QStringLiteral("   <TR>"));
            line(opener % QStringLiteral("><p>") % escaped(rowCode) % QStringLiteral("</p></TD>"));
            for (int x : columnOrder_)
                writeMapCell(rowCode, x);
            line(QStringLiteral("   </TR>"));
        }
        line(QStringLiteral("   </TR>"));
        line(QStringLiteral("   </TABLE>"));
        line(QStringLiteral("</map>"));
    }

    void writeMapCell(const QString& rowCode, int x)
    {
        const ClassProvincia* province = provinceAt(rowCode, x);
        if (!province || province->ProvinceName.isEmpty()) {
            line(kGreyCell);
            return;
        }
        page_ += mapCell(QStringLiteral("1%")) % QStringLiteral(" BGCOLOR=\"") % htmlColour(province->ProvinceTerrainID)
            % QStringLiteral("\">");
        if (linked(*province)) {
            const QString code = escaped(rowCode + twoDigits(x));
            page_ += QStringLiteral("<h3><a href = \"#_") % code % QStringLiteral("\">") % code
                % QStringLiteral("</a><a NAME=\"_") % code % QStringLiteral("Top\"></a></h3></TD>");
        }
        line(QStringLiteral("</td>"));
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
        line(QStringLiteral("   <p>&nbsp;</p>"));
        line(QStringLiteral("   <p>&nbsp;</p>"));
        line(QStringLiteral("   <heading>&nbsp;&nbsp;&nbsp;Province Descriptions</heading>"));
        line(QStringLiteral("   <p>&nbsp;</p>"));
        const int columns = model_.XCoords.Count();
        for (int y = 1; y <= model_.UndergroundRow; ++y) {
            const QString rowCode = rowCodeAt(y);
            for (int x = 0; x < columns; ++x) {
                if (const ClassProvincia* province = provinceAt(rowCode, x); province && described(*province))
                    writeDescription(*province, rowCode + twoDigits(x));
            }
        }
    }

    // A province with a city or inner locations; with the full information,
    // also every province the map links to.
    bool described(const ClassProvincia& province) const
    {
        return !province.ClassLocation().LocationName.isEmpty() || province.CollecInnerLocation().Count() > 0
            || (settings_.on(ExportSettings::FullProvinceInformation) && !province.ProvinceName.isEmpty());
    }

    void writeDescription(const ClassProvincia& province, const QString& plainCode)
    {
        const QString code = escaped(plainCode);
        const bool cities = settings_.on(ExportSettings::CityInformation);
        const bool inner = settings_.on(ExportSettings::InnerLocationInformation);
        if (cities || inner || settings_.on(ExportSettings::FullProvinceInformation)) {
            line(QStringLiteral("   <TABLE CELLSPACING=0 BORDER=0 CELLPADDING=2 WIDTH=100%><TR>"));
            line(textCell(QStringLiteral("1%")) % QStringLiteral(" BGCOLOR=\"") % htmlColour(province.ProvinceTerrainID)
                 % QStringLiteral("\"><h3><a NAME=\"_") % code % QStringLiteral("\"></a></h3></TD>"));
            line(textCell(QStringLiteral("99%")) % QStringLiteral(">") % descriptionLine(province, code)
                 % QStringLiteral("</TD>"));
            line(QStringLiteral("   </TABLE>"));
        }
        if (inner && province.CollecInnerLocation().Count() > 0) {
            line(QStringLiteral("   <p>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;Locations</p>"));
            for (const ClassLocation& location : province.CollecInnerLocation())
                line(QStringLiteral("   <inner><p>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;")
                     % locationText(location) % QStringLiteral("</p></inner>"));
        }
        const ClassLocation& city = province.ClassLocation();
        if (cities && !city.LocationName.isEmpty()) {
            line(QStringLiteral("<p></p>"));
            line(QStringLiteral("   <p>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;City : ")
                 % escaped(city.LocationName) % QStringLiteral(" [") % escaped(city.LocationNo)
                 % QStringLiteral("]</p>"));
            for (const ClassLocation& location : city.CollecInnerLocation())
                line(QStringLiteral("   <innercity><p>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;"
                                    "&nbsp;&nbsp;&nbsp;")
                     % locationText(location) % QStringLiteral("</p></innercity>"));
            line(QStringLiteral("   <p></p>"));
        }
        if (cities || inner)
            writeRuler(province);
    }

    QString descriptionLine(const ClassProvincia& province, const QString& code) const
    {
        QString text = QStringLiteral("  <prov><p>") % escaped(province.ProvinceName)
            % QStringLiteral("&nbsp;<a href=\"#_") % code % QStringLiteral("Top\">[") % code
            % QStringLiteral("]</a>, ") % escaped(terrainName(province.ProvinceTerrainID));
        if (province.ProvinceContinentID >= 1) {
            const ClassContinents* region = model_.Continents.find(QString::number(province.ProvinceContinentID));
            text += QStringLiteral(", in ") + escaped(region ? region->ContinentName : QString());
        }
        return text + QStringLiteral("</p></prov>");
    }

    QString locationText(const ClassLocation& location) const
    {
        const int type = location.LocationType;
        const QString typeName = type >= 1 && type <= model_.InnerTypeTable.count()
            ? model_.InnerTypeTable.at(type).TerrainDescription
            : QString();
        return escaped(location.LocationName) % QStringLiteral(" [") % escaped(location.LocationNo)
            % QStringLiteral("] ") % escaped(typeName);
    }

    // An unknown ruler counts as none; an unknown noble or castle province
    // leaves its names empty.
    void writeRuler(const ClassProvincia& province)
    {
        const ClassRuler* ruler = province.ProvinceRulerID >= 1
            ? model_.Rulers.find(QString::number(province.ProvinceRulerID))
            : nullptr;
        if (!ruler) {
            line(QStringLiteral("<p>&nbsp;</p>"));
            return;
        }
        const ClassCharacter* noble = model_.Characters.find(ruler->RulerCastelionID);
        const ClassProvincia* castleProvince = model_.Provinces.find(provinceKey(ruler->ProvinceID));
        const QString castleCode = castleProvince
            ? castleProvince->ProvinceCoordY + formatTwoDigits(castleProvince->ProvinceCoordX)
            : QString();
        line(QStringLiteral("   <p></p>"));
        line(QStringLiteral("  <ruler><p>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;Ruled by : ")
             % escaped(noble ? noble->CharacterName : QString()) % QStringLiteral(" [")
             % escaped(noble ? noble->CharacterNo : QString()) % QStringLiteral("] inside ")
             % escaped(ruler->CastleName) % QStringLiteral(" Castle [") % escaped(ruler->CastleNo)
             % QStringLiteral("] in ") % escaped(castleProvince ? castleProvince->ProvinceName : QString())
             % QStringLiteral(" [") % escaped(castleCode) % QStringLiteral("]</p></ruler>"));
        line(QStringLiteral("<p>&nbsp;</p>"));
    }

    QString terrainName(qint16 terrainId) const
    {
        const ClassTerrain* terrain = model_.TerrainsByID.find(QString::number(terrainId));
        return terrain ? terrain->TerrainDesc : QString();
    }

    QString rowCodeAt(int y) const
    {
        const ClassCoordinates* row = model_.YCoordsByNum.find(QString::number(y));
        return row ? row->CoordCode() : QString();
    }

    const ClassProvincia* provinceAt(const QString& rowCode, int x) const
    {
        return model_.Provinces.find(provinceKey(rowCode + QString::number(x)));
    }

    const MapModel& model_;
    const ExportSettings& settings_;
    std::vector<int> columnOrder_;
    std::vector<int> rowOrder_;
    QString page_;
};
} // namespace

QByteArray htmlMapPage(const MapModel& model, const ExportSettings& settings)
{
    return PageWriter(model, settings).write().toUtf8();
}

bool writeHtmlMapPage(QIODevice& device, const MapModel& model, const ExportSettings& settings)
{
    const QByteArray page = htmlMapPage(model, settings);
    return device.write(page) == page.size();
}

} // namespace arvenna
