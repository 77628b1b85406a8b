#pragma once
// The read-only window of one sent declaration: the entry window's six pages
// and boxes, every box locked except the four annex boxes (ENTER opens the
// read-only annex window of the send) and 137, and the one editable field,
// the order number that KAVEN assigned ("&Registrar Nro. Orden" stores it).
// Opened modally by the sent-declaration chooser, which hands it its
// current row; its box store and handlers are VisorEnviada's.
#include "declaration/ui/frm381.h"
#include "sent/core/enviadas.h"
#include <QPointer>

class QGroupBox;
class VisorEnviada;

class Frm381Env : public Frm381 {
    Q_OBJECT
public:
    explicit Frm381Env(QWidget *parent = nullptr);

    // Set by the chooser before the window is shown.
    DeclaracionEnviada fila;          // its current row
    QPointer<QWidget> frmSelector;    // disabled while this window is open

    VisorEnviada &visor() const { return *m_visor; }

    TxtFiltrada *TxtNumOrdenE;   // "Ingrese el número de orden :"
    TxtFiltrada *TxtControl;     // "Nro. Control :"
    QGroupBox *Frame17E;         // "Número de orden"

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Click() override;
    void Form_Unload() override;
    void TxtRazon_Change() override;
    int TxtValor_KeyPress(int Index, int KeyAscii) override;
    void TxtValor_LostFocus(int Index) override;
    void SSTab1_Click(int pagina);

private:
    // A call into the viewer's handlers with the window's state read before
    // and its outcome shown after.
    void pConVentana(const std::function<void()> &f);
    void pCmdGrabar();
    void pCmdCancelar();
    void pConstruirPagina0();

    VisorEnviada *m_visor;
    bool m_descargada = false;
};
