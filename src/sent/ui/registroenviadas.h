#pragma once
// Plugs the sent-declaration chooser and viewer into the shell (registroventanas.h).
void pRegistrarEnviadas();
