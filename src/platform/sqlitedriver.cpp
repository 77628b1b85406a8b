#include "platform/sqlitedriver.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QPointer>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlIndex>
#include <QSqlRecord>
#include <QSqlResult>
#include <QStringList>
#include <QVector>

#include <sqlite3.h>

namespace {

class Driver;

QString fTexto16(const void *p, int bytes = -1)
{
    if (!p)
        return QString();
    const QChar *c = static_cast<const QChar *>(p);
    return bytes < 0 ? QString(c) : QString(c, bytes / int(sizeof(QChar)));
}

QString fMensaje(sqlite3 *db)
{
    return db ? fTexto16(sqlite3_errmsg16(db)) : QString();
}

QSqlError fError(sqlite3 *db, const char *contexto, QSqlError::ErrorType tipo, int codigo)
{
    return QSqlError(QCoreApplication::translate("QSQLiteResult", contexto), fMensaje(db), tipo,
                     QString::number(codigo));
}

// A statement asked to run with no statement (or no connection) behind it.
QSqlError fSinSentencia(QSqlError::ErrorType tipo)
{
    return QSqlError(QCoreApplication::translate("QSQLiteResult", "Unable to execute statement"),
                     QCoreApplication::translate("QSQLiteResult", "No query"), tipo);
}

// The field type a declared column type reads as.
QMetaType fTipoDeclarado(const QString &declarado)
{
    const QString t = declarado.toLower();
    if (t == QLatin1String("integer") || t == QLatin1String("int"))
        return QMetaType(QMetaType::Int);
    if (t == QLatin1String("double") || t == QLatin1String("float") || t == QLatin1String("real")
        || t.startsWith(QLatin1String("numeric")))
        return QMetaType(QMetaType::Double);
    if (t == QLatin1String("blob"))
        return QMetaType(QMetaType::QByteArray);
    if (t == QLatin1String("boolean") || t == QLatin1String("bool"))
        return QMetaType(QMetaType::Bool);
    return QMetaType(QMetaType::QString);
}

// A value the binding writes as NULL: no value, or a null string, bytes or
// an invalid date.
bool fEsNulo(const QVariant &v)
{
    if (v.isNull())
        return true;
    switch (v.typeId()) {
    case QMetaType::QString:
        return static_cast<const QString *>(v.constData())->isNull();
    case QMetaType::QByteArray:
        return static_cast<const QByteArray *>(v.constData())->isNull();
    case QMetaType::QDate:
        return !v.toDate().isValid();
    case QMetaType::QTime:
        return !v.toTime().isValid();
    case QMetaType::QDateTime:
        return !v.toDateTime().isValid();
    default:
        return false;
    }
}

// Text goes in and out as UTF-8, the database's own encoding: Qt's
// conversion is quicker than SQLite's translation of UTF-16.
int fEnlazarTexto(sqlite3_stmt *st, int i, const QString &s)
{
    const QByteArray u = s.toUtf8();
    return sqlite3_bind_text(st, i, u.constData(), int(u.size()), SQLITE_TRANSIENT);
}

int fEnlazar(sqlite3_stmt *st, int i, const QVariant &v)
{
    if (fEsNulo(v))
        return sqlite3_bind_null(st, i);
    switch (v.typeId()) {
    case QMetaType::QByteArray: {
        const QByteArray b = v.toByteArray();
        return sqlite3_bind_blob(st, i, b.constData(), int(b.size()), SQLITE_TRANSIENT);
    }
    case QMetaType::Int:
    case QMetaType::Bool:
        return sqlite3_bind_int(st, i, v.toInt());
    case QMetaType::Double:
        return sqlite3_bind_double(st, i, v.toDouble());
    case QMetaType::UInt:
    case QMetaType::LongLong:
        return sqlite3_bind_int64(st, i, v.toLongLong());
    case QMetaType::QDateTime:
        return fEnlazarTexto(st, i, v.toDateTime().toString(Qt::ISODateWithMs));
    case QMetaType::QTime:
        return fEnlazarTexto(st, i, v.toTime().toString(QStringLiteral("hh:mm:ss.zzz")));
    default:
        return fEnlazarTexto(st, i, v.toString());
    }
}

class Resultado;

class Driver : public QSqlDriver {
public:
    Driver() = default;
    ~Driver() override { close(); }

    sqlite3 *conexion() const { return m_db; }

