// The receipt of a sent declaration: 0951REP's command line, a real run of
// 0951REP against a temporary host folder, and the window that shows its text.
#include "host/constancia.h"
#include "host/entorno.h"
#include "host/envio.h"
#include "host/esquema.h"
#include "host/frmconstancia.h"
#include "host/frmvelantis.h"
#include "platform/database.h"
#include "platform/msgbox.h"
#include "platform/textfile.h"
#include "../support/testdb.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

const QString kRuc = QStringLiteral("20100066603");
const QString kPrograma = QStringLiteral(QX_BIN_DIR "/0951REP");

QStringList leerLineas(const QString &ruta)
{
    QStringList l;
    if (!textfile::readLines(ruta, &l))
        l << QStringLiteral("<no se pudo leer %1>").arg(ruta);
    return l;
}

}

class TstConstancia : public QObject {
    Q_OBJECT
    QTemporaryDir m_runtime;   // 0951REP's instance lock, apart from other tests' runs
    std::unique_ptr<testdb::Entorno> m_env;
    std::shared_ptr<Database> m_db;
    host::Entorno m_host;

private slots:
    void initTestCase()
    {
        QVERIFY(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
    }

    // A host folder whose settings file names the database with the saved declarations.
    void init()
    {
        m_env = std::make_unique<testdb::Entorno>(true, QStringLiteral("ANA"));
        QVERIFY(m_env->valido());
        m_db = m_env->abrir();
        QFile f(QStringLiteral(QX_FIXTURES "/host/declaraciones.sql"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        for (const QString &s : host::dividirSentencias(QString::fromUtf8(f.readAll())))
            m_db->exec(s);
        QString error;
        QVERIFY2(host::fPrepararEntorno(QString(), QString(), false, &m_host, &error), qPrintable(error));
        QCOMPARE(m_host.carpetaDatos, m_env->sysPath);
    }
    void cleanup()
    {
        m_db.reset();
        m_env.reset();
    }

    void linea_data()
    {
        QTest::addColumn<int>("tipDoc");
        QTest::addColumn<QString>("docId");
        QTest::addColumn<QString>("periodo");
        QTest::addColumn<QString>("marca");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("linea");
        //                                                               1 2 3...............17 18-21 22-27 28 29-36
        QTest::newRow("ruc de 11") << 6 << "20100066603" << "199800" << "A" << "00012345"
                                   << "0620100066603    0951199800A00012345";
        QTest::newRow("ruc antiguo de 8") << 6 << "12345678" << "199800" << "A" << "00000001"
                                          << "0612345678       0951199800A00000001";
        QTest::newRow("blancos alrededor") << 6 << "  20100066603 " << "199800" << "A" << "00000001"
                                           << "0620100066603    0951199800A00000001";
        QTest::newRow("quince y un mes") << 1 << "123456789012345" << "199812" << "B" << "00000007"
                                         << "01123456789012345" "0951199812B00000007";
        QTest::newRow("dieciseis") << 6 << "1234567890123456" << "199800" << "A" << "00000001" << "";
        QTest::newRow("sin numero") << 6 << "   " << "199800" << "A" << "00000001" << "";
        QTest::newRow("control corto") << 6 << "20100066603" << "199800" << "A" << "0000001" << "";
        QTest::newRow("sin marca") << 6 << "20100066603" << "199800" << "" << "00000001" << "";
        QTest::newRow("periodo de anio") << 6 << "20100066603" << "1998" << "A" << "00000001" << "";
        QTest::newRow("punto en el control") << 6 << "20100066603" << "199800" << "A" << "0000.001" << "";
        QTest::newRow("barra como marca") << 6 << "20100066603" << "199800" << "/" << "00000001" << "";
        QTest::newRow("tipo de tres cifras") << 100 << "20100066603" << "199800" << "A" << "00000001" << "";
    }
    void linea()
    {
        QFETCH(int, tipDoc);
        QFETCH(QString, docId);
        QFETCH(QString, periodo);
        QFETCH(QString, marca);
        QFETCH(QString, control);
        QFETCH(QString, linea);
        QString error;
        const QString l = host::fLineaConstancia(tipDoc, docId, QStringLiteral("0951"), periodo, marca, control, &error);
        QCOMPARE(l, linea);
        QCOMPARE(error.isEmpty(), !linea.isEmpty());
        if (!linea.isEmpty()) {
            QCOMPARE(l.size(), 36);
            QCOMPARE(host::fBaseConstancia(l), QStringLiteral("0951") + periodo + marca + control);
        }
    }

    void corrida()
    {
        host::Envio envio;
        QCOMPARE(host::fEnviarDeclaracion(*m_db, kRuc, QDate::currentDate(), &envio), QString());
        const host::Constancia c = host::fConstanciaDeclaracion(*m_db, kRuc, kPrograma, m_host.carpetaDatos);
        QVERIFY2(c.ok, qPrintable(c.error));
        const QString archivo = m_env->sysPath + QStringLiteral("TMP/0951199800A00000001.TXT");
        QCOMPARE(c.archivo, archivo);
        QCOMPARE(c.lineas, leerLineas(archivo));
        QCOMPARE(m_db->scalar(QStringLiteral("SELECT CodRep FROM SPOOL")).toString(), QStringLiteral("PR0002"));

        // The declaration sent, paid by cheque, in both copies of the receipt.
        for (const QString &l : {QStringLiteral("DOCUMENTO       : RUC  20100066603"),
                                 QStringLiteral("RAZON SOCIAL    : EMPRESA ANDINA S.A."),
                                 QStringLiteral("FORMULARIO      : 0951"), QStringLiteral("PERIODO         : 1998"),
                                 QStringLiteral("FORMA DE PAGO   : CHEQUE"), QStringLiteral("NUMERO CHEQUE   : 00123456"),
                                 QStringLiteral("IMPORTE A PAGAR : S/. 1,500,000")})
            QVERIFY2(c.lineas.count(l) == 2, qPrintable(l));
        const QStringList control = c.lineas.filter(QStringLiteral("Numero de Control: "));
        QCOMPARE(control.size(), 2);
        QVERIFY2(control.first().startsWith(QStringLiteral("Numero de Control: 00000001 Fec.Generación: ")),
                 qPrintable(control.first()));

        FrmConstancia d(c.archivo, c.lineas);
        QCOMPARE(d.TxtConstancia->toPlainText(), leerLineas(archivo).join(QLatin1Char('\n')));
        QVERIFY(d.TxtConstancia->isReadOnly());
        QCOMPARE(d.TxtConstancia->font().styleHint(), QFont::Monospace);
        QCOMPARE(d.TxtConstancia->lineWrapMode(), QPlainTextEdit::NoWrap);
    }

    void sinEnvio()
    {
        const host::Constancia c = host::fConstanciaDeclaracion(*m_db, QStringLiteral("20456123784"), kPrograma,
                                                                m_host.carpetaDatos);
        QVERIFY(!c.ok);
        QCOMPARE(c.error, QStringLiteral("La declaración del contribuyente 20456123784 no ha sido enviada."));
        QCOMPARE(m_db->scalar(QStringLiteral("SELECT count(*) FROM SPOOL")).toInt(), 0);
    }

    // 0951REP's own message, and no receipt left by an earlier run passed off as this one's.
    void fallaDelPrograma()
    {
        const QString linea = QStringLiteral("0620100066603    0951199800A00000001");
        const QString viejo = m_env->sysPath + QStringLiteral("TMP/0951199800A00000001.TXT");
        QVERIFY(textfile::writeLines(viejo, {QStringLiteral("constancia anterior")}));
        m_db.reset();
        testdb::BloqueoExclusivo bloqueo(m_env->rutaBase);
        QVERIFY(bloqueo.activo());
        const host::Constancia c = host::fEjecutarConstancia(kPrograma, linea, m_host.carpetaDatos);
        QVERIFY(!c.ok);
        QCOMPARE(c.error, QStringLiteral("Error de Conección:  3051- Base esta bloqueda"));
        QVERIFY(!QFile::exists(viejo));
    }

    void programaAusente()
    {
        const QString programa = m_env->sysPath + QStringLiteral("no-existe/0951REP");
        const host::Constancia c =
            host::fEjecutarConstancia(programa, QStringLiteral("0620100066603    0951199800A00000001"),
                                      m_host.carpetaDatos);
        QVERIFY(!c.ok);
        QCOMPARE(c.error, QStringLiteral("No se pudo iniciar el programa %1.").arg(programa));
    }

    // The two buttons of the host window act on the selected taxpayer.
    void botones()
    {
        msg::ScriptedAnswerer respuestas;
        FrmVelantis w(m_host);
        w.sCarpetaProgramas = QStringLiteral(QX_BIN_DIR);
        QCOMPARE(w.CmdEnviar->text(), QStringLiteral("&Enviar declaración"));
        QCOMPARE(w.CmdConstancia->text(), QStringLiteral("&Constancia de presentación"));
        QCOMPARE(w.grdContribuyentes->rowCount(), 1);

        w.CmdEnviar->click();
        QCOMPARE(respuestas.shown().size(), 1);
        QCOMPARE(respuestas.shown().last().text, QStringLiteral("Seleccione un contribuyente de la lista."));
        QCOMPARE(m_db->scalar(QStringLiteral("SELECT count(*) FROM HCAB")).toInt(), 0);

        w.grdContribuyentes->selectRow(0);
        w.CmdEnviar->click();
        QCOMPARE(respuestas.shown().size(), 2);
        QCOMPARE(respuestas.shown().last().text,
                 QStringLiteral("La declaración del contribuyente 20100066603 fue enviada con el correlativo 1"
                                " y el número de control 00000001."));
        QCOMPARE(respuestas.shown().last().style, 64);
        QCOMPARE(m_db->scalar(QStringLiteral("SELECT count(*) FROM HDET")).toInt(), 4);

        QString mostrado, titulo;
        QTimer vigia;
        connect(&vigia, &QTimer::timeout, [&]() {
            if (auto *d = qobject_cast<FrmConstancia *>(QApplication::activeModalWidget())) {
                mostrado = d->TxtConstancia->toPlainText();
                titulo = d->windowTitle();
                d->CmdCerrar->click();
            }
        });
        vigia.start(20);
        w.CmdConstancia->click();
        vigia.stop();
        QCOMPARE(respuestas.shown().size(), 2);
        QCOMPARE(titulo, QStringLiteral("Constancia de presentación - 0951199800A00000001.TXT"));
        QCOMPARE(mostrado, leerLineas(m_env->sysPath + QStringLiteral("TMP/0951199800A00000001.TXT"))
                               .join(QLatin1Char('\n')));
        QVERIFY(mostrado.contains(QStringLiteral("CONSTANCIA DE PRESENTACION")));
    }
};

QTEST_MAIN(TstConstancia)
#include "tst_constancia.moc"
