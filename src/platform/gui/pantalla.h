#pragma once
// Whether a QApplication can be made: Qt's X11 platform gives up for good
// when it cannot reach the display, so ask the display first. The probe's
// connection stays open while it lives: an X server left without clients
// resets itself and refuses connections for a moment, which would catch the
// QApplication made right after.
struct xcb_connection_t;

class SondaPantalla {
public:
    SondaPantalla();
    ~SondaPantalla();
    SondaPantalla(const SondaPantalla &) = delete;
    SondaPantalla &operator=(const SondaPantalla &) = delete;
    bool disponible() const { return m_disponible; }
private:
    xcb_connection_t *m_c = nullptr;
    bool m_disponible = false;
};
