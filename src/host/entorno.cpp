#include "host/entorno.h"
#include "host/declaracionmuestra.h"
#include "host/esquema.h"
#include "host/referencia.h"
#include "platform/database.h"
#include "platform/inifile.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>

namespace host {

namespace {
const QString kIni = QStringLiteral("QX000.INI");
const QString kBase = QStringLiteral("QX000.MDB");

QString conBarra(const QString &carpeta)
{
    QString c = QDir::cleanPath(QDir(carpeta).absolutePath());
    if (!c.endsWith(QLatin1Char('/')))
        c += QLatin1Char('/');
    return c;
}

// The tables, with the driver itself (the programs' own layer never creates a file).
bool crearTablas(const QString &ruta, QString *error)
{
    static int n = 0;
    const QString conexion = QStringLiteral("velantis-esquema-%1").arg(++n);
    bool ok = true;
    {
        QSqlDatabase h = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conexion);
        h.setDatabaseName(ruta);
        if (!h.open()) {
            *error = h.lastError().text();
            ok = false;
        }
        const QStringList sentencias = sentenciasEsquema();
        if (ok && sentencias.isEmpty()) {
            *error = QStringLiteral("El programa no contiene el esquema de la base de datos.");
            ok = false;
        }
        if (ok && !h.transaction()) {
            *error = h.lastError().text();
            ok = false;
        }
        for (const QString &s : sentencias) {
            if (!ok)
                break;
            QSqlQuery q(h);
            if (!q.exec(s)) {
                *error = q.lastError().text();
                ok = false;
            }
        }
        if (ok && !h.commit()) {
            *error = h.lastError().text();
            ok = false;
        }
        if (!ok)
            h.rollback();
        h.close();
    }
    QSqlDatabase::removeDatabase(conexion);
    return ok;
}

// Folders made by this start, removed again (when still empty) on failure.
struct Carpetas {
    QStringList creadas;
    bool crear(const QString &ruta)
    {
        QStringList faltan;
        QDir d(QDir::cleanPath(ruta));
        while (!d.exists()) {
            faltan.prepend(d.absolutePath());
            if (!d.cdUp())
                break;
        }
        for (const QString &f : faltan) {
            if (!QDir().mkdir(f))
                return false;
            creadas.prepend(f);
        }
        return QFileInfo(ruta).isDir();
    }
    void deshacer()
    {
        for (const QString &c : creadas)
            QDir().rmdir(c);
        creadas.clear();
    }
};

// A database made before the schema had some of its indexes gets them now.
// The programs work without them, only slower, so a failure (a database
// locked or read-only just now) leaves the start as it is: the next one
// tries again.
void pCompletarIndices(const QString &ruta)
{
    try {
        auto db = Database::open(ruta);
        Transaction t(*db, true);
        for (const QString &s : sentenciasIndices())
            db->exec(s);
        t.commit();
    } catch (const DbError &) {
    }
}

QString leer(const QString &clave)
{
    return ini::GetPrivateProfileString(QStringLiteral("Options"), clave, QString(), kIni).trimmed();
}
}

QString fCarpetaPorDefecto()
{
    return conBarra(QDir::homePath() + QStringLiteral("/velantis-datos"));
}

QString fUsuarioPorDefecto()
{
    const QString u = qEnvironmentVariable("USER").trimmed();
    return u.isEmpty() ? QStringLiteral("USUARIO") : u;
}

