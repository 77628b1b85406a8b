// The preview window: its arithmetic, paging and scrolling, and printing a
// declaration to PDF from the preview or directly through the opener.
#include "../../support/testdb.h"
#include "platform/msgbox.h"
#include "printing/core/geometriaprevia.h"
#include "printing/ui/frmvprevia.h"
#include "printing/ui/registroimpresion.h"
#include "shell/core/modglobal.h"
#include "shell/ui/aperturas.h"
#include "shell/ui/modventanas.h"
#include "shell/ui/registroventanas.h"
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>

namespace {

const QString kRuc = QStringLiteral("20100070970");

struct Base {
    testdb::Entorno env;
    std::shared_ptr<Database> db = env.abrir();
    QString rpt = env.sysPath + QStringLiteral("RPT/");
    QString pdf = env.sysPath + QStringLiteral("TMP/");
    cUtilitario util;

    Base()
    {
        gdbBase = db;
        goUtilitario = &util;
        gsRutaRpt = rpt;
        gsUsuario = QStringLiteral("USUARIO1");
        gsPeriodo = QStringLiteral("1998");
        gsFormulario = QStringLiteral("0951");
        qputenv("QX_PRINTER_PDF", pdf.toLocal8Bit());
        db->exec(QStringLiteral("INSERT INTO DET (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, Casilla, i_valor)"
                                " VALUES (?, 6, '1998', '0951', '028', '4421234')"),
                 {kRuc});
        registro::limpiar();
        pRegistrarImpresion();
    }
    ~Base()
    {
        registro::limpiar();
        qunsetenv("QX_PRINTER_PDF");
        gdbBase.reset();
        goUtilitario = nullptr;
    }
    void preparar(frmVPrevia &w, bool anexo) const
    {
        w.iOpcion = 1;
        w.bAnexo = anexo;
        w.sRuc = kRuc;
        w.sRaSoc = QStringLiteral("COMERCIAL A");
        w.sPeriodo = QStringLiteral("1998");
        w.sFormulario = QStringLiteral("0951");
        w.sCodReporte = QStringLiteral("PR0003");
    }
    QStringList pdfs() const { return QDir(pdf).entryList({QStringLiteral("*.pdf")}, QDir::Files); }
    QStringList guiones() const { return testdb::archivos(rpt); }
    QStringList spool() const
    {
        QStringList l;
        for (const QSqlRecord &r : db->select(QStringLiteral("SELECT CodRep, Archivo FROM SPOOL ORDER BY Archivo")))
            l << r.value(0).toString() + QLatin1Char(' ') + r.value(1).toString();
        return l;
    }
    // Pages of a PDF: its page objects.
    int paginasPdf(const QString &nombre) const
    {
        QFile f(pdf + nombre);
        if (!f.open(QIODevice::ReadOnly))
            return -1;
        return QString::fromLatin1(f.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)")));
    }
    int saltos(const QString &guion) const
    {
        QFile f(rpt + guion);
        if (!f.open(QIODevice::ReadOnly))
            return -1;
        return QString::fromLatin1(f.readAll()).split(QStringLiteral("\r\n")).count(QStringLiteral("pNuevaHoja"));
    }
};

int fTw(int px)
{
    return qRound(px * fTwipsPorPixel());
}

} // namespace

