// Keys the boxes and identification fields take, and what a key in a box does.
#include "declaration/core/casillas/filtroteclas.h"
#include <QtTest>

using namespace FiltroTeclas;

class TstFiltroTeclas : public QObject {
    Q_OBJECT
private slots:
    void filtroCasilla_data();
    void filtroCasilla();
    void filtroNombre_data();
    void filtroNombre();
    void filtroDigitos_data();
    void filtroDigitos();
    void pegado_data();
    void pegado();
    void pegadoPorClase_data();
    void pegadoPorClase();
    void destinoEnter_data();
    void destinoEnter();
    void anexo_data();
    void anexo();
    void ordenDeLaTecla();
};

// Columns: box, key typed, key that reaches the text (0 dropped).
void TstFiltroTeclas::filtroCasilla_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("tecla");
    QTest::addColumn<int>("resultado");

    QTest::newRow("importe digito") << 103 << int('7') << int('7');
    QTest::newRow("importe retroceso") << 103 << 8 << 8;
    QTest::newRow("importe letra") << 103 << int('a') << 0;
    QTest::newRow("importe coma") << 103 << int(',') << 0;
    QTest::newRow("importe menos") << 123 << int('-') << 0;
    QTest::newRow("importe enter") << 103 << 13 << 0;
    QTest::newRow("codigo digito") << 203 << int('2') << int('2');
    QTest::newRow("codigo letra") << 226 << int('X') << 0;
    QTest::newRow("137 uno") << 137 << int('1') << int('1');
    QTest::newRow("137 dos") << 137 << int('2') << int('2');
    QTest::newRow("137 tres") << 137 << int('3') << 0;
    QTest::newRow("137 cero") << 137 << int('0') << 0;
    QTest::newRow("137 retroceso") << 137 << 8 << 8;
    QTest::newRow("211 minuscula") << 211 << int('a') << int('A');
    QTest::newRow("212 mayuscula") << 212 << int('Z') << int('Z');
    QTest::newRow("225 digito") << 225 << int('9') << int('9');
    QTest::newRow("225 blanco") << 225 << int(' ') << int(' ');
    QTest::newRow("211 guion") << 211 << int('-') << int('-');
    QTest::newRow("211 punto") << 211 << int('.') << int('.');
    QTest::newRow("211 barra") << 211 << int('/') << int('/');
    QTest::newRow("211 enie") << 211 << int(0xF1) << 0;
    QTest::newRow("211 coma") << 211 << int(',') << 0;
    QTest::newRow("225 enter") << 225 << 13 << 0;
}

void TstFiltroTeclas::filtroCasilla()
{
    QFETCH(int, n);
    QFETCH(int, tecla);
    QFETCH(int, resultado);
    QCOMPARE(fFiltroCasilla(n, tecla), resultado);
}

void TstFiltroTeclas::filtroNombre_data()
{
    QTest::addColumn<int>("tecla");
    QTest::addColumn<int>("resultado");
    QTest::newRow("minuscula") << int('a') << int('A');
    QTest::newRow("mayuscula") << int('Q') << int('Q');
    QTest::newRow("blanco") << int(' ') << int(' ');
    QTest::newRow("digito") << int('4') << int('4');
    QTest::newRow("retroceso") << 8 << 8;
    // Accented letters and the enie go in as their plain letter.
    QTest::newRow("enie") << int(0xF1) << int('N');
    QTest::newRow("enie mayuscula") << int(0xD1) << int('N');
    QTest::newRow("acento") << int(0xE9) << int('E');
    QTest::newRow("acento mayuscula") << int(0xC9) << int('E');
    QTest::newRow("dieresis") << int(0xDC) << int('U');
    QTest::newRow("acento grave") << int(0xE0) << int('A');
    // No plain letter under them: still refused.
    QTest::newRow("ese aguda") << int(0xDF) << 0;
    QTest::newRow("grado") << int(0xBA) << 0;
    QTest::newRow("guion") << int('-') << 0;
    QTest::newRow("enter") << 13 << 0;
}

void TstFiltroTeclas::filtroNombre()
{
    QFETCH(int, tecla);
    QFETCH(int, resultado);
    QCOMPARE(fFiltroNombre(tecla), resultado);
}

void TstFiltroTeclas::filtroDigitos_data()
{
    QTest::addColumn<int>("tecla");
    QTest::addColumn<int>("resultado");
    QTest::newRow("digito") << int('0') << int('0');
    QTest::newRow("retroceso") << 8 << 8;
    QTest::newRow("blanco") << int(' ') << 0;
    QTest::newRow("letra") << int('a') << 0;
    QTest::newRow("enter") << 13 << 0;
}

void TstFiltroTeclas::filtroDigitos()
{
    QFETCH(int, tecla);
    QFETCH(int, resultado);
    QCOMPARE(fFiltroDigitos(tecla), resultado);
}

void TstFiltroTeclas::pegado_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("pegado");
    QTest::addColumn<QString>("resultado");
    QTest::newRow("importe con letra") << 103 << "12a" << "12";
    QTest::newRow("importe con miles") << 103 << "1,250" << "1250";
    QTest::newRow("137") << 137 << "123" << "12";
    QTest::newRow("texto libre") << 211 << "ab,c-1" << "ABC-1";
    QTest::newRow("nada valido") << 300 << "abc" << "";
}

void TstFiltroTeclas::pegado()
{
    QFETCH(int, n);
    QFETCH(QString, pegado);
    QFETCH(QString, resultado);
    QCOMPARE(fFiltrarTextoCasilla(n, pegado), resultado);
}

