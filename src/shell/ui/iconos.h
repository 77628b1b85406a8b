#pragma once
// The toolbar images, the about box picture and the main window's
// background. They are drawn while the program is built (shell/dibujos), so
// the program carries no image files and draws no lettering at start-up.
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
QPixmap logotipo();   // 64 pixels
QPixmap fondo();      // 360 x 200
}
