// What the lookup windows read and how they show it.
#include "fixture.h"
#include "shell/ui/consultas.h"
#include "testdb.h"

#include <QtTest>

class TstConsultas : public QObject {
    Q_OBJECT
private slots:
    void factores()
    {
        testdb::Entorno env;
        QVERIFY(env.valido());
        auto db = env.abrir();
        QVERIFY(cargarFixture(*db, QStringLiteral("consultas.sql")));
        const QList<FilaFactor> filas = fFactoresActualizacion(*db, QStringLiteral("0951"));
        QCOMPARE(filas.size(), 3);
        QCOMPARE(filas.at(0).peri, QStringLiteral("0198"));
        QCOMPARE(filas.at(0).factor, 1.0561);
        QCOMPARE(filas.at(1).peri, QStringLiteral("0698"));
        QCOMPARE(filas.at(2).peri, QStringLiteral("1298"));
    }

    void sinFactores()
    {
        testdb::Entorno env;
        auto db = env.abrir();
        db->exec(QStringLiteral("INSERT INTO FAC (FORMULARIO, PERIODO, CODTRI, FACTOR) VALUES ('0951', '9804', '030304', 1.1)"));
        QVERIFY(fFactoresActualizacion(*db, QStringLiteral("0951")).isEmpty());
    }

    void bancos()
    {
        testdb::Entorno env;
        auto db = env.abrir();
        QVERIFY(cargarFixture(*db, QStringLiteral("consultas.sql")));
        const QList<FilaBanco> filas = fBancos(*db);
        QCOMPARE(filas.size(), 2);
        QCOMPARE(filas.at(0).codigo, QStringLiteral("01"));
        QCOMPARE(filas.at(0).descrip, QStringLiteral("BANCO DE LA NACION"));
        QCOMPARE(filas.at(1).codigo, QStringLiteral("07"));
        QCOMPARE(filas.at(1).descrip, QStringLiteral("BANCO CON UN NOMBRE MUY LARGO QUE PA"));
    }

    void textoMes_data()
    {
        QTest::addColumn<QString>("peri");
        QTest::addColumn<QString>("texto");
        QTest::newRow("enero") << "0198" << "01/1998";
        QTest::newRow("diciembre") << "1298" << "12/1998";
        QTest::newRow("no numerico") << "ab98" << "ab98";
    }
    void textoMes()
    {
        QFETCH(QString, peri);
        QFETCH(QString, texto);
        QCOMPARE(fTextoMes(peri), texto);
    }

    void textoFactor_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<QString>("texto");
        QTest::newRow("tres decimales") << 1.0561 << "1.056";
        QTest::newRow("ceros a la derecha") << 1.2 << "1.200";
        QTest::newRow("sube") << 1.0127 << "1.013";
        QTest::newRow("sin cero delante") << 0.5 << ".500";
        QTest::newRow("dos cifras") << 12.3456 << "12.346";
        // Half a thousandth goes up even where the double lies just below it.
        QTest::newRow("media milesima") << 0.5005 << ".501";
        QTest::newRow("media milesima, dos cifras") << 16.2735 << "16.274";
    }
    void textoFactor()
    {
        QFETCH(double, factor);
        QFETCH(QString, texto);
        QCOMPARE(fTextoFactor(factor), texto);
    }

    void tasas()
    {
        const auto &t = fTasasVigentes();
        QCOMPARE(t.size(), 4);
        QCOMPARE(t.at(2).first, QStringLiteral("   Acogido a la ley de Promoción Agraria(F4888)"));
        QCOMPARE(t.at(2).second, QStringLiteral("15 %"));
        QCOMPARE(t.at(0).second, QStringLiteral("variable"));
    }
};

QTEST_GUILESS_MAIN(TstConsultas)
#include "tst_consultas.moc"
