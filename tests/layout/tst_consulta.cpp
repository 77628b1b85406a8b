// Loading a declaration for printing: box values and answers as stored, the
// composed names whatever the row order, the annex set from the rows of the
// fiscal year, and the cheque payment of the header.
#include "../support/testdb.h"
#include "layout/core/consulta.h"
#include "shell/core/errorejecucion.h"
#include <QRegularExpression>
#include <QtTest>

namespace {

const QString kRuc = QStringLiteral("20100070970");

struct Base {
    testdb::Entorno env;
    std::shared_ptr<Database> db = env.abrir();

    DatosImpresion datos(bool enviada = false, const QString &correl = QString()) const
    {
        DatosImpresion d;
        d.sRuc = kRuc;
        d.sPeriodo = QStringLiteral("1998");
        d.sFormulario = QStringLiteral("0951");
        d.bGl_recti = enviada;
        d.sCORREL = correl;
        return d;
    }
    void det(const QString &casilla, const QVariant &valor)
    {
        db->exec(QStringLiteral("INSERT INTO DET (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, Casilla, i_valor)"
                                " VALUES (?, 6, '1998', '0951', ?, ?)"),
                 {kRuc, casilla, valor});
    }
    void hdet(const QString &correl, const QString &casilla, const QVariant &valor)
    {
        db->exec(QStringLiteral("INSERT INTO HDET (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, CORREL, Casilla, i_valor)"
                                " VALUES (?, 6, '1998', '0951', ?, ?, ?)"),
                 {kRuc, correl, casilla, valor});
    }
    void acta(const QString &tabla, const QString &correl, const QString &perPag, const QString &tipo)
    {
        if (tabla == QLatin1String("ACTA"))
            db->exec(QStringLiteral("INSERT INTO ACTA (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, per_pag, tipo_asist)"
                                    " VALUES (?, 6, '1998', '0951', ?, ?)"),
                     {kRuc, perPag, tipo});
        else
            db->exec(QStringLiteral("INSERT INTO HACTA (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, CORREL, per_pag,"
                                    " tipo_asist) VALUES (?, 6, '1998', '0951', ?, ?, ?)"),
                     {kRuc, correl, perPag, tipo});
    }
    void cab(const QString &tabla, const QString &correl, const QVariant &banco, const QVariant &cheque)
    {
        if (tabla == QLatin1String("CAB"))
            db->exec(QStringLiteral("INSERT INTO CAB (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, bcolibrad, nrocheque)"
                                    " VALUES (?, 6, '1998', '0951', ?, ?)"),
                     {kRuc, banco, cheque});
        else
            db->exec(QStringLiteral("INSERT INTO HCAB (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, CORREL, bcolibrad,"
                                    " nrocheque) VALUES (?, 6, '1998', '0951', ?, ?, ?)"),
                     {kRuc, correl, banco, cheque});
    }
};

int fErrorDe(const std::function<void()> &f)
{
    try {
        f();
    } catch (const ErrorEjecucion &e) {
        return e.numero;
    }
    return 0;
}

} // namespace

class TstConsulta : public QObject {
    Q_OBJECT
private slots:
    void sinFilas()
    {
        Base b;
        DatosImpresion d = b.datos();
        pConsulta(d, *b.db);
        for (const QString &v : d.aValorCasilla)
            QVERIFY(v.isEmpty());
        for (const QString &v : d.aValorCasillaEsp)
            QVERIFY(v.isEmpty());
        for (const QString &v : {d.sTelefono, d.sNombreContador, d.sNombreRepresentante, d.sExonerado, d.sAgraria,
                                 d.sIEAN, d.sAnexo, d.sConvenio, d.sDomiciliado, d.sNumOrdenRectificada, d.sTipoAnexo})
            QVERIFY(v.isEmpty());
    }

