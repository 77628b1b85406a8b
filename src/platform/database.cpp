#include "platform/database.h"
#include "platform/sqlitedriver.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

namespace {

// Waiting time for the open probe: short, so that a locked file fails at once.
constexpr int kProbeTimeoutMs = 250;

QAtomicInt g_connectionCounter;

// SQLite primary result codes (the low byte of an extended code).
enum SqliteCode {
    kError = 1, kPerm = 3, kBusy = 5, kLocked = 6, kReadOnly = 8, kCorrupt = 11,
    kFull = 13, kCantOpen = 14, kConstraint = 19, kNotADb = 26
};

QString notFoundText(const QString &path)
{
    return QStringLiteral("No se encontró el archivo '%1'.").arg(path);
}

QString lockedText()
{
    return QStringLiteral("La base de datos está bloqueada por otro usuario o no tiene permiso para modificarla.");
}

QString notADbText(const QString &path)
{
    return QStringLiteral("Formato de base de datos no reconocido: '%1'.").arg(path);
}

} // namespace

DbError::DbError(int n, const QString &d)
    : std::runtime_error((QString::number(n) + QLatin1Char(' ') + d).toStdString()),
      number(n), description(d)
{
}

DbError Database::translate(const QSqlError &e)
{
    bool ok = false;
    const int native = e.nativeErrorCode().toInt(&ok);
    const QString detail = e.databaseText().isEmpty() ? e.text() : e.databaseText();
    if (!ok)
        return DbError(dberr::ErrorMotor,
                       QStringLiteral("Error del motor de base de datos: %1").arg(detail));
    switch (native & 0xff) {
    case kBusy:
    case kLocked:
    case kReadOnly:
    case kPerm:
    case kCantOpen:
        return DbError(dberr::Bloqueada, lockedText());
    case kNotADb:
    case kCorrupt:
        return DbError(dberr::FormatoNoReconocido, QStringLiteral("Formato de base de datos no reconocido."));
    case kConstraint:
        return DbError(dberr::ClaveDuplicada,
                       QStringLiteral("No se realizaron los cambios en la tabla porque crearían valores "
                                      "duplicados en la clave (%1).").arg(detail));
    case kFull:
        return DbError(dberr::DiscoLleno, QStringLiteral("No hay espacio suficiente en el disco."));
    case 10:   // SQLITE_IOERR
        return DbError(dberr::ErrorDisco, QStringLiteral("Error de disco o de red (%1).").arg(detail));
    case kError:
        return DbError(dberr::ErrorSql, QStringLiteral("Error en la instrucción SQL (%1).").arg(detail));
    default:
        return DbError(dberr::ErrorMotor,
                       QStringLiteral("Error del motor de base de datos (código %1): %2").arg(native).arg(detail));
    }
}

std::shared_ptr<Database> Database::open(const QString &path, const QString &workgroup,
                                         const QString &user, const QString &password)
{
    Q_UNUSED(password);   // SQLite has no workgroup security: only recorded
    // The file is never created: check it is there and writable before the driver sees it.
    const QFileInfo fi(path);
    if (path.isEmpty() || !fi.exists() || !fi.isFile())
        throw DbError(dberr::NoExiste, notFoundText(path));
    if (!fi.isReadable() || !fi.isWritable() || !QFileInfo(fi.absolutePath()).isWritable())
        throw DbError(dberr::Bloqueada, lockedText());
    if (fi.size() == 0)
        throw DbError(dberr::FormatoNoReconocido, notADbText(path));

    std::shared_ptr<Database> db(new Database);
    db->m_path = path;
    db->m_workgroup = workgroup;
    db->m_user = user;
    db->m_connection = QStringLiteral("qxdb-%1").arg(g_connectionCounter.fetchAndAddRelaxed(1) + 1);

    {
        QSqlDatabase h = sqlite::addConnection(db->m_connection);
        // mode=rw: read-write and never create, whatever the driver's own default.
        QString uri = QUrl::fromLocalFile(fi.absoluteFilePath()).toString(QUrl::FullyEncoded);
        uri += QStringLiteral("?mode=rw");
        h.setDatabaseName(uri);
        h.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(kProbeTimeoutMs));
        if (!h.open()) {
            DbError err = translate(h.lastError());
            if (err.number == dberr::FormatoNoReconocido)
                err = DbError(err.number, notADbText(path));
            throw err;   // the destructor removes the connection
        }
    }
    // Probe: reading the schema fails at once on a locked or foreign file.
    try {
        db->scalar(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        db->setBusyTimeout(kBusyTimeoutMs);
    } catch (const DbError &e) {
        if (e.number == dberr::FormatoNoReconocido)
            throw DbError(e.number, notADbText(path));
        throw;
    }
    return db;
}

