// The script line of each command kind, as the host's spool viewer reads it.
#include "printing/core/lineaguion.h"
#include "shell/core/errorejecucion.h"
#include <QtTest>

class TstLineaGuion : public QObject {
    Q_OBJECT
private slots:
    void lineas_data()
    {
        QTest::addColumn<QVariantList>("comando");
        QTest::addColumn<QStringList>("lineas");
        QTest::newRow("cabecera") << QVariantList{"Cabecera", 2}
                                  << QStringList{"<!nHojas!>2<!/nHojas!>", "<!Color!> &H00FFFFC0&<!/Color!>",
                                                 "<!Orientacion!> V<!/Orientacion!>"};
        QTest::newRow("ppos negrita") << QVariantList{"pPos", 300, 750, "DECLARACION", true, 8, 0}
                                      << QStringList{"pPos|300|750|DECLARACION|TRUE|8|0|"};
        QTest::newRow("ppos sin negrita") << QVariantList{"pPos", 300, 750, "DECLARACION", false, 8, 0}
                                          << QStringList{"pPos|300|750|DECLARACION|False|8|0|"};
        QTest::newRow("vertical") << QVariantList{"pPosVerti", 300, 750, "DECLARACION", true, 8, 0}
                                  << QStringList{"pPosVerti|300|750|DECLARACION|true|8|0|"};
        QTest::newRow("negrita 1") << QVariantList{"pPos", 1, 2, "X", 1, 8, 1}
                                   << QStringList{"pPos|1|2|X|TRUE|8|1|"};
        QTest::newRow("negrita 0") << QVariantList{"pPosVerti", 1, 2, "X", 0, 8, 1}
                                   << QStringList{"pPosVerti|1|2|X|false|8|1|"};
        // A text never splits its line, adds one or opens a tag: "|" as "¦",
        // the "<" of "<!" as "‹", CR, LF and tab as blanks, in any element.
        QTest::newRow("barra en el texto") << QVariantList{"pPos", 10, 20, "A|B", false, 8, 2}
                                           << QStringList{"pPos|10|20|A\u00A6B|False|8|2|"};
        QTest::newRow("etiqueta en el texto") << QVariantList{"pPos", 10, 20, "A <!np!> B", false, 8, 2}
                                              << QStringList{"pPos|10|20|A \u2039!np!> B|False|8|2|"};
        QTest::newRow("menor que y cierre sueltos") << QVariantList{"pPos", 10, 20, "A < B !> C", false, 8, 2}
                                                    << QStringList{"pPos|10|20|A < B !> C|False|8|2|"};
        QTest::newRow("fin de linea en el texto") << QVariantList{"pPos", 10, 20, "A\r\nB\tC", false, 8, 2}
                                                  << QStringList{"pPos|10|20|A  B C|False|8|2|"};
        QTest::newRow("vertical con barra") << QVariantList{"pPosVerti", 10, 20, "A|B", false, 8, 2}
                                            << QStringList{"pPosVerti|10|20|A\u00A6B|false|8|2|"};
        QTest::newRow("barra en otro elemento") << QVariantList{"pCuadro", "1|2", 300, 1700, 1640, "0\r\n"}
                                                << QStringList{"pCuadro|1\u00A62|300|1700|1640|0  |"};
        QTest::newRow("etiqueta en la cabecera") << QVariantList{"Cabecera", "2<!np!>"}
                                                 << QStringList{"<!nHojas!>2\u2039!np!><!/nHojas!>",
                                                                "<!Color!> &H00FFFFC0&<!/Color!>",
                                                                "<!Orientacion!> V<!/Orientacion!>"};
        QTest::newRow("cuadro") << QVariantList{"pCuadro", 150, 300, 1700, 1640, 0}
                                << QStringList{"pCuadro|150|300|1700|1640|0|"};
        QTest::newRow("nueva hoja") << QVariantList{"pNuevaHoja"} << QStringList{"pNuevaHoja"};
        QTest::newRow("fin") << QVariantList{"Fin"} << QStringList{};
        QTest::newRow("nombre en minusculas") << QVariantList{"ppos", 1, 2, "X", false, 8, 0} << QStringList{};
    }
    void lineas()
    {
        QFETCH(QVariantList, comando);
        QFETCH(QStringList, lineas);
        QCOMPARE(fLineasGuion(comando), lineas);
    }

    // Positions, sizes and pages become 16-bit whole numbers as the runtime
    // converts them: halves to even, a Boolean True is -1.
    void entero16_data()
    {
        QTest::addColumn<QVariant>("valor");
        QTest::addColumn<int>("resultado");
        QTest::addColumn<int>("error");
        QTest::newRow("entero") << QVariant(300) << 300 << 0;
        QTest::newRow("media a par abajo") << QVariant(750.5) << 750 << 0;
        QTest::newRow("media a par arriba") << QVariant(751.5) << 752 << 0;
        QTest::newRow("texto con ceros") << QVariant("0300") << 300 << 0;
        QTest::newRow("verdadero") << QVariant(true) << -1 << 0;
        QTest::newRow("vacio") << QVariant() << 0 << 0;
        QTest::newRow("tope") << QVariant(32767) << 32767 << 0;
        QTest::newRow("piso por redondeo") << QVariant(-32768.5) << -32768 << 0;
        QTest::newRow("sobre el tope por redondeo") << QVariant(32767.5) << 0 << 6;
        QTest::newRow("bajo el piso") << QVariant(-32769) << 0 << 6;
        QTest::newRow("texto") << QVariant("abc") << 0 << 13;
    }
    void entero16()
    {
        QFETCH(QVariant, valor);
        QFETCH(int, resultado);
        QFETCH(int, error);
        try {
            QCOMPARE(fEntero16(valor), resultado);
            QCOMPARE(error, 0);
        } catch (const ErrorEjecucion &e) {
            QCOMPARE(e.numero, error);
        }
    }

    void faltaUnElemento()
    {
        try {
            fLineasGuion({"pCuadro", 150, 300, 1700, 1640});
            QFAIL("sin error");
        } catch (const ErrorEjecucion &e) {
            QCOMPARE(e.numero, 9);
        }
    }
};

QTEST_APPLESS_MAIN(TstLineaGuion)
#include "tst_lineaguion.moc"
