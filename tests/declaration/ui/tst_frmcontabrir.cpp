// The open/delete chooser: the list of the user's declarations, the delete
// with its question, and the modify that opens the declaration window.
#include "../persistencia/comunpersist.h"
#include "declaration/core/persistencia/carga.h"
#include "declaration/ui/frmcontabrir.h"
#include "platform/msgbox.h"
#include "shell/core/modglobal.h"
#include "shell/ui/registroventanas.h"
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSqlRecord>
#include <QTableWidget>
#include <QtTest>

namespace {
const QString kAlfa = QStringLiteral("20100070970");
const QString kBeta = QStringLiteral("10080012345");
const QString kGamma = QStringLiteral("20300000003 ");   // stored with a trailing blank
const QString kOtro = QStringLiteral("20000000001");     // another user's taxpayer
}

class TstFrmContAbrir : public QObject {
    Q_OBJECT
    std::unique_ptr<testdb::Entorno> env;
    std::shared_ptr<Database> db;

    void declaracion(const QString &ruc, const QString &periodo = QStringLiteral("1998"),
                     const QString &formulario = QStringLiteral("0951"), int estado = 9)
    {
        const QVariantList k{ruc, periodo, formulario};
        db->exec(QStringLiteral("INSERT INTO CAB (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, estado, cNumero) VALUES (?, 6, ?, ?, ?, '111111')"),
                 k + QVariantList{estado});
        for (const char *c : {"100", "146"})
            db->exec(QStringLiteral("INSERT INTO DET (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, Casilla, i_valor) VALUES (?, 6, ?, ?, ?, '5')"),
                     k + QVariantList{QLatin1String(c)});
        db->exec(QStringLiteral("INSERT INTO ACTA (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, per_pag, tipo_asist) VALUES (?, 6, ?, ?, '199801', '3')"), k);
    }
    int filas(const char *tabla, const QString &ruc)
    {
        return db->scalar(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(tabla) + QStringLiteral(" WHERE DOC_ID_D=?"), {ruc}).toInt();
    }
    QStringList rucsDeLaLista(const FrmContAbrir &w)
    {
        QStringList l;
        for (int i = 0; i < w.grdContrib->rowCount(); ++i)
            l << w.grdContrib->item(i, 0)->text();
        return l;
    }

private slots:
    void init()
    {
        QVERIFY(comunpersist::iniciar(env, db));
        gsUsuario = QStringLiteral("USUARIO1");
        auto cont = [&](int tipo, const QString &ruc, const QString &usuario, const QString &nombre) {
            db->exec(QStringLiteral("INSERT INTO CONT (Tip_doc_d, Doc_id_d, Usuario, Nombre) VALUES (?, ?, ?, ?)"),
                     {tipo, ruc, usuario, nombre});
        };
        cont(6, kAlfa, QStringLiteral("USUARIO1"), QStringLiteral("ALFA S.A. "));
        cont(6, kBeta, QStringLiteral("usuario1"), QStringLiteral("BETA E.I.R.L."));
        cont(6, kGamma, QStringLiteral("USUARIO1"), QStringLiteral("GAMMA S.R.L."));
        cont(6, kOtro, QStringLiteral("USUARIO2"), QStringLiteral("OTRO S.A."));
        cont(1, QStringLiteral("08012345"), QStringLiteral("USUARIO1"), QStringLiteral("PERSONA"));
        declaracion(kAlfa);
        declaracion(kBeta, QStringLiteral("1998"), QStringLiteral("0951"), 1);
        declaracion(kGamma);
        declaracion(kOtro);
        declaracion(kAlfa, QStringLiteral("1997"));                       // another period
        declaracion(kBeta, QStringLiteral("1998"), QStringLiteral("0952"));   // another form
        db->exec(QStringLiteral("INSERT INTO CAB (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO) VALUES ('08012345', 1, '1998', '0951')"));
        registro::limpiar();
    }
    void cleanup()
    {
        registro::limpiar();
        comunpersist::terminar(env, db);
    }

