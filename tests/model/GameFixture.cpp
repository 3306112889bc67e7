#include "GameFixture.h"

#include "database/Database.h"

namespace arvenna {

GameFixture::GameFixture(const QString& sql, const QString& source)
{
    switchTo(source, sql);
}

void GameFixture::switchTo(const QString& source, const QString& sql)
{
    const QString path = home.addGameDatabase(source, QStringLiteral("Open-%1").arg(source));
    if (!sql.isEmpty())
        runSql(path, sql);
    session.close();
    session.CurrentConnection = std::make_unique<ClassConnection>();
    session.CurrentConnection->setDBName(path);
    session.CurrentDBName = path;
}

Database& GameFixture::database()
{
    return session.CurrentConnection->DatabaseConnection();
}

} // namespace arvenna
