// The declaration window driven as a user would: taxpayer combo, refusal of a
// taxpayer with a stored declaration, boxes typed, pasted and left, ENTER.
#include "declaration/core/casillas/codigosdeclaracion.h"
#include "declaration/core/respuestas/identificacion.h"
#include "declaration/core/casillas/modelocasillas.h"
#include "declaration/ui/frm381.h"
#include "declaration/ui/maskedbox.h"
#include "declaration/ui/pnuevadeclaracion.h"
#include "shell/ui/barradeestadozrv.h"
#include "shell/core/errorejecucion.h"
#include "shell/ui/mdifrm.h"
#include "shell/ui/modventanas.h"
#include "shell/ui/registroventanas.h"
#include "declaration/ui/txtcasilla.h"
#include "platform/msgbox.h"
#include "shell/core/modglobal.h"
#include "importespegados.h"
#include "testdb.h"
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

namespace {

const QString RucA = QStringLiteral("20100070970");
const QString RucB = QStringLiteral("20131312955");

// Types each character as a key with its text (accented letters included).
void teclear(QWidget *w, const QString &texto)
{
    for (QChar c : texto) {
        const int clave = c.unicode() < 128 ? QChar(c).toUpper().unicode() : int(Qt::Key_unknown);
        QKeyEvent pulsa(QEvent::KeyPress, clave, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &pulsa);
        QKeyEvent suelta(QEvent::KeyRelease, clave, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &suelta);
    }
}

} // namespace

class TstFrm381 : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void comboDeContribuyentes();
    void contribuyenteAceptado();
    void contribuyenteConDeclaracionRechazado();
    void nuevoEmpiezaVacio();
    void zonas();
    void teclasEnCasillas_data();
    void teclasEnCasillas();
    void teclasEnIdentificacion_data();
    void teclasEnIdentificacion();
    void pegadoFiltrado();
    void importesPegados_data();
    void importesPegados();
    void nombresPegados_data();
    void nombresPegados();
    void fechaClicEnCajaVacia();
    void largoRechazadoAlEntrar();
    void textoLargoDesdeCodigoSeConserva();
    void formatosAlEntrarYSalir();
    void enter_data();
    void enter();
    void anexoSinAsistente();
    void ayudaDeCasilla();
    void modificar();
    void pagina3DosMarcos();
    void abridor();
    void barraDeEstado();
    void barraDeEstadoTrasGrabar();
    void activacionTrasCerrar();
    void clicSobreFondo();
    void focoAlActivar_data();
    void focoAlActivar();
    void opciones();
    void flechasEnOpciones_data();
    void flechasEnOpciones();
    void comboRucNoSeMueve();
    void tamanoFijo_data();
    void tamanoFijo();

private:
    void mostrar(Frm381 &w, int pagina);
    std::unique_ptr<testdb::Entorno> m_env;
};

void TstFrm381::init()
{
    m_env = std::make_unique<testdb::Entorno>();
    QVERIFY(m_env->valido());
    gdbBase = m_env->abrir();
    gsUsuario = QStringLiteral("USUARIO1");
    gsPeriodo = QStringLiteral("1998");
    gsFormulario = QStringLiteral("0951");
    Database &db = *gdbBase;
    db.exec("INSERT INTO CLAVES (Usuario, Tipo) VALUES (?, ?)", {"USUARIO1", "1"});
    const QString ins = "INSERT INTO CONT (Tip_doc_d, Doc_id_d, Usuario, Nombre, Tipo_Ingreso) VALUES (6, ?, ?, ?, 1)";
    db.exec(ins, {RucA, "USUARIO1", "EMPRESA UNO SAC"});
    db.exec(ins, {RucB, "USUARIO1", "COMERCIAL DOS SA"});
    db.exec(ins, {"12345678", "USUARIO1", "ANTIGUA SRL"});
    db.exec(ins, {"20999999999", "OTRO", "DE OTRO USUARIO"});
    db.exec("INSERT INTO CAB (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, cNumero) VALUES (?, 6, ?, ?, ?)",
            {RucB, "1998", "0951", "123456"});
    db.exec("INSERT INTO PARAM (NUMERO, ARGUMENTO, FUNCION) VALUES ('030', ?, ?)", {"01", "LIMA Y CALLAO"});
    db.exec("INSERT INTO PARAM (NUMERO, ARGUMENTO, FUNCION) VALUES ('030', ?, ?)",
            {"05", "AREQUIPA DEL SUR Y MAS"});
}

void TstFrm381::cleanup()
{
    gdbBase.reset();
    m_env.reset();
}

void TstFrm381::mostrar(Frm381 &w, int pagina)
{
    for (int i = 0; i < 6; ++i)
        w.Frame1(i)->setVisible(i != 0);
    w.SSTab1->setCurrentIndex(pagina);
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QApplication::processEvents();
}

