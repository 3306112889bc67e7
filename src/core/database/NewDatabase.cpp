#include "NewDatabase.h"

#include "../shell/ProgramDirectory.h"
#include "../shell/UserDialogue.h"
#include "Database.h"
#include "DatabaseError.h"
#include "DatabaseMenus.h"
#include "EngineFailure.h"
#include "Maintenance.h"
#include "Migrations.h"
#include "Transaction.h"
#include "WriterLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace arvenna {

namespace {
// The tables of game knowledge, in the order they are emptied.
const QStringList kKnowledgeTables{
    QStringLiteral("CHARACTERS"),         QStringLiteral("INNERLOCATIONS"), QStringLiteral("LOCALS"),
    QStringLiteral("CONTINENTES"),        QStringLiteral("MARKETTRANSACTIONS"), QStringLiteral("FACTIONS"),
    QStringLiteral("RULLERS"),            QStringLiteral("ALLIANCES"),      QStringLiteral("PROVINCIAS"),
    QStringLiteral("SETUP")};
constexpr int kNewFormatVersion = 6;

const QString kTitle = QStringLiteral("Name Database");
const QString kAbortTitle = QStringLiteral("Abort copy");
const QString kAborting = QStringLiteral("Aborting operation");

void abort(UserDialogue& dialogue, const QString& text = kAborting)
{
    dialogue.inform(kAbortTitle, text, MessageIcon::Critical);
}

std::optional<GameFamily> askFamily(UserDialogue& dialogue)
{
    for (;;) {
        const std::optional<QString> answer = dialogue.askText(
            kTitle, QStringLiteral("Please Choose the game type:\n(g) for Arvenna or \n(qvr) for Quorvane"));
        if (!answer || answer->isEmpty())
            return std::nullopt;
        if (const std::optional<GameFamily> family = gameFamilyOf(*answer))
            return family;
    }
}

// A whole number of 1 to 32767; a number outside that range asks again.
std::optional<qint16> askGameNumber(UserDialogue& dialogue)
{
    for (;;) {
        const std::optional<QString> answer = dialogue.askText(kTitle, QStringLiteral("Please Choose the game number:"));
        bool ok = false;
        const qlonglong number = answer ? answer->trimmed().toLongLong(&ok) : 0;
        if (!ok)
            return std::nullopt;
        if (number > 0 && number <= 32767)
            return qint16(number);
    }
}
} // namespace

std::optional<GameFamily> gameFamilyOf(const QString& answer)
{
    const QString type = answer.trimmed().toUpper();
    if (type == QLatin1String("G"))
        return GameFamily::Arvenna;
    if (type == QLatin1String("QVR"))
        return GameFamily::Quorvane;
    return std::nullopt;
}

QString templateDatabase(const DatabaseMenus& menus, GameFamily family)
{
    const QString mark = family == GameFamily::Arvenna ? QStringLiteral("ARVENNA") : QStringLiteral("QVR GAME");
    for (int i = 0; i < menus.RepDBItem.size(); ++i) {
        if (menus.RepDBItem.at(i).toUpper().contains(mark) && !menus.paths.value(i).isEmpty())
            return menus.paths.at(i);
    }
    return {};
}

bool isPlainDatabaseName(const QString& name)
{
    return !name.trimmed().isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
        && !name.contains(QLatin1String("..")) && !isWorkFileName(name + QStringLiteral(".MDB"));
}

NewGameDatabase::NewGameDatabase(const QString& programDirectory, const QString& name)
    : path_(programFile(programDirectory, name + QStringLiteral(".MDB"))),
      workPath_(path_ + QStringLiteral(".creating"))
{
    if (!isPlainDatabaseName(name))
        throw DatabaseError(QStringLiteral("The database name \"%1\" may not hold a path separator or \"..\" nor be a work file's.").arg(name));
}

NewGameDatabase::~NewGameDatabase()
{
    discardWorkFile();
}

void NewGameDatabase::discardWorkFile()
{
    if (QFileInfo::exists(workPath_))
        QFile::remove(workPath_);
}

bool NewGameDatabase::copyTemplate(const QString& templatePath)
{
    discardWorkFile(); // left by an interrupted creation
    return !QFileInfo::exists(workPath_) && QFile::copy(templatePath, workPath_);
}

