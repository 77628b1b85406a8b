// The whole path of a sent declaration on a private X server: the host
// stand-in makes its settings file and database and sends a saved
// declaration with its own window and sending code; Qx381's main window,
// with every window registered as its main registers them, finds the host's
// window, lists the send, opens it read-only with its read-only annex
// window, registers its order number, prints it as a sent declaration and
// deletes it.
#include "../../support/xprueba.h"
#include "../fixturesent.h"
#include "ventanasent.h"
#include "declaration/ui/txtcasilla.h"
#include "host/entorno.h"
#include "host/frmvelantis.h"
#include "annexes/ui/frmanexo.h"
#include "platform/msgbox.h"
#include "platform/textfile.h"
#include "printing/ui/frmtipprnr.h"
#include "shell/core/modglobal.h"
#include "sent/ui/frm381env.h"
#include "sent/ui/frmcontabrirenv.h"
#include "shell/registro/ventanas.h"
#include "shell/ui/barradeestadozrv.h"
#include "shell/ui/cwindows.h"
#include "shell/ui/mdifrm.h"
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace ventanasent;

namespace {

int contar(const QString &tabla)
{
    return gdbBase->scalar(QStringLiteral("SELECT COUNT(*) FROM ") + tabla + QStringLiteral(" WHERE DOC_ID_D=?"),
                           {fixturesent::kAndina})
        .toInt();
}
} // namespace

class TstPrograma : public QObject {
    Q_OBJECT
    QTemporaryDir m_tmp;

private slots:
    void initTestCase()
    {
        QVERIFY(m_tmp.isValid());
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        qputenv("QX_WINDIR", m_tmp.filePath(QStringLiteral("windows/")).toLocal8Bit());
    }

