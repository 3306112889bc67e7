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

bool endsLine(char c)
{
    return c == '\n' || c == '\r';
}
} // namespace

std::optional<ReportLineSource> ReportLineSource::read(QIODevice& device)
{
    QByteArray bytes;
    char chunk[64 * 1024];
    for (;;) {
        const qint64 count = device.read(chunk, sizeof chunk);
        if (count <= 0)
            return ReportLineSource(std::move(bytes));
        if (bytes.size() + count > kMaximumBytes)
            return std::nullopt;
        bytes.append(chunk, count);
    }
}

QString ReportLineSource::next()
{
    if (!hasLines())
        throw ReportFormatError{QStringLiteral("the report ends in the middle of a section")};
    const char* const begin = bytes_.constData() + position_;
    const char* const end = bytes_.constData() + bytes_.size();
    const char* const stop = std::find_if(begin, end, endsLine);
    position_ += stop - begin;
    if (stop != end)
        position_ += *stop == '\r' && stop + 1 != end && stop[1] == '\n' ? 2 : 1;
    ++lineNumber_;
    // A UTF-8 letter takes at most four bytes: longer byte runs need no decoding to be refused.
    const auto tooLong = [] {
        return ReportFormatError{QStringLiteral("the line is longer than %1 characters").arg(kMaximumLineLength)};
    };
    if (stop - begin > 4 * kMaximumLineLength)
        throw tooLong();
    QString line = decode(QByteArrayView(begin, stop - begin));
    if (line.size() > kMaximumLineLength)
        throw tooLong();
    return line;
}

} // namespace arvenna
