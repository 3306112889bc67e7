#include "ReportText.h"

#include "ReportFormatError.h"

#include <cmath>
#include <limits>

namespace arvenna {

QStringView blankTrimmed(QStringView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.sliced(first, last - first);
}

QString trimBlanks(QStringView text)
{
    return blankTrimmed(text).toString();
}

QString trimBlanks(const QString& text)
{
    const QStringView trimmed = blankTrimmed(text);
    return trimmed.size() == text.size() ? text : trimmed.toString();
}

QString upperCase(const QString& text)
{
    QString upper(text.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(upper.data());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code >= 0x80)
            return text.toUpper();
        *out++ = code >= u'a' && code <= u'z' ? char16_t(code - (u'a' - u'A')) : code;
    }
    return upper;
}

QString CleanLine(const QString& text)
{
    if (!text.contains(QLatin1Char('\t')))
        return trimBlanks(text);
    QString spaced = text;
    spaced.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return trimBlanks(spaced);
}

double numericValue(QStringView text)
{
    double value = 0;
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char(' '))
            continue;
        if (!isDigit(c))
            break;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

qint16 toInt16(double value)
{
    const double rounded = std::nearbyint(value); // the default rounding mode: half to even
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<qint16>::min()
        || rounded > std::numeric_limits<qint16>::max())
        throw ReportFormatError{QStringLiteral("number too large")};
    return static_cast<qint16>(rounded);
}

qint16 textToInt16(const QString& text)
{
    const QString number = trimBlanks(text);
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        throw ReportFormatError{QStringLiteral("\"%1\" is not a number").arg(number)};
    return toInt16(value);
}

QString textBefore(const QString& text, QStringView delimiter)
{
    const qsizetype at = text.indexOf(delimiter);
    if (at < 0)
        throw ReportFormatError{QStringLiteral("\"%1\" missing").arg(delimiter)};
    return text.left(at);
}

QString textAfter(const QString& text, QStringView keyword, int skip)
{
    const qsizetype at = text.indexOf(keyword);
    if (at < 0)
        throw ReportFormatError{QStringLiteral("\"%1\" missing").arg(keyword)};
    return text.mid(at + keyword.size() + skip);
}

QString textBetween(const QString& text, QChar open, QChar close)
{
    const qsizetype from = text.indexOf(open);
    const qsizetype to = from < 0 ? -1 : text.indexOf(close, from + 1);
    if (to < 0)
        throw ReportFormatError{QStringLiteral("\"%1\" or \"%2\" missing").arg(open).arg(close)};
    return text.mid(from + 1, to - from - 1);
}

} // namespace arvenna
