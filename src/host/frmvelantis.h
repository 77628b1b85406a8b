#pragma once
// The host's main window, titled "Velantis": Qx381 looks for it at start-up.
#include "host/entorno.h"
#include <QMainWindow>

class QLabel;
class QPushButton;
class QTableWidget;

class FrmVelantis : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmVelantis(const host::Entorno &entorno, QWidget *parent = nullptr);
    QTableWidget *grdContribuyentes;
    QPushButton *CmdAgregar;
    QPushButton *CmdFormulario;
    QPushButton *CmdSalir;
    // Sending a saved declaration and its receipt go beside these commands.

public slots:
    void pCargarContribuyentes();
    void CmdAgregar_Click();
    void CmdFormulario_Click();

private:
    host::Entorno m_entorno;
    QLabel *m_titulo;
};
