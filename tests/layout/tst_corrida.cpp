// The print run: the commands it issues in preview and in print mode, the
// script file and SPOOL row of a finished print, and nothing left behind by
// a run that fails or is killed half-way.
#include "../printing/destinoprueba.h"
#include "../support/testdb.h"
#include "common/archivospool.h"
#include "layout/core/corrida.h"
#include "platform/msgbox.h"
#include "printing/core/lineaguion.h"
#include "shell/core/errorejecucion.h"
#include "shell/core/modglobal.h"
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QThread>
#include <QtTest>

namespace {

const QString kRuc = QStringLiteral("20100070970");

DatosImpresion fDatos(bool anexo)
{
    DatosImpresion d;
    d.sRuc = kRuc;
    d.sRaSoc = QStringLiteral("COMERCIAL SAN JUAN S.A.");
    d.sPeriodo = QStringLiteral("1998");
    d.sFormulario = QStringLiteral("0951");
    d.sCodReporte = QStringLiteral("PR0003");
    d.bAnexo = anexo;
    return d;
}

RegistroGuion fRegistro(Database &db, const QString &rpt)
{
    return RegistroGuion{&db, rpt, QStringLiteral("USUARIO1"), QStringLiteral("PR0003"), kRuc};
}

// Pages that issue a few known commands and note what the annex pages got.
struct PaginasGrabadas {
    QStringList anexos;
    std::function<void()> enHoja2;
    PaginasImpresion paginas()
    {
        PaginasImpresion p;
        p.hoja1 = [](const DatosImpresion &d, SalidaImpresion &s) {
            s.pImpritext({QStringLiteral("Cabecera"), 2});
            s.pImpritext({QStringLiteral("pPos"), 3500, 1170, d.sRuc, true, d.iTamanoLetra, 0});
        };
        p.hoja2 = [this](const DatosImpresion &d, SalidaImpresion &s) {
            s.pImpritext({QStringLiteral("pPos"), 300, 400, d.sTelefono, false, 8, 1});
            if (enHoja2)
                enHoja2();
            s.pImpritext({QStringLiteral("pPosVerti"), 250, 2340, QStringLiteral("ACTIVO"), false, 8, 1});
        };
        p.anexos = [this](const QString &x, bool f, const DatosImpresion &, Database &, SalidaImpresion &s) {
            anexos << x + (f ? QStringLiteral(" con factor") : QStringLiteral(" sin factor"));
            s.pImpritext({QStringLiteral("pCuadro"), 150, 300, 11000, 3900, 2});
        };
        return p;
    }
};

struct Base {
    testdb::Entorno env;
    std::shared_ptr<Database> db = env.abrir();
    QString rpt = env.sysPath + QStringLiteral("RPT/");
    cUtilitario util;   // the page layouts fill their amounts out with it

    Base() { goUtilitario = &util; }
    ~Base() { goUtilitario = nullptr; }

