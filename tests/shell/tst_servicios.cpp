#include "shell/core/modglobal.h"
#include "shell/core/servicios.h"
#include "../support/testdb.h"

#include <QtTest>

namespace {

// A PARAM '044' record: required length at 46-47, check kind at 128, length rule at 130.
QString registro044(const QString &largo, QChar marca, QChar regla)
{
    QString r = QStringLiteral("REG. UNICO DE CONTRIBUYENTES   RUC");
    r = r.leftJustified(45, QLatin1Char(' ')) + largo;
    r = r.leftJustified(127, QLatin1Char(' ')) + marca + QLatin1Char(' ') + regla;
    return r;
}

const QString kSinFila = QStringLiteral("<sin fila>");

} // namespace

class TstServicios : public QObject {
    Q_OBJECT
    std::unique_ptr<testdb::Entorno> m_env;

    Database &db() { return *gdbBase; }

    void agregarParam(const QString &argumento, const QString &funcion)
    {
        db().exec(QStringLiteral("INSERT INTO PARAM (NUMERO, ARGUMENTO, FUNCION) VALUES ('044', ?, ?)"),
                  {argumento, funcion});
    }

private slots:
    void init()
    {
        m_env = std::make_unique<testdb::Entorno>();
        QVERIFY(m_env->valido());
        gdbBase = m_env->abrir();
        Database &d = db();
        for (const QVariantList &c : QList<QVariantList>{{"ADMIN", "0"}, {"D'ANGELO", "1"}, {"NULO", QVariant()}})
            d.exec(QStringLiteral("INSERT INTO CLAVES (Usuario, Tipo) VALUES (?, ?)"), c);
        const QList<QVariantList> cont = {
            {6, "20000000002", "D'ANGELO", "BETA S.A.", 1},
            {6, "20000000001", "ADMIN", "ALFA S.A.", 1},
            {6, "12345678", "D'ANGELO", "RUC ANTIGUO", 1},
            {1, "07000000", "D'ANGELO", "PERSONA CON DNI", 1},
            {6, "20000000003", "d'angelo", "GAMMA S.R.L.", 2},
        };
        for (const QVariantList &c : cont)
            d.exec(QStringLiteral("INSERT INTO CONT (Tip_doc_d, Doc_id_d, Usuario, Nombre, Tipo_Ingreso) "
                                  "VALUES (?, ?, ?, ?, ?)"), c);
    }
    void cleanup()
    {
        gdbBase.reset();
        m_env.reset();
        gsUsuario.clear();
    }

    void tipoUsuario_data()
    {
        QTest::addColumn<QString>("usuario");
        QTest::addColumn<QString>("tipo");
        QTest::newRow("tipo 0") << "ADMIN" << "0";
        QTest::newRow("sin distinguir mayúsculas") << "admin" << "0";
        QTest::newRow("con apóstrofo") << "D'ANGELO" << "1";
        QTest::newRow("usuario sin fila") << "SINFILA" << "1";
        QTest::newRow("Tipo nulo") << "NULO" << "";
    }
    void tipoUsuario()
    {
        QFETCH(QString, usuario);
        QFETCH(QString, tipo);
        gsUsuario = usuario;
        QCOMPARE(fTipoUsuario(), tipo);
    }

    void descError()
    {
        db().exec(QStringLiteral("INSERT INTO ERROR (CodError, DescError) VALUES ('0151', ?), ('0152', NULL)"),
                  {QStringLiteral("La declaración se grabó sin inconsistencias")});
        QCOMPARE(fDescError(151), QStringLiteral("La declaración se grabó sin inconsistencias"));
        QCOMPARE(fDescError(152), QString());
        QCOMPARE(fDescError(999), QString());
    }

    void validaDocumento_data()
    {
        QTest::addColumn<QString>("funcion");   // the PARAM '044'/'6' record, or kSinFila
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<bool>("valido");
        const QString hasta11 = registro044("11", '0', '0');
        const QString exacto11 = registro044("11", '0', '1');
        const QString marcado = registro044("11", '5', '0');
        QTest::newRow("tipo sin fila en PARAM") << kSinFila << "6" << "20100070970" << false;
        QTest::newRow("tipo vacío") << hasta11 << " " << "20000000001" << false;
        QTest::newRow("número vacío") << hasta11 << "6" << "   " << false;
        QTest::newRow("regla 0: 11 cifras") << hasta11 << "6" << "20000000001" << true;
        QTest::newRow("regla 0: 10 cifras pasan") << hasta11 << "6" << "2000000000" << true;
        QTest::newRow("regla 0: 12 cifras fallan aunque el componente acepte") << hasta11 << "6" << "200000000011" << false;
        QTest::newRow("regla 0: letras las rechaza el componente") << hasta11 << "6" << "2000000000A" << false;
        QTest::newRow("tipo escrito 06") << hasta11 << "06" << "20000000001" << true;
        QTest::newRow("regla 1: 10 cifras fallan") << exacto11 << "6" << "2000000000" << false;
        QTest::newRow("regla 1: 11 cifras") << exacto11 << "6" << "20000000001" << true;
        QTest::newRow("marcado: dígito de control correcto") << marcado << "6" << "20100070970" << true;
        QTest::newRow("marcado: dígito de control errado") << marcado << "6" << "20100070971" << false;
        QTest::newRow("registro corto: regla y marca leen 0") << hasta11.left(47) << "6" << "2000000000" << true;
        QTest::newRow("registro corto: más largo falla") << hasta11.left(47) << "6" << "200000000011" << false;
    }
    void validaDocumento()
    {
        QFETCH(QString, funcion);
        QFETCH(QString, tipo);
        QFETCH(QString, numero);
        QFETCH(bool, valido);
        if (funcion != kSinFila)
            agregarParam(QStringLiteral("6"), funcion);
        QCOMPARE(fValidaDocumento(tipo, numero), valido);
    }

