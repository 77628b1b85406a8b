#include "platform/gui/fuente.h"

#include <QApplication>

QFont interfaceFont()
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(7.5);
    return f;
}

void applyInterfaceFont()
{
    // Without a class name it also drops the per-class fonts a desktop theme
    // may have given (menus, headers), so that every widget has this one.
    QApplication::setFont(interfaceFont());
}
