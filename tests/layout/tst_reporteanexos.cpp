// The annex page: each table's commands with its month texts, updated
// amounts and total; the tables of each annex-set code; a sent declaration's
// own rows; whole pages compared byte for byte with the scripts under
// tests/fixtures/annexpages. The rows are in filas.sql there.
#include "layout/core/anexostabla.h"
#include "layout/core/fuenteanexos.h"
#include "layout/core/paginas.h"
#include "grabadora.h"
#include "platform/textfile.h"
#include "shell/core/errorejecucion.h"
#include "shell/core/modglobal.h"
#include "../support/testdb.h"
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString ruta(const QString &nombre)
{
    return QStringLiteral(QX_FIXTURES "/annexpages/") + nombre;
}

QString pos(int x, int y, const QString &t, bool negrita = false, int tamano = 8)
{
    return QStringLiteral("pPos|%1|%2|%3|%4|%5|2|")
        .arg(x)
        .arg(y)
        .arg(t, negrita ? QStringLiteral("TRUE") : QStringLiteral("False"))
        .arg(tamano);
}

// An amount filled out on the left to its width.
QString a(const QString &t, int ancho = 14)
{
    return blancos(ancho - t.size()) + t;
}

DatosImpresion declaracion(const QString &ruc, bool enviada = false, const QString &correl = QString())
{
    DatosImpresion d;
    d.sRuc = ruc;
    d.sPeriodo = QStringLiteral("1998");
    d.sFormulario = QStringLiteral("0951");
    d.bGl_recti = enviada;
    d.sCORREL = correl;
    return d;
}

QByteArray leerBytes(const QString &r)
{
    QFile f(r);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

using Tabla = const TablaAnexo &(*)();

} // namespace

class TstReporteAnexos : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    std::shared_ptr<Database> m_db;
    int m_consultas = 0;

    QStringList reporte(const QString &codigo, const DatosImpresion &d, bool tieneFactor = false)
    {
        DatosImpresion leidos = d;
        pLeerAnexos(codigo, leidos, *m_db);
        Grabadora g;
        ReporteAnexos(codigo, tieneFactor, leidos, g);
        return g.lineas();
    }

