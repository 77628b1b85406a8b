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
        QTest::newRow("barra en el texto") << QVariantList{"pPos", 10, 20, "A|B", false, 8, 2}
                                           << QStringList{"pPos|10|20|A|B|False|8|2|"};
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
