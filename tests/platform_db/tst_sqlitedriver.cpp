// The programs' linked-in SQLite driver against Qt's own plugin: the code
// above them reads the values' types (formatting, control codes), the records'
// names and the error codes, so both must answer alike.
#include "platform/database.h"
#include "platform/sqlitedriver.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlIndex>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const char *const kEsquema[] = {
    "CREATE TABLE T (id INTEGER PRIMARY KEY, texto TEXT, entero INTEGER, real_ REAL, num NUMERIC(10,2),"
    " fecha DATE, blob_ BLOB, logico BOOLEAN, sin_tipo, texto_nc TEXT COLLATE NOCASE NOT NULL DEFAULT 'x')",
    "CREATE TABLE U (clave TEXT PRIMARY KEY, v INTEGER)",
    "INSERT INTO T (id, texto, entero, real_, num, fecha, blob_, logico, sin_tipo, texto_nc) VALUES"
    " (1, 'Razón Social', 42, 1.5, 12.25, '1998-12-31', x'00ff', 1, 'a', 'A'),"
    " (2, '', 0, -0.0, 7, NULL, NULL, 0, 3, 'b'),"
    " (3, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 2.5, 'c'),"
    " (4, '9', '10', '1e3', 'abc', 19981231, 'txt', 'si', x'41', 'D')",
};

// One description of a value: its type, whether it is null, its text.
QString fDescribir(const QVariant &v)
{
    return QStringLiteral("%1|%2|%3").arg(QString::fromLatin1(v.metaType().name()))
        .arg(v.isNull() ? 1 : 0)
        .arg(v.typeId() == QMetaType::QByteArray ? QString::fromLatin1(v.toByteArray().toHex()) : v.toString());
}

QString fDescribir(const QSqlField &f)
{
    return QStringLiteral("%1:%2:%3").arg(f.name(), QString::fromLatin1(f.metaType().name()), f.tableName());
}

// What a query gives, row by row: its record, then every value with its
// type, then isNull, then the error and the rows changed.
QStringList fCorrer(QSqlDatabase h, const QString &sql, const QVariantList &valores, bool adelante)
{
    QStringList r;
    QSqlQuery q(h);
    q.setForwardOnly(adelante);
    bool ok = true;
    if (valores.isEmpty() && !sql.contains(QLatin1Char('?'))) {
        ok = q.exec(sql);
    } else {
        ok = q.prepare(sql);
        for (int i = 0; ok && i < valores.size(); ++i)
            q.bindValue(i, valores.at(i));
        ok = ok && q.exec();
    }
    r << QStringLiteral("ok=%1 select=%2 active=%3 at=%4").arg(ok).arg(q.isSelect()).arg(q.isActive()).arg(q.at());
    const QSqlRecord rec = q.record();
    QStringList campos;
    for (int i = 0; i < rec.count(); ++i)
        campos << fDescribir(rec.field(i));
    r << campos.join(QLatin1Char(' '));
    while (q.next()) {
        const QSqlRecord fila = q.record();
        QStringList valoresFila;
        for (int i = 0; i < fila.count(); ++i)
            valoresFila << fDescribir(fila.value(i)) + (q.isNull(i) ? QStringLiteral("(N)") : QString());
        r << valoresFila.join(QLatin1Char(' '));
    }
    r << QStringLiteral("at=%1").arg(q.at());
    const QSqlError e = q.lastError();
    r << QStringLiteral("error=%1 tipo=%2 codigo=%3 texto=%4")
             .arg(e.isValid()).arg(int(e.type())).arg(e.nativeErrorCode(), e.databaseText());
    if (ok && !q.isSelect())
        r << QStringLiteral("filas=%1").arg(q.numRowsAffected());
    return r;
}

