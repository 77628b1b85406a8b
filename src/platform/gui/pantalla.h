#pragma once
// Whether a QApplication can be made: Qt's X11 platform gives up for good
// when it cannot reach the display, so ask the display first. The probe's
// connection stays open while it lives: an X server left without clients
// resets itself and refuses connections for a moment, which would catch the
// QApplication made right after.
// The windowed programs look for their host's window through X11, so they run
// on Qt's X11 platform (on a Wayland desktop, through its X server) unless the
// user chose a platform (QT_QPA_PLATFORM, or -platform on the command line).
// The QApplication is made while the probe lives; the programs it starts make
// their own choice again.
struct xcb_connection_t;

class SondaPantalla {
public:
    SondaPantalla(int argc, char **argv);
    ~SondaPantalla();
    SondaPantalla(const SondaPantalla &) = delete;
    SondaPantalla &operator=(const SondaPantalla &) = delete;
    bool disponible() const { return m_disponible; }
private:
    xcb_connection_t *m_c = nullptr;
    bool m_disponible = false;
    bool m_plataformaFijada = false;
};
