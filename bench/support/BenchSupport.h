#pragma once

#include "view/OpenedGame.h"

#include <QString>
#include <QStringList>
#include <vector>

class QElapsedTimer;
class QTemporaryDir;
class QTextStream;

namespace arvenna {

double median(std::vector<double> values);
double milliseconds(const QElapsedTimer& timer);

// Runs a program to its end with its output thrown away; false (after saying
// why on err) when it fails.
bool runQuietly(const QString& program, const QStringList& arguments, QTextStream& err);

// Generates the full synthetic world with make-world (beside the benchmark)
// into dir; empty when that fails.
QString makeWorld(const QTemporaryDir& dir, QTextStream& err);

// Generates the full synthetic world into dir and opens it; false (after
// saying why on err) when either fails.
bool openSyntheticWorld(const QTemporaryDir& dir, OpenedGame& game, QTextStream& err);

} // namespace arvenna
