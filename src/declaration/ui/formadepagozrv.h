#pragma once
// The payment-form control of the declaration windows: cash or cheque, the
// bank and cheque number of a cheque, the amount to pay (given by box 180)
// and whether it takes entry. Read and written through its properties.
#include <QWidget>

class QComboBox;
class QLabel;
class QRadioButton;
class TxtFiltrada;

class FormaDePagoZRV : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString formapago READ formapago WRITE setFormapago NOTIFY cambiado)
    Q_PROPERTY(QString banco READ banco WRITE setBanco NOTIFY cambiado)
    Q_PROPERTY(QString numcheque READ numcheque WRITE setNumcheque NOTIFY cambiado)
    Q_PROPERTY(QString importe READ importe WRITE setImporte NOTIFY cambiado)
    Q_PROPERTY(bool habilitado READ habilitado WRITE setHabilitado)
public:
    explicit FormaDePagoZRV(QWidget *parent = nullptr);

    // "C" cheque, "E" cash, anything else (the window starts it at "X"): none.
    QString formapago() const { return m_formapago; }
    void setFormapago(const QString &v);
    QString banco() const;
    void setBanco(const QString &v);
    QString numcheque() const;
    void setNumcheque(const QString &v);
    QString importe() const { return m_importe; }
    void setImporte(const QString &v);
    bool habilitado() const { return m_habilitado; }
    void setHabilitado(bool v);

    // The banks offered for a cheque: (code, name).
    void setBancos(const QList<QPair<QString, QString>> &bancos);

signals:
    // A property changed, by the user or from code.
    void cambiado(const QString &propiedad);

private:
    void refrescar();

    QString m_formapago;
    QString m_importe;
    bool m_habilitado = true;
    bool m_refrescando = false;
    QRadioButton *m_efectivo, *m_cheque;
    QComboBox *m_banco;
    TxtFiltrada *m_numcheque;
    QLabel *m_importeLbl;
};
