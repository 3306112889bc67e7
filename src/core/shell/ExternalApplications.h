#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace arvenna {

// One entry of the "E&xternal Applications" menu.
struct ExternalApplication {
    QString caption;
    QString commandLine;
    bool enabled = true;

    bool operator==(const ExternalApplication&) const = default;
};

inline const QString kConfigFileName = QStringLiteral("ConfigFile.arv");

// The menu entries described by the lines of "ConfigFile.arv". Lines before
// the "[EXTERNAL APP]" header are not entries; the section describes one
// application (later keys replace earlier ones). Without an "APP ENTRY="
// line the one entry is the disabled "None Found".
QList<ExternalApplication> parseExternalApplications(const QStringList& lines);

// The same from the configuration file; a missing or unreadable file gives
// the "None Found" entry.
QList<ExternalApplication> readExternalApplications(const QString& configPath);

// Starts the entry's program with " DB=" and the open database's path; an
// entry without a command line starts nothing. Returns false when the
// program could not be started.
bool startExternalApplication(const ExternalApplication& entry, const QString& currentDBName);

} // namespace arvenna
