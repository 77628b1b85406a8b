// The two windows of the sent declarations on the offscreen platform: the
// chooser in its modes (list, empty list, delete with its question, the
// viewer opened from it and the new number listed after), and the viewer
// itself (read-only controls, the order number's keys, ENTER on an annex
// box, the tab pages, leaving it).
#include "../fixturesent.h"
#include "ventanasent.h"
#include "declaration/core/casillas/modelocasillas.h"
#include "declaration/ui/txtcasilla.h"
#include "platform/msgbox.h"
#include "sent/core/visorenviada.h"
#include "sent/ui/frm381env.h"
#include "sent/ui/frmcontabrirenv.h"
#include "sent/ui/registroenviadas.h"
#include "shell/ui/barradeestadozrv.h"
#include "shell/ui/mdifrm.h"
#include "shell/ui/registroventanas.h"
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

using namespace fixturesent;
using namespace ventanasent;

namespace {
DeclaracionEnviada envioDos()
{
    DeclaracionEnviada d;
    d.docIdD = kAndina;
    d.nombre = QStringLiteral("EMPRESA ANDINA S.A.");
    d.norden = QStringLiteral("4567");
    d.control = QStringLiteral("00000002");
    d.correl = QStringLiteral("2");
    return d;
}
} // namespace

class TstVentanas : public QObject {
    Q_OBJECT
    std::unique_ptr<testdb::Entorno> m_env;
    std::unique_ptr<MDIFrm> m_principal;

    BarradeEstadoZRV *barra() { return m_principal->BarradeEstadoZRV1; }

private slots:
    void init()
    {
        QVERIFY(iniciar(m_env));
        registro::limpiar();
        m_principal = std::make_unique<MDIFrm>();
    }
    void cleanup()
    {
        m_principal.reset();
        registro::limpiar();
        terminar(m_env);
    }

    // The main window's two commands open the chooser once it is registered.
    void comandosDelMenu()
    {
        m_principal->pActualizarComandos();
        QVERIFY(!m_principal->mnuRegistrar->isEnabled());
        pRegistrarEnviadas();
        m_principal->pActualizarComandos();
        QVERIFY(m_principal->mnuRegistrar->isEnabled());
        QVERIFY(m_principal->mnuEliminar1->isEnabled());
        QVERIFY(m_principal->boton(7)->isEnabled());

        QString titulo;
        alAbrirse([&titulo](QWidget *w) {
            titulo = w->windowTitle();
            static_cast<FrmContAbrirEnv *>(w)->CmdOpciones[1]->click();
        });
        m_principal->mnuEliminar1->trigger();
        QCOMPARE(giModoEnviada, 3);
        QCOMPARE(titulo, QStringLiteral("Eliminar Declaraciones Enviadas"));
        QCOMPARE(gfrmContAbrirEnv, nullptr);
    }

