// The lookup windows, the about box and the utilities that act on widgets.
#include "fixture.h"
#include "shell/core/modglobal.h"
#include "shell/core/errorejecucion.h"
#include "shell/ui/frmacercade.h"
#include "shell/ui/frmconsfac.h"
#include "shell/ui/frmconstasas.h"
#include "shell/ui/frmconsultas.h"
#include "shell/ui/mdifrm.h"
#include "shell/ui/modventanas.h"
#include "testdb.h"

#include <QComboBox>
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtTest>

namespace {
QStringList fila(const QTableWidget *g, int f)
{
    QStringList t;
    for (int c = 0; c < g->columnCount(); ++c)
        t << (g->item(f, c) ? g->item(f, c)->text() : QString());
    return t;
}
QStringList encabezados(const QTableWidget *g)
{
    QStringList t;
    for (int c = 0; c < g->columnCount(); ++c)
        t << g->horizontalHeaderItem(c)->text();
    return t;
}
QSize enPixeles(int alto, int ancho)
{
    return QSize(fTwipsAPixeles(ancho, fTwipsPorPixel()), fTwipsAPixeles(alto, fTwipsPorPixel()));
}
}

class TstVentanas : public QObject {
    Q_OBJECT
    std::unique_ptr<testdb::Entorno> m_env;
private slots:
    void init()
    {
        m_env = std::make_unique<testdb::Entorno>();
        QVERIFY(m_env->valido());
        gdbBase = m_env->abrir();
        gsFormulario = QStringLiteral("0951");
    }
    void cleanup()
    {
        gdbBase.reset();
        m_env.reset();
    }

    void factores()
    {
        QVERIFY(cargarFixture(*gdbBase, QStringLiteral("consultas.sql")));
        FrmConsFac w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Factores de Actualización"));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.frameGeometry().size(), enPixeles(4710, 4890));   // frame included
        QCOMPARE(encabezados(w.grdBancos), (QStringList{"Mes", "Factor"}));
        QCOMPARE(w.grdBancos->rowCount(), 3);
        QCOMPARE(fila(w.grdBancos, 0), (QStringList{"01/1998", "1.056"}));
        QCOMPARE(fila(w.grdBancos, 1), (QStringList{"06/1998", "1.200"}));
        QCOMPARE(fila(w.grdBancos, 2), (QStringList{"12/1998", "1.013"}));
        QVERIFY(w.grdBancos->isEnabled());
        QCOMPARE(w.CmdSalir->text(), QStringLiteral("&Salir"));
    }

    void factoresVacios()
    {
        FrmConsFac w;
        QCOMPARE(w.grdBancos->rowCount(), 0);
        QVERIFY(!w.grdBancos->isEnabled());
    }

    void bancos()
    {
        QVERIFY(cargarFixture(*gdbBase, QStringLiteral("consultas.sql")));
        FrmConsultas w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Consulta de Bancos"));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.frameGeometry().size(), enPixeles(4140, 7065));   // frame included
        QCOMPARE(encabezados(w.grdBancos), (QStringList{"Código", "Descripción"}));
        QCOMPARE(w.grdBancos->rowCount(), 2);
        QCOMPARE(fila(w.grdBancos, 0), (QStringList{"01", "BANCO DE LA NACION"}));
        QCOMPARE(fila(w.grdBancos, 1), (QStringList{"07", "BANCO CON UN NOMBRE MUY LARGO QUE PA"}));
    }

    void tasas()
    {
        FrmConsTasas w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Tasas Vigentes"));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.frameGeometry().size(), enPixeles(3015, 7005));   // frame included
        QStringList t;
        for (QLabel *l : w.lblTasas)
            t << l->text();
        QCOMPARE(t, (QStringList{"Tipo de Contribuyente", "Tasa",
                                 "   Con Convenio de Estabilidad", "variable",
                                 "   Exonerados", "0 %",
                                 "   Acogido a la ley de Promoción Agraria(F4888)", "15 %",
                                 "   General", "30 %"}));
        QCOMPARE(w.Command1->text(), QStringLiteral("&Salir"));
    }

