// The user's writes while another program (the receipt program, the host)
// holds the database's write lock: each waits for it and succeeds, and when
// the lock outlasts the wait it says the database is locked and changes
// nothing. The save and the validation read the update factors (box 332 set)
// before they write, the cancel reads the header before it removes it.
#include "../persistencia/comunpersist.h"
#include "declaration/core/persistencia/carga.h"
#include "declaration/core/reglas/validacion.h"
#include "declaration/ui/frmcontabrir.h"
#include "platform/msgbox.h"
#include "../persistencia/ventanaprueba.h"
#include <QPushButton>
#include <QSqlRecord>
#include <QTableWidget>
#include <QtTest>

namespace {

const QString kRuc = QStringLiteral("20100070970");
const QString kBloqueada =
    QStringLiteral("La base de datos está bloqueada por otro usuario o no tiene permiso para modificarla.\n 3051");

} // namespace

class TstEscrituraConcurrente : public QObject {
    Q_OBJECT
    std::unique_ptr<testdb::Entorno> env;
    std::shared_ptr<Database> db;

    // The declaration as a first save left it, with the adjustment of box
    // 332 that makes the update factors apply.
    void guardada()
    {
        VentanaPrueba v;
        v.modificar(kRuc);
        v.m.setTexto(100, QStringLiteral("1,000"));
        v.m.setTexto(332, QStringLiteral("500"));
        msg::ScriptedAnswerer a;
        QVERIFY(CmdGrabar_Click(v, *db));
    }

    // The bare header an annex calculator leaves, with one annex row.
    void cabeceraSola()
    {
        db->exec(QStringLiteral("INSERT INTO CAB (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, cNumero)"
                                " VALUES (?, 6, '1998', '0951', '0')"),
                 {kRuc});
        db->exec(QStringLiteral("INSERT INTO ACTA (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, per_pag, tipo_asist)"
                                " VALUES (?, 6, '1998', '0951', '199801', '3')"),
                 {kRuc});
    }

    // The user's action; true when it reports success.
    bool ejecutar(const QString &accion, VentanaPrueba &v)
    {
        if (accion == QLatin1String("grabar"))
            return CmdGrabar_Click(v, *db);
        if (accion == QLatin1String("validar"))
            return CmdValidar_Click(v, *db);
        if (accion.startsWith(QLatin1String("cancelar")))
            return cmdCancelar_Click(v, *db);
        // The chooser's delete (its question answered Yes).
        FrmContAbrir w;
        w.iOpcion = 3;
        w.show();
        w.grdContrib->setCurrentCell(0, 0);
        w.CmdOpciones[0]->click();
        return comunpersist::filasDeclaracion(*db, kRuc).isEmpty();
    }

private slots:
    void init()
    {
        QVERIFY(comunpersist::iniciar(env, db));
        gsUsuario = QStringLiteral("USUARIO1");
        giEstadoGrabacion = 0;
        giHayInconsistencias = 0;
        gsAceptaInconsistencias.clear();
        db->exec(QStringLiteral("INSERT INTO CONT (Tip_doc_d, Doc_id_d, Usuario, Nombre) VALUES (6, ?, 'USUARIO1', 'EMPRESA UNO SAC')"),
                 {kRuc});
        db->exec(QStringLiteral("INSERT INTO ERROR (CodError, DescError) VALUES ('0151', 'Grabada')"));
        for (int mes = 1; mes <= 15; ++mes)
            db->exec(QStringLiteral("INSERT INTO FAC (FORMULARIO, PERIODO, CODTRI, FACTOR) VALUES ('0951', ?, '030301', 1.05)"),
                     {mes <= 12 ? QStringLiteral("98%1").arg(mes, 2, 10, QLatin1Char('0'))
                                : QStringLiteral("99%1").arg(mes - 12, 2, 10, QLatin1Char('0'))});
    }
    void cleanup()
    {
        comunpersist::terminar(env, db);
    }

