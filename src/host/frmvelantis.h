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
    QPushButton *CmdEnviar;
    QPushButton *CmdConstancia;
    QPushButton *CmdSalir;
    // Folder of Qx381 and 0951REP: the host's own, unless an opener sets another.
    QString sCarpetaProgramas;

public slots:
    void pCargarContribuyentes();
    void CmdAgregar_Click();
    void CmdFormulario_Click();
    void CmdEnviar_Click();
    void CmdConstancia_Click();

private:
    QString fRucSeleccionado() const;
    host::Entorno m_entorno;
    QLabel *m_titulo;
};
