// The print chooser: which declarations it lists, saved or sent, and what it
// hands to the preview for the chosen row.
#include "../../support/testdb.h"
#include "platform/msgbox.h"
#include "printing/ui/frmtipprnr.h"
#include "printing/ui/registroimpresion.h"
#include "shell/core/modglobal.h"
#include "shell/ui/barradeestadozrv.h"
#include "shell/ui/mdifrm.h"
#include "shell/ui/modventanas.h"
#include "shell/ui/registroventanas.h"
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QTableWidget>
#include <QtTest>

namespace {

struct Base {
    testdb::Entorno env;
    std::shared_ptr<Database> db = env.abrir();
    QList<DatosVistaPrevia> previas;

    Base()
    {
        gdbBase = db;
        gsUsuario = QStringLiteral("USUARIO1");
        gsPeriodo = QStringLiteral("1998");
        gsFormulario = QStringLiteral("0951");
        for (const QStringList &c : {QStringList{"20300000002", "USUARIO1", "COMERCIAL C"},
                                     QStringList{"20100070970", "USUARIO1", "COMERCIAL A"},
                                     QStringList{"20200000001", "USUARIO1", "COMERCIAL B"},
                                     QStringList{"20400000003", "OTRO", "AJENO"}})
            db->exec(QStringLiteral("INSERT INTO CONT (Tip_doc_d, Doc_id_d, Usuario, Nombre) VALUES (6, ?, ?, ?)"),
                     {c.at(0), c.at(1), c.at(2)});
        // The preview is not opened: what it would get is noted.
        registro::vistaPrevia() = [this](const DatosVistaPrevia &d) { previas << d; };
    }
    ~Base()
    {
        registro::limpiar();
        gdbBase.reset();
    }
    void cab(const QString &ruc, const QString &periodo = QStringLiteral("1998"))
    {
        db->exec(QStringLiteral("INSERT INTO CAB (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, estado)"
                                " VALUES (?, 6, ?, '0951', 0)"),
                 {ruc, periodo});
    }
    void hcab(const QString &ruc, const QString &correl, double norden, const QString &envio, const QString &control)
    {
        db->exec(QStringLiteral("INSERT INTO HCAB (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, CORREL, NORDEN, FEC_ENV,"
                                " CONTROL) VALUES (?, 6, '1998', '0951', ?, ?, ?, ?)"),
                 {ruc, correl, norden, envio, control});
    }
};

QStringList fFila(const QTableWidget *g, int fila)
{
    QStringList l;
    for (int c = 0; c < g->columnCount(); ++c)
        l << (g->item(fila, c) ? g->item(fila, c)->text() : QStringLiteral("(nada)"));
    return l;
}

} // namespace

class TstFrmTipPrnR : public QObject {
    Q_OBJECT
private slots:
    void guardadas()
    {
        Base b;
        b.cab(QStringLiteral("20200000001"));
        b.cab(QStringLiteral("20100070970"));
        b.cab(QStringLiteral("20400000003"));                             // another user's taxpayer
        b.cab(QStringLiteral("20300000002"), QStringLiteral("1997"));     // another period
        b.hcab(QStringLiteral("20300000002"), QStringLiteral("1"), 1, QStringLiteral("1999-03-15"), QStringLiteral("X"));
        FrmTipPrnR w;
        w.bEstadoContri = false;
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("Imprimir Declaraciones"));
        QCOMPARE(w.Frame1->title(), QStringLiteral("Declaraciones Registradas"));
        QCOMPARE(w.grdContrib->rowCount(), 2);
        QCOMPARE(fFila(w.grdContrib, 0),
                 (QStringList{"20100070970", "COMERCIAL A", "1998", "0951", "", "", "", ""}));
        QCOMPARE(fFila(w.grdContrib, 1).at(0), QStringLiteral("20200000001"));
        for (int c = 0; c < 8; ++c)
            QCOMPARE(w.grdContrib->isColumnHidden(c), c >= 4);
        QCOMPARE(w.grdContrib->currentRow(), 0);
        // The name column of the narrower grid is 3300 twips wide.
        QCOMPARE(w.grdContrib->columnWidth(1), fTwipsAPixeles(3300, fTwipsPorPixel()));

