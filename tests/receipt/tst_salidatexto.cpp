// The tag-script engine in process: file renderings, the printer path through
// a recording printer and through the PDF stand-in, and its messages.
#include "receipt/impresora.h"
#include "receipt/main000.h"
#include "receipt/salidatexto.h"

#include "platform/impresora.h"
#include "platform/msgbox.h"
#include "../support/textoshostiles.h"
#include "../support/tintapdf.h"

#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Records what the engine asks of the printer.
struct ImpresoraGrabadora : Impresora {
    QStringList *registro;
    explicit ImpresoraGrabadora(QStringList *r) : registro(r) {}
    void fuente(const QString &n, int t, bool b, bool i, bool u) override
    {
        registro->append(QStringLiteral("fuente %1 %2 %3%4%5").arg(n).arg(t).arg(b).arg(i).arg(u));
    }
    void linea(const QString &t) override { registro->append(QStringLiteral("linea ") + t); }
    void lineaVacia() override { registro->append(QStringLiteral("vacia")); }
    void nuevaPagina() override { registro->append(QStringLiteral("pagina")); }
    void finDocumento() override { registro->append(QStringLiteral("fin")); }
};

QByteArray crlf(const QStringList &lineas)
{
    QByteArray b;
    for (const QString &l : lineas)
        b += l.toLatin1() + "\r\n";
    return b;
}

} // namespace