    void valoresComoSeGuardaron()
    {
        Base b;
        const QList<QPair<QString, QVariant>> filas = {
            {"002", kRuc}, {"005", "123456"}, {"028", "4421234"}, {"100", "1500"}, {"101", "-20"},
            {"113", QVariant()}, {"200", "19981209"}, {"514", "7"}, {"721", "2.0"}, {"987", "C"},
            {"988", "1"}, {"989", "1"}, {"990", "0"}, {"991", "1"}, {"992", "30"}, {"993", "0"},
            {"994", "1"}, {"995", "0"}, {"996", "LUNA"}, {"997", "ANA"}, {"998", "PEREZ"}, {"999", "JUAN"}};
        for (const auto &f : filas)
            b.det(f.first, f.second);
        DatosImpresion d = b.datos();
        pConsulta(d, *b.db);
        QCOMPARE(d.casilla(2), kRuc);
        QCOMPARE(d.casilla(5), QStringLiteral("123456"));
        QCOMPARE(d.casilla(28), QStringLiteral("4421234"));
        QCOMPARE(d.casilla(100), QStringLiteral("1500"));
        QCOMPARE(d.casilla(101), QStringLiteral("-20"));
        QCOMPARE(d.casilla(113), QString());   // a Null value prints empty
        QCOMPARE(d.casilla(200), QStringLiteral("19981209"));
        QCOMPARE(d.casilla(514), QStringLiteral("7"));
        QCOMPARE(d.esp(987), QStringLiteral("C"));
        QCOMPARE(d.esp(989), QString());   // read and dropped
        QCOMPARE(d.esp(992), QString());
        QCOMPARE(d.sTelefono, QStringLiteral("4421234"));
        QCOMPARE(d.sNumOrdenRectificada, QStringLiteral("123456"));
        QCOMPARE(d.sDomiciliado, QStringLiteral("1"));
        QCOMPARE(d.sAnexo, QStringLiteral("0"));
        QCOMPARE(d.sIEAN, QStringLiteral("1"));
        QCOMPARE(d.sAgraria, QStringLiteral("0"));
        QCOMPARE(d.sConvenio, QStringLiteral("1"));
        QCOMPARE(d.sExonerado, QStringLiteral("0"));
        QCOMPARE(d.sNombreContador, QStringLiteral("PEREZ JUAN"));
        QCOMPARE(d.sNombreRepresentante, QStringLiteral("LUNA ANA"));
        for (int i = 1; i < d.aValorCasilla.size(); ++i)
            if (d.casilla(i) == QLatin1String("2.0"))
                QFAIL(qPrintable(QStringLiteral("721 en la casilla %1").arg(i)));
    }

    // Rows of a sent declaration come back in the order they were stored.
    void nombres_data()
    {
        QTest::addColumn<QStringList>("filas");   // "code=value", in stored order
        QTest::addColumn<QString>("contador");
        QTest::addColumn<QString>("representante");
        QTest::newRow("en el orden de la grabacion")
            << QStringList{"998=PEREZ", "999=JUAN", "996=LUNA", "997=ANA"} << "PEREZ JUAN" << "LUNA ANA";
        QTest::newRow("nombres antes que apellidos")
            << QStringList{"999=JUAN", "997=ANA", "998=PEREZ", "996=LUNA"} << "PEREZ JUAN" << "LUNA ANA";
        QTest::newRow("sin apellidos") << QStringList{"999=JUAN", "997=ANA"} << " JUAN" << " ANA";
        QTest::newRow("sin nombres") << QStringList{"998=PEREZ", "996=LUNA"} << "" << "";
    }
    void nombres()
    {
        QFETCH(QStringList, filas);
        QFETCH(QString, contador);
        QFETCH(QString, representante);
        Base b;
        for (const QString &f : filas)
            b.hdet(QStringLiteral("1"), f.section('=', 0, 0), f.section('=', 1));
        QStringList leidas;
        for (const QSqlRecord &r : b.db->select(QStringLiteral("SELECT Casilla FROM HDET")))
            leidas << r.value(0).toString();
        QCOMPARE(leidas.join(','), filas.join(',').remove(QRegularExpression(QStringLiteral("=[A-Z]*"))));
        DatosImpresion d = b.datos(true, QStringLiteral("1"));
        pConsulta(d, *b.db);
        QCOMPARE(d.sNombreContador, contador);
        QCOMPARE(d.sNombreRepresentante, representante);
    }

    // Two sends of one declaration print apart.
    void enviadaPorCorrel()
    {
        Base b;
        b.hdet(QStringLiteral("1"), QStringLiteral("100"), QStringLiteral("111"));
        b.hdet(QStringLiteral("2"), QStringLiteral("100"), QStringLiteral("222"));
        b.hdet(QStringLiteral("1"), QStringLiteral("028"), QStringLiteral("1111111"));
        b.det(QStringLiteral("100"), QStringLiteral("999"));
        b.acta(QStringLiteral("HACTA"), QStringLiteral("1"), QStringLiteral("199801"), QStringLiteral("3"));
        b.acta(QStringLiteral("HACTA"), QStringLiteral("2"), QStringLiteral("199804"), QStringLiteral("2"));
        DatosImpresion d = b.datos(true, QStringLiteral("2"));
        pConsulta(d, *b.db);
        QCOMPARE(d.casilla(100), QStringLiteral("222"));
        QCOMPARE(d.sTelefono, QString());
        QCOMPARE(d.sTipoAnexo, QStringLiteral("117y128"));
        d.sCORREL = QStringLiteral("1");
        pConsulta(d, *b.db);
        QCOMPARE(d.casilla(100), QStringLiteral("111"));
        QCOMPARE(d.sTipoAnexo, QStringLiteral("131"));
        DatosImpresion guardada = b.datos();
        pConsulta(guardada, *b.db);
        QCOMPARE(guardada.casilla(100), QStringLiteral("999"));
        QCOMPARE(guardada.sTipoAnexo, QString());
    }

