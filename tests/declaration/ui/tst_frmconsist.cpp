// The inconsistency list window and its printout: the message file shown,
// the acceptance, the framed listing for a short list and for more than one
// page, and the document written as a PDF.
#include "declaration/core/reglas/validacionlista.h"
#include "declaration/ui/frmconsist.h"
#include "platform/impresora.h"
#include "platform/msgbox.h"
#include "platform/textfile.h"
#include "shell/core/modglobal.h"
#include "shell/ui/mdifrm.h"
#include "shell/ui/modventanas.h"
#include <QDir>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QDateTime kAhora(QDate(1999, 3, 15), QTime(10, 20, 30));

QStringList mensajes(int n)
{
    QStringList l;
    for (int i = 1; i <= n; ++i)
        l << QStringLiteral("Inconsistencia número %1").arg(i);
    return l;
}

QString describir(const OrdenImpresion &o)
{
    switch (o.tipo) {
    case OrdenImpresion::Texto:
        return QStringLiteral("T %1,%2 %3%4").arg(o.x).arg(o.y).arg(o.negrita ? QStringLiteral("N ") : QString(), o.texto);
    case OrdenImpresion::Cuadro:
        return QStringLiteral("C %1,%2-%3,%4").arg(o.x).arg(o.y).arg(o.x2).arg(o.y2);
    case OrdenImpresion::NuevaPagina:
        return QStringLiteral("P");
    }
    return QString();
}

QStringList describir(const QList<OrdenImpresion> &l)
{
    QStringList s;
    for (const auto &o : l)
        s << describir(o);
    return s;
}

const QStringList kCabecera = {
    QStringLiteral("T 400,300 N 15/03/1999"),
    QStringLiteral("T 4500,300 N INCONSISTENCIAS DETECTADAS "),
    QStringLiteral("T 400,570 N 10:20:30"),
    QStringLiteral("T 3500,570 N DECLARACION PAGO ANUAL IMPUESTO A LA RENTA 3RA. CAT. 1998"),
};

int paginasPdf(const QString &archivo)
{
    QFile f(archivo);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    // Page objects, not the page tree ("/Type /Pages").
    return f.readAll().count(QByteArrayLiteral("/Type /Page\n"));
}
} // namespace

class TstFrmConsist : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    void escribir(const QStringList &lineas) { QVERIFY(textfile::writeLines(gsArchivoMensajes, lineas)); }

