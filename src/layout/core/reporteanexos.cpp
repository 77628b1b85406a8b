#include "layout/core/paginas.h"

void ReporteAnexos(const QString &, bool, const DatosImpresion &, Database &, SalidaImpresion &)
{
}
