#pragma once
// The stored declaration as a window last read or wrote it. Two users may
// have one declaration open at once: a save replaces it only while it is
// still the one its window knows, so that one user's save never undoes
// another's.
#include <QByteArray>
#include <QList>
#include <QSqlRecord>
#include <QString>

class Database;

struct DeclaracionLeida {
    QString ruc;          // empty: the window has neither read nor written one
    QByteArray huella;    // fHuellaDeclaracion of its rows then
};

// A digest of every column of a declaration's CAB and DET rows, as
// "SELECT *" reads them (the DET rows in any order). Empty when nothing is
// stored: no DET row, and no CAB row other than the bare header an annex
// calculator makes before the first save (cNumero "0").
QByteArray fHuellaDeclaracion(const QList<QSqlRecord> &cab, const QList<QSqlRecord> &det);
// The same, read now under the key of ruc.
QByteArray fHuellaDeclaracion(const Database &db, const QString &ruc);

// Why a save must not replace the stored declaration of ruc: another user
// saved, deleted or registered it since the window read or wrote it (a
// window that has done neither expects none stored). An empty text when it
// is still the one the window knows.
QString fCambioAjeno(const Database &db, const QString &ruc, const DeclaracionLeida &leida);
