// The lists of the choosers and of the sent declarations find the current
// user's taxpayers, and their declarations, through indexes: their plans
// search, none scans a table or builds an index of its own on each query, so
// they do not grow with the taxpayers of other users.
#include "declaration/core/persistencia/carga.h"
#include "printing/core/listaimpresion.h"
#include "sent/core/enviadas.h"
#include "shell/core/modglobal.h"
#include "../support/testdb.h"

#include <QtTest>
#include <functional>

namespace {

struct Lista {
    const char *nombre;
    std::function<void(Database &)> leer;
};

const Lista kListas[] = {
    {"FrmContAbrir", [](Database &db) { fDeclaracionesRegistradas(db); }},
    {"FrmTipPrnR guardadas",
     [](Database &db) { fDeclaracionesImpresion(db, false, gsPeriodo, gsFormulario, gsUsuario); }},
    {"FrmTipPrnR enviadas",
     [](Database &db) { fDeclaracionesImpresion(db, true, gsPeriodo, gsFormulario, gsUsuario); }},
    {"FrmContAbrirEnv", [](Database &db) { fDeclaracionesEnviadas(db); }},
};

} // namespace

class TstPlanes : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        gsPeriodo = QStringLiteral("1998");
        gsFormulario = QStringLiteral("0951");
        gsUsuario = QStringLiteral("USUARIO1");
    }

    void buscanSinRecorrer_data()
    {
        QTest::addColumn<int>("lista");
        for (int i = 0; i < int(std::size(kListas)); ++i)
            QTest::newRow(kListas[i].nombre) << i;
    }
    void buscanSinRecorrer()
    {
        QFETCH(int, lista);
        testdb::Entorno env;
        QVERIFY(env.valido());
        auto db = env.abrir();
        const QStringList sentencias = testdb::sentenciasDe(*db, [&] { kListas[lista].leer(*db); });
        QCOMPARE(sentencias.size(), 1);
        const QStringList pasos = testdb::plan(*db, sentencias.first());
        QVERIFY(!pasos.isEmpty());
        for (const QString &paso : pasos) {
            QVERIFY2(!paso.startsWith(QLatin1String("SCAN")) && !paso.contains(QLatin1String("AUTOMATIC")),
                     qPrintable(pasos.join(QStringLiteral(" | "))));
        }
    }
};

QTEST_GUILESS_MAIN(TstPlanes)
#include "tst_planes.moc"
