// The declaration a sample folder comes with, as Qx381 sees it: its control
// codes are the ones Qx381 computes, its rules find nothing to report, and
// saved again by Qx381 it keeps its rows; it is listed among the saved and
// the sent declarations of the folder's user.
#include "../persistencia/comunpersist.h"
#include "common/codigocontrol.h"
#include "declaration/core/persistencia/carga.h"
#include "declaration/core/persistencia/grabacion.h"
#include "declaration/ui/frm381.h"
#include "declaration/ui/frm381reglas.h"
#include "declaration/ui/grabacionventana.h"
#include "host/entorno.h"
#include "platform/msgbox.h"
#include "platform/utilitario.h"
#include "sent/core/enviadas.h"
#include "shell/core/modglobal.h"
#include <QFile>
#include <QPushButton>
#include <QSqlRecord>
#include <QtTest>

namespace {

const QString kRuc = QStringLiteral("20100000009");
const QString kNombre = QStringLiteral("COMERCIAL LOS ANDES S.A.");

// Every column of the sample's rows of a table, with its stored type, but
// the columns left out.
QStringList filas(const QString &tabla, const QStringList &fuera = {})
{
    QStringList l;
    for (const QSqlRecord &r : gdbBase->select(QStringLiteral("SELECT * FROM ") + tabla
                                                   + QStringLiteral(" WHERE DOC_ID_D=? ORDER BY rowid"),
                                               {kRuc})) {
        QStringList c;
        for (int i = 0; i < r.count(); ++i) {
            if (fuera.contains(r.fieldName(i), Qt::CaseInsensitive))
                continue;
            const QVariant v = r.value(i);
            c << r.fieldName(i) + QLatin1Char('=')
                    + (v.isNull() ? QStringLiteral("NULL") : QString::fromLatin1(v.typeName()) + QLatin1Char(':') + v.toString());
        }
        l << c.join(QLatin1Char('|'));
    }
    return l;
}

} // namespace

class TstDeclaracionMuestra : public QObject {
    Q_OBJECT
    std::unique_ptr<testdb::Entorno> m_env;
    cUtilitario m_util;

private slots:
    void initTestCase()
    {
        pRegistrarGrabacion();
        pRegistrarReglas();
    }

    // A sample folder's database, opened as Qx381 opens it for the folder's user.
    void init()
    {
        m_env = std::make_unique<testdb::Entorno>(false, QStringLiteral("USUARIO1"));
        QVERIFY(m_env->valido());
        QString error;
        QVERIFY2(host::fCrearBase(m_env->rutaBase, m_env->usuario, true, &error), qPrintable(error));
        gdbBase = m_env->abrir();
        gsPeriodo = QStringLiteral("1998");
        gsFormulario = QStringLiteral("0951");
        gsSysPath = m_env->sysPath;
        gsUsuario = m_env->usuario;
        gsTasa.clear();
        goUtilitario = &m_util;
        giEstadoGrabacion = 0;
        giHayInconsistencias = 0;
        gsAceptaInconsistencias.clear();
    }
    void cleanup()
    {
        comunpersist::terminarVentana(m_env);
    }

    // Each stored row carries the code Qx381's writers give it.
    void codigosDeControl()
    {
        Database &db = *gdbBase;
        EscrituraDeclaracion escritura(db, kRuc);
        const QList<QSqlRecord> det = db.select(QStringLiteral("SELECT * FROM DET WHERE DOC_ID_D=?"), {kRuc});
        QVERIFY(!det.isEmpty());
        for (const QSqlRecord &r : det) {
            const Registro fila = escritura.fFilaDet(r.value(QStringLiteral("Casilla")).toString(),
                                                     r.value(QStringLiteral("i_valor")).toString());
            QCOMPARE(fila.at(5).valor.toString(), r.value(QStringLiteral("i_valor")).toString());
            QCOMPARE(fila.at(6).valor.toString(), r.value(QStringLiteral("idcasilla")).toString());
            QCOMPARE(fila.at(7).valor.toString(), r.value(QStringLiteral("cNumero")).toString());
        }
        for (const char *tabla : {"CAB", "ACTA"}) {
            const QString t = QString::fromLatin1(tabla);
            const QList<QSqlRecord> guardadas =
                db.select(QStringLiteral("SELECT * FROM ") + t + QStringLiteral(" WHERE DOC_ID_D=?"), {kRuc});
            QVERIFY(!guardadas.isEmpty());
            for (const QSqlRecord &r : guardadas)
                QCOMPARE(fCodigoControl(fRegistroCompleto(db, t, &r, {}), 5), r.value(QStringLiteral("cNumero")).toString());
        }
    }

