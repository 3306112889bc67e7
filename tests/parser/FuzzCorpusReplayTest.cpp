// Replays the fuzz corpus of the report reader and the storing stages with
// the normal build.
#include "ReportBufferCheck.h"
#include "StoringCheck.h"
#include "TestHome.h"

#include <QDir>
#include <QtTest>

using namespace arvenna;

class FuzzCorpusReplayTest : public QObject {
    Q_OBJECT

private slots:
    void everyCorpusReportLeavesAWellFormedBufferAndASoundGame()
    {
        const QDir corpus(QStringLiteral(ARVENNA_FUZZ_CORPUS));
        const QStringList names = corpus.entryList(QDir::Files, QDir::Name);
        QVERIFY(!names.isEmpty());
        StoringCheck storing(QStringLiteral(ARVENNA_GAME_SQL), QStringLiteral(ARVENNA_TEMPLATE_WORLD));
        QStringList faults;
        for (const QString& name : names) {
            const QByteArray report = fileBytes(corpus.filePath(name));
            for (const QString& fault : {checkReportBytes(report), storing.check(report)}) {
                if (!fault.isEmpty())
                    faults << name + QStringLiteral(": ") + fault;
            }
        }
        QCOMPARE(faults, QStringList());
    }
};

QTEST_GUILESS_MAIN(FuzzCorpusReplayTest)
#include "FuzzCorpusReplayTest.moc"
