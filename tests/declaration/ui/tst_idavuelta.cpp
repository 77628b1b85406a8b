// A declaration entered in the declaration window as a user enters it (answers
// clicked, boxes typed and left, calculators opened with ENTER), with the
// answers, rules and saving bound as the program binds them; saved, opened
// again for modification and saved again without changes. CAB, DET and ACTA
// must keep every column, control codes included, and the reopened window
// must show what the user left on screen. One declaration per annex situation.
#include "../persistencia/comunpersist.h"
#include "common/codigocontrol.h"
#include "declaration/core/casillas/listacasillas.h"
#include "declaration/core/casillas/modelocasillas.h"
#include "declaration/ui/formadepagozrv.h"
#include "declaration/ui/frm381.h"
#include "declaration/ui/frm381reglas.h"
#include "declaration/ui/frmcontabrir.h"
#include "declaration/ui/grabacionventana.h"
#include "declaration/ui/maskedbox.h"
#include "declaration/ui/pnuevadeclaracion.h"
#include "declaration/ui/txtcasilla.h"
#include "layout/core/consulta.h"
#include "layout/core/datosimpresion.h"
#include "platform/msgbox.h"
#include "platform/utilitario.h"
#include "shell/core/modglobal.h"
#include "shell/ui/registroventanas.h"
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlField>
#include <QSqlRecord>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

namespace {

const QString kRuc = QStringLiteral("20100070970");
const QString kNombre = QStringLiteral("EMPRESA UNO SAC");

// Every column of the declaration's rows of a table, with its stored type:
// "column=type:value" joined by "|", NULL marked as such.
QStringList filas(const QString &tabla, const QString &orden)
{
    QStringList l;
    for (const QSqlRecord &r : gdbBase->select(QStringLiteral("SELECT * FROM ") + tabla
                                                   + QStringLiteral(" WHERE DOC_ID_D=? ORDER BY ") + orden,
                                               {kRuc})) {
        QStringList c;
        for (int i = 0; i < r.count(); ++i) {
            const QVariant v = r.value(i);
            c << r.fieldName(i) + QLatin1Char('=')
                    + (v.isNull() ? QStringLiteral("NULL") : QString::fromLatin1(v.typeName()) + QLatin1Char(':') + v.toString());
        }
        l << c.join(QLatin1Char('|'));
    }
    return l;
}

// Month 1..15 of the annexes (January 1998 to March 1999) as PER_PAG.
QString perPag(int mes)
{
    return mes <= 12 ? QStringLiteral("1998%1").arg(mes, 2, 10, QLatin1Char('0'))
                     : QStringLiteral("1999%1").arg(mes - 12, 2, 10, QLatin1Char('0'));
}

int mesDe(const QString &per)
{
    const int m = per.right(2).toInt();
    return per.startsWith(QLatin1String("1999")) ? m + 12 : m;
}

// A box text as a plain number: commas dropped, parentheses as minus.
double numero(const QString &texto)
{
    QString t = texto.trimmed();
    t.remove(QLatin1Char(','));
    const bool negativo = t.startsWith(QLatin1Char('('));
    t.remove(QLatin1Char('(')).remove(QLatin1Char(')'));
    return (negativo ? -1 : 1) * t.toDouble();
}

// What each calculator keeps: its annex type, its months and the amount
// columns it writes; the factor code of its months.
struct Asistente {
    QString tipo;   // empty: by the window's answers
    int desde, hasta;
    QStringList columnas;
    QString codTri;
};

const QHash<QString, Asistente> &asistentes()
{
    static const QHash<QString, Asistente> h = {
        {QStringLiteral("frmAnexo117"), {QStringLiteral("2"), 4, 12, {QStringLiteral("pago_iean")}, QStringLiteral("030304")}},
        {QStringLiteral("FrmAnexo120"), {QStringLiteral("1"), 4, 12, {QStringLiteral("pago_iean_r")}, QStringLiteral("030304")}},
        {QStringLiteral("frmanexo131"), {QString(), 1, 15,
                                         {QStringLiteral("saluti"), QStringLiteral("compen"), QStringLiteral("otrcre"), QStringLiteral("pago_r")},
                                         QStringLiteral("030301")}},
        {QStringLiteral("frmanexo131A"), {QStringLiteral("1"), 1, 15,
                                          {QStringLiteral("saluti"), QStringLiteral("compen"), QStringLiteral("otrcre"), QStringLiteral("pago_r")},
                                          QStringLiteral("030301")}},
    };
    return h;
}

} // namespace

