// The recalculation dispatch on the store: chains started by one change,
// the rules around the balance, exclusive pairs, RUC checks, what loading
// skips, and that one keystroke runs each dependant once.
#include "casillastexto.h"
#include "fuentefija.h"
#include "declaration/core/calculos/despacho.h"
#include "platform/msgbox.h"
#include "shell/core/modglobal.h"
#include <QtTest>
#include <map>

using casillastexto::cargar;
using casillastexto::comparar;

namespace {
const QString kTitulo = QStringLiteral("951 Declaración Pago Anual Impuesto a la Renta");
const QString kTituloApp = QStringLiteral("Declaración Pago Anual Impuesto a la Renta");

struct Banco {
    ModeloCasillas m;
    std::shared_ptr<FuenteFija> fuente = std::make_shared<FuenteFija>();
    QStringList eventos;
    QString importe;
    std::unique_ptr<DespachoCasillas> d;
    std::map<QString, int> conteo;

    explicit Banco(bool enviada = false, const QString &respuestas = QString(), const QString &previas = QString())
    {
        gsPeriodo = QStringLiteral("1998");
        gsFormulario = QStringLiteral("0951");
        cargar(m, previas, respuestas);
        m.setCampo(QStringLiteral("sRuc"), QStringLiteral("20100123453"));
        ContextoCalculo c = enviada ? ContextoCalculo::enviada() : ContextoCalculo::declaracion();
        c.fuente = fuente;
        c.mostrarPagina = [this](int p) { eventos << QStringLiteral("pagina %1").arg(p); };
        c.enfocar = [this](int n) { eventos << QStringLiteral("foco %1").arg(n); };
        c.importePago = [this](const QString &t) { importe = t; };
        d = std::make_unique<DespachoCasillas>(m, c, enviada ? tablaDespachoEnviada() : tablaDespachoDeclaracion());
        d->setObservador([this](const Paso &p) {
            QString n = QString::fromLatin1(nombreAccion(p.accion));
            if (p.arg)
                n += QStringLiteral("(%1)").arg(p.arg);
            ++conteo[n];
        });
    }
    void teclear(const QString &casillas) { cargar(m, casillas); }
};

// A declaration of a taxpayer without IEAN, every chain filled.
const QString kSinIean = QStringLiteral(
    "300=10,000;301=5,000;303=2,500;306=4,000;307=1,000;312=500;"
    "321=50,000;323=(20,000);325=(5,000);326=(2,000);327=1,000;330=(500);337=(1,000);340=(2,000);"
    "103=2,000;105=(500);108=(1,000);130=(700);131=(800);132=(100);133=(300);134=(200);145=(100)");
} // namespace

class TstDespacho : public QObject {
    Q_OBJECT
private slots:
    void cadenaImpuesto();
    void redondeoImpuesto();
    void topeAlTeclear();
    void cargandoSaltaTopesYRuc();
    void exclusivas_data();
    void exclusivas();
    void parSilencioso114y122();
    void saldos_data();
    void saldos();
    void casilla140PorFactores();
    void ruc_data();
    void ruc();
    void importePago();
    void factoresRecalculan128();
    void anexoSinIean();
    void unaTeclaUnaVez();
    void topeSobreValoresFinales();
    void sinTormentaEnCasillasQueSeReescriben();
    void enviadaVaciaSaldosSinPares();
    void enviadaSaldoCeroSumaFinal();
    void declaracionCompleta();
};

void TstDespacho::cadenaImpuesto()
{
    Banco b;
    b.teclear("100=12,000;103=2,000;105=(500);108=(1,000)");
    QCOMPARE(comparar(b.m, "106=13,500;107=(0);110=12,500;111=(0);113=3,750"), QString());
    QCOMPARE(gsTasa, QStringLiteral("30"));

    Banco agr(false, "OptAgraria=1");
    agr.teclear("100=12,000;103=2,000;105=(500);108=(1,000)");
    QCOMPARE(agr.m.texto(113), QStringLiteral("1,875"));

    Banco exo(false, "OptTipoCont=1");
    exo.teclear("100=12,000;103=2,000;105=(500);108=(1,000)");
    QCOMPARE(exo.m.texto(113), QStringLiteral("0"));
}

void TstDespacho::redondeoImpuesto()
{
    Banco b;
    b.teclear("100=1,235");
    QCOMPARE(comparar(b.m, "106=1,235;107=(0);110=1,235;111=(0);113=371"), QString());
    Banco agr(false, "OptAgraria=1");
    agr.teclear("100=30");
    QCOMPARE(agr.m.texto(113), QStringLiteral("5"));
}

