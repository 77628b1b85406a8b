// A stored declaration printed through the opener as the print chooser asks
// for it: the script file in the report folder is the golden script of the
// page layouts to the byte (pages 1 and 2; the annex page when asked for),
// registered in SPOOL under the declaration's code, and the PDF has its pages.
#include "../../support/testdb.h"
#include "../../support/textoshostiles.h"
#include "../../support/tintapdf.h"
#include "platform/msgbox.h"
#include "platform/textfile.h"
#include "platform/utilitario.h"
#include "printing/ui/registroimpresion.h"
#include "shell/core/modglobal.h"
#include "shell/ui/aperturas.h"
#include "shell/ui/registroventanas.h"
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

namespace {

QByteArray fLeer(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A declaration of tests/fixtures/pages/<name>.det stored as the save (or the
// host's send) leaves it: "@variable value" for what the opener and the
// header give, "code i_valor" for the stored rows.
struct Declaracion {
    QString ruc;
    QString correl;
    bool enviada = false;
    QVariantList aDatos;   // what the print chooser hands to the opener
};

Declaracion fCargarDeclaracion(Database &db, const QString &archivo)
{
    QStringList lineas;
    if (!textfile::readLines(archivo, &lineas))
        return {};
    QMap<QString, QString> v;
    QList<QPair<QString, QString>> filas;
    for (const QString &l : lineas) {
        if (l.isEmpty() || l.startsWith(QLatin1Char('#')))
            continue;
        const QString clave = l.section(QLatin1Char(' '), 0, 0);
        const QString valor = l.section(QLatin1Char(' '), 1);
        if (clave.startsWith(QLatin1Char('@')))
            v[clave.mid(1)] = valor;
        else
            filas << qMakePair(clave, valor);
    }
    Declaracion d;
    d.enviada = v.value(QStringLiteral("bGl_recti")) == QLatin1String("1");
    d.ruc = v.value(QStringLiteral("sRuc"));
    d.correl = v.value(QStringLiteral("sCORREL"));
    d.aDatos = {d.ruc, v.value(QStringLiteral("sRaSoc")), "1998", "0951", d.correl,
                v.value(QStringLiteral("sNOrdenR")), v.value(QStringLiteral("sControl"))};
    const bool enviada = d.enviada;
    const QString &ruc = d.ruc;
    const QString &correl = d.correl;
    Transaction t(db, true);
    for (const auto &f : filas)
        db.exec(enviada ? QStringLiteral("INSERT INTO HDET (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, CORREL,"
                                         " Casilla, i_valor) VALUES (?, 6, '1998', '0951', ?, ?, ?)")
                        : QStringLiteral("INSERT INTO DET (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, Casilla,"
                                         " i_valor) VALUES (?, 6, '1998', '0951', ?, ?)"),
                enviada ? QVariantList{ruc, correl, f.first, f.second} : QVariantList{ruc, f.first, f.second});
    // Paid in cash unless the fixture names a bank.
    db.exec(enviada ? QStringLiteral("INSERT INTO HCAB (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, CORREL,"
                                     " bcolibrad, nrocheque) VALUES (?, 6, '1998', '0951', ?, ?, ?)")
                    : QStringLiteral("INSERT INTO CAB (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, bcolibrad,"
                                     " nrocheque) VALUES (?, 6, '1998', '0951', ?, ?)"),
            enviada ? QVariantList{ruc, correl, v.value("bcolibrad", " "), v.value("nrocheque")}
                    : QVariantList{ruc, v.value("bcolibrad", " "), v.value("nrocheque")});
    t.commit();
    return d;
}

// The annex rows of tests/fixtures/annexpages/filas.sql of one taxpayer, moved
// to the declaration's RUC (into HACTA under its CORREL for a sent one).
void pCargarAnexos(Database &db, const QString &rucFilas, const Declaracion &d)
{
    QStringList sql;
    if (!textfile::readLines(QStringLiteral(QX_FIXTURES "/annexpages/filas.sql"), &sql))
        return;
    const QString clave = QStringLiteral("VALUES ('%1', 6, '1998', '0951', ").arg(rucFilas);
    for (QString l : sql) {
        if (!l.startsWith(QLatin1String("INSERT INTO ACTA")) || !l.contains(clave))
            continue;
        if (d.enviada) {
            l.replace(QLatin1String("INSERT INTO ACTA (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, "),
                      QLatin1String("INSERT INTO HACTA (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, CORREL, "));
            l.replace(clave, QStringLiteral("VALUES ('%1', 6, '1998', '0951', '%2', ").arg(d.ruc, d.correl));
        } else {
            l.replace(clave, QStringLiteral("VALUES ('%1', 6, '1998', '0951', ").arg(d.ruc));
        }
        db.exec(l);
    }
}

// A host folder with its database, the program's shared state and the
// printing windows registered, PDF output into the host's TMP folder.
struct Impresion {
    testdb::Entorno env;
    std::shared_ptr<Database> db = env.abrir();
    QString pdf = env.sysPath + QStringLiteral("TMP/");
    cUtilitario util;
    msg::ScriptedAnswerer mensajes;

    Impresion()
    {
        gdbBase = db;
        goUtilitario = &util;
        gsRutaRpt = env.sysPath + QStringLiteral("RPT/");
        gsUsuario = QStringLiteral("USUARIO1");
        gsPeriodo = QStringLiteral("1998");
        gsFormulario = QStringLiteral("0951");
        qputenv("QX_PRINTER_PDF", pdf.toLocal8Bit());
        registro::limpiar();
        pRegistrarImpresion();
    }
    ~Impresion()
    {
        registro::limpiar();
        qunsetenv("QX_PRINTER_PDF");
        gdbBase.reset();
        goUtilitario = nullptr;
    }
};

} // namespace

class TstImpresionDeclaracion : public QObject {
    Q_OBJECT
private slots:
    // tests/fixtures/pages/<name>.det: "@variable value" for what the opener
    // and the header give, "code i_valor" for the stored rows; <name>.prn the
    // script of its two pages.
    void guionDeLaDeclaracion_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::newRow("guardada sin IEAN") << "sin_iean";
        QTest::newRow("guardada con IEAN y anexo") << "iean_con_anexo";
        QTest::newRow("enviada con IEAN sin anexo") << "iean_sin_anexo";
    }
    void guionDeLaDeclaracion()
    {
        QFETCH(QString, nombre);
        const QString base = QStringLiteral(QX_FIXTURES "/pages/") + nombre;
        Impresion i;
        Database *db = i.db.get();
        const Declaracion d = fCargarDeclaracion(*db, base + QStringLiteral(".det"));
        const bool enviada = d.enviada;
        const QString ruc = d.ruc;
        pVistaPrevia(2, false, enviada, d.aDatos);

        QVERIFY(i.mensajes.shown().isEmpty());
        QCOMPARE(testdb::archivos(gsRutaRpt), QStringList{"00000001.PRN"});
        QCOMPARE(fLeer(gsRutaRpt + QStringLiteral("00000001.PRN")), fLeer(base + QStringLiteral(".prn")));
        const QList<QSqlRecord> spool =
            db->select(QStringLiteral("SELECT CodRep, Secuencia, Archivo, Usuario, tip_doc_d, Doc_id_d FROM SPOOL"));
        QCOMPARE(spool.size(), 1);
        QStringList fila;
        for (int i = 0; i < 6; ++i)
            fila << spool.first().value(i).toString();
        QCOMPARE(fila, (QStringList{enviada ? "PR0014" : "PR0003", "000001", "00000001.PRN", "USUARIO1", "6", ruc}));
        const QStringList pdfs = QDir(i.pdf).entryList({QStringLiteral("*.pdf")}, QDir::Files);
        QCOMPARE(pdfs.size(), 1);
        QCOMPARE(QString::fromLatin1(fLeer(i.pdf + pdfs.first()))
                     .count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))),
                 2);
    }

    // With annexes: after the second page break the script holds the annex
    // page of the set pConsulta found, as the annex layouts' golden script
    // has it (tests/fixtures/annexpages, rows in filas.sql there).
    void paginaDeAnexos_data()
    {
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<QString>("ruc");
        QTest::newRow("117y128") << "117y128" << "20100000001";
        QTest::newRow("131") << "131" << "20100000002";
        QTest::newRow("120y128") << "120y128" << "20100000003";
    }
    void paginaDeAnexos()
    {
        QFETCH(QString, codigo);
        QFETCH(QString, ruc);
        const QString carpeta = QStringLiteral(QX_FIXTURES "/annexpages/");
        Impresion i;
        QStringList sql;
        QVERIFY(textfile::readLines(carpeta + QStringLiteral("filas.sql"), &sql));
        for (const QString &l : sql)
            if (l.startsWith(QLatin1String("INSERT")))
                i.db->exec(l);
        pVistaPrevia(2, true, false, {ruc, "ANEXOS", "1998", "0951", "", "", ""});

        QVERIFY(i.mensajes.shown().isEmpty());
        const QByteArray guion = fLeer(gsRutaRpt + QStringLiteral("00000001.PRN"));
        const QByteArray salto = "pNuevaHoja\r\n";
        const int segundo = guion.indexOf(salto, guion.indexOf(salto) + 1);
        QVERIFY(segundo > 0);
        QCOMPARE(guion.mid(segundo + salto.size()), fLeer(carpeta + codigo + QStringLiteral(".prn")));
    }

    // A whole declaration with its annexes, one per annex set: the two pages'
    // golden script, the second page break and the annex page's golden script.
    void declaracionConAnexos_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("rucFilas");
        QTest::addColumn<QString>("codigo");
        QTest::newRow("guardada, tipo 1") << "iean_con_anexo" << "20100000003" << "120y128";
        QTest::newRow("enviada, tipo 2") << "iean_sin_anexo" << "20100000001" << "117y128";
        QTest::newRow("guardada, tipo 3") << "sin_iean" << "20100000002" << "131";
    }
    void declaracionConAnexos()
    {
        QFETCH(QString, nombre);
        QFETCH(QString, rucFilas);
        QFETCH(QString, codigo);
        Impresion i;
        const Declaracion d =
            fCargarDeclaracion(*i.db, QStringLiteral(QX_FIXTURES "/pages/") + nombre + QStringLiteral(".det"));
        pCargarAnexos(*i.db, rucFilas, d);
        pVistaPrevia(2, true, d.enviada, d.aDatos);

        QVERIFY(i.mensajes.shown().isEmpty());
        QCOMPARE(fLeer(gsRutaRpt + QStringLiteral("00000001.PRN")),
                 fLeer(QStringLiteral(QX_FIXTURES "/pages/") + nombre + QStringLiteral(".prn")) + "pNuevaHoja\r\n"
                     + fLeer(QStringLiteral(QX_FIXTURES "/annexpages/") + codigo + QStringLiteral(".prn")));
        const QStringList pdfs = QDir(i.pdf).entryList({QStringLiteral("*.pdf")}, QDir::Files);
        QCOMPARE(pdfs.size(), 1);
        QCOMPARE(QString::fromLatin1(fLeer(i.pdf + pdfs.first()))
                     .count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))),
                 3);
    }

    // A hostile text (tests/support/textoshostiles.h) as the taxpayer's
    // name and as the cheque number of a declaration paid by cheque: the
    // script is the golden one with that field alone changed, the text in it
    // as one field (the cheque number filled out to 15 as ever); no line
    // added, none lost.
    void textoHostil_data()
    {
        QTest::addColumn<bool>("enNombre");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("enGuion");
        for (const bool enNombre : {true, false})
            for (const textoshostiles::Caso &c : textoshostiles::casos())
                QTest::addRow("%s: %s", enNombre ? "nombre" : "cheque", c.fila) << enNombre << c.texto << c.enGuion;
    }
    void textoHostil()
    {
        QFETCH(bool, enNombre);
        QFETCH(QString, texto);
        QFETCH(QString, enGuion);
        const QString base = QStringLiteral(QX_FIXTURES "/pages/iean_con_anexo");
        Impresion i;
        Declaracion d = fCargarDeclaracion(*i.db, base + QStringLiteral(".det"));
        QByteArray esperado = fLeer(base + QStringLiteral(".prn"));
        QVERIFY(!esperado.isEmpty());
        if (enNombre) {
            d.aDatos[1] = texto;
            const QByteArray antes = "pPos|3500|1450|COMERCIAL LOS ANDES S.A.|TRUE|8|0|\r\n";
            QCOMPARE(esperado.count(antes), 1);
            esperado.replace(antes, "pPos|3500|1450|" + textfile::toCp1252(enGuion) + "|TRUE|8|0|\r\n");
        } else {
            i.db->exec(QStringLiteral("UPDATE CAB SET nrocheque=?"), {texto});
            const QByteArray antes = "pPos|9375|3740|       00045871|False|8|1|\r\n";
            QCOMPARE(esperado.count(antes), 1);
            const QString relleno(qMax(0, 15 - int(enGuion.size())), QLatin1Char(' '));
            esperado.replace(antes, "pPos|9375|3740|" + textfile::toCp1252(relleno + enGuion) + "|False|8|1|\r\n");
        }
        pVistaPrevia(2, false, d.enviada, d.aDatos);

        QVERIFY(i.mensajes.shown().isEmpty());
        QCOMPARE(testdb::archivos(gsRutaRpt), QStringList{"00000001.PRN"});
        QCOMPARE(fLeer(gsRutaRpt + QStringLiteral("00000001.PRN")), esperado);
    }

    // The printed form lies where the legacy printer put it: from the corner
    // of the printable area, 0.25 in inside the paper's edges on the PDF
    // printer. Page 1's frames span x 150 to 11000 twips from y 300 on, so
    // its ink starts 0.25 + 150/1440 = 0.354 in from the paper's left edge
    // (the 0.30 to 0.42 in a printer does not cut), 0.25 + 300/1440 = 0.458 in
    // from its top, and ends 0.25 + 11000/1440 = 7.889 in from the left,
    // inside the 8.02 in where A4's printable area ends.
    void margenImprimible_data()
    {
        QTest::addColumn<QString>("borde");
        QTest::addColumn<double>("minimo");   // inches from the paper's corner
        QTest::addColumn<double>("maximo");
        QTest::newRow("izquierda") << "izquierda" << 0.30 << 0.42;
        QTest::newRow("arriba") << "arriba" << 0.44 << 0.48;
        QTest::newRow("derecha") << "derecha" << 7.87 << 7.91;
    }
    void margenImprimible()
    {
        QFETCH(QString, borde);
        QFETCH(double, minimo);
        QFETCH(double, maximo);
        Impresion i;
        const Declaracion d = fCargarDeclaracion(*i.db, QStringLiteral(QX_FIXTURES "/pages/sin_iean.det"));
        pVistaPrevia(2, false, d.enviada, d.aDatos);
        QVERIFY(i.mensajes.shown().isEmpty());
        const QStringList pdfs = QDir(i.pdf).entryList({QStringLiteral("*.pdf")}, QDir::Files);
        QCOMPARE(pdfs.size(), 1);
        const TintaPdf t = fTintaPrimeraPagina(i.pdf + pdfs.first());
        QVERIFY2(t.error.isEmpty(), qPrintable(t.error));
        QVERIFY(!t.caja.isEmpty());
        const double en = borde == QLatin1String("izquierda") ? t.caja.left()
                          : borde == QLatin1String("arriba")  ? t.caja.top()
                                                              : t.caja.right();
        QVERIFY2(en >= minimo && en <= maximo, qPrintable(QStringLiteral("%1 in").arg(en)));
    }
};

QTEST_MAIN(TstImpresionDeclaracion)
#include "tst_impresiondeclaracion.moc"
