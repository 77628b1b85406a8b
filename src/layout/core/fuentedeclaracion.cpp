#include "layout/core/fuentedeclaracion.h"
#include <QHash>

namespace {

using Lectura = QString (*)(const DatosImpresion &);

QString siNo(const QString &respuesta)
{
    return respuesta == QLatin1String("1") ? QStringLiteral("SI") : QStringLiteral("NO");
}

// The named values and how each is read. An answer never stored prints "NO".
const QHash<QString, Lectura> &lecturas()
{
    static const QHash<QString, Lectura> t = {
        {"sRuc", [](const DatosImpresion &d) { return d.sRuc; }},
        {"sRaSoc", [](const DatosImpresion &d) { return d.sRaSoc; }},
        {"sTelefono", [](const DatosImpresion &d) { return d.sTelefono; }},
        {"sNumeroCheque", [](const DatosImpresion &d) { return d.sNumeroCheque; }},
        {"sCodigoBanco", [](const DatosImpresion &d) { return d.sCodigoBanco; }},
        {"sNOrdenR", [](const DatosImpresion &d) { return d.sNOrdenR; }},
        {"sControl", [](const DatosImpresion &d) { return d.sControl; }},
        {"sNombreContador", [](const DatosImpresion &d) { return d.sNombreContador; }},
        {"sNombreRepresentante", [](const DatosImpresion &d) { return d.sNombreRepresentante; }},
        // Both words of a pair are as long, so the column keeps its width.
        {"exonerado", [](const DatosImpresion &d) {
             return d.sExonerado == QLatin1String("1") ? QStringLiteral("   EXONERADO")
                                                       : QStringLiteral("NO EXONERADO");
         }},
        {"agraria", [](const DatosImpresion &d) { return siNo(d.sAgraria); }},
        {"iean", [](const DatosImpresion &d) { return siNo(d.sIEAN); }},
        {"anexo", [](const DatosImpresion &d) { return siNo(d.sAnexo); }},
        {"convenio", [](const DatosImpresion &d) { return siNo(d.sConvenio); }},
        // A stored order number of the rectified declaration is the answer.
        {"rectifica", [](const DatosImpresion &d) {
             return d.sNumOrdenRectificada.isEmpty() ? QStringLiteral("NO") : QStringLiteral("SI");
         }},
        {"domiciliado", [](const DatosImpresion &d) {
             return d.sDomiciliado == QLatin1String("1") ? QStringLiteral("  Domiciliado")
                                                         : QStringLiteral("NO DOMICILIADO");
         }},
    };
    return t;
}

} // namespace

QString FuenteDeclaracion::casilla(int n) const
{
    return m_d.casilla(n);
}

QString FuenteDeclaracion::valor(const QString &clave, int) const
{
    const Lectura l = lecturas().value(clave);
    return l ? l(m_d) : QString();
}
