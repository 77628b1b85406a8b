// The viewer of a sent declaration: the whole load of one send (its 52 HDET
// rows put in the boxes, each change recalculating its dependants, the
// answers selected, the payment read) and the chooser's list query, on the
// sends of tests/fixtures/sent/envios.sql.
#include "../tests/sent/fixturesent.h"
#include "declaration/core/casillas/listacasillas.h"
#include "platform/msgbox.h"
#include "sent/core/enviadas.h"
#include "sent/core/visorenviada.h"
#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

struct Banco {
    std::unique_ptr<testdb::Entorno> env;
    bool ok = fixturesent::iniciar(env);
};

Banco &banco()
{
    static Banco b;
    return b;
}

void BM_CargarEnvio(benchmark::State &state)
{
    if (!banco().ok) {
        state.SkipWithError("the fixture database could not be made");
        return;
    }
    msg::ScriptedAnswerer silencio;
    DeclaracionEnviada d;
    d.docIdD = fixturesent::kAndina;
    d.nombre = QStringLiteral("EMPRESA ANDINA S.A.");
    d.correl = QStringLiteral("2");
    for (auto _ : state) {
        ModeloCasillas m;
        ListaCasillas::pInicializar(m);
        VisorEnviada::pEstadoInicial(m);
        VisorEnviada v(m);
        v.fila = d;
        v.Form_Load(*gdbBase);
        benchmark::DoNotOptimize(m.texto(146));
    }
}
BENCHMARK(BM_CargarEnvio)->Unit(benchmark::kMillisecond);

void BM_ListaEnviadas(benchmark::State &state)
{
    if (!banco().ok) {
        state.SkipWithError("the fixture database could not be made");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(fDeclaracionesEnviadas(*gdbBase).size());
}
BENCHMARK(BM_ListaEnviadas)->Unit(benchmark::kMicrosecond);

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
