// Failures of a game database name their real cause and the file, in the
// processing run as in maintenance and on the command line.
#include "CliRun.h"
#include "ScriptedDialogue.h"
#include "TestHome.h"
#include "database/Database.h"
#include "database/DatabaseError.h"
#include "database/EngineFailure.h"
#include "database/WriterLock.h"
#include "parser/ReportState.h"
#include "storing/ProcessingRun.h"
#include "view/GameOpening.h"
#include "view/OpenedGame.h"

#include <QSysInfo>
#include <QtTest>
#include <functional>

using namespace arvenna;

namespace {
const QString kReport = QStringLiteral(ARVENNA_TEST_DATA "/storing/reports/world-turn12.txt");
const QFileDevice::Permissions kOthersRead = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
    | QFileDevice::ReadOther;
const QFileDevice::Permissions kFolderOthersRead = kOthersRead | QFileDevice::ExeOwner | QFileDevice::ExeGroup
    | QFileDevice::ExeOther;
const QFileDevice::Permissions kFolderOpenToAll = kFolderOthersRead | QFileDevice::WriteGroup | QFileDevice::WriteOther;

// Lets the database grow by no page: the engine then finds the disk full.
void fillDisk(Database& database)
{
    const qint64 pages = database.openRecordSet("PRAGMA page_count", RecordSetType::Snapshot).integer("page_count");
    database.execute(QStringLiteral("PRAGMA max_page_count = %1").arg(pages));
}
} // namespace

class FailureMessageTest : public QObject {
    Q_OBJECT

private slots:
    // A write the disk has no room for, met in a storing stage: nothing of
    // the report is stored and the message blames the disk.
    void aFullDiskIsNamed()
    {
        TestHome home;
        const QString path = home.addGameDatabase("Arvenna.mdb");
        OpenedGame game;
        QCOMPARE(openGame(path, game.session, game.model, game.view, nullptr, GameAccess::Writer),
                 GameSession::OpenResult::Opened);
        const QStringList before = queryRows(path, "SELECT count(*) FROM CONTINENTES");
        StoringStages stages = storingStages();
        stages[0].stage = [](StoringContext& context) {
            context.database.execute("INSERT INTO CONTINENTES (CONTDESCRIPTION) VALUES ('Westmarch')");
            fillDisk(context.database);
            context.database.execute("INSERT INTO CONTINENTES (CONTDESCRIPTION) VALUES (?)",
                                     {QString(20000, QLatin1Char('x'))});
            return StageResult{};
        };
        ReportState state;
        ScriptedDialogue dialogue;
        ProcessingRun run(game.session, game.model, state, dialogue, stages);
        const FileOutcome outcome = run.process({kReport}).constFirst();
        const QString cause = "The disk of the game database [" + path + "] is full.\ndatabase or disk is full";
        QCOMPARE(outcome.reason, "nothing was stored: " + cause);
        QCOMPARE(dialogue.shown, (QList<ScriptedDialogue::Shown>{{"Critical Warning",
                                                                  "Nothing of the report " + kReport + " was stored.\n" + cause,
                                                                  MessageIcon::Critical}}));
        QCOMPARE(queryRows(path, "SELECT count(*) FROM CONTINENTES"), before);
    }

    // Each cause has its own message, naming the file, the engine's words
    // on the line after.
    void eachCauseHasItsMessage()
    {
        TestHome home;
        const QString path = home.addGameDatabase("Arvenna.mdb");
        const QString gone = home.file("Gone.mdb");
        QStringList messages;
        const auto failing = [&](const std::function<void()>& work, const QString& game) {
            try {
                work();
                messages << QStringLiteral("no failure");
            } catch (const DatabaseError& error) {
                messages << failureMessage(error, game);
            }
        };
        failing([&] {
            Database database = Database::open(path);
            fillDisk(database);
            database.execute("INSERT INTO CONTINENTES (CONTDESCRIPTION) VALUES (?)", {QString(20000, QLatin1Char('x'))});
        }, path);
        failing([&] {
            Database database = Database::open(path);
            database.execute("PRAGMA query_only = ON");
            database.execute("DELETE FROM CONTINENTES");
        }, path);
        failing([&] {
            const WriterLock held(path);
            const WriterLock second(path);
        }, path);
        failing([&] { Database::open(gone); }, gone);
        QCOMPARE(messages,
                 (QStringList{"The disk of the game database [" + path + "] is full.\ndatabase or disk is full",
                              "The game database [" + path + "] is read-only: it cannot be written.\n"
                              "attempt to write a readonly database",
                              "The game database [" + path + "] is in use by another program.\nIt is open for writing "
                              "in process " + QString::number(QCoreApplication::applicationPid()) + " on "
                              + QSysInfo::machineHostName() + ".",
                              "Could not find file '" + gone + "'."}));
    }

    // A folder or a file the program may only read refuses the game before
    // anything is read from a report.
    void readOnlyFolderOrFileRefusesTheWriter()
    {
        TestHome home;
        const QString path = home.addGameDatabase("Arvenna.mdb");
        QVERIFY(QFile::setPermissions(path, kOthersRead));
        QVERIFY(QFile::setPermissions(home.path(), kFolderOthersRead));
        const CliRun folder = runCliUnprivileged({"process", "--db", path, kReport});
        QVERIFY(QFile::setPermissions(home.path(), kFolderOpenToAll));
        const CliRun file = runCliUnprivileged({"process", "--db", path, kReport});
        QCOMPARE((QStringList{QString::number(folder.status), folder.out, folder.err}),
                 (QStringList{"1", "",
                              "The folder of the game database [" + path + "] is read-only: the game cannot be written "
                              "there.\nThe lock file [" + path + ".writer] cannot be made: Permission denied\n"}));
        QCOMPARE((QStringList{QString::number(file.status), file.out, file.err}),
                 (QStringList{"1", "",
                              "The game database [" + path + "] is read-only: it cannot be written.\n"
                              "attempt to write a readonly database\n"}));
        QCOMPARE(QDir(home.path()).entryList(QDir::Files), QStringList{"Arvenna.mdb"});
    }
};

QTEST_GUILESS_MAIN(FailureMessageTest)
#include "FailureMessageTest.moc"
