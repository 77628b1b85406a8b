#pragma once
// Whether a QApplication can be made: Qt's X11 platform gives up for good
// when it cannot reach the display, so ask the display first.
bool fPuedeAbrirPantalla();
