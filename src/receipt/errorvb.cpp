#include "receipt/errorvb.h"

namespace errvb {

QString descripcion(int numero)
{
    switch (numero) {
    case ArgumentoNoValido:   return QStringLiteral("Llamada a procedimiento o argumento no válidos");
    case Desbordamiento:      return QStringLiteral("Desbordamiento");
    case TiposNoCoinciden:    return QStringLiteral("No coinciden los tipos");
    case ErrorCargarBiblioteca: return QStringLiteral("Error al cargar la biblioteca DLL");
    case ArchivoNoEncontrado: return QStringLiteral("No se encontró el archivo");
    case ErrorEntradaSalida:  return QStringLiteral("Error de E/S en el dispositivo");
    case DiscoLleno:          return QStringLiteral("Disco lleno");
    case AccesoRuta:          return QStringLiteral("Error de acceso a la ruta o el archivo");
    case RutaNoEncontrada:    return QStringLiteral("No se encontró la ruta de acceso");
    case SinImpresora:        return QStringLiteral("No hay ninguna impresora instalada");
    default:                  return QStringLiteral("Error definido por la aplicación o por el objeto");
    }
}

void lanzar(int numero)
{
    throw ErrorVB(numero, descripcion(numero));
}

} // namespace errvb
