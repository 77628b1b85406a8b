// Page 1 of the printed return: its first rows for a known taxpayer, the
// value cells (subtracted, plain, empty, not a number), and the credit block
// that the IEAN answer chooses.
#include "layout/core/paginas.h"
#include "grabadora.h"
#include <QtTest>

namespace {

DatosImpresion contribuyente()
{
    DatosImpresion d;
    d.sRuc = "20100070970";
    d.sRaSoc = "COMERCIAL LOS ANDES S.A.";
    d.sTelefono = "4421234";
    return d;
}

QStringList hoja1(const DatosImpresion &d)
{
    Grabadora g;
    pHoja1(d, g);
    return g.lineas();
}

} // namespace

class TstHoja1 : public QObject {
    Q_OBJECT
private slots:
    void primerasFilas()
    {
        const QStringList l = hoja1(contribuyente());
        const QStringList esperadas{
            "<!nHojas!>2<!/nHojas!>",
            "<!Color!> &H00FFFFC0&<!/Color!>",
            "<!Orientacion!> V<!/Orientacion!>",
            "pPos|300|350|KAVEN|TRUE|16|0|",
            "pPos|300|750|DECLARACION|False|8|0|",
            "pPos|550|1100|PAGO|False|8|0|",
            "pPos|550|1330|951|TRUE|12|0|",
            "pCuadro|150|300|1700|1640|0|",
            "pPos|3000|400|DECLARACION PAGO ANUAL IMPUESTO A LA RENTA|TRUE|9|0|",
            "pPos|4100|600|TERCERA CATEGORIA|TRUE|11|0|",
            "pPos|4300|850|Ejercicio gravable 1998|False|7|0|",
            "pCuadro|1700|300|8500|1100|0|",
            "pPos|1750|1170|RUC|False|8|0|",
            "pPos|3500|1170|20100070970|TRUE|8|0|",
            "pCuadro|1700|1100|3400|1370|0|",
            "pCuadro|3400|1100|8500|1370|0|",
            "pPos|1750|1450|RAZON SOCIAL|False|8|0|",
            "pPos|3500|1450|COMERCIAL LOS ANDES S.A.|TRUE|8|0|",
            "pCuadro|1700|1370|3400|1640|0|",
            "pCuadro|3400|1370|8500|1640|0|",
            "pPos|9000|400|Copia para el|False|8|0|",
            "pPos|9000|700|Contribuyente|False|9|0|",
            "pCuadro|8500|300|11000|1100|0|",
            "pCuadro|8500|1100|11000|1640|0|",
            QStringLiteral("pPos|8700|1170| N° DE TELEFONO|False|8|0|"),
            "pPos|9000|1450|4421234|False|8|0|",
            "pCuadro|8500|1100|11000|1370|0|",
            "pPos|300|1800|1.-  ESTADOS FINANCIEROS|TRUE|9|0|",
            "pCuadro|150|1740|11000|6870|0|",
            "pCuadro|150|2010|5575|6870|0|",
            "pCuadro|5575|2010|11000|6870|0|",
            "pPos|300|2070|I.-Balance General Ajustado |False|8|0|",
            "pCuadro|150|2010|3300|2280|0|",
            "pPos|3700|2070|Al 31 Dic 1998|False|8|0|",
            "pCuadro|3300|2010|5575|2280|0|",
            "pPosVerti|250|2340|ACTIVO|true|8|0|",
            "pCuadro|150|2280|500|3630|0|",
            // First box row: label, row rectangle, number, value, number cell.
            "pPos|550|2340|Activo Corriente(s/exist)|False|8|0|",
            "pCuadro|500|2280|5575|2550|0|",
            "pPos|3350|2340|300|False|8|0|",
            "pPos|3750|2340|" + blancos(16) + "|False|8|0|",
            "pCuadro|3300|2280|3700|2550|0|",
            // Box 301's value stands 30 twips below its label.
            "pPos|600|2610|Existencias)|False|8|0|",
            "pPos|3350|2610|301|False|8|0|",
            "pPos|3750|2640|" + blancos(16) + "|False|8|0|",
            "pCuadro|3300|2550|3700|2820|0|",
        };
        QCOMPARE(l.mid(0, esperadas.size()), esperadas);
    }

