#pragma once
// Windows under a window manager. The main window and every modal window
// offer neither minimise nor maximise: Qt writes that into the Motif hints,
// which most window managers follow. Openbox offers both to every normal or
// dialog window whatever those hints say, and leaves them out only for the
// window types it never minimises; there the windows are given such a type
// (a toolbar's, which keeps the title bar and the close box).
// A modal window made without a parent is made the transient of the window
// it opens over, so that the window manager keeps it in front of that one.
// A modal window minimised all the same comes back as soon as a window under
// it is activated or clicked: otherwise nothing on screen would answer the
// user. The click is seen as the X server sends it: Qt hands a window that a
// modal one blocks no mouse events, and a window manager that gives the
// focus to the modal window rather than its owner activates nothing.
#include <QAbstractNativeEventFilter>
#include <QObject>

class QWidget;

class GestorVentanas : public QObject, public QAbstractNativeEventFilter {
public:
    // Watches every window of the application while it lives; principal,
    // the main window, is its parent.
    explicit GestorVentanas(QWidget *principal);
    ~GestorVentanas() override;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;
    bool nativeEventFilter(const QByteArray &tipo, void *mensaje, qintptr *resultado) override;

private:
    QWidget *m_principal;
};