    void contribuyentes_data()
    {
        QTest::addColumn<QString>("usuario");
        QTest::addColumn<QString>("funcion");
        QTest::addColumn<QString>("formulario");
        QTest::addColumn<QStringList>("documentos");
        QTest::newRow("tipo 0 ve todos los RUC, registro propio sin filtro de largo")
            << "ADMIN" << kSinFila << "0951"
            << QStringList{"12345678", "20000000001", "20000000002", "20000000003"};
        QTest::newRow("otro tipo ve solo los suyos")
            << "D'ANGELO" << kSinFila << "0951" << QStringList{"12345678", "20000000002", "20000000003"};
        QTest::newRow("largo 11 exacto quita el RUC antiguo")
            << "D'ANGELO" << registro044("11", '0', '1') << "0951" << QStringList{"20000000002", "20000000003"};
        QTest::newRow("largo 11 como máximo no filtra")
            << "D'ANGELO" << registro044("11", '0', '0') << "0951"
            << QStringList{"12345678", "20000000002", "20000000003"};
        QTest::newRow("largo exacto distinto de 11 no filtra")
            << "D'ANGELO" << registro044("08", '0', '1') << "0951"
            << QStringList{"12345678", "20000000002", "20000000003"};
        QTest::newRow("formulario 0954: solo Tipo_Ingreso 2")
            << "D'ANGELO" << kSinFila << "0954" << QStringList{"20000000003"};
        QTest::newRow("usuario sin fila en CLAVES") << "SINFILA" << kSinFila << "0951" << QStringList{};
    }
    void contribuyentes()
    {
        QFETCH(QString, usuario);
        QFETCH(QString, funcion);
        QFETCH(QString, formulario);
        QFETCH(QStringList, documentos);
        if (funcion != kSinFila)
            agregarParam(QStringLiteral("6"), funcion);
        gsUsuario = usuario;
        const Consulta c = fSqlContribuyentes(formulario);
        QVERIFY(!c.sql.contains(usuario));   // bound, never quoted into the text
        QStringList obtenidos;
        for (const QSqlRecord &r : db().select(c.sql, c.params))
            obtenidos << r.value(QStringLiteral("Doc_id_d")).toString();
        QCOMPARE(obtenidos, documentos);
    }

    void valorCasilla()
    {
        const QList<QVariantList> det = {
            {"20000000001", "1998", "0951", "332", "1500"},
            {"20000000001", "1998", "0951", "333", QVariant()},
            {"20000000001", "1997", "0951", "117", "99"},
        };
        for (const QVariantList &d : det)
            db().exec(QStringLiteral("INSERT INTO DET (DOC_ID_D, TIP_DOC_D, PERIODO, FORMULARIO, Casilla, i_valor,"
                                     " idcasilla, cNumero) VALUES (?, 6, ?, ?, ?, ?, '01', '000000')"), d);
        const QString ruc = QStringLiteral("20000000001");
        QCOMPARE(fValorCasilla("332", ruc, "1998", "0951"), QVariant(QStringLiteral("1500")));
        QVERIFY(fValorCasilla("333", ruc, "1998", "0951").isNull());
        QCOMPARE(fValorCasilla("117", ruc, "1998", "0951"), QVariant(QStringLiteral("0")));
        QCOMPARE(fValorCasilla("332", ruc, "1999", "0951"), QVariant(QStringLiteral("0")));
        QCOMPARE(fValorCasilla("332", "20000000002", "1998", "0951"), QVariant(QStringLiteral("0")));
    }

    void sinBaseAbierta()
    {
        gdbBase.reset();
        try {
            fTipoUsuario();
            QFAIL("no error without a database");
        } catch (const DbError &e) {
            QCOMPARE(e.number, 91);
        }
    }
};

QTEST_GUILESS_MAIN(TstServicios)
#include "tst_servicios.moc"
