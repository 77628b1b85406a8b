#pragma once
// Opens the declaration window: 0 a new declaration, 1 a stored one whose RUC
// and name are aDatos(0) and aDatos(1).
#include <QVariantList>

// A modify call without both elements raises ErrorEjecucion (subscript out
// of range) before any window is made.
void pNuevaDeclaracion(int iAccion, const QVariantList &aDatos);

// Makes "&Nueva" of the main window open the declaration window.
void pRegistrarDeclaracion();
