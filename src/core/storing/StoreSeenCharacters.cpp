#include "StoreSeenCharacters.h"

#include "BufferWalk.h"
#include "CharacterRows.h"
#include "parser/ReportState.h"
#include "parser/ReportText.h"

namespace arvenna {

namespace {
const QString kSeenLabel = QStringLiteral("(SEE)");
const QStringList kSeenCharacterFields{QStringLiteral("CHARACTERNAME"), QStringLiteral("CHARACTERNUMBER"),
                                       QStringLiteral("CharacterTurnInfo"),
                                       QStringLiteral("CharacterLastLocationKnown")};
// What "[SAVED] (LOC)" takes of a location line: the location stored is the
// report line with the label's blank before it.
constexpr int kLocationOpening = 13;

class SeenStoring {
public:
    SeenStoring(StoringContext& context, BufferWalk& walk)
        : walk_(walk), statements_(context.statements), turn_(context.report.header.turnNumber)
    {
    }

    void run();

private:
    bool seenAt(qsizetype position) const { return walk_.startsWith(position, kSeenLabel); }
    void takeLocation();
    void takeSeenCharacter();

    BufferWalk& walk_;
    PreparedStatements& statements_;
    const qint16 turn_;
    QString location_;
};

void SeenStoring::run()
{
    for (walk_.position = 0; walk_.position <= walk_.count(); ++walk_.position) {
        if (walk_.startsWith(walk_.position, QStringLiteral("(LOC)"))
            || walk_.startsWith(walk_.position, QStringLiteral("[SAVED] (LOC)")))
            takeLocation();
        while (seenAt(walk_.position)) {
            if (upperCase(walk_.at(walk_.position)).contains(QLatin1String("SEEN HERE:"))) {
                walk_.markSaved(walk_.position);
                ++walk_.position;
            }
            for (; seenAt(walk_.position); ++walk_.position) {
                if (walk_.at(walk_.position).contains(u'['))
                    takeSeenCharacter();
            }
        }
    }
}

// The location paragraph's other lines are passed over.
void SeenStoring::takeLocation()
{
    if (walk_.startsWith(walk_.position, QStringLiteral("(LOC)")))
        walk_.markSaved(walk_.position);
    location_ = walk_.at(walk_.position).mid(kLocationOpening);
    while (walk_.position < walk_.count() && !walk_.isSeparator(walk_.position))
        ++walk_.position;
}

void SeenStoring::takeSeenCharacter()
{
    QString text = trimBlanks(QStringView(walk_.at(walk_.position)).mid(kSeenLabel.size()));
    walk_.markSaved(walk_.position);
    if (text.startsWith(u'*'))
        text = trimBlanks(QStringView(text).mid(1));
    // A line without "[" goes on with the line before.
    while (walk_.position + 1 < walk_.count() && seenAt(walk_.position + 1)
           && !walk_.at(walk_.position + 1).contains(u'[')) {
        ++walk_.position;
        text += trimBlanks(QStringView(walk_.at(walk_.position)).mid(kSeenLabel.size()));
        walk_.markSaved(walk_.position);
    }
    const QString number = textBetween(text, u'[', u']');
    const QString name = trimBlanks(textBefore(text, u"["));
    const std::optional<StoredCharacter> found = findCharacter(statements_, number);
    if (found && found->turn >= turn_)
        return;
    writeCharacter(statements_, found, kSeenCharacterFields, {name, number, turn_, location_});
}
} // namespace

StageResult StoreSeenCharacters(StoringContext& context)
{
    BufferWalk walk(context.report.buffer);
    SeenStoring storing(context, walk);
    return walkStage(context, walk, [&] { storing.run(); });
}

} // namespace arvenna
