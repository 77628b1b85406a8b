#pragma once
// The host's settings file and database: found, or made on first start.
#include <QString>
#include <functional>

namespace host {

struct Entorno {
    QString archivoIni;     // the settings file QX000.INI
    QString carpetaDatos;   // SysPath, with a closing "/"
    QString baseDatos;      // DBPath & DBName
    QString usuario;        // SysUser
    bool creado = false;    // made on this start
};

// ~/velantis-datos/
QString fCarpetaPorDefecto();

// The login name, else "USUARIO".
QString fUsuarioPorDefecto();

// Creates the database file `ruta` (which must not exist): the schema, the
// reference rows and, with muestra, a couple of taxpayers and the sent
// declaration of the first (declaracionmuestra.h). Built under a
// temporary name beside it and renamed when complete, so a failure leaves
// no file. falla (tests) runs before every statement of the rows and may
// throw a DbError. False with *error (Spanish) set on failure.
bool fCrearBase(const QString &ruta, const QString &usuario, bool muestra, QString *error,
                const std::function<void(const QString &sql)> &falla = {});

// With a settings file: reads it; the database it names must be there (a
// later start creates nothing). Without one (first start): the folder
// carpeta (default fCarpetaPorDefecto()) with RPT/, TMP/ and 0951/ and the
// folders missing above it, its database, then the settings file in the
// Windows folder; a folder or user name the settings file cannot hold as it
// is, is refused before anything is made. A failure leaves none of what this
// call made behind and returns false with *error (Spanish) set.
bool fPrepararEntorno(const QString &carpeta, const QString &usuario, bool muestra, Entorno *entorno,
                      QString *error, const std::function<void(const QString &sql)> &falla = {});

}