    void conOtroProgramaEscribiendo_data()
    {
        QTest::addColumn<QString>("accion");
        QTest::addColumn<int>("retencion");   // ms the other program holds the lock; -1: longer than the wait
        QTest::addColumn<QStringList>("mensajes");
        QTest::addColumn<bool>("cambia");
        const QString grabada = QStringLiteral("Grabada");
        const QString consistente = QStringLiteral("La información de la declaración no presenta inconsistencias.");
        const QString confirma = QStringLiteral("¿Confirma que va a eliminar la declaración de\r\n\r\nEMPRESA UNO SAC?");
        QTest::newRow("grabar, un segundo") << "grabar" << 1000 << QStringList{grabada} << true;
        QTest::newRow("grabar, bloqueada") << "grabar" << -1 << QStringList{kBloqueada} << false;
        QTest::newRow("validar, un segundo") << "validar" << 1000 << QStringList{consistente} << true;
        QTest::newRow("validar, bloqueada") << "validar" << -1 << QStringList{kBloqueada} << false;
        QTest::newRow("eliminar, un segundo") << "eliminar" << 1000 << QStringList{confirma} << true;
        QTest::newRow("eliminar, bloqueada") << "eliminar" << -1 << QStringList{confirma, kBloqueada} << false;
        QTest::newRow("cancelar, un segundo") << "cancelar" << 1000 << QStringList{} << true;
        QTest::newRow("cancelar, bloqueada") << "cancelar" << -1 << QStringList{kBloqueada} << false;
        // Closing a window that has nothing to remove does not wait for the lock.
        QTest::newRow("cancelar sin cabecera sola, bloqueada") << "cancelar guardada" << -1 << QStringList{} << false;
    }
    void conOtroProgramaEscribiendo()
    {
        QFETCH(QString, accion);
        QFETCH(int, retencion);
        QFETCH(QStringList, mensajes);
        QFETCH(bool, cambia);
        VentanaPrueba v;
        if (accion == QLatin1String("cancelar")) {
            cabeceraSola();
            v.nueva(kRuc);
        } else {
            guardada();
            if (accion == QLatin1String("cancelar guardada")) {
                v.nueva(kRuc);
            } else {
                // Opened with "Modificar": the window reads what it changes.
                v.modificar(kRuc);
                QVERIFY(pCargarCasillas(v, *db));
            }
            v.m.setTexto(100, QStringLiteral("2,500"));
            v.m.setTexto(332, QStringLiteral("700"));
            v.m.bModificado = false;
        }
        const QStringList antes = comunpersist::filasDeclaracion(*db, kRuc);
        QVERIFY(!antes.isEmpty());

        if (retencion < 0)
            db->setBusyTimeout(200);
        testdb::EscrituraAjena ajena(env->rutaBase, retencion);
        QVERIFY(ajena.activa());
        msg::ScriptedAnswerer a(accion == QLatin1String("eliminar") ? QList<int>{msg::Yes} : QList<int>{});
        const bool ok = ejecutar(accion, v);
        const QStringList despues = comunpersist::filasDeclaracion(*db, kRuc);
        ajena.soltar();

        QStringList vistos;
        for (const auto &m : a.shown())
            vistos << m.text;
        QCOMPARE(vistos, mensajes);
        if (mensajes.contains(kBloqueada)) {
            QVERIFY(!ok);
            QCOMPARE(a.shown().last().title, QStringLiteral("Error"));
        } else {
            QVERIFY(ok);
        }
        if (!cambia) {
            QCOMPARE(despues, antes);
            return;
        }
        if (accion == QLatin1String("eliminar") || accion == QLatin1String("cancelar")) {
            QVERIFY(despues.isEmpty());
            return;
        }
        QCOMPARE(db->scalar(QStringLiteral("SELECT i_valor FROM DET WHERE Casilla='100'")).toString(), QStringLiteral("2500"));
        QCOMPARE(db->scalar(QStringLiteral("SELECT i_valor FROM DET WHERE Casilla='332'")).toString(), QStringLiteral("700"));
        QCOMPARE(db->scalar(QStringLiteral("SELECT FACTOR FROM ACTA WHERE per_pag='199901'")).toDouble(), 1.05);
    }
};

QTEST_MAIN(TstEscrituraConcurrente)
#include "tst_escrituraconcurrente.moc"
