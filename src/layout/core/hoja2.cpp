#include "layout/core/paginas.h"

void pHoja2(const DatosImpresion &, SalidaImpresion &)
{
}
