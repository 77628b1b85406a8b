// The declaration window with its answers, tab pages, date box, help line and
// rule runs bound, driven as a user would: what a click, a page change or a
// command shows on the window and stores in the database.
#include "declaration/core/casillas/codigosdeclaracion.h"
#include "declaration/core/casillas/modelocasillas.h"
#include "declaration/ui/formadepagozrv.h"
#include "declaration/ui/frm381.h"
#include "declaration/ui/frm381reglas.h"
#include "declaration/ui/frmconsist.h"
#include "declaration/ui/grabacionventana.h"
#include "declaration/ui/maskedbox.h"
#include "declaration/ui/txtcasilla.h"
#include "platform/msgbox.h"
#include "platform/utilitario.h"
#include "shell/core/modglobal.h"
#include "../persistencia/comunpersist.h"
#include "limitetamano.h"
#include "navegadorprueba.h"
#include "shell/ui/mdifrm.h"
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlRecord>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kRuc = QStringLiteral("20100070970");
const QString kTitulo = QStringLiteral("951 Declaración Pago Anual Impuesto a la Renta");

QColor fondo(QWidget *w) { return w->palette().color(QPalette::Base); }
QColor gris() { return TxtCasilla::fColor(Color::Gris); }
QColor blanco() { return TxtCasilla::fColor(Color::Blanco); }
QColor cyan() { return TxtCasilla::fColor(Color::Cyan); }

// "OptIEAN=1": a click on option 1 of the pair.
void clic(Frm381 &w, const QString &respuesta)
{
    w.Opt(respuesta.section('=', 0, 0), respuesta.section('=', 1).toInt())->click();
}

const QStringList kTodoNo = {"OptTipoCont=0", "OptConvEstab=0", "OptIEAN=0", "OptAgraria=0", "OptRectifica=0"};

QStringList filasDet()
{
    QStringList l;
    for (const QSqlRecord &r : gdbBase->select("SELECT Casilla, i_valor FROM DET WHERE DOC_ID_D=? ORDER BY Casilla",
                                               {kRuc}))
        l << r.value(0).toString() + "=" + r.value(1).toString();
    return l;
}

// Closes the inconsistency list as soon as it is shown, keeping its text.
class CierreLista : public QObject {
public:
    CierreLista()
    {
        m_t.setInterval(10);
        QObject::connect(&m_t, &QTimer::timeout, this, [this] {
            if (auto *l = qobject_cast<FrmConsist *>(QApplication::activeModalWidget())) {
                ++veces;
                texto = l->TxtPreliminar->toPlainText();
                l->reject();
            }
        });
        m_t.start();
    }
    int veces = 0;
    QString texto;

private:
    QTimer m_t;
};

// A message shown as the real box shows it: a window of its own takes the
// activation while it is up, and when it goes nothing activates the
// declaration again (no window manager to do it). The answer comes from the
// scripted answerer installed before it.
class MensajeVisible {
public:
    MensajeVisible()
    {
        m_previo = msg::setHandler([this](const QString &texto, int estilo, const QString &titulo) {
            QMessageBox caja;
            caja.setText(texto);
            QTimer t;
            t.setInterval(5);
            QObject::connect(&t, &QTimer::timeout, &caja, [&caja] {
                if (QApplication::activeWindow() == &caja)
                    caja.accept();
            });
            t.start();
            caja.exec();
            return m_previo(texto, estilo, titulo);
        });
    }
    ~MensajeVisible() { msg::setHandler(m_previo); }

private:
    msg::Handler m_previo;
};

} // namespace

class TstFrm381Reglas : public QObject {
    Q_OBJECT
    std::unique_ptr<testdb::Entorno> m_env;
    cUtilitario m_util;

    void abrir(Frm381 &w)
    {
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
    }

    void elegirContribuyente(Frm381 &w)
    {
        for (int i = 0; i < w.CmbRuc->count(); ++i) {
            if (w.CmbRuc->itemText(i).startsWith(kRuc)) {
                w.CmbRuc->setCurrentIndex(i);
                w.CmbRuc_Click();
                return;
            }
        }
        QFAIL("taxpayer missing from the combo");
    }

    void entrarPagina(Frm381 &w, int pagina)
    {
        auto *barra = w.SSTab1->findChild<QTabBar *>();
        QVERIFY(barra);
        QTest::mouseClick(barra, Qt::LeftButton, {}, barra->tabRect(pagina).center());
    }

    // Box n typed and left, as the user does it.
    void teclear(Frm381 &w, int n, const QString &texto)
    {
        w.TxtValor_GotFocus(n);
        w.modelo()->setTexto(n, texto);
        w.TxtValor_LostFocus(n);
    }

    // A new declaration of kRuc with its telephone and the answers given.
    void cabecera(Frm381 &w, const QStringList &respuestas)
    {
        abrir(w);
        elegirContribuyente(w);
        w.modelo()->setCampo(Campos::TxtTelefono, "4412345");
        for (const QString &r : respuestas)
            clic(w, r);
    }

private slots:
    void initTestCase()
    {
        pRegistrarGrabacion();
        pRegistrarReglas();
    }

    void init()
    {
        QVERIFY(comunpersist::iniciarVentana(m_env, m_util, kRuc, QStringLiteral("EMPRESA UNO SAC")));
    }

    void cleanup()
    {
        comunpersist::terminarVentana(m_env);
    }

    void botones()
    {
        Frm381 w;
        QVERIFY(w.CmdGrabar->isEnabled());
        QVERIFY(w.CmdValidar->isEnabled());
    }

