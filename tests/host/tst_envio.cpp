// Sending a saved declaration: its rows copied exactly into the H-tables under
// the next correlative, all or nothing.
#include "host/entorno.h"
#include "host/envio.h"
#include "host/esquema.h"
#include "platform/database.h"

#include <QFile>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kRuc = QStringLiteral("20100066603");
const QDate kHoy(1999, 3, 15);

const QString kCab = QStringLiteral("DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, fec_pro, bcolibrad, nrocheque,"
                                    " cheque, efectivo, rectifica, estado, cNumero");
const QString kDet = QStringLiteral("DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, Casilla, i_valor, idcasilla, cNumero");
const QString kActa = QStringLiteral("DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, per_pag, saluti, compen, otrcre,"
                                     " pago_r, pago_iean_r, pago_iean, fec_pago, tipo_asist, FACTOR, cNumero");

// The rows as SQLite's quote() writes them: NULL, numbers and 'texts' stay apart.
QStringList filas(const Database &db, const QString &columnas, const QString &desde, const QVariantList &p = {})
{
    QStringList quoted;
    for (const QString &c : columnas.split(QLatin1Char(',')))
        quoted << QStringLiteral("quote(%1)").arg(c.trimmed());
    QStringList r;
    for (const QSqlRecord &f : db.select(QStringLiteral("SELECT ") + quoted.join(QStringLiteral(" || '|' || "))
                                             + QStringLiteral(" FROM ") + desde + QStringLiteral(" ORDER BY rowid"),
                                         p))
        r << f.value(0).toString();
    return r;
}

QString clave(const QString &tabla, const QString &ruc, const QString &periodo = QStringLiteral("1998"))
{
    return QStringLiteral("%1 WHERE DOC_ID_D='%2' AND TIP_DOC_D=6 AND PERIODO='%3' AND FORMULARIO='0951'")
        .arg(tabla, ruc, periodo);
}

// Every row of the three H-tables, to show that a refusal or a failure changed nothing.
QStringList todoH(const Database &db)
{
    return filas(db, QStringLiteral("CORREL, NORDEN, FEC_ENV, CONTROL, ") + kCab, QStringLiteral("HCAB"))
           + filas(db, QStringLiteral("CORREL, ") + kDet, QStringLiteral("HDET"))
           + filas(db, QStringLiteral("CORREL, ") + kActa, QStringLiteral("HACTA"));
}

}

class TstEnvio : public QObject {
    Q_OBJECT
    QTemporaryDir m_tmp;
    std::shared_ptr<Database> m_db;
    int m_n = 0;

