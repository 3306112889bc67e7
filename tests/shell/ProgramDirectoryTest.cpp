// Which folder is the program directory, and the per-user folder of an
// installed program: made and given the empty games on first start only.
#include "TestHome.h"
#include "shell/ProgramDirectory.h"

#include <QtTest>

using namespace arvenna;

namespace {
QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

// The installed data of a packaged program: the two empty games and the sample configuration.
void fillInstalledData(const TestHome& installed)
{
    installed.addGameDatabase(QStringLiteral("Arvenna.mdb"));
    installed.addGameDatabase(QStringLiteral("Quorvane.mdb"));
    installed.writeFile(QStringLiteral("ConfigFile.arv"), "[EXTERNAL APP]\n# APP ENTRY=\n");
    for (const QString& name : entries(installed.path()))
        QFile::setPermissions(installed.file(name), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
}
} // namespace

class ProgramDirectoryTest : public QObject {
    Q_OBJECT

private slots:
    void choosesTheDirectory()
    {
        TestHome withGame;
        withGame.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        TestHome installedBin;
        const QString user = QStringLiteral("/home/player/.local/share/arvenna-map");
        QCOMPARE(chooseProgramDirectory(QStringLiteral("/from/option"), QStringLiteral("/from/env"), withGame.path(), user),
                 QStringLiteral("/from/option"));
        QCOMPARE(chooseProgramDirectory(QString(), QStringLiteral("/from/env"), withGame.path(), user),
                 QStringLiteral("/from/env"));
        QCOMPARE(chooseProgramDirectory(QString(), QString(), withGame.path(), user), withGame.path());
        QCOMPARE(chooseProgramDirectory(QString(), QString(), installedBin.path(), user), user);
        QCOMPARE(chooseProgramDirectory(QStringLiteral("relative"), QString(), withGame.path(), user),
                 QDir::current().absoluteFilePath(QStringLiteral("relative")));
        QCOMPARE(programFile(QStringLiteral("/opt/arvenna"), QStringLiteral("Arvenna.mdb")),
                 QStringLiteral("/opt/arvenna/Arvenna.mdb"));
    }

    void seedsTheUserFolderOnFirstStartOnly()
    {
        TestHome installed;
        fillInstalledData(installed);
        TestHome data;
        const QString folder = data.file(QStringLiteral("share/arvenna-map"));
        const QStringList seeded{"Arvenna.mdb", "ConfigFile.arv", "Quorvane.mdb"};

        QCOMPARE(seedProgramDirectory(folder, installed.path()), QString());
        QCOMPARE(entries(folder), seeded);
        QCOMPARE(fileBytes(QDir(folder).filePath(QStringLiteral("Arvenna.mdb"))),
                 fileBytes(installed.file(QStringLiteral("Arvenna.mdb"))));
        // The player's copies can be written, though the installed files cannot.
        for (const QString& name : seeded)
            QVERIFY(QFileInfo(QDir(folder).filePath(name)).permissions().testFlag(QFile::WriteOwner));

        // The player's own changes stick: a purged game is not given back.
        QVERIFY(QFile::remove(QDir(folder).filePath(QStringLiteral("Quorvane.mdb"))));
        QCOMPARE(seedProgramDirectory(folder, installed.path()), QString());
        QCOMPARE(entries(folder), (QStringList{"Arvenna.mdb", "ConfigFile.arv"}));

        // With every game gone the empty ones come back, the player's configuration stays.
        QVERIFY(QFile::remove(QDir(folder).filePath(QStringLiteral("Arvenna.mdb"))));
        QFile config(QDir(folder).filePath(QStringLiteral("ConfigFile.arv")));
        QVERIFY(config.open(QIODevice::WriteOnly) && config.write("mine\n") == 5);
        config.close();
        QCOMPARE(seedProgramDirectory(folder, installed.path()), QString());
        QCOMPARE(entries(folder), seeded);
        QCOMPARE(fileBytes(config.fileName()), QByteArray("mine\n"));
    }

    void seedingFailuresNameTheFolder()
    {
        TestHome empty;
        TestHome data;
        const QString folder = data.file(QStringLiteral("arvenna-map"));
        QCOMPARE(seedProgramDirectory(folder, empty.path()),
                 QStringLiteral("No empty game database was found in [%1] to start your games with.").arg(empty.path()));
        QCOMPARE(entries(folder), QStringList());

        data.writeFile(QStringLiteral("blocker"), "a file where the folder should be");
        const QString blocked = data.file(QStringLiteral("blocker/arvenna-map"));
        QCOMPARE(seedProgramDirectory(blocked, empty.path()),
                 QStringLiteral("The folder [%1] for your games could not be created.").arg(blocked));
    }

    void namedDirectoriesMustExist()
    {
        TestHome home;
        home.writeFile(QStringLiteral("plain.txt"), "not a folder");
        const QString missing = home.file(QStringLiteral("missing"));
        QCOMPARE(resolveProgramDirectory(missing).problem,
                 QStringLiteral("The program directory [%1] does not exist.").arg(missing));
        QCOMPARE(resolveProgramDirectory(home.file(QStringLiteral("plain.txt"))).problem,
                 QStringLiteral("The program directory [%1] is not a folder.").arg(home.file(QStringLiteral("plain.txt"))));
        qputenv("ARVENNA_HOME", missing.toLocal8Bit());
        QCOMPARE(resolveProgramDirectory(QString()).problem,
                 QStringLiteral("The program directory [%1] does not exist.").arg(missing));
        const ProgramDirectory fine = resolveProgramDirectory(home.path());
        QCOMPARE(fine.path, home.path());
        QCOMPARE(fine.problem, QString());
    }

    void withoutAHomeAnInstalledProgramUsesThePerUserFolder()
    {
        // This test's executable lies in a folder without games and has no installed data beside it.
        qunsetenv("ARVENNA_HOME");
        TestHome data;
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        const ProgramDirectory directory = resolveProgramDirectory(QString());
        QCOMPARE(directory.path, data.file(QStringLiteral("arvenna-map")));
        QCOMPARE(userProgramDirectory(), directory.path);
        QCOMPARE(directory.problem, QStringLiteral("No empty game database was found in [%1] to start your games with.")
                                        .arg(installedDataDirectory()));
        QCOMPARE(installedDataDirectory(), QDir::cleanPath(QCoreApplication::applicationDirPath()
                                                           + QStringLiteral("/../share/arvenna-map")));
    }

    void picturesFallBackOnTheInstalledOnes()
    {
        TestHome home;
        QVERIFY(QDir(home.path()).mkdir(QStringLiteral("Pictures")));
        home.writeFile(QStringLiteral("Pictures/SkullIcon.ico"), "own");
        QCOMPARE(picturePath(home.path(), QStringLiteral("SkullIcon.ico")), home.file(QStringLiteral("Pictures/SkullIcon.ico")));
        QCOMPARE(picturePath(home.path(), QStringLiteral("book1.gif")),
                 QDir(installedDataDirectory()).filePath(QStringLiteral("Pictures/book1.gif")));
    }
};

QTEST_GUILESS_MAIN(ProgramDirectoryTest)
#include "ProgramDirectoryTest.moc"
