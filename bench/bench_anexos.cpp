// A calculator of the payments on account (15 months) on a database holding
// the annex rows of 2,000 other declarations: its opening (stored boxes 332
// and 333, the factors, which apply, and its rows) and its save (header,
// removal of the other types, the 15 rows with their control codes, one
// transaction), each against a bare SQLite transaction writing the same 15
// rows on the same file. Both should stay within 2 times the bare one.
#include "../tests/support/testdb.h"
#include "annexes/core/asistenteanexo.h"
#include "shell/core/modglobal.h"
#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <benchmark/benchmark.h>

namespace {

const QString kRuc = QStringLiteral("20100070970");

QString perPag(int m)
{
    return QStringLiteral("%1%2").arg(m > 12 ? 1999 : 1998).arg(m > 12 ? m - 12 : m, 2, 10, QLatin1Char('0'));
}

struct Banco {
    testdb::Entorno env;
    std::shared_ptr<Database> db;

    Banco()
    {
        db = env.abrir();
        gdbBase = db;
        gsPeriodo = QStringLiteral("1998");
        gsFormulario = QStringLiteral("0951");
        QSqlQuery q(db->handle());
        q.exec(QStringLiteral("BEGIN"));
        q.prepare(QStringLiteral("INSERT INTO ACTA (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, per_pag, saluti, compen,"
                                 " otrcre, pago_r, tipo_asist, FACTOR, cNumero)"
                                 " VALUES (?, 6, '1998', '0951', ?, '100', '200', ' ', '400', '3', 1.02, '123456')"));
        for (int d = 0; d < 2000; ++d) {
            for (int m = 1; m <= 15; ++m) {
                q.addBindValue(QStringLiteral("20%1").arg(d, 9, 10, QLatin1Char('0')));
                q.addBindValue(perPag(m));
                q.exec();
            }
        }
        q.prepare(QStringLiteral("INSERT INTO FAC (FORMULARIO, PERIODO, CODTRI, FACTOR) VALUES ('0951', ?, ?, ?)"));
        for (const QString codigo : {"030301", "030304"}) {
            for (int m = 1; m <= 15; ++m) {
                q.addBindValue(perPag(m).mid(2));
                q.addBindValue(codigo);
                q.addBindValue(1 + m / 100.0);
                q.exec();
            }
        }
        // The stored box 332 makes the factors apply to the stored rows too.
        q.exec(QStringLiteral("INSERT INTO DET (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, Casilla, i_valor)"
                              " VALUES ('20100070970', 6, '1998', '0951', '332', '8000')"));
        q.exec(QStringLiteral("COMMIT"));
    }
};

Banco &banco()
{
    static Banco b;
    return b;
}

AsistenteAnexo::Entrada entrada()
{
    AsistenteAnexo::Entrada e;
    e.ruc = kRuc;
    e.iAccion = 0;
    e.casilla332 = QStringLiteral("8,000");
    e.optIEAN = QStringLiteral("0");
    return e;
}

void BM_AbrirCalculadora(benchmark::State &state)
{
    Banco &b = banco();
    AsistenteAnexo a(DefinicionAsistente::anexo131(), std::make_shared<FuenteAnexosBd>(false), true);
    for (auto _ : state)
        a.pCargar(entrada());
    state.counters["filas_acta"] = b.db->scalar(QStringLiteral("SELECT COUNT(*) FROM ACTA")).toInt();
}
BENCHMARK(BM_AbrirCalculadora)->Unit(benchmark::kMillisecond);

void BM_GrabarCalculadora(benchmark::State &state)
{
    Banco &b = banco();
    AsistenteAnexo a(DefinicionAsistente::anexo131(), std::make_shared<FuenteAnexosBd>(false), true);
    a.pCargar(entrada());
    int vuelta = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // Every month changed: no row is written as it stood.
        ++vuelta;
        for (int m = 1; m <= 15; ++m)
            for (int c = 0; c < 4; ++c)
                a.setCelda(m, c, QString::number(m * 1000 + c * 10 + vuelta));
        state.ResumeTiming();
        try {
            a.pGrabar(*b.db);
        } catch (const DbError &e) {
            state.SkipWithError(e.what());
        }
    }
}
BENCHMARK(BM_GrabarCalculadora)->Unit(benchmark::kMillisecond);

// The same 15 rows written by hand: one statement prepared once, one transaction.
void BM_TransaccionSqlite(benchmark::State &state)
{
    Banco &b = banco();
    QSqlDatabase h = b.db->handle();
    int vuelta = 0;
    for (auto _ : state) {
        ++vuelta;
        QSqlQuery q(h);
        q.exec(QStringLiteral("BEGIN IMMEDIATE"));
        q.prepare(QStringLiteral("INSERT OR REPLACE INTO ACTA (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, per_pag, saluti,"
                                 " compen, otrcre, pago_r, tipo_asist, FACTOR, cNumero)"
                                 " VALUES (?, 6, '1998', '0951', ?, ?, ?, ?, ?, '3', 1.01, '000000')"));
        for (int m = 1; m <= 15; ++m) {
            q.addBindValue(kRuc);
            q.addBindValue(perPag(m));
            for (int c = 0; c < 4; ++c)
                q.addBindValue(QString::number(m * 1000 + c * 10 + vuelta));
            if (!q.exec())
                state.SkipWithError(q.lastError().text().toStdString().c_str());
        }
        q.exec(QStringLiteral("COMMIT"));
    }
}
BENCHMARK(BM_TransaccionSqlite)->Unit(benchmark::kMillisecond);

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
