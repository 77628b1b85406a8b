#include "layout/core/fuentedeclaracion.h"
#include "layout/core/paginas.h"
#include "layout/core/tablashojas.h"

void pHoja2(const DatosImpresion &d, SalidaImpresion &salida)
{
    const FuenteDeclaracion fuente(d);
    const int t = d.iTamanoLetra;
    tablaDeuda().pDisponer(fuente, salida, t);
    // The payment mark by the payment form: a cheque also prints its number
    // and bank; no stored form prints no mark.
    const QString forma = d.esp(987);
    if (forma == QLatin1String("C"))
        tablaMarcaCheque().pDisponer(fuente, salida, t);
    else if (forma == QLatin1String("E"))
        tablaMarcaEfectivo().pDisponer(fuente, salida, t);
    tablaCheque().pDisponer(fuente, salida, t);
    tablaSecciones().pDisponer(fuente, salida, t);
    // A sent declaration adds its order and control numbers and moves the
    // accountant and the representative one row down.
    if (d.bGl_recti)
        tablaEnviada().pDisponer(fuente, salida, t);
    tablaFirmantes().pDisponer(fuente, salida, t, d.bGl_recti ? 270 : 0);
}