    bool hasFeature(DriverFeature f) const override
    {
        switch (f) {
        case BLOB:
        case Transactions:
        case Unicode:
        case LastInsertId:
        case PreparedQueries:
        case PositionalPlaceholders:
        case NamedPlaceholders:
        case SimpleLocking:
        case FinishQuery:
        case LowPrecisionNumbers:
            return true;
        default:
            return false;
        }
    }

    bool open(const QString &nombre, const QString &, const QString &, const QString &, int,
              const QString &opciones) override
    {
        if (isOpen())
            close();
        int espera = 5000;
        int banderas = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
        for (const QString &o : opciones.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString op = o.trimmed();
            if (op.startsWith(QLatin1String("QSQLITE_BUSY_TIMEOUT"))) {
                const QString valor = op.mid(op.indexOf(QLatin1Char('=')) + 1).trimmed();
                bool ok = false;
                const int ms = valor.toInt(&ok);
                if (op.contains(QLatin1Char('=')) && ok)
                    espera = ms;
            } else if (op == QLatin1String("QSQLITE_OPEN_URI")) {
                banderas |= SQLITE_OPEN_URI;
            } else if (op == QLatin1String("QSQLITE_OPEN_READONLY")) {
                banderas = (banderas & ~(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) | SQLITE_OPEN_READONLY;
            }
        }
        sqlite3 *db = nullptr;
        const int rc = sqlite3_open_v2(nombre.toUtf8().constData(), &db, banderas, nullptr);
        if (rc != SQLITE_OK) {
            setLastError(fError(db, "Error opening database", QSqlError::ConnectionError, rc));
            sqlite3_close_v2(db);
            setOpenError(true);
            return false;
        }
        sqlite3_busy_timeout(db, espera);
        sqlite3_extended_result_codes(db, 1);
        m_db = db;
        setOpen(true);
        setOpenError(false);
        return true;
    }

    void close() override;

    QSqlResult *createResult() const override;

    bool beginTransaction() override { return ejecutar("BEGIN", "Unable to begin transaction"); }
    bool commitTransaction() override { return ejecutar("COMMIT", "Unable to commit transaction"); }
    bool rollbackTransaction() override { return ejecutar("ROLLBACK", "Unable to rollback transaction"); }

    QStringList tables(QSql::TableType tipo) const override
    {
        QStringList nombres;
        if (!m_db)
            return nombres;
        QString sql;
        if (tipo & QSql::Tables)
            sql = QStringLiteral("type='table'");
        if (tipo & QSql::Views)
            sql += (sql.isEmpty() ? QString() : QStringLiteral(" OR ")) + QStringLiteral("type='view'");
        if (!sql.isEmpty()) {
            leer(QStringLiteral("SELECT name FROM sqlite_master WHERE ") + sql
                     + QStringLiteral(" AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY name"),
                 [&](sqlite3_stmt *st) { nombres << fTexto16(sqlite3_column_text16(st, 0)); });
        }
        if (tipo & QSql::SystemTables)
            nombres << QStringLiteral("sqlite_master");
        return nombres;
    }

    QSqlRecord record(const QString &tabla) const override
    {
        QSqlRecord r;
        if (!m_db)
            return r;
        const QString nombre = stripDelimiters(tabla, QSqlDriver::TableName);
        leer(QStringLiteral("PRAGMA table_info(") + escapeIdentifier(nombre, QSqlDriver::TableName)
                 + QStringLiteral(")"),
             [&](sqlite3_stmt *st) {
                 QSqlField f(fTexto16(sqlite3_column_text16(st, 1)),
                             fTipoDeclarado(fTexto16(sqlite3_column_text16(st, 2))), nombre);
                 f.setRequired(sqlite3_column_int(st, 3) != 0);
                 QString porOmision = fTexto16(sqlite3_column_text16(st, 4));
                 if (porOmision.startsWith(QLatin1Char('\''))) {
                     const int fin = int(porOmision.lastIndexOf(QLatin1Char('\'')));
                     if (fin > 0)
                         porOmision = porOmision.mid(1, fin - 1);
                 }
                 f.setDefaultValue(porOmision);
                 r.append(f);
             });
        return r;
    }

    QSqlIndex primaryIndex(const QString &tabla) const override
    {
        const QString nombre = stripDelimiters(tabla, QSqlDriver::TableName);
        const QSqlRecord campos = record(tabla);
        QSqlIndex indice(nombre);
        leer(QStringLiteral("PRAGMA table_info(") + escapeIdentifier(nombre, QSqlDriver::TableName)
                 + QStringLiteral(")"),
             [&](sqlite3_stmt *st) {
                 if (sqlite3_column_int(st, 5) != 0)
                     indice.append(campos.field(fTexto16(sqlite3_column_text16(st, 1))));
             });
        return indice;
    }

    QString escapeIdentifier(const QString &id, IdentifierType) const override
    {
        QString r = id;
        if (!r.isEmpty() && !isIdentifierEscaped(r, QSqlDriver::FieldName)) {
            r.replace(QLatin1Char('"'), QLatin1String("\"\""));
            r = QLatin1Char('"') + r + QLatin1Char('"');
        }
        return r;
    }

    void registrar(Resultado *r) const { m_resultados.append(r); }
    void olvidar(Resultado *r) const { m_resultados.removeAll(r); }

private:
    bool ejecutar(const char *sql, const char *contexto)
    {
        if (!m_db)
            return false;
        const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK) {
            setLastError(fError(m_db, contexto, QSqlError::TransactionError, rc));
            return false;
        }
        return true;
    }

