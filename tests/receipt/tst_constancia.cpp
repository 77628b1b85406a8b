// The receipt's composition in process: both receipts of a run show one
// state of the database, even when another program saves between its reads.
#include "receipt/constancia.h"
#include "receipt/main000.h"
#include "receipt/salidatexto.h"

#include "../support/testdb.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

const QString kDocId = QStringLiteral("20100066603");

// What a state of the declaration, its taxpayer and its document type
// stores, and the lines both receipts print from it.
struct Estado {
    QString efectivo, nombre, funcion;
    QStringList lineas;
};

const Estado kEstados[2] = {
    {QStringLiteral("1500000"), QStringLiteral("EMPRESA ANDINA S.A."),
     QStringLiteral("REGISTRO UNICO DE CONTRIBUYENTER.U.C.      01"),
     {QStringLiteral("DOCUMENTO       : R.U.C.  20100066603"), QStringLiteral("RAZON SOCIAL    : EMPRESA ANDINA S.A."),
      QStringLiteral("IMPORTE A PAGAR : S/. 1,500,000")}},
    {QStringLiteral("2500000"), QStringLiteral("COMERCIAL INCA S.R.L."),
     QStringLiteral("REGISTRO UNICO DE CONTRIBUYENTEREG.UNICO   01"),
     {QStringLiteral("DOCUMENTO       : REG.UNICO  20100066603"),
      QStringLiteral("RAZON SOCIAL    : COMERCIAL INCA S.R.L."), QStringLiteral("IMPORTE A PAGAR : S/. 2,500,000")}},
};

// Another program's save: the three rows to state e, in one transaction.
void pPonerEstado(Database &db, int e)
{
    const Estado &s = kEstados[e];
    Transaction t(db, true);
    db.exec(QStringLiteral("UPDATE CAB SET efectivo=? WHERE Doc_id_d=?"), {s.efectivo, kDocId});
    db.exec(QStringLiteral("UPDATE CONT SET Nombre=? WHERE Doc_id_d=?"), {s.nombre, kDocId});
    db.exec(QStringLiteral("UPDATE PARAM SET FUNCION=? WHERE NUMERO='044'"), {s.funcion});
    t.commit();
}

QString fContenido(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QStringLiteral("<missing>");
}

// The state whose every line the receipt holds and none of the other's; -1
// when it mixes them.
int fEstadoDe(const QString &recibo)
{
    for (int e = 0; e < 2; ++e) {
        bool propias = true, ajenas = false;
        for (const QString &l : kEstados[e].lineas)
            propias = propias && recibo.contains(l);
        for (const QString &l : kEstados[1 - e].lineas)
            ajenas = ajenas || recibo.contains(l);
        if (propias && !ajenas)
            return e;
    }
    return -1;
}

} // namespace

class TstConstancia : public QObject {
    Q_OBJECT

private slots:
    // Before every read of the run a second connection saves the other
    // state; the graphic and the text receipt both show the same one.
    void unEstado()
    {
        testdb::Entorno env;
        QVERIFY(env.valido());
        gsSysPath = env.sysPath;
        gsRutaRpt = env.sysPath + QStringLiteral("RPT/");
        gsRutaTmp = env.sysPath + QStringLiteral("TMP/");
        QVERIFY(QDir::setCurrent(gsSysPath));   // Trace.txt goes there
        gdbBase = env.abrir();
        gdbBase->exec(QStringLiteral("INSERT INTO CAB (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, efectivo, rectifica,"
                                     " estado) VALUES (?, 6, '1998', '0951', ?, 0, 0)"),
                      {kDocId, kEstados[0].efectivo});
        gdbBase->exec(QStringLiteral("INSERT INTO CONT (Tip_doc_d, Doc_id_d, Usuario, Nombre) VALUES (6, ?, 'U', ?)"),
                      {kDocId, kEstados[0].nombre});
        gdbBase->exec(QStringLiteral("INSERT INTO PARAM (NUMERO, ARGUMENTO, FUNCION) VALUES ('044', '6', ?)"),
                      {kEstados[0].funcion});

        auto otra = env.abrir();
        otra->setBusyTimeout(20);   // a save that waits for the reading run gives up soon
        int estado = 0;
        int guardadas = 0;
        gdbBase->setFaultHook([&](const QString &sql) {
            if (!sql.startsWith(QLatin1String("SELECT"), Qt::CaseInsensitive))
                return;
            try {
                pPonerEstado(*otra, 1 - estado);
                estado = 1 - estado;
                ++guardadas;
            } catch (const DbError &) {
            }
        });
        QList<int> estados;
        for (int vez = 0; vez < 3; ++vez) {
            const Constancia c = GenerarConstancia(QStringLiteral("06"), kDocId + QStringLiteral("    "),
                                                   QStringLiteral("0951"), QStringLiteral("199800"),
                                                   QStringLiteral("00012345"), QStringLiteral("A"));
            const QString grafica = fContenido(c.grafica->ruta());
            const QString texto = fContenido(c.texto->ruta());
            estados << fEstadoDe(grafica) << fEstadoDe(texto);
            QVERIFY2(estados.last() >= 0, qPrintable(texto));
            QVERIFY2(estados.at(estados.size() - 2) >= 0, qPrintable(grafica));
            QCOMPARE(estados.last(), estados.at(estados.size() - 2));
        }
        gdbBase->setFaultHook({});
        giArchivoSalida.reset();
        gdbBase.reset();
        QVERIFY(guardadas > 0);
    }
};

QTEST_GUILESS_MAIN(TstConstancia)
#include "tst_constancia.moc"
