#pragma once
// The answers, header checks and rule runs of one declaration window, wired
// together and to the calculations, so that a window binds them in a few
// lines.
//
// Binding Frm381 (one ReglasDeclaracion per window, child of the window):
//
//     auto *r = new ReglasDeclaracion(*w.modelo(), &w);
//     r->vincularCalculos(w.despacho()->calculos());
//     w.OptClick = [r](const QString &par, int i) { r->respuestas.click(par, i); };
//     // SSTab1 currentChanged (the user's page change):
//     //     r->tomarVariables(v); r->SSTab1_Click(page); then apply r->ventana;
//     // MkePeriodo lost focus / key press, window background mouse move:
//     //     r->MkePeriodo_LostFocus(), r->MkePeriodo_KeyPress(key), r->pAyudaFondo();
//     reglasVentana().ValidaDeclaracion = [](Frm381 &w) {
//         VentanaFrm381 v(w);
//         return w.findChild<ReglasDeclaracion *>()->ValidaDeclaracion(v);
//     };
//     reglasVentana().DeclaracionCompleta = ... ->DeclaracionCompleta(v);
//     reglasVentana().ValidaPeriodo = [](Frm381 &, const QString &f) {
//         return cabecera::ValidaPeriodo(f, QDate::currentDate());
//     };
//
// After each call the window applies `ventana` (see respuestasventana.h): the
// page-0 controls in ventana.controles(), Frame1 visibility, help context,
// help line and the focus asked for. The two rule runs below do that for the
// page, frame 5 and focus themselves, through the VentanaDeclaracion they are
// given.
#include "declaration/core/reglas/cabecera.h"
#include "declaration/core/calculos/calculos.h"
#include "declaration/core/persistencia/grabacion.h"
#include "declaration/core/reglas/reglas.h"
#include "declaration/core/respuestas/respuestas.h"
#include "declaration/core/respuestas/respuestasventana.h"
#include <QObject>

class ReglasDeclaracion : public QObject {
    Q_OBJECT
public:
    explicit ReglasDeclaracion(ModeloCasillas &modelo, QObject *parent = nullptr);

    ModeloCasillas &modelo;
    EstadoVentana ventana;
    Respuestas respuestas;
    Cabecera cabecera;
    Reglas reglas;

    // The answers rerun these calculations; the rules ask their caps.
    void vincularCalculos(CalculosDeclaracion &c);

    // Copies the window variables the checks read (iAccion, sRuc,
    // sPuedeRegistrar, caption, page shown).
    void tomarVariables(VentanaDeclaracion &v);

    // The page-0 handlers on this window's state.
    void SSTab1_Click(int pagina);
    void MkePeriodo_LostFocus();
    bool MkePeriodo_KeyPress(int keyAscii);
    void pAyudaFondo();

    // The two rule runs as the save and the validation call them: the window's
    // variables taken first; a stop rule's page (with Frame1(5) where its rule
    // says so) is brought to the front before its message, its focus after.
    bool ValidaDeclaracion(VentanaDeclaracion &v);
    bool DeclaracionCompleta(VentanaDeclaracion &v);
};
