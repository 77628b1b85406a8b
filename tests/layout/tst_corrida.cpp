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
#include <atomic>
#include <thread>

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
        p.anexos = [this](const QString &x, bool f, const DatosImpresion &, SalidaImpresion &s) {
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
    QStringList archivos() const { return testdb::archivos(rpt); }
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

// The annex rows of the declaration as a calculator's save leaves them, all
// in one transaction: the fifteen months of the annex type, every amount v,
// factor 1.
void pEstadoActa(Database &db, const QString &tipo, int v)
{
    Transaction t(db, true);
    db.exec(QStringLiteral("DELETE FROM ACTA WHERE DOC_ID_D=? AND TIP_DOC_D=6 AND PERIODO='1998'"
                           " AND FORMULARIO='0951'"),
            {kRuc});
    const QString monto = QString::number(v);
    QList<Registro> filas;
    for (int i = 1; i <= 15; ++i) {
        const QString per = (i <= 12 ? QStringLiteral("1998%1").arg(i, 2, 10, QLatin1Char('0'))
                                     : QStringLiteral("1999%1").arg(i - 12, 2, 10, QLatin1Char('0')));
        filas << Registro{{QStringLiteral("DOC_ID_D"), kRuc}, {QStringLiteral("TIP_DOC_D"), 6},
                          {QStringLiteral("PERIODO"), QStringLiteral("1998")},
                          {QStringLiteral("FORMULARIO"), QStringLiteral("0951")},
                          {QStringLiteral("per_pag"), per},       {QStringLiteral("saluti"), monto},
                          {QStringLiteral("compen"), monto},      {QStringLiteral("otrcre"), monto},
                          {QStringLiteral("pago_r"), monto},      {QStringLiteral("pago_iean_r"), monto},
                          {QStringLiteral("pago_iean"), monto},   {QStringLiteral("tipo_asist"), tipo},
                          {QStringLiteral("FACTOR"), 1.0}};
    }
    db.addNewAll(QStringLiteral("ACTA"), filas);
    t.commit();
}

// The commands of the annex page (page index 2) of a run.
QList<QVariantList> fPaginaAnexos(const QList<QVariantList> &comandos)
{
    QList<QVariantList> pagina;
    for (const QVariantList &c : comandos)
        if (c.size() > 5 && (c.first() == QLatin1String("pPos") || c.first() == QLatin1String("pCuadro"))
            && c.last().toInt() == 2)
            pagina << c;
    return pagina;
}

// How many commands of two pages differ, place by place.
int fDiferencias(const QList<QVariantList> &a, const QList<QVariantList> &b)
{
    int n = qAbs(int(a.size() - b.size()));
    for (int i = 0; i < qMin(a.size(), b.size()); ++i)
        n += a.at(i) != b.at(i);
    return n;
}

// The trimmed texts of a page's commands.
QStringList fTextos(const QList<QVariantList> &pagina)
{
    QStringList l;
    for (const QVariantList &c : pagina)
        if (c.first() == QLatin1String("pPos"))
            l << c.at(3).toString().trimmed();
    return l;
}

// The period and form the annex months are read with, for one test.
struct PeriodoAnexos {
    PeriodoAnexos()
    {
        gsPeriodo = QStringLiteral("1998");
        gsFormulario = QStringLiteral("0951");
    }
    ~PeriodoAnexos()
    {
        gsPeriodo.clear();
        gsFormulario.clear();
    }
};

} // namespace

class TstCorrida : public QObject {
    Q_OBJECT

    // One run of the declaration's own pages with its annexes; the commands
    // of its annex page.
    static QList<QVariantList> corridaAnexos(Base &b, const QString &modo, bool *ok)
    {
        ImpresoraPrueba impresora;
        MotorGrabador motor(modo, impresora, fRegistro(*b.db, b.rpt));
        msg::ScriptedAnswerer mensajes;
        DatosImpresion d = fDatos(true);
        *ok = pCargar(d, *b.db, motor) && mensajes.shown().isEmpty();
        return fPaginaAnexos(motor.comandos);
    }

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