Database::~Database()
{
    // The statements first: a connection with statements left open stays open.
    m_statements.clear();
    if (m_connection.isEmpty())
        return;
    {
        QSqlDatabase h = QSqlDatabase::database(m_connection, false);
        if (h.isOpen())
            h.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

QSqlDatabase Database::handle() const
{
    return QSqlDatabase::database(m_connection, false);
}

void Database::setBusyTimeout(int ms)
{
    // Every later statement waits this long for another program's lock.
    exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(qMax(0, ms)));
}

void Database::check(const QString &sql) const
{
    if (m_fault)
        m_fault(sql);
}

struct Database::Statement {
    QSqlQuery query;
    quint64 lastUse = 0;
    bool inUse = false;
};

// One run of a statement: the connection's prepared one for this SQL text and
// number of values when it is free, else one prepared now (and kept). The
// statement is reset when the run ends, however it ends.
class StatementUse {
public:
    StatementUse(const Database &db, const QString &sql, int values)
    {
        auto &cache = db.m_statements;
        const QPair<QString, int> key(sql, values);
        auto it = cache.find(key);
        if (it != cache.end() && !(*it)->inUse) {
            m_statement = *it;
        } else {
            auto st = std::make_shared<Database::Statement>();
            st->query = QSqlQuery(db.handle());
            st->query.setForwardOnly(true);
            if (!st->query.prepare(sql))
                throw Database::translate(st->query.lastError());
            m_statement = st;
            // One in use stays with its user; this one is only for this run.
            if (it == cache.end()) {
                if (cache.size() >= Database::kStatementCacheSize)
                    evictOldest(cache);
                cache.insert(key, st);
            }
        }
        m_statement->inUse = true;
        m_statement->lastUse = ++db.m_uses;
    }
    ~StatementUse()
    {
        m_statement->query.finish();
        m_statement->inUse = false;
    }
    StatementUse(const StatementUse &) = delete;
    StatementUse &operator=(const StatementUse &) = delete;

    QSqlQuery &query() { return m_statement->query; }
    // Binds the values by position and runs the statement.
    void run(const QVariantList &params)
    {
        QSqlQuery &q = query();
        QVariantList valores;
        valores.reserve(params.size());
        for (const QVariant &p : params)
            valores << Database::bindable(p);
        if (!sqlite::execWith(q, valores))
            throw Database::translate(q.lastError());
    }

private:
    static void evictOldest(QHash<QPair<QString, int>, std::shared_ptr<Database::Statement>> &cache)
    {
        auto oldest = cache.end();
        for (auto it = cache.begin(); it != cache.end(); ++it) {
            if (!(*it)->inUse && (oldest == cache.end() || (*it)->lastUse < (*oldest)->lastUse))
                oldest = it;
        }
        if (oldest != cache.end())
            cache.erase(oldest);
    }
    std::shared_ptr<Database::Statement> m_statement;
};

QList<QSqlRecord> Database::select(const QString &sql, const QVariantList &params) const
{
    check(sql);
    StatementUse use(*this, sql, int(params.size()));
    use.run(params);
    QSqlQuery &q = use.query();
    QList<QSqlRecord> rows;
    while (q.next())
        rows.append(q.record());
    if (q.lastError().isValid())
        throw translate(q.lastError());
    return rows;
}

QVariant Database::scalar(const QString &sql, const QVariantList &params) const
{
    const QList<QSqlRecord> rows = select(sql, params);
    if (rows.isEmpty() || rows.first().count() == 0)
        return QVariant();
    return rows.first().value(0);
}

int Database::exec(const QString &sql, const QVariantList &params)
{
    check(sql);
    StatementUse use(*this, sql, int(params.size()));
    use.run(params);
    return use.query().numRowsAffected();
}

void Database::addNew(const QString &table, const Registro &row)
{
    QStringList names, marks;
    QVariantList values;
    for (const Campo &c : row) {
        names << c.nombre;
        marks << QStringLiteral("?");
        values << c.valor;
    }
    exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
             .arg(table, names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))),
         values);
}

