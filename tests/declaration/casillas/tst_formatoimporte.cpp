// Amount texts of the boxes on entering and leaving, and their reading.
#include "declaration/core/casillas/formatoimporte.h"
#include "declaration/core/casillas/listacasillas.h"
#include "declaration/core/casillas/modelocasillas.h"
#include <QSignalSpy>
#include <QtTest>

using namespace FormatoImporte;

class TstFormatoImporte : public QObject {
    Q_OBJECT
private slots:
    void alEntrar_data();
    void alEntrar();
    void alSalir_data();
    void alSalir();
    void importe_data();
    void importe();
    void ida_y_vuelta_data();
    void ida_y_vuelta();
    void bloqueadaNoSeToca();
    void textoLibreAlSalirNoCambia();
    void modeloFijaLargoYTexto();
};

// Columns: box, text, enabled, expected MaxLength, expected text.
void TstFormatoImporte::alEntrar_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("habilitada");
    QTest::addColumn<int>("largo");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("ordinaria con miles") << 103 << "1,250" << true << 12 << "1250";
    QTest::newRow("ordinaria vacia") << 103 << "" << true << 12 << "";
    QTest::newRow("ordinaria cero") << 300 << "0" << true << 12 << "0";
    QTest::newRow("restada digitada") << 123 << "(500)" << true << 12 << "500";
    QTest::newRow("restada digitada vacia") << 123 << "" << true << 12 << "";
    QTest::newRow("restada digitada blancos") << 123 << "  " << true << 12 << "  ";
    QTest::newRow("restada digitada cero") << 340 << "(0)" << true << 12 << "0";
    QTest::newRow("anexo 117") << 117 << "(1,500)" << true << 17 << "1500";
    QTest::newRow("anexo 131 vacia") << 131 << "" << true << 17 << "";
    QTest::newRow("calculada 107 vacia") << 107 << "" << true << 12 << "0";
    QTest::newRow("calculada 504") << 504 << "(2,000)" << true << 12 << "2000";
    QTest::newRow("138 vacia") << 138 << "" << true << 12 << "0";
    QTest::newRow("113") << 113 << "3,000" << true << 17 << "3000";
    QTest::newRow("codigo ruc") << 203 << "20100070970" << true << 11 << "20100070970";
    QTest::newRow("codigo vacio") << 226 << "" << true << 11 << "";
    QTest::newRow("texto libre") << 211 << "AB-12" << true << 12 << "AB-12";
    QTest::newRow("137") << 137 << "2" << true << 1 << "2";
    QTest::newRow("deshabilitada") << 140 << "1,234" << false << 13 << "1234";
}

void TstFormatoImporte::alEntrar()
{
    QFETCH(int, n);
    QFETCH(QString, texto);
    QFETCH(bool, habilitada);
    QFETCH(int, largo);
    QFETCH(QString, esperado);
    const auto c = fAlEntrar(n, texto, habilitada, false);
    QVERIFY(c.has_value());
    QCOMPARE(c->maxLength, largo);
    QCOMPARE(c->texto, esperado);
}

void TstFormatoImporte::alSalir_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("habilitada");
    QTest::addColumn<int>("largo");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("ordinaria") << 103 << "1250" << true << 15 << "1,250";
    QTest::newRow("ordinaria millones") << 100 << "1234567" << true << 15 << "1,234,567";
    QTest::newRow("ordinaria vacia") << 103 << "" << true << 15 << "";
    QTest::newRow("ordinaria cero") << 303 << "0" << true << 15 << "0";
    QTest::newRow("restada") << 123 << "500" << true << 17 << "(500)";
    QTest::newRow("restada miles") << 317 << "1000" << true << 17 << "(1,000)";
    QTest::newRow("restada vacia") << 123 << "" << true << 17 << "";
    QTest::newRow("restada cero") << 145 << "0" << true << 17 << "(0)";
    QTest::newRow("anexo") << 128 << "2500" << true << 17 << "(2,500)";
    QTest::newRow("calculada 107") << 107 << "0" << true << 17 << "(0)";
    QTest::newRow("138 vacia") << 138 << "" << true << 17 << "(0)";
    QTest::newRow("138 con valor") << 138 << "750" << true << 17 << "(750)";
    QTest::newRow("113") << 113 << "3000" << true << 15 << "3,000";
    QTest::newRow("137") << 137 << "1" << true << 15 << "1";
    QTest::newRow("codigo") << 209 << "10203040" << true << 11 << "10203040";
    QTest::newRow("deshabilitada positiva") << 140 << "1500" << false << 18 << "1,500";
    QTest::newRow("deshabilitada negativa") << 141 << "-300" << false << 18 << "(300)";
    QTest::newRow("deshabilitada vacia") << 144 << "" << false << 18 << "";
}