void TstDespacho::topeAlTeclear()
{
    msg::ScriptedAnswerer r;
    Banco b(false, "OptIEAN=1;OptAnexo=1");
    b.teclear("100=12,000;103=2,000;105=(500);108=(1,000)");
    QVERIFY(r.shown().isEmpty());
    b.teclear("124=400");
    QCOMPARE(r.shown().size(), 1);
    QCOMPARE(r.shown()[0].text,
             QStringLiteral("El monto de la casilla 124 no debe ser mayor que la tasa media del Contribuyente: \n347"));
    QCOMPARE(r.shown()[0].text.split(QLatin1Char('\n')).value(1), QStringLiteral("347"));
    QCOMPARE(r.shown()[0].style, 16);
    QCOMPARE(r.shown()[0].title, kTitulo);
    QCOMPARE(b.m.texto(124), QStringLiteral("347"));
    QCOMPARE(b.eventos, (QStringList{"pagina 3", "foco 124"}));
    // 508 = 3,750, 509 = 3,750, 510 = 3,750 - 347.
    QCOMPARE(comparar(b.m, "508=3,750;509=3,750;510=3,403"), QString());
}

void TstDespacho::cargandoSaltaTopesYRuc()
{
    msg::ScriptedAnswerer r;
    Banco b(false, "OptIEAN=1;OptAnexo=1");
    b.m.bCargando = true;
    b.teclear("100=12,000;103=2,000;105=(500);108=(1,000);124=400;226=20100123454");
    b.m.bCargando = false;
    QVERIFY(r.shown().isEmpty());
    QCOMPARE(b.m.texto(124), QStringLiteral("400"));
    b.teclear("124=401");
    QCOMPARE(r.shown().size(), 1);
    QCOMPARE(b.m.texto(124), QStringLiteral("347"));
}

void TstDespacho::exclusivas_data()
{
    QTest::addColumn<int>("tecleada");
    QTest::addColumn<int>("otra");
    QTest::addColumn<QString>("previas");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("respuesta");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("316 OK") << 316 << 317 << "317=(1,000)" << "5" << int(msg::OK) << "316=5;317=;502=5";
    QTest::newRow("316 Cancel") << 316 << 317 << "317=(1,000)" << "5" << int(msg::Cancel) << "316=;317=(1,000);502=(1,000)";
    QTest::newRow("317 OK") << 317 << 316 << "316=200" << "50" << int(msg::OK) << "316=;317=50;502=(50)";
    QTest::newRow("320 Cancel") << 320 << 318 << "318=700" << "100" << int(msg::Cancel) << "318=700;320=;502=700";
    QTest::newRow("332 OK") << 332 << 333 << "333=(40)" << "60" << int(msg::OK) << "332=60;333=;334=60;504=(0)";
    QTest::newRow("333 Cancel") << 333 << 332 << "332=60" << "40" << int(msg::Cancel) << "332=60;333=;334=60";
    QTest::newRow("211 OK") << 211 << 212 << "212=123" << "77" << int(msg::OK) << "211=77;212=";
    QTest::newRow("212 Cancel") << 212 << 211 << "211=123" << "77" << int(msg::Cancel) << "211=123;212=";
}

void TstDespacho::exclusivas()
{
    QFETCH(int, tecleada);
    QFETCH(int, otra);
    QFETCH(QString, previas);
    QFETCH(QString, texto);
    QFETCH(int, respuesta);
    QFETCH(QString, esperado);

    msg::ScriptedAnswerer r({respuesta});
    Banco b(false, "OptIEAN=0", previas);
    b.m.setTexto(tecleada, texto);
    QCOMPARE(r.shown().size(), 1);
    QCOMPARE(r.shown()[0].text, QStringLiteral("Las casillas %1 y %2 son excluyentes, si desea registrar información en la "
                                               "casilla %1 debe eliminar la información registrada en la %2.")
                                    .arg(tecleada).arg(otra));
    QCOMPARE(r.shown()[0].style, 1);
    QCOMPARE(r.shown()[0].title, kTituloApp);
    QCOMPARE(comparar(b.m, esperado), QString());
    QVERIFY(b.eventos.contains(QStringLiteral("foco %1").arg(respuesta == msg::OK ? tecleada : otra)));

    // One box with an amount, the other empty or 0: no message.
    msg::ScriptedAnswerer r2;
    Banco c(false, "OptIEAN=0", QStringLiteral("%1=0").arg(otra));
    c.m.setTexto(tecleada, texto);
    QVERIFY(r2.shown().isEmpty());
}

