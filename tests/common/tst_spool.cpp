#include "common/spool.h"
#include "common/archivospool.h"
#include "../support/testdb.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <QSet>
#include <QtTest>
#include <cstdio>

namespace {

struct FilaSpool {
    QString codRep, secuencia, archivo;
};

void agregar(Database &db, const FilaSpool &f)
{
    db.addNew(QStringLiteral("SPOOL"), {{"CodRep", f.codRep}, {"Secuencia", f.secuencia}, {"Archivo", f.archivo},
                                        {"Fecha", QDateTime(QDate(1999, 1, 4), QTime(9, 0))},
                                        {"Usuario", "OTRO"}, {"tip_doc_d", 6}, {"Doc_id_d", "20000000009"}});
}

int filas(Database &db)
{
    return db.scalar(QStringLiteral("SELECT count(*) FROM SPOOL")).toInt();
}

// Helper mode: opens the database, says so, waits for the start file, so
// that both helpers run at once, then registers `veces` files under `codigo` and ends.
int registrarMuchas(const QString &base, int veces, const QString &codigo, const QString &salida)
{
    try {
        auto db = Database::open(base);
        // Each waits as long as the other's run lasts: on a loaded machine, or
        // in the sanitizer build, 200 registrations outlast the few seconds a
        // program waits for a lock, and the helper kept waiting gave up.
        db->setBusyTimeout(60000);
        // Widen the gap between reading the numbers and adding the row, where
        // the other helper would slip in without the write lock.
        db->setFaultHook([](const QString &sql) {
            if (sql.startsWith(QLatin1String("INSERT")))
                QThread::msleep(1);
        });
        // Open, and ready: the test starts both once both are.
        QFile lista(salida + QLatin1Char('.') + codigo);
        if (!lista.open(QIODevice::WriteOnly))
            return 1;
        lista.close();
        QDeadlineTimer plazo(30000);
        while (!QFile::exists(salida) && !plazo.hasExpired())
            QThread::msleep(2);
        for (int i = 0; i < veces; ++i)
            fRegistrarSpool(*db, codigo, 6, QStringLiteral("20000000001"), QStringLiteral("USUARIO1"));
    } catch (const DbError &e) {
        std::fprintf(stderr, "%d %s\n", e.number, qPrintable(e.description));
        return 1;
    }
    return 0;
}

} // namespace

Q_DECLARE_METATYPE(QList<FilaSpool>)

class TstSpool : public QObject {
    Q_OBJECT

private slots:
    void numeracion_data()
    {
        QTest::addColumn<QList<FilaSpool>>("existentes");
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<QString>("archivo");
        QTest::addColumn<QString>("secuencia");
        const QList<FilaSpool> dos = {{"PR0002", "000004", "00000007.PRN"}, {"PR0003", "000002", "00000009.PRN"}};
        QTest::newRow("tabla vacía") << QList<FilaSpool>{} << "PR0003" << "00000001.PRN" << "000001";
        QTest::newRow("solo filas de otro código")
            << QList<FilaSpool>{{"PR0002", "000004", "00000007.PRN"}} << "PR0003" << "00000008.PRN" << "000001";
        QTest::newRow("siguiente de PR0002") << dos << "PR0002" << "00000010.PRN" << "000005";
        QTest::newRow("siguiente de PR0003") << dos << "PR0003" << "00000010.PRN" << "000003";
        QTest::newRow("primer PR0014") << dos << "PR0014" << "00000010.PRN" << "000001";
        QTest::newRow("tras borrar filas sigue al mayor que queda")
            << QList<FilaSpool>{{"PR0003", "000001", "00000003.PRN"}} << "pr0003" << "00000004.PRN" << "000002";
        // Rows of names this numbering does not give: a foreign name is passed
        // over, a seven-digit one counts for nothing against eight digits.
        QTest::newRow("fila ajena ABC.PRN")
            << QList<FilaSpool>{{"PR0002", "000001", "ABC.PRN"}} << "PR0002" << "00000001.PRN" << "000002";
        QTest::newRow("fila ajena junto a las propias")
            << QList<FilaSpool>{{"PR0003", "000001", "00000004.PRN"}, {"PR0002", "000001", "ABCDEFGH.PRN"}}
            << "PR0003" << "00000005.PRN" << "000002";
        QTest::newRow("00000010.PRN y 0000009.PRN")
            << QList<FilaSpool>{{"PR0003", "000001", "00000010.PRN"}, {"PR0003", "000002", "0000009.PRN"}}
            << "PR0003" << "00000011.PRN" << "000003";
        QTest::newRow("el último número")
            << QList<FilaSpool>{{"PR0003", "000001", "99999998.PRN"}} << "PR0003" << "99999999.PRN" << "000002";
        // Only the first eight characters make the number.
        QTest::newRow("nueve cifras cuentan por las ocho primeras")
            << QList<FilaSpool>{{"PR0003", "000001", "100000000.PRN"}} << "PR0003" << "10000001.PRN" << "000002";
    }
    void numeracion()
    {
        QFETCH(QList<FilaSpool>, existentes);
        QFETCH(QString, codigo);
        QFETCH(QString, archivo);
        QFETCH(QString, secuencia);
        testdb::Entorno env;
        QVERIFY(env.valido());
        auto db = env.abrir();
        for (const FilaSpool &f : existentes)
            agregar(*db, f);

        const QDateTime antes = QDateTime::currentDateTime().addSecs(-1);
        QCOMPARE(fRegistrarSpool(*db, codigo, 6, QStringLiteral("20000000001"), QStringLiteral("D'ANGELO")), archivo);
        const QDateTime despues = QDateTime::currentDateTime().addSecs(1);

        const QList<QSqlRecord> rows = db->select(QStringLiteral("SELECT * FROM SPOOL WHERE Archivo = ?"), {archivo});
        QCOMPARE(rows.size(), 1);
        const QSqlRecord r = rows.first();
        QCOMPARE(r.value("CodRep").toString(), codigo);
        QCOMPARE(r.value("Secuencia").toString(), secuencia);
        QCOMPARE(r.value("Usuario").toString(), QStringLiteral("D'ANGELO"));
        QCOMPARE(r.value("tip_doc_d").toInt(), 6);
        QCOMPARE(r.value("Doc_id_d").toString(), QStringLiteral("20000000001"));
        const QDateTime fecha = Database::toDateTime(r.value("Fecha"));
        QVERIFY2(fecha >= antes && fecha <= despues, qPrintable(r.value("Fecha").toString()));
        QCOMPARE(filas(*db), int(existentes.size()) + 1);
    }

