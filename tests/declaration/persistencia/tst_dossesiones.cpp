// Two users with one declaration open, each through a connection of its own
// to the same database file: a save or a validation stores nothing when the
// other changed, deleted or registered the declaration after this window
// read or saved it, and says so; the window keeps its edits and the stored
// rows stay the other user's. Opened again, the declaration saves.
#include "comunpersist.h"
#include "declaration/core/persistencia/carga.h"
#include "declaration/core/reglas/validacion.h"
#include "platform/msgbox.h"
#include "ventanaprueba.h"
#include <QSqlRecord>
#include <QtTest>

namespace {

const QString kRuc = QStringLiteral("20100070970");

const QString kModificada = QStringLiteral(
    "Otro usuario modificó esta declaración después de que usted la abrió o la grabó en esta ventana. Para no"
    " deshacer sus cambios, no se ha grabado nada: salga sin grabar y vuelva a abrirla con la opción modificar"
    " declaración.");
const QString kEliminada = QStringLiteral(
    "Otro usuario eliminó esta declaración después de que usted la abrió o la grabó en esta ventana. No se ha"
    " grabado nada: salga sin grabar y, si aún la necesita, regístrela con la opción nueva declaración.");
const QString kRegistrada = QStringLiteral(
    "Otro usuario grabó una declaración de este contribuyente después de que usted abrió esta ventana. Para no"
    " reemplazarla, no se ha grabado nada: salga sin grabar y ábrala con la opción modificar declaración.");

QString det(const Database &db, const char *casilla)
{
    return db.scalar(QStringLiteral("SELECT i_valor FROM DET WHERE DOC_ID_D=? AND Casilla=?"),
                     {kRuc, QLatin1String(casilla)})
        .toString();
}

// A user's action on the window; true when it reports success.
bool ejecutar(const QString &accion, VentanaPrueba &v, Database &db)
{
    return accion == QLatin1String("validar") ? CmdValidar_Click(v, db) : CmdGrabar_Click(v, db);
}

} // namespace

class TstDosSesiones : public QObject {
    Q_OBJECT
    std::unique_ptr<testdb::Entorno> env;
    std::shared_ptr<Database> db;   // user A's connection
    std::shared_ptr<Database> otra; // user B's, to the same file

    // The declaration as a first save left it: telephone 4412345, box 301 1,000.
    void guardada()
    {
        VentanaPrueba v;
        v.nueva(kRuc);
        v.m.setCampo(Campos::TxtTelefono, QStringLiteral("4412345"));
        v.m.setTexto(301, QStringLiteral("1,000"));
        msg::ScriptedAnswerer a;
        QVERIFY(CmdGrabar_Click(v, *db));
    }
    // A window opened with "Modificar" on the connection given.
    static void abrir(VentanaPrueba &v, Database &conexion)
    {
        v.modificar(kRuc);
        QVERIFY(pCargarCasillas(v, conexion));
        v.m.bModificado = false;
    }

private slots:
    void init()
    {
        QVERIFY(comunpersist::iniciar(env, db));
        otra = Database::open(env->rutaBase);
        giEstadoGrabacion = 0;
        giHayInconsistencias = 0;
        gsAceptaInconsistencias.clear();
        db->exec(QStringLiteral("INSERT INTO ERROR (CodError, DescError) VALUES ('0151', 'Grabada')"));
    }
    void cleanup()
    {
        otra.reset();
        comunpersist::terminar(env, db);
    }

    // A changes the telephone and saves; B, who opened the declaration
    // before that save, changes box 301: B's save or validation is refused.
    void otroLaModifico_data()
    {
        QTest::addColumn<QString>("accion");
        QTest::newRow("grabar") << "grabar";
        QTest::newRow("validar") << "validar";
    }
    void otroLaModifico()
    {
        QFETCH(QString, accion);
        guardada();
        VentanaPrueba a, b;
        abrir(a, *db);
        abrir(b, *otra);
        QCOMPARE(b.m.texto(301), QStringLiteral("1,000"));

        a.m.setCampo(Campos::TxtTelefono, QStringLiteral("4455667"));
        {
            msg::ScriptedAnswerer m;
            QVERIFY(CmdGrabar_Click(a, *db));
        }
        const QStringList deA = comunpersist::filasDeclaracion(*db, kRuc);

        b.m.setTexto(301, QStringLiteral("2,000"));
        b.m.bModificado = true;
        b.puntero = 11;
        msg::ScriptedAnswerer m;
        QVERIFY(!ejecutar(accion, b, *otra));
        QCOMPARE(m.shown().size(), 1);
        QCOMPARE(m.shown().first().text, kModificada);
        QCOMPARE(m.shown().first().style, 48);
        QCOMPARE(m.shown().first().title, b.caption());
        QCOMPARE(b.puntero, 0);
        // Nothing of B's stored; B's window keeps its edit to save later.
        QCOMPARE(comunpersist::filasDeclaracion(*db, kRuc), deA);
        QCOMPARE(det(*db, "028"), QStringLiteral("4455667"));
        QCOMPARE(det(*db, "301"), QStringLiteral("1000"));
        QVERIFY(b.m.bModificado);
        QCOMPARE(b.m.texto(301), QStringLiteral("2,000"));

        // Opened again, B's change goes in beside A's.
        VentanaPrueba b2;
        abrir(b2, *otra);
        QCOMPARE(b2.m.campo(Campos::TxtTelefono), QStringLiteral("4455667"));
        b2.m.setTexto(301, QStringLiteral("2,000"));
        msg::ScriptedAnswerer m2;
        QVERIFY(ejecutar(accion, b2, *otra));
        QCOMPARE(det(*db, "028"), QStringLiteral("4455667"));
        QCOMPARE(det(*db, "301"), QStringLiteral("2000"));
    }