    template <typename F>
    void leer(const QString &sql, F porFila) const
    {
        sqlite3_stmt *st = nullptr;
        if (sqlite3_prepare16_v2(m_db, sql.utf16(), int(sql.size() * sizeof(QChar)), &st, nullptr) != SQLITE_OK) {
            sqlite3_finalize(st);
            return;
        }
        while (sqlite3_step(st) == SQLITE_ROW)
            porFila(st);
        sqlite3_finalize(st);
    }

    sqlite3 *m_db = nullptr;
    mutable QList<Resultado *> m_resultados;
};

class Resultado : public QSqlResult {
public:
    explicit Resultado(const Driver *d) : QSqlResult(d), m_driver(const_cast<Driver *>(d))
    {
        d->registrar(this);
    }
    ~Resultado() override
    {
        finalizar();
        if (m_driver)
            m_driver->olvidar(this);
    }

    // The connection closes: no statement of it may run any more.
    void soltar() { finalizar(); }

    // exec() with these values instead of the bound ones.
    bool ejecutarCon(const QVariantList &valores)
    {
        if (lastError().isValid())
            setLastError(QSqlError());
        return ejecutar(valores);
    }

protected:
    bool reset(const QString &sql) override
    {
        if (!prepare(sql))
            return false;
        return ejecutar({});
    }

    bool prepare(const QString &sql) override
    {
        finalizar();
        limpiarFilas();
        m_registro = QSqlRecord();
        setSelect(false);
        if (!con()) {
            setLastError(fSinSentencia(QSqlError::ConnectionError));
            return false;
        }
        const QByteArray texto = sql.toUtf8();
        const char *resto = nullptr;
        const int rc = sqlite3_prepare_v2(con(), texto.constData(), int(texto.size() + 1), &m_stmt, &resto);
        if (rc != SQLITE_OK) {
            setLastError(fError(con(), "Unable to execute statement", QSqlError::StatementError, rc));
            finalizar();
            return false;
        }
        if (resto && !QString::fromUtf8(resto).trimmed().isEmpty()) {
            setLastError(fError(con(), "Unable to execute multiple statements at a time", QSqlError::StatementError,
                                SQLITE_MISUSE));
            finalizar();
            return false;
        }
        return true;
    }

    bool exec() override { return ejecutar(boundValues()); }

    QVariant data(int i) override
    {
        if (i < 0 || i >= m_fila.size())
            return QVariant();
        return m_fila.at(i);
    }

    bool isNull(int i) override
    {
        return i < 0 || i >= m_fila.size() || m_fila.at(i).isNull();
    }

    bool fetch(int i) override
    {
        if (i < 0)
            return false;
        if (i == at())
            return true;
        if (!isForwardOnly() && i < m_filas.size()) {
            m_fila = m_filas.at(i);
            setAt(i);
            return true;
        }
        if (isForwardOnly() && at() != QSql::BeforeFirstRow && i < at())
            return false;
        while (at() < i) {
            if (!avanzar())
                return false;
        }
        return true;
    }

    bool fetchNext() override
    {
        // Back in rows already read: the next one is among them too.
        if (!isForwardOnly() && at() + 1 >= 0 && at() + 1 < m_filas.size())
            return fetch(at() + 1);
        return avanzar();
    }

