#include "platform/database.h"

#include <QAtomicInt>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <sys/stat.h>

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

QString goneText(const QString &path)
{
    return QStringLiteral("No se encontró el archivo de la base de datos '%1': se movió o se borró "
                          "mientras el programa lo tenía abierto.").arg(path);
}

// The file a path names now (0, 0 when none).
QPair<quint64, quint64> fileId(const QString &path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {0, 0};
    return {quint64(st.st_dev), quint64(st.st_ino)};
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
        QSqlDatabase h = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), db->m_connection);
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
        db->m_filePath = fi.absoluteFilePath();
        db->m_fileId = fileId(db->m_filePath);
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

DbError Database::failure(const QSqlError &e) const
{
    DbError err = translate(e);
    // SQLite will not write a file that has lost its name (after a crash its
    // journal could not be found beside it) and calls it read-only: the user
    // is told that the file is gone, not that someone locks it.
    if ((err.number == dberr::Bloqueada || err.number == dberr::ErrorDisco) && !m_filePath.isEmpty()
        && fileId(m_filePath) != m_fileId)
        return DbError(dberr::NoExiste, goneText(m_filePath));
    return err;
}

struct Database::Statement {
    QSqlQuery query;
    int named = 0;         // values bound by the names ":1".. (see namedPlaceholders)
    qint64 schema = -1;    // a '*' statement: the schema version it was prepared on
    quint64 lastUse = 0;
    bool inUse = false;
};

namespace {

// Whether a statement's result columns stay what they were when it was
// prepared. Those of a '*' (count(*) aside) follow the table; a '*' that
// multiplies errs on the safe side.
bool fixedColumns(const QString &sql)
{
    for (qsizetype i = sql.indexOf(QLatin1Char('*')); i >= 0; i = sql.indexOf(QLatin1Char('*'), i + 1)) {
        if (!(i > 0 && sql.at(i - 1) == QLatin1Char('(') && i + 1 < sql.size() && sql.at(i + 1) == QLatin1Char(')')))
            return false;
    }
    return true;
}

// The statement with each '?' named ":1", ":2"... in order, and how many;
// an empty text when it has none, or names or numbers of its own. Qt binds
// a value by name for a third of what it costs by position, where it makes
// the position's name anew for every value (Qt 6.4, on 880 values of a
// save's rows: about 37 us by name, 76 by execBatch, 112 by bindValue(int)
// or addBindValue). Quoted texts and names and comments are passed over.
QString namedPlaceholders(const QString &sql, int *count)
{
    QString out;
    out.reserve(sql.size() + 16);
    *count = 0;
    const qsizetype n = sql.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = sql.at(i);
        const QChar next = i + 1 < n ? sql.at(i + 1) : QChar();
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('[')) {
            const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : c;
            const qsizetype end = sql.indexOf(close, i + 1);   // a doubled quote reopens at once
            const qsizetype stop = end < 0 ? n : end + 1;
            out += QStringView(sql).mid(i, stop - i);
            i = stop - 1;
        } else if (c == QLatin1Char('-') && next == QLatin1Char('-')) {
            const qsizetype end = sql.indexOf(QLatin1Char('\n'), i);
            const qsizetype stop = end < 0 ? n : end;
            out += QStringView(sql).mid(i, stop - i);
            i = stop - 1;
        } else if (c == QLatin1Char('/') && next == QLatin1Char('*')) {
            const qsizetype end = sql.indexOf(QLatin1String("*/"), i + 2);
            const qsizetype stop = end < 0 ? n : end + 2;
            out += QStringView(sql).mid(i, stop - i);
            i = stop - 1;
        } else if (c == QLatin1Char('?')) {
            if (next.isDigit())
                return QString();
            out += QLatin1Char(':') + QString::number(++*count);
        } else if ((c == QLatin1Char(':') || c == QLatin1Char('@') || c == QLatin1Char('$'))
                   && (next.isLetterOrNumber() || next == QLatin1Char('_'))) {
            return QString();
        } else {
            out += c;
        }
    }
    return *count > 0 ? out : QString();
}

// ":1", ":2", ...: made once, not for every value bound.
const QString &placeholderName(int i)
{
    static const QStringList names = [] {
        QStringList l;
        for (int k = 1; k <= 1024; ++k)
            l << QLatin1Char(':') + QString::number(k);
        return l;
    }();
    static thread_local QString other;
    if (i < names.size())
        return names.at(i);
    other = QLatin1Char(':') + QString::number(i + 1);
    return other;
}

const QString kSchemaVersion = QStringLiteral("PRAGMA schema_version");
const QString kSchemaRead = QStringLiteral("SELECT count(*) FROM sqlite_master");

} // namespace

