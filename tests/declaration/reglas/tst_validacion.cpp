// "&Validar Decla." and "&Salir": the payment warnings, the cheque checks,
// the final messages and state, and the cancel with its question and the
// removal of a bare header.
#include "../persistencia/comunpersist.h"
#include "declaration/core/reglas/validacion.h"
#include "platform/msgbox.h"
#include "../persistencia/ventanaprueba.h"
#include <QSqlRecord>
#include <QtTest>

namespace {
const QString kRuc = QStringLiteral("20100070970");
const QString kMayor = QStringLiteral("El importe a pagar es mayor que el saldo definitivo a pagar. Se generará un pago en exceso.");
const QString kMenor = QStringLiteral("El importe a pagar es menor que el saldo definitivo a pagar.La KAVEN emitirá una Orden de Pago.");
const QString kSinInconsistencias = QStringLiteral("La información de la declaración no presenta inconsistencias.");
const QString kGrabadaBien = QStringLiteral("Toda la información de la declaración fue grabada satisfactoriamente.");
const QString kGrabadaMal = QStringLiteral("La información del formulario fue grabada con inconsistencias.\n"
                                           "En estas condiciones no podrá ser enviado a KAVEN.");
const QString kPregunta = QStringLiteral("¿El formulario ha sido modificado, desea guardar los cambios?");

QStringList textos(const msg::ScriptedAnswerer &a)
{
    QStringList l;
    for (const auto &s : a.shown())
        l << s.text;
    return l;
}
} // namespace

class TstValidacion : public QObject {
    Q_OBJECT
    std::unique_ptr<testdb::Entorno> env;
    std::shared_ptr<Database> db;

    int filas(const char *tabla) { return db->scalar(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(tabla)).toInt(); }
    QVariant estado() { return db->scalar(QStringLiteral("SELECT estado FROM CAB WHERE DOC_ID_D=?"), {kRuc}); }

    // A declaration stored before, with one box.
    void guardada(VentanaPrueba &v)
    {
        v.modificar(kRuc);
        v.m.setTexto(100, QStringLiteral("1,000"));
        msg::ScriptedAnswerer a;
        QVERIFY(CmdGrabar_Click(v, *db));
    }

private slots:
    void init()
    {
        QVERIFY(comunpersist::iniciar(env, db));
        giEstadoGrabacion = 0;
        giHayInconsistencias = 0;
        gsAceptaInconsistencias.clear();
    }
    void cleanup()
    {
        comunpersist::terminar(env, db);
    }

    void avisosPago_data()
    {
        QTest::addColumn<QString>("c180");
        QTest::addColumn<QString>("c146");
        QTest::addColumn<QString>("aviso");
        QTest::newRow("nada que pagar y saldo a favor") << "0" << "(300)" << "";
        QTest::newRow("nada pagado y saldo a pagar") << "0" << "300" << kMenor;
        QTest::newRow("pago mayor") << "500" << "300" << kMayor;
        QTest::newRow("pago igual") << "300" << "300" << "";
        QTest::newRow("pago con saldo a favor") << "100" << "(300)" << kMayor;
        QTest::newRow("vacias") << "" << "" << "";
    }
    void avisosPago()
    {
        QFETCH(QString, c180);
        QFETCH(QString, c146);
        QFETCH(QString, aviso);
        VentanaPrueba v;
        v.modificar(kRuc);
        v.m.setTexto(180, c180);
        v.m.setTexto(146, c146);
        msg::ScriptedAnswerer a;
        QVERIFY(CmdValidar_Click(v, *db));
        QStringList esperado;
        if (!aviso.isEmpty())
            esperado << aviso;
        esperado << kSinInconsistencias;
        QCOMPARE(textos(a), esperado);
        if (!aviso.isEmpty())
            QCOMPARE(a.shown().first().style, 64);
        QCOMPARE(a.shown().last().style, 48);
        QCOMPARE(estado().toInt(), 0);
    }