    // Only the user's RUC declarations of the period and form, by RUC.
    void lista()
    {
        const QList<DeclaracionRegistrada> l = fDeclaracionesRegistradas(*db);
        QStringList rucs;
        for (const auto &d : l)
            rucs << d.docIdD;
        QCOMPARE(rucs, (QStringList{kBeta, kAlfa, kGamma}));
        QCOMPARE(l.at(0).nombre, QStringLiteral("BETA E.I.R.L."));
        QCOMPARE(l.at(0).estado.toInt(), 1);
        QCOMPARE(l.at(1).periodo, QStringLiteral("1998"));
        QCOMPARE(l.at(1).formulario, QStringLiteral("0951"));
    }

    // The delete removes ACTA, DET and CAB of that declaration, in that
    // order, and nothing else.
    void eliminar()
    {
        QStringList orden;
        db->setFaultHook([&](const QString &sql) {
            if (sql.startsWith(QLatin1String("DELETE")))
                orden << sql.section(QLatin1Char(' '), 2, 2);
        });
        pEliminarDeclaracion(*db, kAlfa);
        db->setFaultHook({});
        QCOMPARE(orden, (QStringList{QStringLiteral("ACTA"), QStringLiteral("DET"), QStringLiteral("CAB")}));
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CAB WHERE DOC_ID_D=? AND PERIODO='1998'"), {kAlfa}).toInt(), 0);
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM DET WHERE DOC_ID_D=? AND PERIODO='1998'"), {kAlfa}).toInt(), 0);
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM ACTA WHERE DOC_ID_D=? AND PERIODO='1998'"), {kAlfa}).toInt(), 0);
        QCOMPARE(filas("CAB", kAlfa), 1);   // 1997 stays
        QCOMPARE(filas("DET", kAlfa), 2);
        QCOMPARE(filas("CAB", kBeta), 2);
        QCOMPARE(filas("DET", kOtro) + filas("ACTA", kOtro), 3);
    }

    // One transaction: a failure at the last statement removes nothing.
    void eliminarInterrumpido()
    {
        db->setFaultHook([](const QString &sql) {
            if (sql.startsWith(QLatin1String("DELETE FROM CAB")))
                throw DbError(3051, QStringLiteral("La base de datos está bloqueada."));
        });
        FrmContAbrir w;
        w.iOpcion = 3;
        w.show();
        w.grdContrib->setCurrentCell(1, 0);
        msg::ScriptedAnswerer a({msg::Yes});
        w.CmdOpciones[0]->click();
        db->setFaultHook({});
        QCOMPARE(a.shown().size(), 2);
        QCOMPARE(a.shown().at(1).text, QStringLiteral("La base de datos está bloqueada.\n 3051"));
        QCOMPARE(a.shown().at(1).title, QStringLiteral("Error"));
        QCOMPARE(filas("CAB", kAlfa) + filas("DET", kAlfa) + filas("ACTA", kAlfa), 8);
    }

