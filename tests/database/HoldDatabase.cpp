// hold-database FILE: another program on a database, for the maintenance
// tests. Runs each line of its input as one statement and answers "ok" or
// "error: ..."; a line "READ sql" starts a query and keeps it open after its
// first row. Whatever it holds (a transaction, a read) stays held until the
// input ends or the program is killed.
#include <cstdio>
#include <iostream>
#include <sqlite3.h>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    sqlite3* db = nullptr;
    if (argc != 2 || sqlite3_open_v2(argv[1], &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "usage: hold-database FILE (an existing database)\n");
        return 2;
    }
    std::vector<sqlite3_stmt*> reads;
    const std::string readPrefix = "READ ";
    for (std::string line; std::getline(std::cin, line);) {
        const bool keep = line.rfind(readPrefix, 0) == 0;
        const std::string sql = keep ? line.substr(readPrefix.size()) : line;
        sqlite3_stmt* statement = nullptr;
        int code = sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr);
        if (code == SQLITE_OK) {
            do
                code = sqlite3_step(statement);
            while (code == SQLITE_ROW && !keep);
        }
        const bool ok = code == SQLITE_DONE || (keep && code == SQLITE_ROW);
        if (keep && ok)
            reads.push_back(statement);
        else
            sqlite3_finalize(statement);
        if (ok)
            std::printf("ok\n");
        else
            std::printf("error: %s\n", sqlite3_errmsg(db));
        std::fflush(stdout);
    }
    for (sqlite3_stmt* statement : reads)
        sqlite3_finalize(statement);
    sqlite3_close(db);
    return 0;
}
