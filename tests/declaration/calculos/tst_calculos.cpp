// The box formulas one by one, on the bare store (no dispatch attached):
// main path, empty inputs, signs, rounding and the side of a zero result.
#include "casillastexto.h"
#include "declaration/core/calculos/calculos.h"
#include "declaration/core/calculos/calculosimporte.h"
#include "shell/core/modglobal.h"
#include <QtTest>
#include <functional>
#include <map>

using casillastexto::cargar;
using casillastexto::comparar;

namespace {
const std::map<QString, std::function<void(CalculosDeclaracion &)>> &procedimientos()
{
    using C = CalculosDeclaracion;
    static const std::map<QString, std::function<void(C &)>> m = {
        {"Calcular500", &C::Calcular500}, {"Calcular501", &C::Calcular501},
        {"Calcular502", &C::Calcular502}, {"Calcular503", &C::Calcular503},
        {"Calcular334y504", &C::Calcular334y504}, {"Calcular505y338", &C::Calcular505y338},
        {"Calcular341y342", &C::Calcular341y342}, {"Calcular106y107", &C::Calcular106y107},
        {"Calcular110y111", &C::Calcular110y111}, {"Calcular111", &C::Calcular111},
        {"Calcular113", &C::Calcular113}, {"Calcular506", &C::Calcular506},
        {"Calcular116y507", &C::Calcular116y507}, {"Calcular119y509", &C::Calcular119y509},
        {"Calcular508", &C::Calcular508}, {"Calcular509", &C::Calcular509},
        {"Calcular510", &C::Calcular510}, {"Calcular511", &C::Calcular511},
        {"Calcular512", &C::Calcular512}, {"Calcular513", &C::Calcular513},
        {"Calcular514_138y139", &C::Calcular514_138y139}, {"Calcular146", &C::Calcular146},
    };
    return m;
}

ContextoCalculo sinBase(ContextoCalculo c)
{
    c.fuente.reset();
    return c;
}
} // namespace

class TstCalculos : public QObject {
    Q_OBJECT
private slots:
    void lectura_data();
    void lectura();
    void formas_data();
    void formas();
    void formula_data();
    void formula();
    void tasa_data();
    void tasa();
    void convenioDejaElImpuesto();
    void copiaDomiciliado_data();
    void copiaDomiciliado();
    void saldoHabilitaCasillas_data();
    void saldoHabilitaCasillas();
    void saldoEnviada();
};

void TstCalculos::lectura_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<double>("valor");
    QTest::newRow("vacio") << "" << 0.0;
    QTest::newRow("entrada") << "1250" << 1250.0;
    QTest::newRow("pantalla") << "1,250" << 1250.0;
    QTest::newRow("parentesis") << "(1,250)" << -1250.0;
    QTest::newRow("cero parentesis") << "(0)" << 0.0;
    QTest::newRow("millones") << "(1,234,567)" << -1234567.0;
    QTest::newRow("menos") << "-500" << -500.0;
    QTest::newRow("mitad redondea lejos del cero") << "2.5" << 3.0;
    QTest::newRow("no numero conserva su inicio") << "12abc" << 12.0;
    QTest::newRow("texto libre") << "ABC-1" << 0.0;
    QTest::newRow("menos con parentesis") << "-(5)" << 0.0;
}

void TstCalculos::lectura()
{
    QFETCH(QString, texto);
    QFETCH(double, valor);
    QCOMPARE(importe::leer(texto), valor);
}

void TstCalculos::formas_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("pantalla");
    QTest::addColumn<QString>("conSigno");
    QTest::addColumn<QString>("parentesis");
    QTest::newRow("cero") << 0.0 << "0" << "0" << "(0)";
    QTest::newRow("miles") << 1234567.0 << "1,234,567" << "1,234,567" << "(1,234,567)";
    QTest::newRow("negativo") << -1500.0 << "-1,500" << "(1,500)" << "-(1,500)";
    QTest::newRow("mitad arriba") << 370.5 << "371" << "371" << "(371)";
    QTest::newRow("mitad negativa") << -2.5 << "-3" << "(3)" << "-(3)";
    QTest::newRow("bajo la mitad") << 1234.4 << "1,234" << "1,234" << "(1,234)";
}

