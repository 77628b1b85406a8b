// The windows' font is Liberation Sans at 7.5 points, whatever fonts the
// machine has besides fonts-liberation and whatever fontconfig makes of
// "sans-serif"; the printer's "Courier New" is Liberation Mono. The suite
// also runs with only fonts-liberation in sight (tests/CMakeLists.txt).
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <functional>

using Fuente = std::function<QFont()>;
Q_DECLARE_METATYPE(Fuente)

class TstFuente : public QObject {
    Q_OBJECT

private slots:
    void fuente_data()
    {
        QTest::addColumn<Fuente>("fuente");
        QTest::addColumn<QString>("familia");
        QTest::addColumn<double>("puntos");
        QTest::newRow("aplicación") << Fuente([] { return QApplication::font(); }) << "Liberation Sans" << 7.5;
        QTest::newRow("etiqueta") << Fuente([] { return QLabel().font(); }) << "Liberation Sans" << 7.5;
        QTest::newRow("botón") << Fuente([] { return QPushButton().font(); }) << "Liberation Sans" << 7.5;
        QTest::newRow("combo") << Fuente([] { return QComboBox().font(); }) << "Liberation Sans" << 7.5;
        QTest::newRow("menú") << Fuente([] { return QMenu().font(); }) << "Liberation Sans" << 7.5;
        QTest::newRow("encabezado de grilla")
            << Fuente([] { return QTableWidget(1, 1).horizontalHeader()->font(); }) << "Liberation Sans" << 7.5;
        // As the printer and the consistency list ask for it.
        QTest::newRow("Courier New de la impresora") << Fuente([] {
            QFont f(QStringLiteral("Courier New"));
            f.setStyleHint(QFont::Monospace);
            f.setPointSizeF(8);
            return f;
        }) << "Liberation Mono" << 8.0;
    }

    void fuente()
    {
        QFETCH(Fuente, fuente);
        QFETCH(QString, familia);
        QFETCH(double, puntos);
        const QFont f = fuente();
        QCOMPARE(QFontInfo(f).family(), familia);
        QCOMPARE(f.pointSizeF(), puntos);
    }
};

QTEST_MAIN(TstFuente)
#include "tst_fuente.moc"
