#include "layout/core/paginas.h"

void pHoja1(const DatosImpresion &, SalidaImpresion &salida)
{
    // Only the script header until page 1 is laid out.
    salida.pImpritext({QStringLiteral("Cabecera"), 2});
}
