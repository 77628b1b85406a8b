#pragma once
// What a declaration is made of: the numbered boxes, their order in DET, the
// subtotal letters, the sign-split pairs, the entry class of each box, its
// colour and lock at start, the page it sits on and the text the printed
// form gives it. Tables only; the entry window and the sent-declaration
// viewer read them alike. One row a box in tablacasillas.cpp; the rest is
// read from it.
#include <QList>
#include <QString>

class ModeloCasillas;

namespace ListaCasillas {

// The 97 boxes in the order they are written to DET and emptied (aCasillas).
const QList<int> &aCasillas();
bool esCasilla(int n);

// Letter of an internal subtotal box 500-514 (503 is the digit "0"); "" for others.
QString LetraCasilla(int n);
// What a label or help text shows for a box: its letter or its number.
QString fNombreCasilla(int n);

// A signed result split in two boxes: the positive amount in the first, the
// absolute value of a negative amount, in parentheses, in the second.
struct ParSigno { int positiva; int negativa; };
const QList<ParSigno> &ParesSigno();

// How a box behaves under the user's hands.
enum class Clase {
    Importe,          // ordinary amount box
    RestaDigitada,    // subtracted, typed by the user (the four annex boxes among them)
    RestaCalculada,   // subtracted, filled by calculations (138 is treated apart on leaving)
    Tasa113,          // the rate-based tax box
    Codigo,           // RUC-like codes: digits without separators
    TextoLibre,       // registration numbers and identity document
    Respuesta137      // "1" or "2"
};
Clase fClase(int n);

// The group of boxes a box belongs to on screen; its page and frame follow.
enum class Seccion {
    Balance, Resultados,          // page 1
    Renta,                        // page 2
    CreditosIEAN, CreditosSinIEAN, // page 3, the two credit frames
    Deuda,                        // page 4
    Agrario, Ingresos, Contador, Representante  // page 5
};

// State at start: colour, lock and whether it takes the focus.
enum class Inicio {
    Abierta,        // white, typed
    Calculada,      // grey and locked: the calculations fill it
    Anexo,          // cyan: ENTER opens its calculator
    PorRespuesta,   // grey and disabled; the balance rules open it (137)
    PorLista        // white and disabled; its code comes from a list (208)
};

// How a stored value shows once loaded.
enum class Formato {
    Importe,        // "###,###,###,##0"
    Parentesis,     // the absolute value in parentheses
    ConSigno,       // signed, a negative in parentheses
    Codigo,         // digits, no separators
    Texto           // as stored
};

struct FilaCasilla {
    int numero;
    int orden;              // place in DET, from 1
    Clase clase;
    Seccion seccion;
    Inicio inicio;
    Formato carga;          // in the entry window
    Formato visor;          // in the sent-declaration viewer
    const char *descripcion; // UTF-8; the printed form's text, "" when none
};
// The 97 boxes, in the window's order (tablacasillas.cpp).
const QList<FilaCasilla> &Tabla();
const FilaCasilla *fFila(int n);

// The boxes of a group, in the window's order.
QList<int> fCasillasDe(Seccion s);
// The boxes loaded in a format, in the entry window (visor false) or the viewer.
QList<int> fCasillasConFormato(Formato f, bool visor);
bool esAnexo(int n);            // 117, 120, 128, 131: ENTER opens a calculator
bool esResta(int n);            // either subtracted class
// Boxes stored in DET exactly as typed (no amount conversion).
bool esTextoSinFormato(int n);

// State at start, before any answer or calculation touches it.
quint32 fColorInicial(int n);
bool fBloqueadaInicial(int n);   // the computed boxes

// Tab page of the window (1 to 5) and, on page 3, the credit frame:
// element 3 of Frame1 for a taxpayer subject to IEAN, element 0 otherwise.
int fPagina(int n);
int fMarco(int n);               // Frame1 element that holds the box

// The description the printed form gives the box ("" when it prints none).
QString fDescripcion(int n);

// Creates the 97 boxes in the store with their state at start.
void pInicializar(ModeloCasillas &modelo);

} // namespace ListaCasillas
