// The arithmetic of the window utilities.
#include "shell/core/calculoventanas.h"
#include "shell/core/errorejecucion.h"

#include <QTemporaryDir>
#include <QtTest>

class TstCalculoVentanas : public QObject {
    Q_OBJECT
private slots:
    void centrado_data()
    {
        QTest::addColumn<double>("anchoP");
        QTest::addColumn<double>("altoP");
        QTest::addColumn<double>("ancho");
        QTest::addColumn<double>("alto");
        QTest::addColumn<qint64>("left");
        QTest::addColumn<double>("top");
        QTest::newRow("exacto") << 9720.0 << 7320.0 << 4890.0 << 4710.0 << qint64(2415) << 1305.0;
        QTest::newRow("medios") << 9720.0 << 7320.0 << 4891.0 << 4711.0 << qint64(2414) << 1304.5;
        QTest::newRow("mas ancha que la principal") << 9720.0 << 7320.0 << 10001.0 << 8001.0 << qint64(-141) << -340.5;
    }
    void centrado()
    {
        QFETCH(double, anchoP);
        QFETCH(double, altoP);
        QFETCH(double, ancho);
        QFETCH(double, alto);
        QFETCH(qint64, left);
        QFETCH(double, top);
        const PosicionCentrada p = fPosicionCentrada(anchoP, altoP, ancho, alto);
        QCOMPARE(p.left, left);
        QCOMPARE(p.top, top);
    }

    void fechaTexto_data()
    {
        QTest::addColumn<QString>("entrada");
        QTest::addColumn<QString>("salida");
        QTest::newRow("15 de marzo de 1999") << "19990315" << "15/03/1999";
        QTest::newRow("vacio") << "" << "";
        QTest::newRow("bisiesto") << "20000229" << "29/02/2000";
        QTest::newRow("fin de 1998") << "19981231" << "31/12/1998";
    }
    void fechaTexto()
    {
        QFETCH(QString, entrada);
        QFETCH(QString, salida);
        QCOMPARE(fFechaTexto(entrada), salida);
    }

    void fechaTextoInvalida_data()
    {
        QTest::addColumn<QString>("entrada");
        QTest::newRow("mes 13") << "19991315";
        QTest::newRow("30 de febrero") << "19980230";
        QTest::newRow("letras") << "1999MMDD";
        QTest::newRow("corta") << "1999";
        QTest::newRow("blancos") << "        ";
    }
    void fechaTextoInvalida()
    {
        QFETCH(QString, entrada);
        try {
            fFechaTexto(entrada);
            QFAIL("no error raised");
        } catch (const ErrorEjecucion &e) {
            QCOMPARE(e.numero, 13);
        }
    }

    void anchoDesplegable_data()
    {
        QTest::addColumn<int>("nChars");
        QTest::addColumn<qint64>("anchoCaracter");
        QTest::addColumn<int>("ancho");
        QTest::addColumn<bool>("desborda");
        QTest::newRow("dos caracteres: el ancho del combo") << 2 << qint64(7) << 0 << false;
        QTest::newRow("cuarenta") << 40 << qint64(6) << 228 << false;
        QTest::newRow("resta en el limite") << -32766 << qint64(1) << -32768 << false;
        QTest::newRow("resta desborda") << -32767 << qint64(1) << 0 << true;
        QTest::newRow("producto cabe") << 32767 << qint64(65000) << 2129725000 << false;
        QTest::newRow("producto desborda") << 32767 << qint64(70000) << 0 << true;
    }
    void anchoDesplegable()
    {
        QFETCH(int, nChars);
        QFETCH(qint64, anchoCaracter);
        QFETCH(int, ancho);
        QFETCH(bool, desborda);
        try {
            QCOMPARE(fAnchoDesplegable(nChars, anchoCaracter), ancho);
            QVERIFY(!desborda);
        } catch (const ErrorEjecucion &e) {
            QVERIFY(desborda);
            QCOMPARE(e.numero, 6);
        }
    }

    void anchoCaracter()
    {
        QCOMPARE(fAnchoCaracterDeMedida(363), 6);   // 363 / 52 = 6.98
        QCOMPARE(fAnchoCaracterDeMedida(364), 7);
    }

    void teclaTab_data()
    {
        QTest::addColumn<QString>("tecla");
        QTest::addColumn<bool>("tab");
        QTest::newRow("TAB") << "TAB" << true;
        QTest::newRow("minusculas") << "tab" << false;
        QTest::newRow("blanco final") << "TAB " << false;
        QTest::newRow("vacia") << "" << false;
        QTest::newRow("llaves") << "{TAB}" << false;
    }
    void teclaTab()
    {
        QFETCH(QString, tecla);
        QFETCH(bool, tab);
        QCOMPARE(fEsTeclaTab(tecla), tab);
    }

    void conservaRazonSocial_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<bool>("conserva");
        // Buttons 1..10 side by side, 50 wide, separators 6, 8, 9 10 wide.
        QTest::newRow("borde izquierdo del 1") << 0 << true;
        QTest::newRow("borde derecho del 4 (incluido)") << 200 << true;
        QTest::newRow("boton 5") << 225 << false;
        QTest::newRow("separador 6") << 255 << true;
        QTest::newRow("boton 7") << 285 << false;
        QTest::newRow("separador 8") << 315 << true;
        QTest::newRow("separador 9") << 325 << false;
        QTest::newRow("boton 10") << 350 << false;
        QTest::newRow("fuera") << 500 << false;
    }
    void conservaRazonSocial()
    {
        QFETCH(int, x);
        QFETCH(bool, conserva);
        const QList<QPair<int, int>> botones = {{0, 50}, {50, 50}, {100, 50}, {150, 50}, {201, 49}, {250, 10},
                                                {260, 50}, {310, 10}, {321, 9}, {331, 50}};
        QCOMPARE(fConservaRazonSocial(x, botones), conserva);
    }

    void ayudaHtml()
    {
        QTemporaryDir dir;
        const QString hlp = dir.filePath(QStringLiteral("0951/Qx951.hlp"));
        QDir().mkpath(dir.filePath(QStringLiteral("0951")));
        QCOMPARE(fAyudaHtml(hlp), QString());
        QFile f(dir.filePath(QStringLiteral("0951/Qx951.html")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QCOMPARE(fAyudaHtml(hlp), QFileInfo(f).absoluteFilePath());
    }
};

QTEST_GUILESS_MAIN(TstCalculoVentanas)
#include "tst_calculoventanas.moc"
