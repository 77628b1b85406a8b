// The save of a full declaration (every box, the identification codes, 15
// ACTA rows and CAB) against a bare SQLite transaction writing the same rows
// on the same file and reading the declaration before and after, as the
// save does (BM_TransaccionSqlite/1; /0 writes only). The save should stay
// within 1.3 times the bare one in CPU (usuario_ms + sistema_ms).
// Both save cases convert every value and compute every row's control code
// on each save (nothing is kept between saves); the changed-declaration case
// also gives every box a new value first, so no row is written as it stood.
#include "../tests/declaration/persistencia/ventanaprueba.h"
#include "../tests/support/testdb.h"
#include "declaration/core/persistencia/grabacion.h"
#include "platform/msgbox.h"
#include "platform/vbruntime.h"
#include <QCoreApplication>
#include <QDate>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

const QString kRuc = QStringLiteral("20100070970");

struct Banco {
    testdb::Entorno env;
    std::shared_ptr<Database> db;
    VentanaPrueba v;

    Banco()
    {
        db = env.abrir();
        gdbBase = db;
        gsPeriodo = QStringLiteral("1998");
        gsFormulario = QStringLiteral("0951");
        v.modificar(kRuc);
        // No IEAN answer: every box of the list is stored.
        for (int n : v.aCasillas())
            v.m.setTexto(n, QStringLiteral("(%1,%2)").arg(n).arg(n % 1000, 3, 10, QLatin1Char('0')));
        for (const QString &c : {Campos::OptTipoCont, Campos::OptConvEstab, Campos::OptAgraria, Campos::OptRectifica,
                                 Campos::OptDomiciliado})
            v.m.setCampo(c, QStringLiteral("0"));
        v.m.setCampo(Campos::MkePeriodo, QStringLiteral("09/12/1998"));
        v.m.setCampo(Campos::TxtTelefono, QStringLiteral("4421234"));
        v.m.setCampo(Campos::TxtNombreA, QStringLiteral("RODRIGUEZ SANCHEZ"));
        v.m.setCampo(Campos::TxtNombreN, QStringLiteral("JUAN"));
        v.m.setCampo(Campos::TxtNombre1A, QStringLiteral("LUNA"));
        v.m.setCampo(Campos::TxtNombre1N, QStringLiteral("PEDRO"));
        v.m.setCampo(Campos::FormaPago, QStringLiteral("C"));
        v.m.setCampo(Campos::Banco, QStringLiteral("02"));
        v.m.setCampo(Campos::NumCheque, QStringLiteral("123456"));
        v.m.setTexto(332, QString());   // factors 1: FAC is not read
        v.m.setTexto(333, QString());
    }
};

