// 0951REP from exec to its end against the floor of its stack: pisoqt loads
// Qt Core and Qt Sql, as 0951REP does, and runs the very statements 0951REP
// ran through SQLite's interface, so that what 0951REP takes beyond it is
// the receipt's own work (Qt's SQLite driver included). The sqlite3 tool
// running the same statements runs in the same turns, as a reference. Each
// run gets a fresh copy of the same database. The statements are taken from
// 0951REP itself first (a run with trazasql preloaded), so the comparison
// follows them when they change.
//
//   build/bin/bench_constancia [corridas]          (200 by default)
//   build/bin/bench_constancia --callgrind CARPETA (one run of each under
//       valgrind --tool=callgrind: instructions, steady on a busy machine)
#include "carpetahost.h"
#include "procesos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <cstdio>

using banco::fallo;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const banco::Argumentos args = banco::fArgumentos(app.arguments().mid(1), 200);
    if (!args.error.isEmpty())
        return fallo(args.error);
    const bool callgrind = args.callgrind;
    const int corridas = args.corridas;
    const QString cargaInicial = banco::carga();

    banco::CarpetaHost host;
    if (!host.valida())
        return fallo(host.error());

    const banco::Orden receptor{QStringLiteral(QX_PROGRAMA_0951REP), {banco::CarpetaHost::lineaConstancia()},
                                {}, {}, {}};

    // The statements, as 0951REP runs them today.
    const QString sentencias = host.windir + QStringLiteral("../sentencias.sql");
    host.restaurar();
    banco::Orden trazado = receptor;
    trazado.entorno << QStringLiteral("LD_PRELOAD=" QX_LIB_TRAZA) << QStringLiteral("QX_TRAZA_SQL=") + sentencias;
    trazado.errores = host.windir + QStringLiteral("../errores.txt");
    const banco::Medida t = banco::correr(trazado);
    if (t.estado != 0) {
        QFile e(trazado.errores);
        e.open(QIODevice::ReadOnly);
        return fallo(QStringLiteral("0951REP terminó con %1 en la corrida de muestra: %2")
                         .arg(t.estado)
                         .arg(QString::fromLocal8Bit(e.readAll())));
    }
    QFile f(sentencias);
    if (!f.open(QIODevice::ReadOnly) || f.size() == 0)
        return fallo(QStringLiteral("la corrida de muestra no dejó sus sentencias en %1").arg(sentencias));
    const QString texto = QString::fromUtf8(f.readAll());
    f.close();
    const int cuantas = texto.count(QStringLiteral(";\n"));

    const banco::Orden herramienta{QStringLiteral("sqlite3"),
                                   {QStringLiteral("-init"), QStringLiteral("/dev/null"), QStringLiteral("-batch"),
                                    QStringLiteral("-bail"), host.base},
                                   {}, sentencias, {}};
    const banco::Orden piso{QStringLiteral(QX_PROGRAMA_PISO), {host.base, sentencias}, {}, {}, {}};
    constexpr int kProgramas = 3;
    const banco::Orden *ordenes[kProgramas] = {&receptor, &herramienta, &piso};
    const char *nombres[kProgramas] = {"0951REP", "sqlite3", "pisoqt"};

    if (callgrind) {
        const QString carpeta = QDir(args.carpeta).absolutePath();
        QDir().mkpath(carpeta);
        qint64 cuenta[kProgramas];
        for (int k = 0; k < kProgramas; ++k) {
            const QString perfil = carpeta + QStringLiteral("/callgrind.") + QLatin1String(nombres[k]);
            host.restaurar();
            const banco::Medida m = banco::correr(banco::bajoCallgrind(*ordenes[k], perfil));
            cuenta[k] = banco::instrucciones(perfil);
            if (m.estado != 0 || cuenta[k] <= 0)
                return fallo(QStringLiteral("%1 bajo callgrind terminó con %2").arg(QLatin1String(nombres[k])).arg(m.estado));
        }
        QTextStream o(stdout);
        o << "instrucciones de cada programa, de exec a su fin (callgrind), con las mismas " << cuantas
          << " sentencias\n";
        for (int k = 0; k < kProgramas; ++k)
            o << QString::fromLatin1(nombres[k]).leftJustified(10) << QString::number(cuenta[k]).rightJustified(14) << "\n";
        o << "razón     " << QString::number(double(cuenta[0]) / double(cuenta[2]), 'f', 3).rightJustified(14)
          << "  (0951REP / pisoqt)\n";
        o << "piso      " << QString::number(double(cuenta[2]) / double(cuenta[1]), 'f', 3).rightJustified(14)
          << "  (pisoqt / sqlite3)\n";
        o << "perfiles en " << carpeta << "\n";
        return 0;
    }

    banco::Serie series[kProgramas];
    for (int k = 0; k < kProgramas; ++k)
        series[k].nombre = QString::fromLatin1(nombres[k]);
    const int calentamiento = 5;
    for (int i = 0; i < corridas + calentamiento; ++i) {
        for (int k = 0; k < kProgramas; ++k) {
            const int cual = (i + k) % kProgramas;   // each takes every place in the turn
            if (!host.restaurar())
                return fallo(QStringLiteral("no se pudo restaurar la base de datos"));
            const banco::Medida m = banco::correr(*ordenes[cual]);
            if (m.estado != 0)
                return fallo(QStringLiteral("%1 terminó con %2").arg(series[cual].nombre).arg(m.estado));
            if (i >= calentamiento) {
                series[cual].pared << m.pared;
                series[cual].cpu << m.cpu;
            }
        }
    }

    QTextStream o(stdout);
    o << "0951REP frente a su piso (pisoqt) con las mismas " << cuantas << " sentencias, " << corridas
      << " corridas alternadas de cada uno\n\n";
    o << texto << "\n";
    o << "carga (uptime) al empezar: " << cargaInicial << "; al terminar: " << banco::carga() << "\n\n";
    o << "el piso: Qt Core y Qt Sql cargados y las mismas sentencias por la interfaz de SQLite\n";
    o << banco::tabla(series[0], series[2]);
    o << "\nla referencia: la herramienta sqlite3\n";
    o << banco::tabla(series[0], series[1]) << "\n" << banco::tabla(series[2], series[1]);
    return 0;
}
