// The print-script engine: the script file it leaves for each command, to
// the byte; the errors that stop a command before its line; what the preview
// pictures show; nothing written in preview mode.
#include "destinoprueba.h"
#include "../support/testdb.h"
#include "printing/core/lienzotwips.h"
#include "printing/core/paginasprevia.h"
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <QtTest>

namespace {

const QByteArray kCabecera = "<!nHojas!>2<!/nHojas!>\r\n"
                             "<!Color!> &H00FFFFC0&<!/Color!>\r\n"
                             "<!Orientacion!> V<!/Orientacion!>\r\n";

// A print run's surroundings: the host folder with its database and report
// folder, a test printer and the engine in print mode.
struct Impresion {
    testdb::Entorno env;
    std::shared_ptr<Database> db = env.abrir();
    QString rpt = env.sysPath + QStringLiteral("RPT/");
    ImpresoraPrueba impresora;
    MotorImpresion motor{MotorImpresion::ModoImprimir, impresora,
                         RegistroGuion{db.get(), rpt, QStringLiteral("USUARIO1"), QStringLiteral("PR0003"),
                                       QStringLiteral("20100070970")}};

    QByteArray guion(const QString &nombre = QStringLiteral("00000001.PRN")) const
    {
        QFile f(rpt + nombre);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(sin archivo)");
    }
    QStringList archivos() const
    {
        return testdb::archivos(rpt);
    }
    int filasSpool() const { return db->scalar(QStringLiteral("SELECT count(*) FROM SPOOL")).toInt(); }
};

// The rectangle of the pixels that differ from the page colour.
QRect fTinta(const QImage &im)
{
    const QRgb fondo = im.pixel(im.width() - 1, im.height() - 1);
    int x0 = im.width(), y0 = im.height(), x1 = -1, y1 = -1;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x)
            if (im.pixel(x, y) != fondo) {
                x0 = qMin(x0, x);
                y0 = qMin(y0, y);
                x1 = qMax(x1, x);
                y1 = qMax(y1, y);
            }
    return x1 < 0 ? QRect() : QRect(QPoint(x0, y0), QPoint(x1, y1));
}

bool fNegro(const QImage &im, int x, int y)
{
    return qGray(im.pixel(x, y)) < 64;
}

} // namespace

class TstMotorImpresion : public QObject {
    Q_OBJECT
private slots:
    // Each command between "Cabecera" and "Fin", and the bytes it adds to
    // the script after the three header lines.
    void lineas_data()
    {
        QTest::addColumn<QVariantList>("comando");
        QTest::addColumn<QByteArray>("linea");
        QTest::newRow("texto en negrita") << QVariantList{"pPos", 300, 750, "DECLARACION", true, 8, 0}
                                          << QByteArray("pPos|300|750|DECLARACION|TRUE|8|0|\r\n");
        QTest::newRow("texto sin negrita") << QVariantList{"pPos", 300, 750, "DECLARACION", false, 8, 0}
                                           << QByteArray("pPos|300|750|DECLARACION|False|8|0|\r\n");
        QTest::newRow("vertical en negrita") << QVariantList{"pPosVerti", 300, 750, "DECLARACION", true, 8, 0}
                                             << QByteArray("pPosVerti|300|750|DECLARACION|true|8|0|\r\n");
        QTest::newRow("vertical sin negrita") << QVariantList{"pPosVerti", 250, 2340, "ACTIVO", false, 8, 0}
                                              << QByteArray("pPosVerti|250|2340|ACTIVO|false|8|0|\r\n");
        QTest::newRow("negrita 1") << QVariantList{"pPos", 300, 750, "X", 1, 8, 1}
                                   << QByteArray("pPos|300|750|X|TRUE|8|1|\r\n");
        QTest::newRow("negrita 0") << QVariantList{"pPos", 300, 750, "X", 0, 8, 1}
                                   << QByteArray("pPos|300|750|X|False|8|1|\r\n");
        QTest::newRow("ppos no es pPos") << QVariantList{"ppos", 300, 750, "X", false, 8, 0} << QByteArray();
        QTest::newRow("PPOS no es pPos") << QVariantList{"PPOS", 300, 750, "X", false, 8, 0} << QByteArray();
        QTest::newRow("fin en minusculas") << QVariantList{"fin"} << QByteArray();
        // The host's markers in a text, as look-alikes in one byte each:
        // "¦" 0xA6, "‹" 0x8B.
        QTest::newRow("barra en el texto") << QVariantList{"pPos", 10, 20, "A|B", false, 8, 2}
                                           << QByteArray("pPos|10|20|A\xA6" "B|False|8|2|\r\n");
        QTest::newRow("etiqueta en el texto") << QVariantList{"pPos", 10, 20, "A<!np!>", false, 8, 2}
                                              << QByteArray("pPos|10|20|A\x8B!np!>|False|8|2|\r\n");
        QTest::newRow("fin de linea en el texto") << QVariantList{"pPos", 10, 20, "A\r\nB", false, 8, 2}
                                                  << QByteArray("pPos|10|20|A  B|False|8|2|\r\n");
        QTest::newRow("grado en un byte") << QVariantList{"pPos", 8700, 1170, " N° DE TELEFONO", false, 8, 0}
                                          << QByteArray("pPos|8700|1170| N\xB0 DE TELEFONO|False|8|0|\r\n");
        QTest::newRow("elementos como vinieron") << QVariantList{"pPos", "0300", 750.5, "X", false, "8", 0}
                                                 << QByteArray("pPos|0300|750.5|X|False|8|0|\r\n");
        QTest::newRow("cuadro") << QVariantList{"pCuadro", 150, 300, 1700, 1640, 0}
                                << QByteArray("pCuadro|150|300|1700|1640|0|\r\n");
        QTest::newRow("cuadro al reves") << QVariantList{"pCuadro", 1700, 1640, 150, 300, 0}
                                         << QByteArray("pCuadro|1700|1640|150|300|0|\r\n");
        QTest::newRow("nueva hoja") << QVariantList{"pNuevaHoja"} << QByteArray("pNuevaHoja\r\n");
        QTest::newRow("vertical vacio") << QVariantList{"pPosVerti", 300, 2340, "", false, 8, 2}
                                        << QByteArray("pPosVerti|300|2340||false|8|2|\r\n");
        // Six characters from 31817 end at 32767, the last 16-bit position.
        QTest::newRow("vertical hasta el limite") << QVariantList{"pPosVerti", 300, 31817, "ABCDEF", false, 8, 0}
                                                  << QByteArray("pPosVerti|300|31817|ABCDEF|false|8|0|\r\n");
    }
    void lineas()
    {
        QFETCH(QVariantList, comando);
        QFETCH(QByteArray, linea);
        Impresion i;
        QVERIFY(i.env.valido());
        i.motor.pImpritext({"Cabecera", 2});
        i.motor.pImpritext(comando);
        i.motor.pImpritext({"Fin"});
        QCOMPARE(i.motor.sArchivoGuion(), QStringLiteral("00000001.PRN"));
        QCOMPARE(i.guion(), kCabecera + linea);
        QCOMPARE(i.archivos(), QStringList{"00000001.PRN"});
    }

