// Growth with the database: 0951REP (whole process), a print's SPOOL
// registration and the choosers' lists on databases of 1,000, 10,000 and
// 100,000 taxpayers, each with a saved and a sent declaration and one SPOOL
// row, against a small one of 20 (the host's sample database besides, whose
// declaration's receipt 0951REP prints). The current user holds
// the same 20 taxpayers whatever the size, so that the lists stay as long
// and only the lookups can grow. The cases alternate, run after run.
//
//   build/bin/bench_escala [corridas]      (30 by default)
#include "carpetahost.h"
#include "procesos.h"

#include "common/spool.h"
#include "host/declaracionmuestra.h"
#include "declaration/core/persistencia/carga.h"
#include "printing/core/listaimpresion.h"
#include "sent/core/enviadas.h"
#include "shell/core/modglobal.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>
#include <functional>
#include <time.h>

namespace {

using banco::fallo;

double cpuHilo()
{
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

constexpr int kDelUsuario = 20;

// n taxpayers with a saved and a sent declaration each, and n SPOOL rows;
// the first kDelUsuario are the user's.
void pPoblar(Database &db, int n, const QString &usuario)
{
    QList<Registro> cont, cab, hcab, spool;
    for (int i = 0; i < n; ++i) {
        const QString ruc = QStringLiteral("30%1").arg(i, 9, 10, QLatin1Char('0'));
        const QString dueno = i < kDelUsuario ? usuario : QStringLiteral("OTRO%1").arg(i % 50, 2, 10, QLatin1Char('0'));
        cont << Registro{{QStringLiteral("Tip_doc_d"), 6}, {QStringLiteral("Doc_id_d"), ruc},
                         {QStringLiteral("Usuario"), dueno}, {QStringLiteral("Nombre"), QStringLiteral("EMPRESA %1").arg(i)},
                         {QStringLiteral("Tipo_Ingreso"), 1}};
        const Registro llave{{QStringLiteral("DOC_ID_D"), ruc}, {QStringLiteral("TIP_DOC_D"), 6},
                             {QStringLiteral("PERIODO"), QStringLiteral("1998")},
                             {QStringLiteral("FORMULARIO"), QStringLiteral("0951")}};
        cab << llave + Registro{{QStringLiteral("fec_pro"), QStringLiteral("1999-03-10")},
                                {QStringLiteral("efectivo"), QStringLiteral("1180")},
                                {QStringLiteral("estado"), 0}};
        hcab << llave + Registro{{QStringLiteral("CORREL"), QStringLiteral("0001")},
                                 {QStringLiteral("FEC_ENV"), QStringLiteral("1999-03-12")},
                                 {QStringLiteral("CONTROL"), QStringLiteral("%1").arg(i, 8, 10, QLatin1Char('0'))},
                                 {QStringLiteral("efectivo"), QStringLiteral("1180")},
                                 {QStringLiteral("estado"), 0}};
        spool << Registro{{QStringLiteral("CodRep"), QStringLiteral("PR0003")},
                          {QStringLiteral("Secuencia"), QStringLiteral("%1").arg(i + 1, 6, 10, QLatin1Char('0'))},
                          {QStringLiteral("Archivo"), QStringLiteral("%1.PRN").arg(i + 1, 8, 10, QLatin1Char('0'))},
                          {QStringLiteral("Fecha"), QStringLiteral("1999-03-12 10:00:00")},
                          {QStringLiteral("Usuario"), dueno}, {QStringLiteral("tip_doc_d"), 6},
                          {QStringLiteral("Doc_id_d"), ruc}};
    }
    Transaction t(db, true);
    db.addNewAll(QStringLiteral("CONT"), cont);
    db.addNewAll(QStringLiteral("CAB"), cab);
    db.addNewAll(QStringLiteral("HCAB"), hcab);
    db.addNewAll(QStringLiteral("SPOOL"), spool);
    t.commit();
}

struct Caso {
    QString nombre;
    QString base;                       // this size's database, as made
    std::shared_ptr<Database> db;       // a copy, for the calls in this process
    QList<double> pared[6], cpu[6];     // by Medida
};

enum Medida { mReceptor, mGuardadas, mImpresion, mEnviadas, mImpresionEnviadas, mRegistro, Medidas };
const char *const kMedidas[Medidas] = {"0951REP",         "FrmContAbrir",        "FrmTipPrnR guardadas",
                                       "FrmContAbrirEnv", "FrmTipPrnR enviadas", "registro SPOOL"};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int corridas = argc > 1 ? qMax(2, QString::fromLocal8Bit(argv[1]).toInt()) : 30;
    const QString cargaInicial = banco::carga();

    banco::CarpetaHost host;
    if (!host.valida())
        return fallo(host.error());
    const QString pequena = host.original;
    gsPeriodo = QStringLiteral("1998");
    gsFormulario = QStringLiteral("0951");
    gsUsuario = host.usuario;

    const banco::Orden receptor{QStringLiteral(QX_PROGRAMA_0951REP), {banco::CarpetaHost::lineaConstancia()},
                                {}, {}, {}};
    QList<Caso> casos;
    for (int n : {kDelUsuario, 1000, 10000, 100000}) {
        Caso c;
        c.nombre = n == kDelUsuario ? QStringLiteral("%1 (base)").arg(n) : QString::number(n);
        c.base = host.windir + QStringLiteral("../base-%1.mdb").arg(n);
        const QString copia = host.windir + QStringLiteral("../copia-%1.mdb").arg(n);
        if (!banco::copiar(pequena, c.base))
            return fallo(QStringLiteral("no se pudo copiar la base de datos"));
        try {
            pPoblar(*Database::open(c.base), n, host.usuario);
            banco::copiar(c.base, copia);
            c.db = Database::open(copia);
        } catch (const DbError &e) {
            return fallo(e.description);
        }
        casos << c;
    }

    // Each case in turn, run after run: 0951REP on a fresh copy of its
    // database, then in this process the lists of the choosers and the
    // registration of a saved declaration's print script.
    const std::function<void(Database &)> llamadas[Medidas] = {
        nullptr,
        [](Database &db) { fDeclaracionesRegistradas(db); },
        [](Database &db) { fDeclaracionesImpresion(db, false, gsPeriodo, gsFormulario, gsUsuario); },
        [](Database &db) { fDeclaracionesEnviadas(db); },
        [](Database &db) { fDeclaracionesImpresion(db, true, gsPeriodo, gsFormulario, gsUsuario); },
        [&](Database &db) {
            fRegistrarSpool(db, QStringLiteral("PR0003"), 6, host::kRucMuestra, host.usuario);
        },
    };
    const int calentamiento = 2;
    try {
        for (int i = 0; i < corridas + calentamiento; ++i) {
            for (Caso &c : casos) {
                host.restaurar();
                banco::copiar(c.base, host.base);
                const banco::Medida m = banco::correr(receptor);
                if (m.estado != 0)
                    return fallo(QStringLiteral("0951REP terminó con %1 (%2)").arg(m.estado).arg(c.nombre));
                if (i >= calentamiento) {
                    c.pared[mReceptor] << m.pared;
                    c.cpu[mReceptor] << m.cpu;
                }
                for (int k = mGuardadas; k < Medidas; ++k) {
                    const double p0 = banco::ahora(), c0 = cpuHilo();
                    llamadas[k](*c.db);
                    if (i >= calentamiento) {
                        c.pared[k] << banco::ahora() - p0;
                        c.cpu[k] << cpuHilo() - c0;
                    }
                }
            }
        }
    } catch (const DbError &e) {
        return fallo(e.description);
    }

    QTextStream o(stdout);
    o << "Crecimiento con la base de datos: medianas de " << corridas
      << " corridas (ms) y razón a la base de 20 contribuyentes\n";
    o << "carga (uptime) al empezar: " << cargaInicial << "; al terminar: " << banco::carga() << "\n\n";
    for (int k = 0; k < Medidas; ++k) {
        o << kMedidas[k] << "\n";
        o << "  " << QStringLiteral("filas").leftJustified(10) << QStringLiteral("pared").rightJustified(10)
          << QStringLiteral("CPU").rightJustified(10) << QStringLiteral("razón pared").rightJustified(13)
          << QStringLiteral("razón CPU").rightJustified(11) << "\n";
        const double paredBase = banco::mediana(casos.first().pared[k]);
        const double cpuBase = banco::mediana(casos.first().cpu[k]);
        for (const Caso &c : casos) {
            const double pared = banco::mediana(c.pared[k]), cpu = banco::mediana(c.cpu[k]);
            o << "  " << c.nombre.leftJustified(10) << QString::number(pared, 'f', 3).rightJustified(10)
              << QString::number(cpu, 'f', 3).rightJustified(10)
              << QString::number(pared / paredBase, 'f', 2).rightJustified(13)
              << QString::number(cpu / cpuBase, 'f', 2).rightJustified(11) << "\n";
        }
    }
    for (Caso &c : casos)
        c.db.reset();
    return 0;
}
