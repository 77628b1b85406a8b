#pragma once
#include "platform/database.h"

// Six-digit control code of a row about to be written: the first n fields
// summed as numbers, the following ones but the last weighted by character
// position. Callers pass n = 5 for CAB and ACTA, n = 6 for DET.
QString fCodigoControl(const Registro &rs, int n);