    // After 99999999.PRN there is no eight-digit name left: the registration
    // stops with its message, adds no row and names no file.
    void numerosAgotados_data()
    {
        QTest::addColumn<QList<FilaSpool>>("existentes");
        QTest::newRow("99999999.PRN") << QList<FilaSpool>{{"PR0003", "000001", "99999999.PRN"}};
        QTest::newRow("con el nombre repetido de antes")
            << QList<FilaSpool>{{"PR0003", "000001", "99999999.PRN"}, {"PR0002", "000001", "100000000.PRN"},
                                {"PR0003", "000002", "100000000.PRN"}};
        QTest::newRow("en minúsculas, junto a otras")
            << QList<FilaSpool>{{"PR0002", "000001", "00000005.PRN"}, {"PR0003", "000001", "99999999.prn"},
                                {"PR0002", "000002", "ABC.PRN"}};
    }
    void numerosAgotados()
    {
        QFETCH(QList<FilaSpool>, existentes);
        testdb::Entorno env;
        QVERIFY(env.valido());
        auto db = env.abrir();
        for (const FilaSpool &f : existentes)
            agregar(*db, f);
        const QString agotados = QStringLiteral("Se agotaron los números de reporte: ya se registró el último, "
                                                "99999999.PRN. Este reporte no se registró.");
        for (const QString &codigo : {QStringLiteral("PR0003"), QStringLiteral("PR0002")}) {
            QString mensaje;
            try {
                fRegistrarSpool(*db, codigo, 6, QStringLiteral("20000000001"), QStringLiteral("U"));
            } catch (const DbError &e) {
                mensaje = e.description;
            }
            QCOMPARE(mensaje, agotados);
            bool publicado = false;
            mensaje.clear();
            try {
                fRegistrarYPublicar(*db, codigo, 6, QStringLiteral("20000000001"), QStringLiteral("U"),
                                    QStringLiteral("tip_doc_d"), [&](const QString &, DiarioPublicacion &) { publicado = true; });
            } catch (const DbError &e) {
                mensaje = e.description;
            }
            QCOMPARE(mensaje, agotados);
            QVERIFY(!publicado);
        }
        QCOMPARE(filas(*db), int(existentes.size()));
    }

    // Every read of a registration finds its rows through an index of SPOOL,
    // so that it does not grow with the register: the report code's highest
    // Secuencia, the highest number given and the guard against a repeated
    // name. (A plain "SEARCH SPOOL", without an index, is SQLite's reading of
    // the whole table for a max().)
    void lecturasPorIndice()
    {
        testdb::Entorno env;
        auto db = env.abrir();
        agregar(*db, {"PR0003", "000001", "00000001.PRN"});
        const QStringList sentencias = testdb::sentenciasDe(*db, [&] {
            fRegistrarSpool(*db, QStringLiteral("PR0003"), 6, QStringLiteral("20000000001"), QStringLiteral("U"));
        });
        const QRegularExpression porIndice(QStringLiteral("^SEARCH SPOOL USING (COVERING )?INDEX SPOOL_"));
        int lecturas = 0;
        for (const QString &s : sentencias) {
            if (!s.startsWith(QLatin1String("SELECT")))
                continue;
            ++lecturas;
            const QStringList pasos = testdb::plan(*db, s);
            QVERIFY2(!pasos.isEmpty(), qPrintable(s));
            for (const QString &paso : pasos)
                QVERIFY2(porIndice.match(paso).hasMatch(), qPrintable(s + QStringLiteral(": ") + paso));
        }
        QCOMPARE(lecturas, 3);
    }

