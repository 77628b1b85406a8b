#include "declaration/core/respuestas/respuestaspestanas.h"

int respuestas::contextoAyuda(int pagina)
{
    static const int contextos[] = {300, 400, 500, 600, 700, 0};
    return pagina >= 0 && pagina <= 5 ? contextos[pagina] : 0;
}

const respuestas::TablaPestanas &respuestas::tablaPestanasDeclaracion()
{
    using F = FocoPagina;
    static const TablaPestanas t{{
        {false, true, F::Control, ctl381::TxtTelefono, 0},
        {true, true, F::Casilla, QString(), 300},
        {true, true, F::Casilla, QString(), 103},
        {true, true, F::Creditos, QString(), 0},
        {true, true, F::Deuda, QString(), 0},
        {true, true, F::Control, ctl381::TxtNombreA, 0},
    }};
    return t;
}

const respuestas::TablaPestanas &respuestas::tablaPestanasEnviada()
{
    using F = FocoPagina;
    static const TablaPestanas t{{
        {false, false, F::Control, QStringLiteral("TxtNumOrdenE"), 0},
        {false, true, F::Ninguno, QString(), 0},
        {false, true, F::Ninguno, QString(), 0},
        {false, true, F::Ninguno, QString(), 0},
        {false, true, F::Ninguno, QString(), 0},
        {false, true, F::Ninguno, QString(), 0},
    }};
    return t;
}

void respuestas::SSTab1_Click(ModeloCasillas &m, EstadoVentana &v, Cabecera *cabecera, int pagina,
                              const TablaPestanas &t)
{
    v.pagina = pagina;
    if (pagina < 0 || pagina > 5)
        return;
    const FilaPestana &f = t[size_t(pagina)];

    if (f.validarCabecera) {
        v.mostrarFrames(false, false, false, false);
        // The data pages stay empty until the header is correct.
        if (cabecera && !cabecera->ValidaContForm1())
            return;
    }
    if (f.mostrarMarcos)
        v.mostrarFrames(true, true, true, true);

    switch (f.foco) {
    case FocoPagina::Ninguno:
        break;
    case FocoPagina::Control:
        v.pedirFoco(f.control);
        break;
    case FocoPagina::Casilla:
        v.pedirFoco(ctl381::caja(f.casilla));
        break;
    case FocoPagina::Creditos:
        if (v.frame[3])
            v.pedirFoco(ctl381::caja(m.habilitada(114) ? 114 : 120));
        else if (v.frame[0])
            v.pedirFoco(ctl381::caja(130));
        break;
    case FocoPagina::Deuda: {
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
    }
    v.iPestana = pagina;
    v.helpContext = contextoAyuda(pagina);
}

void respuestas::SSTab1_Click(ModeloCasillas &m, EstadoVentana &v, Cabecera &cabecera, int pagina)
{
    SSTab1_Click(m, v, &cabecera, pagina, tablaPestanasDeclaracion());
}
