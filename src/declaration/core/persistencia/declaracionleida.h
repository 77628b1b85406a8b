#pragma once
// The stored declaration as a window last read or wrote it. Two users may
// have one declaration open at once: a save replaces it only while it is
// still the one its window knows, so that one user's save never undoes
// another's.
#include <QByteArray>
#include <QString>

class Database;

struct DeclaracionLeida {
    QString ruc;          // empty: the window has neither read nor written one
    QByteArray huella;    // fHuellaDeclaracion of its rows then
};

// Every column of the CAB and DET rows stored now under the key of ruc, each
// value with its type, as bytes to compare (the DET rows by box; a few
// kilobytes, kept whole: hashing them cost more than reading them). Empty
// when nothing is stored: no DET row, and no CAB row other than the bare
// header an annex calculator makes before the first save (cNumero "0").
QByteArray fHuellaDeclaracion(const Database &db, const QString &ruc);

// Why a save must not replace the stored declaration of ruc: another user
// saved, deleted or registered it since the window read or wrote it (a
// window that has done neither expects none stored). An empty text when it
// is still the one the window knows.
QString fCambioAjeno(const Database &db, const QString &ruc, const DeclaracionLeida &leida);
