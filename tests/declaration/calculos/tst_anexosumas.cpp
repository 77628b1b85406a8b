// Annex sums over ACTA (entry) and HACTA of one send (viewer) with the FAC
// factors, through the database: months in range, annex type, columns,
// factor rule, month rounding and the negative totals.
#include "casillastexto.h"
#include "declaration/core/calculos/calculos.h"
#include "shell/core/modglobal.h"
#include "../../support/testdb.h"
#include <QtTest>

using casillastexto::cargar;
using casillastexto::pares;

namespace {
const QString kRuc = QStringLiteral("20100123453");

// "tipo|per_pag|saluti|compen|otrcre|pago_r|pago_iean_r|pago_iean[|correl[|ruc]]" rows, ';' apart.
void insertarFilas(Database &db, const QString &tabla, const QString &filas)
{
    for (const QString &f : filas.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList c = f.split(QLatin1Char('|'));
        const QString ruc = c.value(9).isEmpty() ? kRuc : c.value(9);
        QVariantList v{ruc, 6, QStringLiteral("1998"), QStringLiteral("0951"), c.value(1), c.value(2), c.value(3),
                       c.value(4), c.value(5), c.value(6), c.value(7), c.value(0)};
        QString sql = QStringLiteral("INSERT INTO %1 (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, per_pag, saluti, compen,"
                                     " otrcre, pago_r, pago_iean_r, pago_iean, tipo_asist%2) VALUES (?,?,?,?,?,?,?,?,?,?,?,?%3)")
                          .arg(tabla, tabla == QLatin1String("HACTA") ? QStringLiteral(", CORREL") : QString(),
                               tabla == QLatin1String("HACTA") ? QStringLiteral(",?") : QString());
        if (tabla == QLatin1String("HACTA"))
            v << c.value(8);
        db.exec(sql, v);
    }
}

// "codtri|periodo|factor" rows; factor "null" stores Null.
void insertarFactores(Database &db, const QString &filas)
{
    for (const QString &f : filas.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList c = f.split(QLatin1Char('|'));
        const QVariant factor = c.value(2) == QLatin1String("null") ? QVariant() : QVariant(c.value(2).toDouble());
        db.exec(QStringLiteral("INSERT INTO FAC (FORMULARIO, PERIODO, CODTRI, FACTOR) VALUES (?,?,?,?)"),
                {QStringLiteral("0951"), c.value(1), c.value(0), factor});
    }
}

void ejecutar(CalculosDeclaracion &c, const QString &proc)
{
    if (proc == QLatin1String("128_131 128")) c.Calcular128_131(128);
    else if (proc == QLatin1String("128_131 131")) c.Calcular128_131(131);
    else if (proc == QLatin1String("128A")) c.Calcular128A_131A(128);
    else if (proc == QLatin1String("120")) c.Calcular120();
    else if (proc == QLatin1String("117")) c.Calcular117();
    else QFAIL("unknown procedure");
}

int casillaDe(const QString &proc)
{
    if (proc.endsWith(QLatin1String("131"))) return 131;
    if (proc == QLatin1String("120")) return 120;
    if (proc == QLatin1String("117")) return 117;
    return 128;
}
} // namespace

class TstAnexoSumas : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void suma_data();
    void suma();
    void rucDelAnexo120_data();
    void rucDelAnexo120();
    void enviadaPorCorrel();
private:
    std::unique_ptr<testdb::Entorno> m_env;
};

void TstAnexoSumas::init()
{
    m_env = std::make_unique<testdb::Entorno>();
    QVERIFY(m_env->valido());
    gdbBase = m_env->abrir();
    gsPeriodo = QStringLiteral("1998");
    gsFormulario = QStringLiteral("0951");
}

void TstAnexoSumas::cleanup()
{
    gdbBase.reset();
    m_env.reset();
}

