#include "calculosimporte.h"
#include "platform/vbruntime.h"

namespace importe {

double leer(const QString &texto)
{
    if (texto.isEmpty())
        return 0;
    return vb::Val(vb::Format(texto, kLectura));
}

QString pantalla(double x) { return vb::Format(x, kPantalla); }
QString conSigno(double x) { return vb::Format(x, kConSigno); }
QString parentesis(double x) { return vb::Format(x, kParentesis); }

const QString &ceroParentesis()
{
    static const QString cero = vb::Format(0.0, kParentesis);
    return cero;
}

QString digitos(double x) { return vb::Format(x, kLectura); }

} // namespace importe
