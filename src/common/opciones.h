#pragma once
// The keys of section "Options" of QX000.INI, read the same way by Qx381 and
// 0951REP.
#include "platform/inifile.h"
#include <QString>

// The longest value the programs take: the legacy read filled a buffer of
// 255 characters, so a longer value came back cut, naming another folder or
// file; it is refused instead.
inline constexpr int kLargoMaximoOpcion = 254;

// The value of the key as the profile read gives it (blanks around and one
// pair of quotes removed; "" when missing). A longer value than the programs
// take gives "" and sets *error to the message that says so (title
// kTituloConfiguracion, critical).
QString fLeerOpcion(const ini::ProfileFile &ini, const QString &clave, QString *error);

inline const QString kTituloConfiguracion = QStringLiteral("Error de Configuración");
