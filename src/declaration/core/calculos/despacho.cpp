#include "declaration/core/calculos/despacho.h"
#include "platform/database.h"
#include "platform/msgbox.h"
#include "platform/vbruntime.h"
#include <algorithm>
#include <iterator>
#include <cmath>
#include "declaration/core/calculos/calculosimporte.h"

namespace {

// Every step: its name (for the observers) and what it runs. One row per
// Accion, in the enum's order, which the checks below hold at compile time.
struct DefinicionAccion {
    Accion accion;
    const char *nombre;
    void (*correr)(CalculosDeclaracion &c, ModeloCasillas &m, const Paso &p);
    // The tax (Calcular113) follows as a step of its own, so that its
    // change does not run it a second time.
    bool luegoImpuesto = false;
};

using C = CalculosDeclaracion;
using M = ModeloCasillas;
using P = Paso;

constexpr DefinicionAccion kAcciones[] = {
    {Accion::TemCasillas, "pTemCasillas", [](C &c, M &, const P &p) { c.pTemCasillas(p.arg, p.arg2); }},
    {Accion::Calcular120, "Calcular120", [](C &c, M &, const P &) { c.Calcular120(); }},
    {Accion::Calcular128A_131A, "Calcular128A_131A", [](C &c, M &, const P &p) { c.Calcular128A_131A(p.arg); }},
    {Accion::Calcular117, "Calcular117", [](C &c, M &, const P &) { c.Calcular117(); }},
    {Accion::Calcular128_131, "Calcular128_131", [](C &c, M &, const P &p) { c.Calcular128_131(p.arg); }},
    {Accion::Calcular500, "Calcular500", [](C &c, M &, const P &) { c.Calcular500(); }},
    {Accion::Calcular501, "Calcular501", [](C &c, M &, const P &) { c.Calcular501(); }},
    {Accion::Calcular502, "Calcular502", [](C &c, M &, const P &) { c.Calcular502(); }},
    {Accion::Calcular503, "Calcular503", [](C &c, M &, const P &) { c.Calcular503(); }},
    {Accion::Calcular334y504, "Calcular334y504", [](C &c, M &, const P &) { c.Calcular334y504(); }},
    {Accion::Calcular505y338, "Calcular505y338", [](C &c, M &, const P &) { c.Calcular505y338(); }},
    {Accion::Calcular341y342, "Calcular341y342", [](C &c, M &, const P &) { c.Calcular341y342(); }},
    {Accion::Calcular106y107, "Calcular106y107", [](C &c, M &, const P &) { c.Calcular106y107(); }},
    {Accion::Calcular110y111, "Calcular110y111", [](C &c, M &, const P &) { c.Calcular110y111SinImpuesto(); }, true},
    {Accion::Calcular113, "Calcular113", [](C &c, M &, const P &) { c.Calcular113(); }},
    {Accion::Calcular506, "Calcular506", [](C &c, M &, const P &) { c.Calcular506(); }},
    {Accion::Vaciar114Si122, "Vaciar114Si122",
     [](C &, M &m, const P &) {
         if (std::abs(importe::leer(m.texto(122))) > 0)
             m.setTexto(114, QString());
     }},
    {Accion::Calcular116y507, "Calcular116y507", [](C &c, M &, const P &) { c.Calcular116y507(); }},
    {Accion::Calcular508, "Calcular508", [](C &c, M &, const P &) { c.Calcular508(); }},
    {Accion::Vaciar122Si114, "Vaciar122Si114",
     [](C &, M &m, const P &) {
         if (std::abs(importe::leer(m.texto(114))) > 0)
             m.setTexto(122, QString());
     }},
    {Accion::Calcular119y509, "Calcular119y509", [](C &c, M &, const P &) { c.Calcular119y509(); }},
    {Accion::Calcular509, "Calcular509", [](C &c, M &, const P &) { c.Calcular509(); }},
    {Accion::Calcular510, "Calcular510", [](C &c, M &, const P &) { c.Calcular510(); }},
    {Accion::CalcularMax124, "CalcularMax124", [](C &c, M &, const P &) { c.CalcularMax124(); }},
    {Accion::Calcular511, "Calcular511", [](C &c, M &, const P &) { c.Calcular511(); }},
    {Accion::Calcular512, "Calcular512", [](C &c, M &, const P &) { c.Calcular512(); }},
    {Accion::Calcular513, "Calcular513", [](C &c, M &, const P &) { c.Calcular513(); }},
    {Accion::CalcularMax132, "CalcularMax132", [](C &c, M &, const P &) { c.CalcularMax132(); }},
    {Accion::Calcular514_138y139, "Calcular514_138y139", [](C &c, M &, const P &) { c.Calcular514_138y139(); }},
    {Accion::VaciarSinSaldo, "VaciarSinSaldo", [](C &c, M &, const P &) { c.pVaciarSinSaldo(); }},
    {Accion::ReglaSaldos, "ReglaSaldos", [](C &c, M &, const P &) { c.pReglaSaldos(); }},
    {Accion::ReglaCasilla140, "ReglaCasilla140", [](C &c, M &, const P &) { c.pReglaCasilla140(); }},
    {Accion::ReglaCasilla137, "ReglaCasilla137", [](C &c, M &, const P &) { c.pReglaCasilla137(); }},
    {Accion::Calcular146, "Calcular146", [](C &c, M &, const P &) { c.Calcular146(); }},
    {Accion::ImportePago, "ImportePago", [](C &c, M &, const P &) { c.pImportePago(); }},
    {Accion::ValidarRuc, "ValidarRuc", [](C &c, M &, const P &p) { c.pValidarRucCasilla(p.arg); }},
};

constexpr bool fEnElOrdenDelEnum()
{
    for (size_t i = 0; i < std::size(kAcciones); ++i)
        if (kAcciones[i].accion != Accion(i))
            return false;
    return true;
}
static_assert(std::size(kAcciones) == size_t(kNumAcciones), "one row of kAcciones per Accion");
static_assert(fEnElOrdenDelEnum(), "kAcciones in the order of Accion");

} // namespace