    // The copy of one sending: the source rows with the key of the sending.
    void compararEnvio(const QString &ruc, const QString &correl)
    {
        const QString enH = QStringLiteral(" AND CORREL='%1'").arg(correl);
        QCOMPARE(filas(*m_db, kCab, QStringLiteral("HCAB") + clave(QString(), ruc) + enH),
                 filas(*m_db, kCab, clave(QStringLiteral("CAB"), ruc)));
        QCOMPARE(filas(*m_db, kDet, QStringLiteral("HDET") + clave(QString(), ruc) + enH),
                 filas(*m_db, kDet, clave(QStringLiteral("DET"), ruc)));
        QCOMPARE(filas(*m_db, kActa, QStringLiteral("HACTA") + clave(QString(), ruc) + enH),
                 filas(*m_db, kActa, clave(QStringLiteral("ACTA"), ruc)));
    }

private slots:
    void init()
    {
        const QString ruta = m_tmp.filePath(QStringLiteral("base-%1.db").arg(++m_n));
        QString error;
        QVERIFY2(host::fCrearBase(ruta, QStringLiteral("ANA"), false, &error), qPrintable(error));
        m_db = Database::open(ruta);
        QFile f(QStringLiteral(QX_FIXTURES "/host/declaraciones.sql"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        for (const QString &s : host::dividirSentencias(QString::fromUtf8(f.readAll())))
            m_db->exec(s);
    }
    void cleanup() { m_db.reset(); }

    void primerEnvio()
    {
        host::Envio e;
        QCOMPARE(host::fEnviarDeclaracion(*m_db, kRuc, kHoy, &e), QString());
        QCOMPARE(e.correl, QStringLiteral("1"));
        QCOMPARE(e.control, QStringLiteral("00000001"));

        QCOMPARE(filas(*m_db, QStringLiteral("CORREL, NORDEN, FEC_ENV, CONTROL"), QStringLiteral("HCAB")),
                 QStringList{QStringLiteral("'1'|NULL|'1999-03-15'|'00000001'")});
        compararEnvio(kRuc, QStringLiteral("1"));
        // Exactly the declaration's rows: four boxes, two annex months, none of
        // the other year's or the other taxpayers'.
        QCOMPARE(m_db->scalar(QStringLiteral("SELECT count(*) FROM HDET")).toInt(), 4);
        QCOMPARE(m_db->scalar(QStringLiteral("SELECT count(*) FROM HACTA")).toInt(), 2);
        // The stored NULL of box 028 stays NULL, the factor a number.
        QCOMPARE(filas(*m_db, QStringLiteral("Casilla, i_valor"), QStringLiteral("HDET WHERE Casilla='028'")),
                 QStringList{QStringLiteral("'028'|NULL")});
        QCOMPARE(filas(*m_db, QStringLiteral("per_pag, FACTOR, fec_pago"), QStringLiteral("HACTA")),
                 (QStringList{QStringLiteral("'199801'|1.0234|'1998-02-12'"), QStringLiteral("'199802'|1.0|NULL")}));
        // The saved declaration stays where it was.
        QCOMPARE(m_db->scalar(QStringLiteral("SELECT count(*) FROM CAB")).toInt(), 5);
        QCOMPARE(m_db->scalar(QStringLiteral("SELECT count(*) FROM DET")).toInt(), 7);
    }

    void envioSiguiente()
    {
        QCOMPARE(host::fEnviarDeclaracion(*m_db, kRuc, kHoy), QString());
        host::Envio e;
        QCOMPARE(host::fEnviarDeclaracion(*m_db, QStringLiteral(" 20100066603 "), QDate(1999, 3, 16), &e), QString());
        QCOMPARE(e.correl, QStringLiteral("2"));
        QCOMPARE(e.control, QStringLiteral("00000002"));
        compararEnvio(kRuc, QStringLiteral("1"));
        compararEnvio(kRuc, QStringLiteral("2"));
        QCOMPARE(m_db->scalar(QStringLiteral("SELECT count(*) FROM HDET")).toInt(), 8);

        // Another taxpayer starts its own correlatives; control numbers run on.
        QCOMPARE(host::fEnviarDeclaracion(*m_db, QStringLiteral("20456123784"), kHoy, &e), QString());
        QCOMPARE(e.correl, QStringLiteral("1"));
        QCOMPARE(e.control, QStringLiteral("00000003"));
        compararEnvio(QStringLiteral("20456123784"), QStringLiteral("1"));

        QCOMPARE(filas(*m_db, QStringLiteral("DOC_ID_D, CORREL, FEC_ENV, CONTROL"), QStringLiteral("HCAB")),
                 (QStringList{QStringLiteral("'20100066603'|'1'|'1999-03-15'|'00000001'"),
                              QStringLiteral("'20100066603'|'2'|'1999-03-16'|'00000002'"),
                              QStringLiteral("'20456123784'|'1'|'1999-03-15'|'00000003'")}));
        const host::Envio ultimo = host::fUltimoEnvio(*m_db, kRuc);
        QCOMPARE(ultimo.correl, QStringLiteral("2"));
        QCOMPARE(ultimo.control, QStringLiteral("00000002"));
        QCOMPARE(host::fUltimoEnvio(*m_db, QStringLiteral("20100000009")).correl, QString());
    }

    // Correlatives and control numbers are numbers kept as text: "10" follows "9".
    void siguienteCorrel_data()
    {
        QTest::addColumn<QStringList>("previas");   // "table:CORREL:CONTROL" rows of the key
        QTest::addColumn<QString>("correl");
        QTest::addColumn<QString>("control");
        QTest::newRow("ninguno") << QStringList{} << "1" << "00000001";
        QTest::newRow("nueve y diez") << QStringList{"HCAB:9:00000009", "HCAB:10:00000010"} << "11" << "00000011";
        QTest::newRow("uno borrado") << QStringList{"HCAB:2:00000042"} << "3" << "00000043";
        QTest::newRow("detalle sin cabecera") << QStringList{"HCAB:1:00000001", "HDET:7:", "HACTA:5:"} << "8"
                                              << "00000002";
    }
    void siguienteCorrel()
    {
        QFETCH(QStringList, previas);
        QFETCH(QString, correl);
        QFETCH(QString, control);
        for (const QString &p : previas) {
            const QStringList c = p.split(QLatin1Char(':'));
            if (c[0] == QLatin1String("HCAB"))
                m_db->exec(QStringLiteral("INSERT INTO HCAB (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, CORREL, CONTROL)"
                                          " VALUES (?, 6, '1998', '0951', ?, ?)"),
                           {kRuc, c[1], c[2]});
            else
                m_db->exec(QStringLiteral("INSERT INTO %1 (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, CORREL)"
                                          " VALUES (?, 6, '1998', '0951', ?)").arg(c[0]),
                           {kRuc, c[1]});
        }
        host::Envio e;
        QCOMPARE(host::fEnviarDeclaracion(*m_db, kRuc, kHoy, &e), QString());
        QCOMPARE(e.correl, correl);
        QCOMPARE(e.control, control);
        compararEnvio(kRuc, correl);
    }

    void rechazo_data()
    {
        QTest::addColumn<QString>("ruc");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("sin declaracion")
            << "20123456789"
            << "El contribuyente 20123456789 no tiene una declaración grabada del formulario 0951 del periodo 1998.";
        QTest::newRow("cabecera de anexo sin grabar")
            << "20600123450"
            << "El contribuyente 20600123450 no tiene una declaración grabada del formulario 0951 del periodo 1998.";
        QTest::newRow("con inconsistencias")
            << "20100000009"
            << "La declaración del contribuyente 20100000009 fue grabada con inconsistencias."
               " Sólo se envían las declaraciones validadas sin inconsistencias.";
    }
    void rechazo()
    {
        QFETCH(QString, ruc);
        QFETCH(QString, mensaje);
        QCOMPARE(host::fEnviarDeclaracion(*m_db, kRuc, kHoy), QString());
        const QStringList antes = todoH(*m_db);
        host::Envio e;
        QCOMPARE(host::fEnviarDeclaracion(*m_db, ruc, kHoy, &e), mensaje);
        QCOMPARE(e.correl, QString());
        QCOMPARE(todoH(*m_db), antes);
    }

    // A failure after the header is copied undoes the whole sending.
    void fallaAMitad_data()
    {
        QTest::addColumn<QString>("sentencia");
        QTest::newRow("detalle") << "INSERT INTO HDET";
        QTest::newRow("anexos") << "INSERT INTO HACTA";
        QTest::newRow("confirmacion") << "COMMIT";
    }
    void fallaAMitad()
    {
        QFETCH(QString, sentencia);
        QCOMPARE(host::fEnviarDeclaracion(*m_db, kRuc, kHoy), QString());
        const QStringList antes = todoH(*m_db);
        QStringList vistas;
        m_db->setFaultHook([&](const QString &sql) {
            vistas << sql.left(16);
            if (sql.startsWith(sentencia))
                throw DbError(dberr::ErrorDisco, QStringLiteral("Error de disco."));
        });
        QCOMPARE(host::fEnviarDeclaracion(*m_db, kRuc, kHoy),
                 QStringLiteral("No se pudo enviar la declaración del contribuyente 20100066603:\nError de disco."));
        m_db->setFaultHook({});
        QVERIFY2(vistas.contains(QStringLiteral("INSERT INTO HCAB")), qPrintable(vistas.join(QLatin1Char(','))));
        QCOMPARE(todoH(*m_db), antes);

        // The failed sending took no correlative and no control number.
        host::Envio e;
        QCOMPARE(host::fEnviarDeclaracion(*m_db, kRuc, kHoy, &e), QString());
        QCOMPARE(e.correl, QStringLiteral("2"));
        QCOMPARE(e.control, QStringLiteral("00000002"));
    }
};

QTEST_MAIN(TstEnvio)
#include "tst_envio.moc"
