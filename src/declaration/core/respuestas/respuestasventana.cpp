#include "declaration/core/respuestas/respuestasventana.h"
#include "declaration/core/respuestas/respuestaspestanas.h"
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
    // A page brought forward by a check or a rule shows its content and is
    // the page entered, as a click on its tab leaves it; its entry checks
    // (the header of page 0) are not run again. Page 0 leaves the frames of
    // the data pages as they are: a faulty header keeps those empty.
    if (p >= 1 && p <= 5)
        mostrarFrames(true, true, true, true);
    if (p >= 0 && p <= 5) {
        iPestana = p;
        helpContext = respuestas::contextoAyuda(p);
    }
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