// This thread's user and system CPU, ms: the system part (the commit's
// writes and sync) depends on the disk and the machine's load, the user part
// is the code's own.
struct CpuHilo {
    double usuario = 0, sistema = 0;
    static CpuHilo ahora()
    {
        rusage u{};
        getrusage(RUSAGE_THREAD, &u);
        auto ms = [](const timeval &t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
        return {ms(u.ru_utime), ms(u.ru_stime)};
    }
};

// The counters of CPU per iteration since `desde`.
void contarCpu(benchmark::State &state, const CpuHilo &desde)
{
    const CpuHilo hasta = CpuHilo::ahora();
    state.counters["usuario_ms"] = benchmark::Counter(hasta.usuario - desde.usuario, benchmark::Counter::kAvgIterations);
    state.counters["sistema_ms"] = benchmark::Counter(hasta.sistema - desde.sistema, benchmark::Counter::kAvgIterations);
}

Banco &banco()
{
    static Banco b;
    return b;
}

void BM_GrabarDeclaracion(benchmark::State &state)
{
    Banco &b = banco();
    msg::ScriptedAnswerer a;
    const CpuHilo cpu = CpuHilo::ahora();
    for (auto _ : state) {
        if (!CmdGrabar_Click(b.v, *b.db))
            state.SkipWithError("the save failed");
        a.clear();
    }
    contarCpu(state, cpu);
    state.counters["filas_det"] = b.db->scalar(QStringLiteral("SELECT COUNT(*) FROM DET")).toInt();
}
BENCHMARK(BM_GrabarDeclaracion)->Unit(benchmark::kMillisecond);



// Reads every value of the declaration's CAB row and DET rows, as a save
// reads them before and after its writes to see that no other user's save
// came in between.
void leerDeclaracion(QSqlQuery &q, benchmark::State &state)
{
    for (const QString &sql : {QStringLiteral("SELECT DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, fec_pro, bcolibrad, nrocheque,"
                                              " cheque, efectivo, rectifica, estado, cNumero FROM CAB"
                                              " WHERE DOC_ID_D=? AND TIP_DOC_D=6 AND PERIODO='1998' AND FORMULARIO='0951'"),
                               QStringLiteral("SELECT Casilla, i_valor, idcasilla, cNumero FROM DET"
                                              " WHERE DOC_ID_D=? AND TIP_DOC_D=6 AND PERIODO='1998' AND FORMULARIO='0951'"
                                              " ORDER BY Casilla")}) {
        q.prepare(sql);
        q.addBindValue(kRuc);
        if (!q.exec())
            state.SkipWithError(q.lastError().text().toStdString().c_str());
        int columnas = -1;
        while (q.next()) {
            if (columnas < 0)
                columnas = q.record().count();
            for (int i = 0; i < columnas; ++i)
                benchmark::DoNotOptimize(q.value(i));
        }
    }
}

// The same rows written by hand: prepared statements, one transaction.
// With argument 1 it also reads the declaration before and after, as the
// save does; the save is measured against that one.
void BM_TransaccionSqlite(benchmark::State &state)
{
    const bool conLectura = state.range(0) == 1;
    Banco &b = banco();
    QSqlDatabase h = b.db->handle();
    EscrituraDeclaracion w(*b.db, kRuc);
    QList<Registro> det;
    const SituacionAnexo s{b.v.respuesta(Campos::OptIEAN), b.v.respuesta(Campos::OptAnexo)};
    for (const ValorDet &d : fValoresDet(b.v)) {
        const QString t = vb::Trim(d.valor);
        if (!t.isEmpty() && t != QLatin1String("________") && !fCasillaExcluida(d.codigo.toInt(), s))
            det << w.fFilaDet(d.codigo, d.valor);
    }
    const QString hoy = QDate::currentDate().toString(Qt::ISODate);
    const CpuHilo cpu = CpuHilo::ahora();
    for (auto _ : state) {
        QSqlQuery q(h);
        q.setForwardOnly(true);
        q.exec(QStringLiteral("BEGIN"));
        if (conLectura)
            leerDeclaracion(q, state);
        q.prepare(QStringLiteral("DELETE FROM ACTA WHERE DOC_ID_D=? AND TIP_DOC_D=6 AND PERIODO='1998' AND FORMULARIO='0951'"));
        q.addBindValue(kRuc);
        q.exec();
        q.prepare(QStringLiteral("INSERT INTO ACTA (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, per_pag, tipo_asist, FACTOR, cNumero)"
                                 " VALUES (?, 6, '1998', '0951', ?, '', 1.0, '000000')"));
        for (int i = 1; i <= 15; ++i) {
            q.addBindValue(kRuc);
            q.addBindValue(QStringLiteral("%1%2").arg(i > 12 ? 1999 : 1998).arg(i > 12 ? i - 12 : i, 2, 10, QLatin1Char('0')));
            q.exec();
        }
        q.prepare(QStringLiteral("INSERT OR REPLACE INTO CAB (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, fec_pro, bcolibrad, nrocheque,"
                                 " cheque, efectivo, rectifica, estado, cNumero) VALUES (?, 6, '1998', '0951', ?, '02', '123456', '1180', ' ', 0, 0, '000000')"));
        q.addBindValue(kRuc);
        q.addBindValue(hoy);
        q.exec();
        q.prepare(QStringLiteral("DELETE FROM DET WHERE DOC_ID_D=? AND TIP_DOC_D=6 AND PERIODO='1998' AND FORMULARIO='0951'"));
        q.addBindValue(kRuc);
        q.exec();
        q.prepare(QStringLiteral("INSERT INTO DET (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, Casilla, i_valor, idcasilla, cNumero)"
                                 " VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
        for (const Registro &r : det) {
            for (const Campo &c : r)
                q.addBindValue(c.valor);
            if (!q.exec())
                state.SkipWithError(q.lastError().text().toStdString().c_str());
        }
        if (conLectura)
            leerDeclaracion(q, state);
        q.exec(QStringLiteral("COMMIT"));
    }
    contarCpu(state, cpu);
    state.counters["filas_det"] = det.size();
}
BENCHMARK(BM_TransaccionSqlite)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// Every box changed before each save: no row is as the previous save left it.
void BM_GrabarDeclaracionCambiada(benchmark::State &state)
{
    Banco &b = banco();
    // The bare transaction wrote the rows behind the window's back: it
    // takes them as a window opened on them now would.
    b.v.leida() = {kRuc, fHuellaDeclaracion(*b.db, kRuc)};
    msg::ScriptedAnswerer a;
    int vuelta = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ++vuelta;
        for (int n : b.v.aCasillas())
            b.v.m.setTexto(n, QString::number(n * 1000 + vuelta));
        state.ResumeTiming();
        if (!CmdGrabar_Click(b.v, *b.db))
            state.SkipWithError("the save failed");
        a.clear();
    }
}
BENCHMARK(BM_GrabarDeclaracionCambiada)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    gdbBase.reset();
    return 0;
}