    // A command whose conversion or drawing fails writes no line.
    void errores_data()
    {
        QTest::addColumn<QVariantList>("comando");
        QTest::addColumn<int>("numero");
        QTest::newRow("x fuera de 16 bits") << QVariantList{"pPos", 40000, 750, "X", false, 8, 0} << 6;
        QTest::newRow("y bajo -32768") << QVariantList{"pCuadro", 0, -32769, 10, 10, 0} << 6;
        QTest::newRow("tamano fuera") << QVariantList{"pPosVerti", 0, 0, "X", false, 70000, 0} << 6;
        // The seventh character would stand at 31817 + 6 x 190 = 32957.
        QTest::newRow("vertical que desborda") << QVariantList{"pPosVerti", 300, 31817, "ABCDEFG", false, 8, 0} << 6;
        QTest::newRow("falta un elemento") << QVariantList{"pCuadro", 150, 300, 1700, 1640} << 9;
        QTest::newRow("texto sin la hoja") << QVariantList{"pPos", 300, 750, "X", false, 8} << 9;
        QTest::newRow("coordenada que no es numero") << QVariantList{"pPos", "abc", 750, "X", false, 8, 0} << 13;
        QTest::newRow("negrita que no es numero") << QVariantList{"pPos", 300, 750, "X", "si", 8, 0} << 13;
    }
    void errores()
    {
        QFETCH(QVariantList, comando);
        QFETCH(int, numero);
        Impresion i;
        i.motor.pImpritext({"Cabecera", 2});
        try {
            i.motor.pImpritext(comando);
            QFAIL("sin error");
        } catch (const ErrorEjecucion &e) {
            QCOMPARE(e.numero, numero);
        }
        i.motor.pImpritext({"Fin"});
        QCOMPARE(i.guion(), kCabecera);
    }

    // Print mode draws only inside a script that "Cabecera" opened.
    void dibujoSinCabecera()
    {
        Impresion i;
        try {
            i.motor.pImpritext({"pCuadro", 150, 300, 1695, 1635, 0});
            QFAIL("sin error");
        } catch (const ErrorEjecucion &e) {
            QCOMPARE(e.numero, 52);
        }
        QVERIFY(fNegro(i.impresora.pagina, 10, 60));   // drawn before the line failed
        i.motor.pImpritext({"Fin"});
        QCOMPARE(i.filasSpool(), 0);
        QVERIFY(i.archivos().isEmpty());
    }

