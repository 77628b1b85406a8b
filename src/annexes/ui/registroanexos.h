#pragma once
// Plugs the annex calculators and their read-only twins into the shell (registroventanas.h).
#include "annexes/ui/frmanexo117.h"
#include "annexes/ui/frmanexo120.h"
#include "annexes/ui/frmanexo131.h"
#include "annexes/ui/frmanexo131a.h"

// The calculator on screen, while its opener shows it.
extern FrmAnexo117 *gFrmAnexo117;
extern FrmAnexo120 *gFrmAnexo120;
extern FrmAnexo131 *gFrmAnexo131;
extern FrmAnexo131A *gFrmAnexo131A;

void pRegistrarAnexos();
