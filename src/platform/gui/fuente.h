#pragma once
// The font of every window, asked for by name: Liberation Sans (Debian's
// fonts-liberation, which the set-up installs) at 7.5 points. The legacy
// windows were laid out in twips for "MS Sans Serif" of 8 points, a bitmap
// font narrower than Arial of the same size; Arial's widths at 7.5 points
// (Liberation Sans has them) take the room it took, so that their captions
// fit as they did. Left to the desktop, "sans-serif" is whatever fontconfig
// finds first: DejaVu Sans on one machine, Liberation Mono on another, and
// the windows would look and measure differently on each.
#include <QFont>

QFont interfaceFont();

// Makes it the font of the whole application; right after the QApplication
// is made, before any window (the programs' main and the tests' start-up).
void applyInterfaceFont();