void TstCalculos::formas()
{
    QFETCH(double, x);
    QFETCH(QString, pantalla);
    QFETCH(QString, conSigno);
    QFETCH(QString, parentesis);
    QCOMPARE(importe::pantalla(x), pantalla);
    QCOMPARE(importe::conSigno(x), conSigno);
    QCOMPARE(importe::parentesis(x), parentesis);
}

void TstCalculos::formula_data()
{
    QTest::addColumn<QString>("proc");
    QTest::addColumn<QString>("respuestas");
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<QString>("esperado");

    // Balance sheet.
    QTest::newRow("500 suma") << "Calcular500" << "" << "300=10,000;301=5,000;303=2,500" << "500=17,500";
    QTest::newRow("500 vacio") << "Calcular500" << "" << "500=9" << "500=";
    QTest::newRow("500 negativo con parentesis") << "Calcular500" << "" << "300=1,000;302=(3,000)" << "500=(2,000)";
    QTest::newRow("500 con 0 no es vacio") << "Calcular500" << "" << "303=0" << "500=0";
    QTest::newRow("501 suma") << "Calcular501" << "" << "306=4,000;307=1,000" << "501=5,000";
    QTest::newRow("501 vacio") << "Calcular501" << "" << "501=9" << "501=";
    QTest::newRow("501 negativo con signo") << "Calcular501" << "" << "306=(500)" << "501=-500";
    QTest::newRow("502 sin regla de vacio") << "Calcular502" << "" << "" << "502=0";
    QTest::newRow("502 restas absolutas") << "Calcular502" << "" << "306=1,000;312=200;317=(300);320=100" << "502=800";
    QTest::newRow("502 negativo") << "Calcular502" << "" << "316=100;317=(500)" << "502=(400)";
    // Income statement.
    QTest::newRow("503 perdida bruta a 0") << "Calcular503" << "" << "321=1000;323=(1,500)" << "503=0";
    QTest::newRow("503 resta") << "Calcular503" << "" << "321=5,000;323=(1,200)" << "503=3,800";
    QTest::newRow("503 vacio") << "Calcular503" << "" << "503=1" << "503=";
    QTest::newRow("334 perdida bruta baja el resultado") << "Calcular334y504" << "" << "321=1000;323=(1,500)" << "334=0;504=(500)";
    QTest::newRow("334 todas las partidas") << "Calcular334y504" << ""
        << "321=10,000;323=(4,000);325=(1,000);326=(500);327=300;329=200;330=(100);332=50;333=(20)"
        << "334=4,930;504=(0)";
    QTest::newRow("334 cero al lado negativo") << "Calcular334y504" << "" << "321=1,000;323=(1,000)" << "334=0;504=(0)";
    QTest::newRow("334 vacio") << "Calcular334y504" << "" << "334=1;504=(1)" << "334=;504=";
    QTest::newRow("334 332 con signo") << "Calcular334y504" << "" << "332=(200)" << "334=0;504=(200)";
    QTest::newRow("505 positivo") << "Calcular505y338" << "" << "334=2,000;337=(500);504=(0)" << "505=1,500;338=(0)";
    QTest::newRow("505 negativo") << "Calcular505y338" << "" << "334=0;504=(700)" << "505=0;338=(700)";
    QTest::newRow("505 sin regla de vacio") << "Calcular505y338" << "" << "" << "505=0;338=(0)";
    QTest::newRow("505 337 positivo resta") << "Calcular505y338" << "" << "334=2,000;337=500" << "505=1,500;338=(0)";
    QTest::newRow("341 negativo") << "Calcular341y342" << "" << "505=1,500;338=(0);340=(2,000)" << "341=0;342=(500)";
    QTest::newRow("341 505 vacia") << "Calcular341y342" << "" << "340=(100);341=1;342=(1)" << "341=;342=";
    QTest::newRow("341 cero al lado positivo") << "Calcular341y342" << "" << "505=0" << "341=0;342=(0)";
    QTest::newRow("341 positivo") << "Calcular341y342" << "" << "505=1,500;338=(200);340=(300)" << "341=1,000;342=(0)";
    // Tax base.
    QTest::newRow("106 caso base") << "Calcular106y107" << "" << "100=12,000;103=2,000;105=(500)" << "106=13,500;107=(0)";
    QTest::newRow("106 con 101") << "Calcular106y107" << "" << "100=10,000;101=(0);103=2,000;105=(500)" << "106=11,500;107=(0)";
    QTest::newRow("106 perdida") << "Calcular106y107" << "" << "100=0;101=(3,000)" << "106=0;107=(3,000)";
    QTest::newRow("106 cero al lado positivo") << "Calcular106y107" << "" << "100=500;105=(500)" << "106=0;107=(0)";
    QTest::newRow("106 vacio") << "Calcular106y107" << "" << "106=1;107=(1)" << "106=;107=";
    QTest::newRow("110 caso base") << "Calcular110y111" << "" << "106=13,500;107=(0);108=(1,000)" << "110=12,500;111=(0);113=3,750";
    QTest::newRow("110 perdidas anteriores") << "Calcular110y111" << "" << "106=5,000;108=(8,000)" << "110=0;111=(3,000);113=0";
    QTest::newRow("110 perdida del ano") << "Calcular110y111" << "" << "106=0;107=(3,000);108=(1,000)" << "110=0;111=(4,000);113=0";
    QTest::newRow("110 renta") << "Calcular110y111" << "" << "106=12,000;107=(0);108=(2,000)" << "110=10,000;111=(0);113=3,000";
    QTest::newRow("110 vacio") << "Calcular110y111" << "" << "110=1;111=(1)" << "110=;111=;113=0";
    QTest::newRow("110 vacio 111 no") << "Calcular110y111" << "" << "107=(100)" << "110=;111=(100);113=0";
    QTest::newRow("111 solo") << "Calcular111" << "" << "106=5,000;108=(8,000);110=77" << "110=77;111=(3,000)";
    // Credits, IEAN with annex.
    QTest::newRow("506 IEAN con anexo vacia") << "Calcular506" << "OptIEAN=1;OptAnexo=1" << "113=500;506=9" << "506=";
    QTest::newRow("506 nunca negativo") << "Calcular506" << "OptIEAN=1;OptAnexo=0" << "113=500;114=(700)" << "506=0";
    QTest::newRow("506 vacio") << "Calcular506" << "OptIEAN=1;OptAnexo=0" << "506=9" << "506=";
    QTest::newRow("506 114 en 0 no es vacio") << "Calcular506" << "OptIEAN=1;OptAnexo=0" << "114=0" << "506=0";
    QTest::newRow("506 resta") << "Calcular506" << "OptIEAN=0" << "113=3,750;114=(1,000)" << "506=2,750";
    QTest::newRow("116 IEAN con anexo vacia") << "Calcular116y507" << "OptIEAN=1;OptAnexo=1" << "506=500;116=1;507=1" << "116=;507=";
    QTest::newRow("116 negativo en 116") << "Calcular116y507" << "OptIEAN=1;OptAnexo=0" << "506=500;115=(700)" << "116=(200);507=0";
    QTest::newRow("116 cero al lado positivo") << "Calcular116y507" << "OptIEAN=1;OptAnexo=0" << "506=700;115=(700)" << "116=0;507=0";
    QTest::newRow("116 positivo en 507") << "Calcular116y507" << "OptIEAN=1;OptAnexo=0" << "506=2,750;115=(750)" << "116=0;507=2,000";
    QTest::newRow("116 vacio") << "Calcular116y507" << "OptIEAN=1;OptAnexo=0" << "116=1;507=1" << "116=;507=";
    QTest::newRow("119 positivo") << "Calcular119y509" << "OptIEAN=1;OptAnexo=0" << "507=2,000;117=(500)" << "119=(0);509=1,500";
    QTest::newRow("119 cero al lado negativo") << "Calcular119y509" << "OptIEAN=1;OptAnexo=0" << "507=500;117=(500)" << "119=(0);509=0";
    QTest::newRow("119 negativo") << "Calcular119y509" << "OptIEAN=1;OptAnexo=0" << "507=300;117=(500)" << "119=(200);509=0";
    QTest::newRow("119 vacio") << "Calcular119y509" << "OptIEAN=1;OptAnexo=0" << "119=1;509=1" << "119=;509=";
    QTest::newRow("119 otra situacion no cambia") << "Calcular119y509" << "OptIEAN=0" << "507=300;119=5;509=77" << "119=5;509=77";
    QTest::newRow("508 IEAN sin anexo vacia") << "Calcular508" << "OptIEAN=1;OptAnexo=0" << "113=500;508=9" << "508=";
    QTest::newRow("508 resta") << "Calcular508" << "OptIEAN=1;OptAnexo=1" << "113=3,750;120=(1,000)" << "508=2,750";
    QTest::newRow("508 nunca negativo") << "Calcular508" << "OptIEAN=1;OptAnexo=1" << "113=500;120=(600)" << "508=0";
    QTest::newRow("508 sin respuesta calcula") << "Calcular508" << "" << "113=500" << "508=500";
    QTest::newRow("509 resta") << "Calcular509" << "OptIEAN=1;OptAnexo=1" << "508=2,750;122=(750)" << "509=2,000";
    QTest::newRow("509 cero") << "Calcular509" << "OptIEAN=1;OptAnexo=1" << "508=100;122=(100)" << "509=0";
    QTest::newRow("509 vacio") << "Calcular509" << "OptIEAN=1;OptAnexo=1" << "509=4" << "509=";
    QTest::newRow("509 otra situacion no cambia") << "Calcular509" << "OptIEAN=1;OptAnexo=0" << "508=100;509=4" << "509=4";
    QTest::newRow("510 vacio") << "Calcular510" << "" << "510=3" << "510=";
    QTest::newRow("510 509 vacia") << "Calcular510" << "" << "123=100" << "510=0";
    QTest::newRow("510 resta") << "Calcular510" << "" << "509=2,000;123=(100);124=(200);125=(300)" << "510=1,400";
    // Credits without IEAN.
    QTest::newRow("511 resta") << "Calcular511" << "OptIEAN=0" << "113=3,750;130=(750)" << "511=3,000";
    QTest::newRow("511 cero") << "Calcular511" << "OptIEAN=0" << "113=100;130=(100)" << "511=0";
    QTest::newRow("511 vacio") << "Calcular511" << "OptIEAN=0" << "511=1" << "511=";
    QTest::newRow("511 IEAN si vacia") << "Calcular511" << "OptIEAN=1" << "113=100;511=1" << "511=";
    QTest::newRow("511 sin respuesta no cambia") << "Calcular511" << "" << "113=100;511=1" << "511=1";
    QTest::newRow("511 respuesta guardada no cuenta") << "Calcular511" << "sIEAN=0" << "113=100;511=1" << "511=1";
    QTest::newRow("512 negativo") << "Calcular512" << "OptIEAN=0" << "511=3,000;131=(4,500)" << "512=(1,500)";
    QTest::newRow("512 vacio") << "Calcular512" << "OptIEAN=0" << "512=1" << "512=";
    QTest::newRow("513 copia el negativo") << "Calcular513" << "OptIEAN=0" << "512=(1,500);132=(100)" << "513=(1,500)";
    QTest::newRow("513 512 vacia") << "Calcular513" << "OptIEAN=0" << "132=(100);513=5" << "513=";
    QTest::newRow("513 resta") << "Calcular513" << "OptIEAN=0" << "512=3,000;132=(500)" << "513=2,500";
    QTest::newRow("513 cero") << "Calcular513" << "OptIEAN=0" << "512=500;132=(600)" << "513=0";
    // Balance.
    QTest::newRow("514 sin IEAN a pagar") << "Calcular514_138y139" << "OptIEAN=0"
        << "513=1,000;133=(300);134=(200);141=100" << "138=0;139=500;514=600";
    QTest::newRow("514 sin IEAN a favor") << "Calcular514_138y139" << "OptIEAN=0"
        << "513=1,000;133=(1,300);134=(200);141=100;144=(50)" << "138=(500);139=0;140=;141=;144=;514=0";
    QTest::newRow("514 IEAN a favor") << "Calcular514_138y139" << "OptIEAN=1" << "510=2,000;128=(3,000)" << "138=(1,000);139=0;514=0";
    QTest::newRow("514 saldo cero se paga") << "Calcular514_138y139" << "OptIEAN=1" << "510=500;128=(500);141=40" << "138=0;139=0;141=40;514=40";
    QTest::newRow("514 respuesta guardada") << "Calcular514_138y139" << "sIEAN=1" << "510=800;127=(100)" << "138=0;139=700;514=700";
    QTest::newRow("514 un no gana") << "Calcular514_138y139" << "OptIEAN=1;sIEAN=0" << "510=800;513=300" << "139=300;514=300";
    QTest::newRow("514 sin respuesta") << "Calcular514_138y139" << ""
        << "138=x;139=y;140=100;141=50" << "138=x;139=y;140=;141=50;514=50";
    QTest::newRow("514 140 con factores") << "Calcular514_138y139" << "OptIEAN=0"
        << "332=10;140=200;513=1,000" << "139=1,000;140=200;514=1,200";
    QTest::newRow("514 140 sin factores") << "Calcular514_138y139" << "OptIEAN=0"
        << "332=(10);140=200;513=1,000" << "139=1,000;140=;514=1,000";
    QTest::newRow("146 514 vacia") << "Calcular146" << "" << "144=(100)" << "146=(100)";
    QTest::newRow("146 resta") << "Calcular146" << "" << "514=1,200;144=(200);145=(300)" << "146=700";
    QTest::newRow("146 siempre") << "Calcular146" << "" << "" << "146=0";
}