class TstIdaVuelta : public QObject {
    Q_OBJECT
    std::unique_ptr<testdb::Entorno> m_env;
    cUtilitario m_util;

    // The amounts typed into each calculator: name -> PER_PAG -> column -> amount,
    // and the total each one hands back.
    QHash<QString, QHash<QString, QHash<QString, QString>>> m_montos;
    QHash<QString, double> m_totales;
    QStringList m_abiertos;

    // A calculator saving its table, as the annex windows store it: the rows
    // of the other annex types removed, one row per month of its range (added
    // or edited) with the typed amounts ("#########0", a blank when not typed),
    // its factor and control code; a bare header before the first save.
    double calculadora(const QString &nombre, const EntradaAnexo &e)
    {
        m_abiertos << nombre;
        const Asistente a = asistentes().value(nombre);
        QString tipo = a.tipo;
        if (tipo.isEmpty()) {
            // The payments-on-account calculator reads the open window's answers.
            const ModeloCasillas &m = *gfrmDeclaracion->modelo();
            if (m.campo(Campos::OptIEAN) == QLatin1String("1") && m.campo(Campos::OptAnexo) == QLatin1String("0"))
                tipo = QStringLiteral("2");
            else if (m.campo(Campos::OptIEAN) == QLatin1String("0"))
                tipo = QStringLiteral("3");
        }
        Database &db = *gdbBase;
        const QString llave = QStringLiteral(" WHERE DOC_ID_D=? AND TIP_DOC_D=6 AND PERIODO='1998' AND FORMULARIO='0951'");
        Transaction t(db, true);
        db.exec(QStringLiteral("DELETE FROM ACTA") + llave + QStringLiteral(" AND tipo_asist<>?"), {e.sRuc, tipo});
        const bool aplica = numero(e.sCasilla332) > 0 || numero(e.sCasilla333) != 0;
        for (int mes = a.desde; mes <= a.hasta; ++mes) {
            const QString per = perPag(mes);
            double factor = 1;
            if (aplica) {
                const QString yymm = per.mid(2, 4);
                factor = db.scalar(QStringLiteral("SELECT FACTOR FROM FAC WHERE FORMULARIO='0951' AND PERIODO=? AND CODTRI=?"),
                                   {yymm, a.codTri})
                             .toDouble();
            }
            const QString fila = llave + QStringLiteral(" AND per_pag=? AND tipo_asist=?");
            const QVariantList clave{e.sRuc, per, tipo};
            if (db.scalar(QStringLiteral("SELECT COUNT(*) FROM ACTA") + fila, clave).toInt() == 0)
                db.exec(QStringLiteral("INSERT INTO ACTA (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, per_pag, tipo_asist)"
                                       " VALUES (?, 6, '1998', '0951', ?, ?)"),
                        {e.sRuc, per, tipo});
            for (const QString &c : a.columnas)
                db.exec(QStringLiteral("UPDATE ACTA SET ") + c + QStringLiteral("=?") + fila,
                        QVariantList{m_montos[nombre][per].value(c, QStringLiteral(" "))} + clave);
            db.exec(QStringLiteral("UPDATE ACTA SET FACTOR=?") + fila, QVariantList{factor} + clave);
            const QSqlRecord r = db.select(QStringLiteral("SELECT * FROM ACTA") + fila, clave).first();
            Registro registro;
            for (int i = 0; i < r.count(); ++i)
                registro.append({r.fieldName(i), r.value(i)});
            db.exec(QStringLiteral("UPDATE ACTA SET cNumero=?") + fila, QVariantList{fCodigoControl(registro, 5)} + clave);
        }
        if (db.scalar(QStringLiteral("SELECT COUNT(*) FROM CAB") + llave, {e.sRuc}).toInt() == 0)
            db.exec(QStringLiteral("INSERT INTO CAB (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, cNumero)"
                                   " VALUES (?, 6, '1998', '0951', '0')"),
                    {e.sRuc});
        t.commit();
        return m_totales.value(nombre);
    }

