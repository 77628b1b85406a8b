#pragma once
// How Qx381 shows its message boxes.
//
// Test hook: when the environment variable QX_MSGBOX_LOG names a file, no box
// is shown; each message is appended to that file as one line
// "style|title|text" (UTF-8, line feeds inside the text written as "\n") and
// answered with the style's default button. Whole-program tests read it.
//
// Otherwise a QMessageBox when a QApplication exists, else standard error.
#include <QString>

void pInstalarMensajes(bool hayAplicacion);

// The line the test hook writes for one message.
QString fLineaMensaje(const QString &text, int style, const QString &title);
