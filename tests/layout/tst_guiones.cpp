// Whole declarations, one per annex situation, as the print script holds
// them: page 1, the page break and page 2, compared byte for byte with the
// files under tests/fixtures/pages. A position changed in a table changes
// one line of the script.
#include "layout/core/fuentedeclaracion.h"
#include "layout/core/paginas.h"
#include "layout/core/tablashojas.h"
#include "declaracionprueba.h"
#include "grabadora.h"
#include "platform/textfile.h"
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList guion(const DatosImpresion &d)
{
    Grabadora g;
    pHoja1(d, g);
    g.pImpritext({QStringLiteral("pNuevaHoja")});
    pHoja2(d, g);
    return g.lineas();
}

QByteArray leerBytes(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The lines of a and b that differ, as "n: a | b".
QStringList diferencias(const QStringList &a, const QStringList &b)
{
    QStringList d;
    for (int i = 0; i < qMax(a.size(), b.size()); ++i)
        if (a.value(i) != b.value(i))
            d << QStringLiteral("%1: %2 | %3").arg(i + 1).arg(a.value(i), b.value(i));
    return d;
}

} // namespace

class TstGuiones : public QObject {
    Q_OBJECT
private slots:
    void declaracion_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::newRow("afecto al IEAN con anexo, cheque") << "iean_con_anexo";
        QTest::newRow("afecto al IEAN sin anexo, enviada, efectivo") << "iean_sin_anexo";
        QTest::newRow("no afecto al IEAN, sin forma de pago") << "sin_iean";
    }
    void declaracion()
    {
        QFETCH(QString, nombre);
        const QStringList lineas = guion(declaracionprueba::leer(nombre));
        QTemporaryDir dir;
        const QString ruta = dir.filePath("guion.prn");
        QVERIFY(textfile::writeLines(ruta, lineas));
        const QByteArray esperado = leerBytes(declaracionprueba::ruta(nombre + ".prn"));
        QVERIFY(!esperado.isEmpty());
        const QByteArray obtenido = leerBytes(ruta);
        if (obtenido != esperado) {
            QStringList esperadas;
            textfile::readLines(declaracionprueba::ruta(nombre + ".prn"), &esperadas);
            qWarning().noquote() << diferencias(lineas, esperadas).mid(0, 10).join('\n');
        }
        QCOMPARE(obtenido, esperado);
    }

    void unaPosicionUnaLinea()
    {
        // Box 303 moved 10 twips to the right in a copy of its table: the
        // script differs in that box's value line only.
        const DatosImpresion d = declaracionprueba::leer("sin_iean");
        QStringList esperadas;
        QVERIFY(textfile::readLines(declaracionprueba::ruta("sin_iean.prn"), &esperadas));

        Disposicion movida = tablaEstadosFinancieros();
        Elemento *celda = movida.celdaDeCasilla(303);
        QVERIFY(celda);
        celda->x += 10;

        const FuenteDeclaracion fuente(d);
        Grabadora g;
        g.pImpritext({QStringLiteral("Cabecera"), 2});
        movida.pDisponer(fuente, g, d.iTamanoLetra);
        tablaDeterminacion().pDisponer(fuente, g, d.iTamanoLetra);
        tablaCreditosB().pDisponer(fuente, g, d.iTamanoLetra);
        g.pImpritext({QStringLiteral("pNuevaHoja")});
        pHoja2(d, g);

        const QStringList dif = diferencias(g.lineas(), esperadas);
        QCOMPARE(dif.size(), 1);
        QVERIFY2(dif.first().contains("pPos|3760|3150|"), qPrintable(dif.first()));
    }
};

QTEST_APPLESS_MAIN(TstGuiones)
#include "tst_guiones.moc"
