#pragma once
// The chooser of the user's stored declarations: opens one in the
// declaration window (iOpcion 1) or deletes it with all its rows (iOpcion 3).
#include "shell/ui/activaciones.h"
#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;

class FrmContAbrir : public QDialog {
    Q_OBJECT
public:
    explicit FrmContAbrir(QWidget *parent = nullptr);

    int iOpcion = 0;            // 1 modify, 3 delete; set before showing
    long lPosicionFila = 0;     // row opened last, restored on reload

    // Loads or reloads the list.
    void pCargadatos();

    QGroupBox *Frame1;
    QLabel *Label1;
    QTableWidget *grdContrib;
    QPushButton *CmdOpciones[2];   // 0 the action, 1 "&Salir"

public slots:
    void CmdOpciones_Click(int index);
    void grdContrib_DblClick();
    void grdContrib_RowColChange();

protected:
    void showEvent(QShowEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    void Form_Load();
    bool m_cargada = false;
    Activaciones m_activaciones{this};
};

// Plugs the chooser into the main window's "&Modificar" and "&Eliminar".
void pRegistrarFrmContAbrir();
