#include "declaration/core/respuestas/respuestasfecha.h"
#include "declaration/core/respuestas/respuestas.h"
#include "platform/msgbox.h"
#include "platform/vbruntime.h"

void respuestas::MkePeriodo_LostFocus(ModeloCasillas &m, EstadoVentana &v, const Cabecera &cabecera)
{
    const QString texto = cabecera::textoFecha(m);
    if (texto.contains(QLatin1Char('_'))) {
        bool refusada;
        if (elegida(m, OptAgraria, 1))
            refusada = !vb::IsDate(texto) || !cabecera.ValidaPeriodo();
        else
            refusada = texto != ctl381::MascaraVacia && !vb::IsDate(texto);
        if (refusada) {
            v.mostrarPagina(0);
            msg::MsgBox(MsgFechaNoValida, 16, v.titulo);
            v.pedirFoco(ctl381::MkePeriodo);
            return;
        }
    }
    m.bModificado = true;
}

bool respuestas::MkePeriodo_KeyPress(ModeloCasillas &m, int keyAscii)
{
    m.bModificado = true;
    return keyAscii == 13;
}
