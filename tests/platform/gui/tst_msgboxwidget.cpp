#include <QtTest>

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QWindow>

#include <functional>

#include "platform/gui/msgboxwidget.h"
#include "platform/msgbox.h"

class TstMsgBoxWidget : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { msg::installWidgetHandler(); }
    void shows_data();
    void shows();
    void escapeCancels();
    void escapeAndClose_data();
    void escapeAndClose();
    void overItsWindow();
};

struct Seen {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
    QWidget *parent = nullptr;
    QPoint centre;
};

// Reads the box once it is up and clicks the named button (or presses Escape).
static void answerWhenShown(Seen *seen, const QString &click)
{
    QTimer::singleShot(0, [seen, click]() {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            answerWhenShown(seen, click);
            return;
        }
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        seen->parent = box->parentWidget();
        seen->centre = box->frameGeometry().center();
        QAbstractButton *target = nullptr;
        // Buttons in the order the box lays them out, left to right.
        QList<QAbstractButton *> buttons = box->buttons();
        std::sort(buttons.begin(), buttons.end(), [](QAbstractButton *a, QAbstractButton *b) {
            return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x();
        });
        for (QAbstractButton *b : buttons) {
            seen->buttons << b->text();
            if (b->text() == click)
                target = b;
        }
        if (box->defaultButton())
            seen->defaultButton = box->defaultButton()->text();
        if (target)
            target->click();
        else
            QTest::keyClick(box, Qt::Key_Escape);
    });
}

void TstMsgBoxWidget::shows_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("defaultButton");
    QTest::addColumn<QString>("click");
    QTest::addColumn<int>("answer");
    QTest::newRow("0") << 0 << int(QMessageBox::NoIcon) << QStringList{"Aceptar"} << "Aceptar" << "Aceptar" << int(msg::OK);
    QTest::newRow("16 critical") << 16 << int(QMessageBox::Critical) << QStringList{"Aceptar"} << "Aceptar" << "Aceptar" << int(msg::OK);
    QTest::newRow("64 information") << 64 << int(QMessageBox::Information) << QStringList{"Aceptar"} << "Aceptar" << "Aceptar" << int(msg::OK);
    QTest::newRow("49 warning ok/cancel") << 49 << int(QMessageBox::Warning) << QStringList{"Aceptar", "Cancelar"} << "Aceptar" << "Cancelar" << int(msg::Cancel);
    QTest::newRow("36 question yes/no") << 36 << int(QMessageBox::Question) << QStringList{"Sí", "No"} << "Sí" << "Sí" << int(msg::Yes);
    QTest::newRow("292 second default") << 292 << int(QMessageBox::Question) << QStringList{"Sí", "No"} << "No" << "No" << int(msg::No);
    QTest::newRow("35 yes/no/cancel") << 35 << int(QMessageBox::Question) << QStringList{"Sí", "No", "Cancelar"} << "Sí" << "Cancelar" << int(msg::Cancel);
    QTest::newRow("530 third default") << 530 << int(QMessageBox::Critical) << QStringList{"Anular", "Reintentar", "Omitir"} << "Omitir" << "Reintentar" << int(msg::Retry);
    QTest::newRow("5 retry/cancel") << 5 << int(QMessageBox::NoIcon) << QStringList{"Reintentar", "Cancelar"} << "Reintentar" << "Reintentar" << int(msg::Retry);
}

void TstMsgBoxWidget::shows()
{
    QFETCH(int, style);
    QFETCH(int, icon);
    QFETCH(QStringList, buttons);
    QFETCH(QString, defaultButton);
    QFETCH(QString, click);
    QFETCH(int, answer);

    Seen seen;
    answerWhenShown(&seen, click);
    QCOMPARE(msg::MsgBox(QStringLiteral("El RUC no es Válido."), style, QStringLiteral("Declaración")), answer);
    QCOMPARE(seen.title, QStringLiteral("Declaración"));
    QCOMPARE(seen.text, QStringLiteral("El RUC no es Válido."));
    QCOMPARE(int(seen.icon), icon);
    QCOMPARE(seen.buttons, buttons);
    QCOMPARE(seen.defaultButton, defaultButton);
}