    // "frmanexo131A 199801-199812 saluti 700", "total frmanexo131A 4900".
    void leerAnexos(const QStringList &lineas)
    {
        m_montos.clear();
        m_totales.clear();
        m_abiertos.clear();
        for (const QString &l : lineas) {
            const QStringList p = l.split(QLatin1Char(' '));
            if (p[0] == QLatin1String("total")) {
                m_totales[p[1]] = p[2].toDouble();
                continue;
            }
            const QString desde = p[1].section(QLatin1Char('-'), 0, 0);
            const QString hasta = p[1].contains(QLatin1Char('-')) ? p[1].section(QLatin1Char('-'), 1) : desde;
            for (int mes = mesDe(desde); mes <= mesDe(hasta); ++mes)
                m_montos[p[0]][perPag(mes)][p[2]] = p[3];
        }
    }

    void abrir(Frm381 &w)
    {
        gfrmDeclaracion = &w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
    }

    // One step of the user's, as the script of a declaration names it.
    void paso(Frm381 &w, const QString &linea)
    {
        const QStringList p = linea.split(QLatin1Char(' '));
        const QString &orden = p[0];
        if (orden == QLatin1String("contribuyente")) {
            const int i = w.CmbRuc->findText(kRuc, Qt::MatchStartsWith);
            QVERIFY(i >= 0);
            w.CmbRuc->setCurrentIndex(i);
            emit w.CmbRuc->activated(i);
            QCOMPARE(w.sRuc, kRuc);
        } else if (orden == QLatin1String("clic")) {
            QRadioButton *b = w.Opt(p[1], p[2].toInt());
            QVERIFY(b && b->isEnabled());
            b->click();
            QVERIFY(b->isChecked());
        } else if (orden == QLatin1String("texto") || orden == QLatin1String("pegar")) {
            // The identification fields: telephone, names, order number;
            // typed, or pasted with the clipboard's shortcut. The text is
            // the rest of the line.
            auto *t = w.findChild<QLineEdit *>(p[1]);
            QVERIFY(t && t->isEnabled());
            const QString texto = linea.section(QLatin1Char(' '), 2);
            if (orden == QLatin1String("texto")) {
                QTest::keyClicks(t, texto);
            } else {
                QApplication::clipboard()->setText(texto);
                QCOMPARE(QApplication::clipboard()->text(), texto);
                t->setFocus();
                QTest::keySequence(t, QKeySequence::Paste);
            }
        } else if (orden == QLatin1String("fecha")) {
            QVERIFY(w.MkePeriodo->isEnabled());
            w.MkePeriodo->setFocus(Qt::MouseFocusReason);
            w.MkePeriodo->setCursorPosition(0);
            QTest::keyClicks(w.MkePeriodo, p[1]);
            w.TxtTelefono->setFocus(Qt::MouseFocusReason);
        } else if (orden == QLatin1String("pagina")) {
            auto *barra = w.SSTab1->findChild<QTabBar *>();
            QVERIFY(barra);
            QTest::mouseClick(barra, Qt::LeftButton, {}, barra->tabRect(p[1].toInt()).center());
            QCOMPARE(w.SSTab1->currentIndex(), p[1].toInt());
        } else if (orden == QLatin1String("caja") || orden == QLatin1String("asistente")) {
            // Clicked, typed (or ENTER on a calculator's box); left by whatever
            // takes the focus next.
            TxtCasilla *c = w.TxtValor(p[1].toInt());
            QVERIFY(c && c->isVisible() && c->isEnabled() && !c->isReadOnly());
            QTest::mouseClick(c, Qt::LeftButton);
            QCOMPARE(QApplication::focusWidget(), c);
            if (orden == QLatin1String("caja")) {
                // Over whatever a calculation left there (box 113 shows 0 before the agreement).
                c->selectAll();
                QTest::keyClicks(c, p[2]);
            } else {
                QTest::keyClick(c, Qt::Key_Return);
            }
        } else if (orden == QLatin1String("zona")) {
            int i = -1;
            for (int k = 0; k < w.CmbZona->count(); ++k)
                if (w.CmbZona->itemText(k).endsWith(p[1]))
                    i = k;
            QVERIFY(i >= 0);
            w.CmbZona->setCurrentIndex(i);
            emit w.CmbZona->activated(i);
        } else if (orden == QLatin1String("efectivo") || orden == QLatin1String("cheque")) {
            auto *pago = w.FormaDePagoZRV1;
            for (QRadioButton *b : pago->findChildren<QRadioButton *>())
                if (b->text() == (orden == QLatin1String("efectivo") ? QLatin1String("Efectivo") : QLatin1String("Cheque")))
                    b->click();
            if (orden == QLatin1String("cheque")) {
                auto *bancos = pago->findChild<QComboBox *>(QStringLiteral("banco"));
                QVERIFY(bancos);
                bancos->setCurrentIndex(bancos->findData(p[1]));
                QTest::keyClicks(pago->findChild<QLineEdit *>(QStringLiteral("numcheque")), p[2]);
            }
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown step: ") + linea));
        }
    }

