#pragma once
// A text typed or stored (a name, a cheque number, a key from the command
// line) as it goes into a file the host reads: it stays data there, it never
// ends its line nor becomes a command or a tag. Every character keeps its
// place, so fixed-pitch columns stay where they were.
#include <QString>

// Inside one line of a file: CR, LF, tab and every other control character
// become a blank.
QString fTextoEnLinea(const QString &texto);

// A field of a print-script line, which the host splits at "|" and reads
// from "<!" to "!>" as a tag: as fTextoEnLinea, and the markers become their
// look-alikes, "|" the broken bar "¦" and the "<" of "<!" the angle "‹".
QString fCampoGuion(const QString &texto);
