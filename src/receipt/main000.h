#pragma once
// Start-up of the receipt program and the state every part of it shares.
#include "platform/database.h"
#include <QString>
#include <memory>

// Name of the program's instance lock.
inline constexpr const char *kNombrePrograma = "0951REP";

extern std::shared_ptr<Database> gdbBase;
extern QString gsSysPath;     // "SysPath", trimmed; the current folder
extern QString gsBaseDatos;   // "DBPath" & "DBName", both trimmed
extern QString gsRutaRpt;     // gsSysPath & "RPT/"
extern QString gsRutaTmp;     // gsSysPath & "TMP/"
extern QString gsUsuario;     // "SysUser" as read
extern QString gsSql;         // the query being run, as it is logged

// The six fields of the command line, cut by column (1-2, 3-17, 18-21,
// 22-27, 28, 29-36); a short text gives short or empty fields.
struct LineaComando {
    QString sTipDoc, sDocId, sFormulario, sPeriodo, sMarcaArchivo, sControl;
};
LineaComando fCortarLineaComando(const QString &texto);

// The whole argument text: the arguments joined by one blank.
QString fTextoLineaComando(int argc, char **argv);

// Reports an error the program does not handle itself and gives the exit status.
int pErrorEjecucion(int numero, const QString &descripcion);

bool AbrirBaseDatos();
void LeerIni();
int Main(int argc, char **argv);