void TstFormatoImporte::alSalir()
{
    QFETCH(int, n);
    QFETCH(QString, texto);
    QFETCH(bool, habilitada);
    QFETCH(int, largo);
    QFETCH(QString, esperado);
    const auto c = fAlSalir(n, texto, habilitada, false);
    QVERIFY(c.has_value());
    QCOMPARE(c->maxLength, largo);
    QCOMPARE(c->texto, esperado);
}

void TstFormatoImporte::importe_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<double>("valor");
    QTest::newRow("vacio") << "" << 0.0;
    QTest::newRow("digitos") << "1250" << 1250.0;
    QTest::newRow("miles") << "1,234,567" << 1234567.0;
    QTest::newRow("parentesis") << "(1,234)" << -1234.0;
    QTest::newRow("cero entre parentesis") << "(0)" << 0.0;
    QTest::newRow("menos") << "-500" << -500.0;
}

void TstFormatoImporte::importe()
{
    QFETCH(QString, texto);
    QFETCH(double, valor);
    QCOMPARE(fImporte(texto), valor);
    QCOMPARE(fImporteAbs(texto), qAbs(valor));
}

// Typed digits, the form shown after leaving, and back on entering again.
void TstFormatoImporte::ida_y_vuelta_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("tecleado");
    QTest::addColumn<QString>("mostrado");
    QTest::newRow("103") << 103 << "1250" << "1,250";
    QTest::newRow("123 restada") << 123 << "500" << "(500)";
    QTest::newRow("330 restada miles") << 330 << "1234567" << "(1,234,567)";
    QTest::newRow("vacio") << 321 << "" << "";
}

void TstFormatoImporte::ida_y_vuelta()
{
    QFETCH(int, n);
    QFETCH(QString, tecleado);
    QFETCH(QString, mostrado);
    const auto fuera = fAlSalir(n, tecleado, true, false);
    QCOMPARE(fuera->texto, mostrado);
    const auto dentro = fAlEntrar(n, fuera->texto, true, false);
    QCOMPARE(dentro->texto, tecleado);
}

void TstFormatoImporte::bloqueadaNoSeToca()
{
    QVERIFY(!fAlEntrar(500, "1,000", true, true).has_value());
    QVERIFY(!fAlSalir(107, "", true, true).has_value());
}

void TstFormatoImporte::textoLibreAlSalirNoCambia()
{
    QVERIFY(!fAlSalir(225, "le-123", true, false).has_value());
}

void TstFormatoImporte::modeloFijaLargoYTexto()
{
    ModeloCasillas m;
    ListaCasillas::pInicializar(m);
    m.setTexto(103, "1,250");
    QSignalSpy textos(&m, &ModeloCasillas::textoCambiado);
    pAlEntrar(m, 103);
    QCOMPARE(m.texto(103), QString("1250"));
    QCOMPARE(m.maxLength(103), 12);
    QCOMPARE(textos.count(), 1);
    pAlSalir(m, 103);
    QCOMPARE(m.texto(103), QString("1,250"));
    QCOMPARE(m.maxLength(103), 15);

    // Computed boxes are locked at start: the focus rules leave them alone.
    m.setTexto(107, "");
    pAlEntrar(m, 107);
    QCOMPARE(m.texto(107), QString(""));
    m.setBloqueada(107, false);
    pAlEntrar(m, 107);
    QCOMPARE(m.texto(107), QString("0"));
}

QTEST_GUILESS_MAIN(TstFormatoImporte)
#include "tst_formatoimporte.moc"
