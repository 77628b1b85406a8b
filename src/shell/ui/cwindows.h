#pragma once
// Finds top-level windows of the X display by their title; start-up uses it
// to make sure the host is running.
#include <QString>

class cWindows {
public:
    // True when a visible top-level window has exactly the text sApp.
    bool CorreApp(const QString &sApp) const;
    // The window class (WM_CLASS) of the top-level window titled Title; "" when none.
    QString ClassName(const QString &Title) const;
    // Asks the top-level window with that title (and class, when given) to
    // close, unless Titulo is "Progman".
    void CloseApp(const QString &Titulo, const QString &ClassName = QString()) const;
};
