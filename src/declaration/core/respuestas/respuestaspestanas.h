#pragma once
// The tab control SSTab1 of the declaration window and of its read-only twin:
// what bringing each page to the front does, one table row per page. The
// entry window checks the header of page 0 before it shows a data page and
// puts the focus on the page's first box; the viewer of a sent declaration
// only shows the pages.
#include "declaration/core/reglas/cabecera.h"
#include "declaration/core/casillas/modelocasillas.h"
#include "declaration/core/respuestas/respuestasventana.h"
#include <array>

namespace respuestas {
// F1 topics of pages 0 to 5.
int contextoAyuda(int pagina);

enum class FocoPagina {
    Ninguno,
    Control,     // the named control
    Casilla,     // the given box
    Creditos,    // page 3: 114 when enabled, else 120; 130 without IEAN
    Deuda,       // page 4: the first enabled of 137, 140, 141, else 145; 137 emptied when closed
};

struct FilaPestana {
    bool validarCabecera;   // ValidaContForm1 first; the frames stay hidden when it fails
    bool mostrarMarcos;     // Frame1(1), (2), (4) and (5) shown
    FocoPagina foco;
    QString control;        // FocoPagina::Control
    int casilla;            // FocoPagina::Casilla
};
using TablaPestanas = std::array<FilaPestana, 6>;

const TablaPestanas &tablaPestanasDeclaracion();
const TablaPestanas &tablaPestanasEnviada();   // focus on page 0 only: TxtNumOrdenE

// Page `pagina` brought to the front (SSTab1_Click): the row of the table,
// then the page last entered and its help topic. A header check that fails
// sends the user back with its message and leaves iPestana as it was. The
// window shows the hourglass during the call. cabecera may be null when the
// table checks nothing.
void SSTab1_Click(ModeloCasillas &m, EstadoVentana &v, Cabecera *cabecera, int pagina, const TablaPestanas &t);
// The entry window's.
void SSTab1_Click(ModeloCasillas &m, EstadoVentana &v, Cabecera &cabecera, int pagina);
}
