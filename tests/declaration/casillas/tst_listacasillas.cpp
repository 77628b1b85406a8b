// The box list, the subtotal letters, the pairs and the declaration codes.
#include "declaration/core/casillas/codigosdeclaracion.h"
#include "declaration/core/casillas/listacasillas.h"
#include "declaration/core/casillas/modelocasillas.h"
#include <QSet>
#include <algorithm>
#include <QtTest>

using namespace ListaCasillas;
using namespace CodigosDeclaracion;

class TstListaCasillas : public QObject {
    Q_OBJECT
private slots:
    void listaCompletaSinRepetir();
    void ordenDeLaLista();
    void letras_data();
    void letras();
    void pares();
    void estadoInicial_data();
    void estadoInicial();
    void paginas();
    void secciones_data();
    void secciones();
    void filasCoherentes();
    void descripciones();
    void descripcionesSinRestosDelImpreso();
    void codigosEspeciales();
    void respuestas();
    void tasa_data();
    void tasa();
    void tipoAsistente_data();
    void tipoAsistente();
};

void TstListaCasillas::listaCompletaSinRepetir()
{
    const QList<int> &l = aCasillas();
    QCOMPARE(l.size(), 97);
    QCOMPARE(QSet<int>(l.begin(), l.end()).size(), 97);
    QVERIFY(!l.contains(0));
    QVERIFY(!esCasilla(0));
}

void TstListaCasillas::ordenDeLaLista()
{
    const QList<int> &l = aCasillas();
    QCOMPARE(l.first(), 300);
    QCOMPARE(l.at(4), 500);
    QCOMPARE(l.at(29), 100);
    QCOMPARE(l.at(39), 120);
    QCOMPARE(l.at(70), 180);
    QVERIFY(l.indexOf(205) < l.indexOf(204));
    QCOMPARE(l.at(95), 501);
    QCOMPARE(l.at(96), 503);
    QCOMPARE(l.mid(84, 6), (QList<int>{320, 333, 215, 217, 218, 317}));
}

void TstListaCasillas::letras_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("letra");
    QTest::newRow("500") << 500 << "A";
    QTest::newRow("501") << 501 << "N";
    QTest::newRow("502") << 502 << "B";
    QTest::newRow("503") << 503 << "0";
    QTest::newRow("504") << 504 << "C";
    QTest::newRow("505") << 505 << "D";
    QTest::newRow("506") << 506 << "E";
    QTest::newRow("509") << 509 << "H";
    QTest::newRow("510") << 510 << "I";
    QTest::newRow("511") << 511 << "J";
    QTest::newRow("514") << 514 << "M";
    QTest::newRow("caja normal") << 300 << "";
}

void TstListaCasillas::letras()
{
    QFETCH(int, n);
    QFETCH(QString, letra);
    QCOMPARE(LetraCasilla(n), letra);
    QCOMPARE(fNombreCasilla(n), letra.isEmpty() ? QString::number(n) : letra);
}

void TstListaCasillas::pares()
{
    QList<QPair<int, int>> l;
    for (const ParSigno &p : ParesSigno())
        l << qMakePair(p.positiva, p.negativa);
    const QList<QPair<int, int>> esperado = {{106, 107}, {110, 111}, {116, 507}, {119, 509},
                                             {138, 139}, {334, 504}, {505, 338}, {341, 342}};
    QCOMPARE(l, esperado);
}

void TstListaCasillas::estadoInicial_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<quint32>("color");
    QTest::addColumn<bool>("bloqueada");
    QTest::addColumn<bool>("habilitada");
    QTest::newRow("tecleada") << 300 << Color::Blanco << false << true;
    QTest::newRow("calculada") << 106 << Color::Gris << true << true;
    QTest::newRow("subtotal") << 512 << Color::Gris << true << true;
    QTest::newRow("100") << 100 << Color::Gris << true << true;
    QTest::newRow("anexo") << 128 << Color::Cyan << false << true;
    QTest::newRow("137") << 137 << Color::Gris << false << false;
    QTest::newRow("140") << 140 << Color::Blanco << false << true;
    QTest::newRow("208") << 208 << Color::Blanco << false << false;
}

void TstListaCasillas::estadoInicial()
{
    QFETCH(int, n);
    QFETCH(quint32, color);
    QFETCH(bool, bloqueada);
    QFETCH(bool, habilitada);
    ModeloCasillas m;
    pInicializar(m);
    QCOMPARE(m.numeros().size(), 97);
    QCOMPARE(m.color(n), color);
    QCOMPARE(m.bloqueada(n), bloqueada);
    QCOMPARE(m.habilitada(n), habilitada);
    QCOMPARE(m.texto(n), QString());
}

