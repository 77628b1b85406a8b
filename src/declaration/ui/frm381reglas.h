#pragma once
// Binds the answers, the tab pages, the date box, the help line and the rule
// runs of the declaration window to its ReglasDeclaracion, and mirrors what
// they leave in EstadoVentana on the window's controls.
#include <QString>
#include <functional>

class Frm381;
class ReglasDeclaracion;
struct EstadoVentana;

// Binds every Frm381 as it is built (keeps any earlier hook) and installs the
// rule runs of the save and the validation (reglasVentana()). Call before
// pRegistrarGrabacion or after it: both orders work.
void pRegistrarReglas();

// The rules of the window: bound on first use when the window was built
// without pRegistrarReglas.
ReglasDeclaracion &fReglas(Frm381 &w);

namespace enlace381 {
// The window's current state copied into `v` (variables, page, frames, page
// help, help line) before a call into the answers, checks or rules.
void pLeerVentana(Frm381 &w, EstadoVentana &v);
// `v` applied on the window after such a call: page (signals blocked),
// frames, page-0 controls, help context, help line and the focus asked for.
void pAplicarVentana(Frm381 &w, EstadoVentana &v);
// Brings page `pagina` of SSTab1 forward from code (a check of the save or
// the validation, the RUC check of a box): its content frames shown,
// iPestana and the help topic set, as a click on its tab would; the page's
// entry checks are not run.
void pTraerPagina(Frm381 &w, int pagina);
// Focus to a control named as the checks name it ("TxtValor(n)", "CmbRuc",
// "TxtTelefono", "cmdCancelar", ...); a disabled or unknown control keeps it
// where it is.
void pEnfocar(Frm381 &w, const QString &control);
// alMover runs when the mouse moves over the window background, a content
// frame or the rectification frame (the general help line).
void pInstalarAyudaFondo(Frm381 &w, std::function<void()> alMover);
}
