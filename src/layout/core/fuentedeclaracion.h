#pragma once
// What pages 1 and 2 read: the boxes of the declaration and the named values
// that are no box (identification, payment, answers printed as words, the
// sent declaration's numbers, the two names).
#include "layout/core/datosimpresion.h"
#include "layout/core/disposicion.h"

class FuenteDeclaracion : public FuenteValores {
public:
    explicit FuenteDeclaracion(const DatosImpresion &d) : m_d(d) {}
    QString casilla(int n) const override;
    // Keys: the window variables by name ("sRuc", "sRaSoc", "sTelefono",
    // "sNumeroCheque", "sCodigoBanco", "sNOrdenR", "sControl",
    // "sNombreContador", "sNombreRepresentante") and the answers as printed
    // ("exonerado", "agraria", "iean", "anexo", "convenio", "rectifica",
    // "domiciliado"). Any other key gives the empty text.
    QString valor(const QString &clave, int indice) const override;

private:
    const DatosImpresion &m_d;
};