    // A consistent declaration: state 0, its message, giEstadoGrabacion 2.
    void consistente()
    {
        VentanaPrueba v;
        v.nueva(kRuc);
        v.m.setTexto(100, QStringLiteral("1,000"));
        v.m.bModificado = true;
        msg::ScriptedAnswerer a;
        QVERIFY(CmdValidar_Click(v, *db));
        QCOMPARE(textos(a), QStringList{kSinInconsistencias});
        QCOMPARE(estado().toInt(), 0);
        QCOMPARE(giEstadoGrabacion, 2);
        QVERIFY(!v.m.bModificado);
        QCOMPARE(v.listasMostradas, 0);
        QCOMPARE(filas("ACTA"), 15);
        QCOMPARE(db->scalar(QStringLiteral("SELECT i_valor FROM DET WHERE Casilla='100'")).toString(), QStringLiteral("1000"));
        QCOMPARE(Database::toDate(db->scalar(QStringLiteral("SELECT fec_pro FROM CAB"))), QDate::currentDate());
    }

    // Inconsistencies: the list is shown (page 0 in front while it is, page 5
    // back afterwards), state 9, no final message, accepted or not.
    void inconsistente_data()
    {
        QTest::addColumn<bool>("acepta");
        QTest::newRow("lista cerrada") << false;
        QTest::newRow("lista aceptada") << true;
    }
    void inconsistente()
    {
        QFETCH(bool, acepta);
        VentanaPrueba v;
        v.modificar(kRuc);
        v.hayInconsistencias = true;
        v.pagina = 5;
        v.alMostrarLista = [&] {
            QCOMPARE(v.pagina, 0);
            if (acepta)
                gsAceptaInconsistencias = QStringLiteral("A");
        };
        msg::ScriptedAnswerer a;
        QVERIFY(CmdValidar_Click(v, *db));
        QCOMPARE(v.listasMostradas, 1);
        QCOMPARE(v.paginas, (QList<int>{0, 5}));
        QVERIFY(a.shown().isEmpty());
        QCOMPARE(estado().toInt(), 9);
        QCOMPARE(giEstadoGrabacion, 2);
    }

    // Stops before any write: the stored declaration stays as it was, and no
    // annex rows appear without their header.
    void detenida_data()
    {
        QTest::addColumn<int>("caso");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<int>("estilo");
        QTest::addColumn<int>("pagina");
        QTest::newRow("regla de parada") << 0 << "" << 0 << -1;
        QTest::newRow("sin banco") << 1 << "Ingrese el banco." << 49 << 4;
        QTest::newRow("banco XX") << 2 << "Ingrese el banco." << 49 << 4;
        QTest::newRow("sin numero de cheque") << 3 << "Debe ingresar el número de cheque." << 16 << 4;
        QTest::newRow("sin contribuyente") << 4 << "Debe seleccionar un Contribuyente." << 16 << 0;
        QTest::newRow("ya existe") << 5
            << "La declaración que desea registrar ya existe, elija la opción modificar declaración o elija otro contribuyente." << 16 << 0;
    }
    void detenida()
    {
        QFETCH(int, caso);
        QFETCH(QString, mensaje);
        QFETCH(int, estilo);
        QFETCH(int, pagina);
        VentanaPrueba v;
        if (caso >= 4) {
            v.nueva(kRuc);
            if (caso == 4)
                v.m.setCampo(Campos::CmbRuc, QString());
            else
                v.puede = QStringLiteral("N");
        } else {
            guardada(v);
        }
        const QStringList antes = filasDet(*db, kRuc);
        const int acta = filas("ACTA");
        const QVariant cab = db->scalar(QStringLiteral("SELECT cNumero || '/' || estado FROM CAB"));
        v.m.setTexto(100, QStringLiteral("2,000"));
        v.m.setCampo(Campos::OptIEAN, QStringLiteral("1"));   // another annex type
        v.m.setCampo(Campos::FormaPago, QStringLiteral("C"));
        v.m.setCampo(Campos::Banco, caso == 1 ? QString() : caso == 2 ? QStringLiteral("XX") : QStringLiteral("02"));
        v.m.setCampo(Campos::NumCheque, caso == 3 ? QStringLiteral("  ") : QStringLiteral("1234"));
        v.valida = caso != 0;
        v.m.bModificado = true;
        v.paginas.clear();
        msg::ScriptedAnswerer a;
        QVERIFY(!CmdValidar_Click(v, *db));
        if (mensaje.isEmpty()) {
            QVERIFY(a.shown().isEmpty());
        } else {
            QCOMPARE(textos(a), QStringList{mensaje});
            QCOMPARE(a.shown().first().style, estilo);
            QCOMPARE(a.shown().first().title, v.caption());
        }
        if (pagina >= 0)
            QCOMPARE(v.paginas, QList<int>{pagina});
        QCOMPARE(v.frames, caso == 1 || caso == 2 ? QList<int>{4} : QList<int>{});
        QCOMPARE(v.puntero, 0);
        QVERIFY(v.m.bModificado);
        QCOMPARE(filasDet(*db, kRuc), antes);
        QCOMPARE(filas("ACTA"), acta);
        QCOMPARE(db->scalar(QStringLiteral("SELECT cNumero || '/' || estado FROM CAB")), cab);
    }

