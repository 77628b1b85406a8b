#include "layout/core/fuenteanexos.h"
#include "layout/core/paginas.h"

void pDisponerTablaAnexo(const TablaAnexo &tabla, const DatosImpresion &d, Database &db, SalidaImpresion &salida)
{
    // The whole table is read before its first command.
    const FuenteTablaAnexo fuente = fCargarAnexo(tabla.carga, d, db);
    for (const BloqueAnexo &b : tabla.bloques) {
        if (b.bPorMes)
            b.disposicion.pDisponerFilas(fuente, salida, d.iTamanoLetra, tabla.carga.desde, tabla.carga.hasta,
                                         kPasoMes);
        else
            b.disposicion.pDisponer(fuente, salida, d.iTamanoLetra);
    }
}

// The updated amounts use the FACTOR stored in each month's row, so
// Tiene_Factor changes nothing here.
void ReporteAnexos(const QString &xAnexos, bool, const DatosImpresion &d, Database &db, SalidaImpresion &salida)
{
    for (const TablaAnexo *tabla : fTablasAnexo(xAnexos))
        pDisponerTablaAnexo(*tabla, d, db, salida);
}
