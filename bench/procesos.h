#pragma once
// Whole-process timing for the benchmarks that compare a program with a bare
// baseline: fork/exec/wait4, wall time from the fork to the child's end and
// the child's own CPU time (user + system from its rusage).
#include <QList>
#include <QString>
#include <QStringList>
#include <sys/types.h>

namespace banco {

struct Medida {
    double pared = 0;   // ms
    double cpu = 0;     // ms
    int estado = -1;    // exit status; 128 + signal when a signal ended it
};

struct Orden {
    QString programa;          // a path, or a name looked up in PATH
    QStringList argumentos;
    QStringList entorno;       // "NAME=value" added to (or replacing in) ours; "NAME" alone removes it
    QString entrada;           // file read as standard input ("": /dev/null)
    QString carpeta;           // working folder ("": ours)
    QString errores;           // file standard error goes to ("": /dev/null)
};

// Starts the program with standard output on /dev/null.
// Returns the child's pid, or -1 (with *error set) when it cannot start;
// *inicio gets the time of the fork (ahora()).
pid_t lanzar(const Orden &o, QString *error = nullptr, double *inicio = nullptr);
// Waits for a child started by lanzar: wall time from the moment it was
// started. A child still running when esperar is called is waited for.
Medida esperar(pid_t pid);
// lanzar and esperar.
Medida correr(const Orden &o);

// The order run under valgrind --tool=callgrind, its profile written to perfil.
Orden bajoCallgrind(const Orden &o, const QString &perfil);
// The instructions a callgrind profile counted (-1 when unreadable).
qint64 instrucciones(const QString &perfil);

// Milliseconds of a monotonic clock.
double ahora();

double mediana(QList<double> v);
double minimo(const QList<double> &v);

// The times of one program over many runs.
struct Serie {
    QString nombre;
    QList<double> pared, cpu;
};
// A table of the medians and minimums of a program and its baseline, and
// the program's ratios to the baseline.
QString tabla(const Serie &programa, const Serie &base);

// The machine's load as uptime gives it ("1.23 0.98 0.75").
QString carga();

// Copies a file over another (the database before each run).
bool copiar(const QString &origen, const QString &destino);
// Empties a folder, keeping it.
void vaciar(const QString &carpeta);

// Writes "<program>: texto" on standard error; returns the failure status.
int fallo(const QString &texto);

// The command line of the benchmarks that run whole processes: a number of
// runs (at least 2), or "--callgrind FOLDER" to count instructions instead.
struct Argumentos {
    int corridas = 0;
    bool callgrind = false;
    QString carpeta;   // of the profiles, with --callgrind
    QString error;     // why the command line is not usable
};
Argumentos fArgumentos(const QStringList &args, int porOmision);

} // namespace banco
