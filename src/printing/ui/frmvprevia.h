#pragma once
// The preview of a printed declaration: its pages drawn on three page
// pictures, scrolled and paged through, and printed from its toolbar. Without
// being shown, pImprimir prints the declaration at once (the direct print).
#include "layout/core/datosimpresion.h"
#include "printing/core/paginasprevia.h"
#include <QDialog>
#include <QList>

class QAction;
class QLineEdit;
class QScrollBar;
class QToolBar;
class QWidget;

// One page picture: shows its image of PaginasPrevia.
class PicPrevia : public QWidget {
    Q_OBJECT
public:
    PicPrevia(const QImage &imagen, QWidget *parent);
protected:
    void paintEvent(QPaintEvent *e) override;
private:
    const QImage &m_imagen;
};

class frmVPrevia : public QDialog {
    Q_OBJECT
public:
    explicit frmVPrevia(QWidget *parent = nullptr);
    ~frmVPrevia() override;

    // Set by the opener (pVistaPrevia) before anything else runs.
    QString sRuc;
    QString sPeriodo;
    QString sRaSoc;
    QString sFormulario;
    bool bAnexo = false;
    QString sCORREL;
    QString sNOrdenR;
    QString sControl;
    int iOpcion = 0;          // 1 preview; anything else prints without showing
    QString sCodReporte;      // "PR0003" saved, "PR0014" sent
    bool bGl_recti = false;   // a sent declaration

    int iTotalHojas = 2;
    int iHojaActual = 1;
    QString sModoImpresion;
    int iTamanoLetra = 8;

    // Shows page Nrohoja (1 to 3), hides the others, both bars back to 0.
    void pMostrar(int Nrohoja);
    // Scroll ranges and centring of the current page.
    void pCuadre();
    // Prints the declaration: one run to the printer and the script file.
    void pImprimir();

    // The data of the last run (what pConsulta and fCargaPago filled).
    const DatosImpresion &datos() const { return m_datos; }
    const PaginasPrevia &paginas() const { return m_paginas; }

    QToolBar *tlbPrevia;
    QLineEdit *txtPag;
    QWidget *picFondo;
    PicPrevia *picPrevia[PaginasPrevia::Cantidad];
    QScrollBar *vsbPic;
    QScrollBar *hsbPrevia;
    // Toolbar button 1 to 5 (1 the gap, 2 previous, 3 next, 4 print, 5 exit).
    QAction *boton(int indice) const;

public slots:
    void tlbPrevia_ButtonClick(int indice);
    void vsbPic_Change(int valor);
    void hsbPrevia_Change(int valor);

protected:
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    // The wheel over the page or its background moves the bars, as it
    // scrolls any page.
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void Form_Load();
    void Form_Resize();
    void pColocarBarra();
    // One run in the current sModoImpresion.
    void pCorrida();

    DatosImpresion m_datos;
    PaginasPrevia m_paginas;
    QList<QAction *> m_botones;
    QWidget *m_hueco = nullptr;
    bool m_cargada = false;
};
