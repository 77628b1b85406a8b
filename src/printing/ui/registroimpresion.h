#pragma once
// Plugs the print chooser and preview into the shell (registroventanas.h).
void pRegistrarImpresion();
