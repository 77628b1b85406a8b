#pragma once
// The preview window's arithmetic, in twips, free of widgets: where the
// resize puts the scroll bars and the background, the scroll ranges and the
// centring of the page shown, and the page counter.
#include <QString>

// W and H the window's outer size, T the toolbar's height, S the horizontal
// bar's height, V the vertical bar's width. The horizontal bar's top is
// H - (T + S + 400); the background and the vertical bar run from the
// toolbar down to it. A size the rules make negative (a very small window) is 0.
struct GeometriaPrevia {
    int vsbLeft;
    int vsbHeight;
    int fondoWidth;
    int fondoHeight;
    int hsbWidth;
    int hsbTop;
};
GeometriaPrevia fGeometriaPrevia(int W, int H, int T, int S, int V);

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