// One run of a statement: the connection's prepared one for this SQL text and
// number of values when it is free, else one prepared now (and kept). The
// statement is reset when the run ends, however it ends.
//
// The columns of a '*' follow the table: when another program has added one
// since the connection last looked, SQLite prepares the statement again as
// it runs, and Qt's driver (6.4) writes the longer row into room for the old
// one. So the schema version is read first, in a read that stays open until
// the run ends (nobody changes the tables meanwhile); a kept statement of
// another version is prepared anew, once a read of the schema has brought
// the connection's own copy up to date.
class StatementUse {
public:
    StatementUse(const Database &db, const QString &sql, int values) : m_db(db)
    {
        if (fixedColumns(sql)) {
            m_statement = take(db, sql, values);
            return;
        }
        m_version = take(db, kSchemaVersion, 0);
        try {
            QSqlQuery &v = m_version->query;
            if (!v.exec() || !v.next())
                throw db.failure(v.lastError());
            const qint64 version = v.value(0).toLongLong();
            m_statement = take(db, sql, values, version);
        } catch (...) {
            release(*m_version);
            throw;
        }
    }
    ~StatementUse()
    {
        release(*m_statement);
        if (m_version)
            release(*m_version);
    }
    StatementUse(const StatementUse &) = delete;
    StatementUse &operator=(const StatementUse &) = delete;

    QSqlQuery &query() { return m_statement->query; }
    // Binds the values by position (by the names standing for the
    // positions, when it has them) and runs the statement.
    void run(const QVariantList &params)
    {
        QSqlQuery &q = query();
        if (m_statement->named > 0) {
            if (m_statement->named != params.size())
                throw Database::translate(QSqlError(QString(), QStringLiteral("Parameter count mismatch"),
                                                    QSqlError::StatementError));
            for (int i = 0; i < params.size(); ++i)
                q.bindValue(placeholderName(i), Database::bindable(params.at(i)));
        } else {
            for (int i = 0; i < params.size(); ++i)
                q.bindValue(i, Database::bindable(params.at(i)));
        }
        if (!q.exec())
            throw m_db.failure(q.lastError());
    }
    DbError failure() const { return m_db.failure(m_statement->query.lastError()); }

private:
    // The kept statement for sql and values when it is free (and, for a
    // '*', of this schema version), else one prepared now and kept unless
    // the kept one is in use.
    static std::shared_ptr<Database::Statement> take(const Database &db, const QString &sql, int values,
                                                     qint64 schema = -1)
    {
        auto &cache = db.m_statements;
        const QPair<QString, int> key(sql, values);
        auto it = cache.find(key);
        std::shared_ptr<Database::Statement> st;
        if (it != cache.end() && !(*it)->inUse && (*it)->schema == schema) {
            st = *it;
        } else {
            if (schema >= 0) {
                // Brings the connection's copy of the schema up to date.
                auto lectura = take(db, kSchemaRead, 0);
                const bool ok = lectura->query.exec();
                const QSqlError e = lectura->query.lastError();
                release(*lectura);
                if (!ok)
                    throw db.failure(e);
                it = cache.find(key);   // the read may have changed the cache
            }
            st = std::make_shared<Database::Statement>();
            st->query = QSqlQuery(db.handle());
            st->query.setForwardOnly(true);
            st->schema = schema;
            const QString named = namedPlaceholders(sql, &st->named);
            if (!st->query.prepare(named.isEmpty() ? sql : named))
                throw db.failure(st->query.lastError());
            // One in use stays with its user; this one is only for this run.
            if (it == cache.end() || !(*it)->inUse) {
                if (it == cache.end() && cache.size() >= Database::kStatementCacheSize)
                    evictOldest(cache);
                cache.insert(key, st);
            }
        }
        st->inUse = true;
        st->lastUse = ++db.m_uses;
        return st;
    }
    static void release(Database::Statement &st)
    {
        st.query.finish();
        st.inUse = false;
    }
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
    const Database &m_db;
    std::shared_ptr<Database::Statement> m_statement;
    std::shared_ptr<Database::Statement> m_version;   // the read of the schema version, for a '*'
};

void Database::eachRow(const QString &sql, const QVariantList &params,
                       const std::function<void(const QSqlQuery &)> &row) const
{
    check(sql);
    StatementUse use(*this, sql, int(params.size()));
    use.run(params);
    QSqlQuery &q = use.query();
    while (q.next())
        row(q);
    if (q.lastError().isValid())
        throw use.failure();
}

QList<QSqlRecord> Database::select(const QString &sql, const QVariantList &params) const
{
    QList<QSqlRecord> rows;
    eachRow(sql, params, [&](const QSqlQuery &q) { rows.append(q.record()); });
    return rows;
}

QList<QVariantList> Database::selectValues(const QString &sql, const QVariantList &params) const
{
    QList<QVariantList> rows;
    int columns = -1;
    eachRow(sql, params, [&](const QSqlQuery &q) {
        if (columns < 0)
            columns = q.record().count();
        QVariantList row;
        row.reserve(columns);
        for (int i = 0; i < columns; ++i)
            row.append(q.value(i));
        rows.append(std::move(row));
    });
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
