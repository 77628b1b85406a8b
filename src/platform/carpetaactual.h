#pragma once
// The program's current folder, changed to the system folder at start-up.
#include <QString>

namespace carpetaactual {

// Makes folder the current folder; false when it cannot (nothing changed).
// $QX_WINDIR and $QX_PRINTER_PDF name the user's folders relative to the
// folder the program was started in: a relative one is first made absolute,
// in the environment itself, which the settings lookup and the printer
// library (opened later) read.
bool cambiar(const QString &folder);

} // namespace carpetaactual
