// First start of the host: settings file and database with the reference rows,
// and failures that leave nothing behind.
#include "host/entorno.h"
#include "host/esquema.h"
#include "platform/database.h"
#include "platform/inifile.h"
#include "../support/testdb.h"

#include <QDir>
#include <QFile>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

class TstEntorno : public QObject {
    Q_OBJECT
    QTemporaryDir *m_tmp = nullptr;
    QString m_windir;

    static QStringList archivos(const QString &carpeta)
    {
        return QDir(carpeta).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    // A path below a plain file: nobody, root included, can make a folder there.
    QString bajoArchivo(const QString &nombre)
    {
        const QString archivo = m_tmp->filePath(QStringLiteral("soy-un-archivo"));
        QFile f(archivo);
        f.open(QIODevice::WriteOnly);
        f.write("x");
        f.close();
        return archivo + QLatin1Char('/') + nombre;
    }

private slots:
    void init()
    {
        m_tmp = new QTemporaryDir;
        m_windir = m_tmp->filePath(QStringLiteral("windows")) + QLatin1Char('/');
        QDir().mkpath(m_windir);
        qputenv("QX_WINDIR", m_windir.toLocal8Bit());
    }
    void cleanup()
    {
        qunsetenv("QX_WINDIR");
        delete m_tmp;
        m_tmp = nullptr;
    }

    void primerInicio()
    {
        const QString carpeta = m_tmp->filePath(QStringLiteral("datos"));
        host::Entorno e;
        QString error;
        QVERIFY2(host::fPrepararEntorno(carpeta, QStringLiteral("PRUEBA"), false, &e, &error), qPrintable(error));
        QVERIFY(e.creado);
        QCOMPARE(e.carpetaDatos, carpeta + QLatin1Char('/'));

        const QString ini = m_windir + QStringLiteral("QX000.INI");
        QVERIFY(QFile::exists(ini));
        auto clave = [](const char *k) {
            return ini::GetPrivateProfileString(QStringLiteral("Options"), QString::fromLatin1(k), QString(),
                                                QStringLiteral("QX000.INI"));
        };
        QCOMPARE(clave("SysPath"), carpeta + QLatin1Char('/'));
        QCOMPARE(clave("DBPath"), carpeta + QLatin1Char('/'));
        QCOMPARE(clave("DBPath") + clave("DBName"), e.baseDatos);
        QCOMPARE(clave("SysUser"), QStringLiteral("PRUEBA"));
        for (const char *sub : {"RPT", "TMP", "0951"})
            QVERIFY(QFileInfo(carpeta + QLatin1Char('/') + QLatin1String(sub)).isDir());

        auto db = Database::open(e.baseDatos);
        QCOMPARE(db->scalar(QStringLiteral("SELECT FUNCION FROM PARAM WHERE NUMERO='044' AND ARGUMENTO='6'")).toString(),
                 QStringLiteral("REG. UNICO DE CONTRIBUYENTES   RUC           11 000110 01 000001000001100111011111"
                                "                                           0 5 0"));
        QCOMPARE(db->scalar(QStringLiteral("SELECT count(*) FROM PARAM WHERE NUMERO='004' AND ARGUMENTO='00'")).toInt(), 1);
        QVERIFY(db->scalar(QStringLiteral("SELECT count(*) FROM PARAM WHERE NUMERO='004' AND ARGUMENTO<>'00'")).toInt() >= 2);
        QVERIFY(db->scalar(QStringLiteral("SELECT count(*) FROM PARAM WHERE NUMERO='030'")).toInt() >= 2);
        for (const char *codigo : {"0151", "0152"})
            QVERIFY(!db->scalar(QStringLiteral("SELECT DescError FROM ERROR WHERE CodError=?"),
                                {QString::fromLatin1(codigo)}).toString().isEmpty());
        QCOMPARE(db->scalar(QStringLiteral("SELECT count(*) FROM CLAVES WHERE Usuario='PRUEBA'")).toInt(), 1);
        QCOMPARE(db->scalar(QStringLiteral("SELECT count(*) FROM CONT")).toInt(), 0);

        const QStringList meses = {"9801", "9802", "9803", "9804", "9805", "9806", "9807", "9808",
                                   "9809", "9810", "9811", "9812", "9901", "9902", "9903"};
        for (const char *codtri : {"030301", "030304"}) {
            QStringList hallados;
            for (const QSqlRecord &r : db->select(QStringLiteral("SELECT PERIODO, FACTOR FROM FAC WHERE FORMULARIO='0951'"
                                                                 " AND CODTRI=? ORDER BY PERIODO"),
                                                  {QString::fromLatin1(codtri)})) {
                hallados << r.value(0).toString();
                QVERIFY(r.value(1).toDouble() >= 1.0);
            }
            QCOMPARE(hallados, meses);
        }
        // No temporary file is left beside the database.
        QCOMPARE(archivos(carpeta), (QStringList{"0951", "QX000.MDB", "RPT", "TMP"}));
    }

    void segundoInicioUsaLoExistente()
    {
        const QString carpeta = m_tmp->filePath(QStringLiteral("datos"));
        host::Entorno e;
        QString error;
        QVERIFY(host::fPrepararEntorno(carpeta, QStringLiteral("PRUEBA"), true, &e, &error));
        const QByteArray antes = [&] { QFile f(e.archivoIni); f.open(QIODevice::ReadOnly); return f.readAll(); }();
        host::Entorno otra;
        QVERIFY(host::fPrepararEntorno(m_tmp->filePath(QStringLiteral("otra")), QString(), false, &otra, &error));
        QVERIFY(!otra.creado);
        QCOMPARE(otra.baseDatos, e.baseDatos);
        QCOMPARE(otra.usuario, QStringLiteral("PRUEBA"));
        QVERIFY(!QFileInfo::exists(m_tmp->filePath(QStringLiteral("otra"))));
        QFile f(e.archivoIni);
        f.open(QIODevice::ReadOnly);
        QCOMPARE(f.readAll(), antes);
        // The sample taxpayers were added with the first start.
        auto db = Database::open(e.baseDatos);
        QCOMPARE(db->scalar(QStringLiteral("SELECT count(*) FROM CONT WHERE Usuario='PRUEBA'")).toInt(), 2);
    }

    // A database made before the registers' indexes were in the schema gets
    // them at the next start, its rows kept; one locked at that moment starts
    // as it is, and gets them at a later start.
    void indicesDeUnaBaseAnterior_data()
    {
        QTest::addColumn<bool>("bloqueada");
        QTest::addColumn<QStringList>("indices");
        QTest::newRow("libre") << false
                               << QStringList{"CONT_Documento", "CONT_Usuario", "SPOOL_Numero", "SPOOL_Secuencia"};
        QTest::newRow("bloqueada") << true << QStringList{};
    }
    void indicesDeUnaBaseAnterior()
    {
        QFETCH(bool, bloqueada);
        QFETCH(QStringList, indices);
        host::Entorno e;
        QString error;
        QVERIFY(host::fPrepararEntorno(m_tmp->filePath(QStringLiteral("datos")), QStringLiteral("PRUEBA"), true, &e,
                                       &error));
        auto indicesDe = [&e] {
            QStringList l;
            for (const QSqlRecord &r : Database::open(e.baseDatos)->select(
                     QStringLiteral("SELECT name FROM sqlite_master WHERE type='index' AND tbl_name IN ('CONT', 'SPOOL')"
                                    " AND sql IS NOT NULL ORDER BY name")))
                l << r.value(0).toString();
            return l;
        };
        {
            auto db = Database::open(e.baseDatos);
            for (const QString &i : indicesDe())
                db->exec(QStringLiteral("DROP INDEX ") + i);
        }
        QVERIFY(indicesDe().isEmpty());

        auto bloqueo = bloqueada ? std::make_unique<testdb::BloqueoExclusivo>(e.baseDatos) : nullptr;
        QVERIFY(!bloqueo || bloqueo->activo());
        host::Entorno otra;
        QVERIFY2(host::fPrepararEntorno(QString(), QString(), false, &otra, &error), qPrintable(error));
        QVERIFY(!otra.creado);
        QCOMPARE(otra.baseDatos, e.baseDatos);
        bloqueo.reset();

        QCOMPARE(indicesDe(), indices);
        auto db = Database::open(e.baseDatos);
        QCOMPARE(db->scalar(QStringLiteral("SELECT count(*) FROM CONT WHERE Usuario='PRUEBA'")).toInt(), 2);
    }

    void carpetaDeDatosImposible()
    {
        const QString carpeta = bajoArchivo(QStringLiteral("datos"));
        host::Entorno e;
        QString error;
        QVERIFY(!host::fPrepararEntorno(carpeta, QStringLiteral("PRUEBA"), false, &e, &error));
        QVERIFY(error.contains(QStringLiteral("No se pudo crear la carpeta")));
        QVERIFY(archivos(m_windir).isEmpty());
    }

    void configuracionImposibleNoDejaLaBase()
    {
        const QString windir = bajoArchivo(QStringLiteral("windows")) + QLatin1Char('/');
        qputenv("QX_WINDIR", windir.toLocal8Bit());
        const QString padre = m_tmp->filePath(QStringLiteral("padre"));
        QDir().mkpath(padre);
        host::Entorno e;
        QString error;
        QVERIFY(!host::fPrepararEntorno(padre + QStringLiteral("/datos"), QStringLiteral("PRUEBA"), false, &e, &error));
        QVERIFY(error.contains(QStringLiteral("No se pudo crear el archivo de configuración")));
        // The data folder made on this start is gone again, database and all.
        QVERIFY(archivos(padre).isEmpty());
    }

    void fallaAMitadDeLasFilas()
    {
        const QString carpeta = m_tmp->filePath(QStringLiteral("datos"));
        host::Entorno e;
        QString error;
        auto falla = [](const QString &sql) {
            if (sql.contains(QStringLiteral("FAC")))
                throw DbError(3051, QStringLiteral("disco en falla"));
        };
        QVERIFY(!host::fPrepararEntorno(carpeta, QStringLiteral("PRUEBA"), false, &e, &error, falla));
        QVERIFY(error.contains(QStringLiteral("No se pudo crear la base de datos")));
        QVERIFY(error.contains(QStringLiteral("disco en falla")));
        QVERIFY(!QFileInfo::exists(carpeta));
        QVERIFY(archivos(m_windir).isEmpty());
    }

    void dividirSentencias_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("sentencias");
        QTest::newRow("comentarios") << QStringLiteral("-- uno;\nCREATE TABLE A (x);\n-- dos\nCREATE TABLE B (y);\n")
                                     << QStringList{"CREATE TABLE A (x)", "CREATE TABLE B (y)"};
        QTest::newRow("punto y coma entre comillas") << QStringLiteral("INSERT INTO A VALUES ('a;b');")
                                                     << QStringList{"INSERT INTO A VALUES ('a;b')"};
        QTest::newRow("disparador") << QStringLiteral("CREATE TRIGGER t AFTER INSERT ON A BEGIN DELETE FROM B; END;\nSELECT 1;")
                                    << QStringList{"CREATE TRIGGER t AFTER INSERT ON A BEGIN DELETE FROM B; END", "SELECT 1"};
    }
    void dividirSentencias()
    {
        QFETCH(QString, sql);
        QFETCH(QStringList, sentencias);
        QCOMPARE(host::dividirSentencias(sql), sentencias);
    }

    void esquemaIncluido()
    {
        const QString todo = host::sentenciasEsquema().join(QLatin1Char('\n'));
        for (const char *tabla : {"CONT", "CAB", "DET", "ACTA", "HCAB", "HDET", "HACTA", "FAC", "PARAM", "CLAVES", "ERROR", "SPOOL"})
            QVERIFY2(todo.contains(QStringLiteral("CREATE TABLE %1 ").arg(QLatin1String(tabla))), tabla);
    }
};

QTEST_GUILESS_MAIN(TstEntorno)
#include "tst_entorno.moc"
