// The built velantis and Qx381 in a Wayland session, as many desktops run
// it: a Wayland compositor (weston's headless back end) with its X server for
// X clients, Qt's Wayland platform installed, WAYLAND_DISPLAY and DISPLAY both
// set. Started from the host, Qx381 must find it and open its main window.
#include "platform/gui/x11windows.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString kCaption = QStringLiteral("951 Declaración Pago Anual Impuesto a la Renta 3RA. CATEGORIA - 1998 v 2.0");
const QString kSocket = QStringLiteral("qx-prueba");

bool esperar(const std::function<bool()> &condicion, int ms = 20000)
{
    QElapsedTimer t;
    t.start();
    while (!condicion()) {
        if (t.elapsed() > ms)
            return false;
        QTest::qWait(100);
    }
    return true;
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
}

class TstWayland : public QObject {
    Q_OBJECT
    QTemporaryDir m_run;    // the session's XDG_RUNTIME_DIR: the compositor's socket, the lock files
    QProcess m_weston;
    QString m_display;      // the compositor's X server

    QProcessEnvironment entorno(const QString &carpeta, const QString &plataforma)
    {
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.remove(QStringLiteral("QT_QPA_PLATFORM"));
        if (!plataforma.isEmpty())
            e.insert(QStringLiteral("QT_QPA_PLATFORM"), plataforma);
        e.insert(QStringLiteral("WAYLAND_DISPLAY"), kSocket);
        e.insert(QStringLiteral("DISPLAY"), m_display);
        e.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_run.path());
        e.insert(QStringLiteral("QX_WINDIR"), carpeta + QStringLiteral("/windows/"));
        e.insert(QStringLiteral("HOME"), carpeta);
        e.insert(QStringLiteral("QX_MSGBOX_LOG"), carpeta + QStringLiteral("/mensajes.log"));
        return e;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_run.isValid());
        QVERIFY(QFile::setPermissions(m_run.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY2(QFileInfo(QStringLiteral(QX_BIN_DIR "/velantis")).isExecutable(), "velantis is not built");
        QVERIFY2(QFileInfo(QStringLiteral(QX_BIN_DIR "/Qx381")).isExecutable(), "Qx381 is not built");
        const QString log = m_run.filePath(QStringLiteral("weston.log"));
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_run.path());
        e.remove(QStringLiteral("DISPLAY"));
        e.remove(QStringLiteral("WAYLAND_DISPLAY"));
        m_weston.setProcessEnvironment(e);
        m_weston.start(QStringLiteral("weston"), {QStringLiteral("--backend=headless-backend.so"), QStringLiteral("--xwayland"),
                                                  QStringLiteral("--socket=") + kSocket, QStringLiteral("--log=") + log,
                                                  QStringLiteral("--width=1024"), QStringLiteral("--height=768")});
        QVERIFY2(m_weston.waitForStarted(10000), "weston could not be started (tools/deps.sh installs it)");
        // Its X server starts at the first X client, on the display it names.
        const QRegularExpression listo(QStringLiteral("xserver listening on display (:\\d+)"));
        QVERIFY2(esperar([&] {
                     QFile f(log);
                     const auto m = listo.match(f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString());
                     m_display = m.captured(1);
                     return m.hasMatch();
                 }),
                 "weston started no X server (xwayland is needed)");
        // The window lookup of the test reads the compositor's X server.
        qputenv("DISPLAY", m_display.toLocal8Bit());
    }

    void cleanupTestCase() { terminar(m_weston); }

    // The host as its user starts it, then Qx381 as the host does: both on
    // the session's X server, where Qx381 sees the host's window.
    void desdeElHost()
    {
        QTemporaryDir carpeta;
        QVERIFY(carpeta.isValid());
        const QProcessEnvironment e = entorno(carpeta.path(), QString());
        QProcess host;
        host.setProcessEnvironment(e);
        host.start(QStringLiteral(QX_BIN_DIR "/velantis"), {carpeta.filePath(QStringLiteral("datos"))});
        QVERIFY2(esperar([] { return x11::hasVisibleTopLevel(QStringLiteral("Velantis")); }),
                 qPrintable(QString::fromLocal8Bit(host.readAllStandardError())));

        QProcess qx;
        qx.setProcessEnvironment(e);
        qx.start(QStringLiteral(QX_BIN_DIR "/Qx381"), {});
        const bool abierta = esperar([&] { return x11::hasVisibleTopLevel(kCaption) || qx.state() == QProcess::NotRunning; })
                             && qx.state() == QProcess::Running;
        QFile mensajes(carpeta.filePath(QStringLiteral("mensajes.log")));
        const QString vistos = mensajes.open(QIODevice::ReadOnly) ? QString::fromUtf8(mensajes.readAll()) : QString();
        QVERIFY2(abierta, qPrintable(vistos + QString::fromLocal8Bit(qx.readAllStandardError())));
        QCOMPARE(vistos, QString());
        terminar(qx);
        terminar(host);
    }

    // A platform the user chose is kept: velantis on Wayland itself shows no
    // window on the X server, and runs on without one.
    void plataformaElegida()
    {
        QTemporaryDir carpeta;
        QVERIFY(carpeta.isValid());
        QProcess host;
        host.setProcessEnvironment(entorno(carpeta.path(), QStringLiteral("wayland")));
        host.start(QStringLiteral(QX_BIN_DIR "/velantis"), {carpeta.filePath(QStringLiteral("datos"))});
        QVERIFY(host.waitForStarted(10000));
        // Its first start makes the settings file, then shows the window.
        QVERIFY(esperar([&] { return QFile::exists(carpeta.filePath(QStringLiteral("windows/QX000.INI"))); }));
        QVERIFY2(!host.waitForFinished(3000), qPrintable(QString::fromLocal8Bit(host.readAllStandardError())));
        QVERIFY(!x11::hasVisibleTopLevel(QStringLiteral("Velantis")));
        terminar(host);
    }
};

QTEST_GUILESS_MAIN(TstWayland)
#include "tst_wayland.moc"
