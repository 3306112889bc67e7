#include "NewDatabaseName.h"

#include "../shell/ProgramDirectory.h"
#include "Maintenance.h"

#include <QDir>
#include <QFile>
#include <algorithm>

namespace arvenna {

namespace {
const QString kGameEnding = QStringLiteral(".mdb");
} // namespace

QString newDatabaseName(const QString& typed)
{
    QString name = typed.trimmed();
    if (name.endsWith(kGameEnding, Qt::CaseInsensitive))
        name.chop(kGameEnding.size());
    return name;
}

bool isPlainDatabaseName(const QString& name)
{
    const bool onlyDotsAndBlanks =
        std::all_of(name.cbegin(), name.cend(), [](QChar c) { return c == u'.' || c.isSpace(); });
    return !onlyDotsAndBlanks && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
        && !name.contains(QLatin1String("..")) && !isWorkFileName(name + QStringLiteral(".MDB"));
}

QString newDatabasePath(const QString& programDirectory, const QString& name)
{
    const QString fileName = name + kGameEnding;
    // Game files are found by their ending in any letter case, so a second
    // file differing only in case would be a second game of the same name.
    const QStringList present = QDir(programDirectory).entryList({QStringLiteral("*")}, QDir::Files | QDir::Hidden,
                                                                 QDir::Name);
    for (const QString& file : present) {
        if (file.compare(fileName, Qt::CaseInsensitive) == 0)
            return programFile(programDirectory, file);
    }
    return programFile(programDirectory, name + QStringLiteral(".MDB"));
}

void removeUnfinishedCreations(const QString& programDirectory)
{
    QDir dir(programDirectory);
    for (const QString& file : dir.entryList({QStringLiteral("*") + kGameEnding + kCreatingSuffix},
                                             QDir::Files | QDir::Hidden)) {
        // One that cannot be removed now is tried again at the next discovery.
        QFile::remove(dir.filePath(file));
    }
}

} // namespace arvenna
