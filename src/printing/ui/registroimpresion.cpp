#include "printing/ui/registroimpresion.h"
#include "shell/ui/registroventanas.h"

void pRegistrarImpresion()
{
}
