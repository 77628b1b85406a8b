#pragma once
// Box 128 when the declaration is subject to the IEAN and presented the
// annex: the payments on account of January 1998 to March 1999 less the IEAN
// paid with them (annex type "1"), in a frame that slides under the month
// captions; and its read-only twin.
#include "annexes/ui/frmanexo.h"

DisenoAnexo fDisenoAnexo131A(bool enviada);

using FrmAnexo131A = CalculadoraAnexo<&DefinicionAsistente::anexo131A, &fDisenoAnexo131A>;
using FrmAnexo131AE = VisorAnexo<&DefinicionAsistente::anexo131A, &fDisenoAnexo131A>;
