// Page 2 of the printed return: the payment marks and bank data, the value
// cells, the answers as printed words, a rectifying declaration, and a sent
// declaration's order and control numbers with the blocks moved down.
#include "layout/core/paginas.h"
#include "grabadora.h"
#include <QtTest>

namespace {

QStringList hoja2(const DatosImpresion &d)
{
    Grabadora g;
    pHoja2(d, g);
    return g.lineas();
}

QString texto(int x, int y, const QString &t)
{
    return QStringLiteral("pPos|%1|%2|%3|False|8|1|").arg(x).arg(y).arg(t);
}

const QString kFormaDePago = "pPos|6900|3470|EFECTIVO                  CHEQUE|False|8|1|";
const QString kNumeroCheque = "pPos|300|3740|NUMERO DE CHEQUE|False|8|1|";

} // namespace

class TstHoja2 : public QObject {
    Q_OBJECT
private slots:
    void pago_data()
    {
        QTest::addColumn<QString>("forma");
        QTest::addColumn<QStringList>("marca");
        QTest::newRow("cheque") << "C"
                                << QStringList{texto(9025, 3470, "X"), texto(9375, 3740, blancos(7) + "00045871"),
                                               texto(9375, 4010, blancos(13) + "02")};
        QTest::newRow("efectivo") << "E" << QStringList{texto(6510, 3470, "X")};
        QTest::newRow("sin forma de pago") << "" << QStringList{};
        QTest::newRow("otra letra") << "c" << QStringList{};
    }
    void pago()
    {
        QFETCH(QString, forma);
        QFETCH(QStringList, marca);
        DatosImpresion d;
        d.aValorCasillaEsp[87] = forma;
        // The bank data print only with the cheque mark.
        d.sNumeroCheque = "00045871";
        d.sCodigoBanco = "02";
        const QStringList l = hoja2(d);
        const int i = l.indexOf(kFormaDePago);
        QVERIFY(i > 0);
        QCOMPARE(l.mid(i + 1, marca.size() + 1), marca + QStringList{kNumeroCheque});
        QCOMPARE(l.mid(i + marca.size() + 1, 7),
                 (QStringList{kNumeroCheque, texto(8975, 3740, "012"), "pCuadro|8925|3690|9325|3930|1|",
                              texto(300, 4010, "CODIGO DE BANCO"), "pCuadro|150|3930|11000|4200|1|",
                              texto(8975, 4010, "015"), "pCuadro|8925|3930|9325|4200|1|"}));
    }

