#pragma once
// The printed pages as data. A page (or a block of one) is a Disposicion: a
// list of items in the order the print script must receive them, read by one
// small interpreter that turns each item into one command for the engine.
// A position is changed in its table only; a box's printed place is found by
// its number (celdaDeCasilla).
//
// Item kinds (Orden), each one command:
//   Texto     "pPos"      X, Y, text, bold, size, page
//   Vertical  "pPosVerti" the same, the text written downwards
//   Cuadro    "pCuadro"   x1, y1, x2, y2, page (the outline of a rectangle)
//
// The text of Texto and Vertical comes from its source (Origen):
//   Literal   the item's own text
//   Casilla   the stored value text of a box, by number (FuenteValores::casilla)
//   Clave     a named value of the page's source, for a row index
//             (FuenteValores::valor): anything that is no box, such as the
//             bank code, an answer printed as a word, an annex month amount,
//             a table total; the source computes it
// then goes, in this order, through
//   the date conversion (fecha: "yyyymmdd" becomes "dd/mm/yyyy"),
//   the number pattern (patron, vb::Format),
//   the fill to a width (host component: fRellenarTexto on the left,
//   fCompletarTexto on the right), whose width may grow for a value whose
//   source text reads as a negative number (anchoNegativo).
// A missing or empty value prints as an empty cell filled to its width; a
// value that the date or the pattern cannot convert prints as stored.
//
// The size of an item is a literal number of points or, by default, the
// run's current size (iTamanoLetra). The page index belongs to the table.
// A run may move the whole table down (dy) and hand it a row index: repeated
// rows (the annex months) are one row table run once per index.
#include "printing/core/salidaimpresion.h"
#include <QString>
#include <vector>

enum class Orden { Texto, Vertical, Cuadro };
enum class Origen { Literal, Casilla, Clave };
enum class Relleno { Ninguno, Rellenar, Completar };

// The values a table reads. One per page family: the declaration's pages read
// a DatosImpresion (FuenteDeclaracion), the annex page its month texts.
class FuenteValores {
public:
    virtual ~FuenteValores() = default;
    // The stored text of box n; empty when the box has no value.
    virtual QString casilla(int n) const;
    // The named value clave for the row index (0 outside repeated rows);
    // empty when the source has none.
    virtual QString valor(const QString &clave, int indice) const;
};

constexpr int kTamanoActual = 0;

struct Elemento {
    Orden orden = Orden::Texto;
    int x = 0, y = 0;       // text position; a rectangle's first corner
    int x2 = 0, y2 = 0;     // a rectangle's second corner
    Origen origen = Origen::Literal;
    QString texto;          // the literal text, or the key of a Clave
    int casilla = 0;        // the box of a Casilla
    bool fecha = false;
    QString patron;         // empty: no pattern
    Relleno relleno = Relleno::Ninguno;
    int ancho = 0;
    int anchoNegativo = 0;  // 0: ancho whatever the sign
    bool bNegrita = false;
    int iTamano = kTamanoActual;

    // Modifiers, so a table row reads as one line.
    Elemento negrita() const { Elemento e = *this; e.bNegrita = true; return e; }
    Elemento tamano(int puntos) const { Elemento e = *this; e.iTamano = puntos; return e; }
    Elemento conPatron(const QString &p) const { Elemento e = *this; e.patron = p; return e; }
    Elemento comoFecha() const { Elemento e = *this; e.fecha = true; return e; }
    Elemento rellenar(int n, int nNegativo = 0) const
    {
        Elemento e = *this;
        e.relleno = Relleno::Rellenar;
        e.ancho = n;
        e.anchoNegativo = nNegativo;
        return e;
    }
    Elemento completar(int n) const
    {
        Elemento e = *this;
        e.relleno = Relleno::Completar;
        e.ancho = n;
        return e;
    }
};

// The items of a table.
Elemento texto(int x, int y, const QString &t);
Elemento vertical(int x, int y, const QString &t);
Elemento cuadro(int x1, int y1, int x2, int y2);
Elemento valorCasilla(int x, int y, int casilla);
Elemento valorClave(int x, int y, const QString &clave);

// The number printed beside a box: its three digits, or for the internal
// subtotals 500 to 514 a blank and their letter (503 prints as zero).
QString fTextoNumeroCasilla(int casilla);

struct Disposicion {
    int hoja = 0;                       // page index of every command
    std::vector<Elemento> elementos;    // in the order of the script

    Disposicion &operator<<(const Elemento &e);
    Disposicion &operator<<(const std::vector<Elemento> &v);

    // Issues every item as one command, moved down by dy, with the row index.
    void pDisponer(const FuenteValores &fuente, SalidaImpresion &salida, int iTamanoLetra,
                   int dy = 0, int indice = 0) const;
    // Runs the table once per index desde..hasta, each run paso lower.
    void pDisponerFilas(const FuenteValores &fuente, SalidaImpresion &salida, int iTamanoLetra,
                        int desde, int hasta, int paso) const;

    // The value cell of box n (the first), or nullptr when the table has none.
    const Elemento *celdaDeCasilla(int casilla) const;
    Elemento *celdaDeCasilla(int casilla);
};

// The text an item prints, after its source, date, pattern and fill.
QString fTextoElemento(const Elemento &e, const FuenteValores &fuente, int indice = 0);

// The command an item gives (a QVariantList for SalidaImpresion).
QVariantList fComandoElemento(const Elemento &e, const FuenteValores &fuente, int hoja,
                              int iTamanoLetra, int dy = 0, int indice = 0);
