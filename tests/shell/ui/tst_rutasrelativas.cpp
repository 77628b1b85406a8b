// Relative folders in the environment ($QX_WINDIR, $QX_PRINTER_PDF) are the
// user's, named from the folder Qx381 was started in: they still name the
// same folders after the start-up makes the system folder the current one.
#include "shell/core/modglobal.h"
#include "shell/core/settings.h"
#include "platform/impresora.h"
#include "platform/msgbox.h"
#include "platform/textfile.h"
#include "testdb.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {
QString real(const QString &ruta)
{
    return QFileInfo(ruta).canonicalFilePath();
}
QByteArray leer(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no legible>");
}
} // namespace

class TstRutasRelativas : public QObject {
    Q_OBJECT
    std::unique_ptr<testdb::Entorno> m_env;
    std::unique_ptr<QTemporaryDir> m_inicio;   // where the program is started
    QString m_ini;

private slots:
    void init()
    {
        m_env = std::make_unique<testdb::Entorno>(true);
        QVERIFY(m_env->valido());
        m_inicio = std::make_unique<QTemporaryDir>();
        QVERIFY(m_inicio->isValid());
        const QDir inicio(m_inicio->path());
        QVERIFY(inicio.mkpath(QStringLiteral("windows")));
        QVERIFY(inicio.mkpath(QStringLiteral("impresos")));
        m_ini = inicio.filePath(QStringLiteral("windows/QX000.INI"));
        QVERIFY(QFile::rename(m_env->rutaIni, m_ini));
        QVERIFY(QDir::setCurrent(m_inicio->path()));
        qputenv("QX_WINDIR", "windows");
        qputenv("QX_PRINTER_PDF", "impresos");
    }
    void cleanup()
    {
        gdbBase.reset();
        qunsetenv("QX_PRINTER_PDF");
        m_env.reset();   // puts $QX_WINDIR and the current folder back
        m_inicio.reset();
    }

    // SystemDB goes into the settings file that was read, not into a new one
    // below the system folder.
    void archivoDeConfiguracion()
    {
        msg::ScriptedAnswerer mensajes;
        QVERIFY(pLeerIni());
        QCOMPARE(real(QDir::currentPath()), real(m_env->sysPath));
        QCOMPARE(gsBaseDatos, m_env->rutaBase);
        QVERIFY(fAbrirBase());
        QVERIFY(mensajes.shown().isEmpty());
        QVERIFY(leer(m_ini).endsWith(textfile::toCp1252(QStringLiteral("SystemDB=") + m_env->sysPath
                                                        + QStringLiteral("QX000.MDW\r\n"))));
        QVERIFY(!QFileInfo::exists(m_env->sysPath + QStringLiteral("windows")));
        QVERIFY(!QFileInfo::exists(m_env->sysPath + QStringLiteral("QX000.INI")));
    }

    // A document printed after the start-up is written into the PDF folder
    // named from the starting folder.
    void carpetaDeImpresion()
    {
        msg::ScriptedAnswerer mensajes;
        QVERIFY(pLeerIni());
        Printer p;
        QVERIFY2(p.begin(QStringLiteral("Prueba")), qPrintable(p.errorString()));
        p.printText(400, 300, QStringLiteral("PRUEBA"));
        QVERIFY2(p.end(), qPrintable(p.errorString()));
        QCOMPARE(real(p.pdfFile()), real(m_inicio->path() + QStringLiteral("/impresos/Prueba.pdf")));
        QVERIFY(!QFileInfo::exists(m_env->sysPath + QStringLiteral("impresos")));
    }
};

QTEST_MAIN(TstRutasRelativas)
#include "tst_rutasrelativas.moc"
