#include "declaration/core/respuestas/respuestasayuda.h"

void respuestas::pAyudaFondo(EstadoVentana &v, const QString &linea)
{
    v.colorAyuda = 0;
    v.ayuda = linea;
    v.ayuda1.clear();
}
