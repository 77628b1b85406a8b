#pragma once
// Plugs the annex calculators and their read-only twins into the shell (registroventanas.h).
void pRegistrarAnexos();
