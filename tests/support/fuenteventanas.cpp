// Linked into every test that makes windows: the QApplication of QTEST_MAIN
// (or of a test's own main) gets the windows' font as the programs' main
// gives it, so that the windows measure in the tests as they do in use.
#include "platform/gui/fuente.h"

#include <QApplication>

namespace {
void fuenteDeLasVentanas()
{
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        applyInterfaceFont();
}
}

Q_COREAPP_STARTUP_FUNCTION(fuenteDeLasVentanas)
