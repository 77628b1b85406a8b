// One table of box calculations run on the entry window's core and on the
// sent-declaration viewer's, both reading the database: what the two must
// give alike, and in a column of its own what the viewer gives differently
// (box 120 with pago_iean, the annex rows of HACTA of its CORREL, the signed
// cap of 124 and 132, box 140 and 144 left alone by the balance). A change to
// a shared calculation is checked on both at once.
#include "../declaration/calculos/casillastexto.h"
#include "../support/testdb.h"
#include "declaration/core/calculos/calculos.h"
#include "platform/msgbox.h"
#include "shell/core/modglobal.h"
#include <QtTest>
#include <functional>
#include <map>

using casillastexto::cargar;
using casillastexto::pares;

namespace {
const QString kRuc = QStringLiteral("20100066603");

// "dest|tipo|per_pag|saluti|compen|otrcre|pago_r|pago_iean_r|pago_iean" rows,
// ';' apart. dest: A the declaration's ACTA, H1 and H2 the HACTA rows of sends
// 1 and 2, * ACTA and send 2 alike. The viewer shows send 2.
void insertarFilas(Database &db, const QString &filas)
{
    for (const QString &f : filas.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList c = f.split(QLatin1Char('|'));
        const QString dest = c.value(0);
        const QVariantList v{kRuc, c.value(2), c.value(3), c.value(4), c.value(5), c.value(6), c.value(7),
                             c.value(8), c.value(1)};
        const QString columnas = QStringLiteral("DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, per_pag, saluti, compen,"
                                                " otrcre, pago_r, pago_iean_r, pago_iean, tipo_asist");
        if (dest == QLatin1String("A") || dest == QLatin1String("*"))
            db.exec(QStringLiteral("INSERT INTO ACTA (") + columnas
                        + QStringLiteral(") VALUES (?, 6, '1998', '0951', ?, ?, ?, ?, ?, ?, ?, ?)"),
                    v);
        if (dest.startsWith(QLatin1Char('H')) || dest == QLatin1String("*"))
            db.exec(QStringLiteral("INSERT INTO HACTA (") + columnas
                        + QStringLiteral(", CORREL) VALUES (?, 6, '1998', '0951', ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                    v + QVariantList{dest == QLatin1String("H1") ? QStringLiteral("1") : QStringLiteral("2")});
    }
}

const std::map<QString, std::function<void(CalculosDeclaracion &)>> &procedimientos()
{
    using C = CalculosDeclaracion;
    static const std::map<QString, std::function<void(C &)>> m = {
        {"106y107", &C::Calcular106y107},
        {"110y111", &C::Calcular110y111},
        {"113", &C::Calcular113},
        {"513", &C::Calcular513},
        {"514", &C::Calcular514_138y139},
        {"Max124", &C::CalcularMax124},
        {"Max132", &C::CalcularMax132},
        {"117", &C::Calcular117},
        {"120", &C::Calcular120},
        {"128_131 128", [](C &c) { c.Calcular128_131(128); }},
        {"128_131 131", [](C &c) { c.Calcular128_131(131); }},
        {"128A", [](C &c) { c.Calcular128A_131A(128); }},
    };
    return m;
}

// "" when the store and the messages shown match; "msg=N" counts the messages.
QString comparar(const ModeloCasillas &m, int mensajes, const QString &esperado)
{
    QStringList dif;
    for (const auto &p : pares(esperado)) {
        const QString real = p.first == QLatin1String("msg") ? QString::number(mensajes) : m.texto(p.first.toInt());
        if (real != p.second)
            dif << QStringLiteral("%1: \"%2\" (expected \"%3\")").arg(p.first, real, p.second);
    }
    return dif.join(QStringLiteral("; "));
}

// The expected texts of one window: the common ones, overridden box by box.
QString combinar(const QString &comun, const QString &diferencia)
{
    QMap<QString, QString> m;
    QStringList orden;
    for (const auto &p : pares(comun) + pares(diferencia)) {
        if (!m.contains(p.first))
            orden << p.first;
        m[p.first] = p.second;
    }
    QStringList r;
    for (const QString &k : orden)
        r << k + QLatin1Char('=') + m.value(k);
    return r.join(QLatin1Char(';'));
}
} // namespace

class TstCalculosAmbos : public QObject {
    Q_OBJECT
    std::unique_ptr<testdb::Entorno> m_env;

private slots:
    void init()
    {
        m_env = std::make_unique<testdb::Entorno>();
        QVERIFY(m_env->valido());
        gdbBase = m_env->abrir();
        gsPeriodo = QStringLiteral("1998");
        gsFormulario = QStringLiteral("0951");
        gsCorrel = QStringLiteral("2");
        for (const char *p : {"9801", "9802"})
            gdbBase->exec(QStringLiteral("INSERT INTO FAC (FORMULARIO, PERIODO, CODTRI, FACTOR) VALUES ('0951', ?, '030301', 1.004)"),
                          {QLatin1String(p)});
    }
    void cleanup()
    {
        gdbBase.reset();
        m_env.reset();
    }

    void ambas_data()
    {
        QTest::addColumn<QString>("proc");
        QTest::addColumn<QString>("respuestas");
        QTest::addColumn<QString>("entrada");
        QTest::addColumn<QString>("filas");
        QTest::addColumn<QString>("esperado");     // both windows
        QTest::addColumn<QString>("enviada");      // where the viewer differs

        // Alike.
        QTest::newRow("106 renta") << "106y107" << "" << "100=10,000;101=(0);103=2,000;105=(500)" << ""
                                   << "106=11,500;107=(0)" << "";
        QTest::newRow("110 y el impuesto") << "110y111" << "" << "106=13,500;107=(0);108=(1,000)" << ""
                                           << "110=12,500;111=(0);113=3,750" << "";
        QTest::newRow("113 tasa general") << "113" << "" << "110=12,340;111=(0)" << "" << "113=3,702" << "";
        QTest::newRow("113 agraria") << "113" << "sAgraria=1" << "110=1001" << "" << "113=150" << "";
        QTest::newRow("513 copia el negativo") << "513" << "OptIEAN=0" << "512=(1,500);132=(100)" << ""
                                               << "513=(1,500)" << "";
        QTest::newRow("117 abril a diciembre") << "117" << "OptIEAN=1;OptAnexo=0" << ""
            << "*|2|199804|||||| 400;*|2|199812||||||600;*|2|199801||||||9" << "117=(1,000)" << "";
        // 100 x 1.004 each month: 100 + 100, never 201.
        QTest::newRow("128 con factores") << "128_131 128" << "OptIEAN=1;OptAnexo=0" << "332=10"
            << "*|2|199801||||100||;*|2|199802||||100||" << "128=(200)" << "";
        QTest::newRow("128A sin la parte IEAN") << "128A" << "OptIEAN=1;OptAnexo=1" << ""
            << "*|1|199801|500|||500|300|;*|1|199802||||100|400|" << "128=(400)" << "";
        QTest::newRow("124 sobre el tope") << "Max124" << "OptIEAN=1"
            << "110=100,000;108=(0);113=30,000;124=3,001" << "" << "124=3000;msg=1" << "";
        QTest::newRow("514 a pagar") << "514" << "sIEAN=0" << "513=5,000;133=(1,000);134=(500);332=1;141=20" << ""
                                     << "138=0;139=3,500;141=20;514=3,520" << "";

        // The viewer's own.
        QTest::newRow("120 suma pago_iean") << "120" << "OptIEAN=1;OptAnexo=1" << ""
            << "*|1|199804|||||1000|300;*|1|199805|||||500|200" << "120=(1,500)" << "120=(2,000)";
        QTest::newRow("131 filas de su envio") << "128_131 131" << "OptIEAN=0" << ""
            << "*|3|199801|100|||250||;A|3|199803||||1000||;H1|3|199802||||9999||" << "131=(1,350)" << "131=(350)";
        QTest::newRow("117 de otro envio no cuenta") << "117" << "OptIEAN=1;OptAnexo=0" << ""
            << "A|2|199804||||||700;H1|2|199805||||||800" << "117=(700)" << "117=(0)";
        QTest::newRow("124 entre parentesis") << "Max124" << "OptIEAN=1"
            << "110=100,000;108=(0);113=30,000;124=(4,000)" << "" << "124=3000;msg=1" << "124=(4,000);msg=0";
        QTest::newRow("132 entre parentesis") << "Max132" << "OptIEAN=0"
            << "110=100,000;108=(20,000);113=30,000;132=(2,600)" << "" << "132=2500;msg=1" << "132=(2,600);msg=0";
        QTest::newRow("514 140 sin factores") << "514" << "OptIEAN=0" << "513=1,000;133=(300);140=200" << ""
            << "138=0;139=700;140=;514=700" << "140=200;514=900";
        QTest::newRow("514 sin respuesta IEAN") << "514" << "" << "138=x;139=y;140=100;141=50" << ""
            << "138=x;139=y;140=;141=50;514=50" << "140=100;514=150";
        QTest::newRow("514 a favor deja 144") << "514" << "OptIEAN=1" << "510=2,000;128=(3,000);141=20;144=(50)" << ""
            << "138=(1,000);139=0;140=;141=;144=;514=0" << "144=(50)";
    }

    void ambas()
    {
        QFETCH(QString, proc);
        QFETCH(QString, respuestas);
        QFETCH(QString, entrada);
        QFETCH(QString, filas);
        QFETCH(QString, esperado);
        QFETCH(QString, enviada);
        insertarFilas(*gdbBase, filas);

        const QString campos = respuestas + QStringLiteral(";sRuc=%1;TxtNumRuc=%1;iAccion=1").arg(kRuc);
        const struct {
            const char *ventana;
            ContextoCalculo ctx;
            QString esperado;
        } casos[] = {
            {"entrada", ContextoCalculo::declaracion(), esperado},
            {"enviada", ContextoCalculo::enviada(), combinar(esperado, enviada)},
        };
        for (const auto &caso : casos) {
            ModeloCasillas m;
            cargar(m, entrada, campos);
            msg::ScriptedAnswerer mensajes;
            CalculosDeclaracion c(m, caso.ctx);
            procedimientos().at(proc)(c);
            QVERIFY2(comparar(m, mensajes.shown().size(), caso.esperado).isEmpty(),
                     qPrintable(QLatin1String(caso.ventana) + QStringLiteral(": ")
                                + comparar(m, mensajes.shown().size(), caso.esperado)));
        }
    }

    // The viewer's cap message carries its own caption.
    void tituloDelTope()
    {
        ModeloCasillas m;
        cargar(m, "110=100,000;108=(0);113=30,000;124=3,500", "sIEAN=1");
        msg::ScriptedAnswerer mensajes;
        CalculosDeclaracion c(m, ContextoCalculo::enviada());
        c.CalcularMax124();
        QCOMPARE(mensajes.shown().size(), 1);
        QCOMPARE(mensajes.shown().first().title, QStringLiteral("951 Declaración Pago Anual Impuesto a la Renta (Enviadas)"));
        QCOMPARE(mensajes.shown().first().text,
                 QStringLiteral("El monto de la casilla 124 no debe ser mayor que la tasa media del Contribuyente: \n3000"));
        QCOMPARE(mensajes.shown().first().style, 16);
    }
};

QTEST_GUILESS_MAIN(TstCalculosAmbos)
#include "tst_calculos.moc"
