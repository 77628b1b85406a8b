// The program-wide state of Qx381 (see modglobal.h); set at start-up.
#include "shell/core/modglobal.h"

std::shared_ptr<Database> gdbBase;
QString gsSysPath;
QString gsBaseDatos;
QString gsRutaRpt;
QString gsUsuario;
QString gsPeriodo;
QString gsFormulario;
QString gsSql;
cUtilitario *goUtilitario = nullptr;
int giModoEnviada = 0;
QString gsCorrel;
int giSinContribuyente = 0;
int giHayInconsistencias = 0;
int giEstadoGrabacion = 0;
QString gsMensaje;
QString gsAceptaInconsistencias;
QString gsArchivoMensajes;
QString gsTasa;
int giCargandoForm = 0;
