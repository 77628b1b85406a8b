#pragma once
// Recalculation dispatch: which procedures a change of each box starts.
//
// The table (TablaDespacho) lists only the direct dependants of each box, as
// data: the entry window and the sent-declaration viewer each have their own.
// DespachoCasillas listens to the store's textoCambiado and settles every
// change before returning:
//   - the steps a change starts are queued, not run nested, and run in the
//     order of the return (financial statements, tax, credits, balance), so
//     one keystroke runs each dependant once, with its inputs already final
//     (no pass over half-updated subtotals, no cap message on a passing value);
//   - a step that writes a box feeding an earlier step is run again after
//     that step, as it would have finished after it;
//   - a write of an identical text raises nothing, so the chain ends.
//
// For the window (Frm381):
//     auto *d = new DespachoCasillas(modelo, ctx, tablaDespachoDeclaracion(), this);
// where ctx = ContextoCalculo::declaracion() with the window's hooks
// (enfocar, mostrarPagina, importePago) filled in. From then on every change
// of a box text in the store, typed or written, recalculates the boxes that
// depend on it. d->calculos() gives the Calcular procedures for the option
// handlers and the rule checks; d->lote(f) runs f (a load, for instance) and
// settles everything f changed once at the end.
// For the viewer (Frm381Env): ContextoCalculo::enviada() and
// tablaDespachoEnviada().
#include "declaration/core/calculos/calculos.h"
#include <QHash>
#include <QObject>
#include <QVector>
#include <functional>
#include <initializer_list>
#include <vector>

// The steps a dispatch row can name. Their order is the order in which
// queued steps run: each one comes after everything it reads.
enum class Accion : quint8 {
    TemCasillas,         // pTemCasillas(arg, arg2)
    Calcular120,
    Calcular128A_131A,   // arg: box
    Calcular117,
    Calcular128_131,     // arg: box
    Calcular500,
    Calcular501,
    Calcular502,
    Calcular503,
    Calcular334y504,
    Calcular505y338,
    Calcular341y342,
    Calcular106y107,
    Calcular110y111,     // 110 and 111, then Calcular113 queued
    Calcular113,
    Calcular506,
    Vaciar114Si122,      // box 114 emptied while 122 holds an amount
    Calcular116y507,
    Calcular508,
    Vaciar122Si114,      // box 122 emptied while 114 holds an amount
    Calcular119y509,
    Calcular509,
    Calcular510,
    CalcularMax124,
    Calcular511,
    Calcular512,
    Calcular513,
    CalcularMax132,
    Calcular514_138y139,
    VaciarSinSaldo,      // viewer: 140, 141 emptied without a tax to pay
    ReglaSaldos,         // 137, 140, 141, 144 after the balance
    ReglaCasilla140,     // 140 after 332 or 333
    ReglaCasilla137,
    Calcular146,
    ImportePago,         // box 180 to the payment control
    ValidarRuc,          // arg: the code box
};
// How many there are: keep it after the last. despacho.cpp names each one
// and says what it runs, in one table that its compiler holds to this count.
constexpr int kNumAcciones = int(Accion::ValidarRuc) + 1;
const char *nombreAccion(Accion a);

// The answers a step is conditioned on, read when it runs.
enum class Situacion : quint8 { Siempre, IeanSiAnexoSi, IeanSiAnexoNo, IeanNo };

struct Paso {
    Accion accion;
    Situacion cuando = Situacion::Siempre;
    int soloCasilla = 0;         // non-zero: only for a change of this box
    int arg = 0;                 // kCasillaCambiada: the box of the row
    int arg2 = 0;
    bool saltarCargando = false; // skipped while the store is loading
};
constexpr int kCasillaCambiada = -1;

struct FilaDespacho {
    std::vector<int> casillas;
    std::vector<Paso> pasos;
};

class TablaDespacho {
public:
    TablaDespacho() = default;
    explicit TablaDespacho(const std::vector<FilaDespacho> &filas);

    struct Disparo { int paso; int soloCasilla; };
    // The distinct steps, sorted by the order they run in.
    const QVector<Paso> &pasos() const { return m_pasos; }
    const QVector<Disparo> &disparos(int casilla) const;
    // Index of a step, -1 when the table lacks it.
    int indice(Accion a, int arg = 0, int arg2 = 0) const;
    QList<int> casillas() const { return m_porCasilla.keys(); }

private:
    QVector<Paso> m_pasos;
    QHash<int, QVector<Disparo>> m_porCasilla;
    QVector<Disparo> m_vacio;
};

// The entry window's dispatch table.
const TablaDespacho &tablaDespachoDeclaracion();
// The sent-declaration viewer's: no exclusive pairs, enabling, RUC checks or
// payment amount; a change of the balance boxes empties 140 and 141 without
// a tax to pay.
const TablaDespacho &tablaDespachoEnviada();

class DespachoCasillas : public QObject {
    Q_OBJECT
public:
    DespachoCasillas(ModeloCasillas &modelo, ContextoCalculo ctx = ContextoCalculo::declaracion(),
                     const TablaDespacho &tabla = tablaDespachoDeclaracion(), QObject *parent = nullptr);

    CalculosDeclaracion &calculos() { return m_calc; }
    const TablaDespacho &tabla() const { return m_tabla; }

    // Runs f with the dispatch held back, then settles every box f changed.
    void lote(const std::function<void()> &f);
    // Runs every step of the table once, in order, and settles.
    void recalcularTodo();

    // For tests and measurements: called before every step that runs.
    void setObservador(std::function<void(const Paso &)> f) { m_observador = std::move(f); }

private:
    void alCambiar(int casilla);
    void encolar(int casilla);
    void drenar();
    void ejecutar(const Paso &p, int indice);
    bool situacion(Situacion s) const;

    ModeloCasillas &m;
    CalculosDeclaracion m_calc;
    const TablaDespacho &m_tabla;
    std::vector<char> m_pendiente;
    int m_actual = -1;
    bool m_enCurso = false;
    int m_idx113 = -1;
    std::function<void(const Paso &)> m_observador;
};
