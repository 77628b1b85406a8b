#include "despacho.h"
#include "platform/database.h"
#include "platform/msgbox.h"
#include "platform/vbruntime.h"
#include <algorithm>
#include <cmath>
#include "declaration/core/calculosimporte.h"

const char *nombreAccion(Accion a)
{
    static const char *const nombres[] = {
        "pTemCasillas", "Calcular120", "Calcular128A_131A", "Calcular117", "Calcular128_131",
        "Calcular500", "Calcular501", "Calcular502", "Calcular503", "Calcular334y504",
        "Calcular505y338", "Calcular341y342", "Calcular106y107", "Calcular110y111", "Calcular113",
        "Calcular506", "Vaciar114Si122", "Calcular116y507", "Calcular508", "Vaciar122Si114",
        "Calcular119y509", "Calcular509", "Calcular510", "CalcularMax124", "Calcular511",
        "Calcular512", "Calcular513", "CalcularMax132", "Calcular514_138y139", "VaciarSinSaldo",
        "ReglaSaldos", "ReglaCasilla140", "ReglaCasilla137", "Calcular146", "ImportePago",
        "ValidarRuc"};
    return nombres[int(a)];
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
    CalculosDeclaracion &c = m_calc;
    try {
        switch (p.accion) {
        case Accion::TemCasillas: c.pTemCasillas(p.arg, p.arg2); break;
        case Accion::Calcular120: c.Calcular120(); break;
        case Accion::Calcular128A_131A: c.Calcular128A_131A(p.arg); break;
        case Accion::Calcular117: c.Calcular117(); break;
        case Accion::Calcular128_131: c.Calcular128_131(p.arg); break;
        case Accion::Calcular500: c.Calcular500(); break;
        case Accion::Calcular501: c.Calcular501(); break;
        case Accion::Calcular502: c.Calcular502(); break;
        case Accion::Calcular503: c.Calcular503(); break;
        case Accion::Calcular334y504: c.Calcular334y504(); break;
        case Accion::Calcular505y338: c.Calcular505y338(); break;
        case Accion::Calcular341y342: c.Calcular341y342(); break;
        case Accion::Calcular106y107: c.Calcular106y107(); break;
        case Accion::Calcular110y111:
            c.Calcular110y111SinImpuesto();
            // The tax follows as a step of its own, so that its change does
            // not run it a second time.
            if (m_idx113 >= 0)
                m_pendiente[size_t(m_idx113)] = 1;
            else
                c.Calcular113();
            break;
        case Accion::Calcular113: c.Calcular113(); break;
        case Accion::Calcular506: c.Calcular506(); break;
        case Accion::Vaciar114Si122:
            if (std::abs(importe::leer(m.texto(122))) > 0)
                m.setTexto(114, QString());
            break;
        case Accion::Calcular116y507: c.Calcular116y507(); break;
        case Accion::Calcular508: c.Calcular508(); break;
        case Accion::Vaciar122Si114:
            if (std::abs(importe::leer(m.texto(114))) > 0)
                m.setTexto(122, QString());
            break;
        case Accion::Calcular119y509: c.Calcular119y509(); break;
        case Accion::Calcular509: c.Calcular509(); break;
        case Accion::Calcular510: c.Calcular510(); break;
        case Accion::CalcularMax124: c.CalcularMax124(); break;
        case Accion::Calcular511: c.Calcular511(); break;
        case Accion::Calcular512: c.Calcular512(); break;
        case Accion::Calcular513: c.Calcular513(); break;
        case Accion::CalcularMax132: c.CalcularMax132(); break;
        case Accion::Calcular514_138y139: c.Calcular514_138y139(); break;
        case Accion::VaciarSinSaldo: c.pVaciarSinSaldo(); break;
        case Accion::ReglaSaldos: c.pReglaSaldos(); break;
        case Accion::ReglaCasilla140: c.pReglaCasilla140(); break;
        case Accion::ReglaCasilla137: c.pReglaCasilla137(); break;
        case Accion::Calcular146: c.Calcular146(); break;
        case Accion::ImportePago: c.pImportePago(); break;
        case Accion::ValidarRuc: c.pValidarRucCasilla(p.arg); break;
        }
    } catch (const DbError &e) {
        // A failed annex query leaves its box as it was; the other boxes go on.
        msg::MsgBox(e.description + QLatin1Char('\n') + vb::Str(e.number), 0, QStringLiteral("Error"));
    }
}
