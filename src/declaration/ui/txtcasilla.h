#pragma once
// One box of TxtValor, bound to its box in the store: the store's text,
// enabled and locked state, colour and MaxLength show here; what the user
// types goes to the store. Focus, keys and the mouse are handed to the
// window's handlers with the box number.
#include "declaration/ui/txtfiltrada.h"

class ModeloCasillas;

class TxtCasilla : public TxtFiltrada {
    Q_OBJECT
public:
    TxtCasilla(int index, ModeloCasillas *modelo, QWidget *parent = nullptr);
    int Index() const { return m_index; }

    // Converts the store's BGR colour for the background.
    static QColor fColor(quint32 bgr);

    // True from entering the box until it is left.
    bool entrada() const { return m_dentro; }
    // Leaves every box of the window that was entered but no longer holds
    // the window's focus (the focus moved on without a focus-out, as after a
    // message box when nothing activates the window again).
    static void pSalirPendientes(QWidget *ventana);

signals:
    void GotFocus(int index);
    void LostFocus(int index);
    void MouseMove(int index);

protected:
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;

private:
    void salir();
    void refrescarTexto();
    void refrescarEstado();

    int m_index;
    ModeloCasillas *m_modelo;
    bool m_dentro = false;   // entered and not left yet
};
