// The layout interpreter: each item kind as its command, a value cell's text
// through source, date, pattern and fill, repeated rows, and the decided
// fault: missing values print empty, values no pattern can read print as stored.
#include "layout/core/disposicion.h"
#include "grabadora.h"
#include <QHash>
#include <QtTest>

namespace {

const QString kFirmado = QStringLiteral("###,###,###,##0;(###,###,###,##0)");

// Boxes and named values of a test; a named value is its key, '@' and the index.
class FuentePrueba : public FuenteValores {
public:
    QHash<int, QString> casillas;
    QString casilla(int n) const override { return casillas.value(n); }
    QString valor(const QString &clave, int indice) const override
    {
        return clave + QLatin1Char('@') + QString::number(indice);
    }
};

} // namespace

class TstDisposicion : public QObject {
    Q_OBJECT
private slots:
    void comandos_data()
    {
        QTest::addColumn<int>("caso");
        QTest::addColumn<QVariantList>("comando");
        QTest::newRow("texto a la talla del momento") << 0 << QVariantList{"pPos", 300, 520, "RUC", false, 8, 1};
        QTest::newRow("texto negrita talla propia") << 1 << QVariantList{"pPos", 300, 520, "RUC", true, 9, 1};
        QTest::newRow("vertical") << 2 << QVariantList{"pPosVerti", 250, 2360, "ACTIVO", true, 8, 1};
        QTest::newRow("cuadro") << 3 << QVariantList{"pCuadro", 150, 320, 1700, 1660, 1};
    }
    void comandos()
    {
        QFETCH(int, caso);
        QFETCH(QVariantList, comando);
        const Elemento e[] = {texto(300, 500, "RUC"), texto(300, 500, "RUC").negrita().tamano(9),
                              vertical(250, 2340, "ACTIVO").negrita(), cuadro(150, 300, 1700, 1640)};
        QCOMPARE(fComandoElemento(e[caso], FuentePrueba(), 1, 8, 20), comando);
    }

    void textoCelda_data()
    {
        QTest::addColumn<QString>("guardado");
        QTest::addColumn<QString>("texto");
        QTest::newRow("negativo entre parentesis, ancho 17") << "-1500" << blancos(10) + "(1,500)";
        QTest::newRow("positivo, ancho 16") << "1500" << blancos(11) + "1,500";
        QTest::newRow("cero") << "0" << blancos(15) + "0";
        QTest::newRow("vacio") << "" << blancos(16);
        QTest::newRow("texto que no es numero, tal cual") << "abc" << blancos(13) + "abc";
        QTest::newRow("numero con texto detras, tal cual") << "12x" << blancos(13) + "12x";
        QTest::newRow("grande") << "123456789012" << blancos(1) + "123,456,789,012";
    }
    void textoCelda()
    {
        QFETCH(QString, guardado);
        QFETCH(QString, texto);
        FuentePrueba f;
        f.casillas.insert(303, guardado);
        const Elemento e = valorCasilla(3750, 3150, 303).conPatron(kFirmado).rellenar(16, 17);
        QCOMPARE(fTextoElemento(e, f), texto);
    }

    void casillaSinValor()
    {
        // No row at all: an empty cell filled to its width, not an error.
        const Elemento e = valorCasilla(3750, 3150, 303).conPatron(kFirmado).rellenar(16, 17);
        QCOMPARE(fTextoElemento(e, FuentePrueba()), blancos(16));
    }

    void patronSinParentesis()
    {
        // A pattern without a negative section keeps the sign; one width.
        FuentePrueba f;
        f.casillas.insert(300, "-1500");
        const Elemento e = valorCasilla(3750, 2340, 300).conPatron("###,###,###,##0").rellenar(16);
        QCOMPARE(fTextoElemento(e, f), blancos(10) + "-1,500");
    }

