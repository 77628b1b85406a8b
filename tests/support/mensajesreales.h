#pragma once
// For tests with the real message boxes (msg::installWidgetHandler), widgets
// only, header only.
//
// CerradorMensajes answers every box with its default button and keeps its
// text, at once or once the box is the active window (as a user answers the
// box in front of them; a platform that never activates it gets its answer
// after a bounded number of turns of the event loop). At the tope-th box the
// window under test is hidden as well: a loop of boxes then ends and the test
// fails instead of hanging.
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QtTest>

class CerradorMensajes : public QObject {
public:
    static constexpr int kTope = 4;
    static constexpr int kVueltas = 1000;
    QStringList textos;
    QPointer<QWidget> ventana;

    explicit CerradorMensajes(bool alFrente = true) : m_alFrente(alFrente) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        auto *caja = qobject_cast<QMessageBox *>(o);
        if (caja && e->type() == QEvent::Show && !e->spontaneous()) {
            textos << caja->text();
            const bool cortar = textos.size() >= kTope;
            QTimer::singleShot(0, caja, [this, caja, cortar] { pContestar(caja, cortar, kVueltas); });
        }
        return false;
    }

private:
    void pContestar(QMessageBox *caja, bool cortar, int vueltas)
    {
        if (m_alFrente && !caja->isActiveWindow() && vueltas > 0) {
            QTimer::singleShot(0, caja, [this, caja, cortar, vueltas] { pContestar(caja, cortar, vueltas - 1); });
            return;
        }
        if (cortar && ventana)
            ventana->hide();
        caja->defaultButton()->click();
    }
    bool m_alFrente;
};

// Whatever the event queue still holds, activations included, is handled.
inline void pVaciarEventos()
{
    for (int i = 0; i < 10; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// Another window comes in front of `ventana` and goes; `ventana` is made
// active again, as a window manager would. Check QTest::currentTestFailed().
inline void pVolverDeOtraVentana(QWidget *ventana)
{
    QDialog otra;
    otra.setWindowModality(Qt::ApplicationModal);
    otra.show();
    QTRY_VERIFY(otra.isActiveWindow());
    QVERIFY(!ventana->isActiveWindow());
    otra.accept();
    ventana->activateWindow();
}