class TstSalidaTexto : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QStringList m_pedidos;   // printers asked for
    QStringList m_registro;
    FabricaImpresora m_previa;

    void guion(const QString &nombre, const QStringList &lineas)
    {
        QFile f(gsRutaRpt + nombre);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(crlf(lineas));
    }
    QByteArray leer(const QString &nombre)
    {
        QFile f(gsRutaRpt + nombre);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    // Hidden files the engine left in the report folder.
    QStringList temporales()
    {
        return QDir(gsRutaRpt).entryList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden)
               + QDir(gsRutaRpt + QStringLiteral(".qx-temporales")).entryList(QDir::Files | QDir::Hidden);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        gsRutaRpt = m_dir.path() + QStringLiteral("/RPT/");
        QVERIFY(QDir().mkpath(gsRutaRpt));
    }
    void init()
    {
        m_pedidos.clear();
        m_registro.clear();
        m_previa = setFabricaImpresora([this](const QString &doc) -> std::unique_ptr<Impresora> {
            m_pedidos << doc;
            return std::make_unique<ImpresoraGrabadora>(&m_registro);
        });
        gbNuevaPagina = false;
    }
    void cleanup() { setFabricaImpresora(m_previa); }

    void archivo_data()
    {
        QTest::addColumn<QStringList>("entrada");
        QTest::addColumn<QString>("destino");
        QTest::addColumn<QStringList>("salida");
        QTest::newRow("texto tras una etiqueta no sale")
            << QStringList{"<!bold!>texto", "uno"} << "ARCHIVO" << QStringList{"uno"};
        QTest::newRow("linea vacia y de blancos")
            << QStringList{"", "   ", "dos"} << "ARCHIVO" << QStringList{" ", " ", "dos"};
        QTest::newRow("etiquetas desconocidas y cierres sueltos")
            << QStringList{"<!nHojas!>1<!/nHojas!>", "<!/font!>", "<!Bold!>", "a <!x!> b", "<!>", "tres"}
            << "ARCHIVO" << QStringList{"tres"};
        QTest::newRow("dos constancias") << QStringList{"uno", "<!np!>", "dos", "<!np!>"} << "ARCHIVO"
                                         << QStringList{"uno", QString(QChar(15)), "dos"};
        QTest::newRow("printer en minusculas es archivo")
            << QStringList{"uno"} << "printer" << QStringList{"uno"};
        QTest::newRow("linea de datos tras su etiqueta")
            << QStringList{"<!texto!>a <!np!> b", "<!texto!>", "<!texto!>  ", "<!texto!><!bold", "dos"}
            << "ARCHIVO" << QStringList{"a <!np!> b", " ", " ", "<!bold", "dos"};
    }
    void archivo()
    {
        QFETCH(QStringList, entrada);
        QFETCH(QString, destino);
        QFETCH(QStringList, salida);
        msg::ScriptedAnswerer mensajes;
        guion(QStringLiteral("G.PRN"), entrada);
        QVERIFY(pImprimirReporte(QStringLiteral("G.PRN"), destino));
        QCOMPARE(gsDestino, QStringLiteral("ARCHIVO"));
        QCOMPARE(leer(QStringLiteral("G.txt")), crlf(salida));
        QCOMPARE(temporales(), QStringList());
        QCOMPARE(mensajes.shown().size(), 0);
        QCOMPARE(m_pedidos, QStringList());   // the printer is left alone
    }

    // A line of data, whatever it holds (tests/support/textoshostiles.h),
    // renders as one line that gives it back, line ends and tabs as blanks;
    // the lines around it and the font state stay as they were.
    void lineaDato_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("enTexto");
        for (const textoshostiles::Caso &c : textoshostiles::casos())
            QTest::newRow(c.fila) << c.texto << c.enTexto;
        QTest::newRow("sin marcas") << "RAZON SOCIAL    : ACME S.A." << "RAZON SOCIAL    : ACME S.A.";
    }
    void lineaDato()
    {
        QFETCH(QString, texto);
        QFETCH(QString, enTexto);
        msg::ScriptedAnswerer mensajes;
        guion(QStringLiteral("D.PRN"), {QStringLiteral("uno"), fLineaDato(texto), QStringLiteral("dos")});
        QVERIFY(pImprimirReporte(QStringLiteral("D.PRN"), QStringLiteral("ARCHIVO")));
        QCOMPARE(leer(QStringLiteral("D.txt")), crlf({QStringLiteral("uno"), enTexto, QStringLiteral("dos")}));
        QCOMPARE(mensajes.shown().size(), 0);
        QVERIFY(!gbNuevaPagina);
        QVERIFY(!gbNegrita);
        // Text without those characters is written as it was.
        if (texto == enTexto && !texto.contains(QLatin1String("<!")))
            QCOMPARE(fLineaDato(texto), texto);
    }

    void estadoFuente_data()
    {
        QTest::addColumn<QStringList>("entrada");
        QTest::addColumn<QString>("fuente");
        QTest::addColumn<int>("tamano");
        QTest::addColumn<bool>("negrita");
        QTest::addColumn<bool>("subrayado");
        QTest::addColumn<bool>("cursiva");
        QTest::newRow("al empezar") << QStringList{} << "Courier New" << 8 << false << false << false;
        QTest::newRow("fuente y tamano") << QStringList{"<!font!>Arial<!/font!>", "<!fontsize!>10<!/fontsize!>"}
                                         << "Arial" << 10 << false << false << false;
        QTest::newRow("tamano redondeado a par") << QStringList{"<!fontsize!>10.5<!/fontsize!>"}
                                                 << "Courier New" << 10 << false << false << false;
        QTest::newRow("tamano: el numero al comienzo") << QStringList{"<!fontsize!>12 pt<!/fontsize!>"}
                                                       << "Courier New" << 12 << false << false << false;
        QTest::newRow("tamano sin numero es cero") << QStringList{"<!fontsize!>diez<!/fontsize!>"}
                                                   << "Courier New" << 0 << false << false << false;
        QTest::newRow("solo la primera etiqueta") << QStringList{"<!bold!><!underline!>"} << "Courier New" << 8
                                                  << true << false << false;
        QTest::newRow("abrir y cerrar") << QStringList{"<!bold!>", "<!underline!>", "<!italic!>", "<!/bold!>"}
                                        << "Courier New" << 8 << false << true << true;
    }
    void estadoFuente()
    {
        QFETCH(QStringList, entrada);
        QFETCH(QString, fuente);
        QFETCH(int, tamano);
        QFETCH(bool, negrita);
        QFETCH(bool, subrayado);
        QFETCH(bool, cursiva);
        gbNegrita = gbSubrayado = gbCursiva = true;   // reset by the rendering
        guion(QStringLiteral("F.PRN"), entrada);
        QVERIFY(pImprimirReporte(QStringLiteral("F.PRN"), QStringLiteral("ARCHIVO")));
        QCOMPARE(gsFuente, fuente);
        QCOMPARE(giTamanoFuente, tamano);
        QCOMPARE(gbNegrita, negrita);
        QCOMPARE(gbSubrayado, subrayado);
        QCOMPARE(gbCursiva, cursiva);
    }

    void guionFaltante()
    {
        msg::ScriptedAnswerer mensajes;
        guion(QStringLiteral("NADA.txt"), {QStringLiteral("anterior")});
        QVERIFY(!pImprimirReporte(QStringLiteral("NADA.PRN"), QStringLiteral("ARCHIVO")));
        QCOMPARE(mensajes.shown().size(), 1);
        QCOMPARE(mensajes.shown()[0].text, QStringLiteral("Archivo Físico del Reporte no Existe"));
        QCOMPARE(mensajes.shown()[0].style, 16);
        QCOMPARE(mensajes.shown()[0].title, QStringLiteral("Error al Imprimir"));
        // no text is written: the earlier one stays as it was
        QCOMPARE(leer(QStringLiteral("NADA.txt")), crlf({QStringLiteral("anterior")}));
        QCOMPARE(temporales(), QStringList());
    }

    // A rendering that stops on an error fails and leaves no text, whole or
    // partial, under the name the host reads.
    void errorDeEtiqueta_data()
    {
        QTest::addColumn<QString>("linea");
        QTest::addColumn<QString>("mensaje");
        const QString arg = QStringLiteral("Error Técnico : ( 5) Llamada a procedimiento o argumento no válidos");
        QTest::newRow("etiqueta sin cierre") << "a <!bold" << arg;
        QTest::newRow("fuente sin cierre") << "<!font!>Arial" << arg;
        QTest::newRow("tamano fuera de un entero de 16 bits") << "<!fontsize!>40000<!/fontsize!>"
                                                              << "Error Técnico : ( 6) Desbordamiento";
    }
    void errorDeEtiqueta()
    {
        QFETCH(QString, linea);
        QFETCH(QString, mensaje);
        msg::ScriptedAnswerer mensajes;
        guion(QStringLiteral("E.PRN"), {QStringLiteral("uno"), linea, QStringLiteral("dos")});
        QVERIFY(!pImprimirReporte(QStringLiteral("E.PRN"), QStringLiteral("ARCHIVO")));
        QCOMPARE(mensajes.shown().size(), 1);
        QCOMPARE(mensajes.shown()[0].text, mensaje);
        QCOMPARE(mensajes.shown()[0].style, 16);
        QCOMPARE(mensajes.shown()[0].title, QStringLiteral("Impresión"));
        QVERIFY(!QFile::exists(gsRutaRpt + QStringLiteral("E.txt")));
        QCOMPARE(temporales(), QStringList());
    }

    void nombreDelTexto_data()
    {
        QTest::addColumn<QString>("archivo");
        QTest::addColumn<QString>("texto");
        QTest::newRow("base simple") << "0951199800A00012345.PRN" << "0951199800A00012345.txt";
        QTest::newRow("punto en la base") << "0951199800A0000.123.PRN" << "0951199800A0000.123.txt";
        QTest::newRow("sin .PRN") << "guion.dat" << "guion.dat.txt";
    }
    void nombreDelTexto()
    {
        QFETCH(QString, archivo);
        QFETCH(QString, texto);
        QCOMPARE(fNombreTexto(archivo), texto);
    }

    void existeArchivo()
    {
        msg::ScriptedAnswerer mensajes;
        guion(QStringLiteral("SI.PRN"), {});
        QVERIFY(fExisteArchivo(gsRutaRpt + QStringLiteral("SI.PRN")));
        QVERIFY(!fExisteArchivo(gsRutaRpt + QStringLiteral("NO.PRN")));
        QVERIFY(!fExisteArchivo(gsRutaRpt + QStringLiteral("falta/SI.PRN")));
        QVERIFY(!fExisteArchivo(gsRutaRpt));
        QCOMPARE(mensajes.shown().size(), 0);
    }

    void impresora()
    {
        guion(QStringLiteral("P.PRN"), {QStringLiteral("<!fontsize!>10<!/fontsize!>"), QStringLiteral("<!bold!>"),
                                        QStringLiteral("uno"), QString(), QStringLiteral("<!/bold!>"),
                                        QStringLiteral("<!np!>"), QStringLiteral("dos"), QStringLiteral("<!np!>")});
        QVERIFY(pImprimirReporte(QStringLiteral("P.PRN"), QStringLiteral("PRINTER")));
        QCOMPARE(m_pedidos, QStringList{QStringLiteral("P")});
        QCOMPARE(m_registro, QStringList({"fuente Courier New 10 100", "linea uno", "vacia", "pagina",
                                          "fuente Courier New 10 000", "linea dos", "fin"}));
        QVERIFY(gbNuevaPagina);   // the last page break is still pending
    }

    void sinImpresora()
    {
        setFabricaImpresora(nullptr);
        qunsetenv("QX_PRINTER_PDF");
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a default printer");
        msg::ScriptedAnswerer mensajes;
        guion(QStringLiteral("S.PRN"), {QStringLiteral("uno")});
        QVERIFY(!pImprimirReporte(QStringLiteral("S.PRN"), QStringLiteral("PRINTER")));
        QCOMPARE(mensajes.shown().size(), 1);
        QCOMPARE(mensajes.shown()[0].text, QStringLiteral("No existe una impresora seleccionada.Verifique."));
        QCOMPARE(mensajes.shown()[0].title, QStringLiteral("Impresión"));
    }

    void pdf()
    {
        setFabricaImpresora(nullptr);
        QTemporaryDir carpeta;
        qputenv("QX_PRINTER_PDF", carpeta.path().toLocal8Bit());
        msg::ScriptedAnswerer mensajes;
        guion(QStringLiteral("D.PRN"), {QStringLiteral("uno"), QStringLiteral("<!np!>"), QStringLiteral("dos")});
        const bool ok = pImprimirReporte(QStringLiteral("D.PRN"), QStringLiteral("PRINTER"));
        qunsetenv("QX_PRINTER_PDF");
        QVERIFY(ok);
        QCOMPARE(mensajes.shown().size(), 0);
        QFile f(carpeta.filePath(QStringLiteral("D.pdf")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray pdf = f.readAll();
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page>")
                     + pdf.count("/Type /Page "),
                 2);
    }

    // The PDF comes out as Qx381's documents do: under its name only once
    // whole, never over another file of that name ("D-2.pdf" then), and not
    // at all from a rendering that stopped on an error half-way.
    void pdfPublicado_data()
    {
        QTest::addColumn<QStringList>("guion");
        QTest::addColumn<bool>("otroD");   // a D.pdf of someone else is there
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("quedan");
        const QStringList bueno{QStringLiteral("uno"), QStringLiteral("dos")};
        // "uno" reaches the document before the size overflows (error 6).
        const QStringList roto{QStringLiteral("uno"), QStringLiteral("<!fontsize!>99999<!/fontsize!>"),
                               QStringLiteral("dos")};
        QTest::newRow("nuevo") << bueno << false << true << QStringList{"D.pdf"};
        QTest::newRow("junto a otro del mismo nombre") << bueno << true << true << QStringList{"D-2.pdf", "D.pdf"};
        QTest::newRow("detenido a medias") << roto << false << false << QStringList{};
        QTest::newRow("detenido a medias junto a otro") << roto << true << false << QStringList{"D.pdf"};
    }
    void pdfPublicado()
    {
        QFETCH(QStringList, guion);
        QFETCH(bool, otroD);
        QFETCH(bool, ok);
        QFETCH(QStringList, quedan);
        setFabricaImpresora(nullptr);
        QTemporaryDir carpeta;
        const QString ajeno = carpeta.filePath(QStringLiteral("D.pdf"));
        if (otroD) {
            QFile f(ajeno);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("de otro");
        }
        qputenv("QX_PRINTER_PDF", carpeta.path().toLocal8Bit());
        msg::ScriptedAnswerer mensajes;
        this->guion(QStringLiteral("D.PRN"), guion);
        const bool impreso = pImprimirReporte(QStringLiteral("D.PRN"), QStringLiteral("PRINTER"));
        qunsetenv("QX_PRINTER_PDF");
        QCOMPARE(impreso, ok);
        QCOMPARE(mensajes.shown().size(), ok ? 0 : 1);
        // hidden files included: nothing half-written is left either
        QCOMPARE(QDir(carpeta.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), quedan);
        if (otroD) {
            QFile f(ajeno);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), QByteArray("de otro"));
        }
        for (const QString &nombre : quedan) {
            if (otroD && nombre == QLatin1String("D.pdf"))
                continue;
            QFile f(carpeta.filePath(nombre));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QVERIFY(f.readAll().startsWith("%PDF"));
        }
    }

    // Without the printer library beside the program a rendering for the
    // printer stops with a message that says so; the printer is not taken
    // for missing, and the next rendering with the library prints.
    void sinBibliotecaDeImpresion()
    {
        setFabricaImpresora(nullptr);
        QTemporaryDir carpeta;
        qputenv("QX_PRINTER_PDF", carpeta.path().toLocal8Bit());
        const QString falta = carpeta.filePath(QStringLiteral("no-esta/libqximpresora.so"));
        const QString previa = Printer::setLibraryPath(falta);
        msg::ScriptedAnswerer mensajes;
        guion(QStringLiteral("B.PRN"), {QStringLiteral("uno")});
        const bool impreso = pImprimirReporte(QStringLiteral("B.PRN"), QStringLiteral("PRINTER"));
        Printer::setLibraryPath(previa);
        const bool despues = pImprimirReporte(QStringLiteral("B.PRN"), QStringLiteral("PRINTER"));
        qunsetenv("QX_PRINTER_PDF");
        QVERIFY(!impreso);
        QCOMPARE(mensajes.shown().size(), 1);
        // The file that is missing and the folder it was looked for in.
        QCOMPARE(mensajes.shown()[0].text,
                 QStringLiteral("Error Técnico : ( 48) No se encontró la biblioteca de impresión: falta el archivo "
                                "\"libqximpresora.so\" en la carpeta \"")
                     + carpeta.filePath(QStringLiteral("no-esta")) + QStringLiteral("\"."));
        QCOMPARE(mensajes.shown()[0].title, QStringLiteral("Impresión"));
        QVERIFY(despues);
        QCOMPARE(mensajes.shown().size(), 1);
        QCOMPARE(QDir(carpeta.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"B.pdf"});
    }

    // The lines start at the corner of the printable area, as on Qx381's
    // printer: 0.25 in inside the paper's edges on the PDF printer, so the
    // first line's ink begins just right of and below 0.25 in (its letters'
    // own side and top bearings, a few hundredths of an inch).
    void margenImprimible_data()
    {
        QTest::addColumn<QString>("borde");
        QTest::newRow("izquierda") << "izquierda";
        QTest::newRow("arriba") << "arriba";
    }
    void margenImprimible()
    {
        QFETCH(QString, borde);
        setFabricaImpresora(nullptr);
        QTemporaryDir carpeta;
        qputenv("QX_PRINTER_PDF", carpeta.path().toLocal8Bit());
        msg::ScriptedAnswerer mensajes;
        guion(QStringLiteral("M.PRN"), {QStringLiteral("CONSTANCIA DE PRESENTACION"), QStringLiteral("FORMULARIO 0951")});
        const bool ok = pImprimirReporte(QStringLiteral("M.PRN"), QStringLiteral("PRINTER"));
        qunsetenv("QX_PRINTER_PDF");
        QVERIFY(ok);
        QCOMPARE(mensajes.shown().size(), 0);
        const TintaPdf t = fTintaPrimeraPagina(carpeta.filePath(QStringLiteral("M.pdf")));
        QVERIFY2(t.error.isEmpty(), qPrintable(t.error));
        QVERIFY(!t.caja.isEmpty());
        const double en = borde == QLatin1String("izquierda") ? t.caja.left() : t.caja.top();
        QVERIFY2(en >= 0.25 && en <= 0.30, qPrintable(QStringLiteral("%1 in").arg(en)));
    }
};

QTEST_MAIN(TstSalidaTexto)
#include "tst_salidatexto.moc"
