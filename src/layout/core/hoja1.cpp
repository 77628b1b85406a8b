#include "layout/core/fuentedeclaracion.h"
#include "layout/core/paginas.h"
#include "layout/core/tablashojas.h"

void pHoja1(const DatosImpresion &d, SalidaImpresion &salida)
{
    // The only script header of the run: two pages, even with annex pages.
    salida.pImpritext({QStringLiteral("Cabecera"), 2});
    const FuenteDeclaracion fuente(d);
    tablaEstadosFinancieros().pDisponer(fuente, salida, d.iTamanoLetra);
    tablaDeterminacion().pDisponer(fuente, salida, d.iTamanoLetra);
    // The credit block by the IEAN answer, compared exactly; any other
    // answer (none stored, for one) leaves the block out.
    if (d.sIEAN == QLatin1String("0"))
        tablaCreditosB().pDisponer(fuente, salida, d.iTamanoLetra);
    else if (d.sIEAN == QLatin1String("1"))
        tablaCreditosA().pDisponer(fuente, salida, d.iTamanoLetra);
}
