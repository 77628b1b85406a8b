#pragma once
// Texts pasted over the whole of a box or cell that holds "7", and what it
// holds after while it has the focus (its entry form): "7" when the paste is
// refused. Columns: an ordinary declaration box (103), a subtracted one typed
// by the user (105), a calculator cell; then what ImportePegado::fEntrada
// itself gives for the text, refusing a negative amount and taking its
// absolute value (kRechazado when it refuses the text): the windows refuse
// besides what does not fit their entry length. Header only.
#include <QtTest>

namespace importespegados {

inline const QString kAntes = QStringLiteral("7");
inline const QString kRechazado = QStringLiteral("<rechazado>");

inline void filas()
{
    QTest::addColumn<QString>("pegado");
    QTest::addColumn<QString>("plana");
    QTest::addColumn<QString>("restada");
    QTest::addColumn<QString>("celda");
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<QString>("absoluta");
    const QString no = kAntes;
    const QString r = kRechazado;
    QTest::newRow("digitos") << "1234" << "1234" << "1234" << "1234" << "1234" << "1234";
    QTest::newRow("decimales") << "1234.56" << "1235" << "1235" << "1235" << "1235" << "1235";
    QTest::newRow("medio lejos del cero") << "2.5" << "3" << "3" << "3" << "3" << "3";
    QTest::newRow("bajo el medio") << "1234.49" << "1234" << "1234" << "1234" << "1234" << "1234";
    QTest::newRow("redondeo que lleva") << "999.5" << "1000" << "1000" << "1000" << "1000" << "1000";
    QTest::newRow("miles y decimales") << "32,000.00" << "32000" << "32000" << "32000" << "32000" << "32000";
    QTest::newRow("millones") << "1,234,567" << "1234567" << "1234567" << "1234567" << "1234567" << "1234567";
    QTest::newRow("blancos y fin de linea") << " 1,250\r\n" << "1250" << "1250" << "1250" << "1250" << "1250";
    QTest::newRow("tabulador") << "\t1250\t" << "1250" << "1250" << "1250" << "1250" << "1250";
    QTest::newRow("menos") << "-500" << no << "500" << no << r << "500";
    QTest::newRow("parentesis") << "(500)" << no << "500" << no << r << "500";
    QTest::newRow("negativo con miles") << "(1,234.50)" << no << "1235" << no << r << "1235";
    QTest::newRow("menos con miles") << "-1,234.5" << no << "1235" << no << r << "1235";
    QTest::newRow("menos y parentesis") << "-(500)" << no << no << no << r << r;
    QTest::newRow("mas") << "+500" << no << no << no << r << r;
    QTest::newRow("signo apartado") << "- 500" << no << no << no << r << r;
    QTest::newRow("menos detras") << "500-" << no << no << no << r << r;
    QTest::newRow("parentesis abierto") << "(500" << no << no << no << r << r;
    QTest::newRow("letras") << "12a" << no << no << no << r << r;
    QTest::newRow("moneda") << "S/. 500" << no << no << no << r << r;
    QTest::newRow("dolar") << "$1,000" << no << no << no << r << r;
    QTest::newRow("dos puntos") << "1.234.56" << no << no << no << r << r;
    QTest::newRow("coma decimal") << "1,5" << no << no << no << r << r;
    QTest::newRow("miles mal puestos") << "12,3456" << no << no << no << r << r;
    QTest::newRow("coma al final") << "1,234," << no << no << no << r << r;
    QTest::newRow("punto al final") << "12." << no << no << no << r << r;
    QTest::newRow("blanco dentro") << "1 234" << no << no << no << r << r;
    QTest::newRow("vacio") << "" << no << no << no << r << r;
    QTest::newRow("solo blancos") << "   " << no << no << no << r << r;
    // Entry lengths: 12 in the boxes, 10 in a cell; the function knows none.
    QTest::newRow("mas largo que la celda") << "12345678901" << "12345678901" << "12345678901" << no
                                            << "12345678901" << "12345678901";
    QTest::newRow("redondeo mas largo que la celda") << "9,999,999,999.5" << "10000000000" << "10000000000" << no
                                                     << "10000000000" << "10000000000";
    QTest::newRow("mas largo que la casilla") << "1234567890123" << no << no << no << "1234567890123"
                                              << "1234567890123";
}

} // namespace importespegados
