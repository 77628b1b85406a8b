// The host's taxpayer register: RUC check on adding, the user's list.
#include "host/contribuyentes.h"
#include "host/entorno.h"
#include "platform/database.h"

#include <QTemporaryDir>
#include <QtTest>

class TstContribuyentes : public QObject {
    Q_OBJECT
    QTemporaryDir m_tmp;
    std::shared_ptr<Database> m_db;
    int m_n = 0;

private slots:
    void init()
    {
        const QString ruta = m_tmp.filePath(QStringLiteral("base-%1.db").arg(QTest::currentTestFunction()
                                                                                + QString::number(++m_n)));
        QString error;
        QVERIFY2(host::fCrearBase(ruta, QStringLiteral("ANA"), false, &error), qPrintable(error));
        m_db = Database::open(ruta);
    }
    void cleanup() { m_db.reset(); }

    void agregar_data()
    {
        QTest::addColumn<QString>("ruc");
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("mensaje");
        // 2,0,1,0,0,0,0,0,0,0 weighted 5,4,3,2,7,6,5,4,3,2 sum 13; 13 mod 11 = 2; 11 - 2 = 9.
        QTest::newRow("valido") << "20100000009" << "COMERCIAL LOS ANDES S.A." << "";
        QTest::newRow("blancos alrededor") << " 20100000009 " << "  COMERCIAL  " << "";
        QTest::newRow("digito errado") << "20100000001" << "X" << "El número de RUC ingresado no es válido.";
        QTest::newRow("diez digitos") << "2010000000" << "X" << "El número de RUC ingresado no es válido.";
        QTest::newRow("con letras") << "2010000000A" << "X" << "El número de RUC ingresado no es válido.";
        QTest::newRow("sin nombre") << "20100000009" << "   " << "Debe ingresar la razón social del contribuyente.";
    }
    void agregar()
    {
        QFETCH(QString, ruc);
        QFETCH(QString, nombre);
        QFETCH(QString, mensaje);
        QCOMPARE(host::fAgregarContribuyente(*m_db, QStringLiteral("ANA"), ruc, nombre), mensaje);
        const auto lista = host::fContribuyentes(*m_db, QStringLiteral("ANA"));
        if (mensaje.isEmpty()) {
            QCOMPARE(lista.size(), 1);
            QCOMPARE(lista.first().ruc, ruc.trimmed());
            QCOMPARE(lista.first().nombre, nombre.trimmed());
        } else {
            QVERIFY(lista.isEmpty());
        }
    }

    void repetidoYOtroUsuario()
    {
        QCOMPARE(host::fAgregarContribuyente(*m_db, QStringLiteral("ANA"), QStringLiteral("20456123784"),
                                             QStringLiteral("INDUSTRIAS DEL SUR")), QString());
        QCOMPARE(host::fAgregarContribuyente(*m_db, QStringLiteral("LUIS"), QStringLiteral("20456123784"),
                                             QStringLiteral("OTRA")),
                 QStringLiteral("El contribuyente con RUC 20456123784 ya se encuentra registrado."));
        QCOMPARE(host::fAgregarContribuyente(*m_db, QStringLiteral("LUIS"), QStringLiteral("10123456781"),
                                             QStringLiteral("PEREZ JUAN")), QString());
        const auto ana = host::fContribuyentes(*m_db, QStringLiteral("ANA"));
        QCOMPARE(ana.size(), 1);
        QCOMPARE(ana.first().ruc, QStringLiteral("20456123784"));
        const auto luis = host::fContribuyentes(*m_db, QStringLiteral("luis"));
        QCOMPARE(luis.size(), 1);
        QCOMPARE(luis.first().nombre, QStringLiteral("PEREZ JUAN"));
    }
};

QTEST_GUILESS_MAIN(TstContribuyentes)
#include "tst_contribuyentes.moc"
