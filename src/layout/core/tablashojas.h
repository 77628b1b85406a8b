#pragma once
// The tables of pages 1 and 2, block by block; pHoja1 and pHoja2 choose and
// run them. Every position of the two pages is in these tables.
#include "layout/core/disposicion.h"

// Page 1 (page index 0).
const Disposicion &tablaEstadosFinancieros();   // form header, identification, section 1
const Disposicion &tablaDeterminacion();        // income-tax determination, boxes 100 to 113
const Disposicion &tablaCreditosA();            // credits, subject to IEAN
const Disposicion &tablaCreditosB();            // credits, not subject to IEAN

// Page 2 (page index 1).
const Disposicion &tablaDeuda();                // section 2 down to the payment-form row
const Disposicion &tablaMarcaCheque();          // cheque mark, cheque number and bank code
const Disposicion &tablaMarcaEfectivo();        // cash mark
const Disposicion &tablaCheque();               // cheque-number and bank-code rows
const Disposicion &tablaSecciones();            // sections 3, 4, 5 and the answers
const Disposicion &tablaEnviada();              // order and control numbers of a sent declaration
const Disposicion &tablaFirmantes();            // accountant and legal representative, at shift 0