void TstFrm381::comboDeContribuyentes()
{
    Frm381 w;
    w.iAccion = 0;
    w.Form_Load();
    // The user's taxpayers ordered by document number: RUC, 7 blanks, name.
    QCOMPARE(w.CmbRuc->count(), 3);
    QCOMPARE(w.CmbRuc->itemText(0), QString("12345678       ANTIGUA SRL"));
    QCOMPARE(w.CmbRuc->itemText(1), QString("20100070970       EMPRESA UNO SAC"));
    QCOMPARE(w.CmbRuc->currentIndex(), -1);
    // The old 8-digit RUC puts the name at position 16 exactly.
    QCOMPARE(w.CmbRuc->itemText(0).indexOf("ANTIGUA"), 15);
    QCOMPARE(Identificacion::fRucDeItem(w.CmbRuc->itemText(1)), RucA);
    QCOMPARE(Identificacion::fNombreDeItem(w.CmbRuc->itemText(1)), QString("EMPRESA UNO SAC"));
    QCOMPARE(Identificacion::fRucDeItem(w.CmbRuc->itemText(0)), QString("12345678"));
    QCOMPARE(Identificacion::fNombreDeItem(w.CmbRuc->itemText(0)), QString("ANTIGUA SRL"));
    // New mode: combo in place of the RUC box, order number and date closed.
    QVERIFY(!w.TxtNumRuc->isVisibleTo(&w));
    QVERIFY(w.CmbRuc->isEnabled());
    QVERIFY(!w.TxtNumOrden->isEnabled());
    QVERIFY(!w.MkePeriodo->isEnabled());
    QVERIFY(!w.Opt("OptAnexo", 0)->isEnabled());
    QVERIFY(!w.Opt("OptAnexo", 1)->isEnabled());
    QVERIFY(!w.Label1(8)->isEnabled());
    QVERIFY(!w.modelo()->bModificado);
    QVERIFY(!w.modelo()->bCargando);
    QCOMPARE(w.modelo()->campo(Campos::FormaPago), QString("X"));
    QCOMPARE(w.aCasillas.size(), 97);
}

void TstFrm381::contribuyenteAceptado()
{
    msg::ScriptedAnswerer respuestas;
    Frm381 w;
    w.Form_Load();
    w.CmbRuc->setCurrentIndex(1);
    w.CmbRuc_Click();
    QVERIFY(respuestas.shown().isEmpty());
    QCOMPARE(w.sPuedeRegistrar, QString("S"));
    QCOMPARE(w.sRuc, RucA);
    QCOMPARE(w.modelo()->campo(Campos::sRuc), RucA);
    QCOMPARE(w.TxtRazon->text(), QString("EMPRESA UNO SAC"));
    QVERIFY(w.modelo()->bModificado);
}

void TstFrm381::contribuyenteConDeclaracionRechazado()
{
    msg::ScriptedAnswerer respuestas;
    Frm381 w;
    w.Form_Load();
    w.CmbRuc->setCurrentIndex(1);
    w.CmbRuc_Click();
    QCOMPARE(w.sRuc, RucA);
    w.SSTab1->setCurrentIndex(2);

    w.CmbRuc->setCurrentIndex(2);   // COMERCIAL DOS SA has a CAB row
    w.CmbRuc_Click();
    QCOMPARE(respuestas.shown().size(), 1);
    QCOMPARE(respuestas.shown().at(0).text,
             QString::fromUtf8("La declaración que desea registrar ya existe, elija la opción modificar "
                               "declaración o elija otro contribuyente."));
    QCOMPARE(respuestas.shown().at(0).style, 16);
    QCOMPARE(respuestas.shown().at(0).title, QString::fromUtf8("951 Declaración Pago Anual Impuesto a la Renta"));
    QCOMPARE(w.sPuedeRegistrar, QString("N"));
    QCOMPARE(w.sRuc, QString());
    QCOMPARE(w.modelo()->campo(Campos::sRuc), QString());
    QCOMPARE(w.SSTab1->currentIndex(), 0);
    for (int i : {1, 2, 4, 5})
        QVERIFY(w.Frame1(i)->isHidden());
}

void TstFrm381::nuevoEmpiezaVacio()
{
    // A declaration stored for A: choosing B afterwards must not show A's boxes.
    gdbBase->exec("INSERT INTO DET (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, Casilla, i_valor, idcasilla, cNumero)"
                  " VALUES (?, 6, '1998', '0951', '300', '5000', '01', '1')",
                  {RucA});
    msg::ScriptedAnswerer respuestas;
    Frm381 w;
    bool cargo = false;
    w.pCargarCasillas = [&cargo](Frm381 &) { cargo = true; return true; };
    w.Form_Load();
    w.CmbRuc->setCurrentIndex(1);
    w.CmbRuc_Click();
    w.modelo()->setTexto(300, "5,000");
    w.modelo()->setTexto(145, "(100)");
    w.CmbRuc->setCurrentIndex(0);
    w.CmbRuc_Click();
    QVERIFY(!cargo);
    QCOMPARE(w.modelo()->texto(300), QString());
    QCOMPARE(w.modelo()->texto(145), QString());
    QCOMPARE(w.TxtValor(300)->text(), QString());
}

void TstFrm381::zonas()
{
    Frm381 w;
    w.Form_Load();
    QCOMPARE(w.CmbZona->count(), 2);
    // The zone name's first 15 characters, 100 blanks, the code.
    QCOMPARE(w.CmbZona->itemText(1), QString("AREQUIPA DEL SU") + QString(100, ' ') + "05");
    w.CmbZona->setCurrentIndex(1);
    w.CmbZona_Click();
    QCOMPARE(w.modelo()->texto(208), QString("05"));
    QCOMPARE(w.TxtValor(208)->text(), QString("05"));
}

