#pragma once
// The program-wide state of Qx381, set at start-up and read everywhere.
#include "platform/database.h"
#include "platform/utilitario.h"
#include <memory>

extern std::shared_ptr<Database> gdbBase;
extern QString gsSysPath;
extern QString gsBaseDatos;
extern QString gsRutaRpt;
extern QString gsUsuario;
extern QString gsPeriodo;       // "1998"
extern QString gsFormulario;    // "0951"
extern QString gsSql;
extern cUtilitario *goUtilitario;
extern int giModoEnviada;       // 1 register, 3 delete
extern QString gsCorrel;
extern int giSinContribuyente;
extern int giHayInconsistencias;
extern int giEstadoGrabacion;
extern QString gsMensaje;
extern QString gsAceptaInconsistencias;
extern QString gsArchivoMensajes;
extern QString gsTasa;
extern int giCargandoForm;
