#pragma once
// Loading a stored declaration back into the window, and the list of the
// user's stored declarations for the open/delete chooser.
#include "declaration/core/persistencia/grabacion.h"
#include <QList>
#include <QSet>
#include <QString>

// How a stored amount shows in its box; boxes in neither set show the stored
// text in the display form "###,###,###,##0". The code boxes (203, 204,
// 209, ...) show their digits and the free texts their stored text in every
// window.
struct FormatosCarga {
    QSet<int> parentesis;   // the absolute value in parentheses
    QSet<int> conSigno;     // signed, a negative in parentheses
    bool cero138 = false;   // a zero balance 138 shows "0", not "(0)"
    bool codigoCeroVacio = false;   // a zero code box shows as "########" writes it: nothing

    // The entry window's: the form each box's own calculation (or the
    // leaving of a typed box) writes, so that a reloaded declaration saves
    // back the same values.
    static const FormatosCarga &declaracion();
    // The sent-declaration viewer's, which never saves its boxes.
    static const FormatosCarga &enviada();
};

// Where the stored values come from: DET and CAB of the declaration, or HDET
// and HCAB of one send (its CORREL).
struct OrigenCarga {
    QString detalle = QStringLiteral("DET");
    QString cabecera = QStringLiteral("CAB");
    bool porCorrel = false; // the sent tables: rows of one CORREL
    QString correl;
    const FormatosCarga *formatos = &FormatosCarga::declaracion();

    static OrigenCarga declaracion() { return {}; }
    static OrigenCarga enviada(const QString &correl);
};

// Loads the DET rows of the declaration of sRuc into the window (each box
// assignment runs the box's change handling) and the cheque data of CAB.
// False when the declaration has no DET row: the caller empties the boxes.
// A new declaration (iAccion 0) never starts from stored rows: the rows found
// under the previously accepted RUC belong to another taxpayer, so it returns
// false without reading. A Null column reads as the empty text.
bool pCargarCasillas(VentanaDeclaracion &v, Database &db,
                     const OrigenCarga &origen = OrigenCarga::declaracion());

// Puts one stored value into its box, control or window variable. Box 113
// also keeps its stored value as it is (Campos::sValor113).
void pMostrarCasilla(VentanaDeclaracion &v, const QString &codigo, const QString &valor,
                     const FormatosCarga &formatos = FormatosCarga::declaracion());

// The text a box gets from its stored value.
QString fTextoCargado(int casilla, const QString &valor,
                      const FormatosCarga &formatos = FormatosCarga::declaracion());

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