    void formaDelProgramaDeConstancias()
    {
        testdb::Entorno env;
        auto db = env.abrir();
        QCOMPARE(fRegistrarSpool(*db, QStringLiteral("PR0002"), QStringLiteral("06"),
                                 QStringLiteral("20000000001    "), QStringLiteral(" USR "),
                                 QStringLiteral("Tip_doc_d")),
                 QStringLiteral("00000001.PRN"));
        const QSqlRecord r = db->select(QStringLiteral("SELECT * FROM SPOOL")).first();
        QCOMPARE(r.value("tip_doc_d").toInt(), 6);
        QCOMPARE(r.value("Doc_id_d").toString(), QStringLiteral("20000000001    "));
        QCOMPARE(r.value("Usuario").toString(), QStringLiteral(" USR "));
    }

    void fallaAlAgregarNoDejaFila()
    {
        testdb::Entorno env;
        auto db = env.abrir();
        db->setFaultHook([](const QString &sql) {
            if (sql.startsWith(QLatin1String("INSERT")))
                throw DbError(3051, QStringLiteral("bloqueada"));
        });
        QVERIFY_THROWS_EXCEPTION(DbError, fRegistrarSpool(*db, QStringLiteral("PR0003"), 6,
                                                          QStringLiteral("20000000001"), QStringLiteral("U")));
        db->setFaultHook({});
        QCOMPARE(filas(*db), 0);
        QCOMPARE(fRegistrarSpool(*db, QStringLiteral("PR0003"), 6, QStringLiteral("20000000001"), QStringLiteral("U")),
                 QStringLiteral("00000001.PRN"));
    }

    void dosProgramasALaVez()
    {
        testdb::Entorno env;
        QVERIFY(env.valido());
        const QString self = QCoreApplication::applicationFilePath();
        const QString salida = env.sysPath + QStringLiteral("TMP/salida");
        QProcess a, b;
        a.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        b.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        a.start(self, {QStringLiteral("--registrar"), env.rutaBase, QStringLiteral("200"), QStringLiteral("PR0003"), salida});
        b.start(self, {QStringLiteral("--registrar"), env.rutaBase, QStringLiteral("200"), QStringLiteral("PR0002"), salida});
        QVERIFY(a.waitForStarted() && b.waitForStarted());
        // Both helpers open the database before either registers: opening
        // gives up at once on a locked file, and a loaded machine may start
        // one long after the other.
        QDeadlineTimer plazo(60000);
        while (!(QFile::exists(salida + QStringLiteral(".PR0003")) && QFile::exists(salida + QStringLiteral(".PR0002")))
               && !plazo.hasExpired() && a.state() == QProcess::Running && b.state() == QProcess::Running)
            QThread::msleep(5);
        QFile go(salida);
        QVERIFY(go.open(QIODevice::WriteOnly));
        go.close();
        QVERIFY(a.waitForFinished(120000));
        QVERIFY(b.waitForFinished(120000));
        QCOMPARE(a.exitCode(), 0);
        QCOMPARE(b.exitCode(), 0);

        auto db = env.abrir();
        QCOMPARE(filas(*db), 400);
        QSet<QString> nombres;
        for (const QSqlRecord &r : db->select(QStringLiteral("SELECT Archivo FROM SPOOL")))
            nombres.insert(r.value(0).toString());
        QCOMPARE(nombres.size(), 400);
        QVERIFY(nombres.contains(QStringLiteral("00000001.PRN")));
        QVERIFY(nombres.contains(QStringLiteral("00000400.PRN")));
        for (const char *codigo : {"PR0002", "PR0003"}) {
            const QList<QSqlRecord> rows = db->select(
                QStringLiteral("SELECT count(DISTINCT Secuencia), max(Secuencia) FROM SPOOL WHERE CodRep = ?"),
                {QString::fromLatin1(codigo)});
            QCOMPARE(rows.first().value(0).toInt(), 200);
            QCOMPARE(rows.first().value(1).toString(), QStringLiteral("000200"));
        }
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 6 && QByteArray(argv[1]) == "--registrar")
        return registrarMuchas(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt(),
                               QString::fromLocal8Bit(argv[4]), QString::fromLocal8Bit(argv[5]));
    TstSpool t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_spool.moc"
