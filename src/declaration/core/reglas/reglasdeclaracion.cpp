#include "declaration/core/reglas/reglasdeclaracion.h"
#include "declaration/core/respuestas/respuestasayuda.h"
#include "declaration/core/respuestas/respuestasfecha.h"
#include "declaration/core/respuestas/respuestaspestanas.h"

ReglasDeclaracion::ReglasDeclaracion(ModeloCasillas &m, QObject *parent)
    : QObject(parent), modelo(m), respuestas(m, ventana), cabecera(m, ventana), reglas(m, ventana, cabecera)
{
}

void ReglasDeclaracion::vincularCalculos(CalculosDeclaracion &c)
{
    respuestas.calculos = CalculosRespuestas::de(c);
    reglas.servicios.ValidarMax124 = [&c] { return c.ValidarMax124(); };
    reglas.servicios.ValidarMax132 = [&c] { return c.ValidarMax132(); };
}

void ReglasDeclaracion::tomarVariables(VentanaDeclaracion &v)
{
    ventana.iAccion = v.iAccion();
    ventana.sRuc = v.sRuc();
    ventana.sPuedeRegistrar = v.sPuedeRegistrar();
    const QString titulo = v.caption();
    if (!titulo.isEmpty())
        ventana.titulo = titulo;
    ventana.pagina = v.paginaActual();
}

void ReglasDeclaracion::SSTab1_Click(int pagina)
{
    respuestas::SSTab1_Click(modelo, ventana, cabecera, pagina);
}

void ReglasDeclaracion::MkePeriodo_LostFocus()
{
    respuestas::MkePeriodo_LostFocus(modelo, ventana, cabecera);
}

bool ReglasDeclaracion::MkePeriodo_KeyPress(int keyAscii)
{
    return respuestas::MkePeriodo_KeyPress(modelo, keyAscii);
}

void ReglasDeclaracion::pAyudaFondo() { respuestas::pAyudaFondo(ventana); }

bool ReglasDeclaracion::ValidaDeclaracion(VentanaDeclaracion &v)
{
    tomarVariables(v);
    // Frame 5 is shown only when a stop rule asks for it.
    const bool marco5 = ventana.frame[5];
    ventana.frame[5] = false;
    ventana.alMostrarPagina = [this, &v](int p) {
        if (ventana.frame[5])
            v.pMostrarFrame(5);
        v.pMostrarPagina(p);
    };
    ventana.foco.clear();
    const bool ok = reglas.ValidaDeclaracion();
    ventana.alMostrarPagina = nullptr;
    if (!ventana.frame[5])
        ventana.frame[5] = marco5;
    const QString foco = ventana.tomarFoco();
    if (!foco.isEmpty())
        v.pEnfocar(foco);
    return ok;
}

bool ReglasDeclaracion::DeclaracionCompleta(VentanaDeclaracion &v)
{
    tomarVariables(v);
    return reglas.DeclaracionCompleta();
}
