// The host's window: its exact title, the user's taxpayers, adding one.
#include "host/contribuyentes.h"
#include "host/entorno.h"
#include "host/frmnuevocontribuyente.h"
#include "host/frmvelantis.h"
#include "platform/database.h"
#include "platform/msgbox.h"

#include <QApplication>
#include <QClipboard>
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

    // The name takes at most the 40 characters Qx381 shows and prints of it,
    // typed or pasted; what it took is what is stored.
    void nombreLargo_data()
    {
        QTest::addColumn<bool>("pegado");
        QTest::newRow("tecleado") << false;
        QTest::newRow("pegado") << true;
    }
    void nombreLargo()
    {
        QFETCH(bool, pegado);
        const QString largo = QStringLiteral("COMPAÑIA MINERA Y COMERCIAL DEL SUR ANDINO S.A.A."); // 49
        const QString guardado = QStringLiteral("COMPAÑIA MINERA Y COMERCIAL DEL SUR ANDI");      // its first 40
        msg::ScriptedAnswerer respuestas;
        FrmNuevoContribuyente d(m_e.baseDatos, m_e.usuario);
        // 2,0,1,0,0,0,0,0,0,4 weighted: 10+0+3+0+0+0+0+0+0+8 = 21; 21 mod 11 = 10; 11 - 10 = 1.
        d.TxtRuc->setText(QStringLiteral("20100000041"));
        d.TxtNombre->setFocus();
        if (pegado) {
            QApplication::clipboard()->setText(largo);
            QCOMPARE(QApplication::clipboard()->text(), largo);
            QTest::keySequence(d.TxtNombre, QKeySequence::Paste);
        } else {
            QTest::keyClicks(d.TxtNombre, largo);
        }
        QCOMPARE(d.TxtNombre->text(), guardado);
        d.CmdAceptar->click();
        QCOMPARE(respuestas.shown().size(), 0);
        auto db = Database::open(m_e.baseDatos);
        QCOMPARE(db->scalar(QStringLiteral("SELECT Nombre FROM CONT WHERE Doc_id_d = ?"), {QStringLiteral("20100000041")})
                     .toString(),
                 guardado);
        db->exec(QStringLiteral("DELETE FROM CONT WHERE Doc_id_d = ?"), {QStringLiteral("20100000041")});
    }
};

QTEST_MAIN(TstVentana)
#include "tst_ventana.moc"