    void textosPorModo_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QString>("etiqueta");
        QTest::addColumn<QString>("boton");
        QTest::newRow("modificar") << 1 << "Modificar Declaraciones" << "Seleccione la Declaración que desea modificar :" << "&Modificar";
        QTest::newRow("eliminar") << 3 << "Eliminar Declaraciones" << "Seleccione la Declaración que desea eliminar :" << "&Eliminar";
        QTest::newRow("otro") << 2 << "Actualizar Declaraciones" << "" << "";
    }
    void textosPorModo()
    {
        QFETCH(int, modo);
        QFETCH(QString, titulo);
        QFETCH(QString, etiqueta);
        QFETCH(QString, boton);
        FrmContAbrir w;
        w.iOpcion = modo;
        w.show();
        QCOMPARE(w.windowTitle(), titulo);
        QCOMPARE(w.Label1->text(), etiqueta);
        QCOMPARE(w.CmdOpciones[0]->text(), boton);
        QCOMPARE(w.CmdOpciones[1]->text(), QStringLiteral("&Salir"));
        QCOMPARE(w.Frame1->title(), QStringLiteral("Declaraciones Registradas"));
        QCOMPARE(rucsDeLaLista(w), (QStringList{kBeta, kAlfa, kGamma}));
        QCOMPARE(w.grdContrib->horizontalHeaderItem(1)->text(), QStringLiteral("Razón Social"));
    }

    // The name column is the widest and shows its header and every name
    // whole; the five columns fit the grid without a horizontal scroll.
    void columnaDelNombre_data()
    {
        QTest::addColumn<int>("modo");
        QTest::newRow("modificar") << 1;
        QTest::newRow("eliminar") << 3;
    }
    void columnaDelNombre()
    {
        QFETCH(int, modo);
        FrmContAbrir w;
        w.iOpcion = modo;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTableWidget *g = w.grdContrib;
        const int nombre = g->columnWidth(1);
        for (int c : {0, 2, 3, 4})
            QVERIFY2(nombre > g->columnWidth(c), qPrintable(QString::number(c)));
        const QFontMetrics fm(g->horizontalHeader()->font());
        QVERIFY(nombre > fm.horizontalAdvance(QStringLiteral("Razón Social")));
        for (int i = 0; i < g->rowCount(); ++i)
            QVERIFY(nombre > g->fontMetrics().horizontalAdvance(g->item(i, 1)->text()));
        int total = 0;
        for (int c = 0; c < g->columnCount(); ++c)
            total += g->columnWidth(c);
        QVERIFY(total <= g->viewport()->width());
    }

    // The question comes first; No deletes nothing; Yes deletes the row's
    // declaration (its RUC as stored, trailing blank included) and the list follows.
    void eliminarConPregunta_data()
    {
        QTest::addColumn<int>("respuesta");
        QTest::newRow("no") << int(msg::No);
        QTest::newRow("si") << int(msg::Yes);
    }
    void eliminarConPregunta()
    {
        QFETCH(int, respuesta);
        FrmContAbrir w;
        w.iOpcion = 3;
        w.show();
        w.grdContrib->setCurrentCell(2, 0);
        msg::ScriptedAnswerer a({respuesta});
        w.grdContrib_DblClick();
        QCOMPARE(a.shown().size(), 1);
        QCOMPARE(a.shown().first().text, QStringLiteral("¿Confirma que va a eliminar la declaración de\r\n\r\nGAMMA S.R.L.?"));
        QCOMPARE(a.shown().first().style, 292);
        QCOMPARE(a.shown().first().title, QStringLiteral("Eliminar Declaraciones"));
        const bool borrada = respuesta == msg::Yes;
        QCOMPARE(filas("CAB", kGamma) + filas("DET", kGamma) + filas("ACTA", kGamma), borrada ? 0 : 4);
        QCOMPARE(rucsDeLaLista(w), borrada ? (QStringList{kBeta, kAlfa}) : (QStringList{kBeta, kAlfa, kGamma}));
        QCOMPARE(filas("CAB", kAlfa) + filas("CAB", kBeta) + filas("CAB", kOtro), 5);
    }

    // An empty list: the action asks nothing.
    void listaVacia()
    {
        gsUsuario = QStringLiteral("NADIE");
        FrmContAbrir w;
        w.iOpcion = 3;
        w.show();
        QCOMPARE(w.grdContrib->rowCount(), 0);
        msg::ScriptedAnswerer a({msg::Yes});
        w.CmdOpciones[0]->click();
        w.grdContrib_DblClick();
        QVERIFY(a.shown().isEmpty());
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CAB")).toInt(), 7);
    }

    // Modify opens the declaration window with the trimmed RUC and name and
    // comes back to the same row.
    void modificar()
    {
        QVariantList recibido;
        int accion = -1;
        FrmContAbrir w;
        registro::nuevaDeclaracion() = [&](int iAccion, const QVariantList &aDatos) {
            accion = iAccion;
            recibido = aDatos;
            w.grdContrib->setCurrentCell(0, 0);   // the reload must bring the row back
        };
        w.iOpcion = 1;
        w.show();
        w.grdContrib->setCurrentCell(2, 0);
        w.CmdOpciones[0]->click();
        QCOMPARE(accion, 1);
        QCOMPARE(recibido, (QVariantList{QStringLiteral("20300000003"), QStringLiteral("GAMMA S.R.L.")}));
        QCOMPARE(w.lPosicionFila, 2L);
        QCOMPARE(w.grdContrib->currentRow(), 2);
    }

    // The main window's commands open the chooser once it is registered.
    void registrado()
    {
        QVERIFY(!registro::contAbrir());
        pRegistrarFrmContAbrir();
        QVERIFY(static_cast<bool>(registro::contAbrir()));
    }
};

QTEST_MAIN(TstFrmContAbrir)
#include "tst_frmcontabrir.moc"
