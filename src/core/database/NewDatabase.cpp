#include "NewDatabase.h"

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
#include <filesystem>
#include <system_error>

namespace arvenna {

namespace {
// The tables of game knowledge, in the order they are emptied: a new game
// inherits no city skills and no report history either.
const QStringList kKnowledgeTables{
    QStringLiteral("CHARACTERS"),         QStringLiteral("INNERLOCATIONS"), QStringLiteral("SKILLSBYLOCAL"),
    QStringLiteral("LOCALS"),             QStringLiteral("CONTINENTES"),    QStringLiteral("MARKETTRANSACTIONS"),
    QStringLiteral("FACTIONS"),           QStringLiteral("RULLERS"),        QStringLiteral("ALLIANCES"),
    QStringLiteral("PROVINCIAS"),         QStringLiteral("REPORTLOG"),      QStringLiteral("SETUP")};
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

NewGameDatabase::NewGameDatabase(const QString& programDirectory, const QString& typedName)
{
    const QString name = newDatabaseName(typedName);
    if (!isPlainDatabaseName(name))
        throw DatabaseError(kNotPlainName + QStringLiteral(": \"%1\"").arg(typedName));
    path_ = newDatabasePath(programDirectory, name);
    workPath_ = path_ + kCreatingSuffix;
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
        database.execute(QStringLiteral("DELETE FROM sqlite_sequence WHERE name IN (%1)")
                             .arg(QStringList(kKnowledgeTables.size(), QStringLiteral("?")).join(QLatin1Char(','))),
                         QVariantList(kKnowledgeTables.cbegin(), kKnowledgeTables.cend()));
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
        // The template's emptied pages would stay in the new file as free space.
        database.execute(QStringLiteral("VACUUM"));
        database.close();
    }
    // A game of that name open for writing elsewhere is not replaced.
    std::optional<WriterLock> lock;
    try {
        lock.emplace(path_);
    } catch (const DatabaseError& error) {
        throw DatabaseError(failureMessage(error, path_), error.engineCode());
    }
    // One rename: an interrupted or failed replacement leaves the old game whole.
    std::error_code failure;
    std::filesystem::rename(std::filesystem::path(workPath_.toStdU16String()),
                            std::filesystem::path(path_.toStdU16String()), failure);
    if (failure)
        throw DatabaseError(QStringLiteral("The database [%1] could not be written: %2")
                                .arg(path_, QString::fromLocal8Bit(failure.message())));
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
    if (!isPlainDatabaseName(newDatabaseName(*name))) {
        abort(dialogue, kNotPlainName + QStringLiteral(", Aborting operation"));
        return false;
    }
    NewGameDatabase created(programDirectory, *name);
    if (QFileInfo::exists(created.path())
        && dialogue.ask(QStringLiteral("Copy Database"), QStringLiteral("File exists, replace?"), MessageIcon::Critical,
                        DialogueButtons::YesNoKeep)
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
    if (dialogue.ask(QStringLiteral("Accept Copy ?"), details, MessageIcon::Critical, DialogueButtons::YesNoKeep)
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
