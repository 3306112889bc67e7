#pragma once

#include "TestHome.h"
#include "database/GameSession.h"

#include <QString>

namespace arvenna {

class Database;

// A copy of a built game database, changed by a few SQL statements and open
// as the current game.
class GameFixture {
public:
    explicit GameFixture(const QString& sql = {}, const QString& source = QStringLiteral("Arvenna.mdb"));

    // Opens another copy in the same session, as choosing a second map does.
    void switchTo(const QString& source, const QString& sql = {});
    Database& database();

    TestHome home;
    GameSession session;
};

} // namespace arvenna
