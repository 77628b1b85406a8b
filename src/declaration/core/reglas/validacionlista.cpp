#include "declaration/core/reglas/validacionlista.h"
#include "platform/textfile.h"
#include "platform/vbruntime.h"
#include <QFile>

QString fTextoMensajes(const QString &ruta)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return textfile::fromCp1252(f.readAll());
}

namespace {

OrdenImpresion fTexto(int x, int y, const QString &t, bool negrita)
{
    OrdenImpresion o;
    o.x = x;
    o.y = y;
    o.texto = t;
    o.negrita = negrita;
    return o;
}

void pCabecera(QList<OrdenImpresion> &l, const QDateTime &ahora)
{
    l << fTexto(400, 300, vb::FormatDate(ahora.date(), QStringLiteral("dd/mm/yyyy")), true)
      << fTexto(4500, 300, QStringLiteral("INCONSISTENCIAS DETECTADAS "), true)
      << fTexto(400, 570, ahora.time().toString(QStringLiteral("HH:mm:ss")), true)
      << fTexto(3500, 570, QStringLiteral("DECLARACION PAGO ANUAL IMPUESTO A LA RENTA 3RA. CAT. 1998"), true);
}

void pCuadro(QList<OrdenImpresion> &l, int abajo)
{
    OrdenImpresion o;
    o.tipo = OrdenImpresion::Cuadro;
    o.x = 300;
    o.y = 720;
    o.x2 = 10000;
    o.y2 = abajo;
    l << o;
}

} // namespace

QList<OrdenImpresion> fHojasInconsistencias(const QStringList &lineas, const QDateTime &ahora)
{
    QList<OrdenImpresion> l;
    const int total = lineas.size();
    pCabecera(l, ahora);
    int enHoja = 0;
    for (int k = 1; k <= total; ++k) {
        // A page is full after 40 lines; the next line opens a new one with
        // its own header, and the full page gets its frame.
        if (enHoja == kLineasPorHoja) {
            pCuadro(l, 1000 + 270 * enHoja);
            OrdenImpresion salto;
            salto.tipo = OrdenImpresion::NuevaPagina;
            l << salto;
            pCabecera(l, ahora);
            enHoja = 0;
        }
        l << fTexto(400, 1000 + 270 * enHoja, vb::Str(k) + QStringLiteral(". ") + lineas.at(k - 1), false);
        ++enHoja;
    }
    l << fTexto(500, 1000 + 270 * enHoja, QStringLiteral(" Inconsistencias Detectadas : ") + vb::Str(total), false);
    pCuadro(l, 1270 + 270 * enHoja);
    return l;
}
