#pragma once
// What the print engine draws on: the three page pictures of the preview, or
// the printer (the window side hands in the printer's painter).
#include "printing/core/lienzotwips.h"

class DestinoImpresion {
public:
    virtual ~DestinoImpresion() = default;

    // The surface of the command's page index. The page pictures take 0 to 2
    // and raise ErrorEjecucion for any other index; the printer draws every
    // index on its current page and raises its error when there is none.
    virtual LienzoTwips &hoja(int iHoja) = 0;

    // The printer's page break, end of document and dropping of a document
    // (unfinished, or of a run that failed after its end); the page pictures
    // have none of them.
    virtual void nuevaHoja() {}
    virtual void finDocumento() {}
    virtual void abortar() {}
    // The ended document comes out where it can still be held back until
    // the run is registered (a PDF gets its name); called under the
    // registration's write lock at "Fin", a throw undoes the registration.
    virtual void publicarDocumento() {}
};