void TstMsgBoxWidget::escapeCancels()
{
    Seen seen;
    answerWhenShown(&seen, QString());
    QCOMPARE(msg::MsgBox("x", 33, "t"), int(msg::Cancel));
    answerWhenShown(&seen, QString());
    QCOMPARE(msg::MsgBox("x", 0, "t"), int(msg::OK));
}

// Escape and the window's close button, as a user gives them: the key to the
// button that has the focus, the close as the window system asks it. A box
// with Cancel (or a lone OK) answers it; one without stays up until a button
// is pressed.
void TstMsgBoxWidget::escapeAndClose_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("closeButton");
    QTest::addColumn<int>("answer");   // 0: the box stays
    const struct { const char *name; int style; int answer; } rows[] = {
        {"4 yes/no", 4, 0},
        {"36 question yes/no", 36, 0},
        {"292 yes/no, No default", 292, 0},
        {"2 abort/retry/ignore", 2, 0},
        {"530 abort/retry/ignore", 530, 0},
        {"0 lone ok", 0, msg::OK},
        {"64 lone ok", 64, msg::OK},
        {"1 ok/cancel", 1, msg::Cancel},
        {"35 yes/no/cancel", 35, msg::Cancel},
        {"291 yes/no/cancel, No default", 291, msg::Cancel},
        {"5 retry/cancel", 5, msg::Cancel},
    };
    for (const auto &r : rows) {
        QTest::addRow("%s, escape", r.name) << r.style << false << r.answer;
        QTest::addRow("%s, close", r.name) << r.style << true << r.answer;
    }
}

void TstMsgBoxWidget::escapeAndClose()
{
    QFETCH(int, style);
    QFETCH(bool, closeButton);
    QFETCH(int, answer);

    bool stayed = false;
    int tries = 0;
    std::function<void()> act = [&]() {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            if (++tries < 1000)
                QTimer::singleShot(0, act);
            return;
        }
        QPointer<QMessageBox> alive(box);
        if (closeButton && box->windowHandle()) {
            box->windowHandle()->close();
        } else {
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : box, Qt::Key_Escape);
        }
        QCoreApplication::processEvents();
        if (!alive)
            return;
        stayed = box->isVisible();
        if (!stayed)
            return;
        // Still up: answered with its last button, which no Escape gives.
        QList<QAbstractButton *> buttons = box->buttons();
        std::sort(buttons.begin(), buttons.end(), [](QAbstractButton *a, QAbstractButton *b) {
            return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x();
        });
        buttons.last()->click();
    };
    QTimer::singleShot(0, act);
    const int got = msg::MsgBox(QStringLiteral("¿El formulario ha sido modificado, desea guardar los cambios?"),
                                style, QStringLiteral("Declaración"));
    if (answer == 0) {
        QVERIFY2(stayed, "the box went away without an answer");
        QCOMPARE(got, msg::buttonsOf(style).last());
    } else {
        QVERIFY(!stayed);
        QCOMPARE(got, answer);
    }
}

// A modal window left without the activation by an earlier message box (no
// window manager gives it back): the next box is still its child, shown
// over it, and the window is active again once the box is answered.
void TstMsgBoxWidget::overItsWindow()
{
    QDialog window;
    window.setGeometry(40, 60, 500, 400);
    window.open();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    {
        QMessageBox earlier(&window);
        QTimer t;
        QObject::connect(&t, &QTimer::timeout, &earlier, [&earlier] {
            if (QApplication::activeWindow() == &earlier)
                earlier.accept();
        });
        t.start(5);
        earlier.exec();
    }
    QCoreApplication::processEvents();
    QVERIFY(!QApplication::activeWindow());

    Seen seen;
    answerWhenShown(&seen, QStringLiteral("Aceptar"));
    QCOMPARE(msg::MsgBox(QStringLiteral("x"), 16, QStringLiteral("t")), int(msg::OK));
    QCOMPARE(seen.parent, &window);
    QVERIFY2((seen.centre - window.frameGeometry().center()).manhattanLength() <= 4,
             qPrintable(QStringLiteral("%1,%2").arg(seen.centre.x()).arg(seen.centre.y())));
    QTRY_COMPARE(QApplication::activeWindow(), &window);
}

QTEST_MAIN(TstMsgBoxWidget)
#include "tst_msgboxwidget.moc"