    void enviarListarRegistrarEliminar()
    {
        // The host: first start, then a saved declaration of its user, sent.
        host::Entorno entorno;
        QString error;
        QVERIFY2(host::fPrepararEntorno(m_tmp.filePath(QStringLiteral("datos")), QStringLiteral("ANA"), false, &entorno,
                                        &error),
                 qPrintable(error));
        {
            auto db = Database::open(entorno.baseDatos);
            QVERIFY(fixturesent::ejecutarScript(*db, QStringLiteral("declaracion.sql")));
        }
        FrmVelantis velantis(entorno);
        velantis.show();
        QVERIFY(QTest::qWaitForWindowExposed(&velantis));
        QCOMPARE(velantis.grdContribuyentes->rowCount(), 1);
        velantis.grdContribuyentes->selectRow(0);
        msg::ScriptedAnswerer mensajes;
        velantis.CmdEnviar->click();
        QCOMPARE(mensajes.shown().size(), 1);
        QCOMPARE(mensajes.shown().first().text,
                 QStringLiteral("La declaración del contribuyente 20100066603 fue enviada con el correlativo 1"
                                " y el número de control 00000001."));
        mensajes.clear();

        // Qx381: started beside the host, it opens the host's settings and database.
        QVERIFY(cWindows().CorreApp(QStringLiteral("Velantis")));
        pRegistrarVentanas();
        MDIFrm principal;
        QVERIFY(principal.MDIForm_Load());
        QVERIFY(QTest::qWaitForWindowExposed(&principal));
        QCOMPARE(gsUsuario, QStringLiteral("ANA"));
        QVERIFY(principal.mnuRegistrar->isEnabled());

        // "&Registrar número de orden": the send is listed; its viewer stores 12345678.
        bool visor = false;
        alAbrirse([&](QWidget *w) {
            auto *selector = qobject_cast<FrmContAbrirEnv *>(w);
            QVERIFY(selector);
            QCOMPARE(selector->grdContrib->rowCount(), 1);
            QCOMPARE(fila(selector->grdContrib, 0),
                     (QStringList{fixturesent::kAndina, "EMPRESA ANDINA S.A.", "1998", "0951", "",
                                  QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")), "00000001", "1"}));
            alAbrirse([&](QWidget *v) {
                auto *e = qobject_cast<Frm381Env *>(v);
                QVERIFY(e);
                visor = true;
                QVERIFY(!selector->isEnabled());
                QCOMPARE(e->TxtValor(100)->text(), QStringLiteral("1,234,567"));
                QCOMPARE(e->TxtValor(113)->text(), QStringLiteral("120,000"));
                QCOMPARE(e->TxtValor(146)->text(), QStringLiteral("5,000"));
                QCOMPARE(e->TxtControl->text(), QStringLiteral("00000001"));
                QCOMPARE(principal.BarradeEstadoZRV1->numdoc(), fixturesent::kAndina);
                // ENTER on box 131 (not subject to the IEAN) shows the send's annex rows.
                bool anexo = false;
                alAbrirse([&](QWidget *a) {
                    auto *f = qobject_cast<FrmAnexo *>(a);
                    QVERIFY(f);
                    QVERIFY(f->enviada());
                    QCOMPARE(f->diseno().nombre, QStringLiteral("FrmAnexo131E"));
                    QCOMPARE(f->total()->text(), QStringLiteral("60,000"));
                    QVERIFY(!f->total()->isEnabled());
                    anexo = true;
                    f->botonCancelar->click();
                });
                e->TxtValor(131)->setFocus();
                QTest::keyClick(e->TxtValor(131), Qt::Key_Return);
                QVERIFY(anexo);
                QCOMPARE(e->TxtValor(131)->text(), QStringLiteral("(60,000)"));
                e->TxtNumOrdenE->setFocus();
                QTest::keyClicks(e->TxtNumOrdenE, QStringLiteral("12345678"));
                e->CmdGrabar->click();
                e->cmdCancelar->click();
            });
            selector->CmdOpciones[0]->click();
            QCOMPARE(selector->grdContrib->item(0, 4)->text(), QStringLiteral("12345678"));
            selector->CmdOpciones[1]->click();
        });
        principal.mnuRegistrar->trigger();
        QVERIFY(visor);
        QCOMPARE(mensajes.shown().size(), 1);
        QCOMPARE(mensajes.shown().first().text, QStringLiteral("El número de orden fue registrado satisfactoriamente."));
        QCOMPARE(gdbBase->scalar(QStringLiteral("SELECT NORDEN FROM HCAB WHERE DOC_ID_D=?"), {fixturesent::kAndina}).toDouble(),
                 12345678.0);

        // "&Imprimir" under "Declaraciones &Enviadas": the send with its annexes,
        // printed to PDF and spooled as a sent declaration.
        const QString pdf = m_tmp.filePath(QStringLiteral("pdf/"));
        QVERIFY(QDir().mkpath(pdf));
        qputenv("QX_PRINTER_PDF", pdf.toLocal8Bit());
        mensajes.clear();
        QVERIFY(principal.mnuImprimir1->isEnabled());
        alAbrirse([&](QWidget *w) {
            auto *chooser = qobject_cast<FrmTipPrnR *>(w);
            QVERIFY(chooser);
            QVERIFY(chooser->bEstadoContri);
            QCOMPARE(chooser->grdContrib->rowCount(), 1);
            chooser->ChkAnexo->setChecked(true);
            chooser->CmdImprimir[1]->click();
            chooser->CmdImprimir[2]->click();
        });
        principal.mnuImprimir1->trigger();
        qunsetenv("QX_PRINTER_PDF");
        QVERIFY2(mensajes.shown().isEmpty(), qPrintable(mensajes.shown().value(0).text));
        const QList<QSqlRecord> spool = gdbBase->select(QStringLiteral("SELECT CodRep, Archivo FROM SPOOL"));
        QCOMPARE(spool.size(), 1);
        QCOMPARE(spool.first().value(0).toString(), QStringLiteral("PR0014"));
        QStringList guion;
        QVERIFY(textfile::readLines(gsRutaRpt + spool.first().value(1).toString(), &guion));
        QCOMPARE(guion.count(QStringLiteral("pNuevaHoja")), 2);
        QVERIFY(guion.contains(QStringLiteral("pPos|370|350|Anexo 131|TRUE|10|2|")));
        QCOMPARE(guion.filter(QStringLiteral("12345678")).size(), 1);
        QCOMPARE(QDir(pdf).entryList({QStringLiteral("*.pdf")}, QDir::Files).size(), 1);

        // "&Eliminar" under "Declaraciones &Enviadas": the send goes, the saved declaration stays.
        mensajes.clear();
        mensajes.push(msg::Yes);
        alAbrirse([&](QWidget *w) {
            auto *selector = qobject_cast<FrmContAbrirEnv *>(w);
            QVERIFY(selector);
            QCOMPARE(selector->windowTitle(), QStringLiteral("Eliminar Declaraciones Enviadas"));
            selector->CmdOpciones[0]->click();
            QCOMPARE(selector->grdContrib->rowCount(), 0);
            selector->CmdOpciones[1]->click();
        });
        principal.mnuEliminar1->trigger();
        QCOMPARE(mensajes.shown().size(), 1);
        QCOMPARE(mensajes.shown().first().style, 292);
        for (const char *t : {"HCAB", "HDET", "HACTA"})
            QCOMPARE(contar(QLatin1String(t)), 0);
        QCOMPARE(contar(QStringLiteral("CAB")), 1);
        QCOMPARE(contar(QStringLiteral("DET")), 51);
        QCOMPARE(contar(QStringLiteral("ACTA")), 2);
        gdbBase.reset();
    }
};

int main(int argc, char **argv)
{
    XvfbPrueba x;
    if (!x.iniciar()) {
        std::fprintf(stderr, "Xvfb could not be started\n");
        return 1;
    }
    qputenv("DISPLAY", x.display().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    TstPrograma t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_programa.moc"
