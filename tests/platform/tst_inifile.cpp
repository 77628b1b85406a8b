#include "platform/inifile.h"
#include "../support/limitetamano.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <QtTest>

namespace {
QByteArray leer(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no legible>");
}
QString fixture(const char *name)
{
    return QStringLiteral(QX_FIXTURES "/platform_db/") + QLatin1String(name);
}
} // namespace

class TstIniFile : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_windir;

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_windir = m_dir.path() + QStringLiteral("/win");
        QDir(m_windir).removeRecursively();
        QVERIFY(QDir().mkpath(m_windir));
        qputenv("QX_WINDIR", m_windir.toLocal8Bit());
    }

    void carpetaWindows()
    {
        qputenv("QX_WINDIR", "/tmp/sin-barra");
        QCOMPARE(ini::windowsFolder(), QStringLiteral("/tmp/sin-barra/"));
        qunsetenv("QX_WINDIR");
        QCOMPARE(ini::windowsFolder(), QDir::homePath() + QStringLiteral("/.config/velantis/"));
    }

    void lectura_data()
    {
        QTest::addColumn<QString>("seccion");
        QTest::addColumn<QString>("clave");
        QTest::addColumn<QString>("defecto");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("sección y clave sin mayúsculas, blancos y comillas") << "Options" << "SysPath" << "" << "/home/qx/sis/";
        QTest::newRow("comillas simples") << "options" << "dbpath" << "" << "/home/qx/db";
        QTest::newRow("tabuladores alrededor") << "OPTIONS" << "DBName" << "" << "QX000.MDB";
        QTest::newRow("primera clave gana") << "Options" << "SysUser" << "" << "D'ANGELO";
        QTest::newRow("Windows-1252") << "Options" << "Nombre" << "" << "MUÑOZ";
        QTest::newRow("valor vacío") << "Options" << "Vacio" << "x" << "";
        QTest::newRow("blancos dentro de las comillas") << "Options" << "Comillas" << "" << "  con blancos  ";
        QTest::newRow("una comilla sola") << "Options" << "Solo" << "" << "\"";
        QTest::newRow("comillas distintas") << "Options" << "Mixtas" << "" << "\"abc'";
        QTest::newRow("línea sin igual") << "Options" << "SinIgual" << "def" << "def";
        QTest::newRow("clave que falta") << "Options" << "NoExiste" << "def" << "def";
        QTest::newRow("otra sección") << "Otros" << "SysPath" << "" << "/otra/carpeta/";
        QTest::newRow("sección que falta") << "Falta" << "SysPath" << "" << "";
    }
    void lectura()
    {
        QFETCH(QString, seccion);
        QFETCH(QString, clave);
        QFETCH(QString, defecto);
        QFETCH(QString, esperado);
        // Stored under a lower-case name: the lookup ignores the case of the file name.
        QVERIFY(QFile::copy(fixture("lectura.ini"), m_windir + QStringLiteral("/qx000.ini")));
        QCOMPARE(ini::resolve(QStringLiteral("QX000.INI")), m_windir + QStringLiteral("/qx000.ini"));
        QCOMPARE(ini::GetPrivateProfileString(seccion, clave, defecto, QStringLiteral("QX000.INI")), esperado);
    }

    void archivoQueFalta()
    {
        QCOMPARE(ini::GetPrivateProfileString(QStringLiteral("Options"), QStringLiteral("SysPath"),
                                              QStringLiteral("def"), QStringLiteral("QX000.INI")),
                 QStringLiteral("def"));
    }

    // A file an editor saved as UTF-8 with its byte-order mark: read past the
    // mark, and a write finds its section and keeps the mark.
    void marcaDeOrden()
    {
        const QString path = m_windir + QStringLiteral("/QX000.INI");
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("\xEF\xBB\xBF[Options]\r\nSysPath=/home/qx/sis/\r\nDBName=QX000.MDB\r\n");
        }
        QCOMPARE(ini::GetPrivateProfileString(QStringLiteral("Options"), QStringLiteral("SysPath"), QString(),
                                              QStringLiteral("QX000.INI")),
                 QStringLiteral("/home/qx/sis/"));
        QVERIFY(ini::WritePrivateProfileString(QStringLiteral("Options"), QStringLiteral("SystemDB"),
                                               QStringLiteral("/s/QX000.MDW"), QStringLiteral("QX000.INI")));
        QCOMPARE(leer(path), QByteArray("\xEF\xBB\xBF[Options]\r\nSysPath=/home/qx/sis/\r\nDBName=QX000.MDB\r\n"
                                        "SystemDB=/s/QX000.MDW\r\n"));
    }

    void escritura_data()
    {
        QTest::addColumn<QString>("seccion");
        QTest::addColumn<QString>("clave");
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("reemplaza la línea de la clave") << "OPTIONS" << "SystemDB" << "/home/qx/sis/QX000.MDW"
                                                        << "escritura_systemdb.ini";
        QTest::newRow("agrega al final de la sección") << "Options" << "SysUser" << "MUÑOZ"
                                                       << "escritura_agrega.ini";
        QTest::newRow("agrega en la sección del medio") << "otros" << "Nueva" << "1" << "escritura_otros.ini";
        QTest::newRow("sección nueva al final") << "Nueva" << "K" << "v" << "escritura_seccion.ini";
    }
    void escritura()
    {
        QFETCH(QString, seccion);
        QFETCH(QString, clave);
        QFETCH(QString, valor);
        QFETCH(QString, esperado);
        const QString path = m_windir + QStringLiteral("/QX000.INI");
        QVERIFY(QFile::copy(fixture("escritura_antes.ini"), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        const QByteArray golden = leer(fixture(esperado.toLatin1().constData()));
        QVERIFY(ini::WritePrivateProfileString(seccion, clave, valor, QStringLiteral("qx000.INI")));
        QCOMPARE(leer(path), golden);
        // A second start writes the same value again: nothing changes.
        QVERIFY(ini::WritePrivateProfileString(seccion, clave, valor, QStringLiteral("QX000.INI")));
        QCOMPARE(leer(path), golden);
        QCOMPARE(ini::GetPrivateProfileString(seccion, clave, QString(), QStringLiteral("QX000.INI")), valor);
    }

    void creaArchivoYCarpeta()
    {
        const QString folder = m_windir + QStringLiteral("/nueva/");
        qputenv("QX_WINDIR", folder.toLocal8Bit());
        QVERIFY(ini::WritePrivateProfileString(QStringLiteral("Options"), QStringLiteral("SystemDB"),
                                               QStringLiteral("/s/QX000.MDW"), QStringLiteral("QX000.INI")));
        QCOMPARE(leer(folder + QStringLiteral("QX000.INI")), QByteArray("[Options]\r\nSystemDB=/s/QX000.MDW\r\n"));
    }

    // A disk without room for the new file: the write fails, says why, and
    // the old file stays byte for byte, with nothing left beside it.
    void discoLleno()
    {
        const QString path = m_windir + QStringLiteral("/QX000.INI");
        QVERIFY(QFile::copy(fixture("escritura_antes.ini"), path));
        const QByteArray antes = leer(path);
        QVERIFY(antes.size() > 16);
        int errnum = 0;
        bool escrito = true;
        {
            LimiteTamano limite(16);
            QVERIFY(limite.activo());
            escrito = ini::WritePrivateProfileString(QStringLiteral("Options"), QStringLiteral("SystemDB"),
                                                     QStringLiteral("/home/qx/sis/QX000.MDW"),
                                                     QStringLiteral("QX000.INI"), &errnum);
        }
        QVERIFY(!escrito);
        QCOMPARE(errnum, EFBIG);
        QCOMPARE(leer(path), antes);
        QCOMPARE(QDir(m_windir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("QX000.INI")});
    }

    void archivoSinPermiso()
    {
        qputenv("QX_WINDIR", "/proc/");
        QVERIFY(!ini::WritePrivateProfileString(QStringLiteral("Options"), QStringLiteral("SystemDB"),
                                                QStringLiteral("x"), QStringLiteral("QX000.INI")));
    }
};

QTEST_GUILESS_MAIN(TstIniFile)
#include "tst_inifile.moc"
