// The baseline of bench_arranque: the least a Qt 6 Widgets program shows, a
// main window with a menu bar, of the size of Qx381's main window.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("Mínimo Qt"));
    w.menuBar()->addMenu(QStringLiteral("&Archivo"))->addAction(QStringLiteral("&Salir"), &app,
                                                                 &QApplication::quit);
    w.menuBar()->addMenu(QStringLiteral("&Ayuda"));
    w.resize(648, 488);
    w.show();
    return app.exec();
}
