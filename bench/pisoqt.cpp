// The floor under 0951REP: a program that loads Qt Core and Qt Sql as 0951REP
// does (linked, not used) and runs the very statements 0951REP ran through
// SQLite's own interface, nothing more. What 0951REP takes beyond it is the
// receipt's own work.
//
//   pisoqt BASE SENTENCIAS
#include <sqlite3.h>

#include <cstdio>
#include <string>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "uso: pisoqt BASE SENTENCIAS\n");
        return 2;
    }
    std::FILE *f = std::fopen(argv[2], "rb");
    if (!f)
        return 3;
    std::string sql;
    char trozo[4096];
    size_t n;
    while ((n = std::fread(trozo, 1, sizeof trozo, f)) > 0)
        sql.append(trozo, n);
    std::fclose(f);
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(argv[1], &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n", db ? sqlite3_errmsg(db) : "sin memoria");
        sqlite3_close(db);
        return 4;
    }
    char *error = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK)
        std::fprintf(stderr, "%s\n", error ? error : sqlite3_errstr(rc));
    sqlite3_free(error);
    sqlite3_close(db);
    return rc == SQLITE_OK ? 0 : 5;
}