    void modos_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QString>("boton");
        QTest::addColumn<QString>("etiqueta");
        QTest::addColumn<bool>("correlOculto");
        QTest::newRow("registrar") << 1 << "Registrar número de orden" << "&Registrar"
            << "Seleccione la Declaración en la que desea registrar el número de orden asignado por KAVEN :" << true;
        QTest::newRow("eliminar") << 3 << "Eliminar Declaraciones Enviadas" << "&Eliminar"
            << "Seleccione la Declaración que desea eliminar :" << true;
        QTest::newRow("otro modo") << 2 << "Registrar número de orden" << "&Modificar"
            << "Seleccione la Declaración que desea actualizar :" << false;
    }
    void modos()
    {
        QFETCH(int, modo);
        QFETCH(QString, titulo);
        QFETCH(QString, boton);
        QFETCH(QString, etiqueta);
        QFETCH(bool, correlOculto);
        giModoEnviada = modo;
        FrmContAbrirEnv w;
        w.show();
        QCOMPARE(w.windowTitle(), titulo);
        QCOMPARE(w.CmdOpciones[0]->text(), boton);
        QCOMPARE(w.CmdOpciones[1]->text(), QStringLiteral("&Salir"));
        QCOMPARE(w.Label1->text(), etiqueta);
        QCOMPARE(w.Frame1->title(), QStringLiteral("Declaraciones Enviadas"));
        QCOMPARE(w.grdContrib->isColumnHidden(7), correlOculto);
        QStringList cabeceras;
        for (int c = 0; c < 8; ++c)
            cabeceras << w.grdContrib->horizontalHeaderItem(c)->text();
        QCOMPARE(cabeceras, (QStringList{"RUC", "Razón Social", "Periodo", "Formulario", "N. Orden", "Fecha Env.",
                                         "Control", "Correl"}));
        QCOMPARE(w.grdContrib->rowCount(), 3);
        QCOMPARE(fila(w.grdContrib, 1), (QStringList{kAndina, "EMPRESA ANDINA S.A.", "1998", "0951", "4567",
                                                      "15/03/1999", "00000002", "2"}));
        // The current row shows in the status bar.
        w.grdContrib->setCurrentCell(2, 0);
        QCOMPARE(barra()->numdoc(), kSur);
        QCOMPARE(barra()->razonsocial(), QStringLiteral("COMERCIAL SUR S.R.L."));
        QCOMPARE(barra()->formulario(), QStringLiteral("0951"));
    }

    // No sends: a disabled grid, and neither operation does anything.
    void listaVacia()
    {
        gsUsuario = QStringLiteral("NADIE");
        giModoEnviada = 3;
        msg::ScriptedAnswerer r({msg::Yes});
        FrmContAbrirEnv w;
        w.show();
        QCOMPARE(w.grdContrib->rowCount(), 0);
        QVERIFY(!w.grdContrib->isEnabled());
        w.CmdOpciones[0]->click();
        w.grdContrib_DblClick();
        QVERIFY(r.shown().isEmpty());
        QCOMPARE(filas(QStringLiteral("HCAB")).size(), 5);
        barra()->setNumdoc(QStringLiteral("x"));
        w.CmdOpciones[1]->click();
        QCOMPARE(w.result(), int(QDialog::Rejected));
        QCOMPARE(barra()->numdoc(), QString());
    }

    void eliminar_data()
    {
        QTest::addColumn<int>("respuesta");
        QTest::addColumn<QStringList>("quedan");
        QTest::newRow("no") << int(msg::No)
            << QStringList{"'20100066603'|'1'", "'20100066603'|'2'", "'20456123784'|'1'", "'20000000001'|'1'",
                           "'20100066603'|'1'"};
        QTest::newRow("si") << int(msg::Yes)
            << QStringList{"'20100066603'|'1'", "'20456123784'|'1'", "'20000000001'|'1'", "'20100066603'|'1'"};
    }
    void eliminar()
    {
        QFETCH(int, respuesta);
        QFETCH(QStringList, quedan);
        giModoEnviada = 3;
        FrmContAbrirEnv w;
        w.show();
        w.grdContrib->setCurrentCell(1, 0);
        msg::ScriptedAnswerer r({respuesta});
        w.grdContrib_DblClick();
        QCOMPARE(r.shown().size(), 1);
        QCOMPARE(r.shown().first().text, QStringLiteral("¿Confirma que va a eliminar la declaración seleccionada?"));
        QCOMPARE(r.shown().first().style, 292);
        QCOMPARE(r.shown().first().title, QStringLiteral("Eliminar Declaraciones Enviadas"));
        QCOMPARE(filas(QStringLiteral("HCAB")), quedan);
        QCOMPARE(w.grdContrib->rowCount(), quedan.size() - 2);
        if (respuesta == msg::Yes) {
            QCOMPARE(gsCorrel, QStringLiteral("2"));
            QCOMPARE(gdbBase->scalar(QStringLiteral("SELECT COUNT(*) FROM HDET WHERE CORREL='2'")).toInt(), 0);
            QCOMPARE(gdbBase->scalar(QStringLiteral("SELECT COUNT(*) FROM HACTA WHERE CORREL='2'")).toInt(), 0);
        }
    }

    // The last send deleted: the list is empty, the grid enabled at load
    // stays enabled, and the button asks nothing more.
    void eliminarElUltimo()
    {
        gdbBase->exec(QStringLiteral("DELETE FROM HCAB WHERE DOC_ID_D=?"), {kAndina});
        giModoEnviada = 3;
        FrmContAbrirEnv w;
        w.show();
        QCOMPARE(w.grdContrib->rowCount(), 1);
        msg::ScriptedAnswerer r({msg::Yes});
        w.CmdOpciones[0]->click();
        QCOMPARE(r.shown().size(), 1);
        QCOMPARE(w.grdContrib->rowCount(), 0);
        QVERIFY(w.grdContrib->isEnabled());
        w.CmdOpciones[0]->click();
        QCOMPARE(r.shown().size(), 1);
    }

    // Register mode: the chosen send opens read-only, the chooser waits
    // disabled, the number typed is stored and listed when the viewer closes.
    void registrarDesdeElSelector()
    {
        giModoEnviada = 1;
        msg::ScriptedAnswerer r;
        FrmContAbrirEnv w;
        w.show();
        w.grdContrib->setCurrentCell(1, 0);
        bool visto = false;
        alAbrirse([&](QWidget *v) {
            auto *e = qobject_cast<Frm381Env *>(v);
            QVERIFY(e);
            visto = true;
            QVERIFY(!w.isEnabled());
            QCOMPARE(e->windowTitle(), QStringLiteral("951 Declaración Pago Anual Impuesto a la Renta (Enviadas)"));
            QCOMPARE(e->TxtNumRuc->text(), kAndina);
            QCOMPARE(e->TxtRazon->text(), QStringLiteral("EMPRESA ANDINA S.A."));
            QCOMPARE(e->TxtControl->text(), QStringLiteral("00000002"));
            QCOMPARE(e->TxtNumOrdenE->text(), QStringLiteral("4567"));
            QCOMPARE(e->TxtValor(100)->text(), QStringLiteral("1,234,567"));
            QCOMPARE(e->TxtValor(105)->text(), QStringLiteral("(234,567)"));
            QVERIFY(e->TxtValor(100)->isReadOnly());
            QVERIFY(!e->TxtValor(128)->isReadOnly());
            QVERIFY(!e->Opt(QStringLiteral("OptAgraria"), 1)->isEnabled());
            QVERIFY(e->Opt(QStringLiteral("OptAgraria"), 1)->isChecked());
            QVERIFY(e->TxtRazon->isReadOnly());
            QVERIFY(!e->CmdValidar->isVisible());
            QCOMPARE(e->CmdGrabar->text(), QStringLiteral("&Registrar Nro. Orden"));
            QCOMPARE(barra()->numdoc(), kAndina);
            // Letters never reach the number; at most eight digits.
            e->TxtNumOrdenE->setFocus();
            e->TxtNumOrdenE->end(false);
            QTest::keyClicks(e->TxtNumOrdenE, QStringLiteral("a1-2b3x45"));
            QCOMPARE(e->TxtNumOrdenE->text(), QStringLiteral("45671234"));
            e->CmdGrabar->click();
            QCOMPARE(r.shown().size(), 1);
            QCOMPARE(r.shown().last().text, QStringLiteral("El número de orden fue registrado satisfactoriamente."));
            QVERIFY(e->isVisible());
            e->cmdCancelar->click();   // nothing typed since: no question
        });
        w.CmdOpciones[0]->click();
        QVERIFY(visto);
        QCOMPARE(r.shown().size(), 1);
        QVERIFY(w.isEnabled());
        QCOMPARE(w.grdContrib->currentRow(), 1);
        QCOMPARE(w.grdContrib->item(1, 4)->text(), QStringLiteral("45671234"));
        QCOMPARE(w.lPosicion, 1L);
        // Back on its row, the chooser shows it in the status bar again.
        QCOMPARE(barra()->numdoc(), kAndina);
    }

    // The send vanished while it was shown: said so, and the window stays
    // with the number typed.
    void registroSinCabecera()
    {
        giModoEnviada = 1;
        Frm381Env e;
        e.fila = envioDos();
        e.show();
        e.TxtNumOrdenE->setFocus();
        e.TxtNumOrdenE->end(false);
        QTest::keyClicks(e.TxtNumOrdenE, QStringLiteral("9"));
        gdbBase->exec(QStringLiteral("DELETE FROM HCAB WHERE DOC_ID_D=? AND CORREL='2'"), {kAndina});
        msg::ScriptedAnswerer r({msg::Yes});
        e.cmdCancelar->click();
        QCOMPARE(r.shown().size(), 2);
        QCOMPARE(r.shown().first().text, QStringLiteral("¿Desea guardar los cambios?"));
        QCOMPARE(r.shown().last().text, visor::MsgNoRegistrado);
        QVERIFY(e.isVisible());
        QCOMPARE(e.TxtNumOrdenE->text(), QStringLiteral("45679"));
    }

    // ENTER on an annex box opens the read-only annex window of the answers
    // over this window's store; the box keeps its text.
    void enterAbreElAnexo()
    {
        giModoEnviada = 1;
        QStringList abiertos;
        for (const char *n : {"FrmAnexo117E", "FrmAnexo120E", "FrmAnexo131E", "FrmAnexo131AE"}) {
            const QString nombre = QLatin1String(n);
            registro::registrarAnexoEnviado(nombre, [&abiertos, nombre](ModeloCasillas &m) {
                abiertos << nombre + QLatin1Char(' ') + m.campo(QStringLiteral("TxtNumRuc")) + QLatin1Char(' ')
                                + m.texto(131);
            });
        }
        Frm381Env e;
        e.fila = envioDos();
        e.show();
        e.SSTab1->setCurrentIndex(3);
        QTest::keyClick(e.TxtValor(131), Qt::Key_Return);
        QTest::keyClick(e.TxtValor(120), Qt::Key_Return);
        QTest::keyClick(e.TxtValor(131), Qt::Key_5);
        QCOMPARE(abiertos, QStringList{QStringLiteral("FrmAnexo131E 20100066603 (60,000)")});
        // A key typed there: the sum of the send's annex rows is written again.
        QCOMPARE(e.TxtValor(131)->text(), QStringLiteral("(60,000)"));
    }

    void pestanas()
    {
        giModoEnviada = 1;
        Frm381Env e;
        e.fila = envioDos();
        e.show();
        // Loaded: the data pages wait for a click.
        QVERIFY(e.Frame1(1)->isHidden());
        e.SSTab1->setCurrentIndex(5);
        QVERIFY(!e.Frame1(1)->isHidden() && !e.Frame1(5)->isHidden());
        QCOMPARE(e.SSTab1->property("HelpContextID").toInt(), 0);
        QCOMPARE(e.iPestana, 5);
        e.SSTab1->setCurrentIndex(2);
        QCOMPARE(e.SSTab1->property("HelpContextID").toInt(), 500);
        e.SSTab1->setCurrentIndex(0);
        QCOMPARE(e.SSTab1->property("HelpContextID").toInt(), 300);
        // Without IEAN page 3 shows the credits without it.
        QVERIFY(e.Frame1(3)->isHidden() && !e.Frame1(0)->isHidden());
    }

    // Leaving after typing asks whether to save; No closes without storing.
    void salirSinGuardar()
    {
        giModoEnviada = 1;
        Frm381Env e;
        e.fila = envioDos();
        e.show();
        e.TxtNumOrdenE->setFocus();
        QTest::keyClicks(e.TxtNumOrdenE, QStringLiteral("1"));
        msg::ScriptedAnswerer r({msg::No});
        e.cmdCancelar->click();
        QCOMPARE(r.shown().size(), 1);
        QCOMPARE(r.shown().first().style, 36);
        QVERIFY(!e.isVisible());
        QCOMPARE(gdbBase->scalar(QStringLiteral("SELECT NORDEN FROM HCAB WHERE CORREL='2' AND PERIODO='1998' AND DOC_ID_D=?"),
                                 {kAndina}).toDouble(),
                 4567.0);
        QCOMPARE(giEstadoGrabacion, 3);
    }
};

QTEST_MAIN(TstVentanas)
#include "tst_ventanas.moc"
