#include "annexes/ui/registroanexos.h"
#include "shell/ui/registroventanas.h"

void pRegistrarAnexos()
{
}