    // A database failure inside the validation leaves everything as it was.
    void falloEnBase()
    {
        VentanaPrueba v;
        guardada(v);
        const QStringList antes = filasDet(*db, kRuc);
        v.m.setTexto(100, QStringLiteral("2,000"));
        v.hayInconsistencias = true;
        int n = 0;
        db->setFaultHook([&](const QString &sql) {
            if (sql.startsWith(QLatin1String("INSERT INTO DET")) && ++n == 3)
                throw DbError(3051, QStringLiteral("La base de datos está bloqueada."));
        });
        msg::ScriptedAnswerer a;
        QVERIFY(!CmdValidar_Click(v, *db));
        db->setFaultHook({});
        QCOMPARE(textos(a), QStringList{QStringLiteral("La base de datos está bloqueada.\n 3051")});
        QCOMPARE(filasDet(*db, kRuc), antes);
        QCOMPARE(estado().toInt(), 0);
    }

    // "&Salir" with changes, answered Yes: closes only when the validation stored it.
    void cancelarSi_data()
    {
        QTest::addColumn<int>("caso");
        QTest::addColumn<bool>("cierra");
        QTest::addColumn<QStringList>("mensajes");
        QTest::addColumn<QVariant>("estado");
        QTest::newRow("consistente") << 0 << true << QStringList{kPregunta, kGrabadaBien} << QVariant(0);
        QTest::newRow("inconsistente") << 1 << true << QStringList{kPregunta, kGrabadaMal} << QVariant(9);
        QTest::newRow("regla de parada") << 2 << false << QStringList{kPregunta} << QVariant();
        QTest::newRow("cheque sin banco") << 3 << false << QStringList{kPregunta, QStringLiteral("Ingrese el banco.")} << QVariant();
        QTest::newRow("sin contribuyente") << 4 << false
            << QStringList{kPregunta, QStringLiteral("Debe seleccionar un Contribuyente.")} << QVariant();
    }
    void cancelarSi()
    {
        QFETCH(int, caso);
        QFETCH(bool, cierra);
        QFETCH(QStringList, mensajes);
        QFETCH(QVariant, estado);
        VentanaPrueba v;
        v.nueva(kRuc);
        v.m.setTexto(100, QStringLiteral("1,000"));
        v.m.bModificado = true;
        v.hayInconsistencias = caso == 1;
        v.valida = caso != 2;
        if (caso == 3)
            v.m.setCampo(Campos::FormaPago, QStringLiteral("C"));
        if (caso == 4)
            v.m.setCampo(Campos::CmbRuc, QString());
        giEstadoGrabacion = 1;
        msg::ScriptedAnswerer a({msg::Yes});
        QCOMPARE(cmdCancelar_Click(v, *db), cierra);
        QCOMPARE(textos(a), mensajes);
        QCOMPARE(a.shown().first().style, 36);
        QCOMPARE(v.listasMostradas, 0);
        QCOMPARE(this->estado(), estado);
        QVERIFY(v.barra.isEmpty());
        if (cierra) {
            QCOMPARE(giEstadoGrabacion, 2);
        } else {
            // Still open, with its edits, and no longer closing.
            QVERIFY(v.m.bModificado);
            QCOMPARE(v.m.texto(100), QStringLiteral("1,000"));
            QCOMPARE(giEstadoGrabacion, 1);
            QCOMPARE(filas("DET") + filas("ACTA"), 0);
        }
    }