void TstListaCasillas::paginas()
{
    QMap<int, int> cuenta;
    for (int n : aCasillas())
        cuenta[fPagina(n)]++;
    QCOMPARE(cuenta.value(0), 0);
    QCOMPARE(cuenta.value(1), 35);
    QCOMPARE(cuenta.value(2), 10);
    QCOMPARE(cuenta.value(3), 26);
    QCOMPARE(cuenta.value(4), 10);
    QCOMPARE(cuenta.value(5), 16);
    QCOMPARE(fMarco(114), 3);
    QCOMPARE(fMarco(130), 0);
    QCOMPARE(fMarco(513), 0);
    QCOMPARE(fMarco(180), 4);
}

void TstListaCasillas::secciones_data()
{
    QTest::addColumn<int>("seccion");
    QTest::addColumn<int>("cuantas");
    QTest::addColumn<int>("primera");
    QTest::addColumn<int>("ultima");
    QTest::addColumn<int>("pagina");
    QTest::addColumn<int>("marco");
    QTest::newRow("balance") << int(Seccion::Balance) << 17 << 300 << 502 << 1 << 1;
    QTest::newRow("resultados") << int(Seccion::Resultados) << 18 << 321 << 342 << 1 << 1;
    QTest::newRow("renta") << int(Seccion::Renta) << 10 << 100 << 113 << 2 << 2;
    QTest::newRow("creditos IEAN") << int(Seccion::CreditosIEAN) << 18 << 114 << 129 << 3 << 3;
    QTest::newRow("creditos sin IEAN") << int(Seccion::CreditosSinIEAN) << 8 << 130 << 134 << 3 << 0;
    QTest::newRow("deuda") << int(Seccion::Deuda) << 10 << 137 << 180 << 4 << 4;
    QTest::newRow("agrario") << int(Seccion::Agrario) << 5 << 201 << 206 << 5 << 5;
    QTest::newRow("ingresos") << int(Seccion::Ingresos) << 5 << 215 << 220 << 5 << 5;
    QTest::newRow("contador") << int(Seccion::Contador) << 4 << 208 << 212 << 5 << 5;
    QTest::newRow("representante") << int(Seccion::Representante) << 2 << 225 << 226 << 5 << 5;
}

// The window's columns: each group in screen order, all on its page and frame.
void TstListaCasillas::secciones()
{
    QFETCH(int, seccion);
    QFETCH(int, cuantas);
    QFETCH(int, primera);
    QFETCH(int, ultima);
    QFETCH(int, pagina);
    QFETCH(int, marco);
    const QList<int> l = fCasillasDe(Seccion(seccion));
    QCOMPARE(l.size(), cuantas);
    QCOMPARE(l.first(), primera);
    QCOMPARE(l.last(), ultima);
    for (int n : l) {
        QCOMPARE(fPagina(n), pagina);
        QCOMPARE(fMarco(n), marco);
    }
}

// What one row says twice must agree: a box edited in one column only.
void TstListaCasillas::filasCoherentes()
{
    QList<int> ordenes;
    for (const FilaCasilla &f : Tabla()) {
        const QByteArray caso = QByteArray::number(f.numero);
        ordenes << f.orden;
        QVERIFY2(fFila(f.numero) == &f, caso);
        QVERIFY2(qstrlen(f.descripcion) > 0, caso);
        QVERIFY2((f.carga == Formato::Parentesis) == (f.visor == Formato::Parentesis), caso);
        QVERIFY2((f.clase == Clase::Codigo) == (f.carga == Formato::Codigo), caso);
        QVERIFY2((f.carga == Formato::Codigo) == (f.visor == Formato::Codigo), caso);
        QVERIFY2((f.carga == Formato::Texto) == (f.visor == Formato::Texto), caso);
        // A calculator's result is subtracted like the typed ones.
        if (f.inicio == Inicio::Anexo)
            QVERIFY2(f.clase == Clase::RestaDigitada, caso);
        // What the calculations fill is never typed.
        if (f.clase == Clase::RestaCalculada)
            QVERIFY2(f.inicio == Inicio::Calculada, caso);
    }
    std::sort(ordenes.begin(), ordenes.end());
    QList<int> esperado;
    for (int i = 1; i <= 97; ++i)
        esperado << i;
    QCOMPARE(ordenes, esperado);
    QCOMPARE(fFila(0), nullptr);
    QCOMPARE(fFila(999), nullptr);
}

void TstListaCasillas::descripciones()
{
    QCOMPARE(fDescripcion(300), QString("Activo Corriente(s/exist)"));
    QCOMPARE(fDescripcion(146), QString("SALDO DE LA DEUDA TRIBUTARIA (Cas M - (144+145))"));
    QCOMPARE(fDescripcion(128),
             QString("Pagos a cuenta mensuales del ejerc. (no incluir IEAN contra Imp. renta)"));
    QCOMPARE(fDescripcion(0), QString());
    for (int n : aCasillas())
        QVERIFY2(!fDescripcion(n).isEmpty(), qPrintable(QString::number(n)));
}

