#pragma once
// Which keys the boxes and identification fields accept, and what a key in a
// box does, in the order the window handles it. Keys are character codes
// (8 backspace, 13 ENTER); 0 means the key is dropped.
#include <QString>
#include <optional>

namespace FiltroTeclas {

constexpr int Retroceso = 8;
constexpr int Enter = 13;

// Key filter of a box (after the calculator and ENTER steps): 137 takes "1",
// "2"; 211, 212 and 225 upper-case the key and take blank, letters, digits,
// "-", "." and "/"; every other box takes digits. Backspace always passes.
int fFiltroCasilla(int n, int tecla);

// Surname and name fields: upper-cased, an accented letter or "Ñ" as its
// plain letter ("É" -> "E", "Ñ" -> "N", "Ü" -> "U"); blank, "A"-"Z", "0"-"9",
// backspace.
int fFiltroNombre(int tecla);
// Telephone, order number and cheque number: "0"-"9", backspace.
int fFiltroDigitos(int tecla);
// A pasted number that takes digits only (a code box, the cheque number):
// its digits whole, blanks around them dropped; nullopt when it holds
// anything else, so nothing is read into it.
std::optional<QString> fPegadoDigitos(const QString &texto);

// Pasted text through a filter, character by character (backspace and
// refused characters dropped).
QString fFiltrarTexto(const QString &texto, int (*filtro)(int));
QString fFiltrarTextoCasilla(int n, const QString &texto);

// What a paste puts into box n in place of the selection, nullopt when it is
// refused: an amount box reads the text as an amount (ImportePegado), a
// subtracted box taking a negative one as its absolute value; a code box
// takes digits only; the free-text boxes and 137 filter the text as typing.
std::optional<QString> fPegadoCasilla(int n, const QString &texto);

// The keyboard of a window's boxes. The entry window opens a calculator with a
// digit, backspace or ENTER and filters every key by box; the viewer of a
// sent declaration opens the read-only annex windows with ENTER only and
// leaves every key as it is (its boxes are locked, the few open ones take
// what is typed).
struct Teclado {
    bool anexosEnviados = false;   // "FrmAnexo117E"... instead of the calculators
    bool abreConDigitos = true;
    bool filtrar = true;

    static Teclado declaracion() { return {}; }
    static Teclado enviada() { return {true, false, false}; }
};

// Calculator (or read-only annex window) a key opens in an annex box, by its
// window name, or "" when none applies. optIEAN and optAnexo are the answers
// "1", "0" or "".
QString fAnexoDeTecla(int n, int tecla, const QString &optIEAN, const QString &optAnexo,
                      const Teclado &t = Teclado::declaracion());

// Where ENTER in a box sends the focus: a box number, Tabular for the next
// control, or Quieto (the annex boxes and 113, whose ENTER only opens a
// calculator).
constexpr int Quieto = 0;
constexpr int Tabular = -1;
int fDestinoEnter(int n, bool habilitada113);

// A key in a box, in the window's order: 1. the calculator it opens,
// 2. where ENTER moves, 3. the key that reaches the text (0: dropped).
// The entry window marks the declaration as modified whatever the outcome.
struct AccionTecla {
    QString sAnexo;            // calculator to open, "" none
    int iDestino = Quieto;     // focus move (ENTER only)
    int tecla = 0;             // key left for the text
};
AccionTecla fTeclaCasilla(int n, int tecla, const QString &optIEAN, const QString &optAnexo,
                          bool habilitada113, const Teclado &t = Teclado::declaracion());

} // namespace FiltroTeclas
