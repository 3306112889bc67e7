#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <memory>

class QProcess;

namespace arvenna {

// Building damaged and busy databases for the maintenance tests.

// Fills PROVINCIAS with count provinces named P0, P1, ...
void addProvinces(const QString& path, int count);
// Overwrites one page of a database file with garbage.
void damagePage(const QString& path, qint64 page);
qint64 rootPage(const QString& path, const QString& name);
struct LeafPage {
    qint64 page;
    qint64 rows;
};
// The leaf pages of a table or index, in file order, with the rows each holds.
QList<LeafPage> leafPages(const QString& path, const QString& name);

// Leaves the file as a program killed in the middle of a large write leaves
// it: part of the write in the file, the journal to undo it beside it.
void leaveHotJournal(const QString& path);

// "ok", or the engine's findings.
QString integrityCheck(const QString& path);
// "TABLE=rows" for every table, in name order.
QStringList rowCounts(const QString& path);

// Another program on the same file (a process of its own, so that its
// locks are its own), which keeps what it holds (a transaction, a read)
// until it ends or is killed.
class OtherProgram {
public:
    explicit OtherProgram(const QString& path);
    ~OtherProgram();
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;

    // Runs one statement; false when the engine refused it.
    bool run(const QString& sql);
    // Starts a query and reads its first row, leaving the read open.
    bool startReading(const QString& sql);
    // Ends the program as a crash would, in the middle of whatever it does.
    void kill();

private:
    std::unique_ptr<QProcess> process_;
};

} // namespace arvenna