void NewGameDatabase::finish(GameFamily family, qint16 gameNumber, const QDateTime& now)
{
    {
        Database database = Database::open(workPath_);
        Transaction transaction(database);
        for (const QString& table : kKnowledgeTables)
            database.execute(QStringLiteral("DELETE FROM ") + table);
        RecordSet setup = database.openRecordSet(QStringLiteral("SELECT * FROM SETUP"));
        setup.addNew();
        const bool main = family == GameFamily::Arvenna;
        setup.setValue(QStringLiteral("DATABASEDESC"),
                       (main ? QStringLiteral("Arvenna G") : QStringLiteral("QVR game ")) + QString::number(gameNumber));
        setup.setValue(QStringLiteral("GAMETYPE"), main ? QStringLiteral("G") : QStringLiteral("QVR"));
        setup.setValue(QStringLiteral("GAMENO"), gameNumber);
        setup.setValue(QStringLiteral("DateRow"), now);
        setup.setValue(QStringLiteral("MDBVers"), kNewFormatVersion);
        setup.update();
        setup.close();
        transaction.commit();
        migrateGame(database);
        database.close();
    }
    // A game of that name open for writing elsewhere is not replaced.
    std::optional<WriterLock> lock;
    try {
        lock.emplace(path_);
    } catch (const DatabaseError& error) {
        throw DatabaseError(failureMessage(error, path_), error.engineCode());
    }
    if (QFileInfo::exists(path_) && !QFile::remove(path_))
        throw DatabaseError(QStringLiteral("The database [%1] could not be replaced.").arg(path_));
    if (!QFile::rename(workPath_, path_))
        throw DatabaseError(QStringLiteral("The database [%1] could not be written.").arg(path_));
}

bool createDatabaseFromTemplate(const QString& programDirectory, const DatabaseMenus& menus, UserDialogue& dialogue)
{
    const QString templates[] = {templateDatabase(menus, GameFamily::Arvenna),
                                 templateDatabase(menus, GameFamily::Quorvane)};
    if (templates[0].isEmpty() && templates[1].isEmpty())
        return false;
    const std::optional<QString> name = dialogue.askText(
        kTitle, QStringLiteral("Please name the new copy of the database:\n(no extension required)"));
    if (!name || name->isEmpty()) {
        abort(dialogue);
        return false;
    }
    if (!isPlainDatabaseName(*name)) {
        abort(dialogue, QStringLiteral("The name may not hold \"/\", \"\\\" or \"..\" nor be a work file's, Aborting operation"));
        return false;
    }
    NewGameDatabase created(programDirectory, *name);
    if (QFileInfo::exists(created.path())
        && dialogue.ask(QStringLiteral("Copy Database"), QStringLiteral("File exists, replace?"), MessageIcon::Critical,
                        DialogueButtons::YesNo)
            != DialogueAnswer::Yes) {
        abort(dialogue);
        return false;
    }
    const std::optional<GameFamily> family = askFamily(dialogue);
    if (!family) {
        abort(dialogue);
        return false;
    }
    const QString& source = templates[*family == GameFamily::Arvenna ? 0 : 1];
    if (source.isEmpty()) {
        abort(dialogue, QStringLiteral("Template Database not available, Aborting operation"));
        return false;
    }
    if (!created.copyTemplate(source)) {
        dialogue.inform(QStringLiteral("Error"),
                        QStringLiteral("Problems were encountered during the copy fase, please re-start and try again."),
                        MessageIcon::Critical);
        return false;
    }
    const std::optional<qint16> number = askGameNumber(dialogue);
    if (!number) {
        abort(dialogue);
        return false;
    }
    const QString details = QStringLiteral("You are about to create a new database file, details:\n Path = ")
        + QDir::toNativeSeparators(created.path())
        + (*family == GameFamily::Arvenna ? QStringLiteral("\n Game Type = <Arvenna>")
                                          : QStringLiteral("\n Game Type = <Quorvane>"))
        + QStringLiteral("\n Game Number = ") + QString::number(*number);
    if (dialogue.ask(QStringLiteral("Accept Copy ?"), details, MessageIcon::Critical, DialogueButtons::YesNo)
        != DialogueAnswer::Yes)
        return false;
    BusyPointer busy(dialogue);
    try {
        created.finish(*family, *number);
    } catch (const DatabaseError& error) {
        dialogue.inform(QStringLiteral("Error"), error.message(), MessageIcon::Critical);
        return false;
    }
    return true;
}

} // namespace arvenna
