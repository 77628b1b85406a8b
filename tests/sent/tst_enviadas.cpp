// The sends of HCAB as the chooser lists them, the delete of one send (all
// three tables or none) and the registration of its order number.
#include "fixturesent.h"
#include "platform/database.h"
#include "sent/core/enviadas.h"
#include <QtTest>

using namespace fixturesent;

namespace {
QStringList texto(const DeclaracionEnviada &d)
{
    return {d.docIdD, d.nombre, d.periodo, d.formulario, d.norden, d.fecEnv, d.control, d.correl};
}
QStringList todo()
{
    return filas(QStringLiteral("HCAB"), QStringLiteral("DOC_ID_D, PERIODO, CORREL, NORDEN, CONTROL"))
           + filas(QStringLiteral("HDET"), QStringLiteral("DOC_ID_D, CORREL, Casilla, i_valor"))
           + filas(QStringLiteral("HACTA"), QStringLiteral("DOC_ID_D, CORREL, per_pag, pago_r"));
}
} // namespace

class TstEnviadas : public QObject {
    Q_OBJECT
    std::unique_ptr<testdb::Entorno> m_env;

private slots:
    void init() { QVERIFY(iniciar(m_env)); }
    void cleanup() { terminar(m_env); }

    // The user's sends of the period and form code, by RUC; a Null column is
    // an empty text; another user's taxpayer and another period never show.
    void lista()
    {
        const QList<DeclaracionEnviada> l = fDeclaracionesEnviadas(*gdbBase);
        QCOMPARE(l.size(), 3);
        QCOMPARE(texto(l.at(0)), (QStringList{kAndina, "EMPRESA ANDINA S.A.", "1998", "0951", "", "10/03/1999",
                                              "00000001", "1"}));
        QCOMPARE(texto(l.at(1)), (QStringList{kAndina, "EMPRESA ANDINA S.A.", "1998", "0951", "4567", "15/03/1999",
                                              "00000002", "2"}));
        QCOMPARE(texto(l.at(2)), (QStringList{kSur, "COMERCIAL SUR S.R.L.", "1998", "0951", "", "", "", "1"}));

        gsUsuario = QStringLiteral("NADIE");
        QVERIFY(fDeclaracionesEnviadas(*gdbBase).isEmpty());
    }

    void eliminaSoloEseEnvio()
    {
        const QStringList antes = todo();
        pEliminarEnviada(*gdbBase, kAndina, QStringLiteral("1"));
        QStringList quedan = antes;
        for (const QString &f : antes)
            if (f.startsWith(QStringLiteral("'%1'|'1998'|'1'|").arg(kAndina))
                || f.startsWith(QStringLiteral("'%1'|'1'|").arg(kAndina)))
                quedan.removeOne(f);
        // HCAB, its 3 HDET rows and its HACTA row are gone; send 2 stays whole.
        QCOMPARE(antes.size() - quedan.size(), 5);
        QCOMPARE(todo(), quedan);
        QCOMPARE(filas(QStringLiteral("HDET"), QStringLiteral("CORREL")).count(QStringLiteral("'2'")), 52);
    }

    // A failure before the last statement leaves the three tables as they were.
    void eliminaTodoONada_data()
    {
        QTest::addColumn<QString>("sentencia");
        QTest::newRow("antes de HDET") << "DELETE FROM HDET";
        QTest::newRow("antes de HCAB") << "DELETE FROM HCAB";
        QTest::newRow("al confirmar") << "COMMIT";
    }
    void eliminaTodoONada()
    {
        QFETCH(QString, sentencia);
        const QStringList antes = todo();
        gdbBase->setFaultHook([sentencia](const QString &sql) {
            if (sql.startsWith(sentencia))
                throw DbError(dberr::Bloqueada, QStringLiteral("La base de datos está bloqueada."));
        });
        QVERIFY_THROWS_EXCEPTION(DbError, pEliminarEnviada(*gdbBase, kAndina, QStringLiteral("2")));
        gdbBase->setFaultHook({});
        QCOMPARE(todo(), antes);
    }

    void numeroOrden_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<double>("numero");
        QTest::newRow("vacio") << "" << 0.0;
        QTest::newRow("blancos") << "   " << 0.0;
        QTest::newRow("ceros a la izquierda") << " 00012345 " << 12345.0;
        QTest::newRow("ocho digitos") << "98765432" << 98765432.0;
    }
    void numeroOrden()
    {
        QFETCH(QString, texto);
        QFETCH(double, numero);
        QCOMPARE(fNumeroOrden(texto), numero);
    }

    // Only the chosen send gets the number; an empty number stores 0.
    void registraSoloEseEnvio()
    {
        QVERIFY(fRegistrarNumeroOrden(*gdbBase, kAndina, QStringLiteral("1"), 12345678));
        QCOMPARE(filas(QStringLiteral("HCAB"), QStringLiteral("DOC_ID_D, PERIODO, CORREL, NORDEN")),
                 (QStringList{"'20100066603'|'1998'|'1'|12345678.0", "'20100066603'|'1998'|'2'|4567.0",
                              "'20456123784'|'1998'|'1'|NULL", "'20000000001'|'1998'|'1'|11.0",
                              "'20100066603'|'1997'|'1'|22.0"}));
        QVERIFY(fRegistrarNumeroOrden(*gdbBase, kAndina, QStringLiteral("2"), fNumeroOrden(QString())));
        QCOMPARE(gdbBase->scalar(QStringLiteral("SELECT quote(NORDEN) FROM HCAB WHERE CORREL='2' AND PERIODO='1998'"
                                                " AND DOC_ID_D=?"),
                                 {kAndina})
                     .toString(),
                 QStringLiteral("0.0"));
    }

    // Both writes take the write lock at once, so a receipt run or a save
    // waits for them instead of failing them halfway.
    void escriturasInmediatas()
    {
        QStringList sentencias;
        gdbBase->setFaultHook([&sentencias](const QString &sql) { sentencias << sql.section(QLatin1Char(' '), 0, 2); });
        QVERIFY(fRegistrarNumeroOrden(*gdbBase, kAndina, QStringLiteral("2"), 1));
        pEliminarEnviada(*gdbBase, kAndina, QStringLiteral("2"));
        gdbBase->setFaultHook({});
        QCOMPARE(sentencias, (QStringList{"BEGIN IMMEDIATE", "UPDATE HCAB SET", "COMMIT",
                                          "BEGIN IMMEDIATE", "DELETE FROM HACTA", "DELETE FROM HDET",
                                          "DELETE FROM HCAB", "COMMIT"}));
    }

    // Another program removed the send: nothing is stored, and no row is made.
    void registraSinCabecera()
    {
        gdbBase->exec(QStringLiteral("DELETE FROM HCAB WHERE DOC_ID_D=? AND CORREL='2'"), {kAndina});
        const QStringList antes = todo();
        QVERIFY(!fRegistrarNumeroOrden(*gdbBase, kAndina, QStringLiteral("2"), 777));
        QCOMPARE(todo(), antes);
    }
};

QTEST_GUILESS_MAIN(TstEnviadas)
#include "tst_enviadas.moc"
