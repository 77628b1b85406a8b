#pragma once
// The declaration a sample folder comes with: form 0951 of 1998 of the first
// sample taxpayer, saved consistent (state 0) and sent once, so that the
// receipt, the sent declarations and printing have something to show.
#include "platform/database.h"
#include <QDate>

namespace host {

inline const QString kRucMuestra = QStringLiteral("20100000009");
// The day it was validated in Qx381 and sent.
inline const QDate kFechaMuestra{1999, 3, 20};

// Its CAB, DET and ACTA rows as Qx381 stored them, then the host's sending
// of it (HCAB, HDET, HACTA) dated kFechaMuestra. Throws DbError.
void pInsertarDeclaracionMuestra(Database &db);

}
