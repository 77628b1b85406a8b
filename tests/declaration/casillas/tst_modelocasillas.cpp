// The box store: change events only on real changes; help lines per box.
#include "declaration/core/casillas/ayudascasillas.h"
#include "declaration/core/casillas/modelocasillas.h"
#include <QSignalSpy>
#include <QtTest>

class TstModeloCasillas : public QObject {
    Q_OBJECT
private slots:
    void textoIdenticoNoAvisa();
    void estadoIdenticoNoAvisa();
    void campoIdenticoNoAvisa();
    void limpiarAvisaUnaVez();
    void ayudas_data();
    void ayudas();
};

void TstModeloCasillas::textoIdenticoNoAvisa()
{
    ModeloCasillas m;
    m.agregar(103);
    QSignalSpy spy(&m, &ModeloCasillas::textoCambiado);
    m.setTexto(103, "1,250");
    m.setTexto(103, "1,250");
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 103);
    m.setTexto(103, "");
    m.setTexto(103, "");
    QCOMPARE(spy.count(), 2);
}

void TstModeloCasillas::estadoIdenticoNoAvisa()
{
    ModeloCasillas m;
    m.agregar(140);
    QSignalSpy spy(&m, &ModeloCasillas::estadoCambiado);
    m.setHabilitada(140, true);     // already enabled
    m.setColor(140, Color::Blanco); // already white
    QCOMPARE(spy.count(), 0);
    m.setHabilitada(140, false);
    m.setHabilitada(140, false);
    m.setColor(140, Color::Gris);
    m.setColor(140, Color::Gris);
    m.setMaxLength(140, 12);
    m.setMaxLength(140, 12);
    m.setBloqueada(140, true);
    m.setBloqueada(140, true);
    QCOMPARE(spy.count(), 4);
}

void TstModeloCasillas::campoIdenticoNoAvisa()
{
    ModeloCasillas m;
    QSignalSpy spy(&m, &ModeloCasillas::campoCambiado);
    m.setCampo("OptIEAN", "");      // unknown field, empty: nothing changes
    m.setCampo("OptIEAN", "1");
    m.setCampo("OptIEAN", "1");
    m.setCampo("OptIEAN", "0");
    QCOMPARE(spy.count(), 2);
    QCOMPARE(m.campo("OptIEAN"), QString("0"));
}

void TstModeloCasillas::limpiarAvisaUnaVez()
{
    ModeloCasillas m;
    m.setTexto(300, "5");
    m.setCampo("TxtTelefono", "4445566");
    QSignalSpy textos(&m, &ModeloCasillas::textoCambiado);
    QSignalSpy reinicio(&m, &ModeloCasillas::reiniciado);
    m.limpiar();
    QCOMPARE(textos.count(), 0);
    QCOMPARE(reinicio.count(), 1);
    QCOMPARE(m.texto(300), QString());
    QCOMPARE(m.campo("TxtTelefono"), QString());
}

// Columns: box, IEAN answer, annex answer, shown?, line 1, line 2, colour.
void TstModeloCasillas::ayudas_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("iean");
    QTest::addColumn<QString>("anexo");
    QTest::addColumn<bool>("cambia");
    QTest::addColumn<QString>("linea1");
    QTest::addColumn<QString>("linea2");
    QTest::addColumn<quint32>("color");

    QTest::newRow("106") << 106 << "" << "" << true
        << "[Cas. 106] = [Cas. 100] - [Cas. 101] + [Cas. 103]"
        << QString::fromUtf8("                       - [Cas. 105]   (Si es negativo \u20180\u2019)")
        << quint32(0xC00000);
    QTest::newRow("113") << 113 << "" << "" << true << "[Cas. 113] = [Cas. 110] x TASA%" << ""
        << quint32(0xC00000);
    QTest::newRow("anexo") << 131 << "0" << "" << true << "Casilla con asistente, presione ENTER" << ""
        << quint32(0xC00000);
    QTest::newRow("138 iean no") << 138 << "0" << "" << true
        << "[Cas. 138] = [Cas.  L ] - [Cas. 133] - [Cas. 134]"
        << QString::fromUtf8("(Si es positivo \u20180\u2019)") << quint32(0xC00000);
    QTest::newRow("509 si no") << 509 << "1" << "0" << true
        << "[Cas.  H ] = [Cas.  F ] - [Cas. 117]" << "(Si el resultado es positivo)"
        << quint32(0xC00000);
    QTest::newRow("509 iean no") << 509 << "0" << "" << false << "" << "" << quint32(0);
    QTest::newRow("139 sin iean") << 139 << "" << "" << false << "" << "" << quint32(0);
    QTest::newRow("otra") << 303 << "1" << "1" << true
        << "Anotar los importes en nuevos soles sin considerar centimos." << "" << quint32(0);
}

void TstModeloCasillas::ayudas()
{
    QFETCH(int, n);
    QFETCH(QString, iean);
    QFETCH(QString, anexo);
    QFETCH(bool, cambia);
    QFETCH(QString, linea1);
    QFETCH(QString, linea2);
    QFETCH(quint32, color);
    const auto a = AyudasCasillas::fAyudaCasilla(n, iean, anexo);
    QCOMPARE(a.has_value(), cambia);
    if (!a)
        return;
    QCOMPARE(a->linea1, linea1);
    QCOMPARE(a->linea2, linea2);
    QCOMPARE(a->color, color);
}

QTEST_GUILESS_MAIN(TstModeloCasillas)
#include "tst_modelocasillas.moc"
