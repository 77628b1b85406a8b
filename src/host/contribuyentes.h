#pragma once
// The user's taxpayers in CONT: listed and added by the host.
#include "platform/database.h"
#include <QList>
#include <QString>

namespace host {

struct Contribuyente {
    QString ruc;
    QString nombre;
};

// The user's RUC taxpayers, by number.
QList<Contribuyente> fContribuyentes(const Database &db, const QString &usuario);

// Adds a RUC taxpayer of the user. "" when added, else the Spanish message
// that says why not (invalid RUC, no name, already registered).
QString fAgregarContribuyente(Database &db, const QString &usuario, const QString &ruc,
                              const QString &nombre);

}
