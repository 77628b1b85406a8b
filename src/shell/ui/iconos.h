#pragma once
// The toolbar images and the about box picture, drawn here so that the
// program carries no image files.
#include <QIcon>
#include <QPixmap>

namespace iconos {
QIcon nueva();
QIcon modificar();
QIcon eliminar();
QIcon imprimir();
QIcon salir();
QIcon numOrden();
QIcon ayuda();
QPixmap logotipo(int lado);
}