    void det(const QString &casilla, const QString &valor)
    {
        db->exec(QStringLiteral("INSERT INTO DET (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, Casilla, i_valor)"
                                " VALUES (?, 6, '1998', '0951', ?, ?)"),
                 {kRuc, casilla, valor});
    }
    QStringList archivos() const { return QDir(rpt).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
    QList<QStringList> spool() const
    {
        QList<QStringList> l;
        for (const QSqlRecord &r :
             db->select(QStringLiteral("SELECT CodRep, Secuencia, Archivo, Doc_id_d FROM SPOOL ORDER BY Archivo")))
            l << QStringList{r.value(0).toString(), r.value(1).toString(), r.value(2).toString(),
                             r.value(3).toString()};
        return l;
    }
    QStringList lineas(const QString &archivo) const
    {
        QFile f(rpt + archivo);
        if (!f.open(QIODevice::ReadOnly))
            return {QStringLiteral("(sin archivo)")};
        QStringList l = QString::fromLatin1(f.readAll()).split(QStringLiteral("\r\n"));
        if (l.last().isEmpty())
            l.removeLast();
        return l;
    }
};

// One run of a child process (see main): print mode with pages that stop in
// page 2 until the process is killed.
int fCorridaHija(const QStringList &a)
{
    auto db = Database::open(a.at(0));
    ImpresoraPrueba impresora;
    MotorImpresion motor(MotorImpresion::ModoImprimir, impresora, fRegistro(*db, a.at(1)));
    PaginasGrabadas g;
    g.enHoja2 = [&] {
        QFile marca(a.at(2));
        marca.open(QIODevice::WriteOnly);
        marca.close();
        for (;;)
            QThread::sleep(1);
    };
    DatosImpresion d = fDatos(false);
    pCargar(d, *db, motor, g.paginas());
    return 0;
}

} // namespace

class TstCorrida : public QObject {
    Q_OBJECT
private slots:
    void secuencia_data()
    {
        QTest::addColumn<bool>("anexo");
        QTest::addColumn<QStringList>("nombres");
        QTest::newRow("sin anexos") << false
                                    << QStringList{"Cabecera", "pPos", "pNuevaHoja", "pPos", "pPosVerti", "Fin"};
        QTest::newRow("con anexos") << true
                                    << QStringList{"Cabecera", "pPos", "pNuevaHoja", "pPos", "pPosVerti",
                                                   "pNuevaHoja", "pCuadro", "Fin"};
    }
    // Preview and print issue the same commands; only the print ends a
    // printer document, before "Fin".
    void secuencia()
    {
        QFETCH(bool, anexo);
        QFETCH(QStringList, nombres);
        Base b;
        b.det(QStringLiteral("028"), QStringLiteral("4421234"));
        QList<QVariantList> comandos[2];
        for (int modo = 0; modo < 2; ++modo) {
            ImpresoraPrueba impresora;
            PaginasGrabadas g;
            MotorGrabador motor(modo ? MotorImpresion::ModoImprimir : MotorImpresion::ModoPrevia, impresora,
                                fRegistro(*b.db, b.rpt));
            DatosImpresion d = fDatos(anexo);
            QVERIFY(pCargar(d, *b.db, motor, g.paginas()));
            QCOMPARE(motor.nombres(), nombres);
            QCOMPARE(impresora.pasos, modo ? QStringList{"finDocumento"} : QStringList{});
            QCOMPARE(impresora.hojasNuevas, modo ? nombres.count(QStringLiteral("pNuevaHoja")) : 0);
            // Annexes asked for a declaration without annex rows: an empty set.
            QCOMPARE(g.anexos, anexo ? QStringList{" sin factor"} : QStringList{});
            comandos[modo] = motor.comandos;
        }
        QCOMPARE(comandos[0], comandos[1]);
        QCOMPARE(comandos[1].at(1).at(3).toString(), kRuc);
        QCOMPARE(comandos[1].at(3).at(3).toString(), QStringLiteral("4421234"));   // pConsulta ran first
        QCOMPARE(b.spool().size(), 1);
    }

    // The declaration's own pages, whatever they lay out: the same commands
    // in both modes, and the script holds exactly their lines.
    void paginasDeLaDeclaracion_data()
    {
        QTest::addColumn<bool>("anexo");
        QTest::newRow("sin anexos") << false;
        QTest::newRow("con anexos") << true;
    }
    void paginasDeLaDeclaracion()
    {
        QFETCH(bool, anexo);
        Base b;
        QList<QVariantList> comandos[2];
        for (int modo = 0; modo < 2; ++modo) {
            ImpresoraPrueba impresora;
            MotorGrabador motor(modo ? MotorImpresion::ModoImprimir : MotorImpresion::ModoPrevia, impresora,
                                fRegistro(*b.db, b.rpt));
            DatosImpresion d = fDatos(anexo);
            QVERIFY(pCargar(d, *b.db, motor));
            comandos[modo] = motor.comandos;
        }
        QCOMPARE(comandos[0], comandos[1]);
        const QStringList nombres = MotorGrabador::nombresDe(comandos[1]);
        QCOMPARE(nombres.first(), QStringLiteral("Cabecera"));
        QCOMPARE(nombres.last(), QStringLiteral("Fin"));
        QCOMPARE(nombres.count(QStringLiteral("Cabecera")), 1);
        QCOMPARE(nombres.count(QStringLiteral("pNuevaHoja")), anexo ? 2 : 1);
        QStringList esperadas;
        for (const QVariantList &c : comandos[1])
            esperadas << fLineasGuion(c);
        QCOMPARE(b.lineas(QStringLiteral("00000001.PRN")), esperadas);
    }

