#pragma once
// Identification of a declaration's taxpayer: the items of the taxpayer and
// zone combos, the lists they are filled from, and the check that refuses a
// taxpayer whose declaration is already stored.
#include <QString>
#include <QStringList>

class Database;

namespace Identificacion {

inline const QString MsgDeclaracionExiste = QStringLiteral(
    "La declaración que desea registrar ya existe, elija la opción modificar declaración o elija otro contribuyente.");

// Taxpayer item: the document number's first 11 characters trimmed, 7 blanks,
// the name. Read back: the RUC as the trimmed first 11 characters, the name as
// the trimmed 50 characters from position 16.
QString fItemContribuyente(const QString &docId, const QString &nombre);
QString fRucDeItem(const QString &item);
QString fNombreDeItem(const QString &item);

// Zone item: the zone name's first 15 characters, 100 blanks, the two-character
// code; the code is read back as the last 2 characters.
QString fItemZona(const QString &funcion, const QString &argumento);
QString fZonaDeItem(const QString &item);
// Index of the first item whose code equals the trimmed code, -1 when none.
int fIndiceZona(const QStringList &items, const QString &codigo);

// The user's taxpayers for the form code, in the query's order (raises DbError).
QStringList fItemsContribuyentes(Database &db, const QString &formulario);
// The zones of PARAM table 030, in the query's order (raises DbError).
QStringList fItemsZonas(Database &db);

// A CAB header exists for the key (RUC, 6, period, form code) (raises DbError).
bool fExisteDeclaracion(Database &db, const QString &ruc, const QString &periodo,
                        const QString &formulario);

} // namespace Identificacion