    // The script lives under a hidden temporary name until "Fin" names it.
    void guionTemporalHastaFin()
    {
        Impresion i;
        i.motor.pImpritext({"Cabecera", 2});
        i.motor.pImpritext({"pPos", 300, 750, "X", false, 8, 0});
        const QStringList durante = i.archivos();
        QCOMPARE(durante.size(), 1);
        QVERIFY(!durante.first().endsWith(QLatin1String(".PRN"), Qt::CaseInsensitive));
        QCOMPARE(i.filasSpool(), 0);
        i.motor.pImpritext({"pNuevaHoja"});
        QCOMPARE(i.impresora.hojasNuevas, 1);
        i.motor.pImpritext({"Fin"});
        QCOMPARE(i.archivos(), QStringList{"00000001.PRN"});
        const QList<QSqlRecord> filas = i.db->select(
            QStringLiteral("SELECT CodRep, Secuencia, Archivo, Usuario, tip_doc_d, Doc_id_d FROM SPOOL"));
        QCOMPARE(filas.size(), 1);
        QCOMPARE(filas.first().value(0).toString(), QStringLiteral("PR0003"));
        QCOMPARE(filas.first().value(1).toString(), QStringLiteral("000001"));
        QCOMPARE(filas.first().value(2).toString(), QStringLiteral("00000001.PRN"));
        QCOMPARE(filas.first().value(3).toString(), QStringLiteral("USUARIO1"));
        QCOMPARE(filas.first().value(4).toInt(), 6);
        QCOMPARE(filas.first().value(5).toString(), QStringLiteral("20100070970"));

        // Dropped before "Fin": neither a row nor a file.
        i.motor.pImpritext({"Cabecera", 2});
        i.motor.pImpritext({"pPos", 300, 750, "Y", false, 8, 0});
        i.motor.pAbortar();
        QCOMPARE(i.impresora.pasos, QStringList{"abortar"});
        QCOMPARE(i.archivos(), QStringList{"00000001.PRN"});
        QCOMPARE(i.filasSpool(), 1);
    }

    // A whole run in preview mode: the pictures only.
    void previaNoEscribe()
    {
        testdb::Entorno env;
        auto db = env.abrir();
        const QString rpt = env.sysPath + QStringLiteral("RPT/");
        PaginasPrevia paginas;
        {
            DestinoPrevia previa(paginas);
            MotorImpresion motor(MotorImpresion::ModoPrevia, previa,
                                 RegistroGuion{db.get(), rpt, QStringLiteral("USUARIO1"), QStringLiteral("PR0003"),
                                               QStringLiteral("20100070970")});
            for (const QVariantList &c : QList<QVariantList>{{"Cabecera", 2},
                                                             {"pPos", 300, 750, "DECLARACION", false, 8, 0},
                                                             {"pNuevaHoja"},
                                                             {"pCuadro", 150, 300, 1700, 1640, 1},
                                                             {"pNuevaHoja"},
                                                             {"pPosVerti", 250, 2340, "ACTIVO", false, 8, 2},
                                                             {"Fin"}})
                motor.pImpritext(c);
            QVERIFY(motor.sArchivoGuion().isEmpty());
        }
        QVERIFY(testdb::archivos(rpt).isEmpty());
        QCOMPARE(db->scalar(QStringLiteral("SELECT count(*) FROM SPOOL")).toInt(), 0);
        for (int p = 0; p < 3; ++p)
            QVERIFY2(!fTinta(paginas.pagina(p)).isNull(), qPrintable(QString::number(p)));
    }

