#pragma once
#include <QString>

// Reads QX000.INI into the shared state and makes gsSysPath the current folder.
void pLeerIni();
// Writes "SystemDB", opens gdbBase. On failure shows the connection message;
// returns false and the caller ends the program with a non-zero status.
bool fAbrirBase();