void TstCalculos::formula()
{
    QFETCH(QString, proc);
    QFETCH(QString, respuestas);
    QFETCH(QString, entrada);
    QFETCH(QString, esperado);
    ModeloCasillas m;
    cargar(m, entrada, respuestas);
    CalculosDeclaracion c(m, sinBase(ContextoCalculo::declaracion()));
    procedimientos().at(proc)(c);
    QCOMPARE(comparar(m, esperado), QString());
}

void TstCalculos::tasa_data()
{
    QTest::addColumn<QString>("respuestas");
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<QString>("esperado113");
    QTest::addColumn<QString>("tasa");   // gsTasa after; "-" unchanged

    QTest::newRow("general") << "" << "110=12,500;111=(0)" << "3,750" << "30";
    QTest::newRow("agraria") << "OptAgraria=1" << "110=12,500;111=(0)" << "1,875" << "15";
    QTest::newRow("agraria guardada") << "sAgraria=1" << "110=12,500" << "1,875" << "15";
    QTest::newRow("exonerado") << "OptTipoCont=1;OptAgraria=1" << "110=12,500" << "0" << "-";
    QTest::newRow("exonerado guardado") << "sExonerado=1" << "110=12,500" << "0" << "-";
    QTest::newRow("mitad hacia arriba") << "" << "110=1,235" << "371" << "30";
    QTest::newRow("agraria mitad") << "OptAgraria=1" << "110=30" << "5" << "15";
    QTest::newRow("general 12340") << "" << "110=12,340;111=(0)" << "3,702" << "30";
    QTest::newRow("agraria 12340") << "OptAgraria=1" << "110=12,340;111=(0)" << "1,851" << "15";
    QTest::newRow("300.3") << "" << "110=1001" << "300" << "30";
    QTest::newRow("301.5") << "" << "110=1005" << "302" << "30";
    QTest::newRow("agraria 150.15") << "OptAgraria=1" << "110=1001" << "150" << "15";
    QTest::newRow("perdida en 111") << "" << "110=1000;111=(5,000)" << "0" << "30";
    QTest::newRow("respuesta no") << "OptAgraria=0;OptTipoCont=0" << "110=100" << "30" << "30";
}

