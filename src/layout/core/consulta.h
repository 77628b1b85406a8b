#pragma once
// Loading one declaration for printing: the box values and answers
// (pConsulta) and the payment's bank and cheque number (fCargaPago), from the
// saved tables or, for a sent declaration, from those of its CORREL.
#include "layout/core/datosimpresion.h"

class Database;

// Reads DET (HDET) and the first annex row of the year from ACTA (HACTA) into
// d. Every value as stored, a Null as "". The full names of the accountant
// (998 999) and of the legal representative (996 997) are composed once all
// rows are read, so the order the rows come in does not matter. Raises
// DbError, and ErrorEjecucion for a code that is no number (13), beyond
// 16 bits (6), or without a place among the boxes (9).
void pConsulta(DatosImpresion &d, Database &db);

// A cheque payment's bank (bcolibrad) and cheque number from CAB (HCAB): set
// only when the header's bank is neither Null nor the blank of a cash payment.
// True when d.sCodigoBanco is not empty. Raises DbError.
bool fCargaPago(DatosImpresion &d, Database &db);
