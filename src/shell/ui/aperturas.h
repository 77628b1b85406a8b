#pragma once
// The openers of the windows that several places need. Each makes a fresh
// window, hands it its inputs and shows it modally; the windows register
// themselves in registroventanas.h.
#include "shell/ui/registroventanas.h"
#include <QVariant>
#include <QVariantList>

// The annex total as a Double, or an empty QVariant when sNombreForm is none of
// "frmAnexo117", "FrmAnexo120", "frmanexo131", "frmanexo131A" (exact, case
// included), its window is not available, or the window hands back no total
// (not a number: it could not read its rows).
QVariant pAbrirAnexo(const QString &sRuc, int iAccion, const QString &sNombreForm,
                     const QString &sCasilla332, const QString &sCasilla333);

// The print dialog: False lists saved declarations, True sent ones.
void pAbrirTipoImpresion(bool bEstadoContri);

// What the preview receives from a row (0 DOC_ID_D, 1 NOMBRE, 2 PERIODO,
// 3 FORMULARIO, and for a sent declaration 4 CORREL, 5 NORDEN, 6 CONTROL).
// A missing index raises ErrorEjecucion (subscript out of range).
DatosVistaPrevia fDatosVistaPrevia(int iOpcion, bool bAnexo, bool bGl_recti,
                                   const QVariantList &aDatos);

// iOpcion 1 shows the preview; any other value prints without showing it.
void pVistaPrevia(int iOpcion, bool bAnexo, bool bGl_recti, const QVariantList &aDatos);

// Whether the windows behind the openers are available (the main window
// enables its commands from these).
bool fHayTipoImpresion();
