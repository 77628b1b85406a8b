#include "impresora.h"
#include "platform/heldfile.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <unistd.h>
#include <utility>

namespace {

QString pdfFolder()
{
    const QString folder = qEnvironmentVariable("QX_PRINTER_PDF");
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

const QString kPartialPrefix = QStringLiteral(".qx-");
const QString kPartialSuffix = QStringLiteral(".pdf.part");

QString uniquePdf(const QString &folder, const QString &document)
{
    QString base = document;
    base.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]+")), QStringLiteral("_"));
    if (base.isEmpty())
        base = QStringLiteral("documento");
    const QDir dir(folder);
    QString name = dir.filePath(base + QStringLiteral(".pdf"));
    for (int i = 2; QFileInfo::exists(name); ++i)
        name = dir.filePath(QStringLiteral("%1-%2.pdf").arg(base).arg(i));
    return name;
}

} // namespace

Printer::Printer()
{
    m_font = QFont(QStringLiteral("Courier New"));
    m_font.setStyleHint(QFont::Monospace);
    m_font.setPointSizeF(8);
}

Printer::~Printer()
{
    if (m_painter.isActive())
        m_painter.end();
    // A PDF never ended is no printed document.
    dropPartial();
}

void Printer::dropPartial()
{
    if (!m_partial.isEmpty())
        QFile::remove(m_partial);
    m_partial.clear();
    releasePartial();
}

void Printer::releasePartial()
{
    if (m_partialHeld >= 0)
        ::close(m_partialHeld);
    m_partialHeld = -1;
}

bool Printer::available()
{
    return !pdfFolder().isEmpty() || !QPrinterInfo::defaultPrinter().isNull();
}

bool Printer::begin(const QString &document)
{
    if (m_painter.isActive())
        m_painter.end();
    m_pdf.clear();
    dropPartial();
    m_document = document;
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const QString folder = pdfFolder();
    if (!folder.isEmpty()) {
        // Written under a hidden name, and given its own only by end(): a
        // run that dies half-way leaves no PDF that passes for a printed one,
        // and the next document clears what such a run left.
        heldfile::removeOrphans(folder, kPartialPrefix, kPartialSuffix);
        int errnum = 0;
        m_partialHeld = heldfile::create(folder, kPartialPrefix, kPartialSuffix, &m_partial, &errnum);
        if (m_partialHeld < 0) {
            m_partial.clear();
            return false;
        }
        m_pdf = uniquePdf(folder, document);
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(m_partial);
    } else {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return false;
        m_printer->setPrinterName(info.printerName());
    }
    m_printer->setDocName(document);
    m_printer->setPageSize(QPageSize(QPageSize::A4));
    m_printer->setPageOrientation(QPageLayout::Portrait);
    m_printer->setFullPage(true);
    m_printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    if (!m_painter.begin(m_printer.get())) {
        m_pdf.clear();
        dropPartial();
        return false;
    }
    m_painter.setFont(m_font);
    return true;
}

void Printer::setFont(const QString &name, bool bold, double pointSize)
{
    m_font = QFont(name);
    m_font.setStyleHint(QFont::Monospace);
    m_font.setBold(bold);
    if (pointSize > 0)
        m_font.setPointSizeF(pointSize);
    if (m_painter.isActive())
        m_painter.setFont(m_font);
}

int Printer::resolution() const
{
    return m_printer ? m_printer->resolution() : 0;
}

double Printer::toDevice(int twips) const
{
    return static_cast<double>(twips) * resolution() / 1440.0;
}

void Printer::printText(int xTwips, int yTwips, const QString &text)
{
    if (!m_painter.isActive())
        return;
    const QFontMetricsF fm(m_painter.font(), m_printer.get());
    m_painter.drawText(QPointF(toDevice(xTwips), toDevice(yTwips) + fm.ascent()), text);
}

void Printer::drawLine(int x1Twips, int y1Twips, int x2Twips, int y2Twips)
{
    if (!m_painter.isActive())
        return;
    QPen pen(Qt::black);
    pen.setWidth(m_lineWidth);
    m_painter.setPen(pen);
    m_painter.drawLine(QPointF(toDevice(x1Twips), toDevice(y1Twips)), QPointF(toDevice(x2Twips), toDevice(y2Twips)));
}

bool Printer::newPage()
{
    return m_printer && m_painter.isActive() && m_printer->newPage();
}

bool Printer::end()
{
    if (!m_painter.isActive())
        return false;
    const bool ended = m_painter.end();
    if (m_partial.isEmpty())
        return ended;
    if (!ended) {
        dropPartial();
        m_pdf.clear();
        return false;
    }
    // The name is free again only if no other document took it meanwhile.
    const QString folder = QFileInfo(m_pdf).absolutePath();
    for (int i = 0; i < 100; ++i) {
        if (QFile::rename(m_partial, m_pdf)) {
            m_partial.clear();
            releasePartial();
            return true;
        }
        m_pdf = uniquePdf(folder, m_document);
    }
    dropPartial();
    m_pdf.clear();
    return false;
}

bool Printer::abort()
{
    if (!m_painter.isActive())
        return false;
    // Qt's PDF engine cannot cancel: end it and take the file back. (A
    // printer whose engine cannot cancel either gets the pages drawn so far.)
    m_printer->abort();
    if (m_painter.isActive())
        m_painter.end();
    dropPartial();
    m_pdf.clear();
    return true;
}