    void valores_data()
    {
        QTest::addColumn<int>("casilla");
        QTest::addColumn<QString>("guardado");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QString>("texto");
        QTest::newRow("negativo") << 139 << "-1250" << 9375 << 1310 << blancos(8) + "(1,250)";
        QTest::newRow("cero") << 139 << "0" << 9375 << 1310 << blancos(14) + "0";
        QTest::newRow("vacio") << 141 << "" << 9375 << 1850 << blancos(15);
        QTest::newRow("138 cero vacio") << 138 << "0" << 9375 << 950 << blancos(15);
        QTest::newRow("138") << 138 << "4500" << 9375 << 950 << blancos(10) + "4,500";
        QTest::newRow("137 opcion") << 137 << "1" << 7450 << 950 << blancos(6) + "1";
        QTest::newRow("M") << 514 << "3640" << 9375 << 2120 << blancos(10) + "3,640";
        QTest::newRow("146 en la linea de arriba") << 146 << "3540" << 9375 << 2920 << blancos(10) + "3,540";
        QTest::newRow("fecha seccion 3") << 200 << "19981209" << 9375 << 4650 << blancos(5) + "09/12/1998";
        QTest::newRow("fecha informacion") << 200 << "19981209" << 9375 << 9230 << blancos(4) + "09/12/1998";
        QTest::newRow("fecha vacia") << 200 << "" << 9375 << 9230 << blancos(14);
        QTest::newRow("fecha que no es fecha, tal cual") << 200 << "1998AB09" << 9375 << 4650 << blancos(7) + "1998AB09";
        QTest::newRow("ruc tal cual") << 203 << "20300012345" << 7300 << 5830 << blancos(3) + "20300012345";
        QTest::newRow("zona") << 208 << "5" << 9375 << 11930 << blancos(12) + "05";
        QTest::newRow("ruc del contador") << 209 << "10457812" << 9375 << 12200 << blancos(6) + "10457812";
        QTest::newRow("texto en un importe, tal cual") << 201 << "mil" << 9375 << 5560 << blancos(12) + "mil";
    }
    void valores()
    {
        QFETCH(int, casilla);
        QFETCH(QString, guardado);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QString, texto);
        DatosImpresion d;
        d.aValorCasilla[casilla] = guardado;
        QCOMPARE(lineaEn(hoja2(d), x, y), ::texto(x, y, texto));
    }

    void respuestas_data()
    {
        QTest::addColumn<QString>("respuesta");
        QTest::addColumn<QStringList>("textos");   // exonerado, agraria, IEAN, anexo, convenio, domicilio
        QTest::newRow("1") << "1"
                           << QStringList{"   EXONERADO", blancos(12) + "SI", blancos(12) + "SI", blancos(12) + "SI",
                                          blancos(12) + "SI", blancos(1) + "  Domiciliado"};
        const QStringList no{"NO EXONERADO", blancos(12) + "NO", blancos(12) + "NO", blancos(12) + "NO",
                             blancos(12) + "NO", "NO DOMICILIADO"};
        QTest::newRow("0") << "0" << no;
        QTest::newRow("sin respuesta") << "" << no;
    }
    void respuestas()
    {
        QFETCH(QString, respuesta);
        QFETCH(QStringList, textos);
        DatosImpresion d;
        d.sExonerado = d.sAgraria = d.sIEAN = d.sAnexo = d.sConvenio = d.sDomiciliado = respuesta;
        const QStringList l = hoja2(d);
        const int ys[] = {8740, 9010, 9550, 9820, 10090, 10630};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(lineaEn(l, 9375, ys[i]), texto(9375, ys[i], textos.at(i)));
    }

    void rectificativa_data()
    {
        QTest::addColumn<QString>("numeroOrden");
        QTest::addColumn<QString>("texto");
        QTest::newRow("con numero de orden") << "12345678" << blancos(12) + "SI";
        QTest::newRow("sin numero de orden") << "" << blancos(12) + "NO";
    }
    void rectificativa()
    {
        QFETCH(QString, numeroOrden);
        QFETCH(QString, texto);
        DatosImpresion d;
        d.sNumOrdenRectificada = numeroOrden;
        QCOMPARE(lineaEn(hoja2(d), 9375, 10310), ::texto(9375, 10310, texto));
    }

    void enviada()
    {
        DatosImpresion d;
        d.bGl_recti = true;
        d.sNOrdenR = "00456789";
        d.sControl = "7731";
        d.sNombreContador = "QUISPE MAMANI ROSA";
        const QStringList l = hoja2(d);
        const int i = l.indexOf("pCuadro|8925|10580|11000|10850|1|");
        QVERIFY(i > 0);
        QCOMPARE(l.mid(i + 1, 12),
                 (QStringList{QStringLiteral("pPos|300|10900|Número de Orden|False|8|1|"),
                              "pCuadro|150|10850|11000|11120|1|", texto(9375, 10900, blancos(6) + "00456789"),
                              "pCuadro|8925|10850|11000|11120|1|",
                              QStringLiteral("pPos|300|11170|Número de Control |False|8|1|"),
                              "pCuadro|150|11120|11000|11390|1|", texto(9375, 11170, blancos(10) + "7731"),
                              "pCuadro|8925|11120|11000|11390|1|",
                              "pPos|300|11660|DATOS DEL CONTADOR|TRUE|8|1|",
                              "pCuadro|150|11610|11000|13230|1|", texto(300, 11930, "Apellidos y Nombres"),
                              texto(6000, 11930, "QUISPE MAMANI ROSA" + blancos(27))}));
        // The frame of the answers stays; the last block ends 270 lower.
        QVERIFY(l.contains("pCuadro|150|7870|11000|14310|1|"));
        QCOMPARE(l.last(), QStringLiteral("pCuadro|8455|14310|8855|14580|1|"));
        QCOMPARE(l.size(), 208);
    }

    void noEnviada()
    {
        DatosImpresion d;
        const QStringList l = hoja2(d);
        const int i = l.indexOf("pCuadro|8925|10580|11000|10850|1|");
        QVERIFY(i > 0);
        QCOMPARE(l.at(i + 1), QStringLiteral("pPos|300|11390|DATOS DEL CONTADOR|TRUE|8|1|"));
        QVERIFY(!l.join('\n').contains(QStringLiteral("Número de Orden")));
        QCOMPARE(l.last(), QStringLiteral("pCuadro|8455|14040|8855|14310|1|"));
        QCOMPARE(l.size(), 200);
    }
};

QTEST_APPLESS_MAIN(TstHoja2)
#include "tst_hoja2.moc"