        w.grdContrib->setCurrentCell(1, 0);
        w.CmdImprimir_Click(0);
        QCOMPARE(b.previas.size(), 1);
        const DatosVistaPrevia &d = b.previas.first();
        QCOMPARE(d.iOpcion, 1);
        QVERIFY(!d.bAnexo);
        QVERIFY(!d.bGl_recti);
        QCOMPARE((QStringList{d.sRuc, d.sRaSoc, d.sPeriodo, d.sFormulario, d.sCORREL, d.sNOrdenR, d.sControl,
                              d.sCodReporte}),
                 (QStringList{"20200000001", "COMERCIAL B", "1998", "0951", "", "", "", "PR0003"}));
        QCOMPARE(w.lPosicion, 1L);
        QVERIFY(w.isVisible());   // stays open for the next one
    }

    void enviadas()
    {
        Base b;
        b.cab(QStringLiteral("20100070970"));
        b.hcab(QStringLiteral("20200000001"), QStringLiteral("2"), 4455667, QStringLiteral("1999-03-15"),
               QStringLiteral("ABC123"));
        b.hcab(QStringLiteral("20100070970"), QStringLiteral("1"), 1234, QStringLiteral("1999-02-01"),
               QStringLiteral("Z9"));
        FrmTipPrnR w;
        w.bEstadoContri = true;
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("Imprimir Declaraciones Enviadas"));
        QCOMPARE(w.Frame1->title(), QStringLiteral("Declaraciones Enviadas"));
        QCOMPARE(w.grdContrib->rowCount(), 2);
        QCOMPARE(fFila(w.grdContrib, 1), (QStringList{"20200000001", "COMERCIAL B", "1998", "0951", "4455667",
                                                      "15/03/1999", "ABC123", "2"}));
        for (int c = 0; c < 8; ++c)
            QVERIFY(!w.grdContrib->isColumnHidden(c));

        w.grdContrib->setCurrentCell(1, 0);
        w.ChkAnexo->setChecked(true);
        w.CmdImprimir_Click(1);
        QCOMPARE(b.previas.size(), 1);
        const DatosVistaPrevia &d = b.previas.first();
        QCOMPARE(d.iOpcion, 2);
        QVERIFY(d.bAnexo);
        QVERIFY(d.bGl_recti);
        QCOMPARE((QStringList{d.sRuc, d.sRaSoc, d.sPeriodo, d.sFormulario, d.sCORREL, d.sNOrdenR, d.sControl,
                              d.sCodReporte}),
                 (QStringList{"20200000001", "COMERCIAL B", "1998", "0951", "2", "4455667", "ABC123", "PR0014"}));
    }

    // Enter and a double click on the list preview the row.
    void enterYDobleClic()
    {
        Base b;
        b.cab(QStringLiteral("20100070970"));
        FrmTipPrnR w;
        w.show();
        QTest::keyClick(w.grdContrib, Qt::Key_Return);
        emit w.grdContrib->cellDoubleClicked(0, 1);
        QCOMPARE(b.previas.size(), 2);
        QCOMPARE(b.previas.at(0).iOpcion, 1);
        QCOMPARE(b.previas.at(1).iOpcion, 1);
    }

    // Nothing to print: the list is disabled and the buttons do nothing.
    void listaVacia()
    {
        Base b;
        b.cab(QStringLiteral("20400000003"));
        FrmTipPrnR w;
        msg::ScriptedAnswerer mensajes;
        w.show();
        QCOMPARE(w.grdContrib->rowCount(), 0);
        QVERIFY(!w.grdContrib->isEnabled());
        w.CmdImprimir_Click(0);
        w.CmdImprimir_Click(1);
        w.grdContrib_DblClick();
        QVERIFY(b.previas.isEmpty());
        QVERIFY(mensajes.shown().isEmpty());
    }

    // Back from the preview of the third row: the list as it is now, the
    // third row current again.
    void vueltaDeLaPrevia()
    {
        Base b;
        for (const char *ruc : {"20100070970", "20200000001", "20300000002"})
            b.cab(QString::fromLatin1(ruc));
        FrmTipPrnR w;
        w.show();
        QApplication::setActiveWindow(&w);
        registro::vistaPrevia() = [&](const DatosVistaPrevia &d) {
            b.previas << d;
            QApplication::setActiveWindow(nullptr);
            b.db->exec(QStringLiteral("INSERT INTO CONT (Tip_doc_d, Doc_id_d, Usuario, Nombre)"
                                      " VALUES (6, '10000000001', 'USUARIO1', 'PRIMERO')"));
            b.cab(QStringLiteral("10000000001"));
        };
        w.grdContrib->setCurrentCell(2, 0);
        w.CmdImprimir_Click(0);
        QApplication::setActiveWindow(&w);
        QCOMPARE(b.previas.size(), 1);
        QCOMPARE(b.previas.first().sRuc, QStringLiteral("20300000002"));
        QCOMPARE(w.grdContrib->rowCount(), 4);
        QCOMPARE(w.grdContrib->currentRow(), 2);
        QCOMPARE(w.grdContrib->item(2, 0)->text(), QStringLiteral("20200000001"));
    }

    void salir()
    {
        Base b;
        FrmTipPrnR w;
        w.show();
        w.CmdImprimir_Click(2);
        QVERIFY(!w.isVisible());
    }

    // The main window's status bar follows the chosen row, its RUC and name
    // trimmed; "&Salir" empties both and leaves the period and form code,
    // any other way out leaves the bar as it was.
    void barraDeEstado_data()
    {
        QTest::addColumn<bool>("conSalir");
        QTest::addColumn<QStringList>("alFinal");   // numdoc, razonsocial, periodo, formulario
        QTest::newRow("salir") << true << QStringList{"", "", "1998", "0951"};
        QTest::newRow("cerrar la ventana") << false << QStringList{"20200000001", "COMERCIAL B", "1998", "0951"};
    }
    void barraDeEstado()
    {
        QFETCH(bool, conSalir);
        QFETCH(QStringList, alFinal);
        Base b;
        b.db->exec(QStringLiteral("UPDATE CONT SET Nombre = '  COMERCIAL B  ' WHERE Doc_id_d = '20200000001'"));
        b.cab(QStringLiteral("20100070970"));
        b.cab(QStringLiteral("20200000001"));
        MDIFrm principal;
        BarradeEstadoZRV *barra = principal.BarradeEstadoZRV1;
        const auto textos = [barra] {
            return QStringList{barra->numdoc(), barra->razonsocial(), barra->periodo_ejercicio(), barra->formulario()};
        };
        {
            FrmTipPrnR w;
            w.show();
            QCOMPARE(textos(), (QStringList{"20100070970", "COMERCIAL A", "1998", "0951"}));
            w.grdContrib->setCurrentCell(1, 1);
            QCOMPARE(textos(), (QStringList{"20200000001", "COMERCIAL B", "1998", "0951"}));
            if (conSalir)
                w.CmdImprimir_Click(2);
            else
                w.close();
        }
        QCOMPARE(textos(), alFinal);
    }

    // Registered, the chooser enables the main window's print commands.
    void comandosDelMenu()
    {
        Base b;
        registro::limpiar();
        pRegistrarImpresion();
        MDIFrm f;
        for (QAction *a : {f.mnuImprimir, f.mnuImprimir1, f.boton(4)})
            QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));
    }
};

QTEST_MAIN(TstFrmTipPrnR)
#include "tst_frmtipprnr.moc"