    void pagina_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QSize>("pixeles");
        QTest::newRow("hoja 1") << 0 << QSize(1133, 2000);
        QTest::newRow("hoja 2") << 1 << QSize(1133, 2000);
        QTest::newRow("anexos") << 2 << QSize(745, 1000);
    }
    void pagina()
    {
        QFETCH(int, indice);
        QFETCH(QSize, pixeles);
        PaginasPrevia paginas;
        const QImage &im = paginas.pagina(indice);
        QCOMPARE(im.size(), pixeles);
        QCOMPARE(QColor(im.pixel(0, 0)), QColor(192, 255, 255));
    }

    void cuadroEnLaPrevia_data()
    {
        QTest::addColumn<QVariantList>("comando");
        QTest::newRow("esquinas en orden") << QVariantList{"pCuadro", 150, 300, 1695, 1635, 0};
        QTest::newRow("esquinas al reves") << QVariantList{"pCuadro", 1695, 1635, 150, 300, 0};
    }
    // 15 twips a pixel: the outline runs along columns 10 and 113 and rows
    // 20 and 109, one pixel wide, nothing filled.
    void cuadroEnLaPrevia()
    {
        QFETCH(QVariantList, comando);
        PaginasPrevia paginas;
        {
            DestinoPrevia previa(paginas);
            MotorImpresion motor(MotorImpresion::ModoPrevia, previa);
            motor.pImpritext(comando);
        }
        const QImage &im = paginas.pagina(0);
        for (int y : {20, 60, 109}) {
            QVERIFY2(fNegro(im, 10, y), qPrintable(QString::number(y)));
            QVERIFY2(fNegro(im, 113, y), qPrintable(QString::number(y)));
        }
        for (int x : {10, 60, 113}) {
            QVERIFY2(fNegro(im, x, 20), qPrintable(QString::number(x)));
            QVERIFY2(fNegro(im, x, 109), qPrintable(QString::number(x)));
        }
        QVERIFY(!fNegro(im, 60, 60));
        QCOMPARE(fTinta(im), QRect(QPoint(10, 20), QPoint(113, 109)));
    }

    // "Courier new" comes out as Liberation Mono: 0.6 em a character, ascent
    // 0.83 em, capitals 0.66 em high; 8 points at 96 dpi are 10.67 pixels.
    void textoDondeSeColoco()
    {
        QCOMPARE(QFontInfo(LienzoTwips::fuente(QStringLiteral("Courier new"), false, 8)).family(),
                 QStringLiteral("Liberation Mono"));
        PaginasPrevia paginas;
        {
            DestinoPrevia previa(paginas);
            MotorImpresion motor(MotorImpresion::ModoPrevia, previa);
            motor.pImpritext({"pPos", 300, 750, "DECLARACION", false, 8, 0});
        }
        // (300, 750) is pixel (20, 50): eleven characters of 6.4 pixels, the
        // capitals from 50 + 8.9 - 7.0 down to the baseline at 58.9.
        const QRect t = fTinta(paginas.pagina(0));
        QVERIFY2(t.left() >= 20 && t.left() <= 22, qPrintable(QString::number(t.left())));
        QVERIFY2(t.right() >= 84 && t.right() <= 91, qPrintable(QString::number(t.right())));
        QVERIFY2(t.top() >= 50 && t.top() <= 53, qPrintable(QString::number(t.top())));
        QVERIFY2(t.bottom() >= 57 && t.bottom() <= 59, qPrintable(QString::number(t.bottom())));
        QVERIFY(fTinta(paginas.pagina(1)).isNull());
    }

    // "ACTIVO" downwards from (250, 2340): one column of characters whose
    // last starts at 2340 + 5 x 190 = 3290 twips (pixel 219.3).
    void textoVertical()
    {
        PaginasPrevia paginas;
        {
            DestinoPrevia previa(paginas);
            MotorImpresion motor(MotorImpresion::ModoPrevia, previa);
            motor.pImpritext({"pPosVerti", 300, 2340, "ACTIVO", false, 8, 0});
        }
        const QRect t = fTinta(paginas.pagina(0));
        QVERIFY2(t.left() >= 20 && t.right() <= 27, qPrintable(QStringLiteral("%1 %2").arg(t.left()).arg(t.right())));
        QVERIFY2(t.top() >= 156 && t.top() <= 159, qPrintable(QString::number(t.top())));
        QVERIFY2(t.bottom() >= 226 && t.bottom() <= 229, qPrintable(QString::number(t.bottom())));
    }

    // A text on a page picture that does not exist draws nothing and goes on;
    // the other drawing commands stop there.
    void hojaInexistente()
    {
        PaginasPrevia paginas;
        DestinoPrevia previa(paginas);
        MotorImpresion motor(MotorImpresion::ModoPrevia, previa);
        motor.pImpritext({"pPos", 300, 750, "X", false, 8, 3});
        for (const QVariantList &c : QList<QVariantList>{{"pCuadro", 150, 300, 1700, 1640, 3},
                                                         {"pPosVerti", 300, 750, "X", false, 8, -1}}) {
            try {
                motor.pImpritext(c);
                QFAIL("sin error");
            } catch (const ErrorEjecucion &e) {
                QCOMPARE(e.numero, 340);
            }
        }
    }

    // A printer that is not there: the text goes on, the rectangle stops.
    void impresoraNoDisponible()
    {
        Impresion i;
        i.impresora.falla = [](const QString &) { throw ErrorEjecucion(484, QStringLiteral("no")); };
        i.motor.pImpritext({"Cabecera", 2});
        i.motor.pImpritext({"pPos", 300, 750, "X", false, 8, 0});
        try {
            i.motor.pImpritext({"pCuadro", 150, 300, 1700, 1640, 0});
            QFAIL("sin error");
        } catch (const ErrorEjecucion &e) {
            QCOMPARE(e.numero, 484);
        }
        i.motor.pImpritext({"Fin"});
        QCOMPARE(i.guion(), kCabecera + "pPos|300|750|X|False|8|0|\r\n");
    }
};

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    TstMotorImpresion t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_motorimpresion.moc"