void TstCalculos::tasa()
{
    QFETCH(QString, respuestas);
    QFETCH(QString, entrada);
    QFETCH(QString, esperado113);
    QFETCH(QString, tasa);
    gsTasa = QStringLiteral("antes");
    ModeloCasillas m;
    cargar(m, entrada, respuestas);
    CalculosDeclaracion c(m, sinBase(ContextoCalculo::declaracion()));
    c.Calcular113();
    QCOMPARE(m.texto(113), esperado113);
    QCOMPARE(gsTasa, tasa == QLatin1String("-") ? QStringLiteral("antes") : tasa);
    // Computed: grey and locked.
    QVERIFY(m.bloqueada(113));
    QCOMPARE(m.color(113), Color::Gris);
    QVERIFY(m.habilitada(113));
}

void TstCalculos::convenioDejaElImpuesto()
{
    gsTasa = QStringLiteral("100");
    ModeloCasillas m;
    cargar(m, "110=1,000;113=777", "OptConvEstab=1");
    m.setBloqueada(113, true);
    m.setColor(113, Color::Gris);
    CalculosDeclaracion c(m, sinBase(ContextoCalculo::declaracion()));
    c.Calcular113();
    QCOMPARE(m.texto(113), QStringLiteral("777"));
    QVERIFY(!m.bloqueada(113));
    QCOMPARE(m.color(113), Color::Blanco);
    QCOMPARE(gsTasa, QStringLiteral("100"));

    // The viewer keeps the box as it is.
    ModeloCasillas e;
    cargar(e, "110=1,000;113=777", "sConvenio=1");
    e.setBloqueada(113, true);
    CalculosDeclaracion v(e, sinBase(ContextoCalculo::enviada()));
    v.Calcular113();
    QCOMPARE(e.texto(113), QStringLiteral("777"));
    QVERIFY(e.bloqueada(113));
}