    // Opened for modification and stored by "Validar" or "Grabar": no
    // inconsistency, state 0, and the same rows, but the header's date of
    // processing (today's) and the code that covers it.
    void guardadaDeNuevo_data()
    {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("validar") << "CmdValidar" << "La información de la declaración no presenta inconsistencias.";
        QTest::newRow("grabar") << "CmdGrabar"
                                << "La declaración ha sido grabada sin inconsistencias y está lista para su envío.";
    }
    void guardadaDeNuevo()
    {
        QFETCH(QString, boton);
        QFETCH(QString, mensaje);
        const QStringList fuera{QStringLiteral("fec_pro"), QStringLiteral("cNumero")};
        const QStringList cab = filas(QStringLiteral("CAB"), fuera);
        const QStringList det = filas(QStringLiteral("DET"));
        const QStringList acta = filas(QStringLiteral("ACTA"));
        QCOMPARE(cab.size(), 1);
        QCOMPARE(acta.size(), 15);

        msg::ScriptedAnswerer respuestas;
        {
            Frm381 w;
            w.iAccion = 1;
            w.sRuc = kRuc;
            w.sRazon = kNombre;
            gfrmDeclaracion = &w;
            w.show();
            QVERIFY(!w.modelo()->bModificado);
            QVERIFY(respuestas.shown().isEmpty());
            auto *b = w.findChild<QPushButton *>(boton);
            QVERIFY(b && b->isEnabled());
            b->click();
            QCOMPARE(respuestas.shown().size(), 1);
            QCOMPARE(respuestas.shown().first().text, mensaje);
            w.cmdCancelar->click();
            QCOMPARE(respuestas.shown().size(), 1);
            gfrmDeclaracion = nullptr;
        }
        if (boton == QLatin1String("CmdValidar")) {
            QFile mensajes(m_env->sysPath + QStringLiteral("Mens.txt"));
            QVERIFY(mensajes.open(QIODevice::ReadOnly));
            QCOMPARE(mensajes.readAll(), QByteArray());
        }
        QVERIFY(cab.first().contains(QStringLiteral("|estado=qlonglong:0")));
        QCOMPARE(filas(QStringLiteral("CAB"), fuera), cab);
        QCOMPARE(filas(QStringLiteral("DET")), det);
        QCOMPARE(filas(QStringLiteral("ACTA")), acta);
    }

    // The open and print choosers list it consistent; the sent-declaration
    // chooser lists its sending.
    void listada()
    {
        const QList<DeclaracionRegistrada> guardadas = fDeclaracionesRegistradas(*gdbBase);
        QCOMPARE(guardadas.size(), 1);
        QCOMPARE(guardadas.first().docIdD, kRuc);
        QCOMPARE(guardadas.first().nombre, kNombre);
        QCOMPARE(guardadas.first().estado.toInt(), 0);

        const QList<DeclaracionEnviada> enviadas = fDeclaracionesEnviadas(*gdbBase);
        QCOMPARE(enviadas.size(), 1);
        const DeclaracionEnviada &e = enviadas.first();
        QCOMPARE(QStringList({e.docIdD, e.nombre, e.periodo, e.formulario, e.norden, e.fecEnv, e.control, e.correl}),
                 QStringList({kRuc, kNombre, QStringLiteral("1998"), QStringLiteral("0951"), QString(),
                              QStringLiteral("20/03/1999"), QStringLiteral("00000001"), QStringLiteral("1")}));
    }
};

QTEST_MAIN(TstDeclaracionMuestra)
#include "tst_declaracionmuestra.moc"
