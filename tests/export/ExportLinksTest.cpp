// Every link of the exported page leads somewhere on it, on the synthetic full world.
#include "TestHome.h"
#include "database/GameSession.h"
#include "export/HtmlMapPage.h"
#include "export/StartPosition.h"
#include "model/MapModel.h"
#include "view/GameOpening.h"
#include "view/MapView.h"

#include <QProcess>
#include <QSet>
#include <QtTest>

using namespace arvenna;

namespace {
// The targets of a page's links ("#_aa01" gives "_aa01") and its anchors, by name.
struct Links {
    QSet<QByteArray> targets;
    QSet<QByteArray> anchors;
    qsizetype links = 0;
};

// Every value that follows one of the openers, up to its closing quote.
void collect(const QByteArray& page, const QByteArray& opener, QSet<QByteArray>& into, qsizetype* count = nullptr)
{
    for (qsizetype at = page.indexOf(opener); at >= 0; at = page.indexOf(opener, at)) {
        at += opener.size();
        const qsizetype end = page.indexOf('"', at);
        into.insert(page.mid(at, end - at));
        if (count)
            ++*count;
    }
}

Links linksOf(const QByteArray& page)
{
    Links found;
    collect(page, "href = \"#", found.targets, &found.links); // the map's cells
    collect(page, "href=\"#", found.targets, &found.links);   // the descriptions
    collect(page, "NAME=\"", found.anchors);
    return found;
}
} // namespace

class ExportLinksTest : public QObject {
    Q_OBJECT
private slots:
    void everyLinkResolvesWithEveryOptionCombination()
    {
        TestHome home;
        const QString world = home.file(QStringLiteral("World.mdb"));
        QCOMPARE(QProcess::execute(QStringLiteral(ARVENNA_MAKE_WORLD), {world}), 0);
        GameSession session;
        MapModel model;
        MapView view;
        QCOMPARE(openGame(world, session, model, view), GameSession::OpenResult::Opened);
        ExportSettings settings = exportSettingsOf(model);
        settings.startColumn = 37;
        settings.startRow = 58;
        QStringList dead;
        QList<qsizetype> counts;
        for (int combination = 0; combination < 16; ++combination) {
            for (std::size_t option = 0; option < settings.options.size(); ++option)
                settings.options[option] = (combination >> option) & 1;
            const Links links = linksOf(htmlMapPage(model, settings));
            counts << links.links;
            for (const QByteArray& target : links.targets) {
                if (!links.anchors.contains(target))
                    dead << QStringLiteral("options %1: #%2").arg(combination).arg(QString::fromLatin1(target));
            }
        }
        dead.sort();
        QCOMPARE(dead.mid(0, 10), QStringList());
        // Options 1 to 3 each bring links; without them the page has none.
        QCOMPARE(counts.at(0), qsizetype(0));
        for (int combination : {2, 4, 8})
            QVERIFY2(counts.at(combination) > 1000, qPrintable(QString::number(counts.at(combination))));
    }
};

QTEST_GUILESS_MAIN(ExportLinksTest)
#include "ExportLinksTest.moc"
