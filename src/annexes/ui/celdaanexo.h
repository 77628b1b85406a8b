#pragma once
// One cell of an annex table: its month and column, the focus handed to the
// window's GotFocus and LostFocus with them.
#include "declaration/ui/txtfiltrada.h"

class CeldaAnexo : public TxtFiltrada {
    Q_OBJECT
public:
    CeldaAnexo(const QString &control, int mes, int columna, QWidget *parent = nullptr);
    int mes() const { return m_mes; }
    int columna() const { return m_columna; }

    // Grey and disabled (computed cells, every cell of a viewer), or white and open.
    void pTecleable(bool tecleable);

signals:
    void GotFocus(int mes, int columna);
    void LostFocus(int mes, int columna);

protected:
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;

private:
    int m_mes, m_columna;
    bool m_dentro = false;
};