const char *nombreAccion(Accion a)
{
    return kAcciones[size_t(a)].nombre;
}

namespace {
bool mismoPaso(const Paso &x, const Paso &y)
{
    return x.accion == y.accion && x.arg == y.arg && x.arg2 == y.arg2 && x.cuando == y.cuando
           && x.saltarCargando == y.saltarCargando;
}
} // namespace

TablaDespacho::TablaDespacho(const std::vector<FilaDespacho> &filas)
{
    // Distinct steps first (a box of a row fills in "the changed box").
    std::vector<Paso> todos;
    for (const FilaDespacho &f : filas)
        for (int casilla : f.casillas)
            for (Paso paso : f.pasos) {
                if (paso.arg == kCasillaCambiada)
                    paso.arg = casilla;
                paso.soloCasilla = 0;
                if (std::none_of(todos.begin(), todos.end(), [&](const Paso &q) { return mismoPaso(q, paso); }))
                    todos.push_back(paso);
            }
    std::stable_sort(todos.begin(), todos.end(),
                     [](const Paso &x, const Paso &y) { return x.accion < y.accion; });
    m_pasos = QVector<Paso>(todos.begin(), todos.end());

    for (const FilaDespacho &f : filas)
        for (int casilla : f.casillas) {
            QVector<Disparo> &d = m_porCasilla[casilla];
            for (Paso paso : f.pasos) {
                const int solo = paso.soloCasilla;
                if (paso.arg == kCasillaCambiada)
                    paso.arg = casilla;
                paso.soloCasilla = 0;
                for (int i = 0; i < m_pasos.size(); ++i)
                    if (mismoPaso(m_pasos[i], paso)) {
                        if (solo == 0 || solo == casilla)
                            d.append({i, solo});
                        break;
                    }
            }
        }
}

const QVector<TablaDespacho::Disparo> &TablaDespacho::disparos(int casilla) const
{
    auto it = m_porCasilla.constFind(casilla);
    return it == m_porCasilla.constEnd() ? m_vacio : *it;
}

