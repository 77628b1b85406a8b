// Check digits below are worked out by hand under the weights 5,4,3,2,7,6,5,4,3,2.
#include <QtTest>

#include "platform/utilitario.h"

class TstUtilitario : public QObject {
    Q_OBJECT
private slots:
    void validaRuc_data();
    void validaRuc();
    void validaNumDoc_data();
    void validaNumDoc();
    void relleno_data();
    void relleno();
};

void TstUtilitario::validaRuc_data()
{
    QTest::addColumn<QString>("ruc");
    QTest::addColumn<bool>("valid");
    // 2*5 + 1*3 + 7*5 + 9*3 + 7*2 = 89; 89 mod 11 = 1; 11 - 1 = 10 -> 0.
    QTest::newRow("check 10 gives 0") << "20100070970" << true;
    QTest::newRow("wrong last digit") << "20100070971" << false;
    // 2*5 = 10; 11 - 10 = 1.
    QTest::newRow("plain check") << "20000000001" << true;
    QTest::newRow("plain check wrong") << "20000000002" << false;
    // 1*5 = 5; 11 - 5 = 6.
    QTest::newRow("person ruc") << "10000000006" << true;
    QTest::newRow("person ruc zero") << "10000000000" << false;
    // 1*5 + 3*2 = 11; 11 mod 11 = 0; 11 - 0 = 11 -> 1.
    QTest::newRow("check 11 gives 1") << "10000000031" << true;
    QTest::newRow("check 11 not 0") << "10000000030" << false;
    QTest::newRow("ten digits") << "2010007097" << false;
    QTest::newRow("twelve digits") << "201000709700" << false;
    QTest::newRow("letter") << "2010007097A" << false;
    QTest::newRow("blank inside") << "2010007 970" << false;
    QTest::newRow("leading blank") << " 20100070970" << false;
    QTest::newRow("empty") << "" << false;
}

void TstUtilitario::validaRuc()
{
    QFETCH(QString, ruc);
    QFETCH(bool, valid);
    cUtilitario u;
    QCOMPARE(u.ValidaRuc(ruc), valid);
    int a = 0, b = 0;
    QCOMPARE(u.ValidaNumDocMarcado(ruc, a, b), valid);
}

void TstUtilitario::validaNumDoc_data()
{
    QTest::addColumn<QString>("numero");
    QTest::addColumn<bool>("valid");
    QTest::newRow("digits") << "07654321" << true;
    QTest::newRow("one digit") << "5" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blank") << " " << false;
    QTest::newRow("letter") << "1234A" << false;
    QTest::newRow("sign") << "-123" << false;
}

void TstUtilitario::validaNumDoc()
{
    QFETCH(QString, numero);
    QFETCH(bool, valid);
    cUtilitario u;
    int a = 0, b = 0;
    QCOMPARE(u.ValidaNumDoc(numero, a, b), valid);
}

void TstUtilitario::relleno_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("ancho");
    QTest::addColumn<QString>("rellenado");
    QTest::addColumn<QString>("completado");
    QTest::newRow("amount") << "1,234" << 8 << "   1,234" << "1,234   ";
    QTest::newRow("exact") << "(500)" << 5 << "(500)" << "(500)";
    QTest::newRow("longer unchanged") << "TOTAL IMPORTE ACTUALIZADO" << 14
                                      << "TOTAL IMPORTE ACTUALIZADO" << "TOTAL IMPORTE ACTUALIZADO";
    QTest::newRow("empty") << "" << 3 << "   " << "   ";
}

void TstUtilitario::relleno()
{
    QFETCH(QString, texto);
    QFETCH(int, ancho);
    QFETCH(QString, rellenado);
    QFETCH(QString, completado);
    cUtilitario u;
    QCOMPARE(u.fRellenarTexto(texto, ancho), rellenado);
    QCOMPARE(u.fCompletarTexto(texto, ancho), completado);
}

QTEST_APPLESS_MAIN(TstUtilitario)
#include "tst_utilitario.moc"
