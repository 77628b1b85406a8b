// A stored declaration printed through the opener as the print chooser asks
// for it: the script file in the report folder is the golden script of the
// page layouts to the byte (pages 1 and 2; the annex page when asked for),
// registered in SPOOL under the declaration's code, and the PDF has its pages.
#include "../support/testdb.h"
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
        QStringList lineas;
        QVERIFY(textfile::readLines(base + QStringLiteral(".det"), &lineas));
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
        const bool enviada = v.value(QStringLiteral("bGl_recti")) == QLatin1String("1");

        Impresion i;
        Database *db = i.db.get();
        const QString ruc = v.value(QStringLiteral("sRuc"));
        const QString correl = v.value(QStringLiteral("sCORREL"));
        {
            Transaction t(*db, true);
            for (const auto &f : filas)
                db->exec(enviada ? QStringLiteral("INSERT INTO HDET (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, CORREL,"
                                                  " Casilla, i_valor) VALUES (?, 6, '1998', '0951', ?, ?, ?)")
                                 : QStringLiteral("INSERT INTO DET (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, Casilla,"
                                                  " i_valor) VALUES (?, 6, '1998', '0951', ?, ?)"),
                         enviada ? QVariantList{ruc, correl, f.first, f.second} : QVariantList{ruc, f.first, f.second});
            // Paid in cash unless the fixture names a bank.
            db->exec(enviada ? QStringLiteral("INSERT INTO HCAB (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, CORREL,"
                                              " bcolibrad, nrocheque) VALUES (?, 6, '1998', '0951', ?, ?, ?)")
                             : QStringLiteral("INSERT INTO CAB (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, bcolibrad,"
                                              " nrocheque) VALUES (?, 6, '1998', '0951', ?, ?)"),
                     enviada ? QVariantList{ruc, correl, v.value("bcolibrad", " "), v.value("nrocheque")}
                             : QVariantList{ruc, v.value("bcolibrad", " "), v.value("nrocheque")});
            t.commit();
        }
        pVistaPrevia(2, false, enviada,
                     {ruc, v.value(QStringLiteral("sRaSoc")), "1998", "0951", correl, v.value(QStringLiteral("sNOrdenR")),
                      v.value(QStringLiteral("sControl"))});

        QVERIFY(i.mensajes.shown().isEmpty());
        QCOMPARE(QDir(gsRutaRpt).entryList(QDir::Files | QDir::Hidden), QStringList{"00000001.PRN"});
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
};

QTEST_MAIN(TstImpresionDeclaracion)
#include "tst_impresiondeclaracion.moc"
