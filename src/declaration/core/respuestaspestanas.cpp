#include "respuestaspestanas.h"

int respuestas::contextoAyuda(int pagina)
{
    static const int contextos[] = {300, 400, 500, 600, 700, 0};
    return pagina >= 0 && pagina <= 5 ? contextos[pagina] : 0;
}

void respuestas::SSTab1_Click(ModeloCasillas &m, EstadoVentana &v, Cabecera &cabecera, int pagina)
{
    v.pagina = pagina;
    if (pagina == 0) {
        v.mostrarFrames(true, true, true, true);
        v.iPestana = 0;
        v.pedirFoco(ctl381::TxtTelefono);
        v.helpContext = contextoAyuda(0);
        return;
    }
    if (pagina < 1 || pagina > 5)
        return;

    v.mostrarFrames(false, false, false, false);
    // The data pages stay empty until the header is correct.
    if (!cabecera.ValidaContForm1())
        return;
    v.mostrarFrames(true, true, true, true);

    switch (pagina) {
    case 1:
        v.pedirFoco(ctl381::caja(300));
        break;
    case 2:
        v.frame[2] = true;
        v.pedirFoco(ctl381::caja(103));
        break;
    case 3:
        if (v.frame[3])
            v.pedirFoco(ctl381::caja(m.habilitada(114) ? 114 : 120));
        else if (v.frame[0])
            v.pedirFoco(ctl381::caja(130));
        break;
    case 4: {
        int foco = 145;
        for (int n : {137, 140, 141}) {
            if (m.habilitada(n)) {
                foco = n;
                break;
            }
        }
        v.pedirFoco(ctl381::caja(foco));
        if (!m.habilitada(137))
            m.setTexto(137, QString());
        break;
    }
    case 5:
        v.pedirFoco(ctl381::TxtNombreA);
        break;
    }
    v.iPestana = pagina;
    v.helpContext = contextoAyuda(pagina);
}
