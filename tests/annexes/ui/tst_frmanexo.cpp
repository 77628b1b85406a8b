// The calculator windows and their read-only twins: layout, focus order,
// typing, what each way of closing hands back and stores, a failed save, the
// sliding frame of box 128 with the IEAN split, and the viewers over the rows
// of one send (tests/fixtures/annexes/hacta.txt).
#include "annexes/ui/frmanexo117.h"
#include "annexes/ui/frmanexo120.h"
#include "annexes/ui/frmanexo131.h"
#include "annexes/ui/frmanexo131a.h"
#include "annexes/ui/registroanexos.h"
#include "declaration/core/casillas/codigosdeclaracion.h"
#include "declaration/core/casillas/modelocasillas.h"
#include "declaration/ui/frm381.h"
#include "platform/msgbox.h"
#include "shell/core/modglobal.h"
#include "shell/ui/aperturas.h"
#include "shell/ui/registroventanas.h"
#include "../../declaration/persistencia/comunpersist.h"
#include "../comunanexos.h"
#include "ventanasanexo.h"
#include "../../support/importespegados.h"
#include "../../support/navegadorprueba.h"
#include "shell/ui/mdifrm.h"
#include <QTemporaryDir>
#include <QClipboard>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <memory>

using namespace comunanexos;
using namespace ventanasanexo;

namespace {

std::unique_ptr<FrmAnexo> crear(const QString &nombre, ModeloCasillas *origen)
{
    if (nombre == "FrmAnexo117") return std::make_unique<FrmAnexo117>();
    if (nombre == "FrmAnexo120") return std::make_unique<FrmAnexo120>();
    if (nombre == "FrmAnexo131") return std::make_unique<FrmAnexo131>();
    if (nombre == "FrmAnexo131A") return std::make_unique<FrmAnexo131A>();
    if (nombre == "FrmAnexo117E") return std::make_unique<FrmAnexo117E>(*origen);
    if (nombre == "FrmAnexo120E") return std::make_unique<FrmAnexo120E>(*origen);
    if (nombre == "FrmAnexo131E") return std::make_unique<FrmAnexo131E>(*origen);
    return std::make_unique<FrmAnexo131AE>(*origen);
}

// Position and size in twips as the screen shows them.
QRect enTwips(int x, int y, int ancho, int alto)
{
    return QRect(fPixeles(x), fPixeles(y), fPixeles(ancho), fPixeles(alto));
}

// The controls the focus visits from the first, in order.
QStringList ordenDeFoco(FrmAnexo &w, QWidget *primero, int cuantos)
{
    QStringList l;
    QWidget *x = primero;
    for (int i = 0; i < cuantos && x; ++i) {
        l << x->objectName();
        do
            x = x->nextInFocusChain();
        while (x != primero && !(x->isEnabled() && (x->focusPolicy() & Qt::TabFocus)));
    }
    return l;
}

QStringList hacta()
{
    return filasActa(*gdbBase, "HACTA") + filasActa(*gdbBase, "HACTA", "20999999999");
}

} // namespace

class TstFrmAnexo : public QObject {
    Q_OBJECT
    std::unique_ptr<testdb::Entorno> m_env;
    std::shared_ptr<Database> m_db;
    std::unique_ptr<Frm381> m_declaracion;

    // The declaration window the calculators read their answers from.
    void respuestas(const QString &ieAN, const QString &anexo)
    {
        m_declaracion->modelo()->setCampo(Campos::OptIEAN, ieAN);
        m_declaracion->modelo()->setCampo(Campos::OptAnexo, anexo);
    }

private slots:
    void initTestCase()
    {
        registro::limpiar();
        pRegistrarAnexos();
    }

    void init()
    {
        QVERIFY(comunpersist::iniciar(m_env, m_db));
        QCOMPARE(cargarFac(*m_db), 22);
        m_declaracion = std::make_unique<Frm381>();
        gfrmDeclaracion = m_declaracion.get();
    }

    void cleanup()
    {
        m_db->setFaultHook({});
        gfrmDeclaracion = nullptr;
        m_declaracion.reset();
        comunpersist::terminar(m_env, m_db);
    }

