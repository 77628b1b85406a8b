#include "host/entorno.h"
#include "host/declaracionmuestra.h"
#include "host/esquema.h"
#include "host/referencia.h"
#include "platform/database.h"
#include "platform/inifile.h"
#include "platform/syserror.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>

#include <cerrno>
#include <sys/stat.h>

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
    QString error;   // the folder that could not be made, and why
    // The folder with every missing folder above it.
    bool crear(const QString &ruta)
    {
        QStringList faltan;
        for (QString d = QDir::cleanPath(QDir(ruta).absolutePath()); !QFileInfo::exists(d);) {
            faltan.prepend(d);
            const QString padre = QFileInfo(d).absolutePath();
            if (padre == d)
                break;
            d = padre;
        }
        for (const QString &f : faltan) {
            if (::mkdir(QFile::encodeName(f).constData(), 0777) != 0) {
                error = QStringLiteral("No se pudo crear la carpeta %1 (%2).").arg(f, sysCause(errno));
                return false;
            }
            creadas.prepend(f);
        }
        if (!QFileInfo(ruta).isDir()) {
            error = QStringLiteral("No se pudo crear la carpeta %1 (%2).").arg(ruta, sysCause(ENOTDIR));
            return false;
        }
        return true;
    }
    void deshacer()
    {
        for (const QString &c : creadas)
            QDir().rmdir(c);
        creadas.clear();
    }
};

// The settings file holds Windows-1252 text, one value a line, its blanks
// and one pair of quotes around it taken off when read: a value that would
// not read back as written is refused, not stored changed.
bool fSeLeeIgual(const QString &valor)
{
    if (textfile::fromCp1252(textfile::toCp1252(valor)) != valor)
        return false;
    for (const QChar c : valor)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
    // Tabs and line ends are control characters, refused above.
    if (valor.startsWith(QLatin1Char(' ')) || valor.endsWith(QLatin1Char(' ')))
        return false;
    return !(valor.size() >= 2 && (valor.front() == QLatin1Char('"') || valor.front() == QLatin1Char('\''))
             && valor.back() == valor.front());
}

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
    const auto fallar = [error](const QString &texto) {
        if (error)
            *error = texto;
        return false;
    };

    if (QFileInfo::exists(e.archivoIni)) {
        // Only the first start creates: a database missing now (a folder
        // renamed, a disk not plugged in) would come back empty, and Qx381
        // and 0951REP would not find what the host shows.
        e.carpetaDatos = leer(QStringLiteral("SysPath"));
        const QString rutaBase = leer(QStringLiteral("DBPath"));
        const QString nombreBase = leer(QStringLiteral("DBName"));
        e.baseDatos = rutaBase + nombreBase;
        e.usuario = leer(QStringLiteral("SysUser"));
        if (nombreBase.isEmpty() || !QDir::isAbsolutePath(rutaBase))
            return fallar(QStringLiteral("El archivo de configuración %1 no indica la ruta completa de la base de datos"
                                         " (claves DBPath y DBName de la sección [Options]).")
                              .arg(e.archivoIni));
        if (!QFileInfo::exists(e.baseDatos))
            return fallar(QStringLiteral("No se encontró la base de datos %1, que indica el archivo de configuración %2."
                                         "\nSi su carpeta cambió de nombre o está en un disco desconectado,"
                                         " restablézcala y vuelva a iniciar Velantis. No se ha creado ninguna base"
                                         " de datos.")
                              .arg(e.baseDatos, e.archivoIni));
        pCompletarIndices(e.baseDatos);
        if (entorno)
            *entorno = e;
        return true;
    }

    // First start.
    e.carpetaDatos = conBarra(carpeta.isEmpty() ? fCarpetaPorDefecto() : carpeta);
    e.baseDatos = e.carpetaDatos + kBase;
    e.usuario = usuario.trimmed().isEmpty() ? fUsuarioPorDefecto() : usuario.trimmed();
    // What the settings file cannot hold would be read back as another
    // folder or user on the next start.
    if (!fSeLeeIgual(e.carpetaDatos))
        return fallar(QStringLiteral("El nombre de la carpeta de datos %1 tiene caracteres que el archivo de"
                                     " configuración no puede guardar (solo admite los de Windows-1252)."
                                     " Inicie Velantis con otra carpeta: velantis CARPETA.")
                          .arg(e.carpetaDatos));
    if (!fSeLeeIgual(e.usuario))
        return fallar(QStringLiteral("El nombre de usuario %1 tiene caracteres que el archivo de configuración no"
                                     " puede guardar (solo admite los de Windows-1252). Inicie Velantis con otro"
                                     " usuario: velantis --usuario NOMBRE.")
                          .arg(e.usuario));
    Carpetas c;
    for (const QString &sub : {QString(), QStringLiteral("RPT"), QStringLiteral("TMP"), QStringLiteral("0951")}) {
        if (!c.crear(e.carpetaDatos + sub)) {
            c.deshacer();
            return fallar(c.error);
        }
    }
    bool baseNueva = false;
    if (!QFileInfo::exists(e.baseDatos)) {
        if (!fCrearBase(e.baseDatos, e.usuario, muestra, &detalle, falla)) {
            c.deshacer();
            return fallar(detalle);
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
        const QString causa = errorIni.isEmpty() ? cIni.error : errorIni;
        return fallar(QStringLiteral("No se pudo crear el archivo de configuración %1.%2")
                          .arg(e.archivoIni, causa.isEmpty() ? QString() : QStringLiteral("\n") + causa));
    }
    e.creado = true;
    if (entorno)
        *entorno = e;
    return true;
}

}