// Columns: box, keys typed, text in the store.
void TstFrm381::teclasEnCasillas_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("teclas");
    QTest::addColumn<QString>("texto");
    QTest::newRow("importe") << 103 << "12a3,-" << "123";
    QTest::newRow("restada") << 123 << "5x00" << "500";
    QTest::newRow("codigo") << 203 << "20A1" << "201";
    QTest::newRow("137") << 137 << "312" << "1";
    QTest::newRow("libre mayusculas") << 211 << "ab-1,c" << "AB-1C";
    QTest::newRow("libre otra") << 225 << "le 12/3.x" << "LE 12/3.X";
}

void TstFrm381::teclasEnCasillas()
{
    QFETCH(int, n);
    QFETCH(QString, teclas);
    QFETCH(QString, texto);
    msg::ScriptedAnswerer respuestas;
    Frm381 w;
    w.Form_Load();
    w.modelo()->setHabilitada(137, true);
    mostrar(w, n == 137 ? 4 : n == 103 ? 2 : n == 123 ? 3 : 5);
    w.TxtValor(n)->setFocus();
    QApplication::processEvents();
    QVERIFY(!w.modelo()->bModificado);
    int cambios = 0;
    connect(w.modelo(), &ModeloCasillas::textoCambiado, this, [&cambios, n](int c) { cambios += c == n; });
    teclear(w.TxtValor(n), teclas);
    QCOMPARE(w.modelo()->texto(n), texto);
    // A refused key changes nothing: one change per character kept.
    QCOMPARE(cambios, int(texto.size()));
    QCOMPARE(w.TxtValor(n)->text(), texto);
    QVERIFY(w.modelo()->bModificado);
}

void TstFrm381::teclasEnIdentificacion_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("teclas");
    QTest::addColumn<QString>("texto");
    QTest::newRow("apellidos") << "TxtNombreA" << QString::fromUtf8("pérez ñ2-") << "PEREZ N2";
    QTest::newRow("acentos") << "TxtNombreN" << QString::fromUtf8("PÉREZ GONZÁLES") << "PEREZ GONZALES";
    QTest::newRow("enie") << "TxtNombre1A" << QString::fromUtf8("NÚÑEZ MÜLLER") << "NUNEZ MULLER";
    QTest::newRow("nombres rep") << "TxtNombre1N" << "ana" << "ANA";
    QTest::newRow("telefono") << "TxtTelefono" << "44-55a6" << "44556";
    QTest::newRow("orden") << "TxtNumOrden" << "12 34" << "1234";
}

void TstFrm381::teclasEnIdentificacion()
{
    QFETCH(QString, control);
    QFETCH(QString, teclas);
    QFETCH(QString, texto);
    Frm381 w;
    w.Form_Load();
    auto *t = w.findChild<TxtFiltrada *>(control);
    QVERIFY(t);
    t->setEnabled(true);
    mostrar(w, control.startsWith("TxtNombre") ? 5 : 0);
    t->setFocus();
    teclear(t, teclas);
    QCOMPARE(w.modelo()->campo(control), texto);
    QVERIFY(w.modelo()->bModificado);
}

void TstFrm381::pegadoFiltrado()
{
    Frm381 w;
    w.Form_Load();
    mostrar(w, 2);
    TxtCasilla *c = w.TxtValor(103);
    c->setFocus();
    // A text with a letter is no amount: refused whole, not filtered.
    QVERIFY(!c->pegar("12a"));
    QCOMPARE(w.modelo()->texto(103), QString());
    QVERIFY(c->pegar("12"));
    QCOMPARE(w.modelo()->texto(103), QString("12"));
    QVERIFY(!c->pegar("abc"));
    QCOMPARE(w.modelo()->texto(103), QString("12"));

    // The clipboard shortcut reads the same way and inserts at the cursor.
    QApplication::clipboard()->setText("3,4x");
    if (QApplication::clipboard()->text() == "3,4x") {
        QTest::keySequence(c, QKeySequence::Paste);
        QCOMPARE(w.modelo()->texto(103), QString("12"));
        QApplication::clipboard()->setText("34");
        QTest::keySequence(c, QKeySequence::Paste);
        QCOMPARE(w.modelo()->texto(103), QString("1234"));
    }
}

// An amount pasted with the clipboard shortcut over the whole text of an
// ordinary and of a subtracted box.
void TstFrm381::importesPegados_data()
{
    importespegados::filas();
}

void TstFrm381::importesPegados()
{
    QFETCH(QString, pegado);
    QFETCH(QString, plana);
    QFETCH(QString, restada);
    Frm381 w;
    w.Form_Load();
    mostrar(w, 2);
    QApplication::clipboard()->setText(pegado);
    QCOMPARE(QApplication::clipboard()->text(), pegado);
    const QList<QPair<int, QString>> casillas{{103, plana}, {105, restada}};
    for (const auto &[n, esperado] : casillas) {
        TxtCasilla *c = w.TxtValor(n);
        c->setFocus();
        QApplication::processEvents();
        QTRY_VERIFY(c->hasFocus());
        w.modelo()->setTexto(n, importespegados::kAntes);
        c->selectAll();
        QTest::keySequence(c, QKeySequence::Paste);
        QCOMPARE(w.modelo()->texto(n), esperado);
        QCOMPARE(c->text(), esperado);
    }
}