class Par {
public:
    explicit Par(const QString &dir)
    {
        static int n = 0;
        ++n;
        m_qt = QStringLiteral("par-qt-%1").arg(n);
        m_nuestra = QStringLiteral("par-nuestra-%1").arg(n);
        rutaQt = dir + QStringLiteral("/qt.db");
        rutaNuestra = dir + QStringLiteral("/nuestra.db");
        QSqlDatabase a = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_qt);
        a.setDatabaseName(rutaQt);
        QSqlDatabase b = sqlite::addConnection(m_nuestra);
        b.setDatabaseName(rutaNuestra);
        ok = a.open() && b.open();
        for (const char *s : kEsquema)
            ok = ok && QSqlQuery(a).exec(QString::fromUtf8(s)) && QSqlQuery(b).exec(QString::fromUtf8(s));
    }
    ~Par()
    {
        QSqlDatabase::database(m_qt, false).close();
        QSqlDatabase::database(m_nuestra, false).close();
        QSqlDatabase::removeDatabase(m_qt);
        QSqlDatabase::removeDatabase(m_nuestra);
    }
    QSqlDatabase qt() const { return QSqlDatabase::database(m_qt, false); }
    QSqlDatabase nuestra() const { return QSqlDatabase::database(m_nuestra, false); }

    bool ok = false;
    QString rutaQt, rutaNuestra;

private:
    QString m_qt, m_nuestra;
};

} // namespace