    void tipoAnexo_data()
    {
        QTest::addColumn<QStringList>("filas");   // "per_pag:tipo_asist"
        QTest::addColumn<QString>("tipo");
        QTest::newRow("sin filas") << QStringList{} << "";
        QTest::newRow("tipo 1") << QStringList{"199804:1", "199805:1"} << "120y128";
        QTest::newRow("tipo 2") << QStringList{"199804:2"} << "117y128";
        QTest::newRow("tipo 3") << QStringList{"199801:3", "199903:3"} << "131";
        QTest::newRow("tipo en blanco") << QStringList{"199801: "} << "";
        QTest::newRow("tipo 4") << QStringList{"199801:4"} << "";
        QTest::newRow("solo meses de 1999") << QStringList{"199901:3", "199902:3", "199903:3"} << "";
    }
    void tipoAnexo()
    {
        QFETCH(QStringList, filas);
        QFETCH(QString, tipo);
        Base b;
        for (const QString &f : filas)
            b.acta(QStringLiteral("ACTA"), QString(), f.section(':', 0, 0), f.section(':', 1));
        DatosImpresion d = b.datos();
        d.sTipoAnexo = QStringLiteral("131");   // a value of an earlier run does not stay
        pConsulta(d, *b.db);
        QCOMPARE(d.sTipoAnexo, tipo);
    }

    void codigoSinLugar_data()
    {
        QTest::addColumn<QString>("casilla");
        QTest::addColumn<int>("numero");
        QTest::newRow("600") << "600" << 9;
        QTest::newRow("000") << "000" << 9;
        QTest::newRow("letras") << "ABC" << 13;
        QTest::newRow("mas de 16 bits") << "40000" << 6;
    }
    void codigoSinLugar()
    {
        QFETCH(QString, casilla);
        QFETCH(int, numero);
        Base b;
        b.det(casilla, QStringLiteral("1"));
        DatosImpresion d = b.datos();
        QCOMPARE(fErrorDe([&] { pConsulta(d, *b.db); }), numero);
    }

    void cargaPago_data()
    {
        QTest::addColumn<QString>("tabla");
        QTest::addColumn<QVariant>("banco");
        QTest::addColumn<QVariant>("cheque");
        QTest::addColumn<bool>("resultado");
        QTest::addColumn<QString>("codigoBanco");
        QTest::addColumn<QString>("numeroCheque");
        QTest::newRow("efectivo") << "CAB" << QVariant(" ") << QVariant("") << false << "" << "";
        QTest::newRow("cheque") << "CAB" << QVariant("02") << QVariant("123456") << true << "02" << "123456";
        QTest::newRow("banco nulo") << "CAB" << QVariant() << QVariant("123456") << false << "" << "";
        QTest::newRow("cheque nulo") << "CAB" << QVariant("02") << QVariant() << true << "02" << "";
        QTest::newRow("cheque enviado") << "HCAB" << QVariant("05") << QVariant("987") << true << "05" << "987";
    }
    void cargaPago()
    {
        QFETCH(QString, tabla);
        QFETCH(QVariant, banco);
        QFETCH(QVariant, cheque);
        QFETCH(bool, resultado);
        QFETCH(QString, codigoBanco);
        QFETCH(QString, numeroCheque);
        Base b;
        b.cab(tabla, QStringLiteral("2"), banco, cheque);
        // Another send of the same declaration paid otherwise.
        b.cab(QStringLiteral("HCAB"), QStringLiteral("1"), QStringLiteral("09"), QStringLiteral("555"));
        DatosImpresion d = b.datos(tabla == QLatin1String("HCAB"), QStringLiteral("2"));
        QCOMPARE(fCargaPago(d, *b.db), resultado);
        QCOMPARE(d.sCodigoBanco, codigoBanco);
        QCOMPARE(d.sNumeroCheque, numeroCheque);
    }

    // A bank found before stays: a later header in cash does not clear it.
    void cargaPagoConserva()
    {
        Base b;
        b.cab(QStringLiteral("CAB"), QString(), QStringLiteral(" "), QString());
        DatosImpresion d = b.datos();
        d.sCodigoBanco = QStringLiteral("02");
        d.sNumeroCheque = QStringLiteral("1");
        QVERIFY(fCargaPago(d, *b.db));
        QCOMPARE(d.sNumeroCheque, QStringLiteral("1"));
    }
};

QTEST_APPLESS_MAIN(TstConsulta)
#include "tst_consulta.moc"
