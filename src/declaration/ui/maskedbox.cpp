#include "maskedbox.h"
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

MaskEdBox::MaskEdBox(QWidget *parent) : QLineEdit(parent)
{
    setInputMask(QStringLiteral("99/99/9999;_"));
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!m_desdeCodigo)
            emit textoEditado(Text());
    });
}

void MaskEdBox::setTextoDesdeCodigo(const QString &t)
{
    if (Text() == t)
        return;
    m_desdeCodigo = true;
    if (t.isEmpty() || t == QLatin1String("__/__/____"))
        clear();
    else
        setText(t);
    m_desdeCodigo = false;
}

void MaskEdBox::keyPressEvent(QKeyEvent *e)
{
    int tecla = 0;
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        tecla = 13;
    else if (e->key() == Qt::Key_Backspace)
        tecla = 8;
    else if (!e->text().isEmpty() && e->text().at(0).unicode() >= 32)
        tecla = e->text().at(0).unicode();
    if (tecla != 0)
        emit KeyPress(tecla);
    if (tecla == 13) {
        e->accept();   // ENTER moves on; it is never the dialog's default button
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void MaskEdBox::focusOutEvent(QFocusEvent *e)
{
    QLineEdit::focusOutEvent(e);
    if (e->reason() != Qt::PopupFocusReason && e->reason() != Qt::ActiveWindowFocusReason)
        emit LostFocus();
}

void MaskEdBox::mousePressEvent(QMouseEvent *e)
{
    QLineEdit::mousePressEvent(e);
    // Nothing typed yet: the date starts at its first position wherever the
    // click fell, or "31121998" would fill the mask from the middle.
    if (e->button() == Qt::LeftButton && Text() == QLatin1String("__/__/____"))
        setCursorPosition(0);
}
