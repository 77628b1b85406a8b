// Tax base (106-111), the tax of the year (113) and the average-rate caps of
// boxes 124 and 132.
#include "declaration/core/calculos/calculos.h"
#include "declaration/core/calculos/calculosimporte.h"
#include "platform/vbruntime.h"
#include "shell/core/modglobal.h"
#include <cmath>

using namespace importe;

void CalculosDeclaracion::Calcular106y107()
{
    if (vacia(100) && vacia(103) && vacia(101) && vacia(105)) {
        poner(106, QString());
        poner(107, QString());
        return;
    }
    const double x = v(100) + v(103) - (a(105) + a(101));
    if (x < 0) {
        poner(106, QStringLiteral("0"));
        poner(107, parentesis(-x));
    } else {
        poner(106, conSigno(x));
        poner(107, ceroParentesis());
    }
}

void CalculosDeclaracion::Calcular110y111SinImpuesto()
{
    if (vacia(106) && vacia(108)) {
        poner(110, QString());
    } else {
        // A negative taxable income is shown as 0; writing the net result at
        // once spares the box a passing negative text.
        const double x = v(106) - a(108);
        poner(110, x < 0 ? QStringLiteral("0") : pantalla(x));
    }
    Calcular111();
}

void CalculosDeclaracion::Calcular110y111()
{
    Calcular110y111SinImpuesto();
    Calcular113();
}

void CalculosDeclaracion::Calcular111()
{
    if (vacia(106) && vacia(107) && vacia(108)) {
        poner(111, QString());
        return;
    }
    const double y = v(106) - a(107) - a(108);
    poner(111, y < 0 ? parentesis(-y) : ceroParentesis());
}

void CalculosDeclaracion::Calcular113()
{
    const auto si = [this](const QString &opt, const QString &guardada) {
        return opcion(opt) == QLatin1String("1") || opcion(guardada) == QLatin1String("1");
    };
    const bool habilitar = m_ctx.habilitarCasillas;
    double t = 0;
    if (si(campos::OptTipoCont, campos::sExonerado)) {
        t = 0;
    } else if (si(campos::OptConvEstab, campos::sConvenio)) {
        // The agreed tax is typed by the user.
        if (habilitar) {
            m.setHabilitada(113, true);
            m.setBloqueada(113, false);
            m.setColor(113, Color::Blanco);
        }
        return;
    } else if (si(campos::OptAgraria, campos::sAgraria)) {
        gsTasa = QStringLiteral("15");
        t = v(110) * 0.15;
    } else {
        gsTasa = QStringLiteral("30");
        t = v(110) * 0.3;
    }
    if (habilitar) {
        m.setHabilitada(113, true);
        m.setBloqueada(113, true);
        m.setColor(113, Color::Gris);
    }
    poner(113, v(111) < 0 ? QStringLiteral("0") : pantalla(t));
}

double CalculosDeclaracion::tope() const
{
    const double d = a(108) + a(110);
    if (d == 0)
        return 0;
    return vb::Int(a(110) * 0.1 * (a(113) / d));
}

bool CalculosDeclaracion::excedeTope(int casilla, double t) const
{
    return (m_ctx.topeConSigno ? v(casilla) : a(casilla)) > t;
}

void CalculosDeclaracion::calcularMax(int casilla, bool aplica)
{
    if (!aplica) {
        poner(casilla, QString());
        return;
    }
    const double t = tope();
    if (!excedeTope(casilla, t))
        return;
    if (m_ctx.mostrarPagina)
        m_ctx.mostrarPagina(3);
    const QString texto = casilla == 124
        ? QStringLiteral("El monto de la casilla 124 no debe ser mayor que la tasa media del Contribuyente: ")
        : QStringLiteral("El monto de la casilla 132 no debe ser mayor que la tasa media del Contribuyente: ");
    mensaje(texto + QLatin1Char('\n') + digitos(t), 16, m_ctx.tituloVentana);
    poner(casilla, digitos(t));
    if (m_ctx.enfocar)
        m_ctx.enfocar(casilla);
}

void CalculosDeclaracion::CalcularMax124() { calcularMax(124, ieanSi()); }
void CalculosDeclaracion::CalcularMax132() { calcularMax(132, ieanNo()); }

bool CalculosDeclaracion::validarMax(int casilla, bool aplica)
{
    if (!aplica) {
        poner(casilla, QString());
        return true;
    }
    const double t = tope();
    if (!excedeTope(casilla, t))
        return true;
    gsMensaje = (casilla == 124
        ? QStringLiteral("La cas. 124 no debe ser mayor que la tasa media del Contribuyente: ")
        : QStringLiteral("La cas. 132 no debe ser mayor que la tasa media del Contribuyente: "))
        + digitos(t);
    return false;
}

bool CalculosDeclaracion::ValidarMax124() { return validarMax(124, ieanSi()); }
bool CalculosDeclaracion::ValidarMax132() { return validarMax(132, ieanNo()); }
