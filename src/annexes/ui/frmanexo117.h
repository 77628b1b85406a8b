#pragma once
// Box 117: the IEAN instalments paid from April to December 1998 (annex type
// "2", column pago_iean), and its read-only twin for a sent declaration.
#include "annexes/ui/frmanexo.h"

DisenoAnexo fDisenoAnexo117(bool enviada);

using FrmAnexo117 = CalculadoraAnexo<&DefinicionAsistente::anexo117, &fDisenoAnexo117>;
using FrmAnexo117E = VisorAnexo<&DefinicionAsistente::anexo117, &fDisenoAnexo117>;