    // Each print is one more row and one more file; the first of an empty
    // SPOOL is 000001 / 00000001.PRN.
    void imprimirRegistra()
    {
        Base b;
        for (int vez = 1; vez <= 2; ++vez) {
            ImpresoraPrueba impresora;
            MotorImpresion motor(MotorImpresion::ModoImprimir, impresora, fRegistro(*b.db, b.rpt));
            DatosImpresion d = fDatos(false);
            QVERIFY(pCargar(d, *b.db, motor));
        }
        QCOMPARE(b.spool(), (QList<QStringList>{{"PR0003", "000001", "00000001.PRN", kRuc},
                                                {"PR0003", "000002", "00000002.PRN", kRuc}}));
        QCOMPARE(b.archivos(), (QStringList{"00000001.PRN", "00000002.PRN"}));
        const QStringList lineas = b.lineas(QStringLiteral("00000002.PRN"));
        QCOMPARE(lineas.mid(0, 3), (QStringList{"<!nHojas!>2<!/nHojas!>", "<!Color!> &H00FFFFC0&<!/Color!>",
                                                "<!Orientacion!> V<!/Orientacion!>"}));
        QVERIFY(lineas.contains(QStringLiteral("pNuevaHoja")));
    }

    // A run stopped half-way: one message, the printer document dropped,
    // SPOOL and the report folder as they were.
    void fallaAMitad_data()
    {
        QTest::addColumn<QString>("falla");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<QStringList>("hasta");   // the commands issued
        const QStringList pagina1 = {"Cabecera", "pPos"};
        QTest::newRow("dato de la hoja 2") << "hoja2" << "No coinciden los tipos"
                                           << (pagina1 + QStringList{"pNuevaHoja", "pPos"});
        QTest::newRow("error de impresora") << "nuevaHoja" << "Error de Impresora Error de impresora"
                                            << (pagina1 + QStringList{"pNuevaHoja"});
        QTest::newRow("impresora no disponible") << "hoja" << "Error Impresora no disponible"
                                                 << QStringList{"Cabecera", "pPos", "pNuevaHoja"};
        const QStringList todo = pagina1 + QStringList{"pNuevaHoja", "pPos", "pPosVerti", "pNuevaHoja", "pCuadro"};
        QTest::newRow("fin del documento") << "finDocumento" << "Error de Impresora Error de impresora" << todo;
        QTest::newRow("registro en SPOOL") << "spool" << "La base de datos está bloqueada."
                                           << (todo + QStringList{"Fin"});
    }
    void fallaAMitad()
    {
        QFETCH(QString, falla);
        QFETCH(QString, mensaje);
        QFETCH(QStringList, hasta);
        Base b;
        // What an earlier print left.
        b.db->exec(QStringLiteral("INSERT INTO SPOOL (CodRep, Secuencia, Archivo, Usuario, tip_doc_d, Doc_id_d)"
                                  " VALUES ('PR0003', '000001', '00000007.PRN', 'USUARIO1', 6, ?)"),
                   {kRuc});
        QFile previo(b.rpt + QStringLiteral("00000007.PRN"));
        QVERIFY(previo.open(QIODevice::WriteOnly));
        previo.write("pNuevaHoja\r\n");
        previo.close();
        const QList<QStringList> spoolAntes = b.spool();
        const QStringList archivosAntes = b.archivos();

        ImpresoraPrueba impresora;
        // Without a printer every step fails: the text of page 1 goes on,
        // the page break stops the run.
        impresora.falla = [&](const QString &paso) {
            if (falla == QLatin1String("hoja") && paso != QLatin1String("finDocumento"))
                throw ErrorEjecucion(484, QStringLiteral("Impresora no disponible"));
            if (paso == falla)
                throw ErrorEjecucion(482, QStringLiteral("Error de impresora"));
        };
        if (falla == QLatin1String("spool"))
            b.db->setFaultHook([](const QString &sql) {
                if (sql.startsWith(QLatin1String("INSERT INTO SPOOL"), Qt::CaseInsensitive))
                    throw DbError(3051, QStringLiteral("La base de datos está bloqueada."));
            });
        PaginasGrabadas g;
        if (falla == QLatin1String("hoja2"))
            g.enHoja2 = [] { throw errores::tiposNoCoinciden(); };
        MotorGrabador motor(MotorImpresion::ModoImprimir, impresora, fRegistro(*b.db, b.rpt));
        msg::ScriptedAnswerer mensajes;
        DatosImpresion d = fDatos(true);
        QVERIFY(!pCargar(d, *b.db, motor, g.paginas()));
        QCOMPARE(motor.nombres(), hasta);
        QCOMPARE(mensajes.shown().size(), 1);
        QCOMPARE(mensajes.shown().first().text, mensaje);
        QCOMPARE(mensajes.shown().first().style, 16);
        QCOMPARE(mensajes.shown().first().title, QString());
        QCOMPARE(impresora.pasos.last(), QStringLiteral("abortar"));
        b.db->setFaultHook({});
        QCOMPARE(b.spool(), spoolAntes);
        QCOMPARE(b.archivos(), archivosAntes);
    }

