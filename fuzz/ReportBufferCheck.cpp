#include "ReportBufferCheck.h"

#include "SilentDialogue.h"
#include "parser/ReportReader.h"
#include "parser/ReportState.h"

#include <QBuffer>

namespace arvenna {

namespace {
bool isLabelledItem(const QString& item)
{
    static const QStringList labels{"(LOC)", "(LCN)", "(RUL)", "(MAK)", "(INN)", "(SEE)",
                                    "(MIN)", "(GUI)", "(TMP)", "(NEW)", "(LOR)", "(RTE)"};
    return item.size() > 5 && item[5] == QLatin1Char(' ') && labels.contains(item.left(5));
}

QString bufferFault(const LabelledLineBuffer& buffer)
{
    for (qsizetype i = 0; i < buffer.count(); ++i) {
        const QString& item = buffer.item(i);
        if (item == kSeparator) {
            if (i > 0 && buffer.item(i - 1) == kSeparator)
                return QStringLiteral("two separators in a row at item %1").arg(i);
        } else if (!isLabelledItem(item)) {
            return QStringLiteral("item %1 has no section label: \"%2\"").arg(i).arg(item);
        }
    }
    return QString();
}
} // namespace

QString checkReportBytes(const QByteArray& report)
{
    SilentDialogue dialogue;
    ReportState state;
    for (const QString& game : {QStringLiteral("Arvenna G2"), QStringLiteral("QVR game 1")}) {
        QByteArray bytes = report;
        QBuffer device(&bytes);
        if (!device.open(QIODevice::ReadOnly))
            return QStringLiteral("cannot open the report bytes");
        ReadReport(device, state, game, dialogue);
        const QString fault = bufferFault(state.buffer);
        if (!fault.isEmpty())
            return game + QStringLiteral(": ") + fault;
    }
    return QString();
}

} // namespace arvenna