    // A click empties and closes the boxes its answer governs.
    void respuestaEnCasillas_data()
    {
        QTest::addColumn<QStringList>("clics");
        QTest::addColumn<int>("casilla");
        QTest::addColumn<QString>("antes");
        QTest::addColumn<QString>("despues");
        QTest::addColumn<bool>("habilitada");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<bool>("modificado");
        QTest::newRow("agraria no") << QStringList{"OptAgraria=1", "OptAgraria=0"} << 205 << "500" << "" << false
                                    << gris() << true;
        QTest::newRow("agraria si") << QStringList{"OptAgraria=0", "OptAgraria=1"} << 205 << "" << "" << true
                                    << blanco() << true;
        QTest::newRow("anexo si cierra 117") << QStringList{"OptIEAN=1", "OptAnexo=1"} << 117 << "1,000" << ""
                                             << false << gris() << true;
        QTest::newRow("anexo si cierra 127") << QStringList{"OptIEAN=1", "OptAnexo=1"} << 127 << "300" << ""
                                             << false << gris() << true;
        // Box 117 is recomputed from its annex rows: none gives (0).
        QTest::newRow("anexo no abre 117") << QStringList{"OptIEAN=1", "OptAnexo=1", "OptAnexo=0"} << 117 << ""
                                           << "(0)" << true << cyan() << true;
        QTest::newRow("anexo no cierra 122") << QStringList{"OptIEAN=1", "OptAnexo=1", "OptAnexo=0"} << 122
                                             << "200" << "" << false << gris() << true;
        // The domicile answer is no change of the declaration by itself.
        QTest::newRow("no domiciliado abre 100") << QStringList{"OptDomiciliado=1", "OptDomiciliado=0"} << 100
                                                 << "" << "" << true << blanco() << false;
    }

    void respuestaEnCasillas()
    {
        QFETCH(QStringList, clics);
        QFETCH(int, casilla);
        QFETCH(QString, antes);
        QFETCH(QString, despues);
        QFETCH(bool, habilitada);
        QFETCH(QColor, color);
        QFETCH(bool, modificado);
        msg::ScriptedAnswerer mensajes;
        Frm381 w;
        abrir(w);
        w.modelo()->setTexto(casilla, antes);
        w.modelo()->bModificado = false;
        for (const QString &c : clics)
            clic(w, c);
        TxtCasilla *caja = w.TxtValor(casilla);
        QCOMPARE(caja->text(), despues);
        QCOMPARE(caja->isEnabled(), habilitada);
        QCOMPARE(fondo(caja), color);
        QCOMPARE(w.modelo()->bModificado, modificado);
    }

    // "&Domiciliado" carries the result of the income statement into the tax
    // base and locks box 100.
    void domiciliado_data()
    {
        QTest::addColumn<QString>("ventas");
        QTest::addColumn<QString>("costo");
        QTest::addColumn<QString>("c100");
        QTest::addColumn<QString>("c101");
        // 334 = 2000 - 0: 505 = 2,000, 338 = (0).
        QTest::newRow("ganancia") << "2000" << "" << "2,000" << "(0)";
        // 334 = 1000 - 1500 < 0: 334 = 0, 504 = (500); 505 = 0, 338 = (500).
        QTest::newRow("perdida") << "1000" << "1500" << "0" << "(500)";
    }

    void domiciliado()
    {
        QFETCH(QString, ventas);
        QFETCH(QString, costo);
        QFETCH(QString, c100);
        QFETCH(QString, c101);
        Frm381 w;
        abrir(w);
        w.modelo()->setTexto(321, ventas);
        w.modelo()->setTexto(323, costo);
        // Not yet domiciled: the tax base is left alone.
        QCOMPARE(w.TxtValor(100)->text(), QString());
        clic(w, "OptDomiciliado=1");
        QCOMPARE(w.TxtValor(100)->text(), c100);
        QCOMPARE(w.TxtValor(101)->text(), c101);
        QVERIFY(!w.TxtValor(100)->isEnabled());
        QVERIFY(w.TxtValor(100)->isReadOnly());
        QCOMPARE(fondo(w.TxtValor(100)), gris());
        clic(w, "OptDomiciliado=0");
        QVERIFY(w.TxtValor(100)->isEnabled());
        QVERIFY(!w.TxtValor(100)->isReadOnly());
        QCOMPARE(w.TxtValor(100)->text(), c100);
    }

