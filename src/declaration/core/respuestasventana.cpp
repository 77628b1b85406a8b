#include "respuestasventana.h"
#include <QRegularExpression>

int ctl381::casillaDe(const QString &control)
{
    static const QRegularExpression re(QStringLiteral("^TxtValor\\((\\d+)\\)$"));
    const auto m = re.match(control);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

void EstadoVentana::mostrarPagina(int p)
{
    pagina = p;
    if (alMostrarPagina)
        alMostrarPagina(p);
}

void EstadoVentana::mostrarFrames(bool b1, bool b2, bool b4, bool b5)
{
    frame[1] = b1;
    frame[2] = b2;
    frame[4] = b4;
    frame[5] = b5;
}
