#pragma once
// Every window of Qx381 plugged into the shell (registroventanas.h), as the
// program does before it builds its main window. Whole-program tests call
// the same list.
void pRegistrarVentanas();