// A name pasted, or committed by an input method, keeps its accented letters
// as their plain letters, as typing does.
void TstFrm381::nombresPegados_data()
{
    QTest::addColumn<bool>("metodoEntrada");
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<QString>("texto");
    QTest::newRow("pegado") << false << QString::fromUtf8("Núñez-Peña º") << "NUNEZPENA ";
    QTest::newRow("metodo de entrada") << true << QString::fromUtf8("é") << "E";
}

void TstFrm381::nombresPegados()
{
    QFETCH(bool, metodoEntrada);
    QFETCH(QString, entrada);
    QFETCH(QString, texto);
    Frm381 w;
    w.Form_Load();
    mostrar(w, 5);
    auto *t = w.findChild<TxtFiltrada *>("TxtNombreA");
    QVERIFY(t);
    t->setFocus();
    if (metodoEntrada) {
        QInputMethodEvent e;
        e.setCommitString(entrada);
        QApplication::sendEvent(t, &e);
    } else {
        QVERIFY(t->pegar(entrada));
    }
    QCOMPARE(t->text(), texto);
    QCOMPARE(w.modelo()->campo(Campos::TxtNombreA), texto);
}

// A click into the empty date box starts the date at its first position,
// wherever it falls; once something is typed the click places the cursor.
void TstFrm381::fechaClicEnCajaVacia()
{
    Frm381 w;
    w.Form_Load();
    mostrar(w, 0);
    MaskEdBox *f = w.MkePeriodo;
    f->setEnabled(true);
    const QPoint derecha(f->width() - 6, f->height() / 2);
    QTest::mouseClick(f, Qt::LeftButton, {}, derecha);
    QCOMPARE(QApplication::focusWidget(), f);
    QCOMPARE(f->cursorPosition(), 0);
    QTest::keyClicks(f, "31121998");
    QCOMPARE(f->Text(), QString("31/12/1998"));
    QCOMPARE(w.modelo()->campo(Campos::MkePeriodo), QString("31/12/1998"));
    QTest::mouseClick(f, Qt::LeftButton, {}, QPoint(3, f->height() / 2));
    QTest::mouseClick(f, Qt::LeftButton, {}, derecha);
    QVERIFY(f->cursorPosition() > 0);
}

void TstFrm381::largoRechazadoAlEntrar()
{
    Frm381 w;
    w.Form_Load();
    mostrar(w, 2);
    TxtCasilla *c = w.TxtValor(103);
    c->setFocus();
    QApplication::processEvents();
    QCOMPARE(w.modelo()->maxLength(103), 12);
    teclear(c, "1234567890123");
    QCOMPARE(w.modelo()->texto(103), QString("123456789012"));
    // A paste that would go past the length is refused whole.
    w.modelo()->setTexto(103, "1234567890");
    QVERIFY(!c->pegar("123"));
    QCOMPARE(w.modelo()->texto(103), QString("1234567890"));
    QVERIFY(c->pegar("12"));
    QCOMPARE(w.modelo()->texto(103), QString("123456789012"));
}

void TstFrm381::textoLargoDesdeCodigoSeConserva()
{
    Frm381 w;
    w.Form_Load();
    w.modelo()->setMaxLength(500, 12);
    w.modelo()->setTexto(500, "1,234,567,890,123");
    QCOMPARE(w.TxtValor(500)->text(), QString("1,234,567,890,123"));
}

void TstFrm381::formatosAlEntrarYSalir()
{
    Frm381 w;
    w.Form_Load();
    mostrar(w, 2);
    w.TxtValor(103)->setFocus();
    QApplication::processEvents();
    teclear(w.TxtValor(103), "1250");
    w.TxtValor(105)->setFocus();
    QApplication::processEvents();
    QCOMPARE(w.TxtValor(103)->text(), QString("1,250"));
    teclear(w.TxtValor(105), "500");
    w.TxtValor(103)->setFocus();
    QApplication::processEvents();
    QCOMPARE(w.TxtValor(105)->text(), QString("(500)"));
    QCOMPARE(w.modelo()->texto(105), QString("(500)"));
    QCOMPARE(w.TxtValor(103)->text(), QString("1250"));
    QCOMPARE(w.modelo()->maxLength(105), 17);
}

// Columns: page, box, 113 enabled, box that has the focus after ENTER.
void TstFrm381::enter_data()
{
    QTest::addColumn<int>("pagina");
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("habilitada113");
    QTest::addColumn<int>("destino");
    QTest::newRow("340 a 300") << 1 << 340 << true << 300;
    QTest::newRow("108 a 103") << 2 << 108 << false << 103;
    QTest::newRow("108 siguiente") << 2 << 108 << true << 110;
    QTest::newRow("103 siguiente") << 2 << 103 << true << 105;
    QTest::newRow("113 quieto") << 2 << 113 << true << 113;
    QTest::newRow("131 quieto") << 3 << 131 << true << 131;
}

