#pragma once
#include "platform/database.h"

// The eight-digit report numbers are used up; its description says so.
struct SpoolAgotado : DbError {
    SpoolAgotado();
};

// Registers a print-script file in SPOOL and returns its name ("00000042.PRN").
// The numbers are taken inside BEGIN IMMEDIATE, so two programs never hand out
// one name twice. tipDoc is the document type as the caller has it (Qx381: the
// number 6; 0951REP: the text of its command line). tipDocColumn is the column
// name as the caller writes it ("tip_doc_d" or "Tip_doc_d").
// The file number follows the highest one among the rows whose Archivo starts
// with eight digits; other rows do not count.
// The names end with 99999999.PRN: after it the registration raises
// SpoolAgotado. A name that a row already has (without case) is never given
// again: DbError 3022. Raises DbError on a database error or a non-numeric
// Secuencia of the code. In every such case no row is added.
QString fRegistrarSpool(Database &db, const QString &sCodRep, const QVariant &tipDoc,
                        const QString &sDocId, const QString &usuario,
                        const QString &tipDocColumn = QStringLiteral("tip_doc_d"));
