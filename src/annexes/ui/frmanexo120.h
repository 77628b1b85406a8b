#pragma once
// Box 120: the IEAN paid from April to December 1998 with the payments on
// account (annex type "1", column pago_iean_r), and its read-only twin.
#include "annexes/ui/frmanexo.h"

DisenoAnexo fDisenoAnexo120(bool enviada);

using FrmAnexo120 = CalculadoraAnexo<&DefinicionAsistente::anexo120, &fDisenoAnexo120>;
using FrmAnexo120E = VisorAnexo<&DefinicionAsistente::anexo120, &fDisenoAnexo120>;
