#include "sent/ui/registroenviadas.h"
#include "shell/ui/registroventanas.h"

void pRegistrarEnviadas()
{
}
