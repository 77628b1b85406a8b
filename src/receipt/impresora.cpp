#include "receipt/impresora.h"
#include "platform/impresora.h"
#include "receipt/errorvb.h"

#include <QDir>

namespace {

// No QPrinter here: the program loads the printer library only when a
// rendering reaches the printer.
class ImpresoraQt : public Impresora {
public:
    explicit ImpresoraQt(const QString &documento) : m_documento(documento) {}
    // A document not ended (a rendering that stopped on an error) goes to a
    // real printer as it stands; a PDF of it is not published.
    ~ImpresoraQt() override = default;

    void fuente(const QString &nombre, int tamano, bool negrita, bool cursiva, bool subrayado) override
    {
        empezar();
        m_printer.setFont(nombre, negrita, tamano > 0 ? tamano : 0, cursiva, subrayado);
    }
    void linea(const QString &texto) override
    {
        empezar();
        if (!m_printer.printLine(texto))
            errvb::lanzar(errvb::SinImpresora);
    }
    void lineaVacia() override
    {
        empezar();
        if (!m_printer.printLine(QString()))
            errvb::lanzar(errvb::SinImpresora);
    }
    void nuevaPagina() override
    {
        empezar();
        if (!m_printer.newPage())
            errvb::lanzar(errvb::SinImpresora);
    }
    void finDocumento() override
    {
        if (!m_printer.isActive())
            return;
        // Published whole or not at all, as Qx381's documents.
        if (!m_printer.end())
            throw ErrorVB(errvb::ErrorEntradaSalida, m_printer.errorString());
    }

private:
    // The document starts with its first output, so an empty run prints nothing.
    void empezar()
    {
        if (m_printer.isActive())
            return;
        if (!m_printer.begin(m_documento)) {
            if (m_printer.libraryMissing())
                throw ErrorVB(errvb::ErrorCargarBiblioteca, m_printer.errorString());
            errvb::lanzar(errvb::SinImpresora);
        }
    }

    QString m_documento;
    Printer m_printer;
};

FabricaImpresora &fabrica()
{
    static FabricaImpresora f;
    return f;
}

} // namespace

std::unique_ptr<Impresora> fCrearImpresora(const QString &documento)
{
    // A PDF folder that is named but missing is no printer, even with a
    // default printer at hand.
    const QString carpeta = qEnvironmentVariable("QX_PRINTER_PDF");
    if (!carpeta.isEmpty() && !QDir(carpeta).exists())
        errvb::lanzar(errvb::SinImpresora);
    return std::make_unique<ImpresoraQt>(documento);
}

FabricaImpresora setFabricaImpresora(FabricaImpresora f)
{
    FabricaImpresora previa = fabrica();
    fabrica() = std::move(f);
    return previa;
}

std::unique_ptr<Impresora> fObtenerImpresora(const QString &documento)
{
    if (fabrica())
        return fabrica()(documento);
    return fCrearImpresora(documento);
}
