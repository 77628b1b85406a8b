#pragma once
// The shared database: SQLite through Qt Sql and its SQLite driver (QSQLITE)
// in place of the legacy engine.
// Every value goes in through bound parameters; errors are raised as DbError
// with the legacy error numbers (busy, locked, read-only -> 3051).
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QPair>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <QHash>
#include <functional>
#include <memory>
#include <stdexcept>

// Numbers raised as DbError (the legacy engine's numbers where it had one).
namespace dberr {
enum : int {
    TiposNoCoinciden = 13,     // a text where a number was expected
    Desbordamiento = 6,        // a value out of range of its type
    SinConexion = 91,          // no open database
    ErrorMotor = 3000,         // any other engine error (SQLite code in the text)
    ClaveDuplicada = 3022,     // a row would repeat a unique key
    NoExiste = 3024,           // the database file does not exist, or is gone since it was opened
    DiscoLleno = 3026,         // no room left on the disk
    ErrorDisco = 3043,         // disk or input/output error
    Bloqueada = 3051,          // busy, locked, read-only or without permission
    ErrorSql = 3075,           // a statement the engine refuses (syntax, unknown table or column)
    FormatoNoReconocido = 3343 // the file is not a database, or is damaged
};
}

struct DbError : std::runtime_error {
    DbError(int number, const QString &description);
    int number;
    QString description;   // Spanish
};

// A row as it is written: column names in the order the writing code assigns
// them (the control code reads the fields by position).
struct Campo { QString nombre; QVariant valor; };
using Registro = QList<Campo>;

class Database {
public:
    // Opens an existing file read-write (never creates it), busy timeout of a
    // few seconds (kBusyTimeoutMs), probe query so that a locked or foreign
    // file fails at once.
    // The workgroup file, user and password are only recorded.
    static std::shared_ptr<Database> open(const QString &path, const QString &workgroup = QString(),
                                          const QString &user = QString(), const QString &password = QString());
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    QString path() const { return m_path; }
    QString workgroup() const { return m_workgroup; }
    QString user() const { return m_user; }
    QSqlDatabase handle() const;

    // How long a statement waits for another program's lock before it fails
    // with 3051. Tests shorten it instead of holding a lock for seconds.
    static constexpr int kBusyTimeoutMs = 5000;
    void setBusyTimeout(int ms);

    // SELECT with bound values ('?' placeholders); rows with columns found by
    // name case-insensitively. Date columns come back as stored (ISO text):
    // use toDate()/toDateTime() to read them as dates.
    QList<QSqlRecord> select(const QString &sql, const QVariantList &params = {}) const;
    // The same rows as bare values, in the statement's column order: no
    // record (names and types of every field) is made for each row.
    QList<QVariantList> selectValues(const QString &sql, const QVariantList &params = {}) const;
    // First row's first column, or a null QVariant when no row.
    QVariant scalar(const QString &sql, const QVariantList &params = {}) const;
    // DELETE/UPDATE/other statements; returns the rows affected.
    int exec(const QString &sql, const QVariantList &params = {});

    // Add-new: one INSERT of the columns in the given order.
    void addNew(const QString &table, const Registro &row);
    // Add-new of several rows with the same columns in the same order: one
    // INSERT prepared once and run for each row (the fault hook sees each run).
    // alFinal follows the VALUES clause (an ON CONFLICT clause that edits the
    // row already there).
    void addNewAll(const QString &table, const QList<Registro> &rows, const QString &alFinal = QString());
    // Edit: UPDATE of the given columns where whereSql (with its own values) holds.
    int edit(const QString &table, const Registro &row, const QString &whereSql,
             const QVariantList &whereParams = {});

    // Dates go in as ISO text ("yyyy-MM-dd", "yyyy-MM-dd HH:mm:ss"); any QString,
    // a null one included, goes in as text; only an invalid QVariant binds NULL.
    static QVariant bindable(const QVariant &v);
    static QDate toDate(const QVariant &v);
    static QDateTime toDateTime(const QVariant &v);

    // For tests: called before every statement (BEGIN, SAVEPOINT, COMMIT and
    // RELEASE included, rollbacks excepted); throwing a DbError from it makes
    // that statement fail.
    void setFaultHook(std::function<void(const QString &sql)> hook) { m_fault = std::move(hook); }

    // Maps a Qt/SQLite error to the legacy numbers and Spanish texts.
    static DbError translate(const class QSqlError &e);

    // How many prepared statements a connection keeps for reuse.
    static constexpr int kStatementCacheSize = 64;

private:
    friend class Transaction;
    friend class StatementUse;
    Database() = default;
    void check(const QString &sql) const;
    // Runs a statement and hands each row over as the query stands on it.
    void eachRow(const QString &sql, const QVariantList &params,
                 const std::function<void(const class QSqlQuery &)> &row) const;
    // translate(), and 3024 when the file opened is no longer at its path.
    DbError failure(const class QSqlError &e) const;
    QString m_path, m_workgroup, m_user, m_connection;
    QString m_filePath;                  // absolute: the programs change folder
    QPair<quint64, quint64> m_fileId;    // device and inode when opened
    std::function<void(const QString &)> m_fault;
    int m_depth = 0;   // nesting of Transaction scopes (savepoints inside)

    // Statements prepared on this connection, by SQL text and number of
    // values: preparing costs more than running most of them. Each is reset
    // after every use, so none holds a read lock, and all go before the
    // connection closes. One of a '*' is prepared again when the tables
    // changed since (database.cpp, StatementUse).
    struct Statement;
    mutable QHash<QPair<QString, int>, std::shared_ptr<Statement>> m_statements;
    mutable quint64 m_uses = 0;
};

// One user action's writes: committed only when commit() is called, rolled
// back when the scope ends any other way. Nested scopes become savepoints.
//
// The outermost scope takes the write lock at once (BEGIN IMMEDIATE), so it
// waits out the busy timeout when another program writes, and its reads and
// writes see one state. A deferred transaction that has read cannot take the
// lock later while another connection holds it: SQLite fails it at once,
// without waiting. immediate=false is only for a scope that never writes.
class Transaction {
public:
    explicit Transaction(Database &db, bool immediate = true);
    ~Transaction();
    void commit();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
private:
    Database &m_db;
    bool m_done = false;
    QString m_savepoint;
};
