#pragma once
// The pages of the printed return, as commands handed to the print engine.
// The print run (pCargar) calls them in order: pHoja1 (which opens the script
// with "Cabecera"), "pNuevaHoja", pHoja2 and, with annexes, "pNuevaHoja" and
// ReporteAnexos. They read no database; errors (conversion) are raised to
// the run.
#include "layout/core/datosimpresion.h"
#include "printing/core/salidaimpresion.h"

// Page 1 (page index 0): header, identification, financial statements and
// the income-tax determination.
void pHoja1(const DatosImpresion &d, SalidaImpresion &salida);

// Page 2 (page index 1): tax debt and payment, agrarian sections, attributed
// income, answers, order and control numbers, accountant and representative.
void pHoja2(const DatosImpresion &d, SalidaImpresion &salida);

// The annex page (page index 2) of the annex set xAnexos ("117y128", "131",
// "120y128"; any other code draws nothing), from the months pLeerAnexos read
// for that set into d (ACTA, or HACTA of d.sCORREL for a sent declaration).
// Months not read for xAnexos raise ErrorEjecucion 9.
void ReporteAnexos(const QString &xAnexos, bool Tiene_Factor, const DatosImpresion &d, SalidaImpresion &salida);
