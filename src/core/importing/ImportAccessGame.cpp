#include "ImportAccessGame.h"

#include "../database/Database.h"
#include "../database/DatabaseError.h"
#include "../database/EngineMaintenance.h"
#include "../database/LockedDatabase.h"
#include "../database/NewDatabase.h"
#include "../database/RoutesTable.h"
#include "../database/Transaction.h"
#include "../shell/ProgramDirectory.h"
#include "AccessFile.h"
#include "AccessGameSetup.h"
#include "GameReferences.h"
#include "ImportedValue.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace arvenna {

namespace {
// A table of the new game as the schema declares it.
struct SchemaTable {
    QString name;
    QStringList columns;
    QStringList types;
};

QList<SchemaTable> schemaTables(Database& database)
{
    QList<SchemaTable> tables;
    RecordSet names = database.openRecordSet(
        QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite!_%' ESCAPE '!' "
                       "ORDER BY rowid"),
        RecordSetType::Snapshot);
    for (; !names.isEOF(); names.moveNext())
        tables.append({names.text(QStringLiteral("name")), {}, {}});
    for (SchemaTable& table : tables) {
        RecordSet columns = database.openRecordSet(QStringLiteral("SELECT name, type FROM pragma_table_info(?)"),
                                                   RecordSetType::Snapshot, {table.name});
        for (; !columns.isEOF(); columns.moveNext()) {
            table.columns << columns.text(QStringLiteral("name"));
            table.types << columns.text(QStringLiteral("type"));
        }
    }
    return tables;
}