int TablaDespacho::indice(Accion a, int arg, int arg2) const
{
    for (int i = 0; i < m_pasos.size(); ++i)
        if (m_pasos[i].accion == a && m_pasos[i].arg == arg && m_pasos[i].arg2 == arg2)
            return i;
    return -1;
}

DespachoCasillas::DespachoCasillas(ModeloCasillas &modelo, ContextoCalculo ctx, const TablaDespacho &tabla,
                                   QObject *parent)
    : QObject(parent), m(modelo), m_calc(modelo, std::move(ctx)), m_tabla(tabla),
      m_pendiente(size_t(tabla.pasos().size()), 0)
{
    m_idx113 = m_tabla.indice(Accion::Calcular113);
    connect(&m, &ModeloCasillas::textoCambiado, this, &DespachoCasillas::alCambiar, Qt::DirectConnection);
}

void DespachoCasillas::alCambiar(int casilla)
{
    encolar(casilla);
    if (!m_enCurso)
        drenar();
}

void DespachoCasillas::encolar(int casilla)
{
    const QVector<Paso> &pasos = m_tabla.pasos();
    for (const TablaDespacho::Disparo &d : m_tabla.disparos(casilla)) {
        // A step's own writes do not start it again.
        if (d.paso == m_actual)
            continue;
        m_pendiente[size_t(d.paso)] = 1;
        // The write feeds a step that runs earlier: run the current one again
        // after it, so that its own effects stay the last word.
        if (m_actual >= 0 && pasos[d.paso].accion < pasos[m_actual].accion)
            m_pendiente[size_t(m_actual)] = 1;
    }
}

void DespachoCasillas::drenar()
{
    struct Estado {
        DespachoCasillas &d;
        ~Estado() {
            d.m_actual = -1;
            d.m_enCurso = false;
            std::fill(d.m_pendiente.begin(), d.m_pendiente.end(), 0);
        }
    } estado{*this};
    m_enCurso = true;
    const QVector<Paso> &pasos = m_tabla.pasos();
    const int n = pasos.size();
    // Every write ends in an identical text sooner or later; the bound only
    // keeps a faulty table from hanging the window.
    int limite = 64 * (n + 1);
    for (;;) {
        int i = 0;
        while (i < n && !m_pendiente[size_t(i)])
            ++i;
        if (i == n || --limite < 0)
            break;
        m_pendiente[size_t(i)] = 0;
        m_actual = i;
        ejecutar(pasos[i], i);
    }
}

void DespachoCasillas::lote(const std::function<void()> &f)
{
    if (m_enCurso) {
        f();
        return;
    }
    m_enCurso = true;
    try {
        f();
    } catch (...) {
        m_enCurso = false;
        std::fill(m_pendiente.begin(), m_pendiente.end(), 0);
        throw;
    }
    drenar();
}

void DespachoCasillas::recalcularTodo()
{
    lote([this] { std::fill(m_pendiente.begin(), m_pendiente.end(), 1); });
}

bool DespachoCasillas::situacion(Situacion s) const
{
    switch (s) {
    case Situacion::Siempre: return true;
    case Situacion::IeanSiAnexoSi: return m_calc.optIeanSi() && m_calc.optAnexoSi();
    case Situacion::IeanSiAnexoNo: return m_calc.optIeanSi() && m_calc.optAnexoNo();
    case Situacion::IeanNo: return m_calc.optIeanNo();
    }
    return false;
}

void DespachoCasillas::ejecutar(const Paso &p, int)
{
    if (p.saltarCargando && m.bCargando)
        return;
    if (!situacion(p.cuando))
        return;
    if (m_observador)
        m_observador(p);
    const DefinicionAccion &a = kAcciones[size_t(p.accion)];
    try {
        a.correr(m_calc, m, p);
        if (a.luegoImpuesto) {
            if (m_idx113 >= 0)
                m_pendiente[size_t(m_idx113)] = 1;
            else
                m_calc.Calcular113();
        }
    } catch (const DbError &e) {
        // A failed annex query leaves its box as it was; the other boxes go on.
        msg::MsgBox(e.description + QLatin1Char('\n') + vb::Str(e.number), 0, QStringLiteral("Error"));
    }
}
