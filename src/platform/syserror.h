#pragma once
// The cause of a failed file operation in Spanish, for the messages that
// name the file ("... 'RPT/00000042.PRN' (no hay espacio en el disco).").
#include <QString>

QString sysCause(int errnum);

// The legacy runtime's error number for a file operation that failed with
// errnum: 61 disk full (no room left on the disk or for the file), 75 path
// or file access, 76 path not found, 57 input/output otherwise.
int vbFileError(int errnum);
