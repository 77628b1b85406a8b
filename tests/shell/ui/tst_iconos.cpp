// The pictures the program shows are those its drawing code draws: the pixels
// kept while building come back whole, each under its own name.
#include "shell/dibujos/dibujos.h"
#include "shell/ui/iconos.h"

#include <QtTest>

class TstIconos : public QObject {
    Q_OBJECT
private slots:
    void comoSeDibujan_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QImage>("mostrada");
        auto icono = [](const QIcon &i) { return i.pixmap(32, 32).toImage(); };
        QTest::newRow("Nueva") << int(dibujos::Nueva) << icono(iconos::nueva());
        QTest::newRow("Modificar") << int(dibujos::Modificar) << icono(iconos::modificar());
        QTest::newRow("Eliminar") << int(dibujos::Eliminar) << icono(iconos::eliminar());
        QTest::newRow("Imprimir") << int(dibujos::Imprimir) << icono(iconos::imprimir());
        QTest::newRow("Salir") << int(dibujos::Salir) << icono(iconos::salir());
        QTest::newRow("Num. Orden") << int(dibujos::NumOrden) << icono(iconos::numOrden());
        QTest::newRow("Ayuda") << int(dibujos::Ayuda) << icono(iconos::ayuda());
        QTest::newRow("logotipo") << int(dibujos::Logotipo64) << iconos::logotipo().toImage();
        QTest::newRow("fondo") << int(dibujos::Fondo) << iconos::fondo().toImage();
    }
    void comoSeDibujan()
    {
        QFETCH(int, id);
        QFETCH(QImage, mostrada);
        const QImage dibujada = dibujos::dibujar(dibujos::Id(id));
        QVERIFY(!dibujada.isNull());
        QCOMPARE(mostrada.convertToFormat(QImage::Format_ARGB32_Premultiplied), dibujada);
        // Something is drawn: not every pixel is transparent.
        bool algo = false;
        for (int y = 0; y < dibujada.height() && !algo; ++y)
            for (int x = 0; x < dibujada.width() && !algo; ++x)
                algo = qAlpha(dibujada.pixel(x, y)) != 0;
        QVERIFY(algo);
    }
};

QTEST_MAIN(TstIconos)
#include "tst_iconos.moc"