    // The controls of page 0 that the answers open and close.
    void controlesDePagina0()
    {
        msg::ScriptedAnswerer mensajes;
        Frm381 w;
        abrir(w);
        QVERIFY(!w.MkePeriodo->isEnabled());

        clic(w, "OptAgraria=1");
        QVERIFY(w.MkePeriodo->isEnabled());
        QVERIFY(w.Label1(9)->isEnabled());
        QCOMPARE(fondo(w.MkePeriodo), blanco());
        w.modelo()->setCampo(Campos::MkePeriodo, "15/07/1998");
        clic(w, "OptAgraria=0");
        QVERIFY(!w.MkePeriodo->isEnabled());
        QVERIFY(!w.Label1(9)->isEnabled());
        QCOMPARE(fondo(w.MkePeriodo), gris());
        QCOMPARE(w.MkePeriodo->Text(), QString("15/07/1998"));

        clic(w, "OptIEAN=1");
        QVERIFY(w.Opt("OptAnexo", 0)->isEnabled());
        QVERIFY(w.Opt("OptAnexo", 1)->isEnabled());
        QVERIFY(w.Label1(8)->isEnabled());
        QVERIFY(!w.Frame1(3)->isHidden());
        QVERIFY(w.Frame1(0)->isHidden());
        clic(w, "OptAnexo=1");
        clic(w, "OptIEAN=0");
        QVERIFY(!w.Opt("OptAnexo", 1)->isChecked());
        QVERIFY(!w.Opt("OptAnexo", 0)->isEnabled());
        QVERIFY(!w.Opt("OptAnexo", 1)->isEnabled());
        QVERIFY(!w.Label1(8)->isEnabled());
        QVERIFY(w.Frame1(3)->isHidden());
        QVERIFY(!w.Frame1(0)->isHidden());

        QVERIFY(mensajes.shown().isEmpty());
        clic(w, "OptRectifica=1");
        QCOMPARE(mensajes.shown().size(), 1);
        QCOMPARE(mensajes.shown()[0].text,
                 QString("Recuerde que debe consignar información en todas las casillas ingresadas en la "
                         "declaración original, inclusive en las de determinación de la deuda"));
        QCOMPARE(mensajes.shown()[0].style, 48);
        QCOMPARE(mensajes.shown()[0].title, kTitulo);
        QVERIFY(w.TxtNumOrden->isEnabled());
        QCOMPARE(fondo(w.TxtNumOrden), blanco());
        w.modelo()->setCampo(Campos::TxtNumOrden, "12345678");
        clic(w, "OptRectifica=0");
        QVERIFY(!w.TxtNumOrden->isEnabled());
        QCOMPARE(fondo(w.TxtNumOrden), gris());
        QCOMPARE(w.TxtNumOrden->text(), QString());
        QVERIFY(!w.Label1(10)->isEnabled());
    }

    // Entering a data page runs the header check: a failure shows its message
    // and leaves the user on page 0 with the data frames hidden.
    void paginaDeDatos_data()
    {
        QTest::addColumn<bool>("contribuyente");
        QTest::addColumn<QString>("telefono");
        QTest::addColumn<QStringList>("respuestas");
        QTest::addColumn<int>("pagina");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<int>("paginaFinal");
        QTest::addColumn<QString>("foco");
        QTest::addColumn<int>("ayuda");

        QTest::newRow("sin contribuyente") << false << "" << QStringList{} << 1
                                           << "Debe seleccionar un Contribuyente." << 0 << "CmbRuc" << 300;
        QTest::newRow("sin telefono") << true << "" << QStringList{} << 2 << "Ingrese el teléfono." << 0
                                      << "TxtTelefono" << 300;
        QTest::newRow("telefono corto") << true << "44123" << QStringList{} << 4
                                        << "Ingrese correctamente el teléfono." << 0 << "TxtTelefono" << 300;
        QTest::newRow("sin respuesta agraria") << true << "4412345" << QStringList{} << 1
                                               << "Indique si esta acogido o no a la ley de prom. agraria." << 0
                                               << "cmdCancelar" << 300;
        QTest::newRow("agraria sin fecha") << true << "4412345"
                                           << QStringList{"OptTipoCont=0", "OptConvEstab=0", "OptIEAN=0",
                                                          "OptAgraria=1", "OptRectifica=0"}
                                           << 5 << "Registre la fecha correctamente." << 0 << "MkePeriodo" << 300;
        QTest::newRow("pagina 1") << true << "4412345" << kTodoNo << 1 << "" << 1 << "TxtValor_300" << 400;
        QTest::newRow("pagina 2") << true << "4412345" << kTodoNo << 2 << "" << 2 << "TxtValor_103" << 500;
        QTest::newRow("pagina 3 sin IEAN") << true << "4412345" << kTodoNo << 3 << "" << 3 << "TxtValor_130"
                                           << 600;
        QTest::newRow("pagina 5") << true << "4412345" << kTodoNo << 5 << "" << 5 << "TxtNombreA" << 0;
    }

