// The average-rate caps of boxes 124 and 132, as typed (message, box reset,
// page and focus) and as a check (gsMensaje, nothing shown).
#include "casillastexto.h"
#include "declaration/core/calculos/calculos.h"
#include "platform/msgbox.h"
#include "shell/core/modglobal.h"
#include <QtTest>

using casillastexto::cargar;

namespace {
const QString kTitulo = QStringLiteral("951 Declaración Pago Anual Impuesto a la Renta");
const QString kTituloEnviada = QStringLiteral("951 Declaración Pago Anual Impuesto a la Renta (Enviadas)");
const QString kImpuesto = QStringLiteral("110=12,500;108=(1,000);113=3,750");   // cap 347

ContextoCalculo contexto(bool enviada, QStringList *eventos)
{
    ContextoCalculo c = enviada ? ContextoCalculo::enviada() : ContextoCalculo::declaracion();
    c.fuente.reset();
    c.mostrarPagina = [eventos](int p) { *eventos << QStringLiteral("pagina %1").arg(p); };
    c.enfocar = [eventos](int n) { *eventos << QStringLiteral("foco %1").arg(n); };
    return c;
}
} // namespace

class TstTopes : public QObject {
    Q_OBJECT
private slots:
    void tope_data();
    void tope();
    void validar_data();
    void validar();
};

void TstTopes::tope_data()
{
    QTest::addColumn<bool>("enviada");
    QTest::addColumn<QString>("respuestas");
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<int>("casilla");
    QTest::addColumn<QString>("tope");      // shown in the message; "" no message
    QTest::addColumn<QString>("texto");     // the box afterwards

    QTest::newRow("124 sobre el tope") << false << "OptIEAN=1" << kImpuesto + ";124=400" << 124 << "347" << "347";
    QTest::newRow("124 en el tope") << false << "OptIEAN=1" << kImpuesto + ";124=347" << 124 << "" << "347";
    QTest::newRow("124 tasa 0.3") << false << "OptIEAN=1" << "110=100,000;108=(0);113=30,000;124=3,500" << 124 << "3000" << "3000";
    QTest::newRow("124 justo 3000") << false << "OptIEAN=1" << "110=100,000;108=(0);113=30,000;124=3,000" << 124 << "" << "3,000";
    QTest::newRow("124 tasa 0.25") << false << "OptIEAN=1" << "110=100,000;108=(20,000);113=30,000;124=2,501" << 124 << "2500" << "2500";
    QTest::newRow("124 sin base tope 0") << false << "OptIEAN=1" << "124=5" << 124 << "0" << "0";
    QTest::newRow("124 guardada") << false << "sIEAN=1" << kImpuesto + ";124=400" << 124 << "347" << "347";
    QTest::newRow("124 parentesis cuenta") << false << "OptIEAN=1" << kImpuesto + ";124=(400)" << 124 << "347" << "347";
    QTest::newRow("124 sin IEAN vacia") << false << "" << kImpuesto + ";124=400" << 124 << "" << "";
    QTest::newRow("124 IEAN no vacia") << false << "OptIEAN=0" << kImpuesto + ";124=400" << 124 << "" << "";
    QTest::newRow("132 IEAN no") << false << "OptIEAN=0" << kImpuesto + ";132=400" << 132 << "347" << "347";
    QTest::newRow("132 IEAN si vacia") << false << "OptIEAN=1" << kImpuesto + ";132=400" << 132 << "" << "";
    QTest::newRow("132 sin IEAN vacia") << false << "" << kImpuesto + ";132=400" << 132 << "" << "";
    // The viewer compares the signed amount: a parenthesised one never exceeds.
    QTest::newRow("visor 124 parentesis") << true << "OptIEAN=1" << kImpuesto + ";124=(400)" << 124 << "" << "(400)";
    QTest::newRow("visor 124 sobre") << true << "sIEAN=1" << "110=100000;108=0;113=30000;124=3001" << 124 << "3000" << "3000";
    QTest::newRow("visor 132 sobre") << true << "OptIEAN=0" << "110=100000;108=0;113=30000;132=3001" << 132 << "3000" << "3000";
}

void TstTopes::tope()
{
    QFETCH(bool, enviada);
    QFETCH(QString, respuestas);
    QFETCH(QString, entrada);
    QFETCH(int, casilla);
    QFETCH(QString, tope);
    QFETCH(QString, texto);

    QStringList eventos;
    msg::ScriptedAnswerer respuestasMsg;
    ModeloCasillas m;
    cargar(m, entrada, respuestas);
    CalculosDeclaracion c(m, contexto(enviada, &eventos));
    if (casilla == 124)
        c.CalcularMax124();
    else
        c.CalcularMax132();

    QCOMPARE(m.texto(casilla), texto);
    if (tope.isEmpty()) {
        QVERIFY(respuestasMsg.shown().isEmpty());
        QVERIFY(eventos.isEmpty());
        return;
    }
    QCOMPARE(respuestasMsg.shown().size(), 1);
    const auto &s = respuestasMsg.shown().first();
    QCOMPARE(s.text, QStringLiteral("El monto de la casilla %1 no debe ser mayor que la tasa media del Contribuyente: \n%2")
                         .arg(casilla).arg(tope));
    QCOMPARE(s.style, 16);
    QCOMPARE(s.title, enviada ? kTituloEnviada : kTitulo);
    QCOMPARE(eventos, (QStringList{QStringLiteral("pagina 3"), QStringLiteral("foco %1").arg(casilla)}));
}

void TstTopes::validar_data()
{
    QTest::addColumn<QString>("respuestas");
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<int>("casilla");
    QTest::addColumn<bool>("resultado");
    QTest::addColumn<QString>("texto");

    QTest::newRow("124 sobre") << "OptIEAN=1" << kImpuesto + ";124=400" << 124 << false << "400";
    QTest::newRow("124 en el tope") << "OptIEAN=1" << kImpuesto + ";124=347" << 124 << true << "347";
    QTest::newRow("124 no aplica vacia") << "OptIEAN=0" << kImpuesto + ";124=400" << 124 << true << "";
    QTest::newRow("132 sobre") << "OptIEAN=0" << kImpuesto + ";132=(348)" << 132 << false << "(348)";
    QTest::newRow("132 no aplica vacia") << "" << kImpuesto + ";132=400" << 132 << true << "";
}

void TstTopes::validar()
{
    QFETCH(QString, respuestas);
    QFETCH(QString, entrada);
    QFETCH(int, casilla);
    QFETCH(bool, resultado);
    QFETCH(QString, texto);

    QStringList eventos;
    msg::ScriptedAnswerer respuestasMsg;
    gsMensaje = QStringLiteral("antes");
    ModeloCasillas m;
    cargar(m, entrada, respuestas);
    CalculosDeclaracion c(m, contexto(false, &eventos));
    const bool r = casilla == 124 ? c.ValidarMax124() : c.ValidarMax132();
    QCOMPARE(r, resultado);
    QCOMPARE(m.texto(casilla), texto);
    QVERIFY(respuestasMsg.shown().isEmpty());
    QVERIFY(eventos.isEmpty());
    QCOMPARE(gsMensaje, resultado ? QStringLiteral("antes")
                                  : QStringLiteral("La cas. %1 no debe ser mayor que la tasa media del Contribuyente: 347").arg(casilla));
}

QTEST_GUILESS_MAIN(TstTopes)
#include "tst_topes.moc"
