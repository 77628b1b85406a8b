// The host's window: its exact title, the user's taxpayers, adding one.
#include "host/contribuyentes.h"
#include "host/entorno.h"
#include "host/frmnuevocontribuyente.h"
#include "host/frmvelantis.h"
#include "platform/database.h"
#include "platform/msgbox.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

class TstVentana : public QObject {
    Q_OBJECT
    QTemporaryDir m_tmp;
    host::Entorno m_e;
private slots:
    void initTestCase()
    {
        qputenv("QX_WINDIR", m_tmp.filePath(QStringLiteral("windows/")).toLocal8Bit());
        QString error;
        QVERIFY2(host::fPrepararEntorno(m_tmp.filePath(QStringLiteral("datos")), QStringLiteral("ANA"), true, &m_e, &error),
                 qPrintable(error));
    }

    void tituloYLista()
    {
        FrmVelantis w(m_e);
        QCOMPARE(w.windowTitle(), QStringLiteral("Velantis"));
        QCOMPARE(w.grdContribuyentes->rowCount(), 2);
        QCOMPARE(w.grdContribuyentes->item(0, 0)->text(), QStringLiteral("20100000009"));
        QCOMPARE(w.grdContribuyentes->item(1, 0)->text(), QStringLiteral("20456123784"));
    }

    void agregarRucInvalido()
    {
        msg::ScriptedAnswerer respuestas;
        FrmNuevoContribuyente d(m_e.baseDatos, m_e.usuario);
        d.TxtRuc->setText(QStringLiteral("20600123451"));
        d.TxtNombre->setText(QStringLiteral("NUEVA S.A."));
        d.CmdAceptar->click();
        QCOMPARE(respuestas.shown().size(), 1);
        QCOMPARE(respuestas.shown().first().text, QStringLiteral("El número de RUC ingresado no es válido."));
        QCOMPARE(respuestas.shown().first().style, 48);
        QCOMPARE(d.result(), 0);

        // 2,0,6,0,0,1,2,3,4,5 weighted: 10+0+18+0+0+6+10+12+12+10 = 78; 78 mod 11 = 1; 11 - 1 = 10 -> 0.
        d.TxtRuc->setText(QStringLiteral("20600123450"));
        d.CmdAceptar->click();
        QCOMPARE(respuestas.shown().size(), 1);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        auto db = Database::open(m_e.baseDatos);
        QCOMPARE(host::fContribuyentes(*db, QStringLiteral("ANA")).size(), 3);
    }
};

QTEST_MAIN(TstVentana)
#include "tst_ventana.moc"
