#pragma once
// The date box of form 4888 (MkePeriodo) on page 0: what leaving it and
// typing in it do. Its text is the named field MkePeriodo of the box store,
// "dd/mm/yyyy" with "_" in the positions not typed ("__/__/____" empty).
#include "declaration/core/reglas/cabecera.h"
#include "declaration/core/casillas/modelocasillas.h"
#include "declaration/core/respuestas/respuestasventana.h"

namespace respuestas {
inline const QString MsgFechaNoValida = QStringLiteral("La Fecha no es Válida.");

// Leaving the date box: a partly typed or impossible date is refused with
// "La Fecha no es Válida.", page 0 and the focus back on the box (the text
// stays); under the agrarian answer "&Si" even the empty mask is refused.
// Any accepted text marks the declaration as changed. A complete date (no
// "_") is left to the header check.
void MkePeriodo_LostFocus(ModeloCasillas &m, EstadoVentana &v, const Cabecera &cabecera);

// A key in the date box marks the declaration as changed. Returns true for
// ENTER (13): the window then moves the focus on (pTabular "TAB").
bool MkePeriodo_KeyPress(ModeloCasillas &m, int keyAscii);
}