    void paginaDeDatos()
    {
        QFETCH(bool, contribuyente);
        QFETCH(QString, telefono);
        QFETCH(QStringList, respuestas);
        QFETCH(int, pagina);
        QFETCH(QString, mensaje);
        QFETCH(int, paginaFinal);
        QFETCH(QString, foco);
        QFETCH(int, ayuda);
        msg::ScriptedAnswerer mensajes;
        Frm381 w;
        abrir(w);
        if (contribuyente)
            elegirContribuyente(w);
        w.modelo()->setCampo(Campos::TxtTelefono, telefono);
        for (const QString &r : respuestas)
            clic(w, r);
        mensajes.clear();

        entrarPagina(w, pagina);
        if (mensaje.isEmpty()) {
            QVERIFY(mensajes.shown().isEmpty());
        } else {
            QCOMPARE(mensajes.shown().size(), 1);
            QCOMPARE(mensajes.shown()[0].text, mensaje);
            QCOMPARE(mensajes.shown()[0].style, 16);
            QCOMPARE(mensajes.shown()[0].title, kTitulo);
        }
        QCOMPARE(w.SSTab1->currentIndex(), paginaFinal);
        QCOMPARE(w.iPestana, paginaFinal);
        QCOMPARE(w.SSTab1->property("HelpContextID").toInt(), ayuda);
        // The data pages show their content only behind a valid header.
        for (int f : {1, 2, 4, 5})
            QCOMPARE(w.Frame1(f)->isHidden(), !mensaje.isEmpty());
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), foco);

        if (!mensaje.isEmpty())
            return;
        // Page 0 shows the frames again.
        entrarPagina(w, 0);
        QCOMPARE(w.SSTab1->currentIndex(), 0);
        for (int f : {1, 2, 4, 5})
            QVERIFY(!w.Frame1(f)->isHidden());
        QCOMPARE(QApplication::focusWidget(), w.TxtTelefono);
        QCOMPARE(w.SSTab1->property("HelpContextID").toInt(), 300);
    }

    // F1 shows the topic of the page in front, as the Help command shows the
    // help: the HTML page beside the help file, opened at the topic, or the
    // message that there is none. A page without a topic, or a control
    // outside the pages, leaves F1 alone.
    void teclaAyuda_data()
    {
        QTest::addColumn<int>("pagina");
        QTest::addColumn<QString>("control");   // "": where entering the page puts the focus
        QTest::addColumn<bool>("html");
        QTest::addColumn<QString>("tema");      // "": nothing opens; "mensaje": no help
        QTest::newRow("identificacion") << 0 << "TxtTelefono" << true << "300";
        QTest::newRow("estados financieros") << 1 << "" << true << "400";
        QTest::newRow("renta") << 2 << "" << true << "500";
        QTest::newRow("creditos") << 3 << "" << true << "600";
        QTest::newRow("deuda") << 4 << "" << true << "700";
        QTest::newRow("informacion adicional") << 5 << "" << true << "";
        QTest::newRow("boton fuera de las paginas") << 2 << "CmdGrabar" << true << "";
        QTest::newRow("sin pagina html") << 2 << "" << false << "mensaje";
    }

    void teclaAyuda()
    {
        QFETCH(int, pagina);
        QFETCH(QString, control);
        QFETCH(bool, html);
        QFETCH(QString, tema);
        const CarpetaAyuda ayuda(html);
        QVERIFY(ayuda.valida);
        const QString pagina951 = ayuda.html;
        NavegadorPrueba navegador;
        msg::ScriptedAnswerer mensajes;
        MDIFrm principal;
        principal.sArchivoAyuda = ayuda.hlp;

        Frm381 w;
        abrir(w);
        elegirContribuyente(w);
        w.modelo()->setCampo(Campos::TxtTelefono, "4412345");
        for (const QString &r : kTodoNo)
            clic(w, r);
        if (pagina > 0)
            entrarPagina(w, pagina);
        QCOMPARE(w.SSTab1->currentIndex(), pagina);
        if (!control.isEmpty()) {
            auto *c = w.findChild<QWidget *>(control);
            QVERIFY(c);
            c->setFocus();
        }
        QWidget *foco = QApplication::focusWidget();
        QVERIFY(foco);
        QVERIFY(w.isAncestorOf(foco));
        mensajes.clear();
        QTest::keyClick(foco, Qt::Key_F1);

        QStringList vistos;
        for (const auto &m : mensajes.shown())
            vistos << m.text;
        if (tema == "mensaje") {
            QCOMPARE(navegador.abiertas, QStringList());
            QCOMPARE(vistos, QStringList{QString::fromUtf8("La ayuda del sistema no está disponible.")});
        } else if (tema.isEmpty()) {
            QCOMPARE(navegador.abiertas, QStringList());
            QCOMPARE(vistos, QStringList());
        } else {
            QCOMPARE(navegador.abiertas, QStringList{QUrl::fromLocalFile(pagina951).toString() + "#" + tema});
            QCOMPARE(vistos, QStringList());
        }
    }

    // Leaving the date box under the agrarian answer "&Si".
    void fechaAlSalir_data()
    {
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<bool>("rechazada");
        QTest::newRow("a medias") << "1207" << true;
        QTest::newRow("vacia") << "" << true;
        // A complete date is left to the header check.
        QTest::newRow("completa") << "01072099" << false;
    }

    void fechaAlSalir()
    {
        QFETCH(QString, tecleado);
        QFETCH(bool, rechazada);
        msg::ScriptedAnswerer mensajes;
        Frm381 w;
        abrir(w);
        clic(w, "OptAgraria=1");
        w.MkePeriodo->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), w.MkePeriodo);
        w.MkePeriodo->setCursorPosition(0);
        QTest::keyClicks(w.MkePeriodo, tecleado);
        w.modelo()->bModificado = false;
        w.TxtTelefono->setFocus(Qt::TabFocusReason);
        if (rechazada) {
            QCOMPARE(mensajes.shown().size(), 1);
            QCOMPARE(mensajes.shown()[0].text, QString("La Fecha no es Válida."));
            QCOMPARE(mensajes.shown()[0].style, 16);
            QCOMPARE(QApplication::focusWidget(), w.MkePeriodo);
            QVERIFY(!w.modelo()->bModificado);
        } else {
            QVERIFY(mensajes.shown().isEmpty());
            QCOMPARE(QApplication::focusWidget(), w.TxtTelefono);
            QVERIFY(w.modelo()->bModificado);
        }
        QCOMPARE(w.SSTab1->currentIndex(), 0);
    }

    // The mouse over the background, a content frame or the rectification
    // frame puts the general line in place of a box's help.
    void ayudaDeFondo_data()
    {
        QTest::addColumn<QString>("bajo");
        QTest::addColumn<QString>("sobre");
        QTest::addColumn<bool>("general");
        QTest::newRow("ventana") << "Frm381" << "" << true;
        QTest::newRow("marco de contenido") << "Frame1_1" << "" << true;
        QTest::newRow("marco de rectificatoria") << "Frame17" << "" << true;
        // A label keeps the help of the box the mouse came from.
        QTest::newRow("descripcion de casilla") << "Frame1_1" << "lblCasilla_300" << false;
        // The tab control is no background of the window.
        QTest::newRow("pestanas") << "Frm381" << "SSTab1" << false;
    }

    void ayudaDeFondo()
    {
        QFETCH(QString, bajo);
        QFETCH(QString, sobre);
        QFETCH(bool, general);
        Frm381 w;
        abrir(w);
        {
            const QSignalBlocker b(w.SSTab1);
            w.SSTab1->setCurrentIndex(1);
        }
        w.Frame1(1)->setVisible(true);
        QApplication::processEvents();
        w.TxtValor_MouseMove(113);
        const QString ayudaCasilla = w.TxtAyuda->text();
        QVERIFY(!ayudaCasilla.isEmpty());
        QWidget *destino = bajo == w.objectName() ? &w : w.findChild<QWidget *>(bajo);
        QVERIFY(destino);
        QPoint punto(2, 2);
        if (!sobre.isEmpty()) {
            auto *c = w.findChild<QWidget *>(sobre);
            QVERIFY(c);
            punto = c->mapTo(destino, c->rect().center());
        }
        QMouseEvent mov(QEvent::MouseMove, QPointF(punto), destino->mapToGlobal(QPointF(punto)), Qt::NoButton,
                        Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(destino, &mov);
        if (!general) {
            QCOMPARE(w.TxtAyuda->text(), ayudaCasilla);
            return;
        }
        QCOMPARE(w.TxtAyuda->text(), QString("Anotar los importes en nuevos soles sin considerar centimos."));
        QCOMPARE(w.TxtAyuda1->text(), QString());
        QCOMPARE(w.TxtAyuda->palette().color(QPalette::Text), QColor(Qt::black));
    }

    // "Validar" on a declaration with only its header: the list of what is
    // missing, shown and stored; state 9.
    void validarCasiVacia()
    {
        msg::ScriptedAnswerer mensajes;
        Frm381 w;
        cabecera(w, kTodoNo);
        mensajes.clear();
        CierreLista lista;
        w.CmdValidar->click();

        QFile real(gsSysPath + "Mens.txt");
        QVERIFY(real.open(QIODevice::ReadOnly));
        QFile esperado(QStringLiteral(QX_FIXTURES "/rules/mens_casi_vacia.txt"));
        QVERIFY(esperado.open(QIODevice::ReadOnly));
        QCOMPARE(real.readAll(), esperado.readAll());
        QCOMPARE(lista.veces, 1);
        QCOMPARE(lista.texto.split('\n', Qt::SkipEmptyParts).size(), 4);
        QVERIFY(lista.texto.contains("Ingrese la forma de pago"));
        QCOMPARE(gdbBase->scalar("SELECT estado FROM CAB WHERE DOC_ID_D=?", {kRuc}).toInt(), 9);
        // A list closed without accepting ends without a final message.
        QVERIFY(mensajes.shown().isEmpty());
        QVERIFY(!w.modelo()->bModificado);
    }

    // "Validar" with no room left for the list (a full disk; here a file
    // size limit): it says the list could not be written, the earlier list
    // stays byte for byte, no empty list is shown and nothing is stored.
    void validarSinEspacioParaLaLista()
    {
        const QString mens = gsSysPath + "Mens.txt";
        const QByteArray anterior("Ingrese el Monto Invertido\r\nIngrese el número de RUC\r\n");
        {
            QFile f(mens);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QCOMPARE(f.write(anterior), anterior.size());
        }
        msg::ScriptedAnswerer mensajes;
        Frm381 w;
        cabecera(w, kTodoNo);
        mensajes.clear();
        CierreLista lista;
        {
            LimiteTamano limite(16);
            QVERIFY(limite.activo());
            w.CmdValidar->click();
        }
        QCOMPARE(mensajes.shown().size(), 1);
        QCOMPARE(mensajes.shown()[0].text,
                 "No se pudo grabar el archivo de inconsistencias " + mens
                     + ".\nLa lista de inconsistencias no se pudo escribir (el archivo pasa del tamaño permitido): "
                       "el archivo quedó como estaba y la declaración no se grabó.\n 61");
        QCOMPARE(mensajes.shown()[0].style, 16);
        QCOMPARE(mensajes.shown()[0].title, kTitulo);
        QFile real(mens);
        QVERIFY(real.open(QIODevice::ReadOnly));
        QCOMPARE(real.readAll(), anterior);
        QCOMPARE(QDir(gsSysPath).entryList({"Mens.txt*"}, QDir::Files | QDir::Hidden), QStringList{"Mens.txt"});
        QCOMPARE(lista.veces, 0);
        QCOMPARE(gdbBase->scalar("SELECT COUNT(*) FROM CAB").toInt(), 0);
        QCOMPARE(gdbBase->scalar("SELECT COUNT(*) FROM DET").toInt(), 0);
        QVERIFY(w.modelo()->bModificado);
    }

    // "&Salir" on a changed declaration, answered Yes: the validation runs
    // closing, accepts the inconsistencies without the list and the window
    // closes.
    void salirGuardando()
    {
        msg::ScriptedAnswerer mensajes({msg::Yes});
        Frm381 w;
        cabecera(w, kTodoNo);
        QVERIFY(mensajes.shown().isEmpty());
        CierreLista lista;
        w.cmdCancelar->click();
        QCOMPARE(mensajes.shown().size(), 2);
        QCOMPARE(mensajes.shown()[0].text, QString("¿El formulario ha sido modificado, desea guardar los cambios?"));
        QCOMPARE(mensajes.shown()[1].text, QString("La información del formulario fue grabada con inconsistencias.\n"
                                                   "En estas condiciones no podrá ser enviado a KAVEN."));
        QCOMPARE(mensajes.shown()[1].style, 48);
        QCOMPARE(lista.veces, 0);
        QCOMPARE(gdbBase->scalar("SELECT estado FROM CAB WHERE DOC_ID_D=?", {kRuc}).toInt(), 9);
        QVERIFY(!w.isVisible());
    }

    // A stop rule ends "Validar" on its page, with its frame and focus, and
    // nothing is stored.
    void validarParada()
    {
        msg::ScriptedAnswerer mensajes;
        Frm381 w;
        cabecera(w, kTodoNo);
        // The legal representative's RUC with a wrong check digit.
        teclear(w, 226, "20100000001");
        mensajes.clear();
        CierreLista lista;
        w.CmdValidar->click();
        QCOMPARE(mensajes.shown().size(), 1);
        QCOMPARE(mensajes.shown()[0].text, QString("El RUC no es Válido."));
        QCOMPARE(mensajes.shown()[0].style, 16);
        QCOMPARE(mensajes.shown()[0].title, kTitulo);
        QCOMPARE(w.SSTab1->currentIndex(), 5);
        QVERIFY(!w.Frame1(5)->isHidden());
        QCOMPARE(QApplication::focusWidget(), w.TxtValor(226));
        QCOMPARE(lista.veces, 0);
        QCOMPARE(gdbBase->scalar("SELECT COUNT(*) FROM CAB").toInt(), 0);
        QCOMPARE(gdbBase->scalar("SELECT COUNT(*) FROM DET").toInt(), 0);
    }

    // A page that a check of "Validar" brings forward shows its content and
    // becomes the page entered, with its help topic, as a click on its tab
    // would; the focus the check asks for reaches its box. A new declaration
    // starts with the data pages' frames hidden.
    void paginaTraidaPorUnaComprobacion_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<int>("pagina");
        QTest::addColumn<int>("ayuda");
        QTest::addColumn<QString>("foco");
        QTest::newRow("regla S6") << "S6" << "La casilla 201 no puede ser menor que la suma de las casillas 205 y 206."
                                  << 5 << 0 << "TxtValor_201";
        QTest::newRow("cheque sin numero") << "cheque" << "Debe ingresar el número de cheque." << 4 << 700 << "";
        // A stored declaration whose RUC the host component refuses, checked
        // while the user is on page 2.
        QTest::newRow("cabecera") << "cabecera" << "El RUC no es Válido." << 0 << 300 << "";
    }

    void paginaTraidaPorUnaComprobacion()
    {
        QFETCH(QString, caso);
        QFETCH(QString, mensaje);
        QFETCH(int, pagina);
        QFETCH(int, ayuda);
        QFETCH(QString, foco);
        msg::ScriptedAnswerer mensajes;
        Frm381 w;
        if (caso == "cabecera") {
            const QString ruc = "20100000001";
            gdbBase->exec("INSERT INTO CONT (Tip_doc_d, Doc_id_d, Usuario, Nombre, Tipo_Ingreso) VALUES (6, ?, 'USUARIO1', 'OTRA SA', 1)",
                          {ruc});
            gdbBase->exec("INSERT INTO CAB (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, estado, cNumero) VALUES (?, 6, '1998', '0951', 9, '111111')",
                          {ruc});
            for (auto [c, v] : {std::pair{"028", "4412345"}, {"995", "0"}, {"994", "0"}, {"991", "0"}, {"993", "0"},
                                {"989", "0"}, {"988", "0"}, {"100", "1000"}})
                gdbBase->exec("INSERT INTO DET (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, Casilla, i_valor) VALUES (?, 6, '1998', '0951', ?, ?)",
                              {ruc, c, v});
            w.iAccion = 1;
            w.sRuc = ruc;
            w.sRazon = "OTRA SA";
            abrir(w);
            entrarPagina(w, 2);
            QCOMPARE(w.iPestana, 2);
            QVERIFY(mensajes.shown().isEmpty());
        } else if (caso == "S6") {
            cabecera(w, {"OptTipoCont=0", "OptConvEstab=0", "OptIEAN=0", "OptAgraria=1", "OptRectifica=0"});
            w.modelo()->setCampo(Campos::MkePeriodo, "15/07/1998");
            teclear(w, 201, "100");
            teclear(w, 205, "200");
        } else {
            cabecera(w, kTodoNo);
            for (QRadioButton *b : w.FormaDePagoZRV1->findChildren<QRadioButton *>()) {
                if (b->text() == "Cheque")
                    b->click();
            }
            auto *bancos = w.FormaDePagoZRV1->findChild<QComboBox *>("banco");
            bancos->setCurrentIndex(bancos->findData("02"));
        }
        if (caso != "cabecera") {
            QVERIFY(w.Frame1(pagina)->isHidden());
            QCOMPARE(w.iPestana, 0);
        }
        mensajes.clear();
        CierreLista lista;
        w.CmdValidar->click();

        QVERIFY(!mensajes.shown().isEmpty());
        QCOMPARE(mensajes.shown()[0].text, mensaje);
        QCOMPARE(w.SSTab1->currentIndex(), pagina);
        for (int f : {1, 2, 4, 5})
            QVERIFY2(!w.Frame1(f)->isHidden(), qPrintable(QString::number(f)));
        QCOMPARE(w.iPestana, pagina);
        QCOMPARE(w.SSTab1->property("HelpContextID").toInt(), ayuda);
        if (!foco.isEmpty()) {
            QVERIFY(QApplication::focusWidget());
            QCOMPARE(QApplication::focusWidget()->objectName(), foco);
        }
        // Activated again (back from a message or a list), the window keeps
        // the page's help topic.
        w.Form_Activate();
        QCOMPARE(w.SSTab1->property("HelpContextID").toInt(), ayuda);
    }

    // "Grabar" of a complete declaration, paid in cash or by cheque through
    // the payment control: the silent run decides the state.
    void grabar_data()
    {
        QTest::addColumn<QString>("forma");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<int>("estado");
        QTest::newRow("efectivo") << "E" << "" << 0;
        QTest::newRow("cheque") << "C" << "123456" << 0;
        QTest::newRow("cheque sin numero") << "C" << "" << 9;
    }

    void grabar()
    {
        QFETCH(QString, forma);
        QFETCH(QString, numero);
        QFETCH(int, estado);
        msg::ScriptedAnswerer mensajes;
        Frm381 w;
        cabecera(w, kTodoNo);
        // Balance sheet: assets 1,000 = liabilities 400 + equity 600.
        for (auto [n, t] : {std::pair{300, "1000"}, {306, "400"}, {312, "600"}, {180, "100"}, {225, "12345678"}})
            teclear(w, n, t);
        QCOMPARE(w.TxtValor(500)->text(), QString("1,000"));
        QCOMPARE(w.TxtValor(502)->text(), QString("1,000"));
        w.modelo()->setCampo(Campos::TxtNombre1A, "PEREZ");
        w.modelo()->setCampo(Campos::TxtNombre1N, "JUAN");
        auto *pago = w.FormaDePagoZRV1;
        for (QRadioButton *b : pago->findChildren<QRadioButton *>()) {
            if (b->text() == (forma == "E" ? "Efectivo" : "Cheque"))
                b->click();
        }
        QCOMPARE(w.modelo()->campo(Campos::FormaPago), forma);
        if (forma == "C") {
            auto *bancos = pago->findChild<QComboBox *>("banco");
            bancos->setCurrentIndex(bancos->findData("02"));
            QTest::keyClicks(pago->findChild<QLineEdit *>("numcheque"), numero);
        }
        mensajes.clear();
        w.CmdGrabar->click();

        const QList<QSqlRecord> cab =
            gdbBase->select("SELECT estado, bcolibrad, nrocheque FROM CAB WHERE DOC_ID_D=?", {kRuc});
        QCOMPARE(cab.size(), 1);
        QCOMPARE(cab[0].value(0).toInt(), estado);
        if (forma == "C") {
            QCOMPARE(cab[0].value(1).toString(), QString("02"));
            QCOMPARE(cab[0].value(2).toString(), numero);
        }
        QVERIFY(filasDet().contains("987=" + forma));
        QCOMPARE(mensajes.shown().size(), 1);
        QCOMPARE(mensajes.shown()[0].text, estado == 0 ? QString("Grabada") : QString("Grabada con inconsistencias"));
    }

    // A declaration saved by the window and opened again: its answers,
    // selected as clicks, re-establish the open and closed boxes, and saving
    // it unchanged stores the same rows.
    void idaYVuelta()
    {
        msg::ScriptedAnswerer mensajes;
        QStringList antes;
        {
            Frm381 w;
            cabecera(w, {"OptTipoCont=0", "OptConvEstab=0", "OptIEAN=1", "OptAnexo=0", "OptAgraria=0",
                         "OptRectifica=1", "OptDomiciliado=1"});
            w.modelo()->setCampo(Campos::TxtNumOrden, "12345678");
            for (auto [n, t] : {std::pair{300, "1000"}, {306, "400"}, {312, "600"}, {321, "5000"}, {114, "300"},
                                {180, "100"}, {225, "12345678"}})
                teclear(w, n, t);
            QCOMPARE(w.TxtValor(100)->text(), QString("5,000"));
            w.CmdGrabar->click();
            antes = filasDet();
            QVERIFY(antes.contains("100=5000"));
            QVERIFY(antes.contains("988=1"));
            QVERIFY(antes.contains("005=12345678"));
            w.modelo()->bModificado = false;
            w.reject();
        }
        mensajes.clear();
        Frm381 w;
        w.iAccion = 1;
        w.sRuc = kRuc;
        w.sRazon = "EMPRESA UNO SAC";
        abrir(w);
        QVERIFY(!w.modelo()->bModificado);
        QVERIFY(w.Opt("OptIEAN", 1)->isChecked());
        QVERIFY(w.Opt("OptAnexo", 0)->isChecked());
        QVERIFY(w.Opt("OptDomiciliado", 1)->isChecked());
        // Domiciled: 100 closed; IEAN without the annex: 114 and 117 open, 120 closed.
        QVERIFY(!w.TxtValor(100)->isEnabled());
        QCOMPARE(w.TxtValor(100)->text(), QString("5,000"));
        QVERIFY(w.TxtValor(114)->isEnabled());
        QCOMPARE(fondo(w.TxtValor(117)), cyan());
        QVERIFY(!w.TxtValor(120)->isEnabled());
        QVERIFY(w.TxtValor(127)->isEnabled());
        QVERIFY(!w.Frame1(3)->isHidden());
        QVERIFY(w.Frame1(0)->isHidden());
        QVERIFY(w.Opt("OptAnexo", 1)->isEnabled());
        QVERIFY(!w.MkePeriodo->isEnabled());
        // Rectifying: the order number open; no reminder while loading.
        QVERIFY(w.TxtNumOrden->isEnabled());
        QCOMPARE(w.TxtNumOrden->text(), QString("12345678"));
        QVERIFY(mensajes.shown().isEmpty());
        w.CmdGrabar->click();
        QCOMPARE(mensajes.shown().size(), 1);
        QCOMPARE(filasDet(), antes);
        w.modelo()->bModificado = false;
    }

    // A box typed past its cap: the message takes the activation from the
    // window and nothing gives it back; the click that leaves the box gives
    // the focus to another control first and activates the window after (as
    // a click does under X without a window manager). The box is left all
    // the same: it shows its cap in parentheses and is stored negative.
    // Box 100 = 12,000: 110 = 12,000, 113 = 3,600, cap = 12,000 x 0.1 x
    // 3,600 / 12,000 = 360; box 100 = 32,000: 113 = 9,600, cap 960.
    void topeAlSalir_data()
    {
        QTest::addColumn<QStringList>("respuestas");
        QTest::addColumn<QString>("base");
        QTest::addColumn<int>("casilla");
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<QString>("tope");
        QTest::addColumn<QString>("clic");
        const QStringList ieanSi = {"OptTipoCont=0", "OptConvEstab=0", "OptIEAN=1", "OptAnexo=0",
                                    "OptAgraria=0", "OptRectifica=0"};
        QTest::newRow("132 y clic en 133") << kTodoNo << "12000" << 132 << "500" << "360" << "TxtValor_133";
        QTest::newRow("124 y clic en 127") << ieanSi << "32000" << 124 << "1000" << "960" << "TxtValor_127";
        QTest::newRow("132 y Grabar") << kTodoNo << "12000" << 132 << "500" << "360" << "CmdGrabar";
    }

    void topeAlSalir()
    {
        QFETCH(QStringList, respuestas);
        QFETCH(QString, base);
        QFETCH(int, casilla);
        QFETCH(QString, tecleado);
        QFETCH(QString, tope);
        QFETCH(QString, clic);
        msg::ScriptedAnswerer mensajes;
        Frm381 w;
        cabecera(w, respuestas);
        teclear(w, 100, base);
        QCOMPARE(w.TxtValor(113)->text(), casilla == 132 ? QString("3,600") : QString("9,600"));
        entrarPagina(w, 3);
        QCOMPARE(w.SSTab1->currentIndex(), 3);
        mensajes.clear();

        MensajeVisible visible;
        TxtCasilla *caja = w.TxtValor(casilla);
        QTest::mouseClick(caja, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), caja);
        QTest::keyClicks(caja, tecleado);
        QCOMPARE(mensajes.shown().size(), 1);
        QCOMPARE(mensajes.shown()[0].text, QString("El monto de la casilla %1 no debe ser mayor que la tasa media "
                                                   "del Contribuyente: \n%2").arg(casilla).arg(tope));
        QCOMPARE(mensajes.shown()[0].style, 16);
        QCOMPARE(caja->text(), tope);
        QVERIFY(!w.isActiveWindow());

        QWidget *destino = w.findChild<QWidget *>(clic);
        QVERIFY(destino);
        QTest::mouseClick(destino, Qt::LeftButton);
        if (clic != "CmdGrabar") {
            w.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&w));
            QCOMPARE(QApplication::focusWidget(), destino);
            QCOMPARE(caja->text(), "(" + tope + ")");
            w.CmdGrabar->click();
        }
        QCOMPARE(caja->text(), "(" + tope + ")");
        QVERIFY2(filasDet().contains(QString("%1=-%2").arg(casilla).arg(tope)), qPrintable(filasDet().join(' ')));
        w.modelo()->bModificado = false;
    }

    // Entering a subtracted box holding "(0)": a typed one shows its digits;
    // box 131 without IEAN is summed again from its annex by the change of
    // its text, which writes the total back in parentheses.
    void entrarRestadaEnCero_data()
    {
        QTest::addColumn<int>("casilla");
        QTest::addColumn<QString>("alEntrar");
        QTest::newRow("130") << 130 << "0";
        QTest::newRow("132") << 132 << "0";
        QTest::newRow("131 anexo") << 131 << "(0)";
    }

    void entrarRestadaEnCero()
    {
        QFETCH(int, casilla);
        QFETCH(QString, alEntrar);
        msg::ScriptedAnswerer mensajes;
        Frm381 w;
        cabecera(w, kTodoNo);
        w.modelo()->setTexto(casilla, "(0)");
        w.TxtValor_GotFocus(casilla);
        QCOMPARE(w.modelo()->texto(casilla), alEntrar);
        QCOMPARE(w.modelo()->maxLength(casilla), casilla == 131 ? 17 : 12);
        w.modelo()->bModificado = false;
    }

    // After the exclusive-pair message nothing activates the window again:
    // ENTER still moves on from the box it was typed in.
    void enterTrasMensaje()
    {
        msg::ScriptedAnswerer mensajes({msg::OK});
        Frm381 w;
        cabecera(w, kTodoNo);
        entrarPagina(w, 5);
        QCOMPARE(w.SSTab1->currentIndex(), 5);
        w.modelo()->setTexto(212, "123");
        mensajes.clear();

        MensajeVisible visible;
        TxtCasilla *c211 = w.TxtValor(211);
        QTest::mouseClick(c211, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), c211);
        QTest::keyClicks(c211, "4");
        QCOMPARE(mensajes.shown().size(), 1);
        QCOMPARE(mensajes.shown()[0].text,
                 QString("Las casillas 211 y 212 son excluyentes, si desea registrar información en la casilla "
                         "211 debe eliminar la información registrada en la 212."));
        QCOMPARE(w.TxtValor(212)->text(), QString());
        QVERIFY(!w.isActiveWindow());
        QCOMPARE(w.focusWidget(), c211);

        QTest::keyClicks(c211, "5");
        QTest::keyClick(c211, Qt::Key_Return);
        QTRY_COMPARE(w.focusWidget(), w.TxtValor(212));
        QCOMPARE(c211->text(), QString("45"));
        w.modelo()->bModificado = false;
    }
};

QTEST_MAIN(TstFrm381Reglas)
#include "tst_frm381reglas.moc"
