// A declaration printed on the PDF printer by the print run: the document is
// ended before "Fin" but takes its name only with the script's registration,
// and a run that fails, because the PDF could not be written whole or because
// the registration failed, leaves no PDF, no script and no SPOOL row.
#include "../../support/limitetamano.h"
#include "../../support/testdb.h"
#include "layout/core/corrida.h"
#include "platform/msgbox.h"
#include "platform/pdfcheck.h"
#include "printing/core/motorimpresion.h"
#include "printing/ui/destinoimpresora.h"
#include "shell/core/modglobal.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

const QString kRuc = QStringLiteral("20100070970");

// The engine of the run, with a look at the moment "Fin" is issued.
class MotorVigilado : public MotorImpresion {
public:
    using MotorImpresion::MotorImpresion;
    std::function<void()> antesDeFin;
    void pImpritext(const QVariantList &c) override
    {
        if (c.value(0).toString() == QLatin1String("Fin") && antesDeFin)
            antesDeFin();
        MotorImpresion::pImpritext(c);
    }
};

struct Corrida {
    testdb::Entorno env;
    std::shared_ptr<Database> db = env.abrir();
    QString rpt = env.sysPath + QStringLiteral("RPT/");
    QString pdf = env.sysPath + QStringLiteral("TMP/");
    cUtilitario util;
    msg::ScriptedAnswerer mensajes;

    Corrida()
    {
        goUtilitario = &util;
        qputenv("QX_PRINTER_PDF", pdf.toLocal8Bit());
        db->exec(QStringLiteral("INSERT INTO DET (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, Casilla, i_valor)"
                                " VALUES (?, 6, '1998', '0951', '028', '4421234')"),
                 {kRuc});
    }
    ~Corrida()
    {
        qunsetenv("QX_PRINTER_PDF");
        goUtilitario = nullptr;
    }

    // One print run of the declaration's own pages; trasHoja2 runs once the
    // last page is drawn, before the printer's end of document.
    bool imprimir(const std::function<void()> &trasHoja2, const std::function<void()> &antesDeFin)
    {
        DestinoImpresora impresora(QStringLiteral("PR0003_") + kRuc);
        MotorVigilado motor(MotorImpresion::ModoImprimir, impresora,
                            RegistroGuion{db.get(), rpt, QStringLiteral("USUARIO1"), QStringLiteral("PR0003"), kRuc});
        motor.antesDeFin = antesDeFin;
        PaginasImpresion paginas = fPaginasDeclaracion();
        paginas.hoja2 = [&](const DatosImpresion &d, SalidaImpresion &s) {
            fPaginasDeclaracion().hoja2(d, s);
            if (trasHoja2)
                trasHoja2();
        };
        DatosImpresion d;
        d.sRuc = kRuc;
        d.sRaSoc = QStringLiteral("COMERCIAL SAN JUAN S.A.");
        d.sPeriodo = QStringLiteral("1998");
        d.sFormulario = QStringLiteral("0951");
        d.sCodReporte = QStringLiteral("PR0003");
        d.iTamanoLetra = 8;
        return pCargar(d, *db, motor, paginas);
    }

    static QStringList en(const QString &carpeta)
    {
        return QDir(carpeta).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }
    QStringList spool() const
    {
        QStringList l;
        for (const QSqlRecord &r : db->select(QStringLiteral("SELECT CodRep, Secuencia, Archivo FROM SPOOL ORDER BY Archivo")))
            l << QStringList{r.value(0).toString(), r.value(1).toString(), r.value(2).toString()}.join(' ');
        return l;
    }
};

