#include "ExternalApplications.h"

#include <QFile>
#include <QProcess>
#include <QTextStream>

namespace arvenna {

namespace {
bool isSectionHeader(const QString& line)
{
    return line.left(14).trimmed().toUpper() == QLatin1String("[EXTERNAL APP]");
}
} // namespace

QList<ExternalApplication> parseExternalApplications(const QStringList& lines)
{
    ExternalApplication entry;
    bool found = false;
    bool inSection = false;
    for (const QString& line : lines) {
        if (!inSection) {
            inSection = isSectionHeader(line);
            continue;
        }
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString key = line.left(eq + 1).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        if (key == QLatin1String("APP ENTRY=")) {
            entry.caption = value;
            found = true;
        } else if (key == QLatin1String("APP PATH=")) {
            entry.commandLine = value;
        }
    }
    if (!found) {
        entry.caption = QStringLiteral("None Found");
        entry.enabled = false;
    }
    return {entry};
}

QList<ExternalApplication> readExternalApplications(const QString& configPath)
{
    QStringList lines;
    QFile file(configPath);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream in(&file);
        while (!in.atEnd())
            lines << in.readLine();
    }
    return parseExternalApplications(lines);
}

bool startExternalApplication(const ExternalApplication& entry, const QString& currentDBName)
{
    if (entry.commandLine.isEmpty())
        return true;
    QStringList arguments = QProcess::splitCommand(entry.commandLine);
    if (arguments.isEmpty())
        return true;
    const QString program = arguments.takeFirst();
    // The path travels as one argument, blanks and all.
    arguments << QStringLiteral("DB=") + currentDBName;
    return QProcess::startDetached(program, arguments);
}

} // namespace arvenna
