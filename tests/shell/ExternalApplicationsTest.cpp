// "ConfigFile.arv" and the start of an external application.
#include "TestHome.h"
#include "shell/ExternalApplications.h"

#include <QtTest>

using namespace arvenna;

using Entries = QList<ExternalApplication>;

namespace {
const ExternalApplication kNoneFound{QStringLiteral("None Found"), QString(), false};
}

class ExternalApplicationsTest : public QObject {
    Q_OBJECT

private slots:
    void configurationLines_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<Entries>("expected");
        QTest::newRow("one application")
            << QStringList{"[EXTERNAL APP]", "APP ENTRY=Orders", "APP PATH=/usr/bin/orders --check"}
            << Entries{{"Orders", "/usr/bin/orders --check", true}};
        QTest::newRow("blanks around keys and values")
            << QStringList{"[EXTERNAL APP]", "  APP ENTRY=   Orders  ", "APP PATH =/ignored", "APP ENTRY =Ignored"}
            << Entries{{"Orders", QString(), true}};
        QTest::newRow("lower-case header with trailing text")
            << QStringList{"[external app] my tools", "APP ENTRY=Orders"} << Entries{{"Orders", QString(), true}};
        QTest::newRow("indented header is no header")
            << QStringList{" [EXTERNAL APP]", "APP ENTRY=Orders"} << Entries{kNoneFound};
        QTest::newRow("value keeps further equals signs")
            << QStringList{"[EXTERNAL APP]", "APP ENTRY=Calc", "APP PATH=calc --mode=fast --x==y"}
            << Entries{{"Calc", "calc --mode=fast --x==y", true}};
        QTest::newRow("the later pair wins")
            << QStringList{"[EXTERNAL APP]", "APP ENTRY=First", "APP PATH=first", "APP ENTRY=Second", "APP PATH=second"}
            << Entries{{"Second", "second", true}};
        QTest::newRow("path without entry")
            << QStringList{"[EXTERNAL APP]", "APP PATH=/usr/bin/orders"}
            << Entries{{"None Found", "/usr/bin/orders", false}};
        QTest::newRow("lines before the header are skipped")
            << QStringList{"; my settings", "[OTHER]", "APP ENTRY=Not this one", "", "[EXTERNAL APP]", "APP ENTRY=Orders"}
            << Entries{{"Orders", QString(), true}};
        QTest::newRow("lower-case keys, lines without equals, a second header")
            << QStringList{"[EXTERNAL APP]", "app entry=lower", "just words", "[EXTERNAL APP]", "="}
            << Entries{kNoneFound};
        QTest::newRow("no file contents") << QStringList() << Entries{kNoneFound};
    }

    void configurationLines()
    {
        QFETCH(QStringList, lines);
        QFETCH(Entries, expected);
        QCOMPARE(parseExternalApplications(lines), expected);
    }

    void configurationFiles()
    {
        TestHome home;
        QCOMPARE(readExternalApplications(home.file(kConfigFileName)), Entries{kNoneFound});

        home.writeFile(kConfigFileName, "[EXTERNAL APP]\r\nAPP ENTRY=Orders\r\nAPP PATH=orders\r\n");
        QCOMPARE(readExternalApplications(home.file(kConfigFileName)), (Entries{{"Orders", "orders", true}}));

        QByteArray garbage("[EXTERNAL APP]\nAPP ENTRY=\xff\xfe\x00\x01 odd\n", 40);
        garbage += QByteArray(100000, 'x') + "\n\x00\x00=\x00\n";
        home.writeFile(kConfigFileName, garbage);
        QCOMPARE(readExternalApplications(home.file(kConfigFileName)).size(), 1);

        // Unreadable: a directory where the file should be.
        TestHome other;
        QVERIFY(QDir(other.path()).mkdir(kConfigFileName));
        QCOMPARE(readExternalApplications(other.file(kConfigFileName)), Entries{kNoneFound});
    }

    void startsTheProgramWithTheDatabasePath()
    {
        TestHome home;
        const QString record = home.file(QStringLiteral("arguments.txt"));
        home.writeFile(QStringLiteral("record.sh"),
                       QStringLiteral("for a in \"$@\"; do echo \"$a\"; done > '%1.part'; mv '%1.part' '%1'\n")
                           .arg(record).toUtf8());
        const ExternalApplication entry{QStringLiteral("Record"),
                                        QStringLiteral("/bin/sh %1 --flag").arg(home.file(QStringLiteral("record.sh")))};
        QVERIFY(startExternalApplication(entry, QStringLiteral("/games/My Game/Arvenna.mdb")));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 10000);
        QCOMPARE(QString::fromUtf8(fileBytes(record)), QStringLiteral("--flag\nDB=/games/My Game/Arvenna.mdb\n"));

        QVERIFY(startExternalApplication(ExternalApplication{QStringLiteral("Empty"), QString()}, QString()));
        QVERIFY(!startExternalApplication(ExternalApplication{QStringLiteral("Gone"), home.file(QStringLiteral("no-such-program"))},
                                          QString()));
    }
};

QTEST_GUILESS_MAIN(ExternalApplicationsTest)
#include "ExternalApplicationsTest.moc"
