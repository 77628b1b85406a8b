// Loading a stored declaration: the text each box gets, the special codes,
// a new declaration that never loads another taxpayer's rows, and the round
// trip load-then-save that must give back exactly the stored rows.
#include "comunpersist.h"
#include "declaration/core/persistencia/carga.h"
#include "platform/msgbox.h"
#include "ventanaprueba.h"
#include <QFile>
#include <QtTest>

namespace {
using comunpersist::leerFixture;
const QString kRuc = QStringLiteral("20100070970");

// What the modify set-up of the window does after the load: the stored
// answers select their options, and boxes 113 and 140 get their stored texts.
void pAjustePrueba(VentanaPrueba &v)
{
    const QList<QPair<QString, QString>> pares = {
        {Campos::sExonerado, Campos::OptTipoCont}, {Campos::sConvenio, Campos::OptConvEstab},
        {Campos::sIEAN, Campos::OptIEAN},          {Campos::sAnexo, Campos::OptAnexo},
        {Campos::sAgraria, Campos::OptAgraria},    {Campos::sDomiciliado, Campos::OptDomiciliado},
        {Campos::sRectifica, Campos::OptRectifica}};
    for (const auto &p : pares) {
        const QString s = v.m.campo(p.first).trimmed();
        v.m.setCampo(p.second, s == QLatin1String("0") || s == QLatin1String("1") ? s : QString());
    }
    v.m.setTexto(113, v.m.campo(Campos::sCasilla113));
    v.m.setTexto(140, v.m.campo(Campos::sCasilla140));
}
} // namespace

class TstCarga : public QObject {
    Q_OBJECT
    std::unique_ptr<testdb::Entorno> env;
    std::shared_ptr<Database> db;

    void guardarFilas(const QList<QPair<QString, QString>> &filas)
    {
        EscrituraDeclaracion w(*db, kRuc);
        for (const auto &f : filas)
            db->addNew(QStringLiteral("DET"), w.fFilaDet(f.first, f.second));
        db->exec(QStringLiteral("INSERT INTO CAB (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, bcolibrad, nrocheque, estado, cNumero)"
                                " VALUES (?, 6, '1998', '0951', '02', ' 555 ', 9, '123456')"),
                 {kRuc});
    }

private slots:
    void init()
    {
        QVERIFY(comunpersist::iniciar(env, db));
        gsTasa.clear();
    }
    void cleanup()
    {
        comunpersist::terminar(env, db);
    }

    // A box gets back the form its own calculation or its leaving writes.
    void textoCargado_data()
    {
        QTest::addColumn<int>("casilla");
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QString>("texto");
        QTest::newRow("146 positivo") << 146 << "500" << "500";
        QTest::newRow("146 negativo") << 146 << "-500" << "(500)";
        QTest::newRow("511 positivo") << 511 << "14000" << "14,000";
        QTest::newRow("512 negativo") << 512 << "-1500" << "(1,500)";
        QTest::newRow("513 positivo") << 513 << "10500" << "10,500";
        QTest::newRow("502 negativo") << 502 << "-500" << "(500)";
        QTest::newRow("502 positivo") << 502 << "500" << "500";
        QTest::newRow("514 negativo") << 514 << "-20" << "(20)";
        QTest::newRow("116 negativo") << 116 << "-200" << "(200)";
        QTest::newRow("restada tecleada") << 123 << "-1234" << "(1,234)";
        QTest::newRow("restada calculada cero") << 504 << "0" << "(0)";
        QTest::newRow("138 saldo a favor") << 138 << "-500" << "(500)";
        QTest::newRow("138 sin saldo") << 138 << "0" << "0";
        QTest::newRow("importe comun") << 100 << "1234567" << "1,234,567";
        QTest::newRow("importe negativo") << 100 << "-500" << "-500";
        QTest::newRow("501 pantalla") << 501 << "-5" << "-5";
        QTest::newRow("ruc") << 203 << "20100070970" << "20100070970";
        // A code box holding 0 keeps it: "########" alone would show nothing.
        QTest::newRow("ruc cero") << 226 << "0" << "0";
        QTest::newRow("registro cero") << 209 << "0" << "0";
        QTest::newRow("zona tal cual") << 208 << "08" << "08";
        QTest::newRow("texto libre") << 225 << "DNI 08012345" << "DNI 08012345";
    }
    void textoCargado()
    {
        QFETCH(int, casilla);
        QFETCH(QString, valor);
        QFETCH(QString, texto);
        QCOMPARE(fTextoCargado(casilla, valor), texto);
    }