private slots:
    void init()
    {
        QVERIFY(dir.isValid());
        gsArchivoMensajes = dir.filePath(QStringLiteral("Mens.txt"));
        gsAceptaInconsistencias.clear();
        QFile::remove(gsArchivoMensajes);
    }

    void muestraElArchivo()
    {
        escribir({QStringLiteral("Ingrese el teléfono"), QStringLiteral("Indique si esta o no afecto al IEAN")});
        {
            FrmConsist w;
            QCOMPARE(giConsistAbierto, 1);
            QCOMPARE(w.windowTitle(), QStringLiteral("Inconsistencias detectadas"));
            QCOMPARE(w.TxtPreliminar->toPlainText(),
                     QStringLiteral("Ingrese el teléfono\nIndique si esta o no afecto al IEAN\n"));
            QCOMPARE(w.TxtPreliminar->font().family(), QStringLiteral("Courier New"));
            QCOMPARE(w.CmdGrabar->text(), QStringLiteral("&Aceptar"));
            QCOMPARE(w.CmdImprimir->text(), QStringLiteral("&Imprimir"));
            w.reject();   // the close box
            QCOMPARE(gsAceptaInconsistencias, QString());
        }
        QCOMPARE(giConsistAbierto, 0);
    }

    // It opens centred over the main window at its own size: a main window of
    // 648 x 488 pixels (9720 x 7320 twips, no frame yet) and a list of
    // 640 x 360 pixels (9600 x 5400 twips) give left (9720 - 9600) / 2 = 60
    // and top (7320 - 5400) / 2 = 960 twips.
    void centradaSobrePrincipal()
    {
        if (fTwipsPorPixel() != 15)
            QSKIP("needs 15 twips per pixel");
        escribir({});
        MDIFrm principal;
        principal.resize(648, 488);
        FrmConsist w(&principal);
        QCOMPARE(w.size(), QSize(640, 360));
        QCOMPARE(w.pos(), QPoint(4, 64));
        w.show();
        QCOMPARE(w.pos(), QPoint(4, 64));
    }

    // Accepting sets "A", also for an empty list.
    void aceptar()
    {
        escribir({});
        FrmConsist w;
        w.show();
        QCOMPARE(w.TxtPreliminar->toPlainText(), QString());
        w.CmdGrabar->click();
        QCOMPARE(gsAceptaInconsistencias, QStringLiteral("A"));
        QCOMPARE(w.result(), int(QDialog::Accepted));
    }

    void hojaVacia()
    {
        const QStringList esperado = kCabecera + QStringList{QStringLiteral("T 500,1000  Inconsistencias Detectadas :  0"),
                                                             QStringLiteral("C 300,720-10000,1270")};
        QCOMPARE(describir(fHojasInconsistencias({}, kAhora)), esperado);
    }

    void hojaCorta()
    {
        const QStringList esperado = kCabecera + QStringList{QStringLiteral("T 400,1000  1. Ingrese el teléfono"),
                                                             QStringLiteral("T 400,1270  2. B"),
                                                             QStringLiteral("T 400,1540  3. C"),
                                                             QStringLiteral("T 500,1810  Inconsistencias Detectadas :  3"),
                                                             QStringLiteral("C 300,720-10000,2080")};
        QCOMPARE(describir(fHojasInconsistencias({QStringLiteral("Ingrese el teléfono"), QStringLiteral("B"), QStringLiteral("C")}, kAhora)),
                 esperado);
    }

    // 40 lines fill one page with the total below them; from 41 on each page
    // has its header, its lines from y 1000 and its frame; the numbering runs on.
    void variasHojas()
    {
        const QStringList cuarenta = describir(fHojasInconsistencias(mensajes(40), kAhora));
        QCOMPARE(cuarenta.count(QStringLiteral("P")), 0);
        QCOMPARE(cuarenta.at(4 + 39), QStringLiteral("T 400,11530  40. Inconsistencia número 40"));
        QCOMPARE(cuarenta.mid(44), (QStringList{QStringLiteral("T 500,11800  Inconsistencias Detectadas :  40"),
                                                QStringLiteral("C 300,720-10000,12070")}));

        const QStringList l = describir(fHojasInconsistencias(mensajes(85), kAhora));
        QCOMPARE(l.count(QStringLiteral("P")), 2);
        QCOMPARE(l.size(), 3 * 4 + 85 + 2 + 3 + 1);
        // Page 1: header, lines 1-40, its frame down to the last line's space.
        QCOMPARE(l.mid(0, 4), kCabecera);
        QCOMPARE(l.at(44), QStringLiteral("C 300,720-10000,11800"));
        QCOMPARE(l.at(45), QStringLiteral("P"));
        // Page 2 starts again at the top.
        QCOMPARE(l.mid(46, 4), kCabecera);
        QCOMPARE(l.at(50), QStringLiteral("T 400,1000  41. Inconsistencia número 41"));
        QCOMPARE(l.at(89), QStringLiteral("T 400,11530  80. Inconsistencia número 80"));
        QCOMPARE(l.at(90), QStringLiteral("C 300,720-10000,11800"));
        // Page 3: lines 81-85, the total and the frame.
        QCOMPARE(l.mid(92, 4), kCabecera);
        QCOMPARE(l.at(96), QStringLiteral("T 400,1000  81. Inconsistencia número 81"));
        QCOMPARE(l.at(100), QStringLiteral("T 400,2080  85. Inconsistencia número 85"));
        QCOMPARE(l.mid(101), (QStringList{QStringLiteral("T 500,2350  Inconsistencias Detectadas :  85"),
                                          QStringLiteral("C 300,720-10000,2620")}));
        // Every text fits on an A4 page (16838 twips high).
        for (const OrdenImpresion &o : fHojasInconsistencias(mensajes(85), kAhora))
            QVERIFY(o.y < 16838 && o.y2 < 16838);
    }

    // With $QX_PRINTER_PDF the printout is a PDF of as many pages as the layout.
    void impresoEnPdf_data()
    {
        QTest::addColumn<int>("lineas");
        QTest::addColumn<int>("paginas");
        QTest::newRow("corta") << 3 << 1;
        QTest::newRow("tres hojas") << 85 << 3;
    }
    void impresoEnPdf()
    {
        QFETCH(int, lineas);
        QFETCH(int, paginas);
        QTemporaryDir pdf;
        qputenv("QX_PRINTER_PDF", pdf.path().toLocal8Bit());
        escribir(mensajes(lineas));
        msg::ScriptedAnswerer a;
        FrmConsist w;
        w.CmdImprimir->click();
        qunsetenv("QX_PRINTER_PDF");
        QVERIFY(a.shown().isEmpty());
        const QStringList archivos = QDir(pdf.path()).entryList({QStringLiteral("*.pdf")});
        QCOMPARE(archivos.size(), 1);
        QCOMPARE(paginasPdf(QDir(pdf.path()).filePath(archivos.first())), paginas);
    }

    // Positions in twips become device units at the printer's resolution.
    void twipsADispositivo()
    {
        QTemporaryDir pdf;
        qputenv("QX_PRINTER_PDF", pdf.path().toLocal8Bit());
        Printer p;
        QVERIFY(p.begin(QStringLiteral("prueba")));
        qunsetenv("QX_PRINTER_PDF");
        QVERIFY(p.resolution() > 0);
        QCOMPARE(p.toDevice(1440), double(p.resolution()));
        QCOMPARE(p.toDevice(720), p.resolution() / 2.0);
        QVERIFY(p.end());
        QVERIFY(p.pdfFile().endsWith(QStringLiteral("/prueba.pdf")));
        Printer q;
        qputenv("QX_PRINTER_PDF", pdf.path().toLocal8Bit());
        QVERIFY(q.begin(QStringLiteral("prueba")));
        qunsetenv("QX_PRINTER_PDF");
        QVERIFY(q.end());
        QVERIFY(q.pdfFile().endsWith(QStringLiteral("/prueba-2.pdf")));   // the first stays
    }

    void sinImpresora()
    {
        qunsetenv("QX_PRINTER_PDF");
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a default printer");
        escribir(mensajes(2));
        msg::ScriptedAnswerer a;
        pImprimirInconsistencias();
        QCOMPARE(a.shown().size(), 1);
        QCOMPARE(a.shown().first().text, QStringLiteral("No existe una impresora seleccionada.Verifique."));
        QCOMPARE(a.shown().first().style, 16);
        QCOMPARE(a.shown().first().title, QStringLiteral("Impresión"));
    }
};

QTEST_MAIN(TstFrmConsist)
#include "tst_frmconsist.moc"
