#include "common/codigocontrol.h"

#include "../support/localeajeno.h"

#include <QtTest>

namespace {
// A row as the writing code assigns it; names do not matter to the code.
Registro fila(const QVariantList &valores)
{
    Registro r;
    for (int i = 0; i < valores.size(); ++i)
        r.append({QStringLiteral("c%1").arg(i), valores.at(i)});
    return r;
}
const QVariant kNulo;
const QVariant kTextoNulo{QMetaType(QMetaType::QString)};
} // namespace

class TstCodigoControl : public QObject {
    Q_OBJECT

private slots:
    // The table again under a user's locale with another decimal point.
    void initTestCase_data()
    {
        QTest::addColumn<bool>("localeAjeno");
        QTest::newRow("C") << false;
        QTest::newRow(localeajeno::kNombre) << true;
    }
    void init()
    {
        QFETCH_GLOBAL(bool, localeAjeno);
        QString error;
        if (localeAjeno)
            QVERIFY2(localeajeno::poner(&error), qPrintable(error));
    }
    void cleanup()
    {
        localeajeno::quitar();
    }

    void codigo_data()
    {
        QTest::addColumn<QVariantList>("valores");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("esperado");

        const QVariantList det = {"20000000001", 6, "1998", "0951", "100", "1500", "01"};
        QTest::newRow("fila DET del ejemplo") << (det + QVariantList{""}) << 6 << "556146";
        QTest::newRow("cNumero distinto no cambia nada") << (det + QVariantList{"123456"}) << 6 << "556146";
        QTest::newRow("cNumero nulo no cambia nada") << (det + QVariantList{kNulo}) << 6 << "556146";
        QTest::newRow("importe negativo") << QVariantList{"20000000001", 6, "1998", "0951", "100", "-20000005000", "01", ""}
                                          << 6 << "944146";
        QTest::newRow("paréntesis y miles leídos como Val") << QVariantList{"(12)", "1,500", "01", ""} << 2 << "001146";

        const QVariantList cabFin = {" ", " ", "1500", " ", 0, 9, ""};
        QTest::newRow("fecha en la parte numérica")
            << (QVariantList{"20000000001", 6, "1998", "0951", QDate(1998, 12, 9)} + cabFin) << 5 << "165596";
        QTest::newRow("fecha como texto dd/mm/yyyy suma 0")
            << (QVariantList{"20000000001", 6, "1998", "0951", "09/12/1998"} + cabFin) << 5 << "956596";

        QTest::newRow("campos nulos, vacíos y lógicos")
            << QVariantList{kNulo, kTextoNulo, "5", kNulo, true, "01", ""} << 3 << "005146";
        QTest::newRow("sumas de menos de tres cifras") << QVariantList{"7", "A", ""} << 1 << "007065";
        QTest::newRow("fila ACTA con FACTOR decimal")
            << QVariantList{"20000000001", 6, "1998", "0951", "199804", "100", " ", " ", " ", " ", " ", kNulo, "2", 1.025, ""}
            << 5 << "760089";
        QTest::newRow("suma negativa pequeña") << QVariantList{"-7", "A", ""} << 1 << "007065";
        QTest::newRow("media se redondea hacia arriba") << QVariantList{"2.5", ""} << 1 << "003000";
        QTest::newRow("media negativa se aleja del cero") << QVariantList{"-2.5", ""} << 1 << "003000";
        QTest::newRow("quince cifras significativas antes de redondear")
            << QVariantList{"1025.4999999999998", ""} << 1 << "026000";
        QTest::newRow("suma de 16 cifras") << QVariantList{"1234567890123456", ""} << 1 << "460000";
        QTest::newRow("suma negativa de 16 cifras") << QVariantList{"-1234567890123456", ""} << 1 << "460000";
        QTest::newRow("suma de 17 cifras") << QVariantList{"12345678901234567", ""} << 1 << "600000";
        QTest::newRow("suma de 20 cifras") << QVariantList{"12345678901234567890", ""} << 1 << "000000";
        QTest::newRow("letra acentuada") << QVariantList{"PEÑA", ""} << 0 << "000105";
        QTest::newRow("euro de cp1252") << QVariantList{"€5", ""} << 0 << "000234";
        QTest::newRow("carácter fuera de cp1252 pesa como ?") << QVariantList{"aāb", ""} << 0 << "000517";
        QTest::newRow("texto de 128 caracteres, el mayor producto cabe")
            << QVariantList{QString(128, QChar(0xFF)), ""} << 0 << "000280";
    }
    void codigo()
    {
        QFETCH(QVariantList, valores);
        QFETCH(int, n);
        QFETCH(QString, esperado);
        QCOMPARE(fCodigoControl(fila(valores), n), esperado);
    }

    void productoFueraDeRango()
    {
        try {
            fCodigoControl(fila({QString(129, QChar(0xFF)), ""}), 0);
            QFAIL("the 16-bit product overflowed silently");
        } catch (const DbError &e) {
            QCOMPARE(e.number, 6);
        }
    }
};

QTEST_GUILESS_MAIN(TstCodigoControl)
#include "tst_codigocontrol.moc"
