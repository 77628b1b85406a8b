// The calculators opened from the real declaration window, registered as
// Qx381 registers them: a key in an annex box opens the calculator of the
// situation, "&Aceptar" writes its total into the box and the boxes that
// depend on it follow; closing without it leaves the box as it was; the
// bare header a calculator makes goes with the declaration's cancel.
#include "annexes/ui/registroanexos.h"
#include "declaration/core/casillas/codigosdeclaracion.h"
#include "declaration/core/casillas/modelocasillas.h"
#include "declaration/ui/frm381.h"
#include "declaration/ui/frm381reglas.h"
#include "declaration/ui/grabacionventana.h"
#include "declaration/ui/txtcasilla.h"
#include "platform/msgbox.h"
#include "platform/utilitario.h"
#include "shell/core/modglobal.h"
#include "shell/ui/registroventanas.h"
#include "../../declaration/persistencia/comunpersist.h"
#include "../comunanexos.h"
#include "ventanasanexo.h"
#include <QComboBox>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

using namespace comunanexos;
using namespace ventanasanexo;

class TstFrm381Anexos : public QObject {
    Q_OBJECT
    std::unique_ptr<testdb::Entorno> m_env;
    cUtilitario m_util;

    // A new declaration of kRuc with the answers given, on the page of the
    // credits, as a user leaves it.
    void preparar(Frm381 &w, const QStringList &respuestas)
    {
        gfrmDeclaracion = &w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const int i = w.CmbRuc->findText(kRuc, Qt::MatchStartsWith);
        QVERIFY(i >= 0);
        w.CmbRuc->setCurrentIndex(i);
        emit w.CmbRuc->activated(i);
        QCOMPARE(w.sRuc, kRuc);
        QTest::keyClicks(w.TxtTelefono, "4421234");
        // The header asks for every answer before the pages of boxes open.
        for (const QString &r : QStringList{"OptTipoCont=0", "OptConvEstab=0"} + respuestas
                                    + QStringList{"OptAgraria=0", "OptRectifica=0", "OptDomiciliado=0"})
            w.Opt(r.section('=', 0, 0), r.section('=', 1).toInt())->click();
        auto *barra = w.SSTab1->findChild<QTabBar *>();
        QVERIFY(barra);
        QTest::mouseClick(barra, Qt::LeftButton, {}, barra->tabRect(3).center());
        QCOMPARE(w.SSTab1->currentIndex(), 3);
    }

    // The key pressed in the box with the focus in it.
    static void pulsar(Frm381 &w, int casilla, Qt::Key k)
    {
        TxtCasilla *c = w.TxtValor(casilla);
        QVERIFY(c && c->isVisible() && c->isEnabled());
        QTest::mouseClick(c, Qt::LeftButton);
        QTest::keyClick(c, k);
    }

private slots:
    void initTestCase()
    {
        registro::limpiar();
        pRegistrarGrabacion();
        pRegistrarReglas();
        pRegistrarAnexos();
    }

    void init()
    {
        QVERIFY(comunpersist::iniciarVentana(m_env, m_util, kRuc, QStringLiteral("EMPRESA UNO SAC")));
        QCOMPARE(cargarFac(*gdbBase), 22);
    }

    void cleanup()
    {
        gfrmDeclaracion = nullptr;
        comunpersist::terminarVentana(m_env);
    }

    // Boxes 332 and 333 empty: every factor is 1.
    void abrirDesdeLaCasilla_data()
    {
        QTest::addColumn<QStringList>("respuestas");
        QTest::addColumn<QStringList>("previas");     // box=text set after the answers
        QTest::addColumn<int>("casilla");
        QTest::addColumn<int>("tecla");
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("montos");      // "control month amount"
        QTest::addColumn<QString>("total");
        QTest::addColumn<bool>("aceptar");
        QTest::addColumn<QStringList>("despues");     // box=text after the window closed
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<int>("filas");

        // 119 = the part of 117 over 507 (empty): (3,000).
        QTest::newRow("117 con ENTER") << QStringList{"OptIEAN=1", "OptAnexo=0"} << QStringList{} << 117
                                       << int(Qt::Key_Return) << "FrmAnexo117" << "Asistente de Cálculo de Casilla 117"
                                       << QStringList{"TxtMonto 4 1000", "TxtMonto 5 2000"} << "3,000" << true
                                       << QStringList{"117=(3,000)", "119=(3,000)"} << "2" << 9;
        // 508 = 113 - 120 = 12,000 - 800.
        QTest::newRow("120 con un dígito") << QStringList{"OptConvEstab=1", "OptIEAN=1", "OptAnexo=1"}
                                           << QStringList{"113=12,000"} << 120
                                           << int(Qt::Key_5) << "FrmAnexo120" << "Asistente de Cálculo de Casilla 120"
                                           << QStringList{"TxtMontoIEAN 4 800"} << "800" << true
                                           << QStringList{"120=(800)", "508=11,200"} << "1" << 9;
        // Balance: 128 alone, (1,500) against the taxpayer's nothing.
        QTest::newRow("128 IEAN con anexo") << QStringList{"OptIEAN=1", "OptAnexo=1"} << QStringList{} << 128
                                            << int(Qt::Key_Return) << "FrmAnexo131A" << "Asistente de Cálculo de Casilla 128"
                                            << QStringList{"TxtPagos 1 1500"} << "1,500" << true
                                            << QStringList{"128=(1,500)", "138=(1,500)", "139=0"} << "1" << 15;
        QTest::newRow("128 IEAN sin anexo con retroceso")
            << QStringList{"OptIEAN=1", "OptAnexo=0"} << QStringList{} << 128 << int(Qt::Key_Backspace) << "FrmAnexo131"
            << "Asistente de Cálculo de Casilla 128" << QStringList{"TxtPagos 2 2500"} << "2,500" << true
            << QStringList{"128=(2,500)", "138=(2,500)"} << "2" << 15;
        // 512 = 511 (empty) - 131.
        QTest::newRow("131 sin IEAN") << QStringList{"OptIEAN=0"} << QStringList{} << 131 << int(Qt::Key_Return)
                                      << "FrmAnexo131" << "Asistente de Cálculo de Casilla 131"
                                      << QStringList{"TxtPagos 2 2500", "TxtCompen 13 500"} << "3,000" << true
                                      << QStringList{"131=(3,000)", "512=(3,000)"} << "3" << 15;
        QTest::newRow("131 sin IEAN cancelado") << QStringList{"OptIEAN=0"} << QStringList{} << 131 << int(Qt::Key_Return)
                                                << "FrmAnexo131" << "Asistente de Cálculo de Casilla 131"
                                                << QStringList{"TxtPagos 2 2500"} << "2,500" << false
                                                << QStringList{"131=(0)", "512=0"} << "" << 0;
    }

