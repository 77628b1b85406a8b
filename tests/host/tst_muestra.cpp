// The sample folder of a first start: its taxpayer's declaration saved
// consistent and sent, only in a database made on that start, and the
// README's receipt example run on it.
#include "host/constancia.h"
#include "host/entorno.h"
#include "host/envio.h"
#include "platform/database.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kRuc = QStringLiteral("20100000009");
const QString kPrograma = QStringLiteral(QX_BIN_DIR "/0951REP");

int contar(const Database &db, const QString &tabla)
{
    return db.scalar(QStringLiteral("SELECT count(*) FROM ") + tabla + QStringLiteral(" WHERE DOC_ID_D=?"), {kRuc})
        .toInt();
}

// The given columns of a table's rows of the sample taxpayer, in the order written.
QStringList filas(const Database &db, const QString &tabla, const QString &columnas)
{
    QStringList l;
    for (const QSqlRecord &r : db.select(QStringLiteral("SELECT ") + columnas + QStringLiteral(" FROM ") + tabla
                                             + QStringLiteral(" WHERE DOC_ID_D=? ORDER BY rowid"),
                                         {kRuc})) {
        QStringList c;
        for (int i = 0; i < r.count(); ++i)
            c << (r.isNull(i) ? QStringLiteral("<nulo>") : r.value(i).toString());
        l << c.join(QLatin1Char('|'));
    }
    return l;
}

// The quoted argument of the README's 0951REP example.
QString lineaDelReadme()
{
    QFile f(QStringLiteral(QX_README));
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    const QRegularExpression ejemplo(QStringLiteral("build/bin/0951REP \"([^\"]*)\""));
    return ejemplo.match(QString::fromUtf8(f.readAll())).captured(1);
}

}

class TstMuestra : public QObject {
    Q_OBJECT
    QTemporaryDir *m_tmp = nullptr;
    QString m_carpeta;