    // Unchanged, or answered No: a bare header (cNumero "0") goes with its
    // annex rows; a header a save wrote stays.
    void cancelarCabeceraSola_data()
    {
        QTest::addColumn<bool>("modificada");
        QTest::addColumn<QString>("cNumero");
        QTest::addColumn<int>("accion");
        QTest::addColumn<bool>("borrada");
        QTest::newRow("sin cambios, cabecera sola") << false << "0" << 0 << true;
        QTest::newRow("respuesta no, cabecera sola") << true << "0" << 0 << true;
        QTest::newRow("cabecera grabada") << false << "123456" << 0 << false;
        QTest::newRow("modificar no borra") << false << "0" << 1 << false;
    }
    void cancelarCabeceraSola()
    {
        QFETCH(bool, modificada);
        QFETCH(QString, cNumero);
        QFETCH(int, accion);
        QFETCH(bool, borrada);
        db->exec(QStringLiteral("INSERT INTO CAB (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, cNumero) VALUES (?, 6, '1998', '0951', ?)"),
                 {kRuc, cNumero});
        for (const char *per : {"199801", "199802"})
            db->exec(QStringLiteral("INSERT INTO ACTA (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, per_pag, tipo_asist) VALUES (?, 6, '1998', '0951', ?, '3')"),
                     {kRuc, QLatin1String(per)});
        db->exec(QStringLiteral("INSERT INTO ACTA (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, per_pag, tipo_asist) VALUES ('20000000001', 6, '1998', '0951', '199801', '3')"));
        VentanaPrueba v;
        v.nueva(kRuc);
        if (accion == 1) {
            v.modificar(kRuc);
            v.m.setCampo(Campos::CmbRuc, QString());
        }
        v.m.bModificado = modificada;
        msg::ScriptedAnswerer a({msg::No});
        QVERIFY(cmdCancelar_Click(v, *db));
        QCOMPARE(a.shown().size(), modificada ? 1 : 0);
        QCOMPARE(filas("CAB"), borrada ? 0 : 1);
        QCOMPARE(filas("ACTA"), borrada ? 1 : 3);
        QCOMPARE(v.barra, QStringList{QStringLiteral("|")});
        QCOMPARE(giEstadoGrabacion, 3);
    }

    // The removal is one transaction: a failure keeps header and rows, shows
    // the error and keeps the window open.
    void cancelarFalloAlBorrar()
    {
        db->exec(QStringLiteral("INSERT INTO CAB (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, cNumero) VALUES (?, 6, '1998', '0951', '0')"), {kRuc});
        db->exec(QStringLiteral("INSERT INTO ACTA (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, per_pag, tipo_asist) VALUES (?, 6, '1998', '0951', '199801', '3')"), {kRuc});
        db->setFaultHook([](const QString &sql) {
            if (sql.startsWith(QLatin1String("DELETE FROM ACTA")))
                throw DbError(3051, QStringLiteral("La base de datos está bloqueada."));
        });
        VentanaPrueba v;
        v.nueva(kRuc);
        msg::ScriptedAnswerer a;
        QVERIFY(!cmdCancelar_Click(v, *db));
        db->setFaultHook({});
        QCOMPARE(textos(a), QStringList{QStringLiteral("La base de datos está bloqueada.\n 3051")});
        QCOMPARE(filas("CAB"), 1);
        QCOMPARE(filas("ACTA"), 1);
        QCOMPARE(giEstadoGrabacion, 0);
    }
};

QTEST_GUILESS_MAIN(TstValidacion)
#include "tst_validacion.moc"