    void codigosEspeciales()
    {
        VentanaPrueba v;
        v.modificar(kRuc);
        pMostrarCasilla(v, QStringLiteral("200"), QStringLiteral("19981209"));
        pMostrarCasilla(v, QStringLiteral("992"), QStringLiteral("100"));
        pMostrarCasilla(v, QStringLiteral("991"), QStringLiteral("1"));
        pMostrarCasilla(v, QStringLiteral("987"), QStringLiteral("C"));
        pMostrarCasilla(v, QStringLiteral("998"), QStringLiteral("RODRIGUEZ SANCH"));
        pMostrarCasilla(v, QStringLiteral("005"), QStringLiteral("12345678"));
        pMostrarCasilla(v, QStringLiteral("140"), QStringLiteral("2500"));
        pMostrarCasilla(v, QStringLiteral("113"), QStringLiteral("4500"));
        pMostrarCasilla(v, QStringLiteral("002"), QStringLiteral("99999999999"));
        pMostrarCasilla(v, QStringLiteral("721"), QStringLiteral("2.0"));
        QCOMPARE(v.m.campo(Campos::MkePeriodo), QStringLiteral("09/12/1998"));
        QCOMPARE(gsTasa, QStringLiteral("100"));
        QCOMPARE(v.m.campo(Campos::sIEAN), QStringLiteral("1"));
        QCOMPARE(v.m.campo(Campos::OptIEAN), QString());
        QCOMPARE(v.m.campo(Campos::FormaPago), QStringLiteral("C"));
        QCOMPARE(v.m.campo(Campos::TxtNombreA), QStringLiteral("RODRIGUEZ SANCH"));
        QCOMPARE(v.m.campo(Campos::TxtNumOrden), QStringLiteral("12345678"));
        QCOMPARE(v.m.texto(140), QStringLiteral("2,500"));
        QCOMPARE(v.m.campo(Campos::sCasilla140), QStringLiteral("2,500"));
        QCOMPARE(v.m.texto(113), QStringLiteral("4,500"));
        QCOMPARE(v.m.campo(Campos::sCasilla113), QStringLiteral("4,500"));
        QCOMPARE(v.m.campo(Campos::sRuc), QString());
    }

    // Loading reads the rows of the declaration and the cheque of its header.
    void cargaModificar()
    {
        guardarFilas({{QStringLiteral("100"), QStringLiteral("12000")}, {QStringLiteral("146"), QStringLiteral("700")}});
        VentanaPrueba v;
        v.modificar(kRuc);
        QSignalSpy cambios(&v.m, &ModeloCasillas::textoCambiado);
        QVERIFY(pCargarCasillas(v, *db));
        QCOMPARE(v.m.texto(100), QStringLiteral("12,000"));
        QCOMPARE(v.m.texto(146), QStringLiteral("700"));
        QCOMPARE(cambios.size(), 2);   // each box's change handling ran
        QCOMPARE(v.m.campo(Campos::Banco), QStringLiteral("02"));
        QCOMPARE(v.m.campo(Campos::NumCheque), QStringLiteral("555"));
    }

    // Without DET rows the result is false; the cheque data are read all the same.
    void cargaSinFilas()
    {
        db->exec(QStringLiteral("INSERT INTO CAB (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, bcolibrad, nrocheque)"
                                " VALUES (?, 6, '1998', '0951', NULL, '77')"),
                 {kRuc});
        VentanaPrueba v;
        v.modificar(kRuc);
        v.m.setCampo(Campos::Banco, QStringLiteral("XX"));
        QVERIFY(!pCargarCasillas(v, *db));
        QCOMPARE(v.m.campo(Campos::Banco), QString());
        QCOMPARE(v.m.campo(Campos::NumCheque), QStringLiteral("77"));
    }

    // New mode: the first taxpayer was saved; choosing a second one looks
    // under the RUC accepted before. Nothing of the first may come back.
    void nuevaNoCargaOtroContribuyente()
    {
        VentanaPrueba primera;
        primera.nueva(kRuc);
        primera.m.setTexto(100, QStringLiteral("12,000"));
        {
            msg::ScriptedAnswerer a;
            QVERIFY(CmdGrabar_Click(primera, *db));
        }
        VentanaPrueba v;
        v.nueva(kRuc);   // sRuc still the first taxpayer's while the name changes
        v.m.setCampo(Campos::TxtNumRuc, kRuc);
        QSignalSpy cambios(&v.m, &ModeloCasillas::textoCambiado);
        QVERIFY(!pCargarCasillas(v, *db));
        QCOMPARE(cambios.size(), 0);
        QCOMPARE(v.m.texto(100), QString());
        QCOMPARE(v.m.campo(Campos::FormaPago), QStringLiteral("X"));
    }

    // A declaration opened and saved again without changes writes exactly
    // the rows it had, control codes included.
    void idaYVuelta_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("tipo");
        QTest::newRow("IEAN con anexo") << "iean_con_anexo.det" << "1";
        QTest::newRow("IEAN sin anexo") << "iean_sin_anexo.det" << "2";
        QTest::newRow("sin IEAN") << "sin_iean.det" << "3";
        QTest::newRow("codigos en cero") << "codigos_cero.det" << "3";
    }
    void idaYVuelta()
    {
        QFETCH(QString, fixture);
        QFETCH(QString, tipo);
        const auto filas = leerFixture(fixture);
        QVERIFY(filas.size() > 20);
        guardarFilas(filas);
        const QStringList antes = filasDet(*db, kRuc);
        QCOMPARE(antes.size(), filas.size());

        VentanaPrueba v;
        v.modificar(kRuc);
        QVERIFY(pCargarCasillas(v, *db));
        pAjustePrueba(v);
        {
            msg::ScriptedAnswerer a;
            QVERIFY(CmdGrabar_Click(v, *db));
        }
        QCOMPARE(filasDet(*db, kRuc), antes);
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM ACTA WHERE tipo_asist=?"), {tipo}).toInt(), 15);
        QCOMPARE(db->scalar(QStringLiteral("SELECT bcolibrad || '/' || nrocheque FROM CAB")).toString(),
                 v.m.campo(Campos::FormaPago) == QLatin1String("C") ? QStringLiteral("02/555") : QStringLiteral(" / "));
    }
};

QTEST_GUILESS_MAIN(TstCarga)
#include "tst_carga.moc"
