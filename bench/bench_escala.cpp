// Growth with the database: 0951REP (whole process), a print's SPOOL
// registration and the choosers' lists on databases of 1,000, 10,000 and
// 100,000 taxpayers, each with a saved and a sent declaration and one SPOOL
// row, against the small database the host makes (two taxpayers, one
// declaration). The current user holds 20 of the taxpayers whatever the size,
// so that the lists stay as long and only the lookups can grow.
//
//   build/bin/bench_escala [corridas]      (30 by default)
#include "carpetahost.h"
#include "procesos.h"

#include "common/spool.h"
#include "declaration/core/carga.h"
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

int fallo(const QString &texto)
{
    std::fprintf(stderr, "bench_escala: %s\n", texto.toLocal8Bit().constData());
    return 1;
}

double cpuHilo()
{
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

constexpr int kDelUsuario = 20;

// n taxpayers with a saved and a sent declaration each, and n SPOOL rows.
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

struct Tiempos {
    double pared = 0, cpu = 0;   // medians, ms
};

// In-process timing of f over `veces` calls: medians of wall and CPU.
Tiempos medir(int veces, const std::function<void()> &f)
{
    QList<double> pared, cpu;
    for (int i = 0; i < veces; ++i) {
        const double p0 = banco::ahora(), c0 = cpuHilo();
        f();
        pared << banco::ahora() - p0;
        cpu << cpuHilo() - c0;
    }
    return {banco::mediana(pared), banco::mediana(cpu)};
}

struct Caso {
    QString nombre;
    int filas = 0;
    Tiempos receptor, registro, guardadas, impresion, enviadas, impresionEnviadas;
};

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
    for (int n : {0, 1000, 10000, 100000}) {
        Caso c;
        c.nombre = n ? QString::number(n) : QStringLiteral("pequeña");
        c.filas = n;
        const QString base = host.windir + QStringLiteral("../base-%1.mdb").arg(n);
        if (!banco::copiar(pequena, base))
            return fallo(QStringLiteral("no se pudo copiar la base de datos"));
        try {
            auto db = Database::open(base);
            if (n)
                pPoblar(*db, n, host.usuario);
        } catch (const DbError &e) {
            return fallo(e.description);
        }

        // 0951REP on a fresh copy of this database each time.
        QList<double> pared, cpu;
        for (int i = 0; i < corridas + 2; ++i) {
            host.restaurar();
            banco::copiar(base, host.base);
            const banco::Medida m = banco::correr(receptor);
            if (m.estado != 0)
                return fallo(QStringLiteral("0951REP terminó con %1 (%2)").arg(m.estado).arg(c.nombre));
            if (i >= 2) {
                pared << m.pared;
                cpu << m.cpu;
            }
        }
        c.receptor = {banco::mediana(pared), banco::mediana(cpu)};

        // In this process: the registration of a saved declaration's print
        // script, and the lists of the choosers.
        try {
            banco::copiar(base, host.base);
            gdbBase = Database::open(host.base);
            Database &db = *gdbBase;
            c.registro = medir(corridas, [&] {
                fRegistrarSpool(db, QStringLiteral("PR0003"), 6, QString::fromLatin1(banco::kRucMuestra), host.usuario);
            });
            c.guardadas = medir(corridas, [&] { fDeclaracionesRegistradas(db); });
            c.impresion = medir(corridas, [&] {
                fDeclaracionesImpresion(db, false, gsPeriodo, gsFormulario, gsUsuario);
            });
            c.enviadas = medir(corridas, [&] { fDeclaracionesEnviadas(db); });
            c.impresionEnviadas = medir(corridas, [&] {
                fDeclaracionesImpresion(db, true, gsPeriodo, gsFormulario, gsUsuario);
            });
            gdbBase.reset();
        } catch (const DbError &e) {
            return fallo(e.description);
        }
        QFile::remove(base);
        casos << c;
    }

    QTextStream o(stdout);
    o << "Crecimiento con la base de datos: medianas de " << corridas << " corridas (ms) y razón a la base pequeña\n";
    o << "carga (uptime) al empezar: " << cargaInicial << "; al terminar: " << banco::carga() << "\n\n";
    struct Columna {
        const char *nombre;
        Tiempos Caso::*t;
    };
    const Columna columnas[] = {
        {"0951REP", &Caso::receptor},          {"registro SPOOL", &Caso::registro},
        {"FrmContAbrir", &Caso::guardadas},    {"FrmTipPrnR guardadas", &Caso::impresion},
        {"FrmContAbrirEnv", &Caso::enviadas},  {"FrmTipPrnR enviadas", &Caso::impresionEnviadas},
    };
    for (const Columna &col : columnas) {
        o << col.nombre << "\n";
        o << "  " << QStringLiteral("filas").leftJustified(10) << QStringLiteral("pared").rightJustified(10)
          << QStringLiteral("CPU").rightJustified(10) << QStringLiteral("razón pared").rightJustified(13)
          << QStringLiteral("razón CPU").rightJustified(11) << "\n";
        const Tiempos &base = casos.first().*col.t;
        for (const Caso &c : casos) {
            const Tiempos &t = c.*col.t;
            o << "  " << c.nombre.leftJustified(10) << QString::number(t.pared, 'f', 3).rightJustified(10)
              << QString::number(t.cpu, 'f', 3).rightJustified(10)
              << QString::number(t.pared / base.pared, 'f', 2).rightJustified(13)
              << QString::number(t.cpu / base.cpu, 'f', 2).rightJustified(11) << "\n";
        }
    }
    return 0;
}
