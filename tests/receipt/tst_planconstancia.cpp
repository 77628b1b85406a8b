// The receipt finds its taxpayer's name through an index: the lookup
// searches CONT, it does not scan it, so it does not grow with the register.
#include "receipt/constancia.h"
#include "receipt/main000.h"
#include "../support/testdb.h"

#include <QtTest>

class TstPlanConstancia : public QObject {
    Q_OBJECT
private slots:
    void nombreDelContribuyente()
    {
        testdb::Entorno env;
        QVERIFY(env.valido());
        gdbBase = env.abrir();
        const QStringList sentencias =
            testdb::sentenciasDe(*gdbBase, [] { fNombreContribuyente(6, QStringLiteral("20100066603")); });
        QCOMPARE(sentencias.size(), 1);
        const QStringList pasos = testdb::plan(*gdbBase, sentencias.first());
        gdbBase.reset();
        QCOMPARE(pasos.size(), 1);
        QVERIFY2(pasos.first().startsWith(QLatin1String("SEARCH CONT USING ")), qPrintable(pasos.first()));
    }
};

QTEST_GUILESS_MAIN(TstPlanConstancia)
#include "tst_planconstancia.moc"