void TstDespacho::parSilencioso114y122()
{
    msg::ScriptedAnswerer r;
    Banco b(false, "OptIEAN=1;OptAnexo=0", "122=300");
    b.teclear("114=50");
    QCOMPARE(b.m.texto(114), QString());
    QVERIFY(r.shown().isEmpty());

    // A computed 508 empties 122 while 114 holds an amount.
    Banco c(false, "OptConvEstab=1;OptIEAN=1;OptAnexo=1", "114=5,000;122=200");
    c.teclear("113=1,000");
    QCOMPARE(comparar(c.m, "508=1,000;122=;114=5,000;509=1,000"), QString());
    QVERIFY(r.shown().isEmpty());
}

void TstDespacho::saldos_data()
{
    QTest::addColumn<QString>("previas");
    QTest::addColumn<QString>("tecleo");
    QTest::addColumn<QString>("esperado");
    QTest::addColumn<bool>("h137");
    QTest::addColumn<bool>("hSaldos");   // 141 and 144
    QTest::addColumn<bool>("h140");

    // No IEAN: 513 = 1,000 less the credits 133 and 134.
    QTest::newRow("a pagar sin factores") << "513=1,000;140=50;141=20" << "133=(300)" << "138=0;139=700;140=;141=20;514=720"
                                           << false << true << false;
    QTest::newRow("a pagar con factores") << "513=1,000;332=10;140=50" << "133=(300)" << "139=700;140=50;514=750"
                                           << false << true << true;
    QTest::newRow("a favor") << "513=1,000;141=20;144=(5)" << "133=(1,300)" << "138=(300);139=0;141=;144=;514=0;146=0"
                              << true << false << false;
    QTest::newRow("cero") << "513=1,000;141=20;332=10" << "133=(1,000)" << "138=0;139=0;140=;141=;144=;514=0"
                          << false << false << false;
}

void TstDespacho::saldos()
{
    QFETCH(QString, previas);
    QFETCH(QString, tecleo);
    QFETCH(QString, esperado);
    QFETCH(bool, h137);
    QFETCH(bool, hSaldos);
    QFETCH(bool, h140);

    Banco b(false, "OptIEAN=0", previas);
    b.teclear(tecleo);
    QCOMPARE(comparar(b.m, esperado), QString());
    QCOMPARE(b.m.habilitada(137), h137);
    QCOMPARE(b.m.color(137), h137 ? Color::Blanco : Color::Gris);
    for (int n : {141, 144}) {
        QCOMPARE(b.m.habilitada(n), hSaldos);
        QCOMPARE(b.m.color(n), hSaldos ? Color::Blanco : Color::Gris);
    }
    QCOMPARE(b.m.habilitada(140), h140);
    QCOMPARE(b.m.color(140), h140 ? Color::Blanco : Color::Gris);
}

void TstDespacho::casilla140PorFactores()
{
    Banco b(false, "OptIEAN=0", "113=1,000;511=1,000;512=1,000;513=1,000");
    b.teclear("133=(300)");
    QVERIFY(!b.m.habilitada(140));
    b.teclear("332=25");
    QVERIFY(b.m.habilitada(140));
    QCOMPARE(b.m.color(140), Color::Blanco);
    b.teclear("140=100");
    QCOMPARE(b.m.texto(514), QStringLiteral("800"));
    // Emptying both 332 and 333 closes 140 again and takes its amount out of M.
    b.teclear("332=");
    QVERIFY(!b.m.habilitada(140));
    QCOMPARE(b.m.color(140), Color::Gris);
    QCOMPARE(comparar(b.m, "140=;514=700"), QString());
}

void TstDespacho::ruc_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QStringList>("mensajes");
    const QString invalido = QStringLiteral("El RUC no es Válido.");
    const QString propio = QStringLiteral("El RUC no puede ser igual al RUC del Contribuyente.");
    QTest::newRow("10 caracteres") << "2010012345" << QStringList{};
    QTest::newRow("valido y otro") << "10000000006" << QStringList{};
    QTest::newRow("invalido") << "20100123454" << QStringList{invalido};
    QTest::newRow("el propio") << "20100123453" << QStringList{propio};
}

