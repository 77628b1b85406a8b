#include "shell/ui/iconos.h"
#include "shell/dibujos/dibujos.h"

#include <QImage>

namespace iconos {
namespace {

QPixmap previo(dibujos::Id id)
{
    const PixelesPrevios &p = gPixelesPrevios[id];
    // fromImage copies the pixels, which stay where the program keeps them.
    return QPixmap::fromImage(QImage(reinterpret_cast<const uchar *>(p.datos), p.ancho, p.alto, p.ancho * 4,
                                     QImage::Format_ARGB32_Premultiplied));
}

QIcon icono(dibujos::Id id)
{
    return QIcon(previo(id));
}

} // namespace

QIcon nueva() { return icono(dibujos::Nueva); }
QIcon modificar() { return icono(dibujos::Modificar); }
QIcon eliminar() { return icono(dibujos::Eliminar); }
QIcon imprimir() { return icono(dibujos::Imprimir); }
QIcon salir() { return icono(dibujos::Salir); }
QIcon numOrden() { return icono(dibujos::NumOrden); }
QIcon ayuda() { return icono(dibujos::Ayuda); }
QPixmap logotipo() { return previo(dibujos::Logotipo64); }
QPixmap fondo() { return previo(dibujos::Fondo); }

} // namespace iconos