    bool fetchFirst() override
    {
        if (at() == 0)
            return true;
        return fetch(0);
    }

    bool fetchLast() override
    {
        if (at() == QSql::AfterLastRow)
            return false;
        while (avanzar()) {
        }
        const int ultima = m_leidas - 1;
        if (ultima < 0)
            return false;
        if (isForwardOnly()) {
            // The last row read is still at hand.
            m_fila = m_ultima;
        } else {
            m_fila = m_filas.at(ultima);
        }
        setAt(ultima);
        return true;
    }

    int size() override { return -1; }

    int numRowsAffected() override { return con() ? sqlite3_changes(con()) : -1; }

    QSqlRecord record() const override
    {
        if (!isActive() || !isSelect())
            return QSqlRecord();
        return m_registro;
    }

    QVariant lastInsertId() const override
    {
        if (!con() || !isActive())
            return QVariant();
        const qint64 id = sqlite3_last_insert_rowid(con());
        return id ? QVariant(id) : QVariant();
    }

    void detachFromResultSet() override
    {
        if (m_stmt)
            sqlite3_reset(m_stmt);
        m_pendiente = false;
    }

    QVariant handle() const override { return QVariant::fromValue(static_cast<void *>(m_stmt)); }

private:
    bool ejecutar(const QVariantList &valores)
    {
        limpiarFilas();
        // A statement run again starts before its first row, wherever its
        // last run (a failure, the end of its rows) left it.
        setAt(QSql::BeforeFirstRow);
        if (!m_stmt) {
            setLastError(fSinSentencia(QSqlError::StatementError));
            setActive(false);
            return false;
        }
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
        const int cuenta = sqlite3_bind_parameter_count(m_stmt);
        if (cuenta != valores.size()) {
            setLastError(QSqlError(QCoreApplication::translate("QSQLiteResult", "Parameter count mismatch"),
                                   QString(), QSqlError::StatementError));
            setActive(false);
            return false;
        }
        for (int i = 0; i < cuenta; ++i) {
            const int rc = fEnlazar(m_stmt, i + 1, valores.at(i));
            if (rc != SQLITE_OK) {
                setLastError(fError(con(), "Unable to bind parameters", QSqlError::StatementError, rc));
                setActive(false);
                return false;
            }
        }
        // The first step now, so that a failing statement fails here.
        const int rc = sqlite3_step(m_stmt);
        if (rc == SQLITE_ROW) {
            if (m_registro.isEmpty())
                armarRegistro(false);
            m_siguiente = leerFila();
            m_pendiente = true;
        } else if (rc == SQLITE_DONE) {
            if (m_registro.isEmpty())
                armarRegistro(true);
            sqlite3_reset(m_stmt);
            m_terminado = true;
            setAt(QSql::AfterLastRow);
        } else {
            fallo(rc);
            setSelect(false);
            setActive(false);
            return false;
        }
        setSelect(!m_registro.isEmpty());
        setActive(true);
        return true;
    }

    // The next row, from the statement.
    bool avanzar()
    {
        if (at() == QSql::AfterLastRow)
            return false;
        QVector<QVariant> fila;
        if (m_pendiente) {
            fila = std::move(m_siguiente);
            m_siguiente.clear();
            m_pendiente = false;
        } else if (m_terminado || !m_stmt) {
            alFinal();
            return false;
        } else {
            const int rc = sqlite3_step(m_stmt);
            if (rc == SQLITE_DONE) {
                sqlite3_reset(m_stmt);
                m_terminado = true;
                alFinal();
                return false;
            }
            if (rc != SQLITE_ROW) {
                fallo(rc);
                alFinal();
                return false;
            }
            fila = leerFila();
        }
        if (!isForwardOnly())
            m_filas.append(fila);
        m_fila = std::move(fila);
        m_ultima = m_fila;
        setAt(m_leidas++);
        return true;
    }

    void alFinal()
    {
        if (isForwardOnly())
            m_fila.clear();
        setAt(QSql::AfterLastRow);
    }

    void fallo(int rc)
    {
        // A generic error's own message comes with the reset.
        if (rc == SQLITE_ERROR || rc == SQLITE_CONSTRAINT)
            rc = sqlite3_reset(m_stmt);
        else
            sqlite3_reset(m_stmt);
        setLastError(fError(con(), "Unable to fetch row", QSqlError::ConnectionError, rc));
        m_terminado = true;
        setAt(QSql::AfterLastRow);
    }

