// The annex tables without their windows: what each calculator shows for the
// amounts typed and the factors in force, and the ACTA rows it stores. The
// factors are those of tests/fixtures/annexes/fac.txt.
#include "annexes/core/asistenteanexo.h"
#include "declaration/core/casillas/codigosdeclaracion.h"
#include "shell/core/modglobal.h"
#include "../declaration/persistencia/comunpersist.h"
#include "comunanexos.h"
#include <QtTest>

using namespace comunanexos;

namespace {

const DefinicionAsistente &definicion(const QString &nombre)
{
    if (nombre == QLatin1String("117"))
        return DefinicionAsistente::anexo117();
    if (nombre == QLatin1String("120"))
        return DefinicionAsistente::anexo120();
    if (nombre == QLatin1String("131"))
        return DefinicionAsistente::anexo131();
    return DefinicionAsistente::anexo131A();
}

// A calculator loaded as its window would load it.
std::unique_ptr<AsistenteAnexo> abrir(const QString &nombre, AsistenteAnexo::Entrada e)
{
    auto a = std::make_unique<AsistenteAnexo>(definicion(nombre), std::make_shared<FuenteAnexosBd>(false), true);
    if (e.ruc.isEmpty())
        e.ruc = kRuc;
    a->pCargar(e);
    return a;
}

AsistenteAnexo::Entrada entrada(const QString &c332 = QString(), const QString &c333 = QString(),
                                const QString &ieAN = QString(), const QString &anexo = QString(), int accion = 1)
{
    AsistenteAnexo::Entrada e;
    e.ruc = kRuc;
    e.iAccion = accion;
    e.casilla332 = c332;
    e.casilla333 = c333;
    e.optIEAN = ieAN;
    e.optAnexo = anexo;
    return e;
}

// A cell entered, typed over and left, as the user does it.
void teclear(AsistenteAnexo &a, int mes, int columna, const QString &texto)
{
    a.pAlEntrar(mes, columna);
    a.setCelda(mes, columna, texto);
    a.pAlSalir(mes, columna);
}

// One column of the table, month by month.
QStringList columna(const AsistenteAnexo &a, int c)
{
    QStringList l;
    for (int m = a.definicion().primerMes; m <= a.definicion().ultimoMes; ++m)
        l << a.celda(m, c);
    return l;
}

QStringList fila(const AsistenteAnexo &a, int mes)
{
    QStringList l;
    for (int c = 0; c < a.definicion().columnas.size(); ++c)
        l << a.celda(mes, c);
    return l;
}

void guardarCasilla(const QString &casilla, const QString &valor)
{
    if (!valor.isEmpty())
        gdbBase->exec(QStringLiteral("INSERT INTO DET (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, Casilla, i_valor)"
                                     " VALUES (?, 6, '1998', '0951', ?, ?)"),
                      {kRuc, casilla, valor});
}

// The stored rows without their control codes.
QStringList sinCodigo(const QStringList &filas)
{
    QStringList l;
    for (const QString &f : filas)
        l << f.section(QLatin1Char(' '), 0, -2);
    return l;
}

} // namespace

class TstAsistenteAnexo : public QObject {
    Q_OBJECT
    std::unique_ptr<testdb::Entorno> m_env;
    std::shared_ptr<Database> m_db;

private slots:
    void init()
    {
        QVERIFY(comunpersist::iniciar(m_env, m_db));
        QCOMPARE(cargarFac(*m_db), 22);
    }

    void cleanup()
    {
        m_db->setFaultHook({});
        comunpersist::terminar(m_env, m_db);
    }

    // Boxes 117 and 120: April 1,000, May 1,250, July 500 and December 2,000
    // typed. With the IEAN factors: 1,000 x 1.1; 1,250 x 1.05 = 1,312.5,
    // shown 1,313; July has no FAC row (0); 2,000 x 0.9.
    void mensuales_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QString>("c332");
        QTest::addColumn<QString>("c333");
        QTest::addColumn<QString>("det332");
        QTest::addColumn<QString>("det333");
        QTest::addColumn<QStringList>("actual");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QStringList>("factores");

