// The declaration window bound to the persistence: a stored declaration
// opened for modification (its calculations running as the boxes arrive)
// and saved again without changes writes exactly the rows it had.
#include "../persistencia/comunpersist.h"
#include "declaration/core/persistencia/carga.h"
#include "declaration/core/persistencia/grabacion.h"
#include "declaration/core/casillas/modelocasillas.h"
#include "declaration/ui/frm381.h"
#include "declaration/ui/grabacionventana.h"
#include "platform/msgbox.h"
#include "shell/core/modglobal.h"
#include "../persistencia/ventanaprueba.h"
#include <QFile>
#include <QPushButton>
#include <QtTest>

namespace {
using comunpersist::leerFixture;
const QString kRuc = QStringLiteral("20100070970");
} // namespace

class TstFrm381Grabacion : public QObject {
    Q_OBJECT
    std::unique_ptr<testdb::Entorno> env;
    std::shared_ptr<Database> db;

    // The annex rows behind boxes 117, 120, 128 and 131 of the fixtures.
    void acta(const QString &per, const QString &tipo, const QString &columnas, const QVariantList &valores)
    {
        QString marcas;
        for (int i = 0; i < valores.size(); ++i)
            marcas += QStringLiteral(", ?");
        db->exec(QStringLiteral("INSERT INTO ACTA (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, per_pag, tipo_asist, ")
                     + columnas + QStringLiteral(") VALUES (?, 6, '1998', '0951', ?, ?") + marcas + QStringLiteral(")"),
                 QVariantList{kRuc, per, tipo} + valores);
    }

private slots:
    void initTestCase()
    {
        pRegistrarGrabacion();
        reglasVentana().DeclaracionCompleta = [](Frm381 &) { return true; };
    }
    void init()
    {
        QVERIFY(comunpersist::iniciar(env, db));
        gsUsuario = env->usuario;
        db->exec(QStringLiteral("INSERT INTO ERROR (CodError, DescError) VALUES ('0151', 'Grabada')"));
    }
    void cleanup()
    {
        comunpersist::terminar(env, db);
    }

    void idaYVuelta_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::newRow("IEAN con anexo") << "iean_con_anexo.det";
        QTest::newRow("IEAN sin anexo") << "iean_sin_anexo.det";
        QTest::newRow("sin IEAN") << "sin_iean.det";
    }
    void idaYVuelta()
    {
        QFETCH(QString, fixture);
        const auto filas = leerFixture(fixture);
        QVERIFY(!filas.isEmpty());
        {
            EscrituraDeclaracion w(*db, kRuc);
            for (const auto &f : filas)
                db->addNew(QStringLiteral("DET"), w.fFilaDet(f.first, f.second));
        }
        db->exec(QStringLiteral("INSERT INTO CAB (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, bcolibrad, nrocheque, estado, cNumero)"
                                " VALUES (?, 6, '1998', '0951', '02', '555', 0, '1')"),
                 {kRuc});
        acta(QStringLiteral("199801"), QStringLiteral("3"), QStringLiteral("saluti"), {QStringLiteral("3000")});
        acta(QStringLiteral("199805"), QStringLiteral("2"), QStringLiteral("saluti, pago_iean"),
             {QStringLiteral("4000"), QStringLiteral("3000")});
        acta(QStringLiteral("199804"), QStringLiteral("1"), QStringLiteral("saluti, pago_iean_r"),
             {QStringLiteral("8500"), QStringLiteral("2500")});
        const QStringList antes = filasDet(*db, kRuc);

        Frm381 w;
        w.iAccion = 1;
        w.sRuc = kRuc;
        w.sRazon = QStringLiteral("ALFA S.A.");
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w) || true);
        QVERIFY(!w.modelo()->bModificado);
        msg::ScriptedAnswerer a;
        w.CmdGrabar->click();
        QCOMPARE(a.shown().size(), 1);
        QCOMPARE(a.shown().first().text, QStringLiteral("Grabada"));
        QCOMPARE(filasDet(*db, kRuc), antes);
        w.reject();
    }

    // Another user saves the declaration this window has open: "&Grabar"
    // says so and stores nothing.
    void otroUsuarioGraboAntes()
    {
        {
            VentanaPrueba v;
            v.nueva(kRuc);
            v.m.setCampo(Campos::TxtTelefono, QStringLiteral("4412345"));
            msg::ScriptedAnswerer a;
            QVERIFY(CmdGrabar_Click(v, *db));
        }
        Frm381 w;
        w.iAccion = 1;
        w.sRuc = kRuc;
        w.sRazon = QStringLiteral("ALFA S.A.");
        w.show();
        QCOMPARE(w.modelo()->campo(Campos::TxtTelefono), QStringLiteral("4412345"));

        auto otra = Database::open(env->rutaBase);
        VentanaPrueba b;
        b.modificar(kRuc);
        QVERIFY(pCargarCasillas(b, *otra));
        b.m.setCampo(Campos::TxtTelefono, QStringLiteral("4455667"));
        {
            msg::ScriptedAnswerer a;
            QVERIFY(CmdGrabar_Click(b, *otra));
        }
        const QStringList antes = filasDet(*db, kRuc);

        w.modelo()->setTexto(301, QStringLiteral("2,000"));
        w.modelo()->bModificado = true;   // as the user's typing leaves it
        msg::ScriptedAnswerer a;
        w.CmdGrabar->click();
        QCOMPARE(a.shown().size(), 1);
        QCOMPARE(a.shown().first().text,
                 QStringLiteral("Otro usuario modificó esta declaración después de que usted la abrió o la grabó en"
                                " esta ventana. Para no deshacer sus cambios, no se ha grabado nada: salga sin grabar"
                                " y vuelva a abrirla con la opción modificar declaración."));
        QCOMPARE(a.shown().first().title, w.windowTitle());
        QCOMPARE(filasDet(*db, kRuc), antes);
        QVERIFY(w.modelo()->bModificado);
        w.reject();
    }
};

QTEST_MAIN(TstFrm381Grabacion)
#include "tst_frm381grabacion.moc"
