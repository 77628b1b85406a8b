#pragma once
// Set-up shared by the persistence tests and the declaration window tests:
// a fresh host with its database opened as the program's, the rows a
// declaration window needs to start, and the fixture files of box values.
// Link with qxtestpersist.
#include "../../support/testdb.h"
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <memory>

class cUtilitario;

namespace comunpersist {

// "casilla i_valor" lines of tests/fixtures/persist/<nombre>; blank lines and
// '#' comments skipped. Empty when the file cannot be read.
QList<QPair<QString, QString>> leerFixture(const QString &nombre);

// Every row of the declaration of ruc in CAB, DET and ACTA, every column,
// a text a row, in stored order.
QStringList filasDeclaracion(const Database &db, const QString &ruc);

// A new Entorno in env, its database opened into db and gdbBase, for form
// 0951 of 1998. False when the Entorno could not be made.
bool iniciar(std::unique_ptr<testdb::Entorno> &env, std::shared_ptr<Database> &db);
// Drops gdbBase, db and env, in that order.
void terminar(std::unique_ptr<testdb::Entorno> &env, std::shared_ptr<Database> &db);

// What the declaration window needs to start a declaration of ruc: an
// Entorno in env opened into gdbBase, util as goUtilitario, USUARIO1 as the
// user (a CLAVES row) owning the taxpayer ruc/nombre (a CONT row), the two
// save messages of ERROR, the bank '02' and the RUC description of PARAM.
// False when the Entorno could not be made.
bool iniciarVentana(std::unique_ptr<testdb::Entorno> &env, cUtilitario &util, const QString &ruc,
                    const QString &nombre);
// Drops gdbBase, goUtilitario and env.
void terminarVentana(std::unique_ptr<testdb::Entorno> &env);

} // namespace comunpersist
