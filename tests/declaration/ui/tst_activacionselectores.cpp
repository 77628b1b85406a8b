// The three choosers read their list again whenever they become active. A
// list that cannot be read (the database locked by another program) is said
// once in the real message box: closing the box makes the chooser active
// again without a reading, so "&Salir" stays in reach. A real return from
// another window still reads the list: the error once more while the lock
// lasts, the list once it is gone.
//
// Each chooser also opens from its command of the main window: titled by its
// mode, with the list read and no box, "&Salir" closing it.
#include "mensajesreales.h"
#include "testdb.h"
#include "declaration/ui/frmcontabrir.h"
#include "platform/gui/msgboxwidget.h"
#include "printing/ui/frmtipprnr.h"
#include "sent/ui/frmcontabrirenv.h"
#include "shell/core/modglobal.h"
#include "shell/registro/ventanas.h"
#include "shell/ui/mdifrm.h"
#include "shell/ui/registroventanas.h"
#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace {

enum Cual { Abrir, Imprimir, Enviadas };

const QString kRuc = QStringLiteral("20100070970");
const QString kError = QStringLiteral(
    "La base de datos está bloqueada por otro usuario o no tiene permiso para modificarla.\n 3051");

struct Selector {
    std::unique_ptr<QDialog> ventana;
    QTableWidget *grilla = nullptr;
    QPushButton *salir = nullptr;
};

Selector fCrear(Cual cual)
{
    Selector s;
    if (cual == Abrir) {
        auto *w = new FrmContAbrir;
        w->iOpcion = 1;
        s = {std::unique_ptr<QDialog>(w), w->grdContrib, w->CmdOpciones[1]};
    } else if (cual == Imprimir) {
        auto *w = new FrmTipPrnR;
        w->bEstadoContri = false;
        s = {std::unique_ptr<QDialog>(w), w->grdContrib, w->CmdImprimir[2]};
    } else {
        giModoEnviada = 1;
        auto *w = new FrmContAbrirEnv;
        s = {std::unique_ptr<QDialog>(w), w->grdContrib, w->CmdOpciones[1]};
    }
    return s;
}

} // namespace

class TstActivacionSelectores : public QObject {
    Q_OBJECT
    std::unique_ptr<testdb::Entorno> m_env;

private slots:
    void initTestCase()
    {
        msg::installWidgetHandler();
    }

    void init()
    {
        m_env = std::make_unique<testdb::Entorno>();
        QVERIFY(m_env->valido());
        gdbBase = m_env->abrir();
        gsUsuario = QStringLiteral("USUARIO1");
        gsPeriodo = QStringLiteral("1998");
        gsFormulario = QStringLiteral("0951");
        registro::limpiar();
        // One declaration in every list: saved and sent.
        gdbBase->exec(QStringLiteral("INSERT INTO CONT (Tip_doc_d, Doc_id_d, Usuario, Nombre)"
                                     " VALUES (6, ?, 'USUARIO1', 'COMERCIAL A')"),
                      {kRuc});
        gdbBase->exec(QStringLiteral("INSERT INTO CAB (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, estado)"
                                     " VALUES (?, 6, '1998', '0951', 0)"),
                      {kRuc});
        gdbBase->exec(QStringLiteral("INSERT INTO HCAB (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, CORREL, NORDEN,"
                                     " FEC_ENV, CONTROL) VALUES (?, 6, '1998', '0951', '1', 1234, '1999-03-15',"
                                     " '00000001')"),
                      {kRuc});
        // A locked database fails at once instead of after the wait.
        gdbBase->setBusyTimeout(0);
    }

    void cleanup()
    {
        registro::limpiar();
        gdbBase.reset();
        m_env.reset();
    }

