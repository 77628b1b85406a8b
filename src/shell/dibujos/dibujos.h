#pragma once
// The pictures of Qx381: its toolbar images, the logo and the main window's
// background. They are drawn once, while the program is built (qxdibujos),
// and the program shows the pixels drawn then (shell/ui/iconos.h): loading a
// font engine for each bold size of their lettering, and asking the icon
// theme for a help image, cost more at start-up than the rest of the main
// window.
#include <QImage>

namespace dibujos {

enum Id {
    Nueva, Modificar, Eliminar, Imprimir, Salir, NumOrden, Ayuda,   // toolbar images, 32 pixels
    Logotipo64,   // the about box's picture
    Fondo,        // imgFondo: the logo at 128 pixels and the form's name
    Cuantos
};

// The picture as the program shows it (ARGB32, premultiplied).
QImage dibujar(Id id);

} // namespace dibujos

// The pixels of every picture as qxdibujos drew them, by Id (the file it
// writes while the program is built).
struct PixelesPrevios {
    int ancho, alto;
    const unsigned int *datos;   // ARGB32 premultiplied, row after row
};
extern const PixelesPrevios gPixelesPrevios[dibujos::Cuantos];
