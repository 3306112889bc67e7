#pragma once

#include "ScriptedDialogue.h"
#include "TestHome.h"
#include "parser/ReportReader.h"
#include "parser/ReportState.h"

#include <QDir>

namespace arvenna {

// The sample reports beside the tests.
inline QString sampleReport(const QString& name)
{
    return QDir(QStringLiteral(ARVENNA_TEST_DATA "/parser/reports")).filePath(name);
}

// A main-game report of turn 12 whose location part is `locationPart`.
inline QByteArray reportWithLocations(const QByteArray& locationPart)
{
    return "Arvenna G2 turn 12 report\nReport for Ash Clan [a01].\n"
           "Unclaimed items:\n\n  qty  name\n  ---  ----\n\n"
           + locationPart;
}

struct ReadOutcome {
    bool read = false;
    ReportState state;
    ScriptedDialogue dialogue;
};

inline void readInto(ReadOutcome& outcome, const QString& path, const QString& game)
{
    outcome.read = ReadReport(path, outcome.state, game, outcome.dialogue);
}

// Writes `content` as a report file in `home` and reads it against `game`.
inline void readText(ReadOutcome& outcome, const TestHome& home, const QByteArray& content,
                     const QString& game = QStringLiteral("Arvenna G2"))
{
    home.writeFile(QStringLiteral("report.txt"), content);
    readInto(outcome, home.file(QStringLiteral("report.txt")), game);
}

} // namespace arvenna
