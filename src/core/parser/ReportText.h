#pragma once

#include <QString>
#include <QStringView>

namespace arvenna {

// Text rules of turn reports. Keyword tests compare with the upper-cased line;
// the cutting helpers throw ReportFormatError when their delimiter is missing.

// Tabs become blanks, leading and trailing blanks go.
QString CleanLine(const QString& text);
// The text in upper case; quick for the plain ASCII lines reports are made of.
QString upperCase(const QString& text);
// A digit 0 to 9: reports write numbers in ASCII.
inline bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
inline bool startsWithDigit(QStringView text)
{
    return !text.isEmpty() && isDigit(text.front());
}

// Leading and trailing blanks removed (only blanks: reports use no other spacing).
QStringView blankTrimmed(QStringView text);
QString trimBlanks(QStringView text);
// The same, sharing the text when it has no blanks to remove.
QString trimBlanks(const QString& text);

// Leading blanks skipped, then digits read (blanks between digits skipped) up
// to the first other character; no digits give 0.
double numericValue(QStringView text);
// Rounds half to even; a value outside the 16-bit range fails the report.
qint16 toInt16(double value);
// A number written as text (sign, decimals allowed); anything else fails the report.
qint16 textToInt16(const QString& text);

// The text before the first `delimiter`.
QString textBefore(const QString& text, QStringView delimiter);
// The text after the first `keyword` and `skip` more characters.
QString textAfter(const QString& text, QStringView keyword, int skip = 0);
// The text between the first `open` and the next `close` after it.
QString textBetween(const QString& text, QChar open, QChar close);

} // namespace arvenna
