// First start of the host: settings file and database with the reference rows,
// and failures that leave nothing behind.
#include "host/entorno.h"
#include "host/esquema.h"
#include "platform/database.h"
#include "platform/inifile.h"
#include "../support/testdb.h"

#include <QDir>
#include <QDirIterator>
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
    // Every file and folder under the test's folder, with the settings file's bytes.
    QStringList todo() const
    {
        QStringList l;
        QDirIterator it(m_tmp->path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            l << it.next();
        l.sort();
        QFile f(m_windir + QStringLiteral("QX000.INI"));
        if (f.open(QIODevice::ReadOnly))
            l << QString::fromLatin1(f.readAll().toHex());
        return l;
    }
    void escribirIni(const QByteArray &bytes)
    {
        QFile f(m_windir + QStringLiteral("QX000.INI"));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(bytes), bytes.size());
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
        QCOMPARE(error, QStringLiteral("No se pudo crear la carpeta %1 (una parte de la ruta no es una carpeta).")
                            .arg(carpeta));
        QVERIFY(archivos(m_windir).isEmpty());
    }

    // A later start whose settings file names a database that is not there
    // (its folder renamed, a disk not plugged in) or names none says so and
    // makes nothing: no empty database in its place, nor in the working folder.
    void inicioPosteriorSinBase_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<bool>("nombrada");   // the message names the database looked for
        QTest::newRow("carpeta renombrada") << "renombrada" << true;
        QTest::newRow("base borrada") << "borrada" << true;
        QTest::newRow("DBPath vacío") << "DBPath=" << false;
        QTest::newRow("DBPath relativo") << "DBPath=datos/" << false;
        QTest::newRow("DBName vacío") << "DBName=" << false;
    }
    void inicioPosteriorSinBase()
    {
        QFETCH(QString, caso);
        QFETCH(bool, nombrada);
        const QString carpeta = m_tmp->filePath(QStringLiteral("datos"));
        host::Entorno e;
        QString error;
        QVERIFY2(host::fPrepararEntorno(carpeta, QStringLiteral("PRUEBA"), true, &e, &error), qPrintable(error));
        if (caso == QLatin1String("renombrada")) {
            QVERIFY(QDir().rename(carpeta, m_tmp->filePath(QStringLiteral("datos-antes"))));
        } else if (caso == QLatin1String("borrada")) {
            QVERIFY(QFile::remove(e.baseDatos));
        } else {
            QByteArray ini = "[Options]\r\nSysPath=" + QFile::encodeName(carpeta) + "/\r\nSysVersion=2.0\r\n"
                             "DBPath=" + QFile::encodeName(carpeta) + "/\r\nDBName=QX000.MDB\r\nSysUser=PRUEBA\r\n";
            const QByteArray clave = caso.toLatin1().left(caso.indexOf(QLatin1Char('=')) + 1);
            const qsizetype desde = ini.indexOf("\n" + clave) + 1;
            ini.replace(desde, ini.indexOf("\r\n", desde) - desde, caso.toLatin1());
            escribirIni(ini);
        }
        // A relative or empty path would be read against the working folder.
        const QString trabajo = m_tmp->filePath(QStringLiteral("trabajo"));
        QVERIFY(QDir().mkdir(trabajo));
        const QString antesCwd = QDir::currentPath();
        QVERIFY(QDir::setCurrent(trabajo));
        const QStringList antes = todo();

        host::Entorno otra;
        const bool ok = host::fPrepararEntorno(QString(), QString(), true, &otra, &error);
        QDir::setCurrent(antesCwd);
        QVERIFY(!ok);
        const QString ini = m_windir + QStringLiteral("QX000.INI");
        if (nombrada)
            QCOMPARE(error, QStringLiteral("No se encontró la base de datos %1/QX000.MDB, que indica el archivo de"
                                           " configuración %2.\nSi su carpeta cambió de nombre o está en un disco"
                                           " desconectado, restablézcala y vuelva a iniciar Velantis. No se ha"
                                           " creado ninguna base de datos.")
                                .arg(carpeta, ini));
        else
            QCOMPARE(error, QStringLiteral("El archivo de configuración %1 no indica la ruta completa de la base de"
                                           " datos (claves DBPath y DBName de la sección [Options]).")
                                .arg(ini));
        QCOMPARE(todo(), antes);
    }

    // The settings file is Windows-1252, one value a line, with its blanks and
    // one pair of quotes taken off when read: a first start refuses a folder or
    // user it would read back as another, and makes nothing; ñ and € are kept.
    void nombresQueLaConfiguracionGuarda_data()
    {
        QTest::addColumn<QString>("carpeta");   // below the test's folder
        QTest::addColumn<QString>("usuario");
        QTest::addColumn<QString>("rechazado");   // "carpeta", "usuario" or "" (accepted)
        QTest::newRow("carpeta en cirílico") << QStringLiteral("данные") << QStringLiteral("PRUEBA") << "carpeta";
        QTest::newRow("carpeta bajo otra en cirílico") << QStringLiteral("данные/datos") << QStringLiteral("PRUEBA")
                                                       << "carpeta";
        QTest::newRow("carpeta con salto de línea") << QStringLiteral("da\ntos") << QStringLiteral("PRUEBA") << "carpeta";
        QTest::newRow("usuario en cirílico") << QStringLiteral("datos") << QStringLiteral("Дмитрий") << "usuario";
        QTest::newRow("usuario fuera del plano básico") << QStringLiteral("datos") << QStringLiteral("PRUEBA\U0001F600")
                                                        << "usuario";
        QTest::newRow("usuario entre comillas") << QStringLiteral("datos") << QStringLiteral("\"PRUEBA\"") << "usuario";
        QTest::newRow("eñe y euro") << QStringLiteral("datos ñ €") << QStringLiteral("MUÑOZ €") << "";
    }
    void nombresQueLaConfiguracionGuarda()
    {
        QFETCH(QString, carpeta);
        QFETCH(QString, usuario);
        QFETCH(QString, rechazado);
        const QString ruta = m_tmp->filePath(carpeta);
        const QStringList antes = todo();
        host::Entorno e;
        QString error;
        const bool ok = host::fPrepararEntorno(ruta, usuario, false, &e, &error);
        if (rechazado == QLatin1String("carpeta")) {
            QVERIFY(!ok);
            QCOMPARE(error, QStringLiteral("El nombre de la carpeta de datos %1/ tiene caracteres que el archivo de"
                                           " configuración no puede guardar (solo admite los de Windows-1252)."
                                           " Inicie Velantis con otra carpeta: velantis CARPETA.")
                                .arg(ruta));
        } else if (rechazado == QLatin1String("usuario")) {
            QVERIFY(!ok);
            QCOMPARE(error, QStringLiteral("El nombre de usuario %1 tiene caracteres que el archivo de configuración"
                                           " no puede guardar (solo admite los de Windows-1252). Inicie Velantis con"
                                           " otro usuario: velantis --usuario NOMBRE.")
                                .arg(usuario));
        }
        if (!rechazado.isEmpty()) {
            QCOMPARE(todo(), antes);
            return;
        }
        QVERIFY2(ok, qPrintable(error));
        // The next start reads back the same folder and user.
        host::Entorno otra;
        QVERIFY2(host::fPrepararEntorno(QString(), QString(), false, &otra, &error), qPrintable(error));
        QCOMPARE(otra.carpetaDatos, ruta + QLatin1Char('/'));
        QCOMPARE(otra.baseDatos, ruta + QStringLiteral("/QX000.MDB"));
        QCOMPARE(otra.usuario, usuario);
        auto db = Database::open(otra.baseDatos);
        QCOMPARE(db->scalar(QStringLiteral("SELECT count(*) FROM CLAVES WHERE Usuario=?"), {usuario}).toInt(), 1);
    }

    // A settings file an editor saved as UTF-8 with its byte-order mark.
    void configuracionConMarcaDeOrden()
    {
        const QString carpeta = m_tmp->filePath(QStringLiteral("datos"));
        host::Entorno e;
        QString error;
        QVERIFY2(host::fPrepararEntorno(carpeta, QStringLiteral("PRUEBA"), true, &e, &error), qPrintable(error));
        QFile f(e.archivoIni);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        f.close();
        escribirIni("\xEF\xBB\xBF" + bytes);
        const QStringList antes = todo();

        host::Entorno otra;
        QVERIFY2(host::fPrepararEntorno(QString(), QString(), false, &otra, &error), qPrintable(error));
        QVERIFY(!otra.creado);
        QCOMPARE(otra.carpetaDatos, carpeta + QLatin1Char('/'));
        QCOMPARE(otra.baseDatos, carpeta + QStringLiteral("/QX000.MDB"));
        QCOMPARE(otra.usuario, QStringLiteral("PRUEBA"));
        QCOMPARE(todo(), antes);
    }

    // Folders two levels below an existing one, for the data and for the
    // settings file, are made with the folders above them; a start that fails
    // takes them all away again.
    void carpetasConPadresQueFaltan_data()
    {
        QTest::addColumn<bool>("falla");
        QTest::newRow("creadas") << false;
        QTest::newRow("base imposible") << true;
    }
    void carpetasConPadresQueFaltan()
    {
        QFETCH(bool, falla);
        m_windir = m_tmp->filePath(QStringLiteral("w1/w2/windows")) + QLatin1Char('/');
        qputenv("QX_WINDIR", m_windir.toLocal8Bit());
        const QString carpeta = m_tmp->filePath(QStringLiteral("uno/dos/datos"));
        host::Entorno e;
        QString error;
        auto hook = [](const QString &sql) {
            if (sql.contains(QStringLiteral("FAC")))
                throw DbError(3051, QStringLiteral("disco en falla"));
        };
        const bool ok = falla ? host::fPrepararEntorno(carpeta, QStringLiteral("PRUEBA"), false, &e, &error, hook)
                              : host::fPrepararEntorno(carpeta, QStringLiteral("PRUEBA"), false, &e, &error);
        if (falla) {
            QVERIFY(!ok);
            QVERIFY(error.contains(QStringLiteral("disco en falla")));
            // The folder init() made for the settings file, nothing else.
            QCOMPARE(archivos(m_tmp->path()), QStringList{"windows"});
            return;
        }
        QVERIFY2(ok, qPrintable(error));
        QCOMPARE(archivos(carpeta), (QStringList{"0951", "QX000.MDB", "RPT", "TMP"}));
        QVERIFY(QFileInfo::exists(m_windir + QStringLiteral("QX000.INI")));
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