private slots:
    void initTestCase()
    {
        gsPeriodo = QStringLiteral("1998");
        gsFormulario = QStringLiteral("0951");
        const QString base = m_dir.filePath(QStringLiteral("QX000.MDB"));
        QString error;
        QVERIFY2(testdb::crearBase(base, &error), qPrintable(error));
        m_db = Database::open(base);
        QStringList lineas;
        QVERIFY(textfile::readLines(ruta(QStringLiteral("filas.sql")), &lineas));
        for (const QString &l : lineas)
            if (l.startsWith(QLatin1String("INSERT")))
                m_db->exec(l);
        m_db->setFaultHook([this](const QString &) { ++m_consultas; });
    }

    void init() { m_consultas = 0; }

    void tabla_data()
    {
        QTest::addColumn<Tabla>("tabla");
        QTest::addColumn<QString>("ruc");
        QTest::addColumn<int>("comandos");
        QTest::addColumn<QStringList>("muestras");

        QTest::newRow("Anexo 117") << &tablaAnexo117 << "20100000001" << 51 << QStringList{
            pos(350, 350, "Anexo 117", true, 10),
            // 1,000 by 1.0016 prints 1,002 in April and in May.
            pos(350, 1350, "04 - 98"), pos(1300, 1350, a("1,000")), pos(3200, 1350, a("1,002")),
            pos(3200, 1620, a("1,002")),
            // June has rows of another form and period only: no row.
            pos(350, 1890, "06 - 98"), pos(1300, 1890, a("")), pos(3200, 1890, a("0")),
            // A blank amount; 1 by 1.5 gives 2, 1 by 1.4 gives 1.
            pos(1300, 2160, a(" ")), pos(3200, 2160, a("0")),
            pos(3200, 2430, a("2")), pos(3200, 2700, a("1")),
            // A Null amount reads blank; a Null FACTOR reads 0.
            pos(1300, 2970, a("")), pos(3200, 2970, a("0")),
            pos(1300, 3240, a("2,500,000")), pos(3200, 3240, a("0")),
            pos(3200, 3510, a("12,345")),
            // 1,002 + 1,002 + 2 + 1 + 12,345: the printed months added.
            pos(350, 3780, "TOT. IMP. ACT. (CAS. 117)", true), pos(3200, 3780, a("14,352"), true),
            "pCuadro|300|3730|4950|4000|2|"};

        QTest::newRow("Anexo 117, total negativo") << &tablaAnexo117 << "20100000005" << 51 << QStringList{
            pos(1300, 1350, a("-1,000")), pos(3200, 1350, a("-1,000")), pos(3200, 3780, a("-1,000"), true)};

        QTest::newRow("Anexo 128") << &tablaAnexo128 << "20100000001" << 148 << QStringList{
            pos(350, 4270, "Anexo 128", true, 10), "pCuadro|300|4490|11000|9350|2|",
            pos(350, 5080, " Pago", false, 8), "pCuadro|320|4760|11000|5300|2|",
            pos(400, 5350, "01 - 98"), pos(1300, 5350, a("100")), pos(6250, 5350, a("400")),
            pos(7900, 5350, a("1,000")), pos(9500, 5350, a("1,050")), "pCuadro|300|5300|11000|5570|2|",
            // February without a row.
            pos(1300, 5620, a("")), pos(6250, 5620, a("")), pos(7900, 5620, a("0")), pos(9500, 5620, a("0")),
            // A Null amount in March reads blank: 300 by 1.03.
            pos(1300, 5890, a("")), pos(7900, 5890, a("300")), pos(9500, 5890, a("309")),
            // A negative month prints its sign.
            pos(1300, 7780, a("-5,000")), pos(7900, 7780, a("-5,000")), pos(9500, 7780, a("-5,500")),
            pos(9500, 8050, a("0")),
            pos(400, 8590, "01 - 99"), pos(6250, 8590, a("10")), pos(400, 9130, "03 - 99"),
            // 1,050 + 309 + 1,002 + 1,002 + 2 + 1 - 5,500 + 1,234,567 + 10 + 20
            pos(4650, 9350, "TOTAL IMPORTE ACTUALIZADO", true), pos(9000, 9350, a("1,232,463", 19), true),
            "pCuadro|300|9350|11000|9620|2|"};

        QTest::newRow("Anexo 128, total bajo cero") << &tablaAnexo128 << "20100000005" << 148 << QStringList{
            pos(9500, 5350, a("-100")), pos(9000, 9350, a("0", 19), true)};

        QTest::newRow("Anexo 131") << &tablaAnexo131 << "20100000002" << 148 << QStringList{
            pos(370, 350, "Anexo 131", true, 10), "pCuadro|300|570|11000|5390|2|",
            pos(350, 1090, " Pago", false, 8), "pCuadro|320|840|11000|1340|2|",
            pos(400, 1390, "01 - 98"), pos(1300, 1390, a("500")), pos(2950, 1390, a("0")),
            pos(7900, 1390, a("2,000")), pos(9500, 1390, a("2,000")), "pCuadro|300|1340|11000|1610|2|",
            pos(9500, 1660, a("1,002")), pos(9500, 1930, a("1,002")),
            pos(1300, 2200, a("")), pos(9500, 2200, a("0")),
            pos(2950, 4360, a("99,999,999,999")),
            pos(400, 5170, "03 - 99"), pos(6250, 5170, a("7")), pos(9500, 5170, a("14")),
            pos(4650, 5440, "TOTAL IMPORTE ACTUALIZADO", true),
            pos(9000, 5440, a("100,000,004,017", 19), true), "pCuadro|300|5390|11000|5660|2|"};

        QTest::newRow("Anexo 131 sin filas") << &tablaAnexo131 << "20199999999" << 148 << QStringList{
            pos(1300, 1390, a("")), pos(7900, 1390, a("0")), pos(9500, 5170, a("0")),
            pos(9000, 5440, a("0", 19), true)};

        // The RUC goes into the query as a value, never as SQL text.
        QTest::newRow("Anexo 131, RUC con comilla") << &tablaAnexo131 << "20100000002' OR '1'='1" << 148
            << QStringList{pos(1300, 1390, a("")), pos(9000, 5440, a("0", 19), true)};

        QTest::newRow("Anexo 120") << &tablaAnexo120 << "20100000003" << 56 << QStringList{
            pos(370, 350, "Anexo 120", true, 10),
            pos(370, 620, "PAGOS DEL IEAN EFECTUADO CON PAGOS A CUENTA  DEL IMP. LA RENTA  ", true),
            pos(370, 1430, " 04 - 98 "), pos(2100, 1430, a("1,000")), pos(4600, 1430, a("1,002")),
            "pCuadro|320|1380|7000|1650|2|", "pCuadro|2000|1380|4500|1650|2|",
            pos(4600, 1700, a("200")),
            pos(370, 1970, " 06 - 98 "), pos(2100, 1970, a("")), pos(4600, 1970, a("0")),
            pos(2100, 2240, a("400")), pos(4600, 2240, a("600")),
            pos(2100, 2510, a("1")), pos(4600, 2510, a("0")),
            pos(2100, 2780, a(" ")), pos(4600, 2780, a("0")),
            // 1,002 + 200 + 600 + 3,300
            pos(370, 3860, " TOTAL IMP. ACTUAL CASILLA 120"), pos(4600, 3860, a("5,102")),
            "pCuadro|4500|3810|7000|4080|2|"};

        QTest::newRow(" ANEXO 128") << &tablaAnexo128IEAN << "20100000003" << 225 << QStringList{
            pos(370, 4280, " ANEXO 128", true), "pCuadro|9020|4770|10820|9270|2|",
            pos(700, 5270, "01 - 98"), pos(7270, 5270, a("2,000")), pos(9070, 5270, a("2,000")),
            "pCuadro|320|5220|10820|5490|2|",
            pos(7270, 5540, a("")), pos(9070, 5540, a("0")),
            pos(1870, 5810, a(" ")), pos(9070, 5810, a("0")),
            pos(370, 9690, "    Pago            Renta        Pag. con Renta   Utilizado IEAN    al 31/12/98", true),
            pos(700, 9960, "01 - 98"), pos(1870, 9960, a("2,000")), pos(3670, 9960, a("500")),
            pos(5470, 9960, a("1,500")), pos(7270, 9960, a("1,650")), "pCuadro|320|9910|9020|10180|2|",
            // February without a row: only its total on account.
            pos(1870, 10230, a("0")), pos(3670, 10230, a("")), pos(5470, 10230, a("")), pos(7270, 10230, a("")),
            // March with blank amounts.
            pos(3670, 10500, a(" ")), pos(5470, 10500, a("0")), pos(7270, 10500, a("0")),
            pos(5470, 11040, a("1,100")), pos(7270, 11040, a("1,102")),
            // IEAN above the month's payments.
            pos(5470, 11580, a("-300")), pos(7270, 11580, a("-450")),
            pos(5470, 11850, a("49")), pos(7270, 11850, a("0")),
            pos(700, 13200, "01 - 99"), pos(3670, 13200, a("100")), pos(7270, 13200, a("500")),
            // 1,650 + 1,102 - 450 + 1,000 + 1,100 + 500
            pos(1500, 14040, "TOTAL IMPORTE ACTUALIZADO (CAS. 128) ", true), pos(7270, 14040, a("4,902"), true),
            "pCuadro|320|13960|9020|14230|2|", "pCuadro|7220|13960|9020|14230|2|"};
    }
    void tabla()
    {
        QFETCH(Tabla, tabla);
        QFETCH(QString, ruc);
        QFETCH(int, comandos);
        QFETCH(QStringList, muestras);
        Grabadora g;
        const DatosImpresion d = declaracion(ruc);
        pDisponerTablaAnexo(tabla(), d, fLeerMesesAnexo(tabla().carga, d, *m_db), g);
        QCOMPARE(g.comandos.size(), comandos);
        const QStringList lineas = g.lineas();
        for (const QString &m : muestras)
            QVERIFY2(lineas.contains(m), qPrintable(m));
        // One query a month.
        QCOMPARE(m_consultas, tabla().carga.hasta - tabla().carga.desde + 1);
    }

    void conjunto_data()
    {
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<QString>("ruc");
        QTest::addColumn<int>("comandos");
        QTest::addColumn<int>("consultas");
        QTest::addColumn<QString>("primera");
        QTest::addColumn<QString>("ultima");
        QTest::newRow("117y128") << "117y128" << "20100000001" << 199 << 24 << pos(350, 350, "Anexo 117", true, 10)
                                 << "pCuadro|300|9350|11000|9620|2|";
        QTest::newRow("131") << "131" << "20100000002" << 148 << 15 << pos(370, 350, "Anexo 131", true, 10)
                             << "pCuadro|300|5390|11000|5660|2|";
        QTest::newRow("120y128") << "120y128" << "20100000003" << 281 << 24 << pos(370, 350, "Anexo 120", true, 10)
                                 << "pCuadro|7220|13960|9020|14230|2|";
        QTest::newRow("sin codigo") << "" << "20100000001" << 0 << 0 << QString() << QString();
        QTest::newRow("mayusculas") << "120Y128" << "20100000003" << 0 << 0 << QString() << QString();
        QTest::newRow("tipo de asistente") << "2" << "20100000001" << 0 << 0 << QString() << QString();
    }
    void conjunto()
    {
        QFETCH(QString, codigo);
        QFETCH(QString, ruc);
        QFETCH(int, comandos);
        QFETCH(int, consultas);
        QFETCH(QString, primera);
        QFETCH(QString, ultima);
        const QStringList lineas = reporte(codigo, declaracion(ruc));
        QCOMPARE(lineas.size(), comandos);
        QCOMPARE(m_consultas, consultas);
        QCOMPARE(lineas.value(0), primera);
        QCOMPARE(lineas.value(lineas.size() - 1), ultima);
        // Page 3 only, and no page break, header or end of its own.
        for (const QString &l : lineas)
            QVERIFY2(l.endsWith(QLatin1String("|2|")), qPrintable(l));
    }

    void enviada_data()
    {
        QTest::addColumn<bool>("enviada");
        QTest::addColumn<QString>("correl");
        QTest::addColumn<QString>("pago");
        QTest::newRow("envio 1") << true << "1" << "111";
        QTest::newRow("envio 2") << true << "2" << "222";
        QTest::newRow("guardada") << false << "" << "333";
        QTest::newRow("envio sin filas") << true << "3" << "";
    }
    void enviada()
    {
        QFETCH(bool, enviada);
        QFETCH(QString, correl);
        QFETCH(QString, pago);
        const QStringList lineas = reporte("131", declaracion("20100000004", enviada, correl));
        QCOMPARE(lineas.size(), 148);
        QVERIFY(lineas.contains(pos(6250, 1390, a(pago))));
        QVERIFY(lineas.contains(pos(9000, 5440, a(pago.isEmpty() ? "0" : pago, 19), true)));
    }

    void mesesDe1999()
    {
        // Months 13 to 15 read 1999 whatever the period; the labels keep 98 and 99.
        gsPeriodo = QStringLiteral("1997");
        const QStringList lineas = reporte("131", declaracion("20100000006"));
        gsPeriodo = QStringLiteral("1998");
        QVERIFY(lineas.contains(pos(400, 1390, "01 - 98")));
        QVERIFY(lineas.contains(pos(6250, 1390, a("41"))));
        QVERIFY(lineas.contains(pos(400, 4630, "01 - 99")));
        QVERIFY(lineas.contains(pos(6250, 4630, a("43"))));
        QVERIFY(lineas.contains(pos(9000, 5440, a("84", 19), true)));
    }

    void errorDeBase()
    {
        // A failing query ends the reading there and goes up to the print
        // run: the months are read before the page, so nothing is issued.
        m_db->setFaultHook([this](const QString &) {
            if (++m_consultas == 10)
                throw DbError(3051, QStringLiteral("bloqueada"));
        });
        DatosImpresion d = declaracion("20100000001");
        Grabadora g;
        bool fallo = false;
        try {
            pLeerAnexos("117y128", d, *m_db);
            ReporteAnexos("117y128", false, d, g);
        } catch (const DbError &e) {
            fallo = e.number == 3051;
        }
        m_db->setFaultHook([this](const QString &) { ++m_consultas; });
        QVERIFY(fallo);
        QCOMPARE(g.comandos.size(), 0);
        QVERIFY(d.aMesesAnexo.isEmpty());
    }

    // The page prints only the months read for its own set.
    void mesesDeOtroConjunto()
    {
        DatosImpresion d = declaracion("20100000001");
        pLeerAnexos("131", d, *m_db);
        Grabadora g;
        bool fallo = false;
        try {
            ReporteAnexos("117y128", false, d, g);
        } catch (const ErrorEjecucion &e) {
            fallo = e.numero == 9;
        }
        QVERIFY(fallo);
        QCOMPARE(g.comandos.size(), 0);
    }

    void guion_data()
    {
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<QString>("ruc");
        QTest::newRow("117y128") << "117y128" << "20100000001";
        QTest::newRow("131") << "131" << "20100000002";
        QTest::newRow("120y128") << "120y128" << "20100000003";
    }
    void guion()
    {
        QFETCH(QString, codigo);
        QFETCH(QString, ruc);
        const QByteArray esperado = leerBytes(ruta(codigo + ".prn"));
        QVERIFY(!esperado.isEmpty());
        // The stored factors decide; the factor flag changes nothing.
        for (bool tieneFactor : {false, true}) {
            QTemporaryDir dir;
            const QString archivo = dir.filePath(QStringLiteral("guion.prn"));
            QVERIFY(textfile::writeLines(archivo, reporte(codigo, declaracion(ruc), tieneFactor)));
            QCOMPARE(leerBytes(archivo), esperado);
        }
    }
};

QTEST_GUILESS_MAIN(TstReporteAnexos)
#include "tst_reporteanexos.moc"