    // Without the report folder the script cannot start: nothing is printed.
    void sinCarpetaDeReportes()
    {
        Base b;
        QVERIFY(QDir(b.rpt).removeRecursively());
        ImpresoraPrueba impresora;
        MotorGrabador motor(MotorImpresion::ModoImprimir, impresora, fRegistro(*b.db, b.rpt));
        msg::ScriptedAnswerer mensajes;
        DatosImpresion d = fDatos(false);
        QVERIFY(!pCargar(d, *b.db, motor));
        QCOMPARE(motor.nombres(), QStringList{"Cabecera"});
        QCOMPARE(mensajes.shown().size(), 1);
        QCOMPARE(impresora.pasos, QStringList{"abortar"});
        QVERIFY(b.spool().isEmpty());
    }

    void tieneFactor_data()
    {
        QTest::addColumn<QString>("c332");
        QTest::addColumn<QString>("c333");
        QTest::addColumn<bool>("factor");
        QTest::newRow("vacias") << "" << "" << false;
        QTest::newRow("ceros") << "0" << " 0 " << false;
        QTest::newRow("333 negativa") << "" << "-5" << true;
        QTest::newRow("332") << " 12" << "" << true;
        QTest::newRow("texto") << "abc" << "" << false;
    }
    void tieneFactor()
    {
        QFETCH(QString, c332);
        QFETCH(QString, c333);
        QFETCH(bool, factor);
        Base b;
        if (!c332.isEmpty())
            b.det(QStringLiteral("332"), c332);
        if (!c333.isEmpty())
            b.det(QStringLiteral("333"), c333);
        b.db->exec(QStringLiteral("INSERT INTO ACTA (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, per_pag, tipo_asist)"
                                  " VALUES (?, 6, '1998', '0951', '199801', '3')"),
                   {kRuc});
        ImpresoraPrueba impresora;
        PaginasGrabadas g;
        MotorImpresion motor(MotorImpresion::ModoPrevia, impresora);
        DatosImpresion d = fDatos(true);
        QVERIFY(pCargar(d, *b.db, motor, g.paginas()));
        QCOMPARE(fTieneFactor(d), factor);
        QCOMPARE(g.anexos, QStringList{QStringLiteral("131") + (factor ? " con factor" : " sin factor")});
    }

    // A print killed half-way leaves no row and no spool file; its temporary
    // file goes with the next print.
    void corridaMatada()
    {
        Base b;
        const QString marca = b.env.sysPath + QStringLiteral("TMP/en_hoja2");
        QProcess hija;
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.insert(QStringLiteral("QX_CORRIDA_HIJA"), QStringList{b.env.rutaBase, b.rpt, marca}.join('\n'));
        hija.setProcessEnvironment(entorno);
        hija.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(hija.waitForStarted());
        QElapsedTimer reloj;
        reloj.start();
        while (!QFile::exists(marca) && reloj.elapsed() < 60000 && hija.state() == QProcess::Running)
            QThread::msleep(20);
        QVERIFY2(QFile::exists(marca), hija.readAllStandardError().constData());
        hija.kill();
        QVERIFY(hija.waitForFinished());
        QCOMPARE(b.archivos().size(), 1);   // its temporary file, under no spool name
        QVERIFY(!b.archivos().first().endsWith(QLatin1String(".PRN"), Qt::CaseInsensitive));
        QVERIFY(b.spool().isEmpty());

        ImpresoraPrueba impresora;
        MotorImpresion motor(MotorImpresion::ModoImprimir, impresora, fRegistro(*b.db, b.rpt));
        DatosImpresion d = fDatos(false);
        QVERIFY(pCargar(d, *b.db, motor));
        QCOMPARE(b.archivos(), QStringList{"00000001.PRN"});
        QCOMPARE(b.spool().size(), 1);
    }
};

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString hija = qEnvironmentVariable("QX_CORRIDA_HIJA");
    if (!hija.isEmpty())
        return fCorridaHija(hija.split('\n'));
    TstCorrida t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_corrida.moc"