void TstFrm381::enter()
{
    QFETCH(int, pagina);
    QFETCH(int, n);
    QFETCH(bool, habilitada113);
    QFETCH(int, destino);
    msg::ScriptedAnswerer respuestas;
    Frm381 w;
    w.Form_Load();
    w.modelo()->setCampo("OptIEAN", "1");
    w.modelo()->setCampo("OptAnexo", "1");
    mostrar(w, pagina);
    if (n == 131) {
        w.Frame1(3)->setVisible(false);
        w.Frame1(0)->setVisible(true);
    }
    w.modelo()->setHabilitada(113, habilitada113);
    w.TxtValor(n)->setFocus();
    QApplication::processEvents();
    QCOMPARE(QApplication::focusWidget(), w.TxtValor(n));
    QTest::keyClick(w.TxtValor(n), Qt::Key_Return);
    QApplication::processEvents();
    QApplication::processEvents();
    QCOMPARE(QApplication::focusWidget(), w.TxtValor(destino));
    // ENTER is never typed into a box.
    QCOMPARE(w.modelo()->texto(n).contains('\r'), false);
    QVERIFY(w.isVisible());
}

void TstFrm381::anexoSinAsistente()
{
    // No calculator window registered: the box is left as it was.
    Frm381 w;
    w.Form_Load();
    w.modelo()->setCampo("OptIEAN", "1");
    w.modelo()->setCampo("OptAnexo", "0");
    mostrar(w, 3);
    w.TxtValor(117)->setFocus();
    QApplication::processEvents();
    teclear(w.TxtValor(117), "5");
    QCOMPARE(w.modelo()->texto(117), QString());
    QVERIFY(w.modelo()->bModificado);
}

void TstFrm381::ayudaDeCasilla()
{
    Frm381 w;
    w.Form_Load();
    w.TxtValor_MouseMove(113);
    QCOMPARE(w.TxtAyuda->text(), QString("[Cas. 113] = [Cas. 110] x TASA%"));
    QCOMPARE(w.TxtAyuda1->text(), QString());
    QCOMPARE(w.TxtAyuda->palette().color(QPalette::Text), QColor(0, 0, 0xC0));
    w.TxtValor_MouseMove(509);   // no IEAN answer: lines kept
    QCOMPARE(w.TxtAyuda->text(), QString("[Cas. 113] = [Cas. 110] x TASA%"));
    w.TxtValor_MouseMove(303);
    QCOMPARE(w.TxtAyuda->text(), QString("Anotar los importes en nuevos soles sin considerar centimos."));
    QCOMPARE(w.TxtAyuda->palette().color(QPalette::Text), QColor(0, 0, 0));
    w.TxtNumOrden_MouseMove();
    QCOMPARE(w.TxtAyuda->text(), QString::fromUtf8("O número de orden del formulario 381"));
}

void TstFrm381::modificar()
{
    Frm381 w;
    w.iAccion = 1;
    w.sRuc = RucB;
    w.sRazon = "COMERCIAL DOS SA";
    int cargas = 0;
    w.pCargarCasillas = [&cargas](Frm381 &f) {
        ++cargas;
        ModeloCasillas *m = f.modelo();
        m->setTexto(208, "05");
        m->setTexto(300, "1,000");
        m->setCampo("sIEAN", "1");
        m->setCampo("sAnexo", "0");
        m->setCampo("sRectifica", "0");
        m->setCampo("sConvenio", "1");   // the tax is typed: the stored text stays
        m->setCampo("sCasilla113", "7,000");
        return true;
    };
    w.Form_Load();
    QCOMPARE(cargas, 1);
    QVERIFY(!w.CmbRuc->isVisibleTo(&w));
    QVERIFY(!w.CmbRuc->isEnabled());
    QCOMPARE(w.TxtNumRuc->text(), RucB);
    QVERIFY(!w.TxtNumRuc->isEnabled());
    QCOMPARE(w.TxtRazon->text(), QString("COMERCIAL DOS SA"));
    QCOMPARE(w.CmbZona->currentIndex(), 1);
    QVERIFY(w.Opt("OptIEAN", 1)->isChecked());
    QVERIFY(w.Opt("OptAnexo", 0)->isChecked());
    QVERIFY(w.Opt("OptRectifica", 0)->isChecked());
    QCOMPARE(w.modelo()->campo("OptIEAN"), QString("1"));
    QCOMPARE(w.modelo()->texto(300), QString("1,000"));
    QCOMPARE(w.modelo()->texto(113), QString("7,000"));
    // No agrarian answer stored: its date stays closed.
    QVERIFY(!w.MkePeriodo->isEnabled());
    for (int i : {1, 2, 4, 5})
        QVERIFY(!w.Frame1(i)->isHidden());
    QVERIFY(!w.modelo()->bModificado);
    QCOMPARE(gsPeriodo, QString("1998"));
}