void TstAnexoSumas::suma_data()
{
    QTest::addColumn<QString>("proc");
    QTest::addColumn<QString>("respuestas");
    QTest::addColumn<QString>("casillas");
    QTest::addColumn<QString>("acta");
    QTest::addColumn<QString>("fac");
    QTest::addColumn<QString>("esperado");

    const QString no = QStringLiteral("OptIEAN=0");
    const QString siNo = QStringLiteral("OptIEAN=1;OptAnexo=0");
    const QString siSi = QStringLiteral("OptIEAN=1;OptAnexo=1");
    QTest::newRow("sin filas") << "128_131 131" << no << "" << "" << "" << "(0)";
    QTest::newRow("sin factores suma simple") << "128_131 131" << no << ""
        << "3|199801|100|50||||;3|199903||||30||;3|199812||| ||||" << "030301|9801|2" << "(180)";
    QTest::newRow("332 en 0 factor 1") << "128_131 131" << no << "332=0;333=0"
        << "3|199801|100|50||||;3|199903||||30||" << "030301|9801|2" << "(180)";
    QTest::newRow("mes sin FAC cuenta 0") << "128_131 131" << no << "332=10"
        << "3|199801|150||||||;3|199903||||30||" << "030301|9801|1.004" << "(151)";
    QTest::newRow("cada mes redondeado") << "128_131 131" << no << "332=10"
        << "3|199801|100|||||;3|199802|100|||||" << "030301|9801|1.004;030301|9802|1.004" << "(200)";
    QTest::newRow("332 negativo sin factores") << "128_131 131" << no << "332=(10)"
        << "3|199801|100|||||" << "030301|9801|2" << "(100)";
    QTest::newRow("333 no cero con factores") << "128_131 131" << no << "333=(5)"
        << "3|199801|100|||||" << "030301|9801|2" << "(200)";
    QTest::newRow("mitad hacia arriba") << "128_131 131" << no << "332=1"
        << "3|199801|823|||||" << "030301|9801|1.5" << "(1,235)";
    QTest::newRow("factor nulo cuenta 0") << "128_131 131" << no << "332=1"
        << "3|199801|823|||||;3|199802|10|||||" << "030301|9801|null;030301|9802|1" << "(10)";
    QTest::newRow("meses de 1999 con 99") << "128_131 131" << no << "332=1"
        << "3|199901|10|||||;3|199902|10|||||;3|199903|10|||||" << "030301|9901|2;030301|9902|3;030301|9903|4" << "(90)";
    QTest::newRow("codigo 030304 no cuenta") << "128_131 131" << no << "332=1"
        << "3|199801|10|||||" << "030304|9801|2" << "(0)";
    QTest::newRow("128 tipo 2") << "128_131 128" << siNo << ""
        << "2|199801|500|||||;3|199801|900|||||" << "" << "(500)";
    QTest::newRow("128_131 IEAN con anexo sin tipo") << "128_131 128" << siSi << ""
        << "1|199801|500|||||;2|199801|500|||||" << "" << "(0)";
    QTest::newRow("128_131 sin respuesta") << "128_131 131" << "" << "" << "3|199801|500|||||" << "" << "(0)";
    QTest::newRow("otro RUC no cuenta") << "128_131 131" << no << ""
        << "3|199801|500|||||||20000000001;3|199802|7|||||" << "" << "(7)";
    QTest::newRow("128A resta la parte IEAN") << "128A" << siSi << ""
        << "1|199801|1000||||300|;1|199802|100||||500|" << "" << "(300)";
    QTest::newRow("128A negativo a 0") << "128A" << siSi << "" << "1|199801|100||||500|" << "" << "(0)";
    QTest::newRow("128A factores 030301") << "128A" << siSi << "332=5"
        << "1|199801|1000||||300|" << "030301|9801|2;030304|9801|3" << "(1,400)";
    QTest::newRow("120 abril a diciembre") << "120" << siSi << ""
        << "1|199803|||||50|;1|199804|||||60|;1|199812|||||70|;1|199901|||||80|;1|199805|999||||" << "" << "(130)";
    QTest::newRow("120 factores 030304") << "120" << siSi << "332=5"
        << "1|199804|||||60|;1|199812|||||70|" << "030304|9804|2;030301|9812|5" << "(120)";
    QTest::newRow("120 negativo se queda") << "120" << siSi << "" << "1|199804|||||-5|" << "" << "-(5)";
    QTest::newRow("117 solo pago_iean") << "117" << siNo << "" << "2|199806|999|||||40;1|199807||||||50" << "" << "(40)";
    QTest::newRow("117 sin filas") << "117" << siNo << "" << "" << "" << "(0)";
    QTest::newRow("117 meses fuera") << "117" << siNo << "" << "2|199803||||||40;2|199901||||||40" << "" << "(0)";
}

