#pragma once
// The print-script file's line format: what one command writes into the
// script (the engine in print mode; the layout tests compare these lines).
#include <QStringList>
#include <QVariant>
#include <QVariantList>

// The lines of one command, without line ends: three for "Cabecera", one for
// "pPos", "pPosVerti", "pCuadro" and "pNuevaHoja", none for "Fin" or a name
// that is none of the six (names compared exactly). Elements are written as
// the caller gave them (vb::CStr) but for the host's markers and control
// characters (common/campoguion.h: "|" as "¦", "<!" as "‹!", CR, LF and tab
// as blanks), the bold one as TRUE/False (pPos) or true/false (pPosVerti). A
// command with fewer elements than its kind needs raises ErrorEjecucion 9.
QStringList fLineasGuion(const QVariantList &sComando);

// A position, size or page element as a 16-bit whole number: a number, a
// numeric text or a Boolean (True is -1), halves rounded to even; beyond
// -32768..32767 raises ErrorEjecucion 6, a text that is no number 13.
int fEntero16(const QVariant &v);

// The bold element as a Boolean: any non-zero number is true; the texts
// "True"/"False" or a number as text are read as the runtime does; any other
// text raises ErrorEjecucion 13.
bool fNegritaGuion(const QVariant &v);
