#pragma once
// The arithmetic behind the window utilities, free of widgets.
#include <QList>
#include <QPair>
#include <QString>

// Left and top of a window centred over the main window, in twips: the left a
// whole number (rounded down, so it may be negative), the top with its fraction.
// Only the sizes count, not the main window's position.
struct PosicionCentrada {
    qint64 left;
    double top;
};
PosicionCentrada fPosicionCentrada(double anchoPrincipal, double altoPrincipal,
                                   double ancho, double alto);

// Twips and pixels at a given number of twips per pixel (15 at 96 dpi).
int fTwipsAPixeles(double twips, double twipsPorPixel);
double fPixelesATwips(int pixeles, double twipsPorPixel);

// Average character width: the width of the 52 letters A-Z a-z, divided by 52
// with the fraction dropped.
int fAnchoCaracterDeMedida(int anchoDe52Letras);

// Drop-down width of a combo, (nChars - 2) x character width, in pixels. The
// subtraction is 16-bit and the product 32-bit: going beyond raises
// ErrorEjecucion (overflow).
int fAnchoDesplegable(int nChars, qint64 anchoCaracter);

// "yyyymmdd" -> "dd/mm/yyyy"; "" -> "". A text that makes no valid date raises
// ErrorEjecucion (type mismatch).
QString fFechaTexto(const QString &sFecha);

// Only the exact text "TAB" turns ENTER into a TAB keystroke.
bool fEsTeclaTab(const QString &sTecla);

// Moving over the toolbar keeps the taxpayer name in the status bar while the
// pointer's x lies within button 1, 2, 3, 4, 6 or 8 (left edge to left edge
// plus width, both included). botones: (left, width) of buttons 1 to 10.
bool fConservaRazonSocial(int x, const QList<QPair<int, int>> &botones);

// The HTML page that stands in for a legacy help file: same folder and base
// name, ".html" or ".htm"; "" when there is none.
QString fAyudaHtml(const QString &archivoAyuda);