void TstCalculos::copiaDomiciliado_data()
{
    QTest::addColumn<QString>("domiciliado");
    QTest::addColumn<bool>("cargando");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("domiciliado") << "1" << false << "505=2,000;338=(0);100=2,000;101=(0)";
    QTest::newRow("no domiciliado") << "0" << false << "505=2,000;338=(0);100=5;101=(5)";
    QTest::newRow("cargando") << "1" << true << "505=2,000;338=(0);100=5;101=(5)";
}

void TstCalculos::copiaDomiciliado()
{
    QFETCH(QString, domiciliado);
    QFETCH(bool, cargando);
    QFETCH(QString, esperado);
    ModeloCasillas m;
    cargar(m, "334=2,000;100=5;101=(5)", "OptDomiciliado=" + domiciliado);
    m.bCargando = cargando;
    CalculosDeclaracion c(m, sinBase(ContextoCalculo::declaracion()));
    c.Calcular505y338();
    QCOMPARE(comparar(m, esperado), QString());
}

void TstCalculos::saldoHabilitaCasillas_data()
{
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<bool>("habilitadas");
    QTest::newRow("a pagar") << "513=1,000" << true;
    QTest::newRow("cero se paga") << "513=0" << true;
    QTest::newRow("a favor") << "513=(10)" << false;
}

