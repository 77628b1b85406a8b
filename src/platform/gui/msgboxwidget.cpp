#include "platform/gui/msgboxwidget.h"

#include "platform/msgbox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
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

int showBox(const QString &text, int style, const QString &title)
{
    QMessageBox box(QApplication::activeWindow());
    box.setIcon(iconOf(style));
    box.setWindowTitle(title.isEmpty() ? QCoreApplication::applicationName() : title);
    box.setText(text);

    const QList<int> codes = buttonsOf(style);
    const int wanted = defaultAnswer(style);
    QList<QPushButton *> buttons;
    for (int code : codes) {
        QPushButton *b = box.addButton(buttonText(code), buttonRole(code));
        b->setProperty("qxCode", code);
        buttons.append(b);
        if (code == wanted)
            box.setDefaultButton(b);
    }
    // Escape answers Cancel where there is one, and OK on a lone OK box.
    for (QPushButton *b : buttons) {
        const int code = b->property("qxCode").toInt();
        if (code == Cancel || (codes.size() == 1 && code == OK))
            box.setEscapeButton(b);
    }

    box.exec();
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