    void fecha_data()
    {
        QTest::addColumn<QString>("guardado");
        QTest::addColumn<QString>("texto");
        QTest::newRow("fecha") << "19990315" << blancos(5) + "15/03/1999";
        QTest::newRow("vacia") << "" << blancos(15);
        QTest::newRow("mes 13, tal cual") << "19981345" << blancos(7) + "19981345";
        QTest::newRow("texto, tal cual") << "marzo" << blancos(10) + "marzo";
    }
    void fecha()
    {
        QFETCH(QString, guardado);
        QFETCH(QString, texto);
        FuentePrueba f;
        f.casillas.insert(200, guardado);
        QCOMPARE(fTextoElemento(valorCasilla(9375, 4650, 200).comoFecha().rellenar(15), f), texto);
    }

    void completarYLiteralRelleno()
    {
        FuentePrueba f;
        QCOMPARE(fTextoElemento(valorClave(6000, 11660, "nombre").completar(12), f, 0), "nombre@0" + blancos(4));
        // A literal filled to a width shorter than itself comes back whole.
        QCOMPARE(fTextoElemento(texto(4650, 9350, "TOTAL IMPORTE ACTUALIZADO").rellenar(14), f),
                 QStringLiteral("TOTAL IMPORTE ACTUALIZADO"));
        QCOMPARE(fTextoElemento(texto(0, 0, "X").rellenar(3), f), QStringLiteral("  X"));
    }

    void filasRepetidas()
    {
        // A row table run for the indices 4 to 6, each row 270 lower, its
        // named value read for its own index.
        Disposicion fila{2, {}};
        fila << valorClave(350, 1350, "mes") << cuadro(300, 1300, 4950, 1570);
        Grabadora g;
        fila.pDisponerFilas(FuentePrueba(), g, 8, 4, 6, 270);
        QCOMPARE(g.lineas(), (QStringList{"pPos|350|1350|mes@4|False|8|2|", "pCuadro|300|1300|4950|1570|2|",
                                          "pPos|350|1620|mes@5|False|8|2|", "pCuadro|300|1570|4950|1840|2|",
                                          "pPos|350|1890|mes@6|False|8|2|", "pCuadro|300|1840|4950|2110|2|"}));
    }

    void ordenDeLaTabla()
    {
        Disposicion d{0, {}};
        d << texto(600, 7280, "Utilidad") << std::vector<Elemento>{cuadro(500, 7230, 11000, 7500),
                                                                    valorCasilla(9225, 7280, 100)};
        FuentePrueba f;
        f.casillas.insert(100, "7");
        Grabadora g;
        d.pDisponer(f, g, 8);
        QCOMPARE(g.lineas(), (QStringList{"pPos|600|7280|Utilidad|False|8|0|", "pCuadro|500|7230|11000|7500|0|",
                                          "pPos|9225|7280|7|False|8|0|"}));
    }

    void celdaDeCasilla()
    {
        Disposicion d{0, {}};
        d << texto(8825, 7280, "100") << valorCasilla(9225, 7280, 100) << valorCasilla(9225, 7550, 101);
        QVERIFY(d.celdaDeCasilla(101));
        QCOMPARE(d.celdaDeCasilla(101)->y, 7550);
        QVERIFY(!d.celdaDeCasilla(102));
    }

    void numeroCasilla_data()
    {
        QTest::addColumn<int>("casilla");
        QTest::addColumn<QString>("texto");
        QTest::newRow("300") << 300 << "300";
        QTest::newRow("codigo 12") << 12 << "012";
        QTest::newRow("A") << 500 << " A";
        QTest::newRow("cero") << 503 << " 0";
        QTest::newRow("G") << 508 << " G";
        QTest::newRow("M") << 514 << " M";
    }
    void numeroCasilla()
    {
        QFETCH(int, casilla);
        QFETCH(QString, texto);
        QCOMPARE(fTextoNumeroCasilla(casilla), texto);
    }
};

QTEST_APPLESS_MAIN(TstDisposicion)
#include "tst_disposicion.moc"
