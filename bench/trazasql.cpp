// Preloaded into a program (LD_PRELOAD), it writes every statement the
// program runs through SQLite, with its bound values in place, to the file
// $QX_TRAZA_SQL, each ended by ';' and a line end. bench_constancia runs
// 0951REP with it once and hands what it wrote to the sqlite3 tool, so that
// the comparison follows the statements the program runs today.
// It declares the few SQLite calls it needs itself and finds them at run
// time, so the build needs no SQLite headers.
#include <dlfcn.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

extern "C" {
struct sqlite3_stmt;
int sqlite3_step(sqlite3_stmt *);
}

namespace {

using FnStep = int (*)(sqlite3_stmt *);
using FnBusy = int (*)(sqlite3_stmt *);
using FnExpanded = char *(*)(sqlite3_stmt *);
using FnFree = void (*)(void *);

struct Traza {
    FnStep step = nullptr;
    FnBusy busy = nullptr;
    FnExpanded expanded = nullptr;
    FnFree libre = nullptr;
    FILE *salida = nullptr;

    Traza()
    {
        // Qt's driver plugin brings SQLite in with a scope of its own, where
        // RTLD_NEXT does not look: ask the library already loaded.
        void *lib = dlopen("libsqlite3.so.0", RTLD_LAZY | RTLD_NOLOAD);
        if (!lib)
            lib = dlopen("libsqlite3.so.0", RTLD_LAZY);
        if (!lib)
            return;
        step = reinterpret_cast<FnStep>(dlsym(lib, "sqlite3_step"));
        busy = reinterpret_cast<FnBusy>(dlsym(lib, "sqlite3_stmt_busy"));
        expanded = reinterpret_cast<FnExpanded>(dlsym(lib, "sqlite3_expanded_sql"));
        libre = reinterpret_cast<FnFree>(dlsym(lib, "sqlite3_free"));
        if (const char *ruta = std::getenv("QX_TRAZA_SQL"))
            salida = std::fopen(ruta, "w");
    }
    ~Traza()
    {
        if (salida)
            std::fclose(salida);
    }
};

Traza &traza()
{
    static Traza t;
    return t;
}

std::mutex g_escritura;

} // namespace

extern "C" int sqlite3_step(sqlite3_stmt *s)
{
    Traza &t = traza();
    if (!t.step)
        return 21;   // SQLITE_MISUSE: no SQLite behind us
    // A statement that is not under way starts a new run: one line per run,
    // not per row.
    if (t.salida && t.busy && t.expanded && t.libre && !t.busy(s)) {
        if (char *sql = t.expanded(s)) {
            const std::lock_guard<std::mutex> l(g_escritura);
            std::fprintf(t.salida, "%s;\n", sql);
            std::fflush(t.salida);
            t.libre(sql);
        }
    }
    return t.step(s);
}
