// Subtotals of the balance sheet (300-320) and of the income statement
// (321-342), and the carry of the result into the tax determination.
#include "declaration/core/calculos/calculos.h"
#include "declaration/core/calculos/calculosimporte.h"

using namespace importe;

void CalculosDeclaracion::Calcular500()
{
    if (vacia(300) && vacia(301) && vacia(302) && vacia(303)) {
        poner(500, QString());
        return;
    }
    poner(500, conSigno(v(300) + v(301) + v(302) + v(303)));
}

void CalculosDeclaracion::Calcular501()
{
    if (vacia(306) && vacia(307) && vacia(308)) {
        poner(501, QString());
        return;
    }
    poner(501, pantalla(v(306) + v(307) + v(308)));
}

void CalculosDeclaracion::Calcular502()
{
    const double x = v(306) + v(307) + v(308) + v(312) + v(313) + v(315) + v(316) - a(317)
                     + v(318) - a(320);
    poner(502, conSigno(x));
}

void CalculosDeclaracion::Calcular503()
{
    if (vacia(321) && vacia(323)) {
        poner(503, QString());
        return;
    }
    double x = v(321) - a(323);
    if (x < 0)
        x = 0;
    poner(503, pantalla(x));
}

void CalculosDeclaracion::Calcular334y504()
{
    static const int entradas[] = {321, 323, 325, 326, 327, 329, 330, 332, 333};
    bool todas = true;
    for (int n : entradas)
        todas = todas && vacia(n);
    if (todas) {
        poner(334, QString());
        poner(504, QString());
        return;
    }
    // Starts again from 321 and 323: a gross loss still lowers the result
    // although box 503 shows 0.
    const double x = v(321) - a(323) - a(325) - a(326) + v(327) + v(329) - a(330) + v(332) - a(333);
    if (x > 0) {
        poner(334, conSigno(x));
        poner(504, ceroParentesis());
    } else {
        poner(334, QStringLiteral("0"));
        poner(504, parentesis(-x));
    }
}

void CalculosDeclaracion::Calcular505y338()
{
    const double x = a(334) - a(337) - a(504);
    if (x >= 0) {
        poner(505, pantalla(x));
        poner(338, ceroParentesis());
    } else {
        poner(505, QStringLiteral("0"));
        poner(338, parentesis(-x));
    }
    // A domiciled taxpayer's result is the start of the tax determination;
    // a stored declaration being loaded keeps its own boxes 100 and 101.
    if (opcion(campos::OptDomiciliado) == QLatin1String("1") && !m.bCargando) {
        poner(100, m.texto(505));
        poner(101, m.texto(338));
    }
}

void CalculosDeclaracion::Calcular341y342()
{
    if (vacia(505)) {
        poner(341, QString());
        poner(342, QString());
        return;
    }
    const double x = a(505) - a(338) - a(340);
    if (x >= 0) {
        poner(341, pantalla(x));
        poner(342, ceroParentesis());
    } else {
        poner(341, QStringLiteral("0"));
        poner(342, parentesis(-x));
    }
}