    // A deletes the declaration (the chooser's "Eliminar") while B has it open.
    void otroLaElimino()
    {
        guardada();
        VentanaPrueba b;
        abrir(b, *otra);
        pEliminarDeclaracion(*db, kRuc);
        b.m.setTexto(301, QStringLiteral("2,000"));
        msg::ScriptedAnswerer m;
        QVERIFY(!CmdGrabar_Click(b, *otra));
        QCOMPARE(m.shown().size(), 1);
        QCOMPARE(m.shown().first().text, kEliminada);
        QVERIFY(comunpersist::filasDeclaracion(*db, kRuc).isEmpty());
    }

    // Both start a new declaration of the same taxpayer, none stored yet: A
    // saves first, and B's save would replace A's declaration. The bare
    // header an annex calculator leaves before the first save stands for none.
    void otroLaRegistro_data()
    {
        QTest::addColumn<bool>("cabeceraSola");
        QTest::newRow("sin filas") << false;
        QTest::newRow("con la cabecera de un asistente") << true;
    }
    void otroLaRegistro()
    {
        QFETCH(bool, cabeceraSola);
        if (cabeceraSola)
            otra->exec(QStringLiteral("INSERT INTO CAB (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, cNumero)"
                                      " VALUES (?, 6, '1998', '0951', '0')"),
                       {kRuc});
        VentanaPrueba a, b;
        a.nueva(kRuc);
        b.nueva(kRuc);
        a.m.setCampo(Campos::TxtTelefono, QStringLiteral("4455667"));
        {
            msg::ScriptedAnswerer m;
            QVERIFY(CmdGrabar_Click(a, *db));
        }
        const QStringList deA = comunpersist::filasDeclaracion(*db, kRuc);
        b.m.setTexto(301, QStringLiteral("2,000"));
        msg::ScriptedAnswerer m;
        QVERIFY(!CmdGrabar_Click(b, *otra));
        QCOMPARE(m.shown().size(), 1);
        QCOMPARE(m.shown().first().text, kRegistrada);
        QCOMPARE(comunpersist::filasDeclaracion(*db, kRuc), deA);
    }

    // A saves while B's window is being opened, between B's reads of the
    // boxes and of the header. B's window shows one state: either A's save
    // waited for B's reads and failed on the lock, and B's save stores, or
    // it went in, and B's save, made on what B saw before it, is refused.
    void guardadaMientrasSeAbria()
    {
        guardada();
        db->setBusyTimeout(200);
        bool aGrabo = false, disparado = false;
        otra->setFaultHook([&](const QString &sql) {
            if (disparado || !sql.startsWith(QLatin1String("SELECT * FROM CAB")))
                return;
            disparado = true;
            VentanaPrueba a;
            abrir(a, *db);
            a.m.setCampo(Campos::TxtTelefono, QStringLiteral("4455667"));
            msg::ScriptedAnswerer m;
            aGrabo = CmdGrabar_Click(a, *db);
        });
        VentanaPrueba b;
        abrir(b, *otra);
        otra->setFaultHook({});
        QVERIFY(disparado);
        const QString telefonoVisto = b.m.campo(Campos::TxtTelefono);

        b.m.setTexto(301, QStringLiteral("2,000"));
        b.m.bModificado = true;
        msg::ScriptedAnswerer m;
        const bool bGrabo = CmdGrabar_Click(b, *otra);
        QVERIFY2(aGrabo != bGrabo, aGrabo ? "both saves stored" : "neither save stored");
        if (bGrabo) {
            QCOMPARE(telefonoVisto, QStringLiteral("4412345"));
            QCOMPARE(det(*db, "028"), QStringLiteral("4412345"));
            QCOMPARE(det(*db, "301"), QStringLiteral("2000"));
        } else {
            QCOMPARE(m.shown().first().text, kModificada);
            QCOMPARE(det(*db, "028"), QStringLiteral("4455667"));
            QCOMPARE(det(*db, "301"), QStringLiteral("1000"));
        }
    }

    // One window saving again and again, the other user's window never
    // saving, and an edit of the annex rows alone (the calculators' part,
    // which a save keeps): every save stores.
    void sinCambioAjeno()
    {
        guardada();
        VentanaPrueba a, b;
        abrir(a, *db);
        abrir(b, *otra);
        for (const char *t : {"2,000", "3,000"}) {
            a.m.setTexto(301, QLatin1String(t));
            msg::ScriptedAnswerer m;
            QVERIFY(CmdGrabar_Click(a, *db));
            QCOMPARE(m.shown().first().text, QStringLiteral("Grabada"));
        }
        QCOMPARE(det(*db, "301"), QStringLiteral("3000"));
        otra->exec(QStringLiteral("UPDATE ACTA SET saluti='900' WHERE DOC_ID_D=? AND per_pag='199801'"), {kRuc});
        a.m.setTexto(301, QStringLiteral("4,000"));
        msg::ScriptedAnswerer m;
        QVERIFY(CmdValidar_Click(a, *db));
        QCOMPARE(det(*db, "301"), QStringLiteral("4000"));
        QCOMPARE(db->scalar(QStringLiteral("SELECT saluti FROM ACTA WHERE DOC_ID_D=? AND per_pag='199801'"), {kRuc})
                     .toString(),
                 QStringLiteral("900"));
    }
};

QTEST_GUILESS_MAIN(TstDosSesiones)
#include "tst_dossesiones.moc"
