#pragma once
// The cause of a failed file operation in Spanish, for the messages that
// name the file ("... 'RPT/00000042.PRN' (no hay espacio en el disco).").
#include <QString>

QString sysCause(int errnum);