class TstFrmVPrevia : public QObject {
    Q_OBJECT
private slots:
    void geometria_data()
    {
        QTest::addColumn<QList<int>>("entrada");   // W H T S V, client height
        QTest::addColumn<QList<int>>("salida");    // vsb left, vsb height, background w h, hsb width, hsb top
        QTest::newRow("marco de 400") << QList<int>{12000, 9000, 600, 255, 255, 8600}
                                      << QList<int>{11645, 7745, 11545, 7745, 11645, 8345};
        QTest::newRow("sin marco") << QList<int>{12000, 9000, 600, 255, 255, 9000}
                                   << QList<int>{11645, 7745, 11545, 7745, 11645, 8345};
        QTest::newRow("marco mas alto") << QList<int>{12000, 9000, 600, 255, 255, 8400}
                                        << QList<int>{11645, 7545, 11545, 7545, 11645, 8145};
        QTest::newRow("ventana diminuta") << QList<int>{300, 1000, 600, 255, 255, 600}
                                          << QList<int>{0, 0, 0, 0, 0, 600};
    }
    void geometria()
    {
        QFETCH(QList<int>, entrada);
        QFETCH(QList<int>, salida);
        const GeometriaPrevia g =
            fGeometriaPrevia(entrada[0], entrada[1], entrada[2], entrada[3], entrada[4], entrada[5]);
        QCOMPARE((QList<int>{g.vsbLeft, g.vsbHeight, g.fondoWidth, g.fondoHeight, g.hsbWidth, g.hsbTop}), salida);
    }

    void cuadre_data()
    {
        QTest::addColumn<QList<int>>("entrada");   // page width, page height, bar height, background width
        QTest::addColumn<QList<int>>("salida");    // vertical max, horizontal max, page left
        QTest::newRow("hoja 1 y barra de 4000") << QList<int>{17000, 30000, 4000, 10000} << QList<int>{27000, 2000, 0};
        QTest::newRow("fondo de 11000") << QList<int>{17000, 30000, 4000, 11000} << QList<int>{27000, 2000, 0};
        QTest::newRow("fondo de 11001") << QList<int>{17000, 30000, 4000, 11001} << QList<int>{27000, 0, 0};
        QTest::newRow("anexos centrados") << QList<int>{11175, 15000, 4000, 13175} << QList<int>{12000, 0, 1000};
        QTest::newRow("barra mas alta") << QList<int>{11175, 15000, 17000, 9000} << QList<int>{0, 2000, 0};
    }
    void cuadre()
    {
        QFETCH(QList<int>, entrada);
        QFETCH(QList<int>, salida);
        const CuadrePrevia c = fCuadrePrevia(entrada[0], entrada[1], entrada[2], entrada[3]);
        QCOMPARE((QList<int>{c.vsbMax, c.hsbMax, c.paginaLeft}), salida);
    }

