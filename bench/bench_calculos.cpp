// One keystroke's chain and the full recalculation of a filled declaration,
// on the store without windows. The aim is well under 50 microseconds a key.
#include "declaration/core/calculos/despacho.h"
#include "shell/core/modglobal.h"
#include <benchmark/benchmark.h>

namespace {

// Annex rows in memory: the box 131 of the declaration below.
class FuenteMemoria : public FuenteAnexos {
public:
    QList<FilaAnexo> filas(const QString &, const QString &tipo) override
    {
        if (tipo != QLatin1String("3"))
            return {};
        return {FilaAnexo{QStringLiteral("199806"), {QString(), QString(), QString(), QStringLiteral("800"), QString(), QString()}}};
    }
    QHash<QString, double> factores(const QString &) override { return {}; }
};

const int kCasillas[] = {300, 301, 303, 306, 307, 312, 321, 323, 325, 326, 327, 330, 337, 340,
                         100, 101, 103, 105, 108, 130, 131, 132, 133, 134, 145};
const char *const kTextos[] = {"10,000", "5,000", "2,500", "4,000", "1,000", "500", "50,000", "(20,000)", "(5,000)",
                               "(2,000)", "1,000", "(500)", "(1,000)", "(2,000)", "20,000", "(1,000)", "2,000",
                               "(500)", "(1,000)", "(700)", "(800)", "(100)", "(300)", "(200)", "(100)"};

struct Declaracion {
    ModeloCasillas m;
    DespachoCasillas d;
    explicit Declaracion(bool domiciliado)
        : d(m, [] {
              ContextoCalculo c = ContextoCalculo::declaracion();
              c.fuente = std::make_shared<FuenteMemoria>();
              return c;
          }())
    {
        gsPeriodo = QStringLiteral("1998");
        gsFormulario = QStringLiteral("0951");
        m.setCampo(campos::OptIEAN, QStringLiteral("0"));
        m.setCampo(campos::OptDomiciliado, domiciliado ? QStringLiteral("1") : QStringLiteral("0"));
        cargar();
    }
    void cargar()
    {
        d.lote([this] {
            for (size_t i = 0; i < std::size(kCasillas); ++i)
                m.setTexto(kCasillas[i], QString::fromLatin1(kTextos[i]));
        });
    }
};

// A digit typed into box 103 and taken back: the tax chain down to 146.
void BM_TeclaImpuesto(benchmark::State &state)
{
    Declaracion dcl(false);
    const QString a = QStringLiteral("2000"), b = QStringLiteral("20001");
    bool alterna = false;
    for (auto _ : state) {
        dcl.m.setTexto(103, alterna ? a : b);
        alterna = !alterna;
    }
}
BENCHMARK(BM_TeclaImpuesto)->Unit(benchmark::kMicrosecond);

// A digit in box 321 of a domiciled taxpayer: the income statement, the carry
// into 100 and 101, and the whole tax and credit chain.
void BM_TeclaEstadoResultados(benchmark::State &state)
{
    Declaracion dcl(true);
    const QString a = QStringLiteral("50000"), b = QStringLiteral("500001");
    bool alterna = false;
    for (auto _ : state) {
        dcl.m.setTexto(321, alterna ? a : b);
        alterna = !alterna;
    }
}
BENCHMARK(BM_TeclaEstadoResultados)->Unit(benchmark::kMicrosecond);

// A filled declaration written into an empty store at once and settled.
void BM_RecalculoCompleto(benchmark::State &state)
{
    Declaracion dcl(true);
    for (auto _ : state) {
        dcl.m.limpiar();
        dcl.cargar();
    }
}
BENCHMARK(BM_RecalculoCompleto)->Unit(benchmark::kMicrosecond);

// Every step of the table run once more over a settled declaration.
void BM_RecalcularTodo(benchmark::State &state)
{
    Declaracion dcl(true);
    for (auto _ : state)
        dcl.d.recalcularTodo();
}
BENCHMARK(BM_RecalcularTodo)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
