#pragma once
// Tells the activations after which a window reads its data again (the first
// one, the return from a window it opened) from the ones that only end a
// message box the window raised itself, while loading or while active:
// closing the box makes the window active again, and a reading that fails
// and says so in a box would bring the box back over and over.
#include <QObject>

class QEvent;
class QWidget;

//
// A member of the window, made in its member initialisers: the window's
// constructor already sends change events (a title, a font), and its
// changeEvent feeds them here.
class Activaciones : public QObject {
public:
    explicit Activaciones(QWidget *ventana);

    // Fed the window's events (its changeEvent is enough): true for an
    // activation of the window that is no return from its own message box.
    bool activacion(const QEvent *e);

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    QWidget *m_ventana;
    bool m_alFrente = false;   // shown, and no other window but a message box active since
    bool m_mensaje = false;    // a message box came up while it was in front
};
