#pragma once
// The help line of the declaration window when the mouse is over the window
// background, a content frame or the rectification frame (Form_MouseMove,
// Frame1_MouseMove, Frame17_MouseMove).
#include "declaration/core/respuestas/respuestasventana.h"

namespace respuestas {
inline const QString AyudaGeneral =
    QStringLiteral("Anotar los importes en nuevos soles sin considerar centimos.");

// The sent-declaration viewer's general line.
inline const QString AyudaGeneralEnviada =
    QStringLiteral("Los importes son en nuevos soles sin considerar centimos.");

// TxtAyuda shows the general line in black, TxtAyuda1 is emptied.
void pAyudaFondo(EstadoVentana &v, const QString &linea = AyudaGeneral);
}