void TstFrm381::pagina3DosMarcos()
{
    Frm381 w;
    QCOMPARE(w.SSTab1->count(), 6);
    QCOMPARE(w.SSTab1->tabText(3), QString::fromUtf8("Cré&ditos contra el Imp. Renta"));
    QVERIFY(w.Frame1(3)->isAncestorOf(w.TxtValor(114)));
    QVERIFY(w.Frame1(0)->isAncestorOf(w.TxtValor(130)));
    QVERIFY(w.SSTab1->widget(3)->isAncestorOf(w.Frame1(0)));
    QVERIFY(w.SSTab1->widget(3)->isAncestorOf(w.Frame1(3)));
    QVERIFY(w.SSTab1->widget(4)->isAncestorOf(w.TxtValor(180)));
    QVERIFY(w.SSTab1->widget(5)->isAncestorOf(w.TxtValor(226)));
    auto *l = w.findChild<QLabel *>("lblCasilla_146");
    QVERIFY(l);
    QCOMPARE(l->text(), QString("SALDO DE LA DEUDA TRIBUTARIA (Cas M - (144+145))"));
    QCOMPARE(w.MkePeriodo->Text(), QString("__/__/____"));
    QCOMPARE(w.modelo()->campo(Campos::MkePeriodo), QString("__/__/____"));
    w.modelo()->setCampo(Campos::MkePeriodo, "09/12/1998");
    QCOMPARE(w.MkePeriodo->Text(), QString("09/12/1998"));
    w.modelo()->setCampo(Campos::MkePeriodo, Campos::MascaraVacia);
    QCOMPARE(w.MkePeriodo->Text(), QString("__/__/____"));
}

void TstFrm381::opciones()
{
    Frm381 w;
    w.Form_Load();
    int clics = 0;
    w.OptClick = [&](const QString &par, int index) {
        ++clics;
        w.modelo()->setCampo(par, QString::number(index));
    };
    w.Opt("OptIEAN", 1)->click();
    QCOMPARE(w.modelo()->campo("OptIEAN"), QString("1"));
    QVERIFY(w.Opt("OptIEAN", 1)->isChecked());
    QVERIFY(!w.Opt("OptIEAN", 0)->isChecked());
    // Clicking the selected option keeps it selected and runs nothing.
    w.Opt("OptIEAN", 1)->click();
    QVERIFY(w.Opt("OptIEAN", 1)->isChecked());
    QCOMPARE(clics, 1);
    w.Opt("OptIEAN", 0)->click();
    QVERIFY(!w.Opt("OptIEAN", 1)->isChecked());
    QVERIFY(w.Opt("OptIEAN", 0)->isChecked());
    QCOMPARE(clics, 2);
    // The store leads: both options unselected.
    w.modelo()->setCampo("OptIEAN", "");
    QVERIFY(!w.Opt("OptIEAN", 0)->isChecked());
    QVERIFY(!w.Opt("OptIEAN", 1)->isChecked());
}

// Columns: option focused, arrow key, option selected after it.
void TstFrm381::flechasEnOpciones_data()
{
    QTest::addColumn<int>("desde");
    QTest::addColumn<int>("tecla");
    QTest::addColumn<int>("elegida");
    QTest::newRow("si derecha") << 1 << int(Qt::Key_Right) << 0;
    QTest::newRow("si abajo") << 1 << int(Qt::Key_Down) << 0;
    QTest::newRow("no izquierda") << 0 << int(Qt::Key_Left) << 1;
    QTest::newRow("no arriba") << 0 << int(Qt::Key_Up) << 1;
    // The pair has two options: past the last one comes the first again.
    QTest::newRow("no derecha") << 0 << int(Qt::Key_Right) << 1;
}

// An arrow moves to the other option of the pair, selects it and runs its
// click handler once; ENTER selects nothing.
void TstFrm381::flechasEnOpciones()
{
    QFETCH(int, desde);
    QFETCH(int, tecla);
    QFETCH(int, elegida);
    Frm381 w;
    w.Form_Load();
    mostrar(w, 0);
    QList<int> clics;
    w.OptClick = [&](const QString &par, int index) {
        if (par == QLatin1String("OptIEAN"))
            clics << index;
        w.modelo()->setCampo(par, QString::number(index));
    };
    QRadioButton *origen = w.Opt("OptIEAN", desde);
    origen->setFocus(Qt::TabFocusReason);
    QTest::keyClick(origen, Qt::Key_Return);
    QCOMPARE(clics, QList<int>());
    QCOMPARE(w.modelo()->campo("OptIEAN"), QString());

    QTest::keyClick(origen, Qt::Key(tecla));
    QCOMPARE(clics, QList<int>{elegida});
    QCOMPARE(w.modelo()->campo("OptIEAN"), QString::number(elegida));
    QVERIFY(w.Opt("OptIEAN", elegida)->isChecked());
    QVERIFY(!w.Opt("OptIEAN", 1 - elegida)->isChecked());
    QCOMPARE(QApplication::focusWidget(), w.Opt("OptIEAN", elegida));
}

// Choosing a taxpayer leaves the combo and the name box where they were.
void TstFrm381::comboRucNoSeMueve()
{
    msg::ScriptedAnswerer respuestas;
    Frm381 w;
    w.Form_Load();
    mostrar(w, 0);
    const QRect combo = w.CmbRuc->geometry();
    const QRect razon = w.TxtRazon->geometry();
    w.CmbRuc->setCurrentIndex(1);
    w.CmbRuc_Click();
    QApplication::processEvents();
    QCOMPARE(w.CmbRuc->geometry(), combo);
    QCOMPARE(w.TxtRazon->geometry(), razon);
    QCOMPARE(combo.width(), w.fAnchoCmbRuc());
}