qsizetype indexIgnoringCase(const QStringList& names, const QString& name)
{
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (names.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString quoted(const QString& identifier)
{
    return QLatin1Char('"') + QString(identifier).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

// Replaces a table's rows with those of the Access table, converting each
// value to its column's type; notes fields the schema does not know and
// values that could not be converted.
qint64 copyRows(Database& database, const SchemaTable& schema, const AccessTable& source, QStringList& notes)
{
    QList<int> sourceFields;
    QStringList columns;
    QStringList types;
    for (int i = 0; i < source.fields.size(); ++i) {
        const QString& field = source.fields.at(i).name;
        const qsizetype column = indexIgnoringCase(schema.columns, field);
        if (column < 0) {
            notes << QStringLiteral("%1.%2: not a field of the game schema").arg(source.name, field);
            continue;
        }
        sourceFields << i;
        columns << quoted(schema.columns.at(column));
        types << schema.types.at(column);
    }
    database.execute(QStringLiteral("DELETE FROM ") + quoted(schema.name));
    if (columns.isEmpty())
        return 0;
    QSqlQuery insert(database.connection());
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(quoted(schema.name), columns.join(QLatin1Char(',')),
                                 QStringList(columns.size(), QStringLiteral("?")).join(QLatin1Char(',')));
    if (!insert.prepare(sql))
        throw DatabaseError(QStringLiteral("%1: %2").arg(schema.name, insert.lastError().text()));
    QList<qint64> unconverted(columns.size(), 0);
    for (const QVariantList& row : source.rows) {
        for (int c = 0; c < columns.size(); ++c) {
            const QVariant& value = row.at(sourceFields.at(c));
            const QVariant converted = columnValue(value, types.at(c));
            if (converted.isNull() && !value.isNull())
                ++unconverted[c];
            insert.bindValue(c, converted);
        }
        if (!insert.exec())
            throw DatabaseError(QStringLiteral("The rows of %1 could not be written: %2")
                                    .arg(schema.name, insert.lastError().text()));
    }
    for (int c = 0; c < columns.size(); ++c) {
        if (unconverted.at(c) > 0)
            notes << QStringLiteral("%1.%2: %3 values not of the field's type, left empty")
                         .arg(schema.name, source.fields.at(sourceFields.at(c)).name)
                         .arg(unconverted.at(c));
    }
    return source.rows.size();
}

// The work folder "NAME.MDB.importing": removed with whatever it holds unless
// the import completed.
class WorkFolder {
public:
    explicit WorkFolder(const QString& path) : path_(path)
    {
        remove(); // left by an interrupted import
        if (QFileInfo::exists(path_) || !QDir().mkdir(path_))
            throw DatabaseError(QStringLiteral("The work folder [%1] could not be made.").arg(path_));
    }
    ~WorkFolder() { remove(); }
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;
    const QString& path() const { return path_; }

private:
    void remove()
    {
        if (QFileInfo(path_).isDir())
            QDir(path_).removeRecursively();
    }
    QString path_;
};

void checkIntegrity(Database& database)
{
    RecordSet check = database.openRecordSet(QStringLiteral("PRAGMA integrity_check"), RecordSetType::Snapshot);
    if (check.isEOF() || check.value(QStringLiteral("integrity_check")).toString() != QLatin1String("ok"))
        throw DatabaseError(QStringLiteral("The imported game does not pass the integrity check."));
}
} // namespace

ImportReport importAccessGame(const QString& accessPath, const QString& programDirectory, const QString& name,
                              const DatabaseMenus& menus, bool replace)
{
    if (!isPlainDatabaseName(name))
        throw DatabaseError(
            QStringLiteral("The name \"%1\" may not hold \"/\", \"\\\" or \"..\" nor be a work file's.").arg(name));
    ImportReport report{accessPath, programFile(programDirectory, name + QStringLiteral(".MDB")), {}, {}};
    if (QFileInfo::exists(report.game) && !replace)
        throw DatabaseError(QStringLiteral("The database [%1] exists.").arg(report.game));

    // Everything is read, and the file checked to be a game, before anything is written.
    const AccessFile file(accessPath);
    const AccessGameSetup setup = readAccessGameSetup(file, accessPath);
    QList<AccessTable> sources;
    for (const QString& table : file.tableNames())
        sources.append(file.readTable(table));
    const QString templatePath = templateDatabase(menus, setup.family);
    if (templatePath.isEmpty())
        throw DatabaseError(QStringLiteral("Template Database not available, Aborting operation"));

    WorkFolder work(report.game + QStringLiteral(".importing"));
    NewGameDatabase created(work.path(), name);
    if (!created.copyTemplate(templatePath))
        throw DatabaseError(QStringLiteral("The template [%1] could not be copied.").arg(templatePath));
    created.finish(setup.family, setup.gameNumber);
    {
        Database database = Database::open(created.path());
        Transaction transaction(database);
        const QList<SchemaTable> schema = schemaTables(database);
        for (const AccessTable& source : sources) {
            const auto known = std::find_if(schema.begin(), schema.end(), [&](const SchemaTable& table) {
                return table.name.compare(source.name, Qt::CaseInsensitive) == 0;
            });
            if (known == schema.end())
                report.notes << QStringLiteral("%1: not a table of the game schema (%2 rows)")
                                    .arg(source.name)
                                    .arg(source.rows.size());
            else
                report.tables.append({known->name, copyRows(database, *known, source, report.notes)});
        }
        for (const SchemaTable& table : schema) {
            // The route table is the program's own: no Access game holds it.
            if (table.name.compare(kRoutesTable, Qt::CaseInsensitive) != 0 && file.findTable(table.name).isEmpty())
                report.notes << QStringLiteral("%1: not in the file, kept as a new game has it").arg(table.name);
        }
        report.notes << danglingReferences(database);
        transaction.commit();
        checkIntegrity(database);
        database.close();
    }
    {
        LockedDatabase locked(created.path());
        compactDatabase(locked);
    }
    if (QFileInfo::exists(report.game) && !QFile::remove(report.game))
        throw DatabaseError(QStringLiteral("The database [%1] could not be replaced.").arg(report.game));
    if (!QFile::rename(created.path(), report.game))
        throw DatabaseError(QStringLiteral("The database [%1] could not be written.").arg(report.game));
    return report;
}

} // namespace arvenna
