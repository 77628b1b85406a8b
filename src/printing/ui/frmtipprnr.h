#pragma once
// The print chooser: the saved (CAB) or sent (HCAB) declarations of the
// current user's taxpayers for the period and form code; the chosen one is
// previewed or printed, with or without its annex pages, and the dialog
// stays open for the next one.
#include "printing/core/listaimpresion.h"
#include "shell/ui/activaciones.h"
#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;

class FrmTipPrnR : public QDialog {
    Q_OBJECT
public:
    explicit FrmTipPrnR(QWidget *parent = nullptr);

    bool bEstadoContri = false;   // False saved declarations, True sent ones; set before showing
    long lPosicion = 0;           // the row chosen last, from 0

    QLabel *Label1;
    QGroupBox *Frame1;
    QTableWidget *grdContrib;
    QCheckBox *ChkAnexo;
    QPushButton *CmdImprimir[3];  // 0 "&Preliminar", 1 "&Imprimir", 2 "&Salir"

public slots:
    void CmdImprimir_Click(int Index);
    void grdContrib_DblClick();
    void grdContrib_RowColChange();

protected:
    void showEvent(QShowEvent *e) override;
    void changeEvent(QEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void Form_Load();
    void Form_Activate();
    // Runs the list query and fills the grid; false when it failed (shown).
    bool pLlenarLista();

    QList<FilaImpresion> m_filas;
    bool m_cargada = false;
    Activaciones m_activaciones{this};
};