void TstCalculos::saldoHabilitaCasillas()
{
    QFETCH(QString, entrada);
    QFETCH(bool, habilitadas);
    ModeloCasillas m;
    cargar(m, entrada, "OptIEAN=0");
    for (int n : {140, 141, 144})
        m.setHabilitada(n, !habilitadas);
    CalculosDeclaracion c(m, sinBase(ContextoCalculo::declaracion()));
    c.Calcular514_138y139();
    for (int n : {140, 141, 144}) {
        QCOMPARE(m.habilitada(n), habilitadas);
        QCOMPARE(m.color(n), habilitadas ? Color::Blanco : Color::Gris);
    }
}

void TstCalculos::saldoEnviada()
{
    // The viewer empties 140 and 141 on a balance in favour, never touches
    // 144 and changes no enabling.
    ModeloCasillas m;
    cargar(m, "510=2,000;128=(3,000);140=10;141=20;144=(30)", "OptIEAN=1");
    CalculosDeclaracion c(m, sinBase(ContextoCalculo::enviada()));
    c.Calcular514_138y139();
    QCOMPARE(comparar(m, "138=(1,000);139=0;140=;141=;144=(30);514=0"), QString());
    QVERIFY(m.habilitada(140));

    // 332 and 333 play no part: 140 keeps its amount.
    ModeloCasillas p;
    cargar(p, "513=5,000;133=(1,000);134=(500);140=10;141=20", "sIEAN=0");
    CalculosDeclaracion cp(p, sinBase(ContextoCalculo::enviada()));
    cp.Calcular514_138y139();
    QCOMPARE(comparar(p, "138=0;139=3,500;140=10;141=20;514=3,530"), QString());
}

QTEST_GUILESS_MAIN(TstCalculos)
#include "tst_calculos.moc"