    void valores_data()
    {
        QTest::addColumn<int>("casilla");
        QTest::addColumn<QString>("guardado");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QString>("texto");
        QTest::newRow("restada entre parentesis") << 303 << "-1500" << 3750 << 3150 << blancos(10) + "(1,500)";
        QTest::newRow("positiva") << 303 << "1500" << 3750 << 3150 << blancos(11) + "1,500";
        QTest::newRow("cero") << 303 << "0" << 3750 << 3150 << blancos(15) + "0";
        QTest::newRow("vacia") << 303 << "" << 3750 << 3150 << blancos(16);
        QTest::newRow("simple negativa con signo") << 300 << "-1500" << 3750 << 2340 << blancos(10) + "-1,500";
        QTest::newRow("simple") << 302 << "250000" << 3750 << 2880 << blancos(9) + "250,000";
        QTest::newRow("letra A") << 500 << "410000" << 3750 << 3420 << blancos(9) + "410,000";
        QTest::newRow("ganancias y perdidas") << 323 << "-300000" << 9225 << 2610 << blancos(8) + "(300,000)";
        QTest::newRow("fuera del marco") << 342 << "12" << 9225 << 6930 << blancos(14) + "12";
        QTest::newRow("determinacion") << 100 << "50000" << 9225 << 7280 << blancos(10) + "50,000";
        QTest::newRow("impuesto") << 113 << "14940" << 9225 << 9710 << blancos(10) + "14,940";
        QTest::newRow("texto en un importe, tal cual") << 303 << "12,5x" << 3750 << 3150 << blancos(11) + "12,5x";
    }
    void valores()
    {
        QFETCH(int, casilla);
        QFETCH(QString, guardado);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QString, texto);
        DatosImpresion d = contribuyente();
        d.aValorCasilla[casilla] = guardado;
        QCOMPARE(lineaEn(hoja1(d), x, y), QStringLiteral("pPos|%1|%2|%3|False|8|0|").arg(x).arg(y).arg(texto));
    }

    void bloques_data()
    {
        QTest::addColumn<QString>("iean");
        QTest::addColumn<int>("lineas");
        QTest::addColumn<QStringList>("ultimas");
        // Script header 3 lines, then 211 commands of the statements, 56 of
        // the determination and 90 (block A) or 42 (block B) or none.
        QTest::newRow("afecto: bloque A") << "1" << 360
            << QStringList{"pPos|300|14640|Otros Créditos con derecho a devolución|False|8|0|",
                           "pCuadro|150|14590|11000|14860|0|", "pPos|8825|14640|129|False|8|0|",
                           "pPos|9225|14640|" + blancos(16) + "|False|8|0|", "pCuadro|8775|14590|9175|14860|0|"};
        QTest::newRow("no afecto: bloque B") << "0" << 312
            << QStringList{"pPos|300|12240|Otros Créditos con derecho a devolución|False|8|0|",
                           "pCuadro|150|12190|11000|12460|0|", "pPos|8825|12240|134|False|8|0|",
                           "pPos|9225|12240|" + blancos(16) + "|False|8|0|", "pCuadro|8775|12190|9175|12460|0|"};
        const QStringList sinBloque{"pPos|600|9710|IMPUESTO A LA RENTA, aplique la tasa correspondiente|False|8|0|",
                                    "pPos|8825|9710|113|False|8|0|", "pPos|9225|9710|" + blancos(16) + "|False|8|0|",
                                    "pCuadro|8775|9660|9175|9930|0|"};
        QTest::newRow("sin respuesta") << "" << 270 << sinBloque;
        QTest::newRow("un 1 con blanco delante") << " 1" << 270 << sinBloque;
    }
    void bloques()
    {
        QFETCH(QString, iean);
        QFETCH(int, lineas);
        QFETCH(QStringList, ultimas);
        DatosImpresion d = contribuyente();
        d.sIEAN = iean;
        const QStringList l = hoja1(d);
        QCOMPARE(l.size(), lineas);
        QCOMPARE(l.mid(l.size() - ultimas.size()), ultimas);
    }

    void soloLasCasillasDelBloque()
    {
        DatosImpresion d = contribuyente();
        d.aValorCasilla[130] = "4321";       // block B
        d.aValorCasilla[128] = "-8765";      // block A
        d.sIEAN = "1";
        QString todo = hoja1(d).join('\n');
        QVERIFY(todo.contains("(8,765)"));
        QVERIFY(!todo.contains("4,321"));
        d.sIEAN = "0";
        todo = hoja1(d).join('\n');
        QVERIFY(todo.contains("4,321"));
        QVERIFY(!todo.contains("8,765"));
    }

    void columnaDelMedio()
    {
        // Row 4 of block A: box 116 in the middle column, F on the right.
        DatosImpresion d = contribuyente();
        d.sIEAN = "1";
        d.aValorCasilla[116] = "-3000";
        d.aValorCasilla[507] = "9000";
        const QStringList l = hoja1(d);
        const int i = l.indexOf("pPos|300|11130|SUBTOTAL (CAS E -115)|False|8|0|");
        QVERIFY(i > 0);
        QCOMPARE(l.mid(i, 8), (QStringList{"pPos|300|11130|SUBTOTAL (CAS E -115)|False|8|0|",
                                           "pCuadro|150|11080|11000|11350|0|",
                                           "pPos|6500|11130|116|False|8|0|",
                                           "pPos|6900|11130|" + blancos(10) + "(3,000)|False|8|0|",
                                           "pCuadro|6450|11080|6850|11350|0|",
                                           "pPos|8825|11130| F|False|8|0|",
                                           "pPos|9225|11130|" + blancos(11) + "9,000|False|8|0|",
                                           "pCuadro|8775|11080|9175|11350|0|"}));
    }

    void grupoResultado()
    {
        // The group cell comes after the first row of its pair.
        const QStringList l = hoja1(contribuyente());
        const int i = l.indexOf("pCuadro|8775|8310|9175|8580|0|");
        QVERIFY(i > 0);
        QCOMPARE(l.mid(i + 1, 3), (QStringList{"pPos|600|8450|Resultado|False|8|0|",
                                               "pCuadro|500|8310|1700|8850|0|",
                                               QStringLiteral("pPos|2000|8630|Pérdida         Casilla  (100 O 101)+ Casilla 103 -Casilla 105|False|8|0|")}));
    }
};

QTEST_APPLESS_MAIN(TstHoja1)
#include "tst_hoja1.moc"
