#include "shell/core/modglobal.h"
#include "shell/core/settings.h"
#include "platform/msgbox.h"
#include "platform/textfile.h"
#include "../support/limitetamano.h"
#include "../support/testdb.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

QByteArray leer(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList listado(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

QString real(const QString &path)
{
    return QFileInfo(path).canonicalFilePath();
}

} // namespace

class TstSettings : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        gdbBase.reset();
    }

    void valoresRecortadosYUnidosSinSeparador()
    {
        testdb::Entorno env(true);
        QString dbPathSinBarra = env.dbPath;
        dbPathSinBarra.chop(1);
        QVERIFY(textfile::writeLines(env.rutaIni, {
            QStringLiteral("[options]"),
            QStringLiteral("  SYSPATH  =  ") + env.sysPath + QStringLiteral("   "),
            QStringLiteral("dbpath=\t") + dbPathSinBarra,
            QStringLiteral("DBName = \"QX000.MDB\" "),
            QStringLiteral("SysUser=  D'ANGELO  "),
        }));
        msg::ScriptedAnswerer answers;
        QVERIFY(pLeerIni());
        QCOMPARE(gsSysPath, env.sysPath);
        QCOMPARE(gsBaseDatos, dbPathSinBarra + QStringLiteral("QX000.MDB"));
        QCOMPARE(gsRutaRpt, env.sysPath + QStringLiteral("RPT/"));
        QCOMPARE(gsUsuario, QStringLiteral("D'ANGELO"));
        QCOMPARE(real(QDir::currentPath()), real(env.sysPath));
        QVERIFY(answers.shown().isEmpty());
    }

    void sinCarpetaDelSistema_data()
    {
        QTest::addColumn<QStringList>("lineas");   // empty: no settings file at all
        QTest::addColumn<bool>("conArchivo");
        QTest::newRow("sin archivo") << QStringList{} << false;
        QTest::newRow("sin clave SysPath") << QStringList{"[Options]", "DBName=QX000.MDB"} << true;
        QTest::newRow("SysPath en blanco") << QStringList{"[Options]", "SysPath=   ", "DBName=QX000.MDB"} << true;
        QTest::newRow("SysPath en otra sección") << QStringList{"[Otros]", "SysPath=/tmp/"} << true;
        QTest::newRow("carpeta que no existe") << QStringList{"[Options]", "SysPath=/no/existe/qx/"} << true;
    }
    void sinCarpetaDelSistema()
    {
        QFETCH(QStringList, lineas);
        QFETCH(bool, conArchivo);
        testdb::Entorno env(true);
        QFile::remove(env.rutaIni);
        if (conArchivo)
            QVERIFY(textfile::writeLines(env.rutaIni, lineas));
        const QStringList antes = listado(env.windir);
        msg::ScriptedAnswerer answers;
        QVERIFY(!pLeerIni());
        QCOMPARE(answers.shown().size(), 1);
        QCOMPARE(answers.shown().first().title, QStringLiteral("Error de Configuración"));
        QCOMPARE(answers.shown().first().style, 16);
        QVERIFY2(answers.shown().first().text.contains(env.rutaIni), qPrintable(answers.shown().first().text));
        QVERIFY(answers.shown().first().text.contains(QStringLiteral("SysPath")));
        // The start then ends: nothing opened, no second message, nothing written.
        QVERIFY(!fAbrirBase());
        QVERIFY(!gdbBase);
        QCOMPARE(answers.shown().size(), 1);
        QCOMPARE(listado(env.windir), antes);
    }

    // The programs take values of up to 254 characters, as the legacy read
    // (a 255-character buffer) gave them; a longer one is refused with a
    // message that names it, instead of being cut into another folder.
    void valorLargo_data()
    {
        QTest::addColumn<QString>("clave");
        QTest::addColumn<int>("largo");
        QTest::addColumn<bool>("comillas");
        QTest::addColumn<bool>("aceptado");
        QTest::newRow("SysPath de 254") << "SysPath" << 254 << false << true;
        QTest::newRow("SysPath de 254 entre comillas") << "SysPath" << 254 << true << true;
        QTest::newRow("SysPath de 255") << "SysPath" << 255 << false << false;
        QTest::newRow("SysPath de 264") << "SysPath" << 264 << false << false;
        QTest::newRow("DBPath de 255") << "DBPath" << 255 << false << false;
        QTest::newRow("SysUser de 300") << "SysUser" << 300 << false << false;
    }
    void valorLargo()
    {
        QFETCH(QString, clave);
        QFETCH(int, largo);
        QFETCH(bool, comillas);
        QFETCH(bool, aceptado);
        testdb::Entorno env(true);
        const QString valor = clave == QLatin1String("SysUser")
            ? QString(largo, QLatin1Char('U'))
            : testdb::carpetaDeLargo(env.sysPath + QStringLiteral("largo"), largo);
        QCOMPARE(valor.size(), largo);
        QStringList lineas = {QStringLiteral("[Options]"), QStringLiteral("SysPath=") + env.sysPath,
                              QStringLiteral("DBPath=") + env.dbPath, QStringLiteral("DBName=") + env.dbName,
                              QStringLiteral("SysUser=") + env.usuario};
        for (QString &l : lineas) {
            if (l.startsWith(clave + QLatin1Char('=')))
                l = clave + QLatin1Char('=') + (comillas ? QLatin1Char('"') + valor + QLatin1Char('"') : valor);
        }
        QVERIFY(textfile::writeLines(env.rutaIni, lineas));
        const QByteArray antes = leer(env.rutaIni);
        const QString carpeta = QDir::currentPath();

        msg::ScriptedAnswerer answers;
        QCOMPARE(pLeerIni(), aceptado);
        if (aceptado) {
            QVERIFY(answers.shown().isEmpty());
            QCOMPARE(gsSysPath, valor);
            QCOMPARE(real(QDir::currentPath()), real(valor));
            return;
        }
        QCOMPARE(answers.shown().size(), 1);
        QCOMPARE(answers.shown().first().text,
                 QStringLiteral("El valor de ") + clave + QStringLiteral(" en el archivo de configuración ")
                     + env.rutaIni + QStringLiteral(" tiene ") + QString::number(largo)
                     + QStringLiteral(" caracteres; el sistema acepta hasta 254."));
        QCOMPARE(answers.shown().first().style, 16);
        QCOMPARE(answers.shown().first().title, QStringLiteral("Error de Configuración"));
        // The start ends: no folder change, nothing opened or written.
        QCOMPARE(QDir::currentPath(), carpeta);
        QVERIFY(!fAbrirBase());
        QVERIFY(!gdbBase);
        QCOMPARE(answers.shown().size(), 1);
        QCOMPARE(leer(env.rutaIni), antes);
    }

    void abreLaBaseYEscribeSystemDbEnSuLugar()
    {
        testdb::Entorno env(true);
        const QStringList lineas = {
            QStringLiteral("; Configuración del integrador"),
            QStringLiteral("[Options]"),
            QStringLiteral("SysPath=") + env.sysPath,
            QStringLiteral("SystemDB = /viejo/QX000.MDW"),
            QStringLiteral("DBPath=") + env.dbPath,
            QStringLiteral("DBName=") + env.dbName,
            QStringLiteral("SysUser=USUARIO1"),
            QString(),
            QStringLiteral("[Otros]"),
            QStringLiteral("SystemDB=no se toca"),
        };
        QVERIFY(textfile::writeLines(env.rutaIni, lineas));
        QStringList esperadas = lineas;
        esperadas[3] = QStringLiteral("SystemDB=") + env.sysPath + QStringLiteral("QX000.MDW");
        const QByteArray esperado = textfile::toCp1252(esperadas.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));

        msg::ScriptedAnswerer answers;
        for (int arranque = 0; arranque < 2; ++arranque) {
            gdbBase.reset();
            QVERIFY(pLeerIni());
            QVERIFY(fAbrirBase());
            QCOMPARE(leer(env.rutaIni), esperado);
        }
        QVERIFY(answers.shown().isEmpty());
        QVERIFY(gdbBase);
        QCOMPARE(gdbBase->path(), env.rutaBase);
        QCOMPARE(gdbBase->workgroup(), env.sysPath + QStringLiteral("QX000.MDW"));
        QCOMPARE(gdbBase->user().size(), 8);
        QCOMPARE(gdbBase->scalar(QStringLiteral("SELECT count(*) FROM SPOOL")).toInt(), 0);
    }

    void systemDbAgregadoUnaSolaVez()
    {
        testdb::Entorno env(true);
        const QByteArray antes = leer(env.rutaIni);
        msg::ScriptedAnswerer answers;
        for (int arranque = 0; arranque < 2; ++arranque) {
            gdbBase.reset();
            QVERIFY(pLeerIni());
            QVERIFY(fAbrirBase());
        }
        QCOMPARE(leer(env.rutaIni),
                 antes + textfile::toCp1252(QStringLiteral("SystemDB=") + env.sysPath + QStringLiteral("QX000.MDW\r\n")));
    }

    // No room for the settings file (a full disk; here a file size limit):
    // SystemDB is not written, the file stays byte for byte and nothing is
    // left beside it, the user is told, and the start goes on as when the
    // write is passed over.
    void systemDbEnDiscoLleno()
    {
        testdb::Entorno env(true);
        const QByteArray antes = leer(env.rutaIni);
        QVERIFY(antes.size() > 16);
        msg::ScriptedAnswerer answers;
        QVERIFY(pLeerIni());
        bool abierta = false;
        {
            // Less than the file holds now: a write cut there loses the user's paths.
            LimiteTamano limite(16);
            QVERIFY(limite.activo());
            abierta = fAbrirBase();
        }
        QVERIFY(abierta);
        QVERIFY(gdbBase);
        QCOMPARE(leer(env.rutaIni), antes);
        QCOMPARE(listado(env.windir), QStringList{QStringLiteral("QX000.INI")});
        QCOMPARE(answers.shown().size(), 1);
        QCOMPARE(answers.shown().first().text,
                 QStringLiteral("No se pudo grabar SystemDB en el archivo de configuración ") + env.rutaIni
                     + QStringLiteral(" (el archivo pasa del tamaño permitido): el archivo quedó como estaba.\n 61"));
        QCOMPARE(answers.shown().first().style, 48);
        QCOMPARE(answers.shown().first().title, QStringLiteral("Error de Configuración"));
    }

    void compartidaConOtroPrograma()
    {
        testdb::Entorno env(true);
        auto otro = env.abrir();
        Transaction escribiendo(*otro, true);
        otro->exec(QStringLiteral("INSERT INTO CLAVES (Usuario, Tipo) VALUES (?, ?)"), {"X", "0"});
        msg::ScriptedAnswerer answers;
        QVERIFY(pLeerIni());
        QVERIFY(fAbrirBase());
        QVERIFY(answers.shown().isEmpty());
    }

    void falloDeConexion_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::newRow("archivo que falta") << "falta";
        QTest::newRow("base bloqueada por otro programa") << "bloqueada";
        QTest::newRow("archivo que no es una base") << "ajeno";
    }
    void falloDeConexion()
    {
        QFETCH(QString, caso);
        testdb::Entorno env(caso != QLatin1String("falta"));
        QString esperado;
        std::unique_ptr<testdb::BloqueoExclusivo> lock;
        if (caso == QLatin1String("falta")) {
            esperado = QStringLiteral("No se encontró el archivo '") + env.rutaBase + QStringLiteral("'.\n 3024");
        } else if (caso == QLatin1String("bloqueada")) {
            lock = std::make_unique<testdb::BloqueoExclusivo>(env.rutaBase);
            QVERIFY(lock->activo());
            esperado = QStringLiteral(" 3051- Base esta bloqueda");
        } else {
            QFile::remove(env.rutaBase);
            QVERIFY(textfile::writeLines(env.rutaBase, {QStringLiteral("esto no es una base de datos")}));
            esperado = QStringLiteral("Formato de base de datos no reconocido: '") + env.rutaBase
                + QStringLiteral("'.\n 3343");
        }
        const QStringList antes = listado(env.dbPath);
        const QByteArray contenido = leer(env.rutaBase);

        msg::ScriptedAnswerer answers;
        QVERIFY(pLeerIni());
        QVERIFY(!fAbrirBase());
        QVERIFY(!gdbBase);
        QCOMPARE(answers.shown().size(), 1);
        QCOMPARE(answers.shown().first().text, esperado);
        QCOMPARE(answers.shown().first().style, 0);
        QCOMPARE(answers.shown().first().title, QStringLiteral("Error de Conección"));
        // Nothing created, nothing changed; SystemDB written all the same.
        QCOMPARE(listado(env.dbPath), antes);
        QCOMPARE(leer(env.rutaBase), contenido);
        QVERIFY(leer(env.rutaIni).contains(textfile::toCp1252(QStringLiteral("SystemDB=") + env.sysPath
                                                               + QStringLiteral("QX000.MDW\r\n"))));
    }
};

QTEST_GUILESS_MAIN(TstSettings)
#include "tst_settings.moc"
