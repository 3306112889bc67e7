#include "CliCommand.h"
#include "ConsoleDialogue.h"
#include "database/DatabaseDiscovery.h"
#include "database/NewDatabase.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace arvenna {

namespace {
// Whether a file can be made in folder: asked of the file system itself, as
// permission bits do not tell for every user and every file system.
bool canWriteIn(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("create-probe-XXXXXX")));
    return probe.open();
}
} // namespace

int runCreateCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption type(QStringLiteral("type"), QStringLiteral("The game family: g (Arvenna) or qvr (Quorvane)."),
                                  QStringLiteral("g|qvr"));
    const QCommandLineOption number(QStringLiteral("number"), QStringLiteral("The game number, 1 to 32767."),
                                    QStringLiteral("N"));
    const QCommandLineOption replace(QStringLiteral("replace"), QStringLiteral("Replaces a database of that name."));
    parser.addOptions({type, number, replace});
    addHomeOption(parser);
    parser.addPositionalArgument(QStringLiteral("NAME"), QStringLiteral("The new file's name, without extension."));
    if (auto done = parseCommandLine(parser, arguments,
                                     QStringLiteral("Creates a new game database NAME.MDB in the program directory "
                                                    "from the template of its family.")))
        return *done;
    const std::optional<GameFamily> family = gameFamilyOf(parser.value(type));
    bool numberOk = false;
    const int gameNumber = parser.value(number).trimmed().toInt(&numberOk);
    const QStringList names = parser.positionalArguments();
    if (!family || !numberOk || gameNumber < 1 || gameNumber > 32767 || names.size() != 1) {
        printMessage(QStringLiteral("create needs --type g or qvr, --number from 1 to 32767 and one NAME."));
        return kExitUsage;
    }
    const QString name = names.constFirst();
    if (!isPlainDatabaseName(newDatabaseName(name))) {
        printMessage(kNotPlainName + QStringLiteral(": \"%1\"").arg(name));
        return kExitUsage;
    }
    const std::optional<QString> found = programDirectoryFrom(parser);
    if (!found)
        return kExitFailure;
    return reportingFailures([&, home = *found] {
        ConsoleDialogue dialogue;
        DatabaseMenus menus;
        discoverDatabases(home, menus, dialogue);
        const QString source = templateDatabase(menus, *family);
        if (source.isEmpty()) {
            printMessage(QStringLiteral("Template Database not available, Aborting operation"));
            return int(kExitFailure);
        }
        NewGameDatabase created(home, name);
        if (QFileInfo::exists(created.path()) && !parser.isSet(replace)) {
            printMessage(QStringLiteral("The database [%1] exists; --replace replaces it.").arg(created.path()));
            return int(kExitFailure);
        }
        if (!canWriteIn(home)) {
            printMessage(QStringLiteral("The folder [%1] cannot be written: the new database cannot be made there.")
                             .arg(QDir::toNativeSeparators(home)));
            return int(kExitFailure);
        }
        if (!created.copyTemplate(source)) {
            printMessage(QStringLiteral("Problems were encountered during the copy fase, please re-start and try again."));
            return int(kExitFailure);
        }
        created.finish(*family, qint16(gameNumber));
        printLine(created.path());
        return int(kExitSuccess);
    });
}

} // namespace arvenna
