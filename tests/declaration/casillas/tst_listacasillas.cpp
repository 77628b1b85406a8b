// The box list, the subtotal letters, the pairs and the declaration codes.
#include "declaration/core/casillas/codigosdeclaracion.h"
#include "declaration/core/casillas/listacasillas.h"
#include "declaration/core/casillas/modelocasillas.h"
#include <QSet>
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
