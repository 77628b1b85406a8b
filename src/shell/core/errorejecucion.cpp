#include "shell/core/errorejecucion.h"
#include "platform/vbruntime.h"

namespace errores {
ErrorEjecucion desbordamiento() { return ErrorEjecucion(Desbordamiento, QStringLiteral("Desbordamiento")); }
ErrorEjecucion subindiceFuera() { return ErrorEjecucion(SubindiceFuera, QStringLiteral("El subíndice está fuera del intervalo")); }
ErrorEjecucion tiposNoCoinciden() { return ErrorEjecucion(TiposNoCoinciden, QStringLiteral("No coinciden los tipos")); }
ErrorEjecucion elementoInexistente()
{
    return ErrorEjecucion(ElementoInexistente, QStringLiteral("El elemento de la matriz de controles no existe"));
}
}

QString fTextoError(int numero, const QString &descripcion)
{
    return descripcion + QChar(10) + vb::Str(numero);
}