bool fCrearBase(const QString &ruta, const QString &usuario, bool muestra, QString *error,
                const std::function<void(const QString &sql)> &falla)
{
    QString detalle;
    const QFileInfo destino(ruta);
    QTemporaryFile temporal(destino.absolutePath() + QStringLiteral("/.qx000-XXXXXX.tmp"));
    temporal.setAutoRemove(true);
    bool ok = temporal.open();
    if (!ok)
        detalle = temporal.errorString();
    const QString rutaTemporal = temporal.fileName();
    temporal.close();
    if (ok)
        ok = crearTablas(rutaTemporal, &detalle);
    if (ok) {
        try {
            auto db = Database::open(rutaTemporal);
            if (falla)
                db->setFaultHook(falla);
            Transaction t(*db, true);
            pInsertarReferencia(*db, usuario);
            if (muestra) {
                pInsertarMuestra(*db, usuario);
                pInsertarDeclaracionMuestra(*db);
            }
            t.commit();
        } catch (const DbError &e) {
            detalle = e.description;
            ok = false;
        }
    }
    if (ok && !QFile::rename(rutaTemporal, ruta)) {
        detalle = QStringLiteral("no se pudo dar su nombre al archivo");
        ok = false;
    }
    if (ok) {
        temporal.setAutoRemove(false);
        // The temporary file was private; the database is shared with Qx381 and 0951REP.
        QFile::setPermissions(ruta, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                        | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    }
    if (!ok && error)
        *error = QStringLiteral("No se pudo crear la base de datos %1:\n%2").arg(ruta, detalle);
    return ok;
}

bool fPrepararEntorno(const QString &carpeta, const QString &usuario, bool muestra, Entorno *entorno,
                      QString *error, const std::function<void(const QString &sql)> &falla)
{
    Entorno e;
    e.archivoIni = ini::resolve(kIni);
    QString detalle;

    if (QFileInfo::exists(e.archivoIni)) {
        e.carpetaDatos = leer(QStringLiteral("SysPath"));
        e.baseDatos = leer(QStringLiteral("DBPath")) + leer(QStringLiteral("DBName"));
        e.usuario = leer(QStringLiteral("SysUser"));
        if (!QFileInfo::exists(e.baseDatos)) {
            Carpetas c;
            if (!c.crear(QFileInfo(e.baseDatos).absolutePath())
                || !fCrearBase(e.baseDatos, e.usuario, muestra, &detalle, falla)) {
                c.deshacer();
                if (error)
                    *error = detalle.isEmpty()
                        ? QStringLiteral("No se pudo crear la carpeta %1.").arg(QFileInfo(e.baseDatos).absolutePath())
                        : detalle;
                return false;
            }
            e.creado = true;
        } else {
            pCompletarIndices(e.baseDatos);
        }
        if (entorno)
            *entorno = e;
        return true;
    }

    // First start.
    e.carpetaDatos = conBarra(carpeta.isEmpty() ? fCarpetaPorDefecto() : carpeta);
    e.baseDatos = e.carpetaDatos + kBase;
    e.usuario = usuario.isEmpty() ? fUsuarioPorDefecto() : usuario;
    Carpetas c;
    for (const QString &sub : {QString(), QStringLiteral("RPT"), QStringLiteral("TMP"), QStringLiteral("0951")}) {
        if (!c.crear(e.carpetaDatos + sub)) {
            c.deshacer();
            if (error)
                *error = QStringLiteral("No se pudo crear la carpeta %1.").arg(e.carpetaDatos + sub);
            return false;
        }
    }
    bool baseNueva = false;
    if (!QFileInfo::exists(e.baseDatos)) {
        if (!fCrearBase(e.baseDatos, e.usuario, muestra, &detalle, falla)) {
            c.deshacer();
            if (error)
                *error = detalle;
            return false;
        }
        baseNueva = true;
    } else {
        pCompletarIndices(e.baseDatos);
    }

    const QStringList lineas = {
        QStringLiteral("[Options]"),
        QStringLiteral("SysPath=") + e.carpetaDatos,
        QStringLiteral("SysVersion=2.0"),
        QStringLiteral("DBPath=") + e.carpetaDatos,
        QStringLiteral("DBName=") + kBase,
        QStringLiteral("SysUser=") + e.usuario,
    };
    Carpetas cIni;
    QString errorIni;
    if (!cIni.crear(QFileInfo(e.archivoIni).absolutePath())
        || !textfile::writeLines(e.archivoIni, lineas, &errorIni)) {
        cIni.deshacer();
        if (baseNueva)
            QFile::remove(e.baseDatos);
        c.deshacer();
        if (error)
            *error = QStringLiteral("No se pudo crear el archivo de configuración %1.%2")
                         .arg(e.archivoIni, errorIni.isEmpty() ? QString() : QStringLiteral("\n") + errorIni);
        return false;
    }
    e.creado = true;
    if (entorno)
        *entorno = e;
    return true;
}

}