void TstFrm381::abridor()
{
    struct Visto { bool instancia = false; int accion = -1; QString ruc, razon; bool visible = false; };
    Visto visto;
    Frm381::alCrear() = [&visto](Frm381 &f) {
        QTimer::singleShot(0, &f, [&visto, &f] {
            visto = {gfrmDeclaracion == &f, f.iAccion, f.sRuc, f.sRazon, f.isVisible()};
            f.reject();
        });
    };
    pNuevaDeclaracion(1, {RucB, "COMERCIAL DOS SA"});
    QVERIFY(visto.instancia);
    QVERIFY(visto.visible);
    QCOMPARE(visto.accion, 1);
    QCOMPARE(visto.ruc, RucB);
    QCOMPARE(visto.razon, QString("COMERCIAL DOS SA"));
    QVERIFY(!gfrmDeclaracion);

    // A new declaration reads nothing of the array.
    pNuevaDeclaracion(0, {});
    QCOMPARE(visto.accion, 0);
    QCOMPARE(visto.ruc, QString());
    QVERIFY(!gfrmDeclaracion);

    bool error = false;
    try {
        pNuevaDeclaracion(1, {RucB});
    } catch (const ErrorEjecucion &e) {
        error = e.numero == errores::SubindiceFuera;
    }
    QVERIFY(error);
    Frm381::alCrear() = nullptr;

    registro::limpiar();
    pRegistrarDeclaracion();
    QVERIFY(static_cast<bool>(registro::nuevaDeclaracion()));
    registro::limpiar();
}

void TstFrm381::barraDeEstado()
{
    MDIFrm principal;
    BarradeEstadoZRV *barra = principal.BarradeEstadoZRV1;
    {
        Frm381 w;
        w.Form_Load();
        QCOMPARE(barra->numdoc(), QString());
        QCOMPARE(barra->periodo_ejercicio(), QString("1998"));
        QCOMPARE(barra->formulario(), QString("0951"));
        w.CmbRuc->setCurrentIndex(1);
        w.CmbRuc_Click();
        QCOMPARE(barra->numdoc(), RucA);
        QCOMPARE(barra->razonsocial(), QString("EMPRESA UNO SAC"));
        // A click on the window of a new declaration clears the taxpayer.
        w.Form_Click();
        QCOMPARE(barra->numdoc(), QString());
    }
    Frm381 m;
    m.iAccion = 1;
    m.sRuc = RucB;
    m.sRazon = "COMERCIAL DOS SA";
    m.Form_Load();
    QCOMPARE(barra->numdoc(), RucB);
    QCOMPARE(barra->razonsocial(), QString("COMERCIAL DOS SA"));
}

// A new declaration's taxpayer, once accepted, is shown with its name by
// every later refresh: the activation after a save (nothing modified).
void TstFrm381::barraDeEstadoTrasGrabar()
{
    MDIFrm principal;
    BarradeEstadoZRV *barra = principal.BarradeEstadoZRV1;
    msg::ScriptedAnswerer respuestas;
    Frm381 w;
    w.Form_Load();
    w.CmbRuc->setCurrentIndex(1);
    w.CmbRuc_Click();
    QCOMPARE(w.sRazon, QString("EMPRESA UNO SAC"));
    pBarraEstado(QString(), QString(), gsPeriodo, gsFormulario);
    w.modelo()->bModificado = false;
    w.Form_Activate();
    QCOMPARE(barra->numdoc(), RucA);
    QCOMPARE(barra->razonsocial(), QString("EMPRESA UNO SAC"));

    // A refused taxpayer leaves neither.
    w.CmbRuc->setCurrentIndex(2);   // COMERCIAL DOS SA has a CAB row
    w.CmbRuc_Click();
    QCOMPARE(w.sRuc, QString());
    QCOMPARE(w.sRazon, QString());
}

// The window system may tell of an activation of the window once it has
// been closed (a window manager focusing on the click on "&Salir"): a closed
// window is no form to activate, and the status bar stays as the closing
// left it, without the taxpayer.
void TstFrm381::activacionTrasCerrar()
{
    MDIFrm principal;
    BarradeEstadoZRV *barra = principal.BarradeEstadoZRV1;
    Frm381 w;
    w.Form_Load();
    w.CmbRuc->setCurrentIndex(1);
    w.CmbRuc_Click();
    w.modelo()->bModificado = false;
    w.reject();
    pBarraEstado(QString(), QString(), gsPeriodo, gsFormulario);
    QEvent activacion(QEvent::WindowActivate);
    QApplication::sendEvent(&w, &activacion);
    QCOMPARE(barra->numdoc(), QString());
    QCOMPARE(barra->razonsocial(), QString());
}