    // What the window shows: every box with its text and whether it is open
    // for entry, the identification, the answers and the payment form.
    static QStringList pantalla(Frm381 &w)
    {
        QStringList l;
        for (int n : ListaCasillas::aCasillas()) {
            TxtCasilla *c = w.TxtValor(n);
            l << QStringLiteral("%1=%2%3").arg(n).arg(c->text(), c->isEnabled() ? QString() : QStringLiteral(" [cerrada]"));
        }
        for (const char *t : {"TxtTelefono", "TxtNombreA", "TxtNombreN", "TxtNombre1A", "TxtNombre1N", "TxtNumOrden"})
            l << QString::fromLatin1(t) + QLatin1Char('=') + w.findChild<QLineEdit *>(QString::fromLatin1(t))->text();
        l << QStringLiteral("MkePeriodo=") + w.MkePeriodo->Text();
        for (const QString &par : {Campos::OptTipoCont, Campos::OptConvEstab, Campos::OptIEAN, Campos::OptAnexo,
                                   Campos::OptAgraria, Campos::OptRectifica, Campos::OptDomiciliado})
            l << par + QLatin1Char('=') + (w.Opt(par, 1)->isChecked() ? QStringLiteral("1") : w.Opt(par, 0)->isChecked() ? QStringLiteral("0") : QString());
        l << QStringLiteral("formapago=") + w.FormaDePagoZRV1->formapago()
          << QStringLiteral("importe=") + w.FormaDePagoZRV1->importe();
        // The bank and cheque number are a cheque's only.
        if (w.FormaDePagoZRV1->formapago() == QLatin1String("C"))
            l << QStringLiteral("banco=") + w.FormaDePagoZRV1->banco()
              << QStringLiteral("numcheque=") + w.FormaDePagoZRV1->numcheque();
        return l;
    }

private slots:
    void initTestCase()
    {
        // As Qx381's main registers the windows.
        pRegistrarDeclaracion();
        pRegistrarFrmContAbrir();
        pRegistrarGrabacion();
        pRegistrarReglas();
        for (const QString &nombre : asistentes().keys())
            QVERIFY(registro::registrarFabricaAnexo(nombre, [this, nombre](const EntradaAnexo &e) {
                return calculadora(nombre, e);
            }));
    }

    void init()
    {
        QVERIFY(comunpersist::iniciarVentana(m_env, m_util, kRuc, kNombre));
        Database &db = *gdbBase;
        db.exec("INSERT INTO PARAM (NUMERO, ARGUMENTO, FUNCION) VALUES ('030', '08', 'LIMA')");
        // Update factors of the payments on account: 1.05 for the first half
        // of 1998, 1.02 for the second, 1 for 1999.
        for (int mes = 1; mes <= 15; ++mes)
            db.exec("INSERT INTO FAC (FORMULARIO, PERIODO, CODTRI, FACTOR) VALUES ('0951', ?, '030301', ?)",
                    {perPag(mes).mid(2, 4), mes <= 6 ? 1.05 : mes <= 12 ? 1.02 : 1.0});
    }

    void cleanup()
    {
        gfrmDeclaracion = nullptr;
        comunpersist::terminarVentana(m_env);
    }