    // The annex sets and the totals each state prints, worked out from every
    // amount v at factor 1: Anexo 117 and Anexo 120 add nine months of v, the
    // payments tables fifteen months of four amounts (4v), " ANEXO 128"
    // those less the IEAN part (3v).
    void unEstado_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QStringList>("totales100");
        QTest::addColumn<QStringList>("totales200");
        QTest::newRow("117y128") << "2" << QStringList{"900", "6,000"} << QStringList{"1,800", "12,000"};
        QTest::newRow("131") << "3" << QStringList{"6,000"} << QStringList{"12,000"};
        QTest::newRow("120y128") << "1" << QStringList{"900", "4,500"} << QStringList{"1,800", "9,000"};
    }
    // A calculator's save that commits while a print reads: before every read
    // of the run a second connection replaces the annex rows with the other
    // state. The printed annex page is the whole page of one state.
    void unEstado()
    {
        QFETCH(QString, tipo);
        QFETCH(QStringList, totales100);
        QFETCH(QStringList, totales200);
        PeriodoAnexos periodo;
        Base b;
        QList<QVariantList> paginas[2];
        for (int e = 0; e < 2; ++e) {
            pEstadoActa(*b.db, tipo, 100 * (e + 1));
            bool ok = false;
            paginas[e] = corridaAnexos(b, MotorImpresion::ModoImprimir, &ok);
            QVERIFY(ok);
        }
        for (const QString &t : totales100) {
            QVERIFY2(fTextos(paginas[0]).contains(t), qPrintable(t));
            QVERIFY2(!fTextos(paginas[1]).contains(t), qPrintable(t));
        }
        for (const QString &t : totales200)
            QVERIFY2(fTextos(paginas[1]).contains(t), qPrintable(t));

        auto otra = b.env.abrir();
        otra->setBusyTimeout(20);   // a save that waits for a reading print gives up soon
        int v = 200;
        int guardadas = 0;
        b.db->setFaultHook([&](const QString &sql) {
            if (!sql.startsWith(QLatin1String("SELECT"), Qt::CaseInsensitive))
                return;
            try {
                pEstadoActa(*otra, tipo, 300 - v);
                v = 300 - v;
                ++guardadas;
            } catch (const DbError &) {
            }
        });
        for (int vez = 0; vez < 3; ++vez) {
            bool ok = false;
            const QList<QVariantList> pagina = corridaAnexos(b, MotorImpresion::ModoImprimir, &ok);
            QVERIFY(ok);
            QVERIFY2(pagina == paginas[0] || pagina == paginas[1],
                     qPrintable(QStringLiteral("%1 commands differ from the page of 100, %2 from that of 200")
                                    .arg(fDiferencias(pagina, paginas[0]))
                                    .arg(fDiferencias(pagina, paginas[1]))));
        }
        b.db->setFaultHook({});
        QVERIFY(guardadas > 0);
        QCOMPARE(b.spool().size(), 5);
    }

    // Another program saves the annex rows in a loop while prints run: each
    // print shows one state, and no save fails because a print was reading.
    void guardadosDuranteImpresiones()
    {
        PeriodoAnexos periodo;
        Base b;
        QList<QVariantList> paginas[2];
        for (int e = 0; e < 2; ++e) {
            pEstadoActa(*b.db, QStringLiteral("3"), 100 * (e + 1));
            bool ok = false;
            paginas[e] = corridaAnexos(b, MotorImpresion::ModoPrevia, &ok);
            QVERIFY(ok);
        }
        std::atomic<bool> fin{false};
        std::atomic<int> guardadas{0}, fallidas{0};
        const QString ruta = b.env.rutaBase;
        std::thread escritor([&] {
            auto db = Database::open(ruta);
            for (int v = 100; !fin; v = 300 - v) {
                try {
                    pEstadoActa(*db, QStringLiteral("3"), v);
                    ++guardadas;
                } catch (const DbError &) {
                    ++fallidas;
                }
                QThread::usleep(500);
            }
        });
        int fallas = 0, mezcladas = 0;
        for (int vez = 0; vez < 40; ++vez) {
            bool ok = false;
            const QList<QVariantList> pagina = corridaAnexos(b, MotorImpresion::ModoPrevia, &ok);
            if (!ok)
                ++fallas;
            else if (pagina != paginas[0] && pagina != paginas[1])
                ++mezcladas;
        }
        fin = true;
        escritor.join();
        QCOMPARE(fallas, 0);
        QCOMPARE(mezcladas, 0);
        QCOMPARE(fallidas.load(), 0);
        QVERIFY(guardadas.load() > 0);
    }

    // The eight-digit report numbers end at 99999999: a print after it stops
    // with the run's message and registers nothing, so no two prints share a
    // name. Two prints run after the rows; "" for one that stops.
    void numerosAgotados_data()
    {
        QTest::addColumn<QStringList>("existentes");
        QTest::addColumn<QStringList>("nombres");
        QTest::newRow("99999999.PRN") << QStringList{"99999999.PRN"} << QStringList{"", ""};
        QTest::newRow("el último que queda") << QStringList{"99999998.PRN"} << QStringList{"99999999.PRN", ""};
        QTest::newRow("con el nombre repetido de antes")
            << QStringList{"99999999.PRN", "100000000.PRN"} << QStringList{"", ""};
        QTest::newRow("en minúsculas, junto a otras") << QStringList{"00000005.PRN", "99999999.prn", "ABC.PRN"}
                                                      << QStringList{"", ""};
    }
    void numerosAgotados()
    {
        QFETCH(QStringList, existentes);
        QFETCH(QStringList, nombres);
        Base b;
        for (const QString &a : existentes)
            b.db->exec(QStringLiteral("INSERT INTO SPOOL (CodRep, Secuencia, Archivo, Usuario, tip_doc_d, Doc_id_d)"
                                      " VALUES ('PR0002', '000001', ?, 'OTRO', 6, ?)"),
                       {a, kRuc});
        for (const QString &nombre : nombres) {
            const QList<QStringList> spoolAntes = b.spool();
            const QStringList archivosAntes = b.archivos();
            ImpresoraPrueba impresora;
            MotorGrabador motor(MotorImpresion::ModoImprimir, impresora, fRegistro(*b.db, b.rpt));
            msg::ScriptedAnswerer mensajes;
            DatosImpresion d = fDatos(false);
            const bool ok = pCargar(d, *b.db, motor);
            if (!nombre.isEmpty()) {
                QVERIFY(ok);
                QCOMPARE(motor.sArchivoGuion(), nombre);
                QCOMPARE(b.archivos(), archivosAntes + QStringList{nombre});
                continue;
            }
            QVERIFY(!ok);
            QCOMPARE(mensajes.shown().size(), 1);
            QCOMPARE(mensajes.shown().first().text,
                     QStringLiteral("Se agotaron los números de reporte: ya se registró el último, "
                                    "99999999.PRN. Este reporte no se registró."));
            QCOMPARE(mensajes.shown().first().style, 16);
            QCOMPARE(impresora.pasos.last(), QStringLiteral("abortar"));
            QCOMPARE(b.spool(), spoolAntes);
            QCOMPARE(b.archivos(), archivosAntes);
        }
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
