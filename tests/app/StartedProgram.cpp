#include "StartedProgram.h"

#include "shell/Startup.h"

namespace arvenna {

QStringList texts(const QList<QAction*>& actions)
{
    QStringList result;
    for (const QAction* action : actions)
        result << action->text();
    return result;
}

QStringList lines(const QListWidget* list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->item(i)->text();
    return result;
}

Started::Started(const QByteArray& config, const QString& world)
{
    const QString game = home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
    if (!world.isEmpty())
        runSql(game, world);
    home.addGameDatabase(QStringLiteral("Quorvane.mdb"));
    if (!config.isEmpty())
        home.writeFile(QStringLiteral("ConfigFile.arv"), config);
    state.programDirectory = home.path();
    settings = std::make_unique<QSettings>(home.file(QStringLiteral("settings.ini")), QSettings::IniFormat);
    window = startUp(state, *settings, dialogue);
}

} // namespace arvenna
