// A pasted text read as an amount, by the function the boxes and the
// calculators' cells share; the same texts the windows' tests paste.
#include "declaration/core/casillas/importepegado.h"
#include "importespegados.h"

#include <QtTest>

class TstImportePegado : public QObject {
    Q_OBJECT

private slots:
    void entrada_data() { importespegados::filas(); }
    void entrada()
    {
        QFETCH(QString, pegado);
        QFETCH(QString, entrada);
        QFETCH(QString, absoluta);
        auto leida = [&](ImportePegado::Negativo negativo) {
            return ImportePegado::fEntrada(pegado, negativo).value_or(importespegados::kRechazado);
        };
        QCOMPARE(leida(ImportePegado::Negativo::Rechazado), entrada);
        QCOMPARE(leida(ImportePegado::Negativo::Absoluto), absoluta);
    }
};

QTEST_GUILESS_MAIN(TstImportePegado)
#include "tst_importepegado.moc"
