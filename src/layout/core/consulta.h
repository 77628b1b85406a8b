#pragma once
// Loading one declaration for printing: the box values and answers
// (pConsulta) and the payment's bank and cheque number (fCargaPago), from the
// saved tables or, for a sent declaration, from those of its CORREL.
#include "layout/core/datosimpresion.h"
#include <QList>
#include <QPair>

class Database;

// Reads DET (HDET) and the first annex row of the year from ACTA (HACTA) into
// d. Every value as stored, a Null as "". The full names of the accountant
// (998 999) and of the legal representative (996 997) are composed once all
// rows are read, so the order the rows come in does not matter. Raises
// DbError, and ErrorEjecucion for a code that is no number (13), beyond
// 16 bits (6), or without a place among the boxes (9).
void pConsulta(DatosImpresion &d, Database &db);

// What pConsulta does with the rows it read, (code, i_valor as text) in any
// order: box values below 900 but 721 by number, the codes the layout prints
// as words into their variables, and the two full names composed at the end.
// Raises ErrorEjecucion 9 for a code without a place among the boxes.
void pLlenarCasillas(DatosImpresion &d, const QList<QPair<int, QString>> &filas);

// A cheque payment's bank (bcolibrad) and cheque number from CAB (HCAB): set
// only when the header's bank is neither Null nor the blank of a cash payment.
// True when d.sCodigoBanco is not empty. Raises DbError.
bool fCargaPago(DatosImpresion &d, Database &db);
