#pragma once
// Amount texts of the boxes: the form typed while a box has the focus, the
// form shown once it is left, and the reading of a box as an amount.
#include <QString>
#include <optional>

class ModeloCasillas;

namespace FormatoImporte {

inline const QString Entrada  = QStringLiteral("###########0");         // while focused
inline const QString Pantalla = QStringLiteral("###,###,###,##0");      // once left
inline const QString Restada  = QStringLiteral("(###,###,###,##0)");    // subtracted boxes
inline const QString ConSigno = QStringLiteral("###,###,###,##0;(###,###,###,##0)");
inline const QString Codigo   = QStringLiteral("########");

// Signed value of an amount text: commas read as thousands, parentheses as
// minus, rounded to a whole number; empty is 0.
double fImporte(const QString &texto);
// Its absolute value.
double fImporteAbs(const QString &texto);

// What a box becomes on entering or leaving it: its new MaxLength and text.
struct Cambio {
    int maxLength;
    QString texto;
};
// Leaving a box: the entry window formats a subtracted box's text; the
// viewer of a sent declaration takes the number at the start of the raw text
// (Val) and gives the code boxes 8 characters.
struct Salida {
    bool restaPorVal = false;
    int largoCodigo = 11;

    static Salida declaracion() { return {}; }
    static Salida enviada() { return {true, 8}; }
};

// nullopt: the box is left untouched (locked, or a free-text box left).
std::optional<Cambio> fAlEntrar(int n, const QString &texto, bool habilitada, bool bloqueada);
std::optional<Cambio> fAlSalir(int n, const QString &texto, bool habilitada, bool bloqueada,
                               const Salida &s = Salida::declaracion());

// Applies them to a box of the store: MaxLength first, then the text.
void pAlEntrar(ModeloCasillas &m, int n);
void pAlSalir(ModeloCasillas &m, int n, const Salida &s = Salida::declaracion());

} // namespace FormatoImporte