    bool preparar(bool muestra, host::Entorno *e, QString *error,
                  const std::function<void(const QString &)> &falla = {})
    {
        return host::fPrepararEntorno(m_carpeta, QStringLiteral("PRUEBA"), muestra, e, error, falla);
    }

private slots:
    void init()
    {
        m_tmp = new QTemporaryDir;
        const QString windir = m_tmp->filePath(QStringLiteral("windows")) + QLatin1Char('/');
        QDir().mkpath(windir);
        qputenv("QX_WINDIR", windir.toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", m_tmp->path().toLocal8Bit());
        m_carpeta = m_tmp->filePath(QStringLiteral("datos"));
    }
    void cleanup()
    {
        qunsetenv("QX_WINDIR");
        delete m_tmp;
        m_tmp = nullptr;
    }

    // Which starts make the sample's declaration: a database made on this
    // start, and with the sample asked for; a database already there is
    // left as it is, even when its declaration was removed. A later start
    // whose database is gone makes none (declaraciones -1: the start fails).
    void cuandoSeAgrega_data()
    {
        QTest::addColumn<bool>("antes");        // a database from an earlier start, without the sample
        QTest::addColumn<bool>("sinBase");      // its settings file left, its database removed
        QTest::addColumn<bool>("muestra");
        QTest::addColumn<int>("declaraciones");
        QTest::newRow("primer inicio de muestra") << false << false << true << 1;
        QTest::newRow("primer inicio sin muestra") << false << false << false << 0;
        QTest::newRow("base existente") << true << false << true << 0;
        QTest::newRow("base que falta") << true << true << true << -1;
    }
    void cuandoSeAgrega()
    {
        QFETCH(bool, antes);
        QFETCH(bool, sinBase);
        QFETCH(bool, muestra);
        QFETCH(int, declaraciones);
        host::Entorno e;
        QString error;
        if (antes) {
            QVERIFY2(preparar(false, &e, &error), qPrintable(error));
            if (sinBase)
                QVERIFY(QFile::remove(e.baseDatos));
        }
        if (declaraciones < 0) {
            QVERIFY(!preparar(muestra, &e, &error));
            QVERIFY(!QFileInfo::exists(e.baseDatos));
            return;
        }
        QVERIFY2(preparar(muestra, &e, &error), qPrintable(error));
        auto db = Database::open(e.baseDatos);
        for (const char *tabla : {"CAB", "HCAB"})
            QCOMPARE(contar(*db, QString::fromLatin1(tabla)), declaraciones);
    }

    // Saved consistent, and sent once as the host sends: its rows copied
    // under correlative 1 with the first control number, dated the day it
    // was validated (20/03/1999), no order number yet.
    void declaracionEnviada()
    {
        host::Entorno e;
        QString error;
        QVERIFY2(preparar(true, &e, &error), qPrintable(error));
        auto db = Database::open(e.baseDatos);
        QCOMPARE(filas(*db, QStringLiteral("CAB"), QStringLiteral("TIP_DOC_D, PERIODO, FORMULARIO, estado")),
                 QStringList{QStringLiteral("6|1998|0951|0")});
        QCOMPARE(filas(*db, QStringLiteral("HCAB"), QStringLiteral("CORREL, CONTROL, FEC_ENV, NORDEN")),
                 QStringList{QStringLiteral("1|00000001|1999-03-20|<nulo>")});
        const QString cab = QStringLiteral("fec_pro, bcolibrad, nrocheque, cheque, efectivo, rectifica, estado, cNumero");
        QCOMPARE(filas(*db, QStringLiteral("HCAB"), cab), filas(*db, QStringLiteral("CAB"), cab));
        const QString det = QStringLiteral("Casilla, i_valor, idcasilla, cNumero");
        QVERIFY(contar(*db, QStringLiteral("DET")) > 0);
        QCOMPARE(filas(*db, QStringLiteral("HDET"), QStringLiteral("CORREL, ") + det),
                 filas(*db, QStringLiteral("DET"), QStringLiteral("'1', ") + det));
        const QString acta = QStringLiteral("per_pag, saluti, compen, otrcre, pago_r, pago_iean_r, pago_iean,"
                                            " fec_pago, tipo_asist, FACTOR, cNumero");
        QCOMPARE(contar(*db, QStringLiteral("ACTA")), 15);
        QCOMPARE(filas(*db, QStringLiteral("HACTA"), QStringLiteral("CORREL, ") + acta),
                 filas(*db, QStringLiteral("ACTA"), QStringLiteral("'1', ") + acta));
        // The next sending of the user's follows it.
        host::Envio otro;
        QCOMPARE(host::fEnviarDeclaracion(*db, kRuc, QDate(1999, 3, 22), &otro), QString());
        QCOMPARE(otro.correl, QStringLiteral("2"));
        QCOMPARE(otro.control, QStringLiteral("00000002"));
    }

    // A failure while the sample is being sent leaves no database and no folder.
    void fallaAlEnviarLaMuestra()
    {
        host::Entorno e;
        QString error;
        auto falla = [](const QString &sql) {
            if (sql.contains(QStringLiteral("INSERT INTO HDET")))
                throw DbError(3051, QStringLiteral("disco en falla"));
        };
        QVERIFY(!preparar(true, &e, &error, falla));
        QVERIFY(error.contains(QStringLiteral("No se pudo crear la base de datos")));
        QVERIFY(error.contains(QStringLiteral("disco en falla")));
        QVERIFY(!QFileInfo::exists(m_carpeta));
    }

    // The README's example is the receipt of the sample's sending, as the
    // host's "Constancia de presentación" runs it, and it shows the declaration.
    void constanciaDelReadme()
    {
        host::Entorno e;
        QString error;
        QVERIFY2(preparar(true, &e, &error), qPrintable(error));
        const QString linea = lineaDelReadme();
        {
            auto db = Database::open(e.baseDatos);
            const host::Envio envio = host::fUltimoEnvio(*db, kRuc);
            QCOMPARE(linea, host::fLineaConstancia(6, kRuc, QStringLiteral("0951"), QStringLiteral("199800"),
                                                   QStringLiteral("A"), envio.control));
        }
        const host::Constancia c = host::fEjecutarConstancia(kPrograma, linea, e.carpetaDatos);
        QVERIFY2(c.ok, qPrintable(c.error));
        QCOMPARE(c.archivo, e.carpetaDatos + QStringLiteral("TMP/0951199800A00000001.TXT"));
        // One receipt of the cash payment: 5 header lines, 39 of the first copy with
        // the rejection table, the cut (6) and 15 of the second copy.
        QCOMPARE(c.lineas.size(), 65);
        for (const QString &l : {QStringLiteral("DOCUMENTO       : RUC  20100000009"),
                                 QStringLiteral("RAZON SOCIAL    : COMERCIAL LOS ANDES S.A."),
                                 QStringLiteral("FORMULARIO      : 0951"), QStringLiteral("PERIODO         : 1998"),
                                 QStringLiteral("FORMA DE PAGO   : EFECTIVO"),
                                 QStringLiteral("IMPORTE A PAGAR : S/. 9,000")})
            QVERIFY2(c.lineas.count(l) == 2, qPrintable(l));
        QCOMPARE(c.lineas.filter(QStringLiteral("Numero de Control: 00000001 Fec.Generación: ")).size(), 2);
        // The files the README names.
        for (const char *archivo : {"RPT/0951199800A00000001.PRN", "RPT/0951199800A00000001.txt",
                                    "TMP/0951199800A00000001.TXT"})
            QVERIFY2(QFileInfo::exists(e.carpetaDatos + QLatin1String(archivo)), archivo);
        auto db = Database::open(e.baseDatos);
        const QList<QSqlRecord> spool = db->select(QStringLiteral("SELECT CodRep, Archivo FROM SPOOL"));
        QCOMPARE(spool.size(), 1);
        QCOMPARE(spool.first().value(0).toString(), QStringLiteral("PR0002"));
        // The first file of the folder's spool: its graphic receipt.
        QCOMPARE(spool.first().value(1).toString(), QStringLiteral("00000001.PRN"));
        QVERIFY(QFileInfo::exists(e.carpetaDatos + QStringLiteral("RPT/00000001.PRN")));
    }
};

QTEST_GUILESS_MAIN(TstMuestra)
#include "tst_muestra.moc"
