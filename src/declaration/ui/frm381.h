#pragma once
// The declaration window: one declaration created (iAccion 0) or modified
// (iAccion 1). Its boxes, answers and identification live in the box store
// (ModeloCasillas); every control here is bound to it, so whatever writes the
// store (calculations, dispatch, loading) shows at once, and whatever the
// user types lands in the store.
#include "declaration/core/persistencia/declaracionleida.h"
#include <QDialog>
#include <QHash>
#include <QList>
#include <QString>
#include <functional>

class DespachoCasillas;
class FormaDePagoZRV;
class MaskEdBox;
class ModeloCasillas;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QVBoxLayout;
class TxtCasilla;
class TxtFiltrada;

class Frm381 : public QDialog {
    Q_OBJECT
public:
    explicit Frm381(QWidget *parent = nullptr);
    ~Frm381() override;

    // Set by the opener before the window is shown.
    int iAccion = 0;      // 0 new declaration, 1 modify a stored one
    QString sRuc;         // the taxpayer's RUC (modify; new: once accepted)
    QString sRazon;       // the taxpayer's name (modify; new: with sRuc)

    // Form-level state.
    QString sPuedeRegistrar;   // "S" the chosen taxpayer has no declaration, "N" it has
    int iPestana = 0;          // page last entered
    QList<int> aCasillas;      // the 97 boxes in DET order, set by the load
    DeclaracionLeida leida;    // the stored declaration as last loaded or saved here

    ModeloCasillas *modelo() const { return m_modelo; }
    // The recalculation of the boxes that depend on a changed box; its
    // calculos() are the window's Calcular procedures.
    DespachoCasillas *despacho() const { return m_despacho; }

    // Controls, under their legacy names.
    TxtCasilla *TxtValor(int n) const { return m_cajas.value(n); }
    QRadioButton *Opt(const QString &par, int index) const;
    QWidget *Frame1(int i) const { return m_frames.value(i); }
    QLabel *Label1(int i) const { return m_labels.value(i); }
    QTabWidget *SSTab1;
    QComboBox *CmbRuc;
    QComboBox *CmbZona;
    TxtFiltrada *TxtNumRuc, *TxtRazon, *TxtTelefono;
    TxtFiltrada *TxtNombreA, *TxtNombreN, *TxtNombre1A, *TxtNombre1N;
    TxtFiltrada *TxtNumOrden;
    MaskEdBox *MkePeriodo;
    FormaDePagoZRV *FormaDePagoZRV1;
    QLineEdit *TxtAyuda, *TxtAyuda1;
    QPushButton *CmdGrabar, *CmdValidar, *cmdCancelar;

    // The window's start; runs once, before the window is first shown.
    virtual void Form_Load();
    void pCargaIdent(int iAccion);

    // Event handlers.
    virtual void Form_Activate();
    virtual void Form_Click();
    virtual void Form_Unload();
    void CmbRuc_Click();
    void CmbZona_Click();
    virtual void TxtRazon_Change();
    void TxtValor_GotFocus(int Index);
    virtual void TxtValor_LostFocus(int Index);
    // Returns the key left for the box (0: dropped).
    virtual int TxtValor_KeyPress(int Index, int KeyAscii);
    void TxtValor_MouseMove(int Index);
    int TxtTelefono_KeyPress(int KeyAscii);
    int TxtNombre_KeyPress(int KeyAscii);     // the four surname and name fields
    int TxtNumOrden_KeyPress(int KeyAscii);
    void TxtNumOrden_MouseMove();

    // Sets sRuc and its store field together.
    void setRuc(const QString &ruc);
    // Width of the closed taxpayer combo: a RUC.
    int fAnchoCmbRuc() const;
    // Empties the 97 boxes, each as a change of the box.
    void pVaciarCasillas();

    // Where the next stages plug in; each is skipped while unset.
    // Loads the stored declaration of sRuc (false: no DET row).
    std::function<bool(Frm381 &)> pCargarCasillas;
    std::function<void()> Calcular113;
    // An option clicked or selected from code (pair, index); unset: the
    // selection is recorded with its answer text.
    std::function<void(const QString &par, int index)> OptClick;
    std::function<void()> CmdGrabar_Click;
    std::function<void()> CmdValidar_Click;
    std::function<void()> cmdCancelar_Click;

    // Selects an option of a pair from code and runs its handler.
    void pSeleccionar(const QString &par, int index);

    // Hook for every instance as it is built (the stages that bind calculations
    // and handlers register here).
    static std::function<void(Frm381 &)> &alCrear();

    // Loads the window before showing it modally.
    int exec() override;
    // Closing (by any button or from code) unloads the window first.
    void done(int r) override;

protected:
    // The read-only twin (the viewer of a sent declaration) is built on the
    // same pages and boxes, without the entry window's recalculation and
    // handlers: it binds its own.
    struct SoloLectura {};
    Frm381(QWidget *parent, SoloLectura);

    // Background colour of an entry field (BGR), enabled or not.
    static void pFondo(QWidget *w, quint32 bgr);
    // The start of the load, once only: placed, centred, the hourglass.
    // False when the window was loaded already.
    bool fComenzarCarga();
    void vincular(TxtFiltrada *t, const QString &campo);
    void fLlenaZonas();
    void pLlenaBancos();

    // Page 0 top to bottom (frames, then a stretch) and the grid of
    // "Datos básicos del Contribuyente", where the twin adds its fields.
    QVBoxLayout *m_pagina0 = nullptr;
    QGridLayout *m_datosBasicos = nullptr;

    void showEvent(QShowEvent *e) override;
    bool event(QEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    Frm381(QWidget *parent, bool soloLectura);
    void crearControles();
    QWidget *crearPagina0();
    QWidget *crearPaginaCasillas(int pagina);
    void agregarFila(QGridLayout *g, int fila, int n, int columna = 0);
    void refrescarOpciones(const QString &par);
    void pLlenaComboRuc();
    void pMostrarFrames(bool b0, bool b1, bool b2, bool b3, bool b4, bool b5);
    void pRespuestaMinima(const QString &par, int index);

    ModeloCasillas *m_modelo;
    DespachoCasillas *m_despacho = nullptr;
    QHash<int, TxtCasilla *> m_cajas;
    QHash<QString, QRadioButton *> m_opciones;   // "OptIEAN(1)"
    QHash<int, QWidget *> m_frames;
    QHash<int, QLabel *> m_labels;
    bool m_cargado = false;
    bool m_descargado = false;
    bool m_desdeMensaje = false;   // deactivated by a message box
};

// The open declaration window (the annex calculators read its answers).
extern Frm381 *gfrmDeclaracion;