QByteArray fLeer(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TstCorridaPdf : public QObject {
    Q_OBJECT
private slots:
    // When "Fin" comes the document has been ended and written whole, under
    // its hidden name: it gets its own only with the script's SPOOL row.
    void publicadoConElRegistro()
    {
        Corrida c;
        QStringList alFin;
        QByteArray parcial;
        QVERIFY(c.imprimir({}, [&] {
            alFin = Corrida::en(c.pdf);
            if (alFin.size() == 1)
                parcial = fLeer(c.pdf + alFin.first());
        }));
        QVERIFY(c.mensajes.shown().isEmpty());
        QCOMPARE(alFin.size(), 1);
        QVERIFY2(alFin.first().startsWith(QLatin1String(".qx-")) && alFin.first().endsWith(QLatin1String(".pdf.part")),
                 qPrintable(alFin.first()));
        QVERIFY(pdfWhole(parcial));
        QCOMPARE(Corrida::en(c.pdf), QStringList{"PR0003_20100070970.pdf"});
        QCOMPARE(fLeer(c.pdf + QStringLiteral("PR0003_20100070970.pdf")), parcial);
        QCOMPARE(c.spool(), QStringList{"PR0003 000001 00000001.PRN"});
        QCOMPARE(Corrida::en(c.rpt), QStringList{"00000001.PRN"});
    }

    // The disk fills while the printer's end of document writes the PDF
    // (room left for `libres` more bytes): a printer error, and nothing is
    // printed nor registered, though the disk has room again for "Fin".
    void documentoCortado_data()
    {
        QTest::addColumn<int>("libres");
        QTest::newRow("disco lleno") << 0;
        QTest::newRow("4 KB libres") << 4096;
        QTest::newRow("16 KB libres") << 16384;
    }
    void documentoCortado()
    {
        QFETCH(int, libres);
        Corrida c;
        std::unique_ptr<LimiteTamano> lleno;
        bool limitado = false;
        const bool impreso = c.imprimir(
            [&] {
                const QStringList parcial = Corrida::en(c.pdf);
                if (parcial.size() != 1)
                    return;
                lleno = std::make_unique<LimiteTamano>(QFileInfo(c.pdf + parcial.first()).size() + libres);
                limitado = lleno->activo();
            },
            [&] { lleno.reset(); });
        lleno.reset();
        QVERIFY(limitado);
        QVERIFY(!impreso);
        QCOMPARE(c.mensajes.shown().size(), 1);
        QCOMPARE(c.mensajes.shown().first().style, 16);
        const QString texto = c.mensajes.shown().first().text;
        QVERIFY2(texto.startsWith(QLatin1String("Error de Impresora ")) && texto.contains(c.pdf), qPrintable(texto));
        QCOMPARE(Corrida::en(c.pdf), QStringList{});
        QCOMPARE(Corrida::en(c.rpt), QStringList{});
        QCOMPARE(c.spool(), QStringList{});
    }

    // The document was printed whole but its registration fails: the run
    // shows the error, and no PDF is left under a document name (nor any
    // partial one), no script, no new SPOOL row.
    void registroFallido_data()
    {
        QTest::addColumn<QString>("falla");
        QTest::newRow("Secuencia que no es un número") << "secuencia";
        QTest::newRow("base ocupada más allá de la espera") << "ocupada";
        QTest::newRow("carpeta de informes llena") << "rptLlena";
        QTest::newRow("COMMIT que falla") << "commit";
    }
    void registroFallido()
    {
        QFETCH(QString, falla);
        Corrida c;
        QStringList antes;
        if (falla == QLatin1String("secuencia")) {
            c.db->exec(QStringLiteral("INSERT INTO SPOOL (CodRep, Secuencia, Archivo, Usuario, tip_doc_d, Doc_id_d)"
                                      " VALUES ('PR0003', 'ABC', 'INFORME.PRN', 'USUARIO1', 6, ?)"),
                       {kRuc});
            antes = c.spool();
        }
        std::unique_ptr<testdb::EscrituraAjena> otro;
        std::unique_ptr<LimiteTamano> lleno;
        bool preparado = true;
        const bool impreso = c.imprimir({}, [&] {
            if (falla == QLatin1String("ocupada")) {
                c.db->setBusyTimeout(300);
                otro = std::make_unique<testdb::EscrituraAjena>(c.env.rutaBase);
                preparado = otro->activa();
            } else if (falla == QLatin1String("rptLlena")) {
                lleno = std::make_unique<LimiteTamano>(0);
                preparado = lleno->activo();
            } else if (falla == QLatin1String("commit")) {
                c.db->setFaultHook([](const QString &sql) {
                    if (sql.startsWith(QLatin1String("COMMIT"), Qt::CaseInsensitive))
                        throw DbError(dberr::ErrorDisco, QStringLiteral("Error de disco."));
                });
            }
        });
        lleno.reset();
        otro.reset();
        c.db->setFaultHook({});
        QVERIFY(preparado);
        QVERIFY(!impreso);
        QCOMPARE(c.mensajes.shown().size(), 1);
        QCOMPARE(c.mensajes.shown().first().style, 16);
        QCOMPARE(Corrida::en(c.pdf), QStringList{});
        QCOMPARE(Corrida::en(c.rpt), QStringList{});
        QCOMPARE(c.spool(), antes);
    }
};

QTEST_MAIN(TstCorridaPdf)
#include "tst_corridapdf.moc"
