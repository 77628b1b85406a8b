#pragma once
// Stand-in for the host utility component.
#include <QString>

// A non-empty text of the digits 0 to 9 only (no sign, blank or other digit).
bool fSoloDigitos(const QString &s);

class cUtilitario {
public:
    // Eleven digits whose last is the check digit of the first ten under the
    // weights 5,4,3,2,7,6,5,4,3,2 (11 - sum mod 11; 10 gives 0, 11 gives 1).
    bool ValidaRuc(const QString &ruc) const;
    // A non-empty text of digits.
    bool ValidaNumDoc(const QString &numero, int &salida1, int &salida2) const;
    // As ValidaRuc.
    bool ValidaNumDocMarcado(const QString &numero, int &salida1, int &salida2) const;
    // Blanks on the left up to the width; a longer text comes back unchanged.
    QString fRellenarTexto(const QString &texto, int ancho) const;
    // Blanks on the right up to the width; a longer text comes back unchanged.
    QString fCompletarTexto(const QString &texto, int ancho) const;
};
