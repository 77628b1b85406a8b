#pragma once
// Window utilities every window of Qx381 calls: placing and centring, the main
// window's status bar, frames of a tab page, combo drop-down width, ENTER as
// TAB, the mouse pointer. Sizes and positions are in twips, as the callers
// have them; the arithmetic lives in calculoventanas.h.
#include "shell/core/calculoventanas.h"
#include <QFont>
#include <QString>

class QComboBox;
class QWidget;

// Twips per pixel of the primary screen (15 at 96 dpi).
double fTwipsPorPixel();

// For windows laid out in twips as the legacy ones: the font they were
// designed for, the application's (interfaceFont of platform/gui/fuente.h).
QFont fFuenteDiseno();

// Outer size of a window in twips (frame included once it has one).
double fAnchoTwips(const QWidget *ventana);
double fAltoTwips(const QWidget *ventana);

// Centres ventana over the main window by sizes only. With no main window
// nothing moves.
void pCentrarForm(QWidget *principal, QWidget *ventana);

// Restores a maximised or minimised window, then Left, Top, Height, Width.
void pPosicionForm(QWidget *ventana, int iLeft, int iTop, int iHeight, int iWidth);

// Moves a window, its size kept, so that its frame lies inside the available
// area of its screen (without the desktop's panels) as far as its size
// allows: a position left of or above that area would leave the title bar
// out of the mouse's reach.
void pDentroDePantalla(QWidget *ventana);

// Outer height and width in twips, the position kept.
void pTamanoForm(QWidget *ventana, int iHeight, int iWidth);

// Writes numdoc, razonsocial, periodo_ejercicio and formulario of the main
// window's status bar, in this order. Without a main window nothing happens.
void pBarraEstado(const QString &sRuc, const QString &sRazon, const QString &sPeriodo,
                  const QString &sFormulario);

// The window's frames are children named "Frame1_0" ... "Frame1_5". Sets the
// visibility of 1, 2, 4 and 5 from b1, b2, b4, b5; 0 and 3 are left alone.
// A window lacking one of the four raises ErrorEjecucion and changes nothing.
void pMostrarFrame(QWidget *ventana, bool b0, bool b1, bool b2, bool b3, bool b4, bool b5);

// Average character width in pixels of the window's variable-pitch font.
int fAnchoCaracter(QWidget *ventana);

// Widens the combo's drop-down list to (nChars - 2) characters; 0 leaves it
// as wide as the combo. Overflow raises ErrorEjecucion.
void pAnchoCombo(QWidget *ventana, QComboBox *combo, int nChars);

// "TAB": posts a TAB keystroke (no waiting) to origen, the control that got
// the ENTER; without one, to the focused control. Any other text does nothing.
void pTabular(const QString &sTecla, QWidget *origen = nullptr);

// Hourglass and default pointer.
void pPunteroReloj();
void pPunteroNormal();
