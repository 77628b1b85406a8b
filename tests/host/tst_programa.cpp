// The built velantis as a user starts it without a desktop: it says that it
// needs an X display and ends with a failure status, creating nothing.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TstPrograma : public QObject {
    Q_OBJECT
private slots:
    void sinPantalla_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("sin DISPLAY") << QString()
                                     << "Velantis: Velantis necesita una pantalla X: la variable DISPLAY no está definida.";
        // A display number no server listens on.
        QTest::newRow("pantalla que no responde") << ":7919"
                                                  << "Velantis: Velantis necesita una pantalla X: no se pudo abrir la pantalla \":7919\".";
    }
    void sinPantalla()
    {
        QFETCH(QString, display);
        QFETCH(QString, mensaje);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.remove(QStringLiteral("DISPLAY"));
        e.remove(QStringLiteral("WAYLAND_DISPLAY"));
        e.remove(QStringLiteral("QT_QPA_PLATFORM"));
        if (!display.isEmpty())
            e.insert(QStringLiteral("DISPLAY"), display);
        e.insert(QStringLiteral("QX_WINDIR"), dir.filePath(QStringLiteral("windows/")));
        e.insert(QStringLiteral("HOME"), dir.path());
        QProcess p;
        p.setProcessEnvironment(e);
        p.start(QStringLiteral(QX_BIN_DIR "/velantis"), {dir.filePath(QStringLiteral("datos"))});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 1);
        const QString err = QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
        QCOMPARE(err, mensaje);
        QVERIFY(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstPrograma)
#include "tst_programa.moc"