void Database::addNewAll(const QString &table, const QList<Registro> &rows, const QString &alFinal)
{
    if (rows.isEmpty())
        return;
    QStringList names, marks;
    for (const Campo &c : rows.first()) {
        names << c.nombre;
        marks << QStringLiteral("?");
    }
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(table, names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")))
                      + alFinal;
    std::unique_ptr<StatementUse> use;
    QVariantList values;
    for (const Registro &row : rows) {
        check(sql);
        if (!use)
            use = std::make_unique<StatementUse>(*this, sql, int(names.size()));
        values.clear();
        for (const Campo &c : row)
            values << c.valor;
        use->run(values);
    }
}

int Database::edit(const QString &table, const Registro &row, const QString &whereSql,
                   const QVariantList &whereParams)
{
    if (row.isEmpty())
        return 0;
    QStringList sets;
    QVariantList values;
    for (const Campo &c : row) {
        sets << c.nombre + QStringLiteral(" = ?");
        values << c.valor;
    }
    QString sql = QStringLiteral("UPDATE %1 SET %2").arg(table, sets.join(QStringLiteral(", ")));
    const QString where = whereSql.trimmed();
    if (!where.isEmpty()) {
        if (where.startsWith(QLatin1String("WHERE "), Qt::CaseInsensitive))
            sql += QLatin1Char(' ') + where;
        else
            sql += QStringLiteral(" WHERE ") + where;
    }
    return exec(sql, values + whereParams);
}

QVariant Database::bindable(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::QDate:
        return v.isNull() ? QVariant() : QVariant(v.toDate().toString(QStringLiteral("yyyy-MM-dd")));
    case QMetaType::QDateTime:
        return v.isNull() ? QVariant()
                          : QVariant(v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    case QMetaType::QTime:
        return v.isNull() ? QVariant() : QVariant(v.toTime().toString(QStringLiteral("HH:mm:ss")));
    case QMetaType::QString:
        // Qt binds a null QString as NULL; the writing code means "".
        return v.toString().isNull() ? QVariant(QStringLiteral("")) : v;
    default:
        return v;
    }
}

QDate Database::toDate(const QVariant &v)
{
    if (v.typeId() == QMetaType::QDate)
        return v.toDate();
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().date();
    const QString s = v.toString().trimmed();
    QDate d = QDate::fromString(s.left(10), QStringLiteral("yyyy-MM-dd"));
    if (!d.isValid())
        d = QDate::fromString(s.left(10), QStringLiteral("dd/MM/yyyy"));
    return d;
}

QDateTime Database::toDateTime(const QVariant &v)
{
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime();
    if (v.typeId() == QMetaType::QDate)
        return QDateTime(v.toDate(), QTime(0, 0));
    const QString s = v.toString().trimmed();
    QDateTime dt = QDateTime::fromString(s, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!dt.isValid())
        dt = QDateTime::fromString(s, QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
    if (!dt.isValid()) {
        const QDate d = toDate(v);
        if (d.isValid())
            dt = QDateTime(d, QTime(0, 0));
    }
    return dt;
}

// ---------------------------------------------------------------------------

Transaction::Transaction(Database &db, bool immediate) : m_db(db)
{
    if (m_db.m_depth == 0) {
        m_db.exec(immediate ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN"));
    } else {
        m_savepoint = QStringLiteral("qx_sp%1").arg(m_db.m_depth);
        m_db.exec(QStringLiteral("SAVEPOINT ") + m_savepoint);
    }
    ++m_db.m_depth;
}

void Transaction::commit()
{
    if (m_done)
        return;
    if (m_savepoint.isEmpty())
        m_db.exec(QStringLiteral("COMMIT"));
    else
        m_db.exec(QStringLiteral("RELEASE ") + m_savepoint);
    m_done = true;
    --m_db.m_depth;
}

Transaction::~Transaction()
{
    if (m_done)
        return;
    // Rollbacks bypass the fault hook and never throw: the engine may already
    // have undone the transaction after the failure that brought us here.
    QSqlDatabase h = m_db.handle();
    auto run = [&h](const QString &sql) {
        QSqlQuery q(h);
        q.exec(sql);
    };
    if (m_savepoint.isEmpty()) {
        run(QStringLiteral("ROLLBACK"));
    } else {
        run(QStringLiteral("ROLLBACK TO ") + m_savepoint);
        run(QStringLiteral("RELEASE ") + m_savepoint);
    }
    --m_db.m_depth;
}
