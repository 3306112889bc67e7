#include "ReportLineSource.h"

#include "ReportFormatError.h"

#include <QIODevice>
#include <QStringDecoder>
#include <algorithm>

namespace arvenna {

namespace {
QString decode(QByteArrayView bytes)
{
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return QString::fromLatin1(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}
} // namespace

ReportLineSource::ReportLineSource(QIODevice& device) : bytes_(device.readAll()) {}

QString ReportLineSource::next()
{
    if (!hasLines())
        throw ReportFormatError{QStringLiteral("the report ends in the middle of a section")};
    qsizetype end = bytes_.indexOf('\n', position_);
    if (end < 0)
        end = bytes_.size();
    QByteArrayView line(bytes_.constData() + position_, end - position_);
    position_ = end + 1;
    ++lineNumber_;
    if (line.endsWith('\r'))
        line.chop(1);
    return decode(line);
}

} // namespace arvenna