void TstAnexoSumas::suma()
{
    QFETCH(QString, proc);
    QFETCH(QString, respuestas);
    QFETCH(QString, casillas);
    QFETCH(QString, acta);
    QFETCH(QString, fac);
    QFETCH(QString, esperado);

    insertarFilas(*gdbBase, QStringLiteral("ACTA"), acta);
    insertarFactores(*gdbBase, fac);
    ModeloCasillas m;
    cargar(m, casillas, respuestas + QStringLiteral(";sRuc=%1;TxtNumRuc=%1;iAccion=1").arg(kRuc));
    CalculosDeclaracion c(m);
    ejecutar(c, proc);
    QCOMPARE(m.texto(casillaDe(proc)), esperado);
}

void TstAnexoSumas::rucDelAnexo120_data()
{
    QTest::addColumn<QString>("campos");
    QTest::addColumn<QString>("esperado");
    // A new declaration takes the RUC from the taxpayer list, a stored one
    // from the RUC box; sRuc plays no part.
    QTest::newRow("nueva") << QStringLiteral("iAccion=0;CmbRuc=%1 - EMPRESA SA;TxtNumRuc=20000000001").arg(kRuc) << "(60)";
    QTest::newRow("modifica") << QStringLiteral("iAccion=1;CmbRuc=20000000001 - OTRA;TxtNumRuc=%1").arg(kRuc) << "(60)";
    QTest::newRow("modifica otro") << QStringLiteral("iAccion=1;CmbRuc=%1;TxtNumRuc=20000000001;sRuc=%1").arg(kRuc) << "(0)";
}

void TstAnexoSumas::rucDelAnexo120()
{
    QFETCH(QString, campos);
    QFETCH(QString, esperado);
    insertarFilas(*gdbBase, QStringLiteral("ACTA"), QStringLiteral("1|199804|||||60|"));
    ModeloCasillas m;
    cargar(m, QString(), QStringLiteral("OptIEAN=1;OptAnexo=1;") + campos);
    CalculosDeclaracion c(m);
    c.Calcular120();
    QCOMPARE(m.texto(120), esperado);
}

void TstAnexoSumas::enviadaPorCorrel()
{
    // Two sends of one declaration; the viewer shows send 2.
    insertarFilas(*gdbBase, QStringLiteral("HACTA"),
                  "3|199801|100||||||1;3|199801|40||||||2;3|199802|7||||||2;3|199802|1000||||||2;"
                  "1|199804|||||60|5|2;1|199804|||||600|500|1");
    insertarFilas(*gdbBase, QStringLiteral("ACTA"), "3|199801|5000|||||");
    insertarFactores(*gdbBase, "030301|9801|1.004;030301|9802|1.004");
    gsCorrel = QStringLiteral("2");
    ModeloCasillas m;
    cargar(m, QString(), QStringLiteral("OptIEAN=0;TxtNumRuc=%1 EMPRESA").arg(kRuc));
    CalculosDeclaracion c(m, ContextoCalculo::enviada());
    c.Calcular128_131(131);
    // First row of each month: 40 + 7.
    QCOMPARE(m.texto(131), QStringLiteral("(47)"));
    m.setTexto(332, QStringLiteral("100"));
    c.Calcular128_131(131);
    QCOMPARE(m.texto(131), QStringLiteral("(47)"));   // 40.16 and 7.028, each rounded
    // The viewer's box 120 adds pago_iean to pago_iean_r.
    m.setCampo(QStringLiteral("OptIEAN"), QStringLiteral("1"));
    m.setCampo(QStringLiteral("OptAnexo"), QStringLiteral("1"));
    m.setTexto(332, QString());
    c.Calcular120();
    QCOMPARE(m.texto(120), QStringLiteral("(65)"));
}

QTEST_GUILESS_MAIN(TstAnexoSumas)
#include "tst_anexosumas.moc"
