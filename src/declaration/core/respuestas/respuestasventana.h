#pragma once
// What the declaration window shows beside its boxes, free of widgets. The
// handlers of page 0 (answers, date of form 4888, tab pages, help line), the
// header checks and the rule runs write it; Frm381 mirrors it on its controls
// and tests read it.
//
// How the window applies it, after every call into the answers, the header
// checks or the rules:
//   - `pagina`: the page of SSTab1 to show. Set it with signals blocked: a
//     page shown by the checks is not an entry by the user (the entry rules
//     run only from SSTab1_Click). mostrarPagina() also shows a data page's
//     frames and sets `iPestana` and `helpContext` as a click would;
//     `alMostrarPagina`, when set, is called at once so that the page is in
//     front, with its content, before a message box appears.
//   - `frame[i]`: Visible of Frame1(i).
//   - `control(name)`: Enabled and BackColor of the page-0 controls named in
//     ctl381 (MkePeriodo, TxtNumOrden, Label1(8..10), both OptAnexo options).
//   - `foco`: a control to give the focus to ("" none); the window takes it and
//     calls `tomarFoco()`. Boxes are named "TxtValor(n)" (see caja()).
//   - `helpContext`: HelpContextID of SSTab1 (F1 topic of the page).
//   - `ayuda`, `ayuda1`, `colorAyuda`: texts and fore colour of TxtAyuda and
//     TxtAyuda1.
// Box states (enabled, colour, locked, text) live in ModeloCasillas; answers
// and identification texts are its named fields (see respuestas.h).
#include "declaration/core/casillas/codigosdeclaracion.h"
#include "declaration/core/casillas/modelocasillas.h"
#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>

namespace ctl381 {
// Controls of page 0 and of the window, named as Frm381 names them.
inline const QString &TxtTelefono = Campos::TxtTelefono;
inline const QString &TxtNumOrden = Campos::TxtNumOrden;
inline const QString &MkePeriodo = Campos::MkePeriodo;
inline const QString &CmbRuc = Campos::CmbRuc;
inline const QString &TxtNumRuc = Campos::TxtNumRuc;
inline const QString &TxtNombreA = Campos::TxtNombreA;
inline const QString &TxtNombreN = Campos::TxtNombreN;
inline const QString &TxtNombre1A = Campos::TxtNombre1A;
inline const QString &TxtNombre1N = Campos::TxtNombre1N;
inline const QString cmdCancelar = QStringLiteral("cmdCancelar");
inline const QString Label1_8 = QStringLiteral("Label1(8)");    // the annex question
inline const QString Label1_9 = QStringLiteral("Label1(9)");    // the date request
inline const QString Label1_10 = QStringLiteral("Label1(10)");  // the order-number request
inline const QString OptAnexo = QStringLiteral("OptAnexo");     // both options at once

// Properties of the payment control FormaDePagoZRV1, kept as named fields.
inline const QString &formapago = Campos::FormaPago;
inline const QString &banco = Campos::Banco;
inline const QString &numcheque = Campos::NumCheque;
inline const QString &importe = Campos::Importe;

// The text of the date box when nothing is typed.
inline const QString &MascaraVacia = Campos::MascaraVacia;

// The box n as a focus target.
inline QString caja(int n) { return QStringLiteral("TxtValor(%1)").arg(n); }
// The box number of a focus target "TxtValor(n)", -1 for any other control.
int casillaDe(const QString &control);
}

struct EstadoControl {
    bool habilitado = true;
    quint32 color = Color::Blanco;
};

struct EstadoVentana {
    // Caption of Frm381: the title of its header and rule messages.
    QString titulo = QStringLiteral("951 Declaración Pago Anual Impuesto a la Renta");

    // Variables of Frm381 that the checks read; the window keeps them in step
    // (iAccion and sRuc are set by the opener, sPuedeRegistrar when a taxpayer
    // is chosen).
    int iAccion = 0;               // 0 new declaration, 1 modify
    QString sRuc;
    QString sPuedeRegistrar;       // "N": the chosen taxpayer already has one

    int pagina = 0;                // page of SSTab1 shown
    int iPestana = 0;              // page last entered
    int helpContext = 300;
    bool frame[6] = {true, true, true, true, true, true};
    QString foco;

    QString ayuda;
    QString ayuda1;
    quint32 colorAyuda = 0;

    std::function<void(int)> alMostrarPagina;

    // A page brought forward from code (see above).
    void mostrarPagina(int p);
    void pedirFoco(const QString &control) { foco = control; }
    QString tomarFoco() { QString f = foco; foco.clear(); return f; }

    // pMostrarFrame: elements 1, 2, 4 and 5 of Frame1; 0 and 3 stay as they are.
    void mostrarFrames(bool b1, bool b2, bool b4, bool b5);

    EstadoControl control(const QString &nombre) const { return m_controles.value(nombre); }
    // The controls whose state was set so far (the window applies these).
    QStringList controles() const { return m_controles.keys(); }
    void setHabilitado(const QString &nombre, bool v) { m_controles[nombre].habilitado = v; }
    void setColor(const QString &nombre, quint32 c) { m_controles[nombre].color = c; }

private:
    QHash<QString, EstadoControl> m_controles;
};
