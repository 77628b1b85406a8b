#pragma once
#include <QString>

// Reads QX000.INI into the shared state and makes gsSysPath the current folder.
// An empty or missing "SysPath", a folder that does not exist, or a value
// longer than the programs take (kLargoMaximoOpcion) shows a settings
// message and returns false; relative folders of the environment are read
// against the folder the program was started in (carpetaactual.h); fAbrirBase then returns false at once,
// so a caller that only checks fAbrirBase still ends the program.
bool pLeerIni();
// Writes "SystemDB", opens gdbBase. On failure shows the connection message;
// returns false and the caller ends the program with a non-zero status.
bool fAbrirBase();
