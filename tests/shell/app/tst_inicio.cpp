// Qx381 as a whole program on a private X server: the host-window check, the
// second-copy check, the main window, and the start without any display.
#include "platform/gui/x11windows.h"
#include "shell/ui/cwindows.h"
#include "testdb.h"
#include "xprueba.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString kCaption = QStringLiteral("951 Declaración Pago Anual Impuesto a la Renta 3RA. CATEGORIA - 1998 v 2.0");
const QString kHost = QStringLiteral("16|Error al ejecutar el módulo|Debe ejecutar este módulo desde el Redizudira del ZRV");
const QString kInstancia = QStringLiteral("64|Declaración Pago Anual Impuesto a la Renta|La Aplicación ya se encuentra en ejecución");
}

class TstInicio : public QObject {
    Q_OBJECT
    XvfbPrueba m_x;
    QTemporaryDir m_run;   // lock files of this test only
    int m_n = 0;

    QByteArray leer(const QString &ruta)
    {
        QFile f(ruta);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList mensajes(const QString &log)
    {
        const QString t = QString::fromUtf8(leer(log));
        return t.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    // Qx381 with the test hook for its messages; returns the log's path.
    QString lanzar(QProcess &p, const testdb::Entorno &env)
    {
        const QString log = m_run.filePath(QStringLiteral("mensajes-%1.log").arg(++m_n));
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert(QStringLiteral("DISPLAY"), m_x.display());
        e.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        e.insert(QStringLiteral("QX_MSGBOX_LOG"), log);
        e.insert(QStringLiteral("QX_WINDIR"), env.windir);
        e.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_run.path());
        p.setProcessEnvironment(e);
        p.setProgram(QStringLiteral(QX_BIN_DIR "/Qx381"));
        p.start();
        return log;
    }
    bool esperarVentana(const QString &titulo, bool visible = true)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 15000) {
            if (x11::hasVisibleTopLevel(titulo) == visible)
                return true;
            QTest::qWait(100);
        }
        return false;
    }
    void terminar(QProcess &p)
    {
        if (p.state() == QProcess::NotRunning)
            return;
        p.terminate();
        if (!p.waitForFinished(5000))
            p.kill();
        p.waitForFinished(2000);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_run.isValid());
        QVERIFY2(QFileInfo(QStringLiteral(QX_BIN_DIR "/Qx381")).isExecutable(), "Qx381 is not built");
        QVERIFY2(m_x.iniciar(), "Xvfb could not be started");
        qputenv("DISPLAY", m_x.display().toLocal8Bit());
    }

    void sinHost_data()
    {
        QTest::addColumn<QByteArray>("titulo");
        QTest::addColumn<bool>("mapear");
        QTest::newRow("ninguna ventana") << QByteArray() << false;
        QTest::newRow("minusculas") << QByteArray("velantis") << true;
        QTest::newRow("blanco final") << QByteArray("Velantis ") << true;
        QTest::newRow("sin mapear") << QByteArray("Velantis") << false;
    }
    void sinHost()
    {
        QFETCH(QByteArray, titulo);
        QFETCH(bool, mapear);
        testdb::Entorno env;
        QVERIFY(env.valido());
        const QByteArray ini = leer(env.rutaIni);
        std::unique_ptr<VentanaX> host;
        if (!titulo.isEmpty()) {
            host = std::make_unique<VentanaX>(m_x.display(), titulo, mapear);
            QVERIFY(host->valida());
        }
        QProcess p;
        const QString log = lanzar(p, env);
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QVERIFY(p.exitCode() != 0);
        QCOMPARE(mensajes(log), QStringList{kHost});
        QCOMPARE(leer(env.rutaIni), ini);
        QVERIFY(!x11::hasVisibleTopLevel(kCaption));
    }

    void conHostYSegundaCopia()
    {
        testdb::Entorno env;
        QVERIFY(env.valido());
        auto host = std::make_unique<VentanaX>(m_x.display(), "Velantis", true);
        QVERIFY(host->valida());

        QProcess primera;
        const QString logPrimera = lanzar(primera, env);
        QVERIFY2(esperarVentana(kCaption), qPrintable(QString::fromUtf8(primera.readAllStandardError())));
        QCOMPARE(primera.state(), QProcess::Running);

        QProcess segunda;
        const QString logSegunda = lanzar(segunda, env);
        QVERIFY(segunda.waitForFinished(20000));
        QVERIFY(segunda.exitCode() != 0);
        QCOMPARE(mensajes(logSegunda), QStringList{kInstancia});

        // Without the host a second copy hears only of the host.
        host.reset();
        QVERIFY(esperarVentana(QStringLiteral("Velantis"), false));
        QProcess tercera;
        const QString logTercera = lanzar(tercera, env);
        QVERIFY(tercera.waitForFinished(20000));
        QVERIFY(tercera.exitCode() != 0);
        QCOMPARE(mensajes(logTercera), QStringList{kHost});

        // The first copy carried on untouched, and showed nothing.
        QCOMPARE(primera.state(), QProcess::Running);
        QVERIFY(x11::hasVisibleTopLevel(kCaption));
        QVERIFY(mensajes(logPrimera).isEmpty());
        terminar(primera);
    }

    void baseQueNoAbre()
    {
        testdb::Entorno env(false);
        QVERIFY(env.valido());
        VentanaX host(m_x.display(), "Velantis", true);
        QProcess p;
        const QString log = lanzar(p, env);
        QVERIFY(p.waitForFinished(20000));
        QVERIFY(p.exitCode() != 0);
        const QStringList m = mensajes(log);
        QCOMPARE(m.size(), 1);
        QVERIFY2(m.first().startsWith(QStringLiteral("0|Error de Conección|")), qPrintable(m.first()));
    }

    void sinPantalla()
    {
        testdb::Entorno env;
        QProcess p;
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.remove(QStringLiteral("DISPLAY"));
        e.remove(QStringLiteral("WAYLAND_DISPLAY"));
        e.remove(QStringLiteral("QT_QPA_PLATFORM"));
        e.remove(QStringLiteral("QX_MSGBOX_LOG"));
        e.insert(QStringLiteral("QX_WINDIR"), env.windir);
        e.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_run.path());
        p.setProcessEnvironment(e);
        p.start(QStringLiteral(QX_BIN_DIR "/Qx381"), {});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QVERIFY(p.exitCode() != 0);
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(err.contains(QStringLiteral("Error al ejecutar el módulo: Debe ejecutar este módulo desde el Redizudira del ZRV")),
                 qPrintable(err));
    }

    void claseYCierre()
    {
        VentanaX w(m_x.display(), "Ventana de prueba", true, QByteArray("prueba\0ClasePrueba\0", 19));
        QVERIFY(w.valida());
        cWindows v;
        QVERIFY(v.CorreApp(QStringLiteral("Ventana de prueba")));
        QVERIFY(!v.CorreApp(QStringLiteral("Ventana de prueba ")));
        QCOMPARE(v.ClassName(QStringLiteral("Ventana de prueba")), QStringLiteral("ClasePrueba"));
        QCOMPARE(v.ClassName(QStringLiteral("No existe")), QString());

        v.CloseApp(QStringLiteral("Ventana de prueba"), QStringLiteral("OtraClase"));
        v.CloseApp(QStringLiteral("Progman"));
        QTest::qWait(200);
        QVERIFY(!w.pidieronCerrar());
        v.CloseApp(QStringLiteral("Ventana de prueba"), QStringLiteral("ClasePrueba"));
        QTRY_VERIFY_WITH_TIMEOUT(w.pidieronCerrar(), 5000);
    }
};

QTEST_GUILESS_MAIN(TstInicio)
#include "tst_inicio.moc"