    void acercaDe()
    {
        frmAcercade w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Acerca de Velantis "));
        QCOMPARE(w.Text3->text(), QStringLiteral("Velantis"));
        QCOMPARE(w.Text1->toPlainText(),
                 QStringLiteral("Declaración Pago Anual Impuesto a la \nRenta 3ra. Categoria - 1998"));
        QCOMPARE(w.txtVersion->text(), QStringLiteral("Versión 2.0"));
        QCOMPARE(w.cmdAceptar->text(), QStringLiteral("&Aceptar"));
        QCOMPARE(w.Text1->font().family(), QStringLiteral("MS Sans Serif"));
        // Not on Linux: the windows' Liberation Sans stands in, never what
        // fontconfig makes of an unknown family.
        for (QWidget *texto : {static_cast<QWidget *>(w.Text3), static_cast<QWidget *>(w.Text1),
                               static_cast<QWidget *>(w.txtVersion)})
            QCOMPARE(QFontInfo(texto->font()).family(), QStringLiteral("Liberation Sans"));
    }

    void centrarSobrePrincipal()
    {
        MDIFrm principal;
        pPosicionForm(&principal, -60, -60, 7320, 9720);
        QWidget w;
        w.resize(enPixeles(3000, 4000));
        pCentrarForm(&principal, &w);
        const PosicionCentrada p = fPosicionCentrada(fAnchoTwips(&principal), fAltoTwips(&principal),
                                                     fAnchoTwips(&w), fAltoTwips(&w));
        QCOMPARE(w.pos(), QPoint(fTwipsAPixeles(double(p.left), fTwipsPorPixel()), fTwipsAPixeles(p.top, fTwipsPorPixel())));
    }

    void posicionRestaura()
    {
        QWidget w;
        w.showMaximized();
        pPosicionForm(&w, 150, 300, 1500, 3000);
        QVERIFY(!(w.windowState() & Qt::WindowMaximized));
        QCOMPARE(w.pos(), QPoint(fTwipsAPixeles(150, fTwipsPorPixel()), fTwipsAPixeles(300, fTwipsPorPixel())));
    }

    void mostrarFrame()
    {
        QWidget w;
        for (int i = 0; i < 6; ++i) {
            auto *f = new QWidget(&w);
            f->setObjectName(QStringLiteral("Frame1_%1").arg(i));
        }
        w.show();
        pMostrarFrame(&w, false, false, true, false, false, true);
        auto visible = [&](int i) { return w.findChild<QWidget *>(QStringLiteral("Frame1_%1").arg(i))->isVisible(); };
        // 0 and 3 untouched; 1, 2, 4, 5 from their flags.
        QCOMPARE((QList<bool>{visible(0), visible(1), visible(2), visible(3), visible(4), visible(5)}),
                 (QList<bool>{true, false, true, true, false, true}));

        delete w.findChild<QWidget *>(QStringLiteral("Frame1_4"));
        try {
            pMostrarFrame(&w, true, true, false, true, true, true);
            QFAIL("no error raised");
        } catch (const ErrorEjecucion &e) {
            QCOMPARE(e.numero, 340);
        }
        QVERIFY(visible(2));
    }

    void anchoCombo()
    {
        QWidget w;
        auto *c = new QComboBox(&w);
        pAnchoCombo(&w, c, 30);
        QCOMPARE(c->view()->minimumWidth(), 28 * fAnchoCaracter(&w));
        pAnchoCombo(&w, c, 2);
        QCOMPARE(c->view()->minimumWidth(), 0);
    }

    void tabular()
    {
        QWidget w;
        auto *l = new QVBoxLayout(&w);
        auto *a = new QLineEdit(&w);
        auto *b = new QLineEdit(&w);
        l->addWidget(a);
        l->addWidget(b);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        a->setFocus();
        QTRY_VERIFY(a->hasFocus());
        pTabular(QStringLiteral("tab"));
        QCoreApplication::processEvents();
        QVERIFY(a->hasFocus());
        pTabular(QStringLiteral("TAB"));
        QTRY_VERIFY(b->hasFocus());
    }
};

QTEST_MAIN(TstVentanas)
#include "tst_ventanas.moc"