// On screen the labels read as plain labels: none keeps a character that only
// the printed form's layout explains (a parenthesis never opened or never
// closed, a closing comma).
void TstListaCasillas::descripcionesSinRestosDelImpreso()
{
    QCOMPARE(fDescripcion(301), QString("Existencias"));
    QCOMPARE(fDescripcion(302), QString("Activo fijo Neto"));
    for (int n : aCasillas()) {
        const QString d = fDescripcion(n);
        int abiertos = 0;
        for (QChar c : d) {
            abiertos += c == '(' ? 1 : c == ')' ? -1 : 0;
            QVERIFY2(abiertos >= 0, qPrintable(d));
        }
        QVERIFY2(abiertos == 0, qPrintable(d));
        QVERIFY2(!d.trimmed().endsWith(','), qPrintable(d));
    }
}

void TstListaCasillas::codigosEspeciales()
{
    QStringList codigos;
    for (const CodigoEspecial &c : CodigosCasillaEspecial())
        codigos << c.codigo;
    QCOMPARE(codigos, (QStringList{"002", "200", "028", "998", "999", "996", "997", "995", "994",
                                   "991", "992", "993", "990", "989", "988", "987", "005", "721"}));
    QCOMPARE(CodigosCasillaEspecial().at(9).fuente, QString("OptIEAN"));
    QCOMPARE(CodigosCasillaEspecial().at(2).fuente, QString("TxtTelefono"));
    QCOMPARE(VersionPrograma, QString("2.0"));
}

void TstListaCasillas::respuestas()
{
    QCOMPARE(RespuestaOpcion().size(), 7);
    QCOMPARE(fRespuesta("OptAnexo")->codigo, QString("990"));
    QCOMPARE(fRespuesta("OptDomiciliado")->opcion1, QString("&Domiciliado"));
    QCOMPARE(fRespuesta("OptTipoCont")->variable, QString("sExonerado"));
    QVERIFY(!fRespuesta("Otra"));
    QCOMPARE(fTextoRespuesta(true, false), QString("1"));
    QCOMPARE(fTextoRespuesta(false, true), QString("0"));
    QCOMPARE(fTextoRespuesta(false, false), QString());
}

void TstListaCasillas::tasa_data()
{
    QTest::addColumn<QString>("exonerado");
    QTest::addColumn<QString>("convenio");
    QTest::addColumn<QString>("agraria");
    QTest::addColumn<QString>("gsTasa");
    QTest::addColumn<QString>("codigo");
    QTest::newRow("exonerado y convenio") << "1" << "1" << "1" << "100" << "0";
    QTest::newRow("convenio") << "0" << "1" << "1" << "100" << "100";
    QTest::newRow("convenio cargado") << "" << "1" << "" << "30" << "30";
    QTest::newRow("agraria") << "0" << "0" << "1" << "" << "15";
    QTest::newRow("ninguna") << "0" << "0" << "0" << "" << "30";
    QTest::newRow("sin respuestas") << "" << "" << "" << "" << "30";
}

void TstListaCasillas::tasa()
{
    QFETCH(QString, exonerado);
    QFETCH(QString, convenio);
    QFETCH(QString, agraria);
    QFETCH(QString, gsTasa);
    QFETCH(QString, codigo);
    QCOMPARE(fCodigoTasa(exonerado, convenio, agraria, gsTasa), codigo);
    ModeloCasillas m;
    m.setCampo("OptTipoCont", exonerado);
    m.setCampo("OptConvEstab", convenio);
    m.setCampo("OptAgraria", agraria);
    QCOMPARE(fCodigoTasa(m, gsTasa), codigo);
}

void TstListaCasillas::tipoAsistente_data()
{
    QTest::addColumn<QString>("iean");
    QTest::addColumn<QString>("anexo");
    QTest::addColumn<QString>("tipo");
    QTest::newRow("si si") << "1" << "1" << "1";
    QTest::newRow("si no") << "1" << "0" << "2";
    QTest::newRow("no") << "0" << "" << "3";
    QTest::newRow("no con anexo") << "0" << "1" << "3";
    QTest::newRow("si sin anexo") << "1" << "" << "";
    QTest::newRow("sin iean") << "" << "1" << "";
}

void TstListaCasillas::tipoAsistente()
{
    QFETCH(QString, iean);
    QFETCH(QString, anexo);
    QFETCH(QString, tipo);
    QCOMPARE(fTipoAsistente(iean, anexo), tipo);
}

QTEST_GUILESS_MAIN(TstListaCasillas)
#include "tst_listacasillas.moc"
