#pragma once
// Boxes 128 and 131: the payments on account of January 1998 to March 1999,
// four amounts a month brought up to date (annex type "2" for box 128 when
// the declaration is subject to the IEAN without the annex, "3" for box 131
// without the IEAN), and its read-only twin.
#include "annexes/ui/frmanexo.h"

DisenoAnexo fDisenoAnexo131(bool enviada);

using FrmAnexo131 = CalculadoraAnexo<&DefinicionAsistente::anexo131, &fDisenoAnexo131>;
using FrmAnexo131E = VisorAnexo<&DefinicionAsistente::anexo131, &fDisenoAnexo131>;
