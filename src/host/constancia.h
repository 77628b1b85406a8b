#pragma once
// The submission receipt of a sent declaration, composed by 0951REP: its
// command line, its run and the text receipt it leaves in the temporary folder.
#include "platform/database.h"
#include <QString>
#include <QStringList>

namespace host {

// The file-name character the host puts into every receipt's name.
inline const QString kMarcaArchivo = QStringLiteral("A");

// The one argument of 0951REP, by column: 1-2 the document type in two
// digits, 3-17 the trimmed document number filled with blanks, 18-21 the
// form code, 22-27 the period yyyymm ("00" month = whole year), 28 the
// file-name character, 29-36 the control number. Empty, with *error set
// (Spanish), when a value does not fit its columns or would take the
// receipt's files out of their folders.
QString fLineaConstancia(int tipDoc, const QString &docId, const QString &formulario, const QString &periodo,
                         const QString &marca, const QString &control, QString *error = nullptr);

// The name 0951REP gives the receipt's files: columns 18 to 36.
QString fBaseConstancia(const QString &linea);

struct Constancia {
    bool ok = false;
    QString archivo;        // the text receipt in the temporary folder
    QStringList lineas;     // its lines
    QString error;          // Spanish; 0951REP's own message when it failed
};

// Starts programa with linea (the process environment carried over, so it
// finds the same settings file), waits for it and reads the text receipt
// carpetaDatos & "TMP/" & base & ".TXT" that it leaves.
Constancia fEjecutarConstancia(const QString &programa, const QString &linea, const QString &carpetaDatos);

// The receipt of the RUC's declaration (form 0951, whole year 1998) with the
// control number of its latest sending; refused when it was never sent.
Constancia fConstanciaDeclaracion(const Database &db, const QString &ruc, const QString &programa,
                                  const QString &carpetaDatos);

}
