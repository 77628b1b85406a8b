#pragma once
// Adds one taxpayer of the user to CONT.
#include <QDialog>

class QLineEdit;
class QPushButton;

class FrmNuevoContribuyente : public QDialog {
    Q_OBJECT
public:
    FrmNuevoContribuyente(const QString &baseDatos, const QString &usuario, QWidget *parent = nullptr);
    QLineEdit *TxtRuc;
    QLineEdit *TxtNombre;
    QPushButton *CmdAceptar;
    QPushButton *CmdCancelar;
private slots:
    void CmdAceptar_Click();
private:
    QString m_baseDatos, m_usuario;
};
