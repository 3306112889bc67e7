// Replays the fuzz corpus of the report reader with the normal build.
#include "ReportBufferCheck.h"
#include "TestHome.h"

#include <QDir>
#include <QtTest>

using namespace arvenna;

class FuzzCorpusReplayTest : public QObject {
    Q_OBJECT

private slots:
    void everyCorpusReportLeavesAWellFormedBuffer()
    {
        const QDir corpus(QStringLiteral(ARVENNA_FUZZ_CORPUS));
        const QStringList names = corpus.entryList(QDir::Files, QDir::Name);
        QVERIFY(!names.isEmpty());
        QStringList faults;
        for (const QString& name : names) {
            const QString fault = checkReportBytes(fileBytes(corpus.filePath(name)));
            if (!fault.isEmpty())
                faults << name + QStringLiteral(": ") + fault;
        }
        QCOMPARE(faults, QStringList());
    }
};

QTEST_GUILESS_MAIN(FuzzCorpusReplayTest)
#include "FuzzCorpusReplayTest.moc"
