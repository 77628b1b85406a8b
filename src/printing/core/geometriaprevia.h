#pragma once
// The preview window's arithmetic, in twips, free of widgets: where the
// resize puts the scroll bars and the background, the scroll ranges and the
// centring of the page shown, and the page counter.
#include <QString>

// W and H the window's outer size, T the toolbar's height, S the horizontal
// bar's height, V the vertical bar's width, all in twips. Below the toolbar
// the background and the vertical bar are H - (T + S + 400) high (the 400 the
// caption and frame of the outer size) and the horizontal bar lies under
// them; a frame taller than that would push the bar out of the window, so
// they end S above the client area's foot (altoCliente) at the most. Tops are
// from the client area's top. A size the rules make negative (a very small
// window) is 0.
struct GeometriaPrevia {
    int vsbLeft;
    int vsbHeight;
    int fondoWidth;
    int fondoHeight;
    int hsbWidth;
    int hsbTop;
};
GeometriaPrevia fGeometriaPrevia(int W, int H, int T, int S, int V, int altoCliente);

// pCuadre for the page shown: the vertical range ends 1000 twips past the
// page's foot (never below 0), horizontal scrolling (0 to 2000) only while
// the background is at most 11000 twips wide, and the page centred when the
// background is wider than the page, else at its left edge.
struct CuadrePrevia {
    int vsbMax;
    int hsbMax;
    int paginaLeft;
};
CuadrePrevia fCuadrePrevia(int paginaAncho, int paginaAlto, int vsbAlto, int fondoAncho);

// The page counter "1/2".
QString fTextoPaginas(int iHojaActual, int iTotalHojas);
