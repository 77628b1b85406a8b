#pragma once
// The printer as the text-output engine drives it: font, a line, an empty
// line, a new page, the end of the document. Nothing else is asked of it.
#include <QString>
#include <functional>
#include <memory>

class Impresora {
public:
    virtual ~Impresora() = default;
    virtual void fuente(const QString &nombre, int tamano, bool negrita, bool cursiva, bool subrayado) = 0;
    virtual void linea(const QString &texto) = 0;
    virtual void lineaVacia() = 0;
    virtual void nuevaPagina() = 0;
    virtual void finDocumento() = 0;
};

// The system's default printer (QPrinter, high resolution, A4 portrait, lines
// from the corner of the printable area as Qx381's printer has it: setUpPage)
// or, when $QX_PRINTER_PDF names a folder, a PDF file "<documento>.pdf" there. Raises ErrorVB 482 when neither is at hand, or when the process
// already runs a Qt application that has no GUI.
std::unique_ptr<Impresora> fCrearImpresora(const QString &documento);

// For tests: replaces the way the engine obtains its printer; returns the previous one.
using FabricaImpresora = std::function<std::unique_ptr<Impresora>(const QString &documento)>;
FabricaImpresora setFabricaImpresora(FabricaImpresora fabrica);
std::unique_ptr<Impresora> fObtenerImpresora(const QString &documento);
