#include "printing/core/geometriaprevia.h"
#include <QtGlobal>

GeometriaPrevia fGeometriaPrevia(int W, int H, int T, int S, int V, int altoCliente)
{
    const int alto = qMax(0, qMin(H - (T + S + 400), altoCliente - T - S));
    return {qMax(0, W - (V + 100)), alto, qMax(0, W - (V + 200)), alto, qMax(0, W - (V + 100)), T + alto};
}

CuadrePrevia fCuadrePrevia(int paginaAncho, int paginaAlto, int vsbAlto, int fondoAncho)
{
    const int d = (fondoAncho - paginaAncho) / 2;
    return {qMax(0, paginaAlto - vsbAlto + 1000), fondoAncho <= 11000 ? 2000 : 0, d > 0 ? d : 0};
}

QString fTextoPaginas(int iHojaActual, int iTotalHojas)
{
    return QStringLiteral("%1/%2").arg(iHojaActual).arg(iTotalHojas);
}
