#include "ReportLineSource.h"

#include "ReportFormatError.h"

#include <QIODevice>
#include <QStringDecoder>

bool ReportLineSource::hasLines() const
{
    return !device_.atEnd();
}

QString ReportLineSource::next()
{
    if (device_.atEnd())
        throw ReportFormatError{QStringLiteral("the report ends in the middle of a section")};
    QByteArray bytes = device_.readLine();
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    ++lineNumber_;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}
