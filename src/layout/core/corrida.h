#pragma once
// One print run of a declaration (pCargar): the data, page 1, page 2, the
// annex pages when asked, the end of the printer document and of the script,
// all through one engine, in preview and in print mode alike. Everything the
// pages print is read first, in one read transaction, so that a run prints
// one state of the database whatever other programs save meanwhile.
#include "layout/core/datosimpresion.h"
#include "printing/core/salidaimpresion.h"
#include <functional>

class Database;
class MotorImpresion;

// The pages a run lays out; by default the declaration's own (paginas.h).
struct PaginasImpresion {
    std::function<void(const DatosImpresion &, SalidaImpresion &)> hoja1;
    std::function<void(const DatosImpresion &, SalidaImpresion &)> hoja2;
    std::function<void(const QString &xAnexos, bool Tiene_Factor, const DatosImpresion &, SalidaImpresion &)>
        anexos;
};
const PaginasImpresion &fPaginasDeclaracion();

// Boxes 332 and 333, trimmed and read as numbers: True when either is not 0.
bool fTieneFactor(const DatosImpresion &d);

// What the pages of a run print, read in one read transaction (it takes no
// write lock and ends before anything is drawn): pConsulta, fCargaPago and,
// with d.bAnexo, the annex months of d.sTipoAnexo (pLeerAnexos). Raises what
// they raise; then d holds no annex months.
void pLeerDatosImpresion(DatosImpresion &d, Database &db);

// pLeerDatosImpresion, page 1 (which opens the script with "Cabecera"),
// "pNuevaHoja", page 2, with d.bAnexo "pNuevaHoja" and the annex pages of
// d.sTipoAnexo, in print mode the end of the printer document, then "Fin".
// The caller sets the engine's mode and d.iTamanoLetra (8) first.
// Any error stops the run at once: the printer document is dropped, the
// script removed unregistered, and one message shows it (critical icon,
// the application's title): "Error de Impresora " and the description for a
// printer error (482), "Error Impresora no disponible" for no printer (484),
// the description for any other. False when the run stopped so.
bool pCargar(DatosImpresion &d, Database &db, MotorImpresion &motor,
             const PaginasImpresion &paginas = fPaginasDeclaracion());

// The message text of an error that stopped a run.
QString fMensajeErrorCorrida(int numero, const QString &descripcion);
