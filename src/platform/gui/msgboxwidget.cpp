#include "platform/gui/msgboxwidget.h"

#include "platform/msgbox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace msg {
namespace {

QString buttonText(int code)
{
    switch (code) {
    case OK: return QStringLiteral("Aceptar");
    case Cancel: return QStringLiteral("Cancelar");
    case Abort: return QStringLiteral("Anular");
    case Retry: return QStringLiteral("Reintentar");
    case Ignore: return QStringLiteral("Omitir");
    case Yes: return QStringLiteral("Sí");
    case No: return QStringLiteral("No");
    default: return QString();
    }
}

QMessageBox::ButtonRole buttonRole(int code)
{
    switch (code) {
    case OK: return QMessageBox::AcceptRole;
    case Cancel: return QMessageBox::RejectRole;
    case Yes: return QMessageBox::YesRole;
    case No: return QMessageBox::NoRole;
    default: return QMessageBox::ActionRole;
    }
}

QMessageBox::Icon iconOf(int style)
{
    switch (style & 0x70) {
    case 16: return QMessageBox::Critical;
    case 32: return QMessageBox::Question;
    case 48: return QMessageBox::Warning;
    case 64: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// The window that raised the message: the modal window in front, else the
// active one, else the focused control's. After an earlier message box no
// window may be active (nothing gives the activation back without a window
// manager); a box without a parent would show at the screen's centre.
QWidget *ownerWindow()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget *active = QApplication::activeWindow())
        return active;
    if (QWidget *focus = QApplication::focusWidget())
        return focus->window();
    return nullptr;
}

// A box whose buttons have no Cancel (Yes/No, Abort/Retry/Ignore) can only
// be answered: Escape and the close button do nothing. Left to itself,
// QMessageBox makes "No" its escape button and the close would answer it.
class Box : public QMessageBox {
public:
    Box(QWidget *owner, bool escapable) : QMessageBox(owner), m_escapable(escapable) {}

protected:
    void keyPressEvent(QKeyEvent *e) override
    {
        if (!m_escapable && e->matches(QKeySequence::Cancel)) {
            e->accept();
            return;
        }
        QMessageBox::keyPressEvent(e);
    }
    void closeEvent(QCloseEvent *e) override
    {
        if (!m_escapable && !clickedButton()) {
            e->ignore();
            return;
        }
        QMessageBox::closeEvent(e);
    }

private:
    bool m_escapable;
};

int showBox(const QString &text, int style, const QString &title)
{
    QPointer<QWidget> owner = ownerWindow();
    const QList<int> codes = buttonsOf(style);
    const bool escapable = codes.contains(Cancel) || codes == QList<int>{OK};
    Box box(owner, escapable);
    box.setIcon(iconOf(style));
    box.setWindowTitle(title.isEmpty() ? QCoreApplication::applicationName() : title);
    box.setText(text);

    const int wanted = defaultAnswer(style);
    QList<QPushButton *> buttons;
    for (int code : codes) {
        QPushButton *b = box.addButton(buttonText(code), buttonRole(code));
        b->setProperty("qxCode", code);
        buttons.append(b);
        if (code == wanted)
            box.setDefaultButton(b);
    }
    // Escape (and the close button) answer Cancel where there is one, and OK
    // on a lone OK box.
    for (QPushButton *b : buttons) {
        const int code = b->property("qxCode").toInt();
        if (code == Cancel || (codes.size() == 1 && code == OK))
            box.setEscapeButton(b);
    }

    box.exec();
    // As a window manager would, the window that raised the box is active
    // again once it closes, so its focused control gets focus and keys as
    // before (focus-out on leaving, ENTER moving on).
    QWidget *active = QApplication::activeWindow();
    if (owner && owner->isVisible() && (!active || active == &box))
        owner->activateWindow();
    if (QAbstractButton *clicked = box.clickedButton()) {
        const QVariant code = clicked->property("qxCode");
        if (code.isValid())
            return code.toInt();
    }
    return defaultAnswer(style);
}

} // namespace

void installWidgetHandler()
{
    setHandler(showBox);
}

} // namespace msg
