// qxdibujos: draws Qx381's pictures while the program is built and writes
// their pixels as C++ (gPixelesPrevios), so that the program loads no font
// engine and asks no icon theme for them when it starts.
//   qxdibujos OUTPUT.cpp
#include "shell/dibujos/dibujos.h"
#include "platform/syserror.h"
#include "platform/wholefile.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "uso: qxdibujos ARCHIVO.cpp\n");
        return 2;
    }
    // No display is needed to draw into images.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QByteArray texto = "// Written by qxdibujos while building (src/shell/dibujos): not to be edited.\n"
                       "#include \"shell/dibujos/dibujos.h\"\n\nnamespace {\n";
    QByteArray tabla = "} // namespace\n\nconst PixelesPrevios gPixelesPrevios[dibujos::Cuantos] = {\n";
    for (int id = 0; id < dibujos::Cuantos; ++id) {
        const QImage im = dibujos::dibujar(dibujos::Id(id)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (im.isNull()) {
            std::fprintf(stderr, "qxdibujos: el dibujo %d está vacío\n", id);
            return 1;
        }
        texto += "const unsigned int kDibujo" + QByteArray::number(id) + "[] = {";
        for (int y = 0; y < im.height(); ++y) {
            const auto *fila = reinterpret_cast<const quint32 *>(im.constScanLine(y));
            texto += '\n';
            for (int x = 0; x < im.width(); ++x)
                texto += "0x" + QByteArray::number(fila[x], 16) + ',';
        }
        texto += "\n};\n";
        tabla += "    {" + QByteArray::number(im.width()) + ", " + QByteArray::number(im.height()) + ", kDibujo"
                 + QByteArray::number(id) + "},\n";
    }
    texto += tabla + "};\n";

    // The build sees the file whole or not at all.
    const int error = wholefile::replace(QString::fromLocal8Bit(argv[1]), texto);
    if (error != 0) {
        std::fprintf(stderr, "qxdibujos: no se pudo escribir %s (%s)\n", argv[1],
                     sysCause(error).toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
