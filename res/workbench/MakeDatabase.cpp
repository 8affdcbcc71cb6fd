// Build tool: makes a fresh SQLite database file from a text of SQL statements.
// Usage: pel_make_database <schema.sql> <database file>
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <schema.sql> <database file>\n", argv[0]);
        return 2;
    }
    std::ifstream schemaFile(argv[1]);
    if (!schemaFile) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    std::ostringstream schema;
    schema << schemaFile.rdbuf();
    // A database left by an earlier build would keep its tables: start from nothing.
    std::remove(argv[2]);
    sqlite3* database = nullptr;
    if (sqlite3_open_v2(argv[2], &database, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s: cannot create %s: %s\n", argv[0], argv[2], sqlite3_errmsg(database));
        sqlite3_close(database);
        return 1;
    }
    const std::string script = "BEGIN;\n" + schema.str() + "\nCOMMIT;";
    char* error = nullptr;
    const int result = sqlite3_exec(database, script.c_str(), nullptr, nullptr, &error);
    if (result != SQLITE_OK)
        std::fprintf(stderr, "%s: %s: %s\n", argv[0], argv[1], error ? error : sqlite3_errstr(result));
    sqlite3_free(error);
    sqlite3_close(database);
    if (result != SQLITE_OK)
        std::remove(argv[2]);
    return result == SQLITE_OK ? 0 : 1;
}