        const QStringList sinFactor{"1,000", "1,250", "", "500", "", "", "", "", "2,000"};
        const QStringList conFactor{"1,100", "1,313", "", "0", "", "", "", "", "1,800"};
        const QStringList uno(9, "1");
        const QStringList fac{"1.1", "1.05", "1.2", "0", "1", "1", "1", "1", "0.9"};
        for (const QString v : {"117", "120"}) {
            const QByteArray n = v.toLatin1();
            QTest::newRow(n + " sin factores") << v << "" << "" << "" << "" << sinFactor << "4,750" << uno;
            QTest::newRow(n + " 332 tecleada y grabada") << v << "1,000" << "" << "1000" << "" << conFactor << "4,213" << fac;
            QTest::newRow(n + " 332 tecleada sin grabar") << v << "1,000" << "" << "" << "" << conFactor << "4,213" << uno;
            QTest::newRow(n + " 332 grabada y borrada") << v << "" << "" << "2000" << "" << sinFactor << "4,750" << fac;
        }
        QTest::newRow("117 solo 333, negativa") << "117" << "" << "(500)" << "" << "-500" << conFactor << "4,213" << fac;
        QTest::newRow("117 332 negativa") << "117" << "(1,000)" << "" << "-1000" << "" << sinFactor << "4,750" << uno;
    }

    void mensuales()
    {
        QFETCH(QString, ventana);
        QFETCH(QString, c332);
        QFETCH(QString, c333);
        QFETCH(QString, det332);
        QFETCH(QString, det333);
        QFETCH(QStringList, actual);
        QFETCH(QString, total);
        QFETCH(QStringList, factores);
        guardarCasilla("332", det332);
        guardarCasilla("333", det333);

        auto a = abrir(ventana, entrada(c332, c333));
        QCOMPARE(a->total(), QString());
        teclear(*a, 4, 0, "1000");
        teclear(*a, 5, 0, "1250");
        teclear(*a, 7, 0, "500");
        teclear(*a, 12, 0, "2000");
        QCOMPARE(columna(*a, 0), (QStringList{"1,000", "1,250", "", "500", "", "", "", "", "2,000"}));
        QCOMPARE(columna(*a, 1), actual);
        QCOMPARE(a->total(), total);

        a->pGrabar(*m_db);
        const QStringList montos{"1000", "1250", "_", "500", "_", "_", "_", "_", "2000"};
        QStringList esperadas;
        for (int m = 4; m <= 12; ++m) {
            const QString per = QStringLiteral("1998%1").arg(m, 2, 10, QLatin1Char('0'));
            esperadas << (ventana == "117" ? "2 " + per + " ~ ~ ~ ~ ~ " + montos[m - 4]
                                           : "1 " + per + " ~ ~ ~ ~ " + montos[m - 4] + " ~")
                             + " " + factores[m - 4];
        }
        QCOMPARE(sinCodigo(filasActa(*m_db)), esperadas);
        QCOMPARE(a->fTotal(), QString(total).remove(QLatin1Char(',')).toDouble());
    }

    // Boxes 128 and 131: January 100 + 200 + 300 + 400, May 2,000 paid,
    // January 1999 500 and February 1999 100. With the factors of the
    // payments on account: 1,000 x 1.1; 2,000 x 1.05; 500 x 1.02;
    // February 1999 has no FAC row.
    void pagosACuenta_data()
    {
        QTest::addColumn<QString>("ieAN");
        QTest::addColumn<QString>("anexo");
        QTest::addColumn<QString>("c332");
        QTest::addColumn<QString>("det332");
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("actual");   // months 1, 5, 13, 14
        QTest::addColumn<QString>("total");
        QTest::addColumn<QStringList>("factores");  // stored, months 1, 5, 13, 14

        const QStringList sinFactor{"1,000", "2,000", "500", "100"};
        const QStringList conFactor{"1,100", "2,100", "510", "0"};
        QTest::newRow("131 sin IEAN") << "0" << "" << "" << "" << "3" << "Asistente de Cálculo de Casilla 131"
                                      << sinFactor << "3,600" << QStringList{"1", "1", "1", "1"};
        QTest::newRow("128 IEAN sin anexo") << "1" << "0" << "" << "" << "2" << "Asistente de Cálculo de Casilla 128"
                                            << sinFactor << "3,600" << QStringList{"1", "1", "1", "1"};
        QTest::newRow("131 con factores") << "0" << "" << "1,000" << "1000" << "3" << "Asistente de Cálculo de Casilla 131"
                                          << conFactor << "3,710" << QStringList{"1.1", "1.05", "1.02", "0"};
        QTest::newRow("128 factores tecleados sin grabar")
            << "1" << "0" << "1,000" << "" << "2" << "Asistente de Cálculo de Casilla 128" << conFactor << "3,710"
            << QStringList{"1", "1", "1", "1"};
    }

    void pagosACuenta()
    {
        QFETCH(QString, ieAN);
        QFETCH(QString, anexo);
        QFETCH(QString, c332);
        QFETCH(QString, det332);
        QFETCH(QString, tipo);
        QFETCH(QString, caption);
        QFETCH(QStringList, actual);
        QFETCH(QString, total);
        QFETCH(QStringList, factores);
        guardarCasilla("332", det332);

        auto a = abrir("131", entrada(c332, QString(), ieAN, anexo));
        QCOMPARE(a->sTipoAsist(), tipo);
        QCOMPARE(a->caption(), caption);
        teclear(*a, 1, 0, "100");
        teclear(*a, 1, 1, "200");
        teclear(*a, 1, 2, "300");
        teclear(*a, 1, 3, "400");
        teclear(*a, 5, 3, "2000");
        teclear(*a, 13, 3, "500");
        teclear(*a, 14, 3, "100");
        const QList<int> meses{1, 5, 13, 14};
        QStringList totales, actuales;
        for (int m : meses) {
            totales << a->celda(m, 4);
            actuales << a->celda(m, 5);
        }
        QCOMPARE(totales, (QStringList{"1,000", "2,000", "500", "100"}));
        QCOMPARE(actuales, actual);
        QCOMPARE(a->celda(2, 4), QString());   // never touched
        QCOMPARE(a->total(), total);

        a->pGrabar(*m_db);
        const QStringList filas = sinCodigo(filasActa(*m_db));
        QCOMPARE(filas.size(), 15);
        QCOMPARE(filas[0], tipo + " 199801 100 200 300 400 ~ ~ " + factores[0]);
        QCOMPARE(filas[1].section(' ', 0, 7), tipo + " 199802 _ _ _ _ ~ ~");
        QCOMPARE(filas[4], tipo + " 199805 _ _ _ 2000 ~ ~ " + factores[1]);
        QCOMPARE(filas[12], tipo + " 199901 _ _ _ 500 ~ ~ " + factores[2]);
        QCOMPARE(filas[13], tipo + " 199902 _ _ _ 100 ~ ~ " + factores[3]);
    }

    // A pasted minus sign: the months keep their sign, the grand total of
    // boxes 128 and 131 never shows less than 0; that of 117 does.
    void totalNegativo_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<int>("columnaMonto");
        QTest::addColumn<QString>("total");
        QTest::newRow("131") << "131" << 3 << "0";
        QTest::newRow("131A") << "131A" << 3 << "0";
        QTest::newRow("117") << "117" << 0 << "-4,000";
    }

    void totalNegativo()
    {
        QFETCH(QString, ventana);
        QFETCH(int, columnaMonto);
        QFETCH(QString, total);
        auto a = abrir(ventana, entrada(QString(), QString(), "0"));
        a->setCelda(5, columnaMonto, "-5000");
        a->setCelda(6, columnaMonto, "1000");
        QCOMPARE(a->celda(5, a->definicion().columnaActual), QString("-5,000"));
        QCOMPARE(a->total(), total);
        QCOMPARE(a->fTotal(), QString(total).remove(QLatin1Char(',')).toDouble());
    }

    // Rows of every type before the save: only the calculator's type stays,
    // other months of it included; another taxpayer's rows are not touched.
    void tiposYRemocion_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QString>("ieAN");
        QTest::addColumn<QString>("anexo");
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<int>("filas");
        QTest::addColumn<QString>("conservada");
        QTest::newRow("117") << "117" << "1" << "0" << "2" << 10 << "2 199903 ~ ~ ~ 4 ~ ~";
        QTest::newRow("120") << "120" << "1" << "1" << "1" << 10 << "1 199801 1 ~ ~ ~ ~ ~";
        QTest::newRow("131 sin IEAN") << "131" << "0" << "" << "3" << 15 << "3 199805 _ _ _ 5 ~ ~";
        QTest::newRow("128 IEAN sin anexo") << "131" << "1" << "0" << "2" << 15 << "2 199812 _ _ _ _ ~ 3";
        QTest::newRow("128 IEAN con anexo") << "131A" << "1" << "1" << "1" << 15 << "1 199804 _ _ _ _ 2 ~";
    }

    void tiposYRemocion()
    {
        QFETCH(QString, ventana);
        QFETCH(QString, ieAN);
        QFETCH(QString, anexo);
        QFETCH(QString, tipo);
        QFETCH(int, filas);
        QFETCH(QString, conservada);
        insertarActa(*m_db, "199801", "1", {"saluti=1"});
        insertarActa(*m_db, "199804", "1", {"pago_iean_r=2"});
        insertarActa(*m_db, "199812", "2", {"pago_iean=3"});
        insertarActa(*m_db, "199903", "2", {"pago_r=4"});
        insertarActa(*m_db, "199805", "3", {"pago_r=5"});
        insertarActa(*m_db, "199805", "3", {"pago_r=6"}, "20999999999");

        auto a = abrir(ventana, entrada(QString(), QString(), ieAN, anexo));
        a->pGrabar(*m_db);
        const QStringList guardadas = filasActa(*m_db);
        QCOMPARE(guardadas.size(), filas);
        for (const QString &f : guardadas)
            QCOMPARE(f.left(1), tipo);
        QVERIFY2(sinCodigo(sinCodigo(guardadas)).contains(conservada), qPrintable(guardadas.join('\n')));
        QCOMPARE(filasActa(*m_db, "ACTA", "20999999999"), QStringList{"3 199805 ~ ~ ~ 6 ~ ~ ~ ~"});
    }

    // Two calculators of one type share April to December: each keeps the
    // other's columns; FACTOR and the code are those of the last to save
    // (stored box 332 positive: 1.1 for the IEAN of April, 1.05 for the
    // payments of April).
    void dosCalculadorasDeUnTipo_data()
    {
        QTest::addColumn<QString>("primera");
        QTest::addColumn<QString>("segunda");
        QTest::addColumn<QString>("anexo");
        QTest::addColumn<QString>("fila");
        QTest::newRow("131 y luego 117") << "131" << "117" << "0" << "2 199804 10 20 30 40 ~ 1000 1.1";
        QTest::newRow("117 y luego 131") << "117" << "131" << "0" << "2 199804 10 20 30 40 ~ 1000 1.05";
        QTest::newRow("131A y luego 120") << "131A" << "120" << "1" << "1 199804 10 20 30 40 1000 ~ 1.1";
        QTest::newRow("120 y luego 131A") << "120" << "131A" << "1" << "1 199804 10 20 30 40 1000 ~ 1.05";
    }

    void dosCalculadorasDeUnTipo()
    {
        QFETCH(QString, primera);
        QFETCH(QString, segunda);
        QFETCH(QString, anexo);
        QFETCH(QString, fila);
        guardarCasilla("332", "5000");
        for (const QString &v : {primera, segunda}) {
            auto a = abrir(v, entrada("5,000", QString(), "1", anexo));
            if (a->definicion().columnas.size() == 2) {
                teclear(*a, 4, 0, "1000");
            } else {
                for (int c = 0; c < 4; ++c)
                    teclear(*a, 4, c, QString::number(10 * (c + 1)));
            }
            a->pGrabar(*m_db);
        }
        QVERIFY(sinCodigo(filasActa(*m_db)).contains(fila));
        // Opened again, each shows what it stored.
        auto a = abrir(primera, entrada("5,000", QString(), "1", anexo));
        QCOMPARE(a->celda(4, 0), primera == "131" || primera == "131A" ? QString("10") : QString("1,000"));
    }

    // Box 128 with the IEAN split: the IEAN of each month comes from the rows
    // the box-120 calculator stored, from April 1998 on. Factors apply
    // (January 1.1, May 1.05, June 1.04, January 1999 1.02).
    void divisionIean()
    {
        insertarActa(*m_db, "199801", "1", {"saluti=200", "pago_iean_r=50"});
        insertarActa(*m_db, "199805", "1", {"pago_iean_r=300"});
        insertarActa(*m_db, "199806", "1", {"pago_iean_r=400"});
        insertarActa(*m_db, "199901", "1", {"pago_r=500", "pago_iean_r=70"});
        auto a = abrir("131A", entrada("1,000", QString(), "1", "1"));

        // January: the stored IEAN shows and is subtracted, though the month's
        // own IEAN is 0: 200 - 50 = 150, x 1.1.
        QCOMPARE(fila(*a, 1), (QStringList{"200", "", "", "", "200", "50", "150", "165"}));
        QCOMPARE(a->aMontoIEAN(1), 0.0);
        // Only the IEAN stored: no row total, the IEAN negative (x 1.05, x 1.04).
        QCOMPARE(fila(*a, 5), (QStringList{"", "", "", "", "", "300", "-300", "-315"}));
        QCOMPARE(fila(*a, 6), (QStringList{"", "", "", "", "", "400", "-400", "-416"}));
        // January 1999 takes its IEAN too: 500 - 70 = 430, x 1.02 = 438.6.
        QCOMPARE(fila(*a, 13), (QStringList{"", "", "", "500", "500", "70", "430", "439"}));
        QCOMPARE(a->aMontoIEAN(13), 70.0);
        // 165 - 315 - 416 + 439 < 0.
        QCOMPARE(a->total(), QString("0"));

        // May: 1,000 less the 300 of IEAN, x 1.05.
        teclear(*a, 5, 3, "1000");
        QCOMPARE(fila(*a, 5), (QStringList{"", "", "", "1,000", "1,000", "300", "700", "735"}));
        QCOMPARE(a->total(), QString("923"));
        // January typed again: its IEAN is 0 now.
        teclear(*a, 1, 1, "100");
        QCOMPARE(fila(*a, 1), (QStringList{"200", "100", "", "", "300", "0", "300", "330"}));
        teclear(*a, 13, 2, "10");
        QCOMPARE(fila(*a, 13), (QStringList{"", "", "10", "500", "510", "70", "440", "449"}));
        // 330 + 735 - 416 + 449.
        QCOMPARE(a->total(), QString("1,098"));

        a->pGrabar(*m_db);
        const QStringList filas = sinCodigo(filasActa(*m_db));
        QCOMPARE(filas.size(), 15);
        QCOMPARE(filas[0], QString("1 199801 200 100 _ _ 50 ~ 1"));
        QCOMPARE(filas[4], QString("1 199805 _ _ _ 1000 300 ~ 1"));
        QCOMPARE(filas[5], QString("1 199806 _ _ _ _ 400 ~ 1"));
        QCOMPARE(filas[12], QString("1 199901 _ _ 10 500 70 ~ 1"));
        QCOMPARE(a->fTotal(), 1098.0);
    }

    // The sliding frame of the IEAN split: 14 % of the inner width right of
    // its place at 0, 1 % per step to the left after.
    void marcoDeslizante_data()
    {
        QTest::addColumn<int>("valor");
        QTest::addColumn<double>("izquierda");
        QTest::newRow("0") << 0 << 1314.6;
        QTest::newRow("1") << 1 << -93.9;
        QTest::newRow("15") << 15 << -1408.5;
    }

    void marcoDeslizante()
    {
        QFETCH(int, valor);
        QFETCH(double, izquierda);
        QVERIFY(qAbs(fIzquierdaMarcoDeslizante(valor, 9390) - izquierda) < 1e-9);
    }

    // Record control codes: the key summed (RUC + 6 + 1998 + 951 + PER_PAG),
    // the other columns but the last by their character codes times their
    // places. 20100070970 + 6 + 1998 + 951 = 20100073925.
    void codigosControl_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QString>("anexo");
        QTest::addColumn<QString>("det332");
        QTest::addColumn<int>("mes");
        QTest::addColumn<QStringList>("montos");
        QTest::addColumn<QString>("codigo");
        // 20100073925 + 199804 -> 729; "1000" 49 + 2x48 + 3x48 + 4x48 = 481,
        // type "2" 50, FACTOR "1" 49: 580.
        QTest::newRow("117") << "117" << "0" << "" << 4 << QStringList{"1000"} << "729580";
        // 20100073925 + 199805 -> 730; "800" 56 + 96 + 144 = 296, "1" 49,
        // FACTOR "1.05" 49 + 2x46 + 3x48 + 4x53 = 497: 842.
        QTest::newRow("120") << "120" << "1" << "1000" << 5 << QStringList{"800"} << "730842";
        // 20100073925 + 199801 -> 726; "100" 289, "200" 290, "300" 291,
        // "400" 292, "3" 51, "1" 49: 1262.
        QTest::newRow("131") << "131" << "" << "" << 1 << QStringList{"100", "200", "300", "400"} << "726262";
        // The box-120 row of May edited: blanks 0, "1000" 481, its "300"
        // 51 + 96 + 144 = 291, "1" 49, FACTOR "1" 49: 870.
        QTest::newRow("131A sobre la fila del 120") << "131A" << "1" << "" << 5 << QStringList{"", "", "", "1000"} << "730870";
    }

    void codigosControl()
    {
        QFETCH(QString, ventana);
        QFETCH(QString, anexo);
        QFETCH(QString, det332);
        QFETCH(int, mes);
        QFETCH(QStringList, montos);
        QFETCH(QString, codigo);
        guardarCasilla("332", det332);
        insertarActa(*m_db, "199805", "1", {"pago_iean_r=300"});
        auto a = abrir(ventana, entrada(QString(), QString(), ventana == "131" ? "0" : "1", anexo));
        for (int c = 0; c < montos.size(); ++c)
            teclear(*a, mes, c, montos[c]);
        a->pGrabar(*m_db);
        const QString per = QStringLiteral("1998%1").arg(mes, 2, 10, QLatin1Char('0'));
        const QString guardado = m_db->scalar("SELECT cNumero FROM ACTA WHERE per_pag=? AND tipo_asist=?",
                                              {per, a->sTipoAsist()}).toString();
        QCOMPARE(guardado, codigo);
    }

    // The header a new declaration gets from a calculator: added when
    // missing, with cNumero "0"; a header the declaration window already
    // saved stays as it was; a declaration being modified is not touched.
    void cabecera_data()
    {
        QTest::addColumn<int>("accion");
        QTest::addColumn<QString>("previa");
        QTest::addColumn<QString>("esperada");
        QTest::newRow("nueva sin cabecera") << 0 << "" << "20100070970 6 1998 0951 ~ 0";
        QTest::newRow("nueva ya grabada") << 0 << "123456" << "20100070970 6 1998 0951 0 123456";
        QTest::newRow("modificada sin cabecera") << 1 << "" << "";
    }

    void cabecera()
    {
        QFETCH(int, accion);
        QFETCH(QString, previa);
        QFETCH(QString, esperada);
        if (!previa.isEmpty())
            m_db->exec("INSERT INTO CAB (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, estado, cNumero)"
                       " VALUES (?, 6, '1998', '0951', 0, ?)", {kRuc, previa});
        auto a = abrir("117", entrada(QString(), QString(), "1", "0", accion));
        a->pGrabar(*m_db);
        QStringList cab;
        for (const QSqlRecord &r : m_db->select("SELECT DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, estado, cNumero FROM CAB")) {
            QStringList c;
            for (int i = 0; i < r.count(); ++i)
                c << texto(r.value(i));
            cab << c.join(' ');
        }
        QCOMPARE(cab, esperada.isEmpty() ? QStringList() : QStringList{esperada});
    }

    // A save that fails at its last month row stores nothing: the rows of
    // every type and the missing header stay as they were.
    void falloEnLaUltimaFila_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<int>("escrituras");
        QTest::newRow("117") << "117" << 9;
        QTest::newRow("131") << "131" << 15;
    }

    void falloEnLaUltimaFila()
    {
        QFETCH(QString, ventana);
        QFETCH(int, escrituras);
        insertarActa(*m_db, "199804", "2", {"pago_iean=700"});
        insertarActa(*m_db, "199805", "3", {"pago_r=900"});
        insertarActa(*m_db, "199806", "1", {"pago_iean_r=100"});
        const QStringList antes = filasActa(*m_db);
        auto a = abrir(ventana, entrada(QString(), QString(), "1", "0", 0));
        teclear(*a, 4, 0, "1234");

        int n = 0;
        m_db->setFaultHook([&n, escrituras](const QString &sql) {
            if ((sql.startsWith("INSERT INTO ACTA") || sql.startsWith("UPDATE ACTA")) && ++n == escrituras)
                throw DbError(dberr::DiscoLleno, QStringLiteral("No hay espacio suficiente en el disco."));
        });
        QVERIFY_THROWS_EXCEPTION(DbError, a->pGrabar(*m_db));
        QCOMPARE(n, escrituras);
        QCOMPARE(filasActa(*m_db), antes);
        QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM CAB").toInt(), 0);

        // What was typed is still there, and a second try stores it.
        m_db->setFaultHook({});
        QCOMPARE(a->celda(4, 0), QString("1,234"));
        a->pGrabar(*m_db);
        QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM CAB").toInt(), 1);
        QVERIFY(filasActa(*m_db).filter(" 199804 ").first().contains(" 1234 "));
    }

    // Rows another writer left without amounts (the declaration window's
    // save adds the months of its type with their key only) show empty cells
    // and add nothing; a stored blank shows a blank cell whose updated amount
    // is 0.
    void columnasSinValor()
    {
        for (int m = 1; m <= 15; ++m)
            insertarActa(*m_db, QStringLiteral("%1%2").arg(m > 12 ? 1999 : 1998).arg(m > 12 ? m - 12 : m, 2, 10, QLatin1Char('0')),
                         "3", {});
        auto a = abrir("131", entrada(QString(), QString(), "0"));
        for (int c = 0; c < 6; ++c)
            QCOMPARE(columna(*a, c), QStringList(15, QString()));
        QCOMPARE(a->total(), QString());
        QCOMPARE(a->totalAlAbrir(), 0.0);
        a->pGrabar(*m_db);
        QCOMPARE(filasActa(*m_db).first().section(' ', 0, 7), QString("3 199801 _ _ _ _ ~ ~"));

        insertarActa(*m_db, "199804", "2", {"pago_iean=_"});
        auto b = abrir("117", entrada(QString(), QString(), "1", "0"));
        QCOMPARE(b->celda(4, 0), QString(" "));
        QCOMPARE(b->celda(4, 1), QString("0"));
        QCOMPARE(b->total(), QString("0"));
    }

    // The RUC is trimmed once: the rows are found, removed and written under
    // the same key.
    void rucRecortado()
    {
        insertarActa(*m_db, "199804", "2", {"pago_iean=700"});
        insertarActa(*m_db, "199804", "3", {"pago_r=900"});
        AsistenteAnexo::Entrada e = entrada(QString(), QString(), "1", "0");
        e.ruc = QStringLiteral("  ") + kRuc + QStringLiteral("  ");
        auto a = abrir("117", e);
        QCOMPARE(a->celda(4, 0), QString("700"));
        QCOMPARE(a->totalAlAbrir(), 700.0);
        a->pGrabar(*m_db);
        QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM ACTA WHERE DOC_ID_D=?", {kRuc}).toInt(), 9);
        QCOMPARE(m_db->scalar("SELECT COUNT(*) FROM ACTA").toInt(), 9);
    }

    // Entry rules of a typed cell.
    void reglasDeEntrada()
    {
        auto a = abrir("117", entrada());
        a->setCelda(4, 0, "1234567");
        a->pAlSalir(4, 0);
        QCOMPARE(a->celda(4, 0), QString("1,234,567"));
        a->pAlEntrar(4, 0);
        QCOMPARE(a->celda(4, 0), QString("1234567"));
        a->pAlSalir(4, 0);
        a->setCelda(5, 0, "");
        a->pAlSalir(5, 0);
        QCOMPARE(a->celda(5, 0), QString());
        for (int tecla : {int('a'), int('-'), int('.'), int(','), int(' '), 13})
            QCOMPARE(AsistenteAnexo::fTeclaImporte(tecla), 0);
        for (int tecla : {int('0'), int('9'), 8})
            QCOMPARE(AsistenteAnexo::fTeclaImporte(tecla), tecla);
    }
};

QTEST_GUILESS_MAIN(TstAsistenteAnexo)
#include "tst_asistenteanexo.moc"