void TstDespacho::ruc()
{
    QFETCH(QString, texto);
    QFETCH(QStringList, mensajes);
    for (int casilla : {203, 204, 209, 217, 218, 226}) {
        msg::ScriptedAnswerer r;
        Banco b;
        b.m.setTexto(casilla, texto);
        QStringList vistos;
        for (const auto &s : r.shown()) {
            vistos << s.text;
            QCOMPARE(s.style, 16);
            QCOMPARE(s.title, kTitulo);
        }
        QCOMPARE(vistos, mensajes);
        QCOMPARE(b.m.texto(casilla), texto);
        QCOMPARE(b.eventos.count(QStringLiteral("pagina 5")), mensajes.size());
        QCOMPARE(b.eventos.count(QStringLiteral("foco %1").arg(casilla)), mensajes.size());
    }
    // Invalid and equal to the declaration's own RUC: both, the first before.
    msg::ScriptedAnswerer r;
    Banco b;
    b.m.setCampo(QStringLiteral("sRuc"), QStringLiteral("20100123454"));
    b.m.setTexto(226, QStringLiteral("20100123454"));
    QCOMPARE(r.shown().size(), 2);
    QCOMPARE(r.shown()[0].text, QStringLiteral("El RUC no es Válido."));
    QCOMPARE(r.shown()[1].text, QStringLiteral("El RUC no puede ser igual al RUC del Contribuyente."));
}

void TstDespacho::importePago()
{
    Banco b;
    b.teclear("180=1,500");
    QCOMPARE(b.importe, QStringLiteral("1500"));
}

void TstDespacho::factoresRecalculan128()
{
    // IEAN with annex: one month of payments on account and IEAN credited.
    // Under a stability agreement the tax is typed.
    Banco b(false, "OptConvEstab=1;OptIEAN=1;OptAnexo=1");
    b.fuente->filasGuardadas = {{"1", "199805", "1000", "", "", "", "200", ""}};
    b.fuente->factoresPorCodigo["030301"]["9805"] = 1.1;
    b.fuente->factoresPorCodigo["030304"]["9805"] = 1.2;
    b.teclear("113=5,000;128=1");
    QCOMPARE(comparar(b.m, "128=(800)"), QString());
    b.d->calculos().Calcular120();
    QCOMPARE(b.m.texto(120), QStringLiteral("(200)"));
    // Factors now apply: 120 and 128 both follow.
    b.teclear("332=100");
    QCOMPARE(comparar(b.m, "120=(240);128=(880);508=4,760"), QString());
    b.teclear("332=");
    QCOMPARE(comparar(b.m, "120=(200);128=(800)"), QString());
}

void TstDespacho::anexoSinIean()
{
    Banco b(false, "OptConvEstab=1;OptIEAN=0");
    b.fuente->filasGuardadas = {{"3", "199901", "100", "50", "", "", "", ""}, {"2", "199901", "999", "", "", "", "", ""}};
    b.fuente->factoresPorCodigo["030301"]["9901"] = 2.0;
    b.teclear("113=1,000");
    b.teclear("131=7");
    QCOMPARE(comparar(b.m, "131=(150);511=1,000;512=850"), QString());
    b.teclear("333=(1)");
    QCOMPARE(comparar(b.m, "131=(300);512=700"), QString());
}

void TstDespacho::unaTeclaUnaVez()
{
    Banco b(false, "OptIEAN=0;OptDomiciliado=1");
    b.teclear(kSinIean);
    b.conteo.clear();
    // One more digit in box 321: the income statement, the carry into 100
    // and 101, the tax and the credit chain down to 146, each step once.
    b.teclear("321=500001");
    QVERIFY(!b.conteo.empty());
    for (const auto &[paso, veces] : b.conteo)
        QVERIFY2(veces == 1, qPrintable(QStringLiteral("%1 ran %2 times").arg(paso).arg(veces)));
    for (const char *paso : {"Calcular503", "Calcular334y504", "Calcular505y338", "Calcular341y342", "Calcular106y107",
                             "Calcular110y111", "Calcular113", "Calcular511", "Calcular512", "Calcular513",
                             "CalcularMax132", "Calcular514_138y139", "ReglaSaldos", "Calcular146"})
        QVERIFY2(b.conteo.count(QString::fromLatin1(paso)), paso);
    // 321 = 500,001: 334 = 500,001 - 20,000 - 5,000 - 2,000 + 1,000 - 500 = 473,501
    QCOMPARE(comparar(b.m, "334=473,501;505=472,501;100=472,501;106=474,001;110=473,001;113=141,900"), QString());

    // A keystroke in the tax part runs the tax once, though 113 is also a
    // dependant of itself.
    b.conteo.clear();
    b.teclear("103=20001");
    QCOMPARE(b.conteo["Calcular113"], 1);
    QCOMPARE(b.conteo["Calcular106y107"], 1);
}

