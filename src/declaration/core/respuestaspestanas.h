#pragma once
// The tab control SSTab1 of the declaration window: entering a data page runs
// the header check of page 0 and shows the page's frames, puts the focus on
// the page's first box and sets the page's help topic.
#include "declaration/core/cabecera.h"
#include "declaration/core/modelocasillas.h"
#include "declaration/core/respuestasventana.h"

namespace respuestas {
// F1 topics of pages 0 to 5.
int contextoAyuda(int pagina);

// The user brought page `pagina` to the front (SSTab1_Click). Page 0 shows
// the frames again; pages 1 to 5 hide them, and show them again only when
// ValidaContForm1 accepts the header (otherwise it sends the user back to
// page 0 with its message). The window shows the hourglass during the call.
void SSTab1_Click(ModeloCasillas &m, EstadoVentana &v, Cabecera &cabecera, int pagina);
}
