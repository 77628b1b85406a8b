#pragma once
// Plugs the annex calculators and their read-only twins into the shell (registroventanas.h).
class FrmAnexo117;
class FrmAnexo120;
class FrmAnexo131;
class FrmAnexo131A;

// The calculator on screen, while its opener shows it.
extern FrmAnexo117 *gFrmAnexo117;
extern FrmAnexo120 *gFrmAnexo120;
extern FrmAnexo131 *gFrmAnexo131;
extern FrmAnexo131A *gFrmAnexo131A;

void pRegistrarAnexos();
