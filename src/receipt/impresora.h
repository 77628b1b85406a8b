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

// Qx381's printer (platform/impresora.h): the system's default printer, or,
// when $QX_PRINTER_PDF names a folder, a PDF published there whole as
// "<documento>.pdf" (never over another file: "<documento>-2.pdf"...) when
// the document ends. The document starts at the first output. Raises ErrorVB
// 482 when neither printer is at hand, or when the process already runs a Qt
// application that has no GUI; 48 when the printer library cannot be loaded;
// 57 when the PDF did not come out whole.
std::unique_ptr<Impresora> fCrearImpresora(const QString &documento);

// For tests: replaces the way the engine obtains its printer; returns the previous one.
using FabricaImpresora = std::function<std::unique_ptr<Impresora>(const QString &documento)>;
FabricaImpresora setFabricaImpresora(FabricaImpresora fabrica);
std::unique_ptr<Impresora> fObtenerImpresora(const QString &documento);