    void idaYVuelta_data()
    {
        QTest::addColumn<QStringList>("pasos");
        QTest::addColumn<QStringList>("anexos");
        QTest::addColumn<QStringList>("mensajes");
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QStringList>("casillas");
        QTest::addColumn<QStringList>("det");

        const QStringList cabecera{"contribuyente", "texto TxtTelefono 4421234"};
        const QStringList representante{"texto TxtNombre1A quispe", "texto TxtNombre1N rosa", "caja 225 08012345"};

        // IEAN with the annex, under a stability agreement (the tax typed),
        // not domiciled (box 100 typed), ending with a balance in favour.
        QTest::newRow("IEAN con anexo")
            << (cabecera + QStringList{
                    "clic OptTipoCont 0", "clic OptConvEstab 1", "clic OptIEAN 1", "clic OptAnexo 1",
                    "clic OptAgraria 0", "clic OptRectifica 0", "clic OptDomiciliado 0",
                    "pagina 1", "caja 300 80000", "caja 301 20000", "caja 306 30000", "caja 312 70000",
                    "caja 321 200000", "caja 323 120000", "caja 325 20000", "caja 326 10000",
                    "pagina 2", "caja 100 50000", "caja 113 12000",
                    "pagina 3", "asistente 120", "caja 122 1000", "caja 123 2000", "caja 124 1100",
                    "caja 125 300", "asistente 128", "caja 129 100",
                    "pagina 4", "caja 137 1", "caja 180 0", "efectivo",
                    "pagina 5"} + representante)
            << QStringList{"FrmAnexo120 199804-199808 pago_iean_r 800", "total FrmAnexo120 4000",
                           "frmanexo131A 199801-199812 saluti 700", "frmanexo131A 199901 pago_r 500",
                           "total frmanexo131A 4900"}
            << QStringList{}
            << "1"
            // 500 = 80,000 + 20,000; 502 = 30,000 + 70,000.
            // 334 = 200,000 - 120,000 - 20,000 - 10,000 = 50,000 = 505 = 341.
            // 106 = 110 = 50,000; the agreement leaves 113 as typed.
            // 120 = 5 x 800; 508 = 12,000 - 4,000; 509 = 8,000 - 1,000;
            // 510 = 7,000 - 2,000 - 1,100 - 300 (cap of 124: 50,000 x 0.1 x 12,000 / 50,000 = 1,200).
            // 128 = 3 x 700 + 5 x (700 - 800) + 4 x 700 + 500 = 4,900.
            // Balance 3,600 - 4,900 - 100 = -1,400: in favour, 140, 141, 144 closed, 137 open.
            << QStringList{"500=100,000", "501=30,000", "502=100,000", "503=80,000", "334=50,000", "504=(0)",
                           "505=50,000", "338=(0)", "341=50,000", "342=(0)", "100=50,000", "106=50,000",
                           "107=(0)", "110=50,000", "111=(0)", "113=12,000", "120=(4,000)", "506=", "116=",
                           "507=", "508=8,000", "509=7,000", "510=3,600", "127= [cerrada]", "128=(4,900)",
                           "138=(1,400)", "139=0", "140= [cerrada]", "141= [cerrada]", "144= [cerrada]",
                           "514=0", "146=0", "137=1"}
            << QStringList{"113=12000", "120=-4000", "128=-4900", "138=-1400", "139=0", "146=0", "180=0",
                           "991=1", "990=1", "994=1", "992=100", "988=0", "987=E"};

        // IEAN without the annex, domiciled (the income statement carried into
        // box 100), rectifying another declaration, paid by cheque, with the
        // accountant's data.
        QTest::newRow("IEAN sin anexo")
            << (cabecera + QStringList{
                    "clic OptTipoCont 0", "clic OptConvEstab 0", "clic OptIEAN 1", "clic OptAnexo 0",
                    "clic OptAgraria 0", "clic OptRectifica 1", "clic OptDomiciliado 1",
                    "texto TxtNumOrden 12345678",
                    "pagina 1", "caja 300 60000", "caja 303 15000", "caja 307 25000", "caja 313 40000",
                    "caja 316 10000", "caja 321 150000", "caja 323 90000", "caja 327 5000", "caja 330 3000",
                    "caja 337 2000", "caja 340 1000",
                    "pagina 2", "caja 103 4000", "caja 105 2000", "caja 108 12000",
                    "pagina 3", "caja 114 2000", "caja 115 1000", "asistente 117", "caja 123 500",
                    "caja 124 1200", "caja 127 300", "asistente 128",
                    "pagina 4", "caja 180 2000", "cheque 02 123456",
                    "pagina 5", "texto TxtNombreA garcia", "texto TxtNombreN ana", "zona 08",
                    "caja 211 1234"} + representante)
            << QStringList{"frmAnexo117 199804-199809 pago_iean 500", "total frmAnexo117 3000",
                           "frmanexo131 199801-199812 saluti 400", "frmanexo131 199803 compen 200",
                           "total frmanexo131 5000"}
            << QStringList{"Recuerde que debe consignar información en todas las casillas ingresadas en la "
                           "declaración original, inclusive en las de determinación de la deuda"}
            << "2"
            // 500 = 60,000 + 15,000; 502 = 25,000 + 40,000 + 10,000.
            // 334 = 150,000 - 90,000 + 5,000 - 3,000 = 62,000; 505 = 62,000 - 2,000,
            // carried into 100; 341 = 60,000 - 1,000.
            // 106 = 60,000 + 4,000 - 2,000; 110 = 62,000 - 12,000; 113 = 30 % of 50,000.
            // 506 = 15,000 - 2,000; 507 = 13,000 - 1,000; 117 = 6 x 500; 509 = 12,000 - 3,000;
            // 510 = 9,000 - 500 - 1,200 (cap 50,000 x 0.1 x 15,000 / 62,000 = 1,209).
            // 128 = 12 x 400 + 200; balance 7,300 - 300 - 5,000 = 2,000 to pay.
            << QStringList{"500=75,000", "501=25,000", "502=75,000", "503=60,000", "334=62,000", "504=(0)",
                           "505=60,000", "338=(0)", "341=59,000", "342=(0)", "100=60,000 [cerrada]", "101=(0)",
                           "106=62,000", "107=(0)", "110=50,000", "111=(0)", "113=15,000", "506=13,000", "116=0",
                           "507=12,000", "117=(3,000)", "119=(0)", "509=9,000", "508=", "120= [cerrada]",
                           "122= [cerrada]", "510=7,300", "128=(5,000)", "138=0", "139=2,000", "514=2,000",
                           "146=2,000", "208=08 [cerrada]"}
            << QStringList{"100=60000", "101=0", "113=15000", "117=-3000", "128=-5000", "127=-300", "139=2000",
                           "180=2000", "208=08", "211=1234", "991=1", "990=0", "992=30", "989=1", "988=1",
                           "987=C", "005=12345678"};

        // No IEAN, under the agrarian law (15 %, the date of form 4888 and the
        // investment), domiciled, with a positive adjustment in box 332 that
        // makes the update factors apply, and box 140.
        QTest::newRow("sin IEAN")
            << (cabecera + QStringList{
                    "clic OptTipoCont 0", "clic OptConvEstab 0", "clic OptIEAN 0", "clic OptAgraria 1",
                    "fecha 15071998", "clic OptRectifica 0", "clic OptDomiciliado 1",
                    "pagina 1", "caja 300 50000", "caja 306 10000", "caja 308 5000", "caja 312 35000",
                    "caja 321 100000", "caja 323 40000", "caja 325 15000", "caja 332 8000",
                    "pagina 2", "caja 105 3000",
                    "pagina 3", "caja 130 500", "asistente 131", "caja 132 700", "caja 133 400", "caja 134 16",
                    "pagina 4", "caja 140 1500", "caja 141 500", "caja 144 1000", "caja 145 500",
                    "caja 180 2500", "efectivo",
                    "pagina 5", "caja 201 30000", "caja 203 20100047218", "caja 205 30000"} + representante)
            << QStringList{"frmanexo131 199801-199812 saluti 300", "frmanexo131 199803 compen 150",
                           "total frmanexo131 3884"}
            << QStringList{}
            << "3"
            // 500 = 50,000; 501 = 10,000 + 5,000; 502 = 15,000 + 35,000.
            // 334 = 100,000 - 40,000 - 15,000 + 8,000 = 53,000 = 505, carried into 100.
            // 106 = 110 = 53,000 - 3,000; 113 = 15 % of 50,000.
            // 511 = 7,500 - 500. 131 with the factors: 5 x 300 x 1.05 (315) + 450 x 1.05
            // (472.5, shown 473) + 6 x 300 x 1.02 (306) = 1,575 + 473 + 1,836 = 3,884.
            // 512 = 7,000 - 3,884; 513 = 3,116 - 700 (cap 50,000 x 0.1 x 0.15 = 750);
            // balance 2,416 - 400 - 16 = 2,000; 514 = 2,000 + 1,500 + 500; 146 = 4,000 - 1,500.
            << QStringList{"500=50,000", "501=15,000", "502=50,000", "503=60,000", "334=53,000", "504=(0)",
                           "505=53,000", "338=(0)", "341=53,000", "342=(0)", "100=53,000 [cerrada]", "101=(0)",
                           "106=50,000", "107=(0)", "110=50,000", "111=(0)", "113=7,500", "511=7,000",
                           "131=(3,884)", "512=3,116", "513=2,416", "138=0", "139=2,000", "140=1,500",
                           "514=4,000", "146=2,500", "137= [cerrada]", "203=20100047218"}
            << QStringList{"131=-3884", "132=-700", "140=1500", "332=8000", "511=7000", "512=3116", "513=2416",
                           "146=2500", "203=20100047218", "991=0", "993=1", "992=15", "200=19980715", "988=1",
                           "987=E"};

        // The payments on account cover the tax exactly: no balance either way,
        // so box 137 stays closed, also once the declaration is opened again.
        const QStringList sinSaldo = cabecera + QStringList{
            "clic OptTipoCont 0", "clic OptConvEstab 0", "clic OptIEAN 0", "clic OptAgraria 0",
            "clic OptRectifica 0", "clic OptDomiciliado 0",
            "pagina 1", "caja 300 10000", "caja 306 4000", "caja 312 6000",
            "pagina 2", "caja 100 10000",
            "pagina 3", "asistente 131",
            "pagina 4", "caja 180 0", "efectivo",
            "pagina 5"};
        QTest::newRow("sin IEAN sin saldo")
            << (sinSaldo + representante)
            << QStringList{"frmanexo131 199801-199812 saluti 250", "total frmanexo131 3000"}
            << QStringList{}
            << "3"
            // 113 = 30 % of 10,000; 131 = 12 x 250; 512 = 3,000 - 3,000 = 0, which 513 copies.
            << QStringList{"113=3,000", "511=3,000", "131=(3,000)", "512=0", "513=0", "138=0", "139=0",
                           "514=0", "146=0", "137= [cerrada]"}
            << QStringList{"131=-3000", "512=0", "513=0", "138=0", "139=0", "146=0", "992=30"};

        // Surnames and names longer than the 15 characters a name keeps,
        // typed and pasted: each box takes the first 15, which is what is
        // saved, shown again and printed.
        QTest::newRow("nombres largos")
            << (sinSaldo + QStringList{"texto TxtNombreA rodriguez de la fuente montenegro",
                                       "pegar TxtNombreN MARIA DEL CARMEN ALEJANDRA", "zona 08", "caja 211 1234",
                                       "texto TxtNombre1A QUISPE HUAMAN DE LA CRUZ",
                                       "pegar TxtNombre1N ROSA ELVIRA MERCEDES", "caja 225 08012345"})
            << QStringList{"frmanexo131 199801-199812 saluti 250", "total frmanexo131 3000"}
            << QStringList{}
            << "3"
            << QStringList{"TxtNombreA=RODRIGUEZ DE LA", "TxtNombreN=MARIA DEL CARME",
                           "TxtNombre1A=QUISPE HUAMAN D", "TxtNombre1N=ROSA ELVIRA MER"}
            << QStringList{"998=RODRIGUEZ DE LA", "999=MARIA DEL CARME", "996=QUISPE HUAMAN D",
                           "997=ROSA ELVIRA MER"};
    }

