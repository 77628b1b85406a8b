#pragma once
// Looks up visible top-level windows by exact title on the X display.
#include <QString>
#include <QStringList>

namespace x11 {
// _NET_CLIENT_LIST where a window manager provides it, else the root window's
// viewable children; title from _NET_WM_NAME, else WM_NAME. No display: empty.
QStringList visibleTopLevelTitles();
bool hasVisibleTopLevel(const QString &exactTitle);
}
