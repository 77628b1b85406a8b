#pragma once
// The reference rows the host puts into a new database.
#include "platform/database.h"

namespace host {

// The document-type record of the RUC (PARAM '044', "6"), 130 characters.
QString registroRuc();

// PARAM '044', '004' (banks, "00" the no-bank row) and '030' (zones), the
// ERROR texts 0151 and 0152, the user's CLAVES row and the FAC factors of
// form 0951 for 98/01 to 99/03 under "030301" and "030304".
void pInsertarReferencia(Database &db, const QString &usuario);

// A couple of taxpayers of the user, for a sample folder.
void pInsertarMuestra(Database &db, const QString &usuario);

}
