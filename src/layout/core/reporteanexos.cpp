#include "layout/core/fuenteanexos.h"
#include "layout/core/paginas.h"
#include "shell/core/errorejecucion.h"

void pDisponerTablaAnexo(const TablaAnexo &tabla, const DatosImpresion &d, const MesesAnexo &meses,
                         SalidaImpresion &salida)
{
    // The whole table is worked out before its first command.
    const FuenteTablaAnexo fuente = fCargarAnexo(tabla.carga, meses);
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
void ReporteAnexos(const QString &xAnexos, bool, const DatosImpresion &d, SalidaImpresion &salida)
{
    const std::vector<const TablaAnexo *> tablas = fTablasAnexo(xAnexos);
    // Months read for another set would print another declaration's page.
    if (!tablas.empty() && (d.sAnexosLeidos != xAnexos || d.aMesesAnexo.size() != qsizetype(tablas.size())))
        throw errores::subindiceFuera();
    for (std::size_t i = 0; i < tablas.size(); ++i)
        pDisponerTablaAnexo(*tablas[i], d, d.aMesesAnexo.at(qsizetype(i)), salida);
}
