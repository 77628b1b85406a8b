#pragma once
// Loading a stored declaration back into the window, and the list of the
// user's stored declarations for the open/delete chooser.
#include "declaration/core/grabacion.h"
#include <QList>
#include <QString>

// Loads the DET rows of the declaration of sRuc into the window (each box
// assignment runs the box's change handling) and the cheque data of CAB.
// False when the declaration has no DET row: the caller empties the boxes.
// A new declaration (iAccion 0) never starts from stored rows: the rows found
// under the previously accepted RUC belong to another taxpayer, so it returns
// false without reading.
bool pCargarCasillas(VentanaDeclaracion &v, const Database &db);

// Puts one stored value into its box, control or window variable.
void pMostrarCasilla(VentanaDeclaracion &v, const QString &codigo, const QString &valor);

// The text a box gets from its stored value: the form in which the box's own
// calculation (or the leaving of a typed box) writes it, so that a reloaded
// declaration saves back the same values.
QString fTextoCargado(int casilla, const QString &valor);

// One row of the chooser: CAB joined to CONT.
struct DeclaracionRegistrada {
    QString docIdD;        // as stored (not trimmed)
    QString nombre;
    QString periodo;
    QString formulario;
    QVariant estado;
};
// The declarations of the current user, period and form code, by RUC.
QList<DeclaracionRegistrada> fDeclaracionesRegistradas(const Database &db);

// Removes ACTA, DET and CAB of one declaration, in that order, in one
// transaction. docIdD is used as stored.
void pEliminarDeclaracion(Database &db, const QString &docIdD);