    void idaYVuelta()
    {
        QFETCH(QStringList, pasos);
        QFETCH(QStringList, anexos);
        QFETCH(QStringList, mensajes);
        QFETCH(QString, tipo);
        QFETCH(QStringList, casillas);
        QFETCH(QStringList, det);
        leerAnexos(anexos);

        msg::ScriptedAnswerer respuestas;
        QStringList enPantalla;
        {
            Frm381 w;
            abrir(w);
            for (const QString &p : std::as_const(pasos)) {
                paso(w, p);
                if (QTest::currentTestFailed())
                    QFAIL(qPrintable(QStringLiteral("at step: ") + p));
            }
            // Nothing objected while typing: no cap, no exclusive pair, no RUC.
            QStringList vistos;
            for (const auto &m : respuestas.shown())
                vistos << m.text;
            QCOMPARE(vistos, mensajes);
            respuestas.clear();

            QTest::mouseClick(w.CmdGrabar, Qt::LeftButton);
            QCOMPARE(respuestas.shown().size(), 1);
            // Every rule holds: the declaration is stored as consistent.
            QCOMPARE(respuestas.shown()[0].text, QStringLiteral("Grabada"));
            enPantalla = pantalla(w);
            for (const QString &c : std::as_const(casillas))
                QVERIFY2(enPantalla.contains(c), qPrintable(c + QStringLiteral(" not on screen")));
            respuestas.clear();
            QTest::mouseClick(w.cmdCancelar, Qt::LeftButton);
            QVERIFY(respuestas.shown().isEmpty());
            QVERIFY(!w.isVisible());
        }
        QCOMPARE(m_abiertos.size(), anexos.filter(QStringLiteral("total ")).size());

        const QStringList cab = filas(QStringLiteral("CAB"), QStringLiteral("DOC_ID_D"));
        const QStringList detalle = filas(QStringLiteral("DET"), QStringLiteral("Casilla"));
        const QStringList acta = filas(QStringLiteral("ACTA"), QStringLiteral("tipo_asist, per_pag"));
        QCOMPARE(cab.size(), 1);
        QVERIFY(cab[0].contains(QStringLiteral("|estado=qlonglong:0|")));
        for (const QString &d : std::as_const(det)) {
            const QString fila = QStringLiteral("|Casilla=QString:") + d.section(QLatin1Char('='), 0, 0)
                + QStringLiteral("|i_valor=QString:") + d.section(QLatin1Char('='), 1) + QLatin1Char('|');
            QVERIFY2(!detalle.filter(fila).isEmpty(), qPrintable(d + QStringLiteral(" not stored")));
        }
        // The names print as the window shows them: surnames, one blank, names.
        DatosImpresion impresa;
        impresa.sRuc = kRuc;
        impresa.sPeriodo = gsPeriodo;
        impresa.sFormulario = gsFormulario;
        pConsulta(impresa, *gdbBase);
        const auto nombre = [&](const char *a, const char *n) {
            return enPantalla.filter(QLatin1String(a) + QLatin1Char('=')).value(0).section(QLatin1Char('='), 1)
                + QLatin1Char(' ')
                + enPantalla.filter(QLatin1String(n) + QLatin1Char('=')).value(0).section(QLatin1Char('='), 1);
        };
        QCOMPARE(impresa.sNombreRepresentante, nombre("TxtNombre1A", "TxtNombre1N"));
        if (!impresa.sNombreContador.isEmpty())
            QCOMPARE(impresa.sNombreContador, nombre("TxtNombreA", "TxtNombreN"));
        // The 15 monthly rows of the annex type in force, and no other.
        QCOMPARE(acta.size(), 15);
        QCOMPARE(acta.filter(QStringLiteral("|tipo_asist=QString:") + tipo + QLatin1Char('|')).size(), 15);

        {
            Frm381 w;
            w.iAccion = 1;
            w.sRuc = kRuc;
            w.sRazon = kNombre;
            abrir(w);
            QVERIFY(!w.modelo()->bModificado);
            QVERIFY(respuestas.shown().isEmpty());
            const QStringList cargada = pantalla(w);
            QStringList distintas;
            for (int i = 0; i < enPantalla.size(); ++i)
                if (cargada.value(i) != enPantalla[i])
                    distintas << enPantalla[i] + QStringLiteral(" -> ") + cargada.value(i);
            QVERIFY2(distintas.isEmpty(), qPrintable(distintas.join(QStringLiteral("; "))));
            QTest::mouseClick(w.CmdGrabar, Qt::LeftButton);
            QCOMPARE(respuestas.shown().size(), 1);
            QCOMPARE(respuestas.shown()[0].text, QStringLiteral("Grabada"));
            QTest::mouseClick(w.cmdCancelar, Qt::LeftButton);
            QVERIFY(!w.isVisible());
        }
        QCOMPARE(filas(QStringLiteral("CAB"), QStringLiteral("DOC_ID_D")), cab);
        QCOMPARE(filas(QStringLiteral("DET"), QStringLiteral("Casilla")), detalle);
        QCOMPARE(filas(QStringLiteral("ACTA"), QStringLiteral("tipo_asist, per_pag")), acta);
    }
};

QTEST_MAIN(TstIdaVuelta)
#include "tst_idavuelta.moc"
