#pragma once
// The viewer of one sent declaration (Frm381Env), free of widgets: its box
// store filled from HDET and HCAB of one send (its CORREL) and recomputed by
// the entry window's own calculations, dispatch and answers with the
// viewer's settings (ContextoCalculo::enviada(), tablaDespachoEnviada(),
// PerfilRespuestas::enviada(), the viewer's keyboard, tab table and leaving
// of a box); the registration of the order number; the exit.
//
// The window binds its controls to `modelo` and applies `ventana` after each
// call (labels, frames, page, focus, help line), as the entry window does.
// Store fields beside those of the entry window: TxtNumOrdenE (the order
// number, the one editable field) and TxtControl (the send's control number).
#include "declaration/core/calculos/despacho.h"
#include "declaration/core/casillas/filtroteclas.h"
#include "declaration/core/respuestas/respuestas.h"
#include "declaration/core/respuestas/respuestasventana.h"
#include "sent/core/enviadas.h"
#include <QObject>
#include <functional>

namespace CamposEnviada {
inline const QString TxtNumOrdenE = QStringLiteral("TxtNumOrdenE");
inline const QString TxtControl = QStringLiteral("TxtControl");
}

namespace visor {
inline const QString Titulo = QStringLiteral("951 Declaración Pago Anual Impuesto a la Renta (Enviadas)");
inline const QString MsgRegistrado = QStringLiteral("El número de orden fue registrado satisfactoriamente.");
inline const QString MsgNoRegistrado = QStringLiteral(
    "El número de orden no fue registrado: la declaración enviada ya no se encuentra en la base de datos.");
inline const QString MsgGuardarCambios = QStringLiteral("¿Desea guardar los cambios?");
}

class VisorEnviada : public QObject {
    Q_OBJECT
public:
    explicit VisorEnviada(ModeloCasillas &modelo, QObject *parent = nullptr);

    // The boxes as the viewer's window defines them: every box locked and
    // grey, except the annex boxes 117, 120, 128 and 131 (open, cyan), 137
    // (open, grey, one character) and 208 (disabled, white).
    static void pEstadoInicial(ModeloCasillas &m);

    ModeloCasillas &modelo;
    EstadoVentana ventana;
    Respuestas respuestas;
    CalculosDeclaracion &calculos() { return m_despacho.calculos(); }
    DespachoCasillas &despacho() { return m_despacho; }

    // Set by the chooser before the load: its current row.
    DeclaracionEnviada fila;

    QList<int> aCasillas;
    int iTabActual = 0;
    bool bModificado = false;   // the order number was typed since load or registration

    // What the window lends: the focus of a box and a page brought to the
    // front (the caps' message), both at once.
    std::function<void(int casilla)> alEnfocarCasilla;
    std::function<void(int pagina)> alMostrarPagina;

    // Form_Load's steps on the store: shared state reset, CORREL of the row,
    // the stored values, the answers, the order and control numbers, the tax
    // of the year and box 113 as stored. The zones, the status bar and the
    // screen are the window's.
    void Form_Load(Database &db);
    // RUC and name of the row; setting the name loads the send.
    void CargaIdent(Database &db);
    // The send's boxes, answers and payment (HDET, HCAB); false when HDET
    // holds no row of it. A failed query is shown and counts as no row.
    bool fCargarEnviada(Database &db);

    // A key in a box: the read-only annex window ENTER opens and where ENTER
    // moves; the key itself is never changed.
    FiltroTeclas::AccionTecla TxtValor_KeyPress(int casilla, int tecla) const;
    void TxtValor_LostFocus(int casilla);
    void SSTab1_Click(int pagina);
    // The mouse over the window background or a content frame.
    void pAyudaFondo();

    // "&Registrar Nro. Orden": NORDEN of this send. True when stored; false
    // (with a message) when the send's header is gone or the write failed,
    // and the typed number stays.
    bool CmdGrabar_Click(Database &db);

    // "&Salir": asks to save a typed number first.
    enum class Cierre { Quedar, TrasRegistro, Normal };
    Cierre cmdCancelar_Click(Database &db);

private:
    DespachoCasillas m_despacho;
};