class TstSqliteDriver : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))); }

    void comoElDeQt_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariantList>("valores");
        QTest::addColumn<bool>("adelante");

        QTest::newRow("every column type") << QStringLiteral("SELECT * FROM T ORDER BY id") << QVariantList() << true;
        QTest::newRow("moving back allowed") << QStringLiteral("SELECT * FROM T ORDER BY id") << QVariantList() << false;
        QTest::newRow("expressions") << QStringLiteral(
            "SELECT count(*), max(real_), 'x' || texto AS \"Uni\"\"do\", NULL, 1.0, x'01', sin_tipo FROM T")
                                      << QVariantList() << true;
        QTest::newRow("no rows") << QStringLiteral("SELECT id, texto, 1 + 1 AS dos FROM T WHERE id < 0")
                                 << QVariantList() << true;
        QTest::newRow("bound values") << QStringLiteral("SELECT ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?")
                                      << QVariantList{QVariant(), QString(), QStringLiteral(""), 7, qint64(1) << 40,
                                                      2.25, true, QByteArray("\x01\x02", 2), QDate(1998, 12, 31),
                                                      QDateTime(QDate(1998, 1, 2), QTime(3, 4, 5, 6)), QTime(7, 8, 9)}
                                      << true;
        QTest::newRow("NOCASE comparison") << QStringLiteral("SELECT id FROM T WHERE texto_nc = ? ORDER BY id")
                                           << QVariantList{QStringLiteral("d")} << true;
        QTest::newRow("insert") << QStringLiteral("INSERT INTO U (clave, v) VALUES (?, ?)")
                                << QVariantList{QStringLiteral("k"), 1} << true;
        QTest::newRow("update several") << QStringLiteral("UPDATE T SET entero = entero + 1 WHERE id <= 2")
                                        << QVariantList() << true;
        QTest::newRow("delete none") << QStringLiteral("DELETE FROM T WHERE id = 99") << QVariantList() << true;
        QTest::newRow("syntax error") << QStringLiteral("SELEC * FROM T") << QVariantList() << true;
        QTest::newRow("missing table") << QStringLiteral("SELECT * FROM NoHay") << QVariantList() << true;
        QTest::newRow("duplicate key") << QStringLiteral("INSERT INTO T (id, texto_nc) VALUES (1, 'z')")
                                       << QVariantList() << true;
        QTest::newRow("not null") << QStringLiteral("INSERT INTO T (id, texto_nc) VALUES (9, NULL)")
                                  << QVariantList() << true;
        QTest::newRow("two statements") << QStringLiteral("SELECT 1; SELECT 2") << QVariantList() << true;
        QTest::newRow("trailing semicolon") << QStringLiteral("SELECT 1;  ") << QVariantList() << true;
        QTest::newRow("a name used twice") << QStringLiteral("SELECT :a, :b, :a")
                                           << QVariantList{1, 2, 1} << true;
        QTest::newRow("too few values") << QStringLiteral("SELECT ?, ?") << QVariantList{1} << true;
        QTest::newRow("pragma") << QStringLiteral("PRAGMA busy_timeout = 1234") << QVariantList() << true;
        QTest::newRow("begin and commit") << QStringLiteral("BEGIN IMMEDIATE") << QVariantList() << true;
    }

    void comoElDeQt()
    {
        QFETCH(QString, sql);
        QFETCH(QVariantList, valores);
        QFETCH(bool, adelante);
        QTemporaryDir dir;
        Par par(dir.path());
        QVERIFY(par.ok);
        const QStringList qt = fCorrer(par.qt(), sql, valores, adelante);
        const QStringList nuestra = fCorrer(par.nuestra(), sql, valores, adelante);
        QCOMPARE(nuestra.join(QLatin1Char('\n')), qt.join(QLatin1Char('\n')));
    }

    // seek, last, previous and first on a query that may move back, and
    // forward-only refusing to.
    void navegacion_data()
    {
        QTest::addColumn<bool>("adelante");
        QTest::newRow("may move back") << false;
        QTest::newRow("forward only") << true;
    }

    void navegacion()
    {
        QFETCH(bool, adelante);
        QTemporaryDir dir;
        Par par(dir.path());
        QVERIFY(par.ok);
        auto recorrer = [adelante](QSqlDatabase h) {
            QStringList r;
            QSqlQuery q(h);
            q.setForwardOnly(adelante);
            q.exec(QStringLiteral("SELECT id FROM T ORDER BY id"));
            auto paso = [&](const char *que, bool ok) {
                r << QStringLiteral("%1 %2 at=%3 v=%4").arg(QLatin1String(que)).arg(ok).arg(q.at())
                         .arg(q.value(0).toString());
            };
            paso("seek2", q.seek(2));
            paso("last", q.last());
            paso("previous", q.previous());
            paso("first", q.first());
            paso("seek1", q.seek(1));
            paso("next", q.next());
            paso("next", q.next());
            paso("next", q.next());
            return r;
        };
        QCOMPARE(recorrer(par.nuestra()), recorrer(par.qt()));
    }

    // What the driver tells of the tables: the save reads a table's
    // columns, in order, from it.
    void estructura()
    {
        QTemporaryDir dir;
        Par par(dir.path());
        QVERIFY(par.ok);
        auto describir = [](QSqlDatabase h) {
            QStringList r;
            const QSqlRecord rec = h.record(QStringLiteral("T"));
            for (int i = 0; i < rec.count(); ++i)
                r << fDescribir(rec.field(i)) + QStringLiteral(" req=%1 def=%2")
                                                    .arg(int(rec.field(i).requiredStatus()))
                                                    .arg(rec.field(i).defaultValue().toString());
            r << h.tables().join(QLatin1Char(','));
            r << h.primaryIndex(QStringLiteral("U")).fieldName(0);
            r << h.driver()->escapeIdentifier(QStringLiteral("a\"b"), QSqlDriver::TableName);
            return r;
        };
        QCOMPARE(describir(par.nuestra()), describir(par.qt()));
    }

    // Transactions through the connection, and a statement left open keeps
    // a reader's snapshot until its query is finished, as the plugin's.
    void transaccionesYLectores()
    {
        QTemporaryDir dir;
        Par par(dir.path());
        QVERIFY(par.ok);
        for (QSqlDatabase h : {par.qt(), par.nuestra()}) {
            QVERIFY(h.transaction());
            QVERIFY(QSqlQuery(h).exec(QStringLiteral("INSERT INTO U VALUES ('a', 1)")));
            QVERIFY(h.rollback());
            QVERIFY(h.transaction());
            QVERIFY(QSqlQuery(h).exec(QStringLiteral("INSERT INTO U VALUES ('b', 2)")));
            QVERIFY(h.commit());
            QSqlQuery q(h);
            QVERIFY(q.exec(QStringLiteral("SELECT group_concat(clave) FROM U")));
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toString(), QStringLiteral("b"));
            QVERIFY(!h.commit());   // none open
        }
    }

    // The connection options the programs and the host give.
    void opciones()
    {
        QTemporaryDir dir;
        const QString falta = dir.filePath(QStringLiteral("falta.db"));
        auto abrir = [&](bool nuestra, const QString &nombre, const QString &opciones) {
            static int n = 0;
            const QString conexion = QStringLiteral("opciones-%1").arg(++n);
            QString r;
            {
                QSqlDatabase h = nuestra ? sqlite::addConnection(conexion)
                                         : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conexion);
                h.setDatabaseName(nombre);
                h.setConnectOptions(opciones);
                const bool ok = h.open();
                r = QStringLiteral("open=%1 codigo=%2").arg(ok).arg(h.lastError().nativeErrorCode());
                if (ok) {
                    QSqlQuery q(h);
                    q.exec(QStringLiteral("PRAGMA busy_timeout"));
                    q.next();
                    r += QStringLiteral(" espera=%1").arg(q.value(0).toString());
                    r += QStringLiteral(" escribe=%1").arg(QSqlQuery(h).exec(QStringLiteral("CREATE TABLE IF NOT EXISTS Z (a)")));
                }
                h.close();
            }
            QSqlDatabase::removeDatabase(conexion);
            return r;
        };
        const QString uriFalta = QUrl::fromLocalFile(falta).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw");
        const QString nueva = dir.filePath(QStringLiteral("nueva.db"));
        const struct {
            QString nombre, opciones;
        } casos[] = {
            {uriFalta, QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=250")},   // never created
            {nueva, QString()},                                                           // created, 5000 ms
            {nueva, QStringLiteral("QSQLITE_BUSY_TIMEOUT=20000")},
            {nueva, QStringLiteral("QSQLITE_OPEN_READONLY")},
        };
        for (const auto &c : casos) {
            const QString qt = abrir(false, c.nombre, c.opciones);
            QFile::remove(nueva);
            if (c.opciones == QLatin1String("QSQLITE_OPEN_READONLY"))
                abrir(true, nueva, QString());   // the read-only case needs the file
            const QString nuestra = abrir(true, c.nombre, c.opciones);
            QCOMPARE(nuestra, qt);
        }
        QVERIFY(!QFile::exists(falta));
    }

    // Another program's write lock: the busy error code the programs
    // translate into "locked by another user".
    void bloqueada()
    {
        QTemporaryDir dir;
        Par par(dir.path());
        QVERIFY(par.ok);
        auto intentar = [](const QString &ruta, bool nuestra) {
            static int n = 0;
            const QString a = QStringLiteral("bloqueo-a-%1").arg(++n), b = QStringLiteral("bloqueo-b-%1").arg(n);
            QString r;
            {
                QSqlDatabase h1 = sqlite::addConnection(a);
                h1.setDatabaseName(ruta);
                if (!h1.open())
                    return QStringLiteral("the first connection did not open");
                QSqlDatabase h2 = nuestra ? sqlite::addConnection(b)
                                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), b);
                h2.setDatabaseName(ruta);
                h2.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=50"));
                if (!h2.open() || !QSqlQuery(h1).exec(QStringLiteral("BEGIN IMMEDIATE")))
                    return QStringLiteral("the lock was not taken");
                QSqlQuery q(h2);
                const bool ok = q.exec(QStringLiteral("INSERT INTO U VALUES ('c', 3)"));
                r = QStringLiteral("ok=%1 codigo=%2 tipo=%3").arg(ok).arg(q.lastError().nativeErrorCode())
                        .arg(int(q.lastError().type()));
                if (!QSqlQuery(h1).exec(QStringLiteral("ROLLBACK")))
                    r += QStringLiteral(" (no rollback)");
                h1.close();
                h2.close();
            }
            QSqlDatabase::removeDatabase(a);
            QSqlDatabase::removeDatabase(b);
            return r;
        };
        QCOMPARE(intentar(par.rutaNuestra, true), intentar(par.rutaQt, false));
    }

    // A prepared statement run again after a run that failed (the file
    // locked) or found no rows reads its rows: the programs keep their
    // statements prepared and run them again.
    void reusoTrasFallo()
    {
        QTemporaryDir dir;
        Par par(dir.path());
        QVERIFY(par.ok);
        auto correr = [](QSqlDatabase h, const QString &ruta) {
            QStringList r;
            QSqlQuery q(h);
            q.setForwardOnly(true);
            QSqlQuery(h).exec(QStringLiteral("PRAGMA busy_timeout = 0"));
            r << QString::number(q.prepare(QStringLiteral("SELECT id FROM T WHERE id >= ? ORDER BY id")));
            auto paso = [&](int desde) {
                q.bindValue(0, desde);
                QString s = QStringLiteral("exec=%1").arg(q.exec());
                while (q.next())
                    s += QLatin1Char(' ') + q.value(0).toString();
                r << s;
                q.finish();
            };
            paso(9);   // no rows
            paso(3);
            {
                static int n = 0;
                const QString c = QStringLiteral("reuso-%1").arg(++n);
                {
                    QSqlDatabase otra = sqlite::addConnection(c);
                    otra.setDatabaseName(ruta);
                    otra.open();
                    QSqlQuery(otra).exec(QStringLiteral("BEGIN EXCLUSIVE"));
                    paso(1);   // locked
                    QSqlQuery(otra).exec(QStringLiteral("ROLLBACK"));
                    otra.close();
                }
                QSqlDatabase::removeDatabase(c);
            }
            paso(2);
            return r;
        };
        const QStringList nuestra = correr(par.nuestra(), par.rutaNuestra);
        QCOMPARE(nuestra, correr(par.qt(), par.rutaQt));
        QCOMPARE(nuestra.last(), QStringLiteral("exec=1 2 3 4"));
    }

    // Closing the connection under a query left with it: the query fails
    // cleanly afterwards instead of touching a closed handle.
    void cierreConConsultaViva()
    {
        QTemporaryDir dir;
        Par par(dir.path());
        QVERIFY(par.ok);
        QSqlDatabase h = par.nuestra();
        QSqlQuery q(h);
        QVERIFY(q.prepare(QStringLiteral("SELECT id FROM T")));
        QVERIFY(q.exec());
        QVERIFY(q.next());
        h.close();
        QVERIFY(!q.exec());
        QVERIFY(!q.next());
    }

    // The programs' own layer on this driver: a locked database is
    // reported as such.
    void capaDeLosProgramas()
    {
        QTemporaryDir dir;
        Par par(dir.path());
        QVERIFY(par.ok);
        auto db = Database::open(par.rutaNuestra, QString(), QStringLiteral("U1"), QString());
        auto otra = Database::open(par.rutaNuestra, QString(), QStringLiteral("U2"), QString());
        otra->setBusyTimeout(50);
        Transaction t(*db, true);
        try {
            otra->exec(QStringLiteral("INSERT INTO U VALUES ('d', 4)"));
            QFAIL("written under another writer's lock");
        } catch (const DbError &e) {
            QCOMPARE(e.number, int(dberr::Bloqueada));
        }
        t.commit();
        QCOMPARE(db->scalar(QStringLiteral("SELECT count(*) FROM T")).toInt(), 4);
    }
};

QTEST_GUILESS_MAIN(TstSqliteDriver)
#include "tst_sqlitedriver.moc"