    void abrirDesdeLaCasilla()
    {
        QFETCH(QStringList, respuestas);
        QFETCH(QStringList, previas);
        QFETCH(int, casilla);
        QFETCH(int, tecla);
        QFETCH(QString, ventana);
        QFETCH(QString, caption);
        QFETCH(QStringList, montos);
        QFETCH(QString, total);
        QFETCH(bool, aceptar);
        QFETCH(QStringList, despues);
        QFETCH(QString, tipo);
        QFETCH(int, filas);
        msg::ScriptedAnswerer mensajes;
        Frm381 w;
        preparar(w, respuestas);
        for (const QString &p : previas)
            w.modelo()->setTexto(p.section('=', 0, 0).toInt(), p.section('=', 1));
        const QString antes = w.TxtValor(casilla)->text();

        bool abierta = false;
        alAbrirse([&](FrmAnexo &v) {
            QCOMPARE(v.objectName(), ventana);
            QCOMPARE(v.windowTitle(), caption);
            for (const QString &m : montos)
                teclear(v, m.section(' ', 0, 0), m.section(' ', 1, 1).toInt(), m.section(' ', 2));
            QCOMPARE(v.total()->text(), total);
            (aceptar ? v.CmdGrabar : v.botonCancelar)->click();
        }, &abierta);
        pulsar(w, casilla, Qt::Key(tecla));
        QVERIFY(abierta);
        if (!aceptar)
            QCOMPARE(w.TxtValor(casilla)->text(), antes);
        for (const QString &d : despues)
            QCOMPARE(w.TxtValor(d.section('=', 0, 0).toInt())->text(), d.section('=', 1));
        QCOMPARE(gdbBase->scalar("SELECT COUNT(*) FROM ACTA WHERE tipo_asist=?", {tipo}).toInt(), filas);
        QCOMPARE(gdbBase->scalar("SELECT COUNT(*) FROM ACTA").toInt(), filas);
        // A new declaration: the first save of a calculator leaves a bare header.
        QCOMPARE(gdbBase->scalar("SELECT COUNT(*) FROM CAB WHERE cNumero='0'").toInt(), aceptar ? 1 : 0);
        w.done(QDialog::Rejected);
    }

    // Opened again, the calculator shows what it stored; closed without
    // "&Aceptar" after typing, the box keeps the stored total and the rows
    // their amounts. The declaration's cancel then removes the bare header
    // with the annex rows.
    void reabrirYCancelar()
    {
        msg::ScriptedAnswerer mensajes;
        Frm381 w;
        preparar(w, {"OptIEAN=1", "OptAnexo=0"});
        alAbrirse([](FrmAnexo &v) {
            teclear(v, "TxtMonto", 4, "1000");
            v.CmdGrabar->click();
        });
        pulsar(w, 117, Qt::Key_Return);
        QCOMPARE(w.TxtValor(117)->text(), QString("(1,000)"));
        const QStringList filas = filasActa(*gdbBase);
        QCOMPARE(filas.size(), 9);

        alAbrirse([](FrmAnexo &v) {
            // April has the focus: its entry form.
            QCOMPARE(texto(v, "TxtMonto", 4), QString("1000"));
            QCOMPARE(texto(v, "TxtActual", 4), QString("1,000"));
            QCOMPARE(v.total()->text(), QString("1,000"));
            teclear(v, "TxtMonto", 6, "9000");
            QCOMPARE(v.total()->text(), QString("10,000"));
            v.botonCancelar->click();
        });
        pulsar(w, 117, Qt::Key_Return);
        QCOMPARE(w.TxtValor(117)->text(), QString("(1,000)"));
        QCOMPARE(filasActa(*gdbBase), filas);

        // Leaving the declaration without saving it.
        mensajes.push(msg::No);
        w.cmdCancelar->click();
        QVERIFY(!w.isVisible());
        QCOMPARE(mensajes.shown().last().text, QString("¿El formulario ha sido modificado, desea guardar los cambios?"));
        QCOMPARE(gdbBase->scalar("SELECT COUNT(*) FROM CAB").toInt(), 0);
        QCOMPARE(gdbBase->scalar("SELECT COUNT(*) FROM ACTA").toInt(), 0);
    }
};

QTEST_MAIN(TstFrm381Anexos)
#include "tst_frm381anexos.moc"
