// The main window: caption, menus, toolbar, loading, status bar, help, exit.
#include "shell/core/modglobal.h"
#include "shell/ui/barradeestadozrv.h"
#include "shell/ui/mdifrm.h"
#include "shell/ui/modventanas.h"
#include "shell/ui/registroventanas.h"
#include "platform/inifile.h"
#include "platform/msgbox.h"
#include "navegadorprueba.h"
#include "testdb.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>
#include <memory>

namespace {
QStringList textos(const QMenu *m)
{
    QStringList t;
    for (const QAction *a : m->actions())
        t << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return t;
}
void moverSobre(QWidget *w, const QPoint &p)
{
    QMouseEvent e(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}
}

class TstMDIFrm : public QObject {
    Q_OBJECT
private slots:
    void init() { registro::limpiar(); }
    void cleanup()
    {
        gdbBase.reset();
        registro::limpiar();
    }

    void captionYEstilo()
    {
        MDIFrm f;
        QCOMPARE(f.windowTitle(), QStringLiteral("951 Declaración Pago Anual Impuesto a la Renta 3RA. CATEGORIA - 1998 v 2.0"));
        QVERIFY(!(f.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(f.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(MDIFrm::instancia(), &f);
    }

    void menus()
    {
        MDIFrm f;
        QCOMPARE(f.mnuDeclara->title(), QStringLiteral("&Declaraciones"));
        QCOMPARE(textos(f.mnuDeclara), (QStringList{"&Nueva", "&Modificar", "&Eliminar", "-", "&Imprimir", "-", "&Salir"}));
        QCOMPARE(f.mnuDeclarEnv->title(), QStringLiteral("Declaraciones &Enviadas"));
        QCOMPARE(textos(f.mnuDeclarEnv), (QStringList{"&Registrar número de orden", "&Eliminar", "-", "&Imprimir"}));
        QCOMPARE(f.mnuConsultas->title(), QStringLiteral("&Consultas"));
        QCOMPARE(textos(f.mnuConsultas), (QStringList{"&Tasas Vigentes", "&Factores de Actualización", "&Bancos"}));
        QCOMPARE(f.mnuayuda->title(), QStringLiteral("&Ayuda"));
        QCOMPARE(textos(f.mnuayuda), (QStringList{"&Contenido", "-", "Acerca &de ZRV"}));
    }

    void barraDeHerramientas()
    {
        MDIFrm f;
        const QStringList esperados = {"Nueva", "Modificar", "Eliminar", "Imprimir", "Salir", "-",
                                       "Num. Orden", "-", "-", "Ayuda"};
        QCOMPARE(f.tlbMenu->actions().size(), 10);
        for (int i = 1; i <= 10; ++i) {
            QAction *b = f.boton(i);
            QCOMPARE(b->isSeparator() ? QStringLiteral("-") : b->text(), esperados.at(i - 1));
            if (!b->isSeparator())
                QVERIFY(!b->icon().isNull());
        }
    }

    // The windows of later stages are not there: their commands wait disabled.
    void comandosSinVentana()
    {
        MDIFrm f;
        for (QAction *a : {f.mnuNueva, f.mnuModificar, f.mnuEliminar, f.mnuImprimir, f.mnuRegistrar,
                           f.mnuEliminar1, f.mnuImprimir1, f.boton(1), f.boton(2), f.boton(3), f.boton(4), f.boton(7)})
            QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
        for (QAction *a : {f.mnuSalir, f.mnutasas, f.mnuFactores, f.mnuDocIdent, f.mnuContenido, f.mnuAcercaDe,
                           f.boton(5), f.boton(10)})
            QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));
    }

    void comandosRegistrados()
    {
        QList<int> llamadas;
        registro::nuevaDeclaracion() = [&](int iAccion, const QVariantList &aDatos) {
            QVERIFY(aDatos.isEmpty());
            llamadas << iAccion;
        };
        registro::contAbrir() = [&](int iOpcion) { llamadas << 100 + iOpcion; };
        registro::contAbrirEnv() = [&] { llamadas << 200 + giModoEnviada; };
        MDIFrm f;
        QVERIFY(f.mnuNueva->isEnabled() && f.boton(1)->isEnabled());
        QVERIFY(f.mnuRegistrar->isEnabled() && f.boton(7)->isEnabled());
        QVERIFY(!f.mnuImprimir->isEnabled());
        f.BarradeEstadoZRV1->setRazonsocial(QStringLiteral("COMERCIAL"));
        f.mnuNueva->trigger();
        QCOMPARE(f.BarradeEstadoZRV1->razonsocial(), QString());
        f.boton(2)->trigger();
        f.mnuEliminar->trigger();
        f.mnuRegistrar->trigger();
        f.mnuEliminar1->trigger();
        f.boton(7)->trigger();
        // Separators do nothing.
        f.tlbMenu_ButtonClick(6);
        f.tlbMenu_ButtonClick(8);
        f.tlbMenu_ButtonClick(9);
        QCOMPARE(llamadas, (QList<int>{0, 101, 103, 201, 203, 201}));
    }

    void carga()
    {
        testdb::Entorno env;
        QVERIFY(env.valido());
        MDIFrm f;
        QVERIFY(f.MDIForm_Load());
        QCOMPARE(gsFormulario, QStringLiteral("0951"));
        QCOMPARE(gsPeriodo, QStringLiteral("1998"));
        QVERIFY(gdbBase);
        QCOMPARE(f.BarradeEstadoZRV1->textosVisibles(), (QStringList{"1998", "0951"}));
        QCOMPARE(f.BarradeEstadoZRV1->numdoc(), QString());
        QCOMPARE(f.BarradeEstadoZRV1->razonsocial(), QString());
        QCOMPARE(f.sArchivoAyuda, env.sysPath + QStringLiteral("0951/Qx951.hlp"));
        QVERIFY(f.isVisible());
        // Height 7320, width 9720 twips; left and top -60 twips would put the
        // frame's edge out of the screen: it starts at the available area's corner.
        const double tpp = fTwipsPorPixel();
        QCOMPARE(f.frameGeometry().size(), QSize(fTwipsAPixeles(9720, tpp), fTwipsAPixeles(7320, tpp)));
        const QRect area = f.screen()->availableGeometry();
        QCOMPARE(f.frameGeometry().topLeft(), area.topLeft());
        QVERIFY(area.contains(f.frameGeometry()));

        // pBarraEstado writes the main window's status bar, in its four places.
        pBarraEstado(QStringLiteral("20100000009"), QStringLiteral("COMERCIAL"), QStringLiteral("1998"),
                     QStringLiteral("0951"));
        QCOMPARE(f.BarradeEstadoZRV1->textosVisibles(), (QStringList{"20100000009", "COMERCIAL", "1998", "0951"}));

        // Exit closes the database first.
        f.mnuSalir_Click();
        QVERIFY(!gdbBase);
        QVERIFY(!goUtilitario);
    }

    // A window manager tells the height of its title bar only once it has
    // framed the window, after the load has placed it: with the frame known
    // at the first activation, the window is moved so that its frame (the
    // title bar with its close box) lies inside the available area again.
    void marcoConocidoAlActivarse()
    {
        testdb::Entorno env;
        QVERIFY(env.valido());
        MDIFrm f;
        QVERIFY(f.MDIForm_Load());
        QVERIFY(!f.isActiveWindow());
        // The frame the window manager put around the placed client.
        const QRect area = f.screen()->availableGeometry();
        f.move(area.topLeft() - QPoint(1, 20));
        QVERIFY(!area.contains(f.frameGeometry()));
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QCOMPARE(f.frameGeometry().topLeft(), area.topLeft());
        QVERIFY(area.contains(f.frameGeometry()));

        // Later activations leave a window the user moved where it is.
        f.move(area.topLeft() - QPoint(1, 20));
        QEvent desactivar(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(&f, &desactivar);
        QEvent activar(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&f, &activar);
        QCOMPARE(f.frameGeometry().topLeft(), area.topLeft() - QPoint(1, 20));
        f.mnuSalir_Click();
    }

    void cargaSinBase()
    {
        testdb::Entorno env(false);
        msg::ScriptedAnswerer respuestas;
        MDIFrm f;
        QVERIFY(!f.MDIForm_Load());
        QCOMPARE(respuestas.shown().size(), 1);
        QCOMPARE(respuestas.shown().first().title, QStringLiteral("Error de Conección"));
        QVERIFY(!gdbBase);
    }

    void ayudaNoDisponible()
    {
        msg::ScriptedAnswerer respuestas;
        MDIFrm f;
        f.sArchivoAyuda = QStringLiteral("/no/existe/0951/Qx951.hlp");
        f.BarradeEstadoZRV1->setRazonsocial(QStringLiteral("COMERCIAL"));
        f.mnuContenido->trigger();
        QCOMPARE(f.BarradeEstadoZRV1->razonsocial(), QString());
        f.boton(10)->trigger();
        QCOMPARE(respuestas.shown().size(), 2);
        QCOMPARE(respuestas.shown().at(0).text, QStringLiteral("La ayuda del sistema no está disponible."));
    }

    // With the HTML page beside the help file, "&Contenido" and the toolbar's
    // "Ayuda" open it at its start, without a topic.
    void ayudaDisponible()
    {
        QTemporaryDir sistema;
        QVERIFY(QDir(sistema.path()).mkpath("0951"));
        QFile f(sistema.filePath("0951/Qx951.html"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        NavegadorPrueba navegador;
        msg::ScriptedAnswerer respuestas;
        MDIFrm m;
        m.sArchivoAyuda = sistema.filePath("0951/Qx951.hlp");
        m.mnuContenido->trigger();
        m.boton(10)->trigger();
        const QString pagina = QUrl::fromLocalFile(sistema.filePath("0951/Qx951.html")).toString();
        QCOMPARE(navegador.abiertas, (QStringList{pagina, pagina}));
        QVERIFY(respuestas.shown().isEmpty());
    }

    // F1 in the main window does what "&Contenido" does: the help page at
    // its start, whichever control of the window has the focus; the message
    // that there is no help without the page; and where the page is there but
    // no browser starts (no desktop opener in the path), that it could not be
    // opened.
    void teclaAyuda_data()
    {
        QTest::addColumn<bool>("html");
        QTest::addColumn<bool>("navegador");
        QTest::addColumn<bool>("enBoton");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("ventana") << true << true << false << "";
        QTest::newRow("boton de la barra") << true << true << true << "";
        QTest::newRow("sin pagina") << false << true << false << "La ayuda del sistema no está disponible.";
        QTest::newRow("sin navegador") << true << false << false
                                       << "No se pudo abrir la ayuda del sistema: no se pudo iniciar el navegador "
                                          "para mostrar \"%1\".";
    }
    void teclaAyuda()
    {
        QFETCH(bool, html);
        QFETCH(bool, navegador);
        QFETCH(bool, enBoton);
        QFETCH(QString, mensaje);
        const CarpetaAyuda ayuda(html);
        QVERIFY(ayuda.valida);
        std::unique_ptr<NavegadorPrueba> grabador;
        if (navegador)
            grabador = std::make_unique<NavegadorPrueba>();
        QTemporaryDir vacia;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", vacia.path().toLocal8Bit());
        msg::ScriptedAnswerer respuestas;
        MDIFrm m;
        m.sArchivoAyuda = ayuda.hlp;
        m.show();
        QVERIFY(QTest::qWaitForWindowActive(&m));
        QWidget *foco = &m;
        if (enBoton) {
            foco = m.tlbMenu->widgetForAction(m.boton(1));
            QVERIFY(foco);
            foco->setFocus();
        }
        QTest::keyClick(foco, Qt::Key_F1);
        qputenv("PATH", path);

        QStringList vistos;
        for (const auto &r : respuestas.shown())
            vistos << r.text;
        if (mensaje.isEmpty()) {
            QCOMPARE(grabador->abiertas, QStringList{QUrl::fromLocalFile(ayuda.html).toString()});
            QCOMPARE(vistos, QStringList());
        } else {
            if (grabador)
                QCOMPARE(grabador->abiertas, QStringList());
            QCOMPARE(vistos, QStringList{mensaje.arg(ayuda.html)});
        }
        m.hide();
    }

    void nombreSeBorraAlMoverElRaton()
    {
        MDIFrm f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        auto fijar = [&] { f.BarradeEstadoZRV1->setRazonsocial(QStringLiteral("COMERCIAL")); };

        fijar();
        moverSobre(f.imgFondo, QPoint(1, 1));
        QCOMPARE(f.BarradeEstadoZRV1->razonsocial(), QString());
        fijar();
        moverSobre(f.Picture2, QPoint(1, 1));
        QCOMPARE(f.BarradeEstadoZRV1->razonsocial(), QString());

        // Over buttons 1-4 and separators 6 and 8 the name stays; elsewhere it goes.
        for (int i : {1, 4, 5, 6, 7, 8, 9, 10}) {
            fijar();
            QWidget *b = f.tlbMenu->widgetForAction(f.boton(i));
            QVERIFY(b);
            moverSobre(b, QPoint(b->width() / 2, b->height() / 2));
            QCOMPARE(f.BarradeEstadoZRV1->razonsocial().isEmpty(), i == 5 || i == 7 || i == 9 || i == 10);
        }
    }
};

QTEST_MAIN(TstMDIFrm)
#include "tst_mdifrm.moc"
