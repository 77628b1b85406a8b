#pragma once
// Where the page layouts hand their print-script commands: the engine
// (pImpritext) of a preview or print run, or a recorder in the tests.
#include <QVariantList>

class SalidaImpresion {
public:
    virtual ~SalidaImpresion() = default;
    // One command: element 0 its name ("Cabecera", "pPos", "pPosVerti",
    // "pCuadro", "pNuevaHoja", "Fin"), then its arguments as the caller gives
    // them (numbers as numbers, texts as texts).
    virtual void pImpritext(const QVariantList &sComando) = 0;
};