    QVector<QVariant> leerFila() const
    {
        const int n = sqlite3_column_count(m_stmt);
        QVector<QVariant> fila(n);
        for (int i = 0; i < n; ++i) {
            switch (sqlite3_column_type(m_stmt, i)) {
            case SQLITE_INTEGER:
                fila[i] = qint64(sqlite3_column_int64(m_stmt, i));
                break;
            case SQLITE_FLOAT:
                switch (numericalPrecisionPolicy()) {
                case QSql::LowPrecisionInt32:
                    fila[i] = sqlite3_column_int(m_stmt, i);
                    break;
                case QSql::LowPrecisionInt64:
                    fila[i] = qint64(sqlite3_column_int64(m_stmt, i));
                    break;
                default:
                    fila[i] = sqlite3_column_double(m_stmt, i);
                    break;
                }
                break;
            case SQLITE_BLOB:
                fila[i] = QByteArray(static_cast<const char *>(sqlite3_column_blob(m_stmt, i)),
                                     sqlite3_column_bytes(m_stmt, i));
                break;
            case SQLITE_NULL:
                fila[i] = QVariant(QMetaType::fromType<QString>());
                break;
            default: {
                const char *t = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, i));
                fila[i] = t ? QString::fromUtf8(t, sqlite3_column_bytes(m_stmt, i)) : QString(QLatin1String(""));
                break;
            }
            }
        }
        return fila;
    }

    void armarRegistro(bool vacio)
    {
        const int n = sqlite3_column_count(m_stmt);
        for (int i = 0; i < n; ++i) {
            const QString nombre = fTexto16(sqlite3_column_name16(m_stmt, i)).remove(QLatin1Char('"'));
            const QString tabla = fTexto16(sqlite3_column_table_name16(m_stmt, i)).remove(QLatin1Char('"'));
            const QString declarado = fTexto16(sqlite3_column_decltype16(m_stmt, i));
            const int tipoFila = vacio ? -1 : sqlite3_column_type(m_stmt, i);
            QMetaType tipo;
            if (!declarado.isEmpty()) {
                tipo = fTipoDeclarado(declarado);
            } else {
                switch (tipoFila) {
                case SQLITE_INTEGER: tipo = QMetaType(QMetaType::Int); break;
                case SQLITE_FLOAT: tipo = QMetaType(QMetaType::Double); break;
                case SQLITE_BLOB: tipo = QMetaType(QMetaType::QByteArray); break;
                case SQLITE_TEXT: tipo = QMetaType(QMetaType::QString); break;
                default: break;
                }
            }
            QSqlField f(nombre, tipo, tabla);
            f.setSqlType(tipoFila);
            m_registro.append(f);
        }
    }

    void limpiarFilas()
    {
        m_filas.clear();
        m_fila.clear();
        m_ultima.clear();
        m_siguiente.clear();
        m_pendiente = false;
        m_terminado = false;
        m_leidas = 0;
    }

    void finalizar()
    {
        if (m_stmt) {
            sqlite3_finalize(m_stmt);
            m_stmt = nullptr;
        }
        m_pendiente = false;
    }

    sqlite3 *con() const { return m_driver ? m_driver->conexion() : nullptr; }

    QPointer<Driver> m_driver;
    sqlite3_stmt *m_stmt = nullptr;
    QSqlRecord m_registro;
    QVector<QVariant> m_fila;        // the current row
    QVector<QVariant> m_ultima;      // the last row read
    QVector<QVariant> m_siguiente;   // the row the first step read, not yet fetched
    QList<QVector<QVariant>> m_filas;   // every row read, when the query may move back
    bool m_pendiente = false;
    bool m_terminado = false;
    int m_leidas = 0;
};

void Driver::close()
{
    if (!isOpen() && !m_db)
        return;
    for (Resultado *r : std::as_const(m_resultados))
        r->soltar();
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
    setOpen(false);
    setOpenError(false);
}

QSqlResult *Driver::createResult() const
{
    return new Resultado(this);
}

} // namespace

namespace sqlite {

QSqlDatabase addConnection(const QString &connectionName)
{
    return QSqlDatabase::addDatabase(new Driver, connectionName);
}

bool execWith(QSqlQuery &query, const QVariantList &values)
{
    if (auto *r = dynamic_cast<Resultado *>(const_cast<QSqlResult *>(query.result())))
        return r->ejecutarCon(values);
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    return query.exec();
}

} // namespace sqlite
