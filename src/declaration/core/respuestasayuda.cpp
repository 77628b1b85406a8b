#include "respuestasayuda.h"

void respuestas::pAyudaFondo(EstadoVentana &v)
{
    v.colorAyuda = 0;
    v.ayuda = AyudaGeneral;
    v.ayuda1.clear();
}
