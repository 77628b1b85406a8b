#include "shell/ui/activaciones.h"
#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QWidget>

Activaciones::Activaciones(QWidget *ventana) : QObject(ventana), m_ventana(ventana)
{
    // A box raised while the window loads comes before its first activation,
    // and a box is no child of the window unless the window was active: only
    // the application sees them all.
    qApp->installEventFilter(this);
}

bool Activaciones::eventFilter(QObject *o, QEvent *e)
{
    const QEvent::Type t = e->type();
    if (t != QEvent::Show && t != QEvent::Hide && t != QEvent::WindowActivate)
        return false;
    if (o == m_ventana) {
        if (t != QEvent::WindowActivate) {
            m_alFrente = t == QEvent::Show;
            m_mensaje = false;
        }
    } else if (qobject_cast<QMessageBox *>(o)) {
        if (t == QEvent::Show && m_alFrente)
            m_mensaje = true;
    } else if (t == QEvent::WindowActivate && o->isWidgetType() && static_cast<QWidget *>(o)->isWindow()) {
        // Another window in front: what comes up now is not this window's.
        m_alFrente = false;
        m_mensaje = false;
    }
    return false;
}

bool Activaciones::activacion(const QEvent *e)
{
    if (e->type() != QEvent::ActivationChange || !m_ventana->isActiveWindow())
        return false;
    const bool real = !m_mensaje;
    m_alFrente = true;
    m_mensaje = false;
    return real;
}