void TstDespacho::topeSobreValoresFinales()
{
    // A gross loss turns into a profit: 334 and 504 both change. The cap of
    // 124 is judged on the final tax (cap 2,955), not on a pass where 505
    // still subtracted the old 504 (tax 29,400, cap 2,940).
    msg::ScriptedAnswerer r;
    Banco b(false, "OptIEAN=1;OptAnexo=1;OptDomiciliado=1");
    b.teclear("321=1,000;323=(1,500)");
    QCOMPARE(comparar(b.m, "334=0;504=(500);505=0;338=(500);100=0;101=(500);113=0"), QString());
    b.m.bCargando = true;
    b.teclear("124=2,950");
    b.m.bCargando = false;
    b.teclear("321=100000");
    QVERIFY2(r.shown().isEmpty(), qPrintable(r.shown().value(0).text));
    QCOMPARE(comparar(b.m, "334=98,500;504=(0);505=98,500;100=98,500;110=98,500;113=29,550;124=2,950;510=26,600"),
             QString());
}

void TstDespacho::sinTormentaEnCasillasQueSeReescriben()
{
    // Under a stability agreement 113 is typed and Calcular113 leaves it.
    Banco b(false, "OptConvEstab=1;OptIEAN=0");
    b.teclear("113=9,000");
    QCOMPARE(b.conteo["Calcular113"], 1);
    QCOMPARE(b.m.texto(113), QStringLiteral("9,000"));
    // Typing into 131 rewrites it from the annex rows at once, once.
    b.fuente->filasGuardadas = {{"3", "199802", "40", "", "", "", "", ""}};
    b.conteo.clear();
    b.teclear("131=5");
    QCOMPARE(b.m.texto(131), QStringLiteral("(40)"));
    QCOMPARE(b.conteo["Calcular128_131(131)"], 1);
    QCOMPARE(b.conteo["Calcular512"], 1);
}

void TstDespacho::enviadaVaciaSaldosSinPares()
{
    msg::ScriptedAnswerer r;
    Banco b(true, "sIEAN=1;OptIEAN=1;OptAnexo=0", "316=100;510=2,000;140=10;141=20;144=(30)");
    b.teclear("317=(50);180=5;226=20100123453");
    QVERIFY(r.shown().isEmpty());
    QCOMPARE(b.m.texto(502), QStringLiteral("50"));
    QVERIFY(b.importe.isEmpty());
    b.fuente->filasGuardadas = {{"2", "199801", "3000", "", "", "", "", ""}};
    b.teclear("128=1");
    QCOMPARE(comparar(b.m, "128=(3,000);138=(1,000);139=0;140=;141=;144=(30);514=0"), QString());
    QVERIFY(b.m.habilitada(140));
}

void TstDespacho::enviadaSaldoCeroSumaFinal()
{
    // Balance exactly 0: the dispatch then empties 140 and 141, and M ends as
    // the sum of what the boxes finally hold, not of the amounts read first.
    Banco b(true, "sIEAN=1;OptIEAN=1;OptAnexo=1", "510=500;139=500;140=100;141=20");
    b.teclear("127=(500)");
    QCOMPARE(comparar(b.m, "138=0;139=0;140=;141=;514=0;146=0"), QString());
}

void TstDespacho::declaracionCompleta()
{
    // The whole no-IEAN declaration, loaded at once and settled.
    Banco b(false, "OptIEAN=0;OptDomiciliado=0");
    b.fuente->filasGuardadas = {{"3", "199806", "", "", "", "800", "", ""}};
    b.d->lote([&] { b.teclear(kSinIean + ";100=20,000;101=(1,000)"); });
    QCOMPARE(comparar(b.m,
        "500=17,500;501=5,000;502=5,500;503=30,000;334=23,500;504=(0);505=22,500;338=(0);341=20,500;342=(0);"
        "106=20,500;107=(0);110=19,500;111=(0);113=5,850;511=5,150;131=(800);512=4,350;513=4,250;"
        "138=0;139=3,750;514=3,750;146=3,650"), QString());
}

QTEST_GUILESS_MAIN(TstDespacho)
#include "tst_despacho.moc"