void TstFrm381::clicSobreFondo()
{
    MDIFrm principal;
    BarradeEstadoZRV *barra = principal.BarradeEstadoZRV1;
    Frm381 w;
    w.Form_Load();
    mostrar(w, 0);
    w.CmbRuc->setCurrentIndex(1);
    w.CmbRuc_Click();
    QCOMPARE(barra->numdoc(), RucA);

    // A click on a page (a label, a disabled field) is no click on the window.
    QLabel *ruc = nullptr;
    for (QLabel *l : w.findChildren<QLabel *>())
        if (l->text() == QLatin1String("RUC :"))
            ruc = l;
    QVERIFY(ruc);
    QTest::mouseClick(ruc, Qt::LeftButton);
    QCOMPARE(barra->numdoc(), RucA);
    QTest::mouseClick(w.TxtRazon, Qt::LeftButton);
    QCOMPARE(barra->numdoc(), RucA);
    QCOMPARE(barra->razonsocial(), QString("EMPRESA UNO SAC"));

    // The window's own background: new mode shows no taxpayer.
    QVERIFY(!w.childAt(1, 1));
    QTest::mouseClick(&w, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
    QCOMPARE(barra->numdoc(), QString());
    QCOMPARE(barra->razonsocial(), QString());
    QCOMPARE(barra->periodo_ejercicio(), QString("1998"));
    QCOMPARE(barra->formulario(), QString("0951"));
}

// Columns: mode, page shown, control that has the focus after the activation.
void TstFrm381::focoAlActivar_data()
{
    QTest::addColumn<int>("accion");
    QTest::addColumn<int>("pagina");
    QTest::addColumn<QString>("foco");
    QTest::newRow("nueva pagina 0") << 0 << 0 << "CmbRuc";
    QTest::newRow("modificar pagina 0") << 1 << 0 << "TxtTelefono";
    // Back from a calculator on another page: an unseen combo would take the
    // keys (and change the taxpayer); the box keeps the focus.
    QTest::newRow("nueva pagina 2") << 0 << 2 << "TxtValor_103";
    QTest::newRow("modificar pagina 2") << 1 << 2 << "TxtValor_103";
}

void TstFrm381::focoAlActivar()
{
    QFETCH(int, accion);
    QFETCH(int, pagina);
    QFETCH(QString, foco);
    msg::ScriptedAnswerer respuestas;
    Frm381 w;
    w.iAccion = accion;
    w.sRuc = accion == 1 ? RucB : QString();
    w.sRazon = accion == 1 ? QStringLiteral("COMERCIAL DOS SA") : QString();
    w.Form_Load();
    if (accion == 0) {
        w.CmbRuc->setCurrentIndex(1);
        w.CmbRuc_Click();
    }
    mostrar(w, pagina);
    w.TxtValor(103)->setFocus();
    QApplication::processEvents();
    w.Form_Activate();
    QApplication::processEvents();
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), foco);
}


// The window keeps 9615 x 6825 twips whatever it shows: a taxpayer chosen or
// loaded, each page in turn, a long help line. The six tabs fit side by side
// and the three buttons stay inside the window.
void TstFrm381::tamanoFijo_data()
{
    QTest::addColumn<int>("accion");
    QTest::newRow("nueva") << 0;
    QTest::newRow("modificar") << 1;
}

void TstFrm381::tamanoFijo()
{
    QFETCH(int, accion);
    msg::ScriptedAnswerer respuestas;
    Frm381 w;
    w.iAccion = accion;
    if (accion == 1) {
        w.sRuc = RucB;
        w.sRazon = "COMERCIAL DOS SA";
    }
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    if (accion == 0) {
        w.CmbRuc->setCurrentIndex(1);
        w.CmbRuc_Click();
        QCOMPARE(w.sRuc, RucA);
    }
    w.TxtAyuda->setText(QString(300, QLatin1Char('X')));
    const double tpp = fTwipsPorPixel();
    for (int pagina = 0; pagina < 6; ++pagina) {
        for (int i = 0; i < 6; ++i)
            w.Frame1(i)->setVisible(i != 0);
        {
            const QSignalBlocker b(w.SSTab1);
            w.SSTab1->setCurrentIndex(pagina);
        }
        QApplication::processEvents();
        QVERIFY2(qAbs(fAnchoTwips(&w) - 9615) < tpp, qPrintable(QString::number(fAnchoTwips(&w))));
        QVERIFY2(qAbs(fAltoTwips(&w) - 6825) < tpp, qPrintable(QString::number(fAltoTwips(&w))));
        QVERIFY(w.minimumSizeHint().width() <= w.width());
        QVERIFY(w.minimumSizeHint().height() <= w.height());
        for (QPushButton *b : {w.CmdGrabar, w.CmdValidar, w.cmdCancelar}) {
            QVERIFY(b->isVisible());
            const QRect r(b->mapTo(&w, QPoint(0, 0)), b->size());
            QVERIFY2(w.rect().contains(r), qPrintable(b->text()));
        }
        QTabBar *barra = w.SSTab1->tabBar();
        for (int t = 0; t < barra->count(); ++t)
            QVERIFY2(barra->rect().contains(barra->tabRect(t)), qPrintable(QString::number(t)));
        QVERIFY(QRect(barra->mapTo(&w, QPoint(0, 0)), barra->size()).right() < w.width());
    }
}

QTEST_MAIN(TstFrm381)
#include "tst_frm381.moc"
