// The cheque number of the payment control takes digits only: typed, pasted
// (by the shortcut) or committed by an input method, nothing else goes in,
// and a pasted text holding anything but digits is refused whole. A number
// set from code (a stored one) is shown as it stands.
#include "declaration/ui/formadepagozrv.h"
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

class TstFormaDePagoZRV : public QObject {
    Q_OBJECT
private slots:
    void numeroDeCheque_data()
    {
        QTest::addColumn<QString>("modo");      // teclear, pegar, metodo, codigo
        QTest::addColumn<QString>("antes");     // set from code first
        QTest::addColumn<QString>("entrada");
        QTest::addColumn<QString>("numero");    // numcheque afterwards
        QTest::newRow("digitos tecleados") << "teclear" << "" << "00045871" << "00045871";
        QTest::newRow("letras y signos tecleados") << "teclear" << "" << "12a3-4 5<!6|" << "123456";
        QTest::newRow("tecleado hasta 15") << "teclear" << "" << "12345678901234567" << "123456789012345";
        QTest::newRow("digitos pegados") << "pegar" << "12" << "345" << "12345";
        QTest::newRow("blancos alrededor de lo pegado") << "pegar" << "" << " 00045871\n" << "00045871";
        QTest::newRow("pegado con etiqueta") << "pegar" << "12" << "345<!6" << "12";
        QTest::newRow("pegado con salto de linea")
            << "pegar" << "12" << "3\r\npCuadro|0|0|10500|15000|0|" << "12";
        QTest::newRow("pegado con guion") << "pegar" << "" << "0004-5871" << "";
        QTest::newRow("pegado mas largo que 15") << "pegar" << "1" << "123456789012345" << "1";
        QTest::newRow("metodo de entrada con letra") << "metodo" << "12" << "a" << "12";
        QTest::newRow("metodo de entrada con digito") << "metodo" << "12" << "3" << "123";
        QTest::newRow("guardado con letras") << "codigo" << "" << "12AB<!x" << "12AB<!x";
        QTest::newRow("guardado mas largo que 15") << "codigo" << "" << "1234567890123456789" << "1234567890123456789";
    }
    void numeroDeCheque()
    {
        QFETCH(QString, modo);
        QFETCH(QString, antes);
        QFETCH(QString, entrada);
        QFETCH(QString, numero);
        FormaDePagoZRV pago;
        pago.setFormapago(QStringLiteral("C"));
        pago.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pago));
        auto *caja = pago.findChild<QLineEdit *>(QStringLiteral("numcheque"));
        QVERIFY(caja);
        QVERIFY(caja->isEnabled());
        pago.setNumcheque(antes);
        caja->setFocus();
        caja->end(false);
        QSignalSpy cambios(&pago, &FormaDePagoZRV::cambiado);

        if (modo == QLatin1String("teclear")) {
            QTest::keyClicks(caja, entrada);
        } else if (modo == QLatin1String("pegar")) {
            QApplication::clipboard()->setText(entrada);
            if (QApplication::clipboard()->text() != entrada)
                QSKIP("no clipboard on this platform");
            QTest::keySequence(caja, QKeySequence::Paste);
        } else if (modo == QLatin1String("metodo")) {
            QInputMethodEvent e;
            e.setCommitString(entrada);
            QApplication::sendEvent(caja, &e);
        } else {
            pago.setNumcheque(entrada);
        }

        QCOMPARE(pago.numcheque(), numero);
        QCOMPARE(pago.property("numcheque").toString(), numero);
        QCOMPARE(caja->text(), numero);
        // The window hears of every change, and of none when nothing changed.
        if (numero != antes) {
            QVERIFY(!cambios.isEmpty());
            QCOMPARE(cambios.last().at(0).toString(), QStringLiteral("numcheque"));
        } else {
            QCOMPARE(cambios.size(), 0);
        }
    }
};

QTEST_MAIN(TstFormaDePagoZRV)
#include "tst_formadepagozrv.moc"
