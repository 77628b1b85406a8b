// Which activations of a window are real ones, under the real message box: a
// test window that "reads" on every real activation, and may say something
// in a box while it loads, on every reading, or open another window that says
// something while that one loads.
#include "mensajesreales.h"
#include "platform/gui/msgboxwidget.h"
#include "platform/msgbox.h"
#include "shell/ui/activaciones.h"
#include <QDialog>
#include <QtTest>

namespace {

class Ventana : public QDialog {
public:
    bool mensajeAlCargar = false;
    bool mensajeAlLeer = false;
    int lecturas = 0;


protected:
    void showEvent(QShowEvent *e) override
    {
        QDialog::showEvent(e);
        if (!m_cargada) {
            m_cargada = true;
            if (mensajeAlCargar)
                msg::MsgBox(QStringLiteral("Al cargar"));
        }
    }
    void changeEvent(QEvent *e) override
    {
        QDialog::changeEvent(e);
        if (m_activaciones.activacion(e)) {
            ++lecturas;
            if (mensajeAlLeer)
                msg::MsgBox(QStringLiteral("Al leer"));
        }
    }

private:
    Activaciones m_activaciones{this};
    bool m_cargada = false;
};

// A window opened over the other whose load says something (its box comes
// while the window under it is still the active one).
class OtraConMensaje : public QDialog {
protected:
    void showEvent(QShowEvent *e) override
    {
        QDialog::showEvent(e);
        msg::MsgBox(QStringLiteral("Otra"));
    }
};

} // namespace

class TstActivaciones : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        msg::installWidgetHandler();
    }

    void lecturas_data()
    {
        QTest::addColumn<bool>("alFrente");         // boxes answered once active, or at once
        QTest::addColumn<bool>("alCargar");
        QTest::addColumn<bool>("alLeer");
        QTest::addColumn<bool>("otraConMensaje");   // the other window says something as it loads
        QTest::addColumn<QStringList>("alAbrir");     // boxes once open
        QTest::addColumn<int>("lecturasAlAbrir");
        QTest::addColumn<QStringList>("alVolver");    // boxes after the return from the other window
        QTest::addColumn<int>("lecturasAlVolver");
        const QString cargar = QStringLiteral("Al cargar");
        const QString leer = QStringLiteral("Al leer");
        const QString otra = QStringLiteral("Otra");
        for (const bool alFrente : {true, false}) {
            const char *modo = alFrente ? ", caja al frente" : ", caja al instante";
            QTest::addRow("sin mensajes%s", modo) << alFrente << false << false << false << QStringList{} << 1
                                                 << QStringList{} << 2;
            QTest::addRow("al leer%s", modo) << alFrente << false << true << false << QStringList{leer} << 1
                                            << QStringList{leer, leer} << 2;
            QTest::addRow("al cargar%s", modo) << alFrente << true << false << false << QStringList{cargar} << 0
                                              << QStringList{cargar} << 1;
            QTest::addRow("al cargar y al leer%s", modo) << alFrente << true << true << false
                                                        << QStringList{cargar} << 0 << QStringList{cargar, leer}
                                                        << 1;
            QTest::addRow("la otra ventana al cargar%s", modo) << alFrente << false << false << true
                                                              << QStringList{} << 1 << QStringList{otra} << 2;
        }
    }
    void lecturas()
    {
        QFETCH(bool, alFrente);
        QFETCH(bool, alCargar);
        QFETCH(bool, alLeer);
        QFETCH(bool, otraConMensaje);
        QFETCH(QStringList, alAbrir);
        QFETCH(int, lecturasAlAbrir);
        QFETCH(QStringList, alVolver);
        QFETCH(int, lecturasAlVolver);
        CerradorMensajes cerrador(alFrente);
        Ventana w;
        cerrador.ventana = &w;
        w.mensajeAlCargar = alCargar;
        w.mensajeAlLeer = alLeer;
        w.setWindowModality(Qt::ApplicationModal);
        w.show();
        QTRY_VERIFY(w.isActiveWindow());
        pVaciarEventos();
        QCOMPARE(cerrador.textos, alAbrir);
        QCOMPARE(w.lecturas, lecturasAlAbrir);

        if (otraConMensaje) {
            OtraConMensaje otra;
            otra.setWindowModality(Qt::ApplicationModal);
            otra.show();
            QTRY_VERIFY(otra.isActiveWindow());
            pVaciarEventos();
            QVERIFY(!w.isActiveWindow());
            otra.accept();
            w.activateWindow();
        } else {
            pVolverDeOtraVentana(&w);
            if (QTest::currentTestFailed())
                return;
        }
        QTRY_COMPARE(w.lecturas, lecturasAlVolver);
        QTRY_VERIFY(w.isActiveWindow());
        pVaciarEventos();
        QCOMPARE(cerrador.textos, alVolver);
        QCOMPARE(w.lecturas, lecturasAlVolver);
    }
};

QTEST_MAIN(TstActivaciones)
#include "tst_activaciones.moc"
