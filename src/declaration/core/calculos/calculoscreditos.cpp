// Credits below the tax in the three chains (IEAN with annex, IEAN without
// annex, no IEAN), the balance 138/139, subtotal M and the final balance 146.
#include "declaration/core/calculos/calculos.h"
#include "declaration/core/calculos/calculosimporte.h"
#include <cmath>

using namespace importe;

void CalculosDeclaracion::Calcular506()
{
    if (optIeanSi() && optAnexoSi()) {
        poner(506, QString());
        return;
    }
    if (vacia(113) && vacia(114)) {
        poner(506, QString());
        return;
    }
    const double x = v(113) - a(114);
    poner(506, x > 0 ? conSigno(x) : QStringLiteral("0"));
}

void CalculosDeclaracion::Calcular116y507()
{
    if ((optIeanSi() && optAnexoSi()) || (vacia(506) && vacia(115))) {
        poner(116, QString());
        poner(507, QString());
        return;
    }
    const double x = v(506) - a(115);
    if (x >= 0) {
        poner(116, QStringLiteral("0"));
        poner(507, pantalla(x));
    } else {
        poner(116, conSigno(x));
        poner(507, QStringLiteral("0"));
    }
}

void CalculosDeclaracion::Calcular119y509()
{
    if (!(optIeanSi() && optAnexoNo()))
        return;
    if (vacia(117) && vacia(507)) {
        poner(119, QString());
        poner(509, QString());
        return;
    }
    const double x = a(507) - a(117);
    if (x > 0) {
        poner(119, ceroParentesis());
        poner(509, pantalla(x));
    } else {
        poner(119, parentesis(-x));
        poner(509, QStringLiteral("0"));
    }
}

void CalculosDeclaracion::Calcular508()
{
    if ((optIeanSi() && optAnexoNo()) || (vacia(113) && vacia(120))) {
        poner(508, QString());
        return;
    }
    const double x = v(113) - a(120);
    poner(508, x > 0 ? conSigno(x) : QStringLiteral("0"));
}

void CalculosDeclaracion::Calcular509()
{
    if (!(optIeanSi() && optAnexoSi()))
        return;
    if (vacia(122) && vacia(508)) {
        poner(509, QString());
        return;
    }
    const double x = a(508) - a(122);
    poner(509, x > 0 ? pantalla(x) : QStringLiteral("0"));
}

void CalculosDeclaracion::Calcular510()
{
    if (vacia(509) && vacia(123) && vacia(124) && vacia(125)) {
        poner(510, QString());
        return;
    }
    const double x = a(509) - a(123) - a(124) - a(125);
    poner(510, x >= 0 ? conSigno(x) : QStringLiteral("0"));
}

void CalculosDeclaracion::Calcular511()
{
    if (optIeanNo()) {
        if (vacia(113) && vacia(130)) {
            poner(511, QString());
            return;
        }
        const double x = v(113) - a(130);
        poner(511, x > 0 ? conSigno(x) : QStringLiteral("0"));
    } else if (optIeanSi()) {
        poner(511, QString());
    }
}

void CalculosDeclaracion::Calcular512()
{
    if (vacia(511) && vacia(131)) {
        poner(512, QString());
        return;
    }
    poner(512, conSigno(v(511) - a(131)));
}

void CalculosDeclaracion::Calcular513()
{
    if (vacia(512) && vacia(132)) {
        poner(513, QString());
        return;
    }
    if (v(512) <= 0) {
        poner(513, m.texto(512));
        return;
    }
    const double x = v(512) - a(132);
    poner(513, x > 0 ? conSigno(x) : QStringLiteral("0"));
}

void CalculosDeclaracion::Calcular514_138y139()
{
    static const int saldos[] = {140, 141, 144};
    const bool habilitar = m_ctx.habilitarCasillas;
    if (habilitar) {
        // Box 140 only takes an amount while the update factors apply.
        if (v(332) > 0 || a(333) != 0) {
            estado(140, true, Color::Blanco);
        } else {
            m.setColor(140, Color::Gris);
            m.setHabilitada(140, false);
            poner(140, QString());
        }
    }

    // The credits show in parentheses, so they read negative and the sum is
    // the subtotal less the credits.
    bool cadena = true;
    double s = 0;
    if (ieanNo())
        s = v(513) + v(133) + v(134);
    else if (ieanSi())
        s = v(510) + v(127) + v(128) + v(129);
    else
        cadena = false;

    QString aM;
    if (cadena) {
        if (s >= 0) {
            poner(138, QStringLiteral("0"));
            poner(139, pantalla(std::abs(s)));
            aM = m.texto(139);
            if (habilitar) {
                for (int n : saldos)
                    m.setHabilitada(n, true);
                for (int n : saldos)
                    m.setColor(n, Color::Blanco);
            }
        } else {
            poner(138, parentesis(std::abs(s)));
            poner(139, QStringLiteral("0"));
            aM = QStringLiteral("0");
            if (habilitar) {
                for (int n : saldos)
                    m.setHabilitada(n, false);
                for (int n : saldos)
                    poner(n, QString());
                for (int n : saldos)
                    m.setColor(n, Color::Gris);
            } else {
                // The viewer leaves 144 alone.
                poner(140, QString());
                poner(141, QString());
            }
        }
    }
    // 140 and 141 as they stand now, after the emptying above.
    poner(514, conSigno(leer(aM) + v(140) + v(141)));
}

void CalculosDeclaracion::Calcular146()
{
    poner(146, conSigno(v(514) - (a(144) + a(145))));
}
