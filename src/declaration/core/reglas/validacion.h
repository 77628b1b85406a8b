#pragma once
// "&Validar Decla." and "&Salir" of the declaration window, free of widgets.
//
// The validation runs the reporting rules, warns about the amount paid,
// checks the taxpayer and the cheque, shows the inconsistency list and then
// stores ACTA, CAB (with its final state 0 or 9) and DET in one transaction:
// a validation that stops before its end has written nothing.
#include "declaration/core/persistencia/grabacion.h"

// The validation. True when the declaration was stored with its state; false
// when it stopped (stop rule, taxpayer, cheque, database error).
bool CmdValidar_Click(VentanaDeclaracion &v, Database &db);

// The cancel. True when the window is to close: unchanged (or answered No),
// or stored by the validation it asked for. A validation that stopped keeps
// the window open, so the edits the user asked to keep are not lost.
bool cmdCancelar_Click(VentanaDeclaracion &v, Database &db);
