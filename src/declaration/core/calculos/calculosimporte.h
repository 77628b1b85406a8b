#pragma once
// Amount texts of the boxes: how a calculation reads a box and the three forms
// it writes. Every box calculation goes through these, so a rounding or format
// rule lives in one place.
#include <QString>

namespace importe {

inline const QString kLectura = QStringLiteral("###########0");
inline const QString kPantalla = QStringLiteral("###,###,###,##0");
inline const QString kConSigno = QStringLiteral("###,###,###,##0;(###,###,###,##0)");
inline const QString kParentesis = QStringLiteral("(###,###,###,##0)");

// Numeric value of a box text formatted "###########0": commas accepted,
// parentheses negative, halves rounded away from zero, empty text 0, a text
// that is not a number keeps its leading number.
double leer(const QString &texto);

// Display form "###,###,###,##0" (a negative value keeps its minus sign).
QString pantalla(double x);
// Signed form: a negative value in parentheses.
QString conSigno(double x);
// Parentheses form; callers pass the absolute value, a negative one shows "-(n)".
QString parentesis(double x);
// "(0)", the zero of the negative side of a pair.
const QString &ceroParentesis();
// Plain whole number, no separators (the caps' message and box text).
QString digitos(double x);

} // namespace importe
