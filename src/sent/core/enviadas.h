#pragma once
// The sent declarations of HCAB, HDET and HACTA as the chooser lists them,
// deletes one send and registers the order number KAVEN assigned to it.
// Every value goes in bound; the key of a send is the declaration key (RUC,
// document type 6, gsPeriodo, gsFormulario) and its CORREL.
#include "platform/database.h"
#include <QDate>
#include <QList>
#include <QString>

// One row of the chooser, in the order of its grid; a Null column reads as
// the empty text.
struct DeclaracionEnviada {
    QString docIdD;      // 0 "RUC", as stored
    QString nombre;      // 1 "Razón Social" (CONT)
    QString periodo;     // 2
    QString formulario;  // 3
    QString norden;      // 4 "N. Orden": the number as text
    QString fecEnv;      // 5 "Fecha Env.", dd/mm/yyyy
    QString control;     // 6 "Control"
    QString correl;      // 7 "Correl"
};

// The sends of the current user's taxpayers (CONT.USUARIO = gsUsuario) for
// gsPeriodo and gsFormulario, by RUC, the sends of one RUC in the order they
// were made. Raises DbError.
QList<DeclaracionEnviada> fDeclaracionesEnviadas(const Database &db);

// Removes the HACTA, HDET and HCAB rows of one send, in that order, in one
// transaction that takes the write lock at once: all three or none. docIdD
// as stored. Raises DbError (nothing removed then).
void pEliminarEnviada(Database &db, const QString &docIdD, const QString &correl);

// The order number of a typed text: the number of its trimmed digits; an
// empty text gives 0.
double fNumeroOrden(const QString &texto);

// Stores norden in HCAB.NORDEN of the send, in one transaction. False when
// the send's HCAB row is not there any more (another program removed it):
// nothing is stored. Raises DbError (nothing stored then).
bool fRegistrarNumeroOrden(Database &db, const QString &docIdD, const QString &correl, double norden);