// What a paste gives each class of box besides the amount boxes (read as
// amounts, tested through the windows): "-" marks a refused paste.
void TstFiltroTeclas::pegadoPorClase_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("pegado");
    QTest::addColumn<QString>("resultado");
    QTest::newRow("ruc") << 203 << "20100070970\r\n" << "20100070970";
    QTest::newRow("ruc con separador") << 204 << "20,100,070" << "-";
    QTest::newRow("ruc con guion") << 226 << "2010007097-0" << "-";
    QTest::newRow("registro con decimales") << 209 << "1234.0" << "-";
    QTest::newRow("texto libre") << 211 << "ab,c-1" << "ABC-1";
    QTest::newRow("texto libre sin nada valido") << 225 << ",,;" << "-";
    QTest::newRow("137") << 137 << "2" << "2";
    QTest::newRow("137 letra") << 137 << "x" << "-";
    QTest::newRow("113 con decimales") << 113 << "1,500.5" << "1501";
    QTest::newRow("113 negativo") << 113 << "-5" << "-";
    QTest::newRow("restada calculada") << 338 << "(1,500)" << "1500";
}

void TstFiltroTeclas::pegadoPorClase()
{
    QFETCH(int, n);
    QFETCH(QString, pegado);
    QFETCH(QString, resultado);
    QCOMPARE(fPegadoCasilla(n, pegado).value_or(QStringLiteral("-")), resultado);
}

void TstFiltroTeclas::destinoEnter_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("habilitada113");
    QTest::addColumn<int>("destino");
    QTest::newRow("340 va a 300") << 340 << true << 300;
    QTest::newRow("108 con 113 deshabilitada") << 108 << false << 103;
    QTest::newRow("108 con 113 habilitada") << 108 << true << Tabular;
    QTest::newRow("103 siguiente") << 103 << false << Tabular;
    QTest::newRow("300 siguiente") << 300 << true << Tabular;
    QTest::newRow("113 nada") << 113 << true << Quieto;
    QTest::newRow("117 nada") << 117 << true << Quieto;
    QTest::newRow("120 nada") << 120 << true << Quieto;
    QTest::newRow("128 nada") << 128 << true << Quieto;
    QTest::newRow("131 nada") << 131 << true << Quieto;
}

void TstFiltroTeclas::destinoEnter()
{
    QFETCH(int, n);
    QFETCH(bool, habilitada113);
    QFETCH(int, destino);
    QCOMPARE(fDestinoEnter(n, habilitada113), destino);
    QCOMPARE(fTeclaCasilla(n, Enter, "1", "1", habilitada113).iDestino, destino);
}

// Columns: box, IEAN answer, annex answer, calculator opened by ENTER.
void TstFiltroTeclas::anexo_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("iean");
    QTest::addColumn<QString>("anexo");
    QTest::addColumn<QString>("ventana");

    QTest::newRow("128 iean no") << 128 << "0" << "" << "frmanexo131";
    QTest::newRow("131 iean no") << 131 << "0" << "1" << "frmanexo131";
    QTest::newRow("128 si/no") << 128 << "1" << "0" << "frmanexo131";
    QTest::newRow("131 si/no") << 131 << "1" << "0" << "frmanexo131";
    QTest::newRow("117 si/no") << 117 << "1" << "0" << "frmAnexo117";
    QTest::newRow("120 si/si") << 120 << "1" << "1" << "FrmAnexo120";
    QTest::newRow("128 si/si") << 128 << "1" << "1" << "frmanexo131A";
    QTest::newRow("131 si/si") << 131 << "1" << "1" << "";
    QTest::newRow("117 si/si") << 117 << "1" << "1" << "";
    QTest::newRow("117 iean no") << 117 << "0" << "" << "";
    QTest::newRow("120 si/no") << 120 << "1" << "0" << "";
    QTest::newRow("128 sin respuestas") << 128 << "" << "" << "";
    QTest::newRow("128 iean si sin anexo") << 128 << "1" << "" << "";
    QTest::newRow("otra casilla") << 129 << "0" << "" << "";
}

void TstFiltroTeclas::anexo()
{
    QFETCH(int, n);
    QFETCH(QString, iean);
    QFETCH(QString, anexo);
    QFETCH(QString, ventana);
    QCOMPARE(fAnexoDeTecla(n, Enter, iean, anexo), ventana);
    // Digits and backspace open it too; other keys never.
    QCOMPARE(fAnexoDeTecla(n, '5', iean, anexo), ventana);
    QCOMPARE(fAnexoDeTecla(n, Retroceso, iean, anexo), ventana);
    QCOMPARE(fAnexoDeTecla(n, 'x', iean, anexo), QString());
}

void TstFiltroTeclas::ordenDeLaTecla()
{
    // A digit that opens a calculator is not typed after its total.
    AccionTecla a = fTeclaCasilla(117, '5', "1", "0", true);
    QCOMPARE(a.sAnexo, QString("frmAnexo117"));
    QCOMPARE(a.tecla, 0);
    QCOMPARE(a.iDestino, Quieto);

    // Without a calculator the digit reaches the box.
    a = fTeclaCasilla(131, '5', "1", "1", true);
    QCOMPARE(a.sAnexo, QString());
    QCOMPARE(a.tecla, int('5'));

    // ENTER moves and is never typed.
    a = fTeclaCasilla(340, Enter, "", "", true);
    QCOMPARE(a.iDestino, 300);
    QCOMPARE(a.tecla, 0);

    // Other keys do not move.
    a = fTeclaCasilla(340, '1', "", "", true);
    QCOMPARE(a.iDestino, Quieto);
    QCOMPARE(a.tecla, int('1'));
}

QTEST_GUILESS_MAIN(TstFiltroTeclas)
#include "tst_filtroteclas.moc"
