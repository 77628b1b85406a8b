#pragma once
// The chooser of the sent declarations of the current user (giModoEnviada,
// set by the main window before it opens this window): 1 opens the chosen
// send read-only in Frm381Env to register its order number, 3 deletes the
// send with its detail and annex rows.
#include "sent/core/enviadas.h"
#include "shell/ui/activaciones.h"
#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;

class FrmContAbrirEnv : public QDialog {
    Q_OBJECT
public:
    explicit FrmContAbrirEnv(QWidget *parent = nullptr);
    ~FrmContAbrirEnv() override;

    long lPosicion = 0;   // row opened last, restored on each activation

    QGroupBox *Frame1;
    QLabel *Label1;
    QTableWidget *grdContrib;      // columns 0-7 as DeclaracionEnviada
    QPushButton *CmdOpciones[2];   // 0 the operation, 1 "&Salir"

    // The send of the current row; empty when the list is.
    DeclaracionEnviada filaActual() const;

    void Form_Load();
    void Form_Activate();

public slots:
    void CmdOpciones_Click(int index);
    void grdContrib_DblClick();
    void grdContrib_RowColChange();

protected:
    void showEvent(QShowEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    // Reads the list again; the current row is `fila` (bounded), or none.
    void pCargarLista(int fila);
    QList<DeclaracionEnviada> m_filas;
    bool m_cargada = false;
    Activaciones m_activaciones{this};
};

// The chooser while it is open (the viewer enables it again through it).
extern FrmContAbrirEnv *gfrmContAbrirEnv;