    void paginado_data()
    {
        QTest::addColumn<bool>("anexo");
        QTest::addColumn<QList<int>>("botones");
        QTest::addColumn<QStringList>("contador");
        QTest::newRow("sin anexos") << false << QList<int>{3, 3, 2, 2}
                                    << QStringList{"1/2", "2/2", "2/2", "1/2", "1/2"};
        QTest::newRow("con anexos") << true << QList<int>{2, 3, 3, 3, 2}
                                    << QStringList{"1/3", "1/3", "2/3", "3/3", "3/3", "2/3"};
    }
    void paginado()
    {
        QFETCH(bool, anexo);
        QFETCH(QList<int>, botones);
        QFETCH(QStringList, contador);
        Base b;
        frmVPrevia w;
        b.preparar(w, anexo);
        w.show();
        QStringList vistos{w.txtPag->text()};
        for (int boton : botones) {
            w.vsbPic->setValue(3000);
            const int antes = w.iHojaActual;
            w.boton(boton)->trigger();
            vistos << w.txtPag->text();
            for (int i = 0; i < 3; ++i)
                QCOMPARE(w.picPrevia[i]->isVisible(), i == w.iHojaActual - 1);
            // A new page starts at its top; at either end nothing moves.
            QCOMPARE(w.picPrevia[w.iHojaActual - 1]->y(), w.iHojaActual == antes ? -200 : 0);
        }
        QCOMPARE(vistos, contador);
        QCOMPARE(w.txtPag->toolTip(), QStringLiteral("Número de Paginas"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Vista Preliminar del Impuesto a la Renta"));
        QVERIFY(b.guiones().isEmpty());
        QVERIFY(b.spool().isEmpty());
    }

    // The bars move the page; a background wider than 11000 twips centres it
    // and takes the horizontal bar's range away.
    void desplazamiento()
    {
        Base b;
        frmVPrevia w;
        b.preparar(w, false);
        w.show();
        w.resize(qRound(10000 / fTwipsPorPixel()), qRound(8000 / fTwipsPorPixel()));
        QCOMPARE(w.hsbPrevia->maximum(), 2000);
        QCOMPARE(w.vsbPic->maximum(), 30000 - fTw(w.vsbPic->height()) + 1000);
        w.vsbPic->setValue(3000);
        QCOMPARE(w.picPrevia[0]->y(), -200);
        w.hsbPrevia->setValue(1500);
        QCOMPARE(w.picPrevia[0]->x(), -100);

        w.boton(3)->trigger();
        QCOMPARE(w.vsbPic->value(), 0);
        QCOMPARE(w.hsbPrevia->value(), 0);
        QCOMPARE(w.picPrevia[1]->pos(), QPoint(0, 0));

        w.resize(qRound(20000 / fTwipsPorPixel()), qRound(8000 / fTwipsPorPixel()));
        QCOMPARE(w.hsbPrevia->maximum(), 0);
        const int fondo = fTw(w.picFondo->width());
        QVERIFY(fondo > 17000);
        QVERIFY(qAbs(w.picPrevia[1]->x() - qRound((fondo - 17000) / 2 / fTwipsPorPixel())) <= 1);
    }

    // The mouse wheel over the page moves it as the bars do: a notch is the
    // desktop's three lines, each one row of the form (270 twips); turned
    // towards the user it goes down the page, away from the user back up,
    // sideways (the wheel tilted left) to the left.
    void rueda_data()
    {
        QTest::addColumn<QPoint>("giro");
        QTest::addColumn<int>("vertical");      // the bars' values before
        QTest::addColumn<int>("horizontal");
        QTest::addColumn<int>("verticalDespues");
        QTest::addColumn<int>("horizontalDespues");
        QTest::newRow("hacia abajo") << QPoint(0, -120) << 0 << 0 << 810 << 0;
        QTest::newRow("dos muescas") << QPoint(0, -240) << 0 << 0 << 1620 << 0;
        QTest::newRow("hacia arriba") << QPoint(0, 120) << 3000 << 0 << 2190 << 0;
        QTest::newRow("arriba del todo") << QPoint(0, 120) << 500 << 0 << 0 << 0;
        QTest::newRow("a la izquierda") << QPoint(120, 0) << 0 << 1500 << 0 << 690;
    }
    void rueda()
    {
        QFETCH(QPoint, giro);
        QFETCH(int, vertical);
        QFETCH(int, horizontal);
        QFETCH(int, verticalDespues);
        QFETCH(int, horizontalDespues);
        Base b;
        frmVPrevia w;
        b.preparar(w, false);
        w.show();
        w.resize(qRound(10000 / fTwipsPorPixel()), qRound(8000 / fTwipsPorPixel()));
        QCOMPARE(QApplication::wheelScrollLines(), 3);
        w.vsbPic->setValue(vertical);
        w.hsbPrevia->setValue(horizontal);
        // Over the middle of the page's background, where the page lies.
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QPoint global = w.picFondo->mapToGlobal(w.picFondo->rect().center());
        QWidget *debajo = QApplication::widgetAt(global);
        QCOMPARE(debajo, w.picPrevia[0]);
        const QPointF local(debajo->mapFromGlobal(global));
        QWheelEvent rueda(local, QPointF(global), QPoint(), giro, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(debajo, &rueda);
        QCOMPARE(w.vsbPic->value(), verticalDespues);
        QCOMPARE(w.hsbPrevia->value(), horizontalDespues);
        QCOMPARE(w.picPrevia[0]->pos(), QPoint(-qRound(horizontalDespues / fTwipsPorPixel()),
                                               -qRound(verticalDespues / fTwipsPorPixel())));
    }

    // Printing from the preview: the printer, a script and its row; the
    // pictures stay as the preview drew them.
    void imprimirDesdeLaPrevia_data()
    {
        QTest::addColumn<bool>("anexo");
        QTest::newRow("sin anexos") << false;
        QTest::newRow("con anexos") << true;
    }
    void imprimirDesdeLaPrevia()
    {
        QFETCH(bool, anexo);
        Base b;
        frmVPrevia w;
        b.preparar(w, anexo);
        w.show();
        QCOMPARE(w.datos().sTelefono, QStringLiteral("4421234"));
        const QImage antes = w.paginas().pagina(0).copy();
        msg::ScriptedAnswerer mensajes;
        w.boton(4)->trigger();
        QVERIFY(mensajes.shown().isEmpty());
        QCOMPARE(w.sModoImpresion, QStringLiteral("IMPRIMIR"));
        QCOMPARE(b.spool(), QStringList{"PR0003 00000001.PRN"});
        QCOMPARE(b.guiones(), QStringList{"00000001.PRN"});
        QCOMPARE(b.pdfs().size(), 1);
        QCOMPARE(b.paginasPdf(b.pdfs().first()), b.saltos(QStringLiteral("00000001.PRN")) + 1);
        QCOMPARE(b.saltos(QStringLiteral("00000001.PRN")), anexo ? 2 : 1);
        QCOMPARE(w.paginas().pagina(0), antes);
        w.boton(4)->trigger();
        QCOMPARE(b.spool(), (QStringList{"PR0003 00000001.PRN", "PR0003 00000002.PRN"}));
        QCOMPARE(b.pdfs().size(), 2);
    }

    // The direct print through the opener never shows the window; a sent
    // declaration is registered under PR0014.
    void impresionDirecta_data()
    {
        QTest::addColumn<bool>("enviada");
        QTest::addColumn<QString>("fila");
        QTest::newRow("guardada") << false << "PR0003 00000001.PRN";
        QTest::newRow("enviada") << true << "PR0014 00000001.PRN";
    }
    void impresionDirecta()
    {
        QFETCH(bool, enviada);
        QFETCH(QString, fila);
        Base b;
        int mostradas = 0;
        struct Vigia : QObject {
            int *n;
            bool eventFilter(QObject *o, QEvent *e) override
            {
                if (e->type() == QEvent::Show && qobject_cast<frmVPrevia *>(o))
                    ++*n;
                return false;
            }
        } filtro;
        filtro.n = &mostradas;
        qApp->installEventFilter(&filtro);
        pVistaPrevia(2, false, enviada,
                     {kRuc, "COMERCIAL A", "1998", "0951", "2", "4455667", "ABC123"});
        qApp->removeEventFilter(&filtro);
        QCOMPARE(mostradas, 0);
        QCOMPARE(b.spool(), QStringList{fila});
        QCOMPARE(b.pdfs().size(), 1);
        QCOMPARE(b.paginasPdf(b.pdfs().first()), 2);
    }

    // Without a printer the run says so and leaves nothing behind.
    void sinImpresora()
    {
        Base b;
        qunsetenv("QX_PRINTER_PDF");
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a printer");
        msg::ScriptedAnswerer mensajes;
        pVistaPrevia(2, true, false, {kRuc, "COMERCIAL A", "1998", "0951", "", "", ""});
        QCOMPARE(mensajes.shown().size(), 1);
        QCOMPARE(mensajes.shown().first().text, QStringLiteral("Error Impresora no disponible"));
        QCOMPARE(mensajes.shown().first().style, 16);
        QVERIFY(b.spool().isEmpty());
        QVERIFY(b.guiones().isEmpty());
    }
};

QTEST_MAIN(TstFrmVPrevia)
#include "tst_frmvprevia.moc"