    // Inner size, the first typed cell, the grand total, the buttons, the
    // headings and the focus order of each window.
    void disenos_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QSize>("interior");
        QTest::addColumn<QString>("celda");
        QTest::addColumn<QRect>("lugarCelda");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QRect>("lugarTotal");
        QTest::addColumn<QStringList>("etiquetas");   // name=text
        QTest::addColumn<QStringList>("foco");        // from the window's first focus

        QTest::newRow("117") << "FrmAnexo117" << QSize(5205, 4590) << "TxtMonto_4" << enTwips(1740, 1005, 1545, 285)
                             << "TxtTotal" << enTwips(3270, 3645, 1545, 285)
                             << QStringList{"lbl117_10=Monto Pagado", "lbl117_0= 04 - 1998", "lbl117_8=12- 1998",
                                            "Label1_0=Total importe actualizado :"}
                             << QStringList{"TxtMonto_4", "TxtMonto_5", "TxtMonto_6", "TxtMonto_7", "TxtMonto_8", "TxtMonto_9",
                                            "TxtMonto_10", "TxtMonto_11", "TxtMonto_12", "CmdGrabar", "cmdCancelar", "TxtMonto_4"};
        QTest::newRow("120") << "FrmAnexo120" << QSize(5625, 4515) << "TxtMontoIEAN_5" << enTwips(1875, 1255, 1545, 285)
                             << "TxtTotal" << enTwips(3405, 3555, 1545, 285)
                             << QStringList{"lblA120_11=Actualzado al 31/12/1998", "lblA120_8=12 - 1998"}
                             << QStringList{"TxtMontoIEAN_4", "TxtMontoIEAN_5", "TxtMontoIEAN_6", "TxtMontoIEAN_7",
                                            "TxtMontoIEAN_8", "TxtMontoIEAN_9", "TxtMontoIEAN_10", "TxtMontoIEAN_11",
                                            "TxtMontoIEAN_12", "CmdGrabar", "Command1"};
        QTest::newRow("131") << "FrmAnexo131" << QSize(9495, 5925) << "TxtPagos_15" << enTwips(5400, 4730, 1335, 285)
                             << "TxtTotalImp" << enTwips(8070, 5070, 1335, 285)
                             << QStringList{"lblA131_17=compensación  SFMB", "lblA131_14=03 - 1999"}
                             << QStringList{"TxtCompen_1", "TxtOtrosCred_1", "TxtPagos_1", "TxtUtilSaldo_2", "TxtCompen_2"};
        QTest::newRow("131A") << "FrmAnexo131A" << QSize(9390, 6390) << "TxtPagos_2" << enTwips(75 + 3 * 1335, 930, 1335, 285)
                              << "TxtTotalImp" << enTwips(9420, 4890, 1335, 285)
                              << QStringList{"lblA131A_21=Monto IEAN   Pag .con renta", "lblA131A_1=01 - 1998 ",
                                             "Label1_5=Saldo de pagos a cuenta del Impuesto a la Renta del ejercicio 1998 :"}
                              << QStringList{"TxtUtilSaldo_1", "TxtCompen_1", "TxtOtrosCred_1", "TxtPagos_1", "TxtUtilSaldo_2"};
        QTest::newRow("117E") << "FrmAnexo117E" << QSize(5205, 4590) << "TxtMonto_4" << enTwips(1740, 1005, 1545, 285)
                              << "TxtTotal" << enTwips(3270, 3645, 1545, 285)
                              << QStringList{"lbl117E_0=04 - 1998", "lbl117E_11=Actualizado el 31/12/1998"}
                              << QStringList{"Command1", "Command1"};
        QTest::newRow("120E") << "FrmAnexo120E" << QSize(5625, 4515) << "TxtMontoIEAN_4" << enTwips(1875, 975, 1545, 285)
                              << "TxtTotal" << enTwips(3405, 3555, 1545, 285)
                              << QStringList{"lblA120E_11=Actualizado al 31/12/1998"} << QStringList{"Command1"};
        QTest::newRow("131E") << "FrmAnexo131E" << QSize(9495, 5925) << "TxtUtilSaldo_1" << enTwips(1395, 860, 1335, 285)
                              << "TxtTotalImp" << enTwips(8070, 5070, 1335, 285)
                              << QStringList{"lblAne131e_17=Compensación SFMB", "lblAne131e_0=01-1998", "lblAne131e_1=02 - 1998"}
                              << QStringList{"Command1"};
        QTest::newRow("131AE") << "FrmAnexo131AE" << QSize(9390, 6390) << "TxtActual_15" << enTwips(75 + 7 * 1335, 4440, 1335, 285)
                               << "TxtTotalImp" << enTwips(9420, 4890, 1335, 285)
                               << QStringList{"lbl128e_17=ompensación SFMB", "lbl128e_1=01 - 1998"}
                               << QStringList{"HScroll1", "Command1", "HScroll1"};
    }

    void disenos()
    {
        QFETCH(QString, ventana);
        QFETCH(QSize, interior);
        QFETCH(QString, celda);
        QFETCH(QRect, lugarCelda);
        QFETCH(QString, total);
        QFETCH(QRect, lugarTotal);
        QFETCH(QStringList, etiquetas);
        QFETCH(QStringList, foco);
        ModeloCasillas origen;
        auto w = crear(ventana, &origen);
        QCOMPARE(w->objectName(), ventana);
        QCOMPARE(w->size(), QSize(fPixeles(interior.width()), fPixeles(interior.height())));
        auto *c = w->findChild<CeldaAnexo *>(celda);
        QVERIFY(c);
        QCOMPARE(c->geometry(), lugarCelda);
        QCOMPARE(w->total()->objectName(), total);
        QCOMPARE(w->total()->geometry(), lugarTotal);
        QVERIFY(!w->total()->isEnabled());
        for (const QString &e : etiquetas) {
            auto *l = w->findChild<QLabel *>(e.section('=', 0, 0));
            QVERIFY2(l, qPrintable(e));
            QCOMPARE(l->text(), e.section('=', 1));
        }

        const bool enviada = ventana.endsWith('E');
        QCOMPARE(w->CmdGrabar != nullptr, !enviada);
        QCOMPARE(w->botonCancelar->text(), QString("&Cancelar"));
        QVERIFY(!w->botonCancelar->autoDefault());
        // Typed columns white and open; computed ones and every cell of a viewer grey and closed.
        for (CeldaAnexo *x : w->findChildren<CeldaAnexo *>()) {
            const bool tecleada = x->columna() >= 0 && w->asistente()->definicion().columnas.at(x->columna()).tecleada;
            QCOMPARE(x->isEnabled(), tecleada && !enviada);
            QCOMPARE(x->palette().color(QPalette::Base), tecleada && !enviada ? QColor(255, 255, 255) : QColor(192, 192, 192));
        }
        QWidget *primero = w->focusWidget();
        QVERIFY(primero);
        QCOMPARE(ordenDeFoco(*w, primero, foco.size()), foco);
    }

    // Every caption fits the place the design gives it: the headings of two
    // lines and the long captions above the table and beside the total are
    // read whole, none cut at its foot or its side.
    void textosCaben_data()
    {
        QTest::addColumn<QString>("ventana");
        for (const char *v : {"FrmAnexo117", "FrmAnexo120", "FrmAnexo131", "FrmAnexo131A", "FrmAnexo117E",
                              "FrmAnexo120E", "FrmAnexo131E", "FrmAnexo131AE"})
            QTest::newRow(v) << QString(v);
    }

    void textosCaben()
    {
        QFETCH(QString, ventana);
        ModeloCasillas origen;
        auto w = crear(ventana, &origen);
        const auto etiquetas = w->findChildren<QLabel *>();
        QVERIFY(!etiquetas.isEmpty());
        for (QLabel *l : etiquetas) {
            const QRect caja = l->contentsRect();
            const QRect texto =
                QFontMetrics(l->font()).boundingRect(caja, int(l->alignment()) | Qt::TextWordWrap, l->text());
            QVERIFY2(texto.width() <= caja.width() && texto.height() <= caja.height(),
                     qPrintable(QStringLiteral("%1 \"%2\": %3x%4 en %5x%6")
                                    .arg(l->objectName(), l->text())
                                    .arg(texto.width()).arg(texto.height()).arg(caja.width()).arg(caja.height())));
        }
    }

    // Keys in a cell: digits only, at most 10 while it has the focus;
    // ENTER moves on; the row and the total follow every key.
    void tecleo()
    {
        FrmAnexo117 w;
        w.sRuc = kRuc;
        w.iAccion = 1;
        alAbrirse([](FrmAnexo &v) {
            CeldaAnexo *abril = v.celda("TxtMonto", 4);
            QTest::mouseClick(abril, Qt::LeftButton);
            QCOMPARE(QApplication::focusWidget(), abril);
            QTest::keyClicks(abril, "12a-3.4");
            QCOMPARE(abril->text(), QString("1234"));
            QCOMPARE(texto(v, "TxtActual", 4), QString("1,234"));
            QCOMPARE(v.total()->text(), QString("1,234"));
            QTest::keyClick(abril, Qt::Key_Return);
            QTRY_COMPARE(QApplication::focusWidget(), v.celda("TxtMonto", 5));
            QCOMPARE(abril->text(), QString("1,234"));
            QTest::keyClicks(v.celda("TxtMonto", 5), "123456789012");
            QCOMPARE(texto(v, "TxtMonto", 5), QString("1234567890"));
            QTest::mouseClick(abril, Qt::LeftButton);
            QCOMPARE(abril->text(), QString("1234"));
            QCOMPARE(texto(v, "TxtMonto", 5), QString("1,234,567,890"));
            QCOMPARE(v.total()->text(), QString("1,234,569,124"));
            v.botonCancelar->click();
        });
        w.exec();
        QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM ACTA").toInt(), 0);
    }

    // An amount pasted with the clipboard shortcut over the whole text of a
    // typed cell.
    void pegados_data()
    {
        importespegados::filas();
    }

    void pegados()
    {
        QFETCH(QString, pegado);
        QFETCH(QString, celda);
        FrmAnexo117 w;
        w.sRuc = kRuc;
        w.iAccion = 1;
        QString visto;
        alAbrirse([&](FrmAnexo &v) {
            CeldaAnexo *abril = v.celda("TxtMonto", 4);
            QTest::mouseClick(abril, Qt::LeftButton);
            QCOMPARE(QApplication::focusWidget(), abril);
            QTest::keyClicks(abril, importespegados::kAntes);
            QApplication::clipboard()->setText(pegado);
            QCOMPARE(QApplication::clipboard()->text(), pegado);
            abril->selectAll();
            QTest::keySequence(abril, QKeySequence::Paste);
            visto = abril->text();
            v.botonCancelar->click();
        });
        w.exec();
        QCOMPARE(visto, celda);
    }

    // F1 in a calculator shows its topic, as the Help command shows the help:
    // the HTML page beside the help file at the topic, or the message that
    // there is none. The box 117 calculator has no topic.
    void teclaAyuda_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QString>("ieAN");
        QTest::addColumn<QString>("anexo");
        QTest::addColumn<QString>("control");   // a cell of April; "": the cancel button
        QTest::addColumn<bool>("html");
        QTest::addColumn<QString>("tema");      // "": nothing opens; "mensaje": no help
        QTest::newRow("131 sin IEAN") << "FrmAnexo131" << "0" << "" << "TxtPagos" << true << "131";
        QTest::newRow("131 de la casilla 128") << "FrmAnexo131" << "1" << "0" << "TxtUtilSaldo" << true << "128";
        QTest::newRow("131A") << "FrmAnexo131A" << "1" << "1" << "TxtPagos" << true << "128";
        QTest::newRow("131A en un boton") << "FrmAnexo131A" << "1" << "1" << "" << true << "128";
        QTest::newRow("117 sin tema") << "FrmAnexo117" << "1" << "0" << "TxtMonto" << true << "";
        QTest::newRow("sin pagina html") << "FrmAnexo131A" << "1" << "1" << "TxtPagos" << false << "mensaje";
    }

    void teclaAyuda()
    {
        QFETCH(QString, ventana);
        QFETCH(QString, ieAN);
        QFETCH(QString, anexo);
        QFETCH(QString, control);
        QFETCH(bool, html);
        QFETCH(QString, tema);
        const CarpetaAyuda ayuda(html);
        QVERIFY(ayuda.valida);
        const QString pagina951 = ayuda.html;
        NavegadorPrueba navegador;
        msg::ScriptedAnswerer mensajesVistos;
        MDIFrm principal;
        principal.sArchivoAyuda = ayuda.hlp;
        respuestas(ieAN, anexo);

        std::unique_ptr<FrmAnexo> w = crear(ventana, nullptr);
        w->sRuc = kRuc;
        w->iAccion = 1;
        bool abierta = false;
        alAbrirse([&](FrmAnexo &v) {
            QWidget *c = control.isEmpty() ? static_cast<QWidget *>(v.botonCancelar) : v.celda(control, 4);
            QVERIFY(c);
            c->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), c);
            QTest::keyClick(c, Qt::Key_F1);
        }, &abierta);
        w->exec();
        QVERIFY(abierta);

        QStringList mensajes;
        for (const auto &m : mensajesVistos.shown())
            mensajes << m.text;
        if (tema == "mensaje") {
            QCOMPARE(navegador.abiertas, QStringList());
            QCOMPARE(mensajes, QStringList{QString::fromUtf8("La ayuda del sistema no está disponible.")});
        } else if (tema.isEmpty()) {
            QCOMPARE(navegador.abiertas, QStringList());
            QCOMPARE(mensajes, QStringList());
        } else {
            QCOMPARE(navegador.abiertas, QStringList{QUrl::fromLocalFile(pagina951).toString() + "#" + tema});
            QCOMPARE(mensajes, QStringList());
        }
    }

    // Stored April 1,000 and May typed 500: only "&Aceptar" stores and hands
    // back the new total; every other way out hands back what the window
    // showed when it opened.
    void cierres_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QString>("ieAN");
        QTest::addColumn<QString>("anexo");
        QTest::addColumn<QString>("cierre");
        QTest::addColumn<double>("total");
        for (const QString v : {"FrmAnexo117", "FrmAnexo120", "FrmAnexo131", "FrmAnexo131A"}) {
            const QByteArray n = v.toLatin1();
            const QString anexo = v == "FrmAnexo117" || v == "FrmAnexo131" ? "0" : "1";
            QTest::newRow(n + " aceptar") << v << "1" << anexo << "aceptar" << 1500.0;
            QTest::newRow(n + " cancelar") << v << "1" << anexo << "cancelar" << 1000.0;
            QTest::newRow(n + " cierre de la ventana") << v << "1" << anexo << "cerrar" << 1000.0;
        }
        QTest::newRow("FrmAnexo117 escape") << "FrmAnexo117" << "1" << "0" << "escape" << 1000.0;
        // ENTER on the button that has the focus presses that button.
        QTest::newRow("FrmAnexo120 ENTER en aceptar") << "FrmAnexo120" << "1" << "1" << "enter aceptar" << 1500.0;
        QTest::newRow("FrmAnexo131A ENTER en aceptar") << "FrmAnexo131A" << "1" << "1" << "enter aceptar" << 1500.0;
        QTest::newRow("FrmAnexo131 ENTER en cancelar") << "FrmAnexo131" << "1" << "0" << "enter cancelar" << 1000.0;
        QTest::newRow("FrmAnexo131 sin IEAN cancelar") << "FrmAnexo131" << "0" << "" << "cancelar" << 1000.0;
    }

    void cierres()
    {
        QFETCH(QString, ventana);
        QFETCH(QString, ieAN);
        QFETCH(QString, anexo);
        QFETCH(QString, cierre);
        QFETCH(double, total);
        respuestas(ieAN, anexo);
        auto w = crear(ventana, nullptr);
        const int columnaMonto = w->asistente()->definicion().columnas.size() == 2 ? 0 : 3;
        const QString control = w->asistente()->definicion().columnas.at(columnaMonto).control;
        const QString tipo = ventana == "FrmAnexo117" ? "2" : ventana == "FrmAnexo131" ? (ieAN == "1" ? "2" : "3") : "1";
        insertarActa(*m_db, "199804", tipo,
                     {columnaMonto == 0 ? (tipo == "2" ? "pago_iean=1000" : "pago_iean_r=1000") : "pago_r=1000"});
        const QStringList antes = filasActa(*m_db);
        w->sRuc = kRuc;
        w->iAccion = 1;
        msg::ScriptedAnswerer mensajes;
        bool abierta = false;
        alAbrirse([&](FrmAnexo &v) {
            QCOMPARE(v.total()->text(), QString("1,000"));
            teclear(v, control, 5, "500");
            QCOMPARE(v.total()->text(), QString("1,500"));
            if (cierre == "aceptar")
                v.CmdGrabar->click();
            else if (cierre == "cancelar")
                v.botonCancelar->click();
            else if (cierre == "escape")
                QTest::keyClick(&v, Qt::Key_Escape);
            else if (cierre.startsWith("enter")) {
                QPushButton *b = cierre.endsWith("aceptar") ? v.CmdGrabar : v.botonCancelar;
                b->setFocus(Qt::TabFocusReason);
                QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(b));
                QTest::keyClick(b, Qt::Key_Return);
            }
            else
                v.close();
            QVERIFY(!v.isVisible());
        }, &abierta);
        w->exec();
        QVERIFY(abierta);
        QCOMPARE(w->dTotal, total);
        // Only the accept of box 128 with the IEAN split says it stored.
        QCOMPARE(mensajes.shown().size(), cierre.endsWith("aceptar") && ventana == "FrmAnexo131A" ? 1 : 0);
        if (cierre.endsWith("aceptar"))
            QVERIFY(filasActa(*m_db) != antes);
        else
            QCOMPARE(filasActa(*m_db), antes);
    }

    // A save that cannot be completed: the error is shown, nothing is stored,
    // the window stays open with what was typed.
    void falloAlGrabar()
    {
        respuestas("0", "");
        insertarActa(*m_db, "199804", "3", {"pago_r=1000"});
        insertarActa(*m_db, "199805", "2", {"pago_iean=700"});
        const QStringList antes = filasActa(*m_db);
        FrmAnexo131 w;
        w.sRuc = kRuc;
        w.iAccion = 0;
        msg::ScriptedAnswerer respuestas;
        alAbrirse([&](FrmAnexo &v) {
            teclear(v, "TxtPagos", 5, "500");
            int n = 0;
            m_db->setFaultHook([&n](const QString &sql) {
                if ((sql.startsWith("INSERT INTO ACTA") || sql.startsWith("UPDATE ACTA")) && ++n == 15)
                    throw DbError(dberr::DiscoLleno, QStringLiteral("No hay espacio suficiente en el disco."));
            });
            v.CmdGrabar->click();
            m_db->setFaultHook({});
            QCOMPARE(respuestas.shown().size(), 1);
            QCOMPARE(respuestas.shown().first().text, QString("No hay espacio suficiente en el disco.\n 3026"));
            QCOMPARE(respuestas.shown().first().style, 0);
            QCOMPARE(respuestas.shown().first().title, QString("Error"));
            QVERIFY(v.isVisible());
            QCOMPARE(texto(v, "TxtPagos", 5), QString("500"));
            QCOMPARE(v.total()->text(), QString("1,500"));
            v.botonCancelar->click();
        });
        w.exec();
        QCOMPARE(filasActa(*m_db), antes);
        QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM CAB").toInt(), 0);
        QCOMPARE(w.dTotal, 1000.0);
    }

    // Box 128 with the IEAN split: the frame with the amounts slides under
    // the month captions, ESC does nothing, ENTER in the last cell reaches
    // "&Aceptar", and the accept says so once all rows are stored.
    void ventana131A()
    {
        respuestas("1", "1");
        FrmAnexo131A w;
        w.sRuc = kRuc;
        w.iAccion = 1;
        int filasAlAvisar = -1;
        msg::ScriptedAnswerer respuestas;
        const msg::Handler registrar = msg::setHandler({});
        msg::setHandler([&](const QString &t, int s, const QString &titulo) {
            filasAlAvisar = m_db->scalar("SELECT COUNT(*) FROM ACTA").toInt();
            return registrar(t, s, titulo);
        });
        alAbrirse([&](FrmAnexo &v) {
            QWidget *marco2 = v.marco("Frame2");
            QLabel *leyenda = v.etiqueta("Label1", 0);
            QCOMPARE(marco2->x(), fPixeles(1320));
            QVERIFY(!leyenda->isVisible());
            v.HScroll1->setValue(15);
            QCOMPARE(marco2->x(), fPixeles(-1408.5));
            QVERIFY(leyenda->isVisible());
            v.HScroll1->setValue(0);
            QCOMPARE(marco2->x(), fPixeles(1314.6));
            QVERIFY(!leyenda->isVisible());

            CeldaAnexo *ultima = v.celda("TxtPagos", 15);
            QTest::mouseClick(ultima, Qt::LeftButton);
            QTest::keyClicks(ultima, "700");
            QTest::keyClick(&v, Qt::Key_Escape);
            QVERIFY(v.isVisible());
            QTest::keyClick(ultima, Qt::Key_Return);
            QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(v.CmdGrabar));
            QCOMPARE(v.total()->text(), QString("700"));
            v.CmdGrabar->click();
        });
        w.exec();
        msg::setHandler(registrar);
        QCOMPARE(respuestas.shown().size(), 1);
        QCOMPARE(respuestas.shown().first().text, QString("Todo se grabo correctameta"));
        QCOMPARE(respuestas.shown().first().style, 64);
        QCOMPARE(filasAlAvisar, 15);
        QCOMPARE(w.dTotal, 700.0);
    }

    // Rows that cannot be read: the error is shown and no window opens; a
    // calculator hands back no total, so the box keeps its value.
    void cargaFallida_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QString>("tabla");
        QTest::newRow("calculadora") << "frmAnexo117" << "ACTA";
        QTest::newRow("visor") << "FrmAnexo117E" << "HACTA";
    }

    void cargaFallida()
    {
        QFETCH(QString, ventana);
        QFETCH(QString, tabla);
        msg::ScriptedAnswerer mensajes;
        m_db->setFaultHook([tabla](const QString &sql) {
            if (sql.contains(" FROM " + tabla + " "))
                throw DbError(dberr::Bloqueada, QStringLiteral("La base de datos está bloqueada por otro usuario o no tiene permiso para modificarla."));
        });
        bool abierta = false;
        alAbrirse([](FrmAnexo &) {}, &abierta);
        if (ventana.endsWith('E')) {
            ModeloCasillas origen;
            registro::anexoEnviado(ventana)(origen);
        } else {
            QVERIFY(!pAbrirAnexo(kRuc, 1, ventana, QString(), QString()).isValid());
        }
        QCoreApplication::processEvents();
        QVERIFY(!abierta);
        QCOMPARE(mensajes.shown().size(), 1);
        QCOMPARE(mensajes.shown().first().title, QString("Error"));
        QVERIFY(mensajes.shown().first().text.endsWith("\n 3051"));
    }

    // The viewers over one send: its rows with the factors of the boxes as
    // the sent declaration shows them, every cell closed, nothing changed.
    void visores_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QString>("correl");
        QTest::addColumn<QString>("ieAN");
        QTest::addColumn<QString>("anexo");
        QTest::addColumn<QString>("c332");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("ayuda");
        QTest::addColumn<QStringList>("celdas");
        QTest::addColumn<QString>("total");

        const QString c117 = "Asistente de Cálculo de Casilla 117";
        QTest::newRow("117E envío 1") << "FrmAnexo117E" << "1" << "1" << "0" << "" << c117 << 810
                                      << QStringList{"TxtMonto_4=1,000", "TxtActual_4=1,000", "TxtMonto_5=1,250",
                                                     "TxtActual_5=1,250", "TxtMonto_12= ", "TxtActual_12=0", "TxtActual_6="}
                                      << "2,250";
        // 1,000 x 1.1; 1,250 x 1.05 = 1,312.5; December's blank x 0.9.
        QTest::newRow("117E envío 1 con factores") << "FrmAnexo117E" << "1" << "1" << "0" << "1,000" << c117 << 810
                                                   << QStringList{"TxtActual_4=1,100", "TxtActual_5=1,313", "TxtActual_12=0"}
                                                   << "2,413";
        QTest::newRow("117E envío 2") << "FrmAnexo117E" << "2" << "1" << "0" << "" << c117 << 810
                                      << QStringList{"TxtMonto_4=7,000", "TxtMonto_5="} << "7,000";
        // 300 x 1.05 and 400 x 1.2.
        QTest::newRow("120E envío 1 con factores") << "FrmAnexo120E" << "1" << "1" << "1" << "1,000"
                                                   << "Asistente de Cálculo de Casilla 120" << 820
                                                   << QStringList{"TxtMontoIEAN_5=300", "TxtActual_5=315", "TxtActual_6=480"}
                                                   << "795";
        QTest::newRow("131E IEAN sin anexo") << "FrmAnexo131E" << "1" << "1" << "0" << ""
                                             << "Asistente de Cálculo de Casilla 128" << 128
                                             << QStringList{"TxtUtilSaldo_1=100", "TxtPagos_1=400", "TxtTotal_1=1,000",
                                                            "TxtActual_1=1,000", "TxtPagos_4="}
                                             << "1,000";
        // 5,000 x 1.05 and 900 x 1.05.
        QTest::newRow("131E sin IEAN con factores") << "FrmAnexo131E" << "1" << "0" << "" << "1,000"
                                                    << "Asistente de Cálculo de Casilla 131" << 131
                                                    << QStringList{"TxtActual_4=5,250", "TxtActual_5=945", "TxtTotal_5=900"}
                                                    << "6,195";
        QTest::newRow("131E sin IEAN envío 2") << "FrmAnexo131E" << "2" << "0" << "" << ""
                                               << "Asistente de Cálculo de Casilla 131" << 131
                                               << QStringList{"TxtUtilSaldo_13= ", "TxtPagos_13=2,000", "TxtActual_13=2,000"}
                                               << "2,000";
        QTest::newRow("131E IEAN con anexo") << "FrmAnexo131E" << "1" << "1" << "1" << ""
                                             << "Asistente de Cálculo de Casilla" << 0 << QStringList{"TxtActual_1="} << "";
        // January: 200 less its stored 50; May and June only the IEAN; the
        // grand total never below 0.
        QTest::newRow("131AE envío 1") << "FrmAnexo131AE" << "1" << "1" << "1" << ""
                                       << "Asistente de Cálculo de Casilla 128" << 128
                                       << QStringList{"TxtUtilSaldo_1=200", "TxtTotal_1=200", "TxtMontoIEAN_1=50",
                                                      "TxtMontoNoIEAN_1=150", "TxtActual_1=150", "TxtTotal_5=",
                                                      "TxtMontoIEAN_5=300", "TxtMontoNoIEAN_5=-300", "TxtActual_6=-400"}
                                       << "0";
        QTest::newRow("131AE envío 2") << "FrmAnexo131AE" << "2" << "1" << "1" << ""
                                       << "Asistente de Cálculo de Casilla 128" << 128
                                       << QStringList{"TxtPagos_3=1,000", "TxtMontoIEAN_3=", "TxtActual_3=1,000",
                                                      "TxtMontoNoIEAN_5=-600"}
                                       << "400";
    }

    void visores()
    {
        QFETCH(QString, ventana);
        QFETCH(QString, correl);
        QFETCH(QString, ieAN);
        QFETCH(QString, anexo);
        QFETCH(QString, c332);
        QFETCH(QString, caption);
        QFETCH(int, ayuda);
        QFETCH(QStringList, celdas);
        QFETCH(QString, total);
        QCOMPARE(cargarHacta(*m_db), 14);
        const QStringList antes = hacta();
        gsCorrel = correl;
        // The sent declaration's window as its load leaves it.
        ModeloCasillas origen;
        origen.agregar(332);
        origen.agregar(333);
        origen.setTexto(332, c332);
        origen.setCampo(Campos::TxtNumRuc, kRuc + "EMPRESA SA");
        origen.setCampo(Campos::OptIEAN, ieAN);
        origen.setCampo(Campos::OptAnexo, anexo);

        bool abierta = false;
        alAbrirse([&](FrmAnexo &v) {
            QCOMPARE(v.objectName(), ventana);
            QCOMPARE(v.windowTitle(), caption);
            QCOMPARE(v.property("HelpContextID").toInt(), ayuda);
            for (const QString &c : celdas) {
                auto *x = v.findChild<CeldaAnexo *>(c.section('=', 0, 0));
                QVERIFY2(x, qPrintable(c));
                QCOMPARE(x->text(), c.section('=', 1));
            }
            QCOMPARE(v.total()->text(), total);
            QVERIFY(!v.CmdGrabar);
            for (CeldaAnexo *x : v.findChildren<CeldaAnexo *>())
                QVERIFY(!x->isEnabled());
            // Clicks and keys reach no cell.
            CeldaAnexo *primera = v.findChildren<CeldaAnexo *>().first();
            const QString antes = primera->text();
            QTest::mouseClick(primera, Qt::LeftButton);
            QTest::keyClicks(primera, "9");
            QCOMPARE(primera->text(), antes);
            QCOMPARE(v.botonCancelar->objectName(), QString("Command1"));
            v.botonCancelar->click();
        }, &abierta);
        registro::anexoEnviado(ventana)(origen);
        QVERIFY(abierta);
        QCOMPARE(hacta(), antes);
        QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM ACTA").toInt(), 0);
        QCOMPARE(origen.texto(332), c332);
    }
};

QTEST_MAIN(TstFrmAnexo)
#include "tst_frmanexo.moc"
