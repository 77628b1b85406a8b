#pragma once
// Looks up visible top-level windows by exact title on the X display, and
// what the window manager is told of the application's own windows.
#include <QString>
#include <QStringList>

namespace x11 {
// _NET_CLIENT_LIST where a window manager provides it, else the root window's
// viewable children; title from _NET_WM_NAME, else WM_NAME. No display: empty.
QStringList visibleTopLevelTitles();
bool hasVisibleTopLevel(const QString &exactTitle);

// Whether the application runs on Qt's X11 platform.
bool isX11();
// The running window manager's name (_NET_WM_NAME of the window that
// _NET_SUPPORTING_WM_CHECK names); "" without one. On the application's own
// connection: isX11() first.
QString windowManagerName();
// Replaces the window's _NET_WM_WINDOW_TYPE with the one atom, on the
// application's connection, so that it comes before Qt maps the window.
void setWindowType(unsigned long window, const char *type);
// Whether an event of the application's connection is a mouse button
// pressed (core or XInput 2, as Qt asks for them).
bool isButtonPress(const void *xcbEvent);
}
