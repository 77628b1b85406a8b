#include "platform/database.h"
#include "../support/testdb.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

namespace {

QStringList listado(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

int cuenta(Database &db, const QString &table)
{
    return db.scalar(QStringLiteral("SELECT count(*) FROM ") + table).toInt();
}

void agregarCab(Database &db, const QString &ruc)
{
    db.addNew(QStringLiteral("CAB"), {{"DOC_ID_D", ruc}, {"TIP_DOC_D", 6}, {"PERIODO", "1998"},
                                      {"FORMULARIO", "0951"}, {"cNumero", "0"}});
}

} // namespace

class TstDatabase : public QObject {
    Q_OBJECT

private slots:
    void archivoQueFalta()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/QX000.MDB");
        try {
            Database::open(path);
            QFAIL("opened a missing file");
        } catch (const DbError &e) {
            QCOMPARE(e.number, 3024);
            QVERIFY(e.description.contains(path));
        }
        QVERIFY(listado(dir.path()).isEmpty());
    }

    void archivoQueNoEsBase_data()
    {
        QTest::addColumn<QByteArray>("contenido");
        QTest::newRow("texto") << QByteArray("[Options]\r\nSysPath=/home/qx/\r\n");
        QTest::newRow("vacío") << QByteArray();
    }
    void archivoQueNoEsBase()
    {
        QFETCH(QByteArray, contenido);
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/QX000.MDB");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contenido);
        f.close();
        try {
            Database::open(path);
            QFAIL("opened a file that is no database");
        } catch (const DbError &e) {
            QCOMPARE(e.number, 3343);
        }
        QCOMPARE(listado(dir.path()), QStringList{QStringLiteral("QX000.MDB")});
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), contenido);
    }

    void baseBloqueadaFallaEnseguida()
    {
        testdb::Entorno env;
        QVERIFY(env.valido());
        testdb::BloqueoExclusivo lock(env.rutaBase);
        QVERIFY(lock.activo());
        const QStringList antes = listado(env.dbPath);
        QElapsedTimer t;
        t.start();
        try {
            Database::open(env.rutaBase);
            QFAIL("opened a locked database");
        } catch (const DbError &e) {
            QCOMPARE(e.number, 3051);
        }
        QVERIFY2(t.elapsed() < 2000, "the open probe waited too long");
        QCOMPARE(listado(env.dbPath), antes);
    }

    void archivoDeSoloLectura()
    {
        if (geteuid() == 0)
            QSKIP("root writes any file");
        testdb::Entorno env;
        QVERIFY(QFile::setPermissions(env.rutaBase, QFile::ReadOwner));
        try {
            Database::open(env.rutaBase);
            QFAIL("opened a read-only file for writing");
        } catch (const DbError &e) {
            QCOMPARE(e.number, 3051);
        }
    }

    void abiertaPorDosALaVez()
    {
        testdb::Entorno env;
        auto a = env.abrir();
        auto b = env.abrir();
        QVERIFY(a->handle().connectionName() != b->handle().connectionName());
        agregarCab(*a, QStringLiteral("20000000001"));
        QCOMPARE(cuenta(*b, QStringLiteral("CAB")), 1);
        QCOMPARE(a->path(), env.rutaBase);
    }

    void datosRegistrados()
    {
        testdb::Entorno env;
        auto db = Database::open(env.rutaBase, QStringLiteral("/s/QX000.MDW"), QStringLiteral("abcdefgh"),
                                 QStringLiteral("12345678"));
        QCOMPARE(db->workgroup(), QStringLiteral("/s/QX000.MDW"));
        QCOMPARE(db->user(), QStringLiteral("abcdefgh"));
    }

    void fechasComoTextoIso()
    {
        testdb::Entorno env;
        auto db = env.abrir();
        db->addNew(QStringLiteral("SPOOL"), {{"CodRep", "PR0003"},
                                             {"Fecha", QDateTime(QDate(1999, 3, 15), QTime(10, 20, 30))}});
        db->addNew(QStringLiteral("CAB"), {{"DOC_ID_D", "20000000001"}, {"fec_pro", QDate(1998, 12, 9)}});
        QCOMPARE(db->scalar(QStringLiteral("SELECT Fecha FROM SPOOL")).toString(),
                 QStringLiteral("1999-03-15 10:20:30"));
        const QVariant fec = db->scalar(QStringLiteral("SELECT fec_pro FROM CAB"));
        QCOMPARE(fec.toString(), QStringLiteral("1998-12-09"));
        QCOMPARE(Database::toDate(fec), QDate(1998, 12, 9));
        QCOMPARE(Database::toDateTime(db->scalar(QStringLiteral("SELECT Fecha FROM SPOOL"))),
                 QDateTime(QDate(1999, 3, 15), QTime(10, 20, 30)));
    }

    void textoNuloSeGuardaVacio()
    {
        testdb::Entorno env;
        auto db = env.abrir();
        db->addNew(QStringLiteral("CLAVES"), {{"Usuario", QString()}, {"Tipo", QVariant()}});
        const QList<QSqlRecord> rows = db->select(QStringLiteral("SELECT usuario, TIPO FROM CLAVES"));
        QCOMPARE(rows.size(), 1);
        QVERIFY(!rows.first().value(QStringLiteral("Usuario")).isNull());
        QCOMPARE(rows.first().value(QStringLiteral("Usuario")).toString(), QString(""));
        QVERIFY(rows.first().value(QStringLiteral("tipo")).isNull());
    }

    void valoresConApostrofo()
    {
        testdb::Entorno env;
        auto db = env.abrir();
        db->addNew(QStringLiteral("CLAVES"), {{"Usuario", "D'ANGELO"}, {"Tipo", "1"}});
        QCOMPARE(db->scalar(QStringLiteral("SELECT Tipo FROM CLAVES WHERE Usuario = ?"), {"d'angelo"}).toString(),
                 QStringLiteral("1"));
        QCOMPARE(db->edit(QStringLiteral("CLAVES"), {{"Tipo", "0"}}, QStringLiteral("Usuario = ?"), {"D'ANGELO"}), 1);
        QCOMPARE(db->scalar(QStringLiteral("SELECT Tipo FROM CLAVES")).toString(), QStringLiteral("0"));
    }

    void claveDuplicadaYSqlErroneo()
    {
        testdb::Entorno env;
        auto db = env.abrir();
        agregarCab(*db, QStringLiteral("20000000001"));
        try {
            agregarCab(*db, QStringLiteral("20000000001"));
            QFAIL("a second CAB row for one key");
        } catch (const DbError &e) {
            QCOMPARE(e.number, 3022);
        }
        try {
            db->select(QStringLiteral("SELECT * FROM NOEXISTE"));
            QFAIL("selected from a missing table");
        } catch (const DbError &e) {
            QCOMPARE(e.number, 3075);
        }
    }

    // A statement run again with other values finds what a fresh one would:
    // no value of an earlier run stays bound.
    void sentenciaRepetidaConOtrosValores()
    {
        testdb::Entorno env;
        auto db = env.abrir();
        agregarCab(*db, QStringLiteral("20000000001"));
        agregarCab(*db, QStringLiteral("20000000002"));
        const QString sql = QStringLiteral("SELECT count(*) FROM CAB WHERE DOC_ID_D = ?");
        const QList<QPair<QVariant, int>> corridas = {
            {QStringLiteral("20000000001"), 1}, {QStringLiteral("20000000003"), 0},
            {QVariant(), 0},                    {QStringLiteral("20000000002"), 1},
        };
        for (const auto &c : corridas)
            QCOMPARE(db->scalar(sql, {c.first}).toInt(), c.second);
        // Rows added through one statement, one run per row, each with its own values.
        db->addNewAll(QStringLiteral("CLAVES"), {{{"Usuario", "A"}, {"Tipo", "0"}}, {{"Usuario", "B"}, {"Tipo", QVariant()}}});
        const QList<QSqlRecord> claves = db->select(QStringLiteral("SELECT Usuario, Tipo FROM CLAVES ORDER BY 1"));
        QCOMPARE(claves.size(), 2);
        QCOMPARE(claves.at(0).value(1).toString(), QStringLiteral("0"));
        QVERIFY(claves.at(1).value(1).isNull());
    }

    // A read that has ended holds no lock, however it ended: another program
    // commits its write at once.
    void lecturaTerminadaNoRetieneLaBase_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<bool>("comoExec");   // through exec(), which reads no row past the first
        QTest::addColumn<bool>("falla");
        QTest::newRow("select") << "SELECT DOC_ID_D FROM CAB" << false << false;
        QTest::newRow("exec de un select") << "SELECT DOC_ID_D FROM CAB" << true << false;
        QTest::newRow("select que falla en la segunda fila")
            << "SELECT CASE WHEN DOC_ID_D = '20000000002' THEN abs(-9223372036854775807 - 1) ELSE 1 END FROM CAB"
            << false << true;
    }
    void lecturaTerminadaNoRetieneLaBase()
    {
        QFETCH(QString, sql);
        QFETCH(bool, comoExec);
        QFETCH(bool, falla);
        testdb::Entorno env;
        auto db = env.abrir();
        agregarCab(*db, QStringLiteral("20000000001"));
        agregarCab(*db, QStringLiteral("20000000002"));
        for (int vez = 0; vez < 2; ++vez) {   // the second run reuses the statement
            try {
                if (comoExec)
                    db->exec(sql);
                else
                    db->select(sql);
                QVERIFY(!falla);
            } catch (const DbError &e) {
                QVERIFY2(falla, qPrintable(e.description));
            }
            try {
                auto otro = env.abrir();
                otro->setBusyTimeout(0);
                Transaction t(*otro);
                agregarCab(*otro, QStringLiteral("2100000000%1").arg(vez));
                t.commit();
            } catch (const DbError &e) {
                QFAIL(qPrintable(QStringLiteral("the other program could not write: %1 %2").arg(e.number).arg(e.description)));
            }
        }
        QCOMPARE(cuenta(*db, QStringLiteral("CAB")), 4);
    }

    // A statement already prepared fails as a fresh one would, with the
    // same number.
    void fallaDeUnaSentenciaYaPreparada_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<int>("numero");
        QTest::newRow("tabla borrada por otro programa") << "tabla" << 3075;
        QTest::newRow("base bloqueada por otro programa") << "bloqueo" << 3051;
        QTest::newRow("clave duplicada") << "clave" << 3022;
    }
    void fallaDeUnaSentenciaYaPreparada()
    {
        QFETCH(QString, caso);
        QFETCH(int, numero);
        testdb::Entorno env;
        auto db = env.abrir();
        db->setBusyTimeout(100);
        db->exec(QStringLiteral("CREATE TABLE PRUEBA (A TEXT UNIQUE)"));
        const QString sql = QStringLiteral("INSERT INTO PRUEBA (A) VALUES (?)");
        db->exec(sql, {QStringLiteral("uno")});
        std::unique_ptr<testdb::BloqueoExclusivo> bloqueo;
        if (caso == QLatin1String("tabla")) {
            auto otro = env.abrir();
            otro->exec(QStringLiteral("DROP TABLE PRUEBA"));
        } else if (caso == QLatin1String("bloqueo")) {
            bloqueo = std::make_unique<testdb::BloqueoExclusivo>(env.rutaBase);
            QVERIFY(bloqueo->activo());
        }
        try {
            db->exec(sql, {caso == QLatin1String("clave") ? QStringLiteral("uno") : QStringLiteral("dos")});
            QFAIL("the statement ran");
        } catch (const DbError &e) {
            QCOMPARE(e.number, numero);
        }
        bloqueo.reset();
        // And it runs again once the cause is gone.
        if (caso == QLatin1String("bloqueo"))
            QCOMPARE(db->exec(sql, {QStringLiteral("dos")}), 1);
    }

    // Closing the connection closes the file, with the statements it kept.
    void cerrarCierraElArchivo()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("still in use")));
        testdb::Entorno env;
        auto db = env.abrir();
        agregarCab(*db, QStringLiteral("20000000001"));
        QCOMPARE(cuenta(*db, QStringLiteral("CAB")), 1);
        const QString archivo = QFileInfo(env.rutaBase).canonicalFilePath();
        auto abiertos = [&archivo] {
            int n = 0;
            for (const QFileInfo &fd : QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::System | QDir::Files))
                n += fd.symLinkTarget() == archivo;
            return n;
        };
        QVERIFY(abiertos() > 0);
        db.reset();
        QCOMPARE(abiertos(), 0);
    }

    // Each value comes back with the type the reading code goes by (the
    // control code, the amounts, the print scripts): whole numbers as
    // qlonglong, others as double, text as QString, bytes as QByteArray,
    // whatever column they were stored in; dates as their ISO text.
    void tiposDeLosValores_data()
    {
        QTest::addColumn<QString>("columna");
        QTest::addColumn<QVariant>("valor");
        QTest::addColumn<QString>("tipo");   // "" for a null value
        QTest::addColumn<QVariant>("leido");
        QTest::newRow("entero") << "i" << QVariant(42) << "qlonglong" << QVariant(qlonglong(42));
        QTest::newRow("entero de 64 bits") << "i" << QVariant(qlonglong(1) << 40) << "qlonglong"
                                           << QVariant(qlonglong(1099511627776));
        QTest::newRow("logico") << "i" << QVariant(true) << "qlonglong" << QVariant(qlonglong(1));
        QTest::newRow("texto de digitos en columna entera") << "i" << QVariant(QStringLiteral("10")) << "qlonglong"
                                                            << QVariant(qlonglong(10));
        QTest::newRow("letras en columna entera") << "i" << QVariant(QStringLiteral("abc")) << "QString"
                                                  << QVariant(QStringLiteral("abc"));
        QTest::newRow("real") << "r" << QVariant(1.5) << "double" << QVariant(1.5);
        QTest::newRow("entero en columna real") << "r" << QVariant(3) << "double" << QVariant(3.0);
        QTest::newRow("numerico entero") << "n" << QVariant(7) << "qlonglong" << QVariant(qlonglong(7));
        QTest::newRow("numerico con decimales") << "n" << QVariant(12.25) << "double" << QVariant(12.25);
        QTest::newRow("texto") << "t" << QVariant(QStringLiteral("Razón Social")) << "QString"
                               << QVariant(QStringLiteral("Razón Social"));
        QTest::newRow("numero en columna de texto") << "t" << QVariant(1998) << "QString"
                                                    << QVariant(QStringLiteral("1998"));
        QTest::newRow("bytes") << "b" << QVariant(QByteArray("\x00\xff", 2)) << "QByteArray"
                               << QVariant(QByteArray("\x00\xff", 2));
        QTest::newRow("fecha") << "f" << QVariant(QDate(1998, 12, 31)) << "QString"
                               << QVariant(QStringLiteral("1998-12-31"));
        QTest::newRow("sin tipo declarado") << "s" << QVariant(2.5) << "double" << QVariant(2.5);
        QTest::newRow("nulo") << "i" << QVariant() << "" << QVariant();
        QTest::newRow("nulo en columna de texto") << "t" << QVariant() << "" << QVariant();
    }
    void tiposDeLosValores()
    {
        QFETCH(QString, columna);
        QFETCH(QVariant, valor);
        QFETCH(QString, tipo);
        QFETCH(QVariant, leido);
        testdb::Entorno env;
        auto db = env.abrir();
        db->exec(QStringLiteral("CREATE TABLE V (i INTEGER, r REAL, n NUMERIC(10,2), t TEXT, b BLOB, f DATE, s)"));
        db->exec(QStringLiteral("INSERT INTO V (%1) VALUES (?)").arg(columna), {valor});
        const QList<QSqlRecord> filas = db->select(QStringLiteral("SELECT %1 FROM V").arg(columna));
        QCOMPARE(filas.size(), 1);
        const QVariant v = filas.first().value(0);
        if (tipo.isEmpty()) {
            QVERIFY(v.isNull());
            return;
        }
        QVERIFY(!v.isNull());
        QCOMPARE(QString::fromLatin1(v.metaType().name()), tipo);
        QCOMPARE(v, leido);
    }

    // A statement kept prepared answers on its next run as a fresh one
    // would. A name used twice, bound by name on the layer's connection
    // (the layer itself binds '?' by position).
    void nombreUsadoDosVeces()
    {
        testdb::Entorno env;
        auto db = env.abrir();
        QSqlQuery q(db->handle());
        QVERIFY(q.prepare(QStringLiteral("SELECT :a, :b, :a")));
        for (int vez = 0; vez < 2; ++vez) {
            q.bindValue(QStringLiteral(":a"), 1 + 2 * vez);
            q.bindValue(QStringLiteral(":b"), 2 + 2 * vez);
            QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
            QVERIFY(q.next());
            QCOMPARE(q.record().count(), 3);
            QCOMPARE(q.value(0).toInt(), 1 + 2 * vez);
            QCOMPARE(q.value(1).toInt(), 2 + 2 * vez);
            QCOMPARE(q.value(2).toInt(), 1 + 2 * vez);
            q.finish();
        }
    }

    // A '?' in a quoted text, a quoted name or a comment is no value to bind.
    void interrogacionesCitadas()
    {
        testdb::Entorno env;
        auto db = env.abrir();
        const QString sql = QStringLiteral("SELECT ? AS \"¿a?\", '?''?', /* ? */ ? -- ?\n, ?");
        for (int vez = 0; vez < 2; ++vez) {
            const QList<QSqlRecord> filas = db->select(sql, {vez, QStringLiteral("b"), QVariant()});
            QCOMPARE(filas.size(), 1);
            const QSqlRecord &f = filas.first();
            QCOMPARE(f.count(), 4);
            QCOMPARE(f.fieldName(0), QStringLiteral("¿a?"));
            QCOMPARE(f.value(0).toInt(), vez);
            QCOMPARE(f.value(1).toString(), QStringLiteral("?'?"));
            QCOMPARE(f.value(2).toString(), QStringLiteral("b"));
            QVERIFY(f.value(3).isNull());
        }
        try {
            db->select(QStringLiteral("SELECT ?, ?"), {1});
            QFAIL("ran with a value missing");
        } catch (const DbError &) {
        }
    }

    void columnaAgregadaPorOtraConexion()
    {
        testdb::Entorno env;
        auto db = env.abrir();
        db->exec(QStringLiteral("CREATE TABLE T (a INTEGER)"));
        db->exec(QStringLiteral("INSERT INTO T (a) VALUES (1)"));
        const QString sql = QStringLiteral("SELECT * FROM T");
        QCOMPARE(db->select(sql).first().count(), 1);
        auto otra = env.abrir();
        otra->exec(QStringLiteral("ALTER TABLE T ADD COLUMN nueva TEXT DEFAULT 'x'"));
        const QList<QSqlRecord> filas = db->select(sql);
        QCOMPARE(filas.size(), 1);
        QCOMPARE(filas.first().count(), 2);
        QCOMPARE(filas.first().fieldName(1), QStringLiteral("nueva"));
        QCOMPARE(filas.first().value(QStringLiteral("nueva")).toString(), QStringLiteral("x"));
    }

    void primeraCorridaSinFilas()
    {
        testdb::Entorno env;
        auto db = env.abrir();
        agregarCab(*db, QStringLiteral("20000000001"));
        const QString sql = QStringLiteral("SELECT DOC_ID_D, TIP_DOC_D, 1 + 1 AS dos, 'x' || PERIODO AS p FROM CAB "
                                           "WHERE DOC_ID_D = ?");
        QVERIFY(db->select(sql, {QStringLiteral("20000000009")}).isEmpty());
        const QList<QSqlRecord> filas = db->select(sql, {QStringLiteral("20000000001")});
        QCOMPARE(filas.size(), 1);
        const QSqlRecord &f = filas.first();
        QCOMPARE(f.count(), 4);
        for (int i = 0; i < f.count(); ++i)
            QVERIFY2(f.field(i).metaType().isValid(), qPrintable(f.fieldName(i)));
        QCOMPARE(f.value(QStringLiteral("dos")), QVariant(qlonglong(2)));
        QCOMPARE(f.value(QStringLiteral("p")), QVariant(QStringLiteral("x1998")));
    }

    // A select that failed on a locked file reads its rows once the lock is gone.
    void lecturaTrasUnBloqueo()
    {
        testdb::Entorno env;
        auto db = env.abrir();
        db->setBusyTimeout(0);
        agregarCab(*db, QStringLiteral("20000000001"));
        agregarCab(*db, QStringLiteral("20000000002"));
        const QString sql = QStringLiteral("SELECT DOC_ID_D FROM CAB WHERE DOC_ID_D >= ? ORDER BY 1");
        QCOMPARE(db->select(sql, {QStringLiteral("20000000002")}).size(), 1);
        {
            testdb::BloqueoExclusivo bloqueo(env.rutaBase);
            QVERIFY(bloqueo.activo());
            try {
                db->select(sql, {QStringLiteral("2")});
                QFAIL("read under another program's exclusive lock");
            } catch (const DbError &e) {
                QCOMPARE(e.number, 3051);
            }
        }
        const QList<QSqlRecord> filas = db->select(sql, {QStringLiteral("2")});
        QCOMPARE(filas.size(), 2);
        QCOMPARE(filas.at(1).value(0).toString(), QStringLiteral("20000000002"));
    }

    // The file renamed or removed while it is open: a write says the file is
    // gone, with the number of a missing file, not that it is locked.
    void archivoMovidoOBorrado_data()
    {
        QTest::addColumn<bool>("borrado");
        QTest::newRow("renombrado") << false;
        QTest::newRow("borrado") << true;
    }
    void archivoMovidoOBorrado()
    {
        QFETCH(bool, borrado);
        testdb::Entorno env;
        auto db = env.abrir();
        agregarCab(*db, QStringLiteral("20000000001"));
        const QString movido = env.rutaBase + QStringLiteral(".movido");
        QVERIFY(borrado ? QFile::remove(env.rutaBase) : QFile::rename(env.rutaBase, movido));
        QCOMPARE(cuenta(*db, QStringLiteral("CAB")), 1);   // what is open still reads
        try {
            Transaction t(*db);
            agregarCab(*db, QStringLiteral("20000000002"));
            t.commit();
            QFAIL("wrote a file that is gone");
        } catch (const DbError &e) {
            QCOMPARE(e.number, 3024);
            QCOMPARE(e.description, QStringLiteral("No se encontró el archivo de la base de datos '") + env.rutaBase
                                        + QStringLiteral("': se movió o se borró mientras el programa lo tenía abierto."));
        }
        QVERIFY(!QFile::exists(env.rutaBase));
        if (!borrado)
            QCOMPARE(cuenta(*Database::open(movido), QStringLiteral("CAB")), 1);
    }

    // A file put back in its place after being moved is another file for
    // the connection: still gone for it.
    void otroArchivoEnSuLugar()
    {
        testdb::Entorno env;
        auto db = env.abrir();
        const QString movido = env.rutaBase + QStringLiteral(".movido");
        QVERIFY(QFile::copy(env.rutaBase, movido));
        QVERIFY(QFile::remove(env.rutaBase));
        QVERIFY(QFile::rename(movido, env.rutaBase));
        try {
            agregarCab(*db, QStringLiteral("20000000002"));
            QFAIL("wrote a file that is gone");
        } catch (const DbError &e) {
            QCOMPARE(e.number, 3024);
        }
        QCOMPARE(cuenta(*env.abrir(), QStringLiteral("CAB")), 0);
    }

    void traduccion_data()
    {
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<int>("numero");
        QTest::newRow("busy") << "5" << 3051;
        QTest::newRow("busy extendido") << "517" << 3051;
        QTest::newRow("locked") << "6" << 3051;
        QTest::newRow("readonly") << "8" << 3051;
        QTest::newRow("perm") << "3" << 3051;
        QTest::newRow("cantopen") << "14" << 3051;
        QTest::newRow("notadb") << "26" << 3343;
        QTest::newRow("unique") << "2067" << 3022;
        QTest::newRow("full") << "13" << 3026;
        QTest::newRow("ioerr") << "10" << 3043;
        QTest::newRow("sql") << "1" << 3075;
        QTest::newRow("otro") << "21" << 3000;
    }
    void traduccion()
    {
        QFETCH(QString, codigo);
        QFETCH(int, numero);
        const DbError e = Database::translate(QSqlError(QStringLiteral("drv"), QStringLiteral("db"),
                                                        QSqlError::StatementError, codigo));
        QCOMPARE(e.number, numero);
        QVERIFY(!e.description.isEmpty());
    }

    void transaccionConfirmadaYDeshecha()
    {
        testdb::Entorno env;
        auto db = env.abrir();
        {
            Transaction t(*db);
            agregarCab(*db, QStringLiteral("20000000001"));
            t.commit();
        }
        {
            Transaction t(*db, true);
            agregarCab(*db, QStringLiteral("20000000002"));
        }   // no commit: undone
        QCOMPARE(cuenta(*db, QStringLiteral("CAB")), 1);
    }

    void transaccionesAnidadas()
    {
        testdb::Entorno env;
        auto db = env.abrir();
        {
            Transaction outer(*db);
            agregarCab(*db, QStringLiteral("20000000001"));
            {
                Transaction inner(*db);
                agregarCab(*db, QStringLiteral("20000000002"));
            }   // inner undone only
            {
                Transaction inner(*db, true);
                agregarCab(*db, QStringLiteral("20000000003"));
                inner.commit();
            }
            outer.commit();
        }
        const QList<QSqlRecord> rows = db->select(QStringLiteral("SELECT DOC_ID_D FROM CAB ORDER BY 1"));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(0).value(0).toString(), QStringLiteral("20000000001"));
        QCOMPARE(rows.at(1).value(0).toString(), QStringLiteral("20000000003"));
    }

    // The outermost scope holds the write lock from its start, before any
    // statement of its own: another connection's writer cannot begin.
    void transaccionTomaElBloqueoAlEmpezar()
    {
        testdb::Entorno env;
        auto db = env.abrir();
        auto otro = env.abrir();
        otro->setBusyTimeout(0);
        {
            Transaction t(*db);
            try {
                Transaction ajena(*otro);
                QFAIL("a second writer began beside the first");
            } catch (const DbError &e) {
                QCOMPARE(e.number, 3051);
            }
            // A savepoint inside keeps working under the lock.
            Transaction interna(*db);
            agregarCab(*db, QStringLiteral("20000000001"));
            interna.commit();
            t.commit();
        }
        Transaction despues(*otro);
        agregarCab(*otro, QStringLiteral("20000000002"));
        despues.commit();
        QCOMPARE(cuenta(*db, QStringLiteral("CAB")), 2);
    }

    // A transaction that reads before it writes, while another program holds
    // the write lock: it waits for that program instead of failing at once,
    // and fails with 3051 (nothing written) when the wait runs out.
    void leerYEscribirJuntoAOtroPrograma_data()
    {
        QTest::addColumn<int>("retencion");   // ms the other program holds the lock; -1 longer than the wait
        QTest::addColumn<bool>("escrita");
        QTest::newRow("un segundo") << 1000 << true;
        QTest::newRow("mas que la espera") << -1 << false;
    }
    void leerYEscribirJuntoAOtroPrograma()
    {
        QFETCH(int, retencion);
        QFETCH(bool, escrita);
        testdb::Entorno env;
        auto db = env.abrir();
        if (!escrita)
            db->setBusyTimeout(200);
        testdb::EscrituraAjena ajena(env.rutaBase, retencion);
        QVERIFY(ajena.activa());
        try {
            Transaction t(*db);
            if (cuenta(*db, QStringLiteral("CAB")) == 0)
                agregarCab(*db, QStringLiteral("20000000001"));
            t.commit();
            QVERIFY(escrita);
        } catch (const DbError &e) {
            QVERIFY2(!escrita, qPrintable(e.description));
            QCOMPARE(e.number, 3051);
        }
        ajena.soltar();
        QCOMPARE(cuenta(*db, QStringLiteral("CAB")), escrita ? 1 : 0);
    }

    void fallaProvocadaDejaLosDatosAnteriores()
    {
        testdb::Entorno env;
        auto db = env.abrir();
        agregarCab(*db, QStringLiteral("20000000009"));
        int inserts = 0;
        db->setFaultHook([&inserts](const QString &sql) {
            if (sql.startsWith(QLatin1String("INSERT")) && ++inserts == 2)
                throw DbError(3043, QStringLiteral("falla de prueba"));
        });
        try {
            Transaction t(*db);
            agregarCab(*db, QStringLiteral("20000000001"));
            agregarCab(*db, QStringLiteral("20000000002"));
            t.commit();
            QFAIL("the hook did not fire");
        } catch (const DbError &e) {
            QCOMPARE(e.description, QStringLiteral("falla de prueba"));
        }
        db->setFaultHook({});
        const QList<QSqlRecord> rows = db->select(QStringLiteral("SELECT DOC_ID_D FROM CAB"));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().value(0).toString(), QStringLiteral("20000000009"));
    }

    void fallaAlConfirmar()
    {
        testdb::Entorno env;
        auto db = env.abrir();
        db->setFaultHook([](const QString &sql) {
            if (sql == QLatin1String("COMMIT"))
                throw DbError(3051, QStringLiteral("bloqueada"));
        });
        try {
            Transaction t(*db);
            agregarCab(*db, QStringLiteral("20000000001"));
            t.commit();
            QFAIL("commit did not fail");
        } catch (const DbError &e) {
            QCOMPARE(e.number, 3051);
        }
        db->setFaultHook({});
        QCOMPARE(cuenta(*db, QStringLiteral("CAB")), 0);
        // The connection is usable again for the next action.
        Transaction t(*db);
        agregarCab(*db, QStringLiteral("20000000001"));
        t.commit();
        QCOMPARE(cuenta(*db, QStringLiteral("CAB")), 1);
    }
};

QTEST_GUILESS_MAIN(TstDatabase)
#include "tst_database.moc"