    void errorUnaVezPorActivacion_data()
    {
        QTest::addColumn<int>("cual");
        QTest::addColumn<bool>("alFrente");   // the box answered once it is active, or at once
        QTest::newRow("FrmContAbrir, caja al frente") << int(Abrir) << true;
        QTest::newRow("FrmTipPrnR, caja al frente") << int(Imprimir) << true;
        QTest::newRow("FrmContAbrirEnv, caja al frente") << int(Enviadas) << true;
        QTest::newRow("FrmContAbrir, caja al instante") << int(Abrir) << false;
        QTest::newRow("FrmTipPrnR, caja al instante") << int(Imprimir) << false;
        QTest::newRow("FrmContAbrirEnv, caja al instante") << int(Enviadas) << false;
    }
    void errorUnaVezPorActivacion()
    {
        QFETCH(int, cual);
        QFETCH(bool, alFrente);
        CerradorMensajes cerrador(alFrente);
        auto bloqueo = std::make_unique<testdb::BloqueoExclusivo>(m_env->rutaBase);
        QVERIFY(bloqueo->activo());

        Selector s = fCrear(Cual(cual));
        cerrador.ventana = s.ventana.get();
        // Modal, as its opener shows it.
        s.ventana->setWindowModality(Qt::ApplicationModal);
        s.ventana->show();
        // The load says the error; the first activation only ends that box.
        QTRY_VERIFY(s.ventana->isActiveWindow());
        pVaciarEventos();
        QCOMPARE(cerrador.textos, QStringList{kError});
        QVERIFY(s.ventana->isActiveWindow());
        QCOMPARE(s.grilla->rowCount(), 0);

        // Back from another window the list is read again: the error once more.
        pVolverDeOtraVentana(s.ventana.get());
        if (QTest::currentTestFailed())
            return;
        QTRY_COMPARE(cerrador.textos.size(), 2);
        QTRY_VERIFY(s.ventana->isActiveWindow());
        pVaciarEventos();
        QCOMPARE(cerrador.textos, (QStringList{kError, kError}));
        QCOMPARE(s.grilla->rowCount(), 0);

        // The lock gone, the next return lists the declaration, without a box.
        bloqueo.reset();
        pVolverDeOtraVentana(s.ventana.get());
        if (QTest::currentTestFailed())
            return;
        QTRY_COMPARE(s.grilla->rowCount(), 1);
        QCOMPARE(s.grilla->item(0, 0)->text(), kRuc);
        QCOMPARE(cerrador.textos.size(), 2);

        s.salir->click();
        QVERIFY(!s.ventana->isVisible());
    }

    void desdeElMenu_data()
    {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("titulo");
        QTest::newRow("Declaraciones, Modificar") << "mnuModificar" << "Modificar Declaraciones";
        QTest::newRow("Declaraciones, Eliminar") << "mnuEliminar" << "Eliminar Declaraciones";
        QTest::newRow("Declaraciones, Imprimir") << "mnuImprimir" << "Imprimir Declaraciones";
        QTest::newRow("Enviadas, Registrar número de orden") << "mnuRegistrar" << "Registrar número de orden";
        QTest::newRow("Enviadas, Eliminar") << "mnuEliminar1" << "Eliminar Declaraciones Enviadas";
        QTest::newRow("Enviadas, Imprimir") << "mnuImprimir1" << "Imprimir Declaraciones Enviadas";
    }
    void desdeElMenu()
    {
        QFETCH(QString, comando);
        QFETCH(QString, titulo);
        CerradorMensajes cerrador;
        pRegistrarVentanas();
        MDIFrm principal;
        principal.show();
        QAction *accion = principal.findChild<QAction *>(comando);
        QVERIFY(accion);
        QVERIFY(accion->isEnabled());

        QString tituloVisto;
        QStringList rucs;
        bool activa = false;
        bool salir = false;
        QTimer::singleShot(0, qApp, [&] {
            QWidget *w = QApplication::activeModalWidget();
            if (!w)
                return;
            cerrador.ventana = w;
            activa = QTest::qWaitFor([w] { return w->isActiveWindow(); });
            pVaciarEventos();
            tituloVisto = w->windowTitle();
            if (auto *grilla = w->findChild<QTableWidget *>(QStringLiteral("grdContrib"))) {
                for (int f = 0; f < grilla->rowCount(); ++f)
                    rucs << (grilla->item(f, 0) ? grilla->item(f, 0)->text() : QString());
            }
            for (QPushButton *b : w->findChildren<QPushButton *>()) {
                if (!salir && b->text() == QStringLiteral("&Salir")) {
                    salir = true;
                    b->click();
                }
            }
            if (!salir)
                w->close();
        });
        accion->trigger();
        QVERIFY(activa);
        QVERIFY(salir);
        QCOMPARE(tituloVisto, titulo);
        QCOMPARE(rucs, QStringList{kRuc});
        QCOMPARE(cerrador.textos, QStringList{});
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TstActivacionSelectores)
#include "tst_activacionselectores.moc"
