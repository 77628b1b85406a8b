#pragma once
// The printer as the print engine's target: the document starts at the first
// drawing, every page index draws on the current page, and the printer's
// failures become the legacy errors 484 (no printer) and 482 (printer error,
// with the printer's own description: a PDF not written whole, for one).
#include "platform/impresora.h"
#include "printing/core/destinoimpresion.h"
#include <memory>

class DestinoImpresora : public DestinoImpresion {
public:
    // documento names the printer job (and the PDF file under $QX_PRINTER_PDF).
    explicit DestinoImpresora(const QString &documento);
    ~DestinoImpresora() override;

    LienzoTwips &hoja(int iHoja) override;
    void nuevaHoja() override;
    // The pages go to the printer; a PDF, checked whole, waits for
    // publicarDocumento to get its name.
    void finDocumento() override;
    void publicarDocumento() override;
    // Also takes back a PDF already published.
    void abortar() override;

    // The PDF of the document once published ("" on a real printer).
    QString archivoPdf() const { return m_impresora.pdfFile(); }

private:
    Printer m_impresora;
    QString m_documento;
    std::unique_ptr<LienzoTwips> m_lienzo;
};
