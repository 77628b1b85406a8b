#include "receipt/impresora.h"
#include "platform/gui/impresora.h"
#include "receipt/errorvb.h"

#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// The program itself runs without a GUI; painting needs one, on the offscreen
// platform so that no display is required.
bool fAsegurarGui()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        return qobject_cast<QGuiApplication *>(app) != nullptr;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char nombre[] = "0951REP";
    static char *argv[] = {nombre, nullptr};
    new QGuiApplication(argc, argv);   // lives until the process ends
    return true;
}

class ImpresoraQt : public Impresora {
public:
    explicit ImpresoraQt(const QString &pdf) : m_printer(QPrinter::HighResolution)
    {
        if (!pdf.isEmpty()) {
            m_printer.setOutputFormat(QPrinter::PdfFormat);
            m_printer.setOutputFileName(pdf);
        }
        setUpPage(m_printer);
        m_fuente = QFont(QStringLiteral("Courier New"));
        m_fuente.setStyleHint(QFont::TypeWriter);
        m_fuente.setPointSize(8);
    }
    ~ImpresoraQt() override
    {
        if (m_painter.isActive())
            m_painter.end();
    }

    void fuente(const QString &nombre, int tamano, bool negrita, bool cursiva, bool subrayado) override
    {
        empezar();
        m_fuente = QFont(nombre);
        m_fuente.setStyleHint(QFont::TypeWriter);
        if (tamano > 0)
            m_fuente.setPointSize(tamano);
        m_fuente.setBold(negrita);
        m_fuente.setItalic(cursiva);
        m_fuente.setUnderline(subrayado);
        m_painter.setFont(m_fuente);
    }
    void linea(const QString &texto) override
    {
        empezar();
        const QFontMetricsF fm(m_painter.font(), &m_printer);
        saltoSiLlena(fm.height());
        m_painter.drawText(QPointF(0, m_y + fm.ascent()), texto);
        m_y += fm.height();
    }
    void lineaVacia() override
    {
        empezar();
        const QFontMetricsF fm(m_painter.font(), &m_printer);
        saltoSiLlena(fm.height());
        m_y += fm.height();
    }
    void nuevaPagina() override
    {
        empezar();
        if (!m_printer.newPage())
            errvb::lanzar(errvb::SinImpresora);
        m_y = 0;
    }
    void finDocumento() override
    {
        if (m_painter.isActive())
            m_painter.end();
        m_y = 0;
    }

private:
    // The document starts with its first output, so an empty run prints nothing.
    void empezar()
    {
        if (m_painter.isActive())
            return;
        if (!m_painter.begin(&m_printer))
            errvb::lanzar(errvb::SinImpresora);
        m_painter.setFont(m_fuente);
        m_y = 0;
    }
    // As the legacy printer does, a line that does not fit the printable
    // area goes to a new page.
    void saltoSiLlena(qreal alto)
    {
        const qreal pagina = m_printer.pageLayout().paintRectPixels(m_printer.resolution()).height();
        if (m_y > 0 && m_y + alto > pagina)
            nuevaPagina();
    }

    QPrinter m_printer;
    QPainter m_painter;
    QFont m_fuente;
    qreal m_y = 0;   // device units from the top of the printable area
};

FabricaImpresora &fabrica()
{
    static FabricaImpresora f;
    return f;
}

} // namespace

std::unique_ptr<Impresora> fCrearImpresora(const QString &documento)
{
    if (!fAsegurarGui())
        errvb::lanzar(errvb::SinImpresora);
    const QString carpeta = qEnvironmentVariable("QX_PRINTER_PDF");
    QString pdf;
    if (!carpeta.isEmpty()) {
        if (!QDir(carpeta).exists())
            errvb::lanzar(errvb::SinImpresora);
        pdf = QDir(carpeta).filePath(documento + QStringLiteral(".pdf"));
    } else if (QPrinterInfo::defaultPrinter().isNull()) {
        errvb::lanzar(errvb::SinImpresora);
    }
    return std::make_unique<ImpresoraQt>(pdf);
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
