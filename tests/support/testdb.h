#pragma once
// Test helpers: a throw-away host folder with a database made from
// schema/qx000.sql and a stand-in Windows folder holding QX000.INI.
//
//   testdb::Entorno env;                 // temp folders, $QX_WINDIR set, INI written
//   auto db = env.abrir();               // Database::open on env.rutaBase
//   db->exec("INSERT INTO CLAVES (Usuario, Tipo) VALUES (?, ?)", {"ADMIN", "0"});
//
// Everything is removed, $QX_WINDIR and the current folder restored, when the
// Entorno goes out of scope. Link with qxtestsupport.
#include "platform/database.h"
#include <QTemporaryDir>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace testdb {

// Creates the file `path` (which must not exist) with the tables of
// schema/qx000.sql. False, with *error set, when it cannot.
bool crearBase(const QString &path, QString *error = nullptr);

// The CREATE statements of schema/qx000.sql, one per element.
QStringList sentenciasEsquema();

// The statements a call runs on db, in order (recorded by its fault hook,
// which is put back to none afterwards).
QStringList sentenciasDe(Database &db, const std::function<void()> &llamada);

// The steps of the plan SQLite makes for sql, every value NULL (EXPLAIN
// QUERY PLAN), e.g. "SEARCH B USING INDEX CONT_Usuario (Usuario=? AND ...)".
QStringList plan(Database &db, const QString &sql);

// The files of a folder by name, hidden ones included, and after them the
// temporaries that the programs compose there (its subfolder
// ".qx-temporales"), as ".qx-temporales/<name>": a test sees what a run
// left anywhere in the folder.
QStringList archivos(const QString &carpeta);

// A folder under base whose path, with its closing "/", is exactly largo
// characters long (made, with RPT/, TMP/ and 0951/ inside, as a host folder
// has them); "" when it cannot be made.
QString carpetaDeLargo(const QString &base, int largo);

// Writes an INI file in Windows-1252 with CR LF lines:
// [Options] SysPath, SysVersion, DBPath, DBName, SysMenu, SysUser.
bool escribirIni(const QString &path, const QString &sysPath, const QString &dbPath,
                 const QString &dbName, const QString &sysUser);

// Holds an exclusive lock on a database file through a connection of its own
// (PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE) while it lives, as a
// program that opened it exclusively would.
class BloqueoExclusivo {
public:
    explicit BloqueoExclusivo(const QString &path);
    ~BloqueoExclusivo();
    BloqueoExclusivo(const BloqueoExclusivo &) = delete;
    BloqueoExclusivo &operator=(const BloqueoExclusivo &) = delete;
    bool activo() const { return m_ok; }
private:
    QString m_connection;
    bool m_ok = false;
};

// Another program writing the database (the receipt program, the host): a
// connection of its own, on a thread of its own, that takes the write lock
// (BEGIN IMMEDIATE) and holds it for `ms` milliseconds, or until soltar()
// when ms is negative; then it commits. The constructor returns once the
// lock is held (or could not be taken: activa() false).
class EscrituraAjena {
public:
    explicit EscrituraAjena(const QString &path, int ms = -1);
    ~EscrituraAjena();   // soltar() and wait for the thread
    EscrituraAjena(const EscrituraAjena &) = delete;
    EscrituraAjena &operator=(const EscrituraAjena &) = delete;
    bool activa() const { return m_activa; }
    void soltar();
private:
    void correr(const QString &path, int ms);
    std::mutex m_mutex;
    std::condition_variable m_cambio;
    bool m_listo = false;
    bool m_soltar = false;
    bool m_activa = false;
    std::thread m_hilo;
};

class Entorno {
public:
    // withDatabase=false leaves the database file uncreated (for open failures).
    explicit Entorno(bool withDatabase = true, const QString &usuario = QStringLiteral("USUARIO1"));
    ~Entorno();
    Entorno(const Entorno &) = delete;
    Entorno &operator=(const Entorno &) = delete;

    bool valido() const { return m_ok; }
    QString sysPath;    // host folder, ends with "/", holds RPT/, TMP/ and 0951/
    QString dbPath;     // folder of the database, ends with "/" (== sysPath)
    QString dbName;     // "QX000.MDB"
    QString rutaBase;   // dbPath + dbName
    QString windir;     // $QX_WINDIR while the Entorno lives, ends with "/"
    QString rutaIni;    // windir + "QX000.INI"
    QString usuario;    // SysUser written into the INI

    // Opens the database as the programs do (throws DbError).
    std::shared_ptr<Database> abrir() const;

private:
    QTemporaryDir m_dir;
    QByteArray m_oldWindir;
    bool m_hadWindir = false;
    QString m_oldCwd;
    bool m_ok = false;
};

} // namespace testdb
