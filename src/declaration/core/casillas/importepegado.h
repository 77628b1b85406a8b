#pragma once
// A pasted text read as an amount, for the declaration boxes and the annex
// calculators' cells alike. Typing filters key by key; a paste is read whole,
// so that its decimal point, separators and sign do not turn into other
// digits: a text that is no plain amount is refused, not filtered.
#include <QString>
#include <optional>

namespace ImportePegado {

// What a place does with a negative amount: refuses it, or takes its
// absolute value (a subtracted box, which shows what it holds in parentheses).
enum class Negativo { Rechazado, Absoluto };

// The digits a paste puts in place of the selection, or nullopt when the
// text is refused. Read: blanks and line ends around it; digits, or digits
// grouped in threes by ","; a "." decimal part, rounded half away from zero
// to a whole amount; a leading "-" or enclosing parentheses for a negative
// amount. Plain digits come back as they are, as typing them would leave them.
std::optional<QString> fEntrada(const QString &pegado, Negativo negativo);

} // namespace ImportePegado
