#include "platform/motorimpresora.h"
#include "platform/heldfile.h"
#include "platform/noreplace.h"
#include "platform/pdfcheck.h"
#include "platform/syserror.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <cerrno>
#include <sys/stat.h>
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
// "<name>-100000.pdf" and beyond are not tried.
constexpr int kNames = 99999;

// The document's name as a file name: what is not a letter, a digit, '_',
// '.' or '-' becomes '_'.
QString pdfBase(const QString &document)
{
    static const QRegularExpression other(QStringLiteral("[^A-Za-z0-9_.-]+"));
    QString base = document;
    base.replace(other, QStringLiteral("_"));
    return base.isEmpty() ? QStringLiteral("documento") : base;
}

QString pdfName(const QDir &dir, const QString &base, int i)
{
    return dir.filePath(i == 1 ? base + QStringLiteral(".pdf") : QStringLiteral("%1-%2.pdf").arg(base).arg(i));
}

// What reached the disk, read back through the held descriptor: synced, and
// a whole PDF. *errnum is the system's error when there was one.
bool writtenWhole(int fd, int *errnum)
{
    *errnum = 0;
    struct stat st {};
    if (::fsync(fd) != 0 || ::fstat(fd, &st) != 0) {
        *errnum = errno;
        return false;
    }
    QByteArray bytes(qsizetype(st.st_size), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pread(fd, bytes.data() + done, size_t(bytes.size() - done), done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            *errnum = n < 0 ? errno : 0;
            return false;
        }
        done += n;
    }
    return pdfWhole(bytes);
}

// A4 portrait, position 0 at the corner of the printable area: a real
// printer's own margins; a PDF 0.25 in (360 twips) inside each paper edge.
// Called once the output is chosen.
void setUpPage(QPrinter &printer)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(false);
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        printer.setPageMargins(QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
    } else {
        const QPageLayout layout = printer.pageLayout();
        printer.setPageMargins(layout.minimumMargins(), layout.units());
    }
}

class MotorQt : public MotorImpresora {
public:
    MotorQt()
    {
        m_font = QFont(QStringLiteral("Courier New"));
        m_font.setStyleHint(QFont::Monospace);
        m_font.setPointSizeF(8);
    }
    ~MotorQt() override
    {
        if (m_painter.isActive())
            m_painter.end();
        // A PDF never published is no printed document.
        dropPartial();
    }

    bool begin(const QString &document) override;
    bool isActive() const override { return m_painter.isActive(); }
    void setFont(const QString &name, bool bold, double pointSize, bool italic, bool underline) override;
    void setLineWidth(int deviceUnits) override { m_lineWidth = deviceUnits; }
    void printText(int xTwips, int yTwips, const QString &text) override;
    bool printLine(const QString &text) override;
    void drawLine(int x1Twips, int y1Twips, int x2Twips, int y2Twips) override;
    bool newPage() override;
    bool finish() override;
    bool publish() override;
    bool abort() override;
    QPainter *painter() override { return m_painter.isActive() ? &m_painter : nullptr; }
    int resolution() const override { return m_printer ? m_printer->resolution() : 0; }
    QString pdfFile() const override { return m_pdf; }
    QString errorString() const override { return m_error; }

private:
    double toDevice(int twips) const { return static_cast<double>(twips) * resolution() / 1440.0; }
    void dropPartial();
    void releasePartial();
    bool fail(const QString &error);
    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    QFont m_font;
    int m_lineWidth = 1;
    qreal m_lineY = 0;   // printLine's next line, device units below the printable area's top
    QString m_document;
    QString m_folder;   // the PDF folder ("" on a real printer)
    QString m_pdf;
    QString m_error;
    // The hidden file the PDF is written into until publish() names it m_pdf.
    QString m_partial;
    heldfile::Held m_partialHeld;   // held while the PDF is ours
    bool m_finished = false;  // finish() succeeded and publish() is to come
};

void MotorQt::dropPartial()
{
    if (!m_partial.isEmpty())
        QFile::remove(m_partial);
    m_partial.clear();
    m_finished = false;
    releasePartial();
}

void MotorQt::releasePartial()
{
    m_partialHeld.close();
}

bool MotorQt::fail(const QString &error)
{
    m_error = error;
    return false;
}

bool MotorQt::begin(const QString &document)
{
    if (m_painter.isActive())
        m_painter.end();
    m_pdf.clear();
    m_error.clear();
    dropPartial();
    m_document = document;
    m_lineY = 0;
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_folder = pdfFolder();
    if (!m_folder.isEmpty()) {
        // Written under a hidden name, and given its own only by publish():
        // a run that dies or fails half-way leaves no PDF that passes for a
        // printed one, and the next document clears what such a run left.
        heldfile::removeOrphans(m_folder, kPartialPrefix, kPartialSuffix);
        m_partialHeld = heldfile::create(m_folder, kPartialPrefix, kPartialSuffix);
        if (!m_partialHeld.isHeld())
            return false;
        m_partial = m_partialHeld.path();
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(m_partial);
    } else {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return false;
        m_printer->setPrinterName(info.printerName());
    }
    m_printer->setDocName(document);
    setUpPage(*m_printer);
    if (!m_painter.begin(m_printer.get())) {
        dropPartial();
        return false;
    }
    m_painter.setFont(m_font);
    return true;
}

void MotorQt::setFont(const QString &name, bool bold, double pointSize, bool italic, bool underline)
{
    m_font = QFont(name);
    m_font.setStyleHint(QFont::Monospace);
    m_font.setBold(bold);
    m_font.setItalic(italic);
    m_font.setUnderline(underline);
    if (pointSize > 0)
        m_font.setPointSizeF(pointSize);
    if (m_painter.isActive())
        m_painter.setFont(m_font);
}

void MotorQt::printText(int xTwips, int yTwips, const QString &text)
{
    if (!m_painter.isActive())
        return;
    const QFontMetricsF fm(m_painter.font(), m_printer.get());
    m_painter.drawText(QPointF(toDevice(xTwips), toDevice(yTwips) + fm.ascent()), text);
}

void MotorQt::drawLine(int x1Twips, int y1Twips, int x2Twips, int y2Twips)
{
    if (!m_painter.isActive())
        return;
    QPen pen(Qt::black);
    pen.setWidth(m_lineWidth);
    m_painter.setPen(pen);
    m_painter.drawLine(QPointF(toDevice(x1Twips), toDevice(y1Twips)), QPointF(toDevice(x2Twips), toDevice(y2Twips)));
}

bool MotorQt::printLine(const QString &text)
{
    if (!m_painter.isActive())
        return false;
    const QFontMetricsF fm(m_painter.font(), m_printer.get());
    // As the legacy printer does, a line that does not fit the printable
    // area goes to a new page.
    const qreal page = m_printer->pageLayout().paintRectPixels(m_printer->resolution()).height();
    if (m_lineY > 0 && m_lineY + fm.height() > page && !newPage())
        return false;
    if (!text.isEmpty())
        m_painter.drawText(QPointF(0, m_lineY + fm.ascent()), text);
    m_lineY += fm.height();
    return true;
}

bool MotorQt::newPage()
{
    m_lineY = 0;
    return m_printer && m_painter.isActive() && m_printer->newPage();
}

bool MotorQt::finish()
{
    m_error.clear();
    if (!m_painter.isActive())
        return fail(QStringLiteral("no hay un documento abierto"));
    const bool ended = m_painter.end();
    if (m_partial.isEmpty())
        return ended || fail(QStringLiteral("la impresora no aceptó el documento"));
    // The painter does not tell whether the file got every byte (a full disk
    // cuts it silently): what reached the disk is checked instead.
    int errnum = 0;
    if (!ended || !writtenWhole(m_partialHeld.fd(), &errnum)) {
        dropPartial();
        return fail(QStringLiteral("no se pudo escribir entero el documento en la carpeta '%1' (%2).")
                        .arg(m_folder, errnum ? sysCause(errnum) : QStringLiteral("¿está lleno el disco?")));
    }
    m_finished = true;
    return true;
}

bool MotorQt::publish()
{
    if (!m_finished)
        return true;
    m_finished = false;
    const QDir dir(m_folder);
    const QString base = pdfBase(m_document);
    for (int i = 1; i <= kNames; ++i) {
        const QString name = pdfName(dir, base, i);
        const int errnum = noreplace::rename(m_partial, name);
        if (errnum == 0) {
            // Still held, so that abort() knows the file for its own.
            m_partial.clear();
            m_pdf = name;
            return true;
        }
        if (errnum != EEXIST) {
            dropPartial();
            return fail(QStringLiteral("no se pudo dar su nombre al documento '%1' (%2).").arg(name, sysCause(errnum)));
        }
    }
    dropPartial();
    return fail(QStringLiteral("no queda un nombre libre para el documento en la carpeta '%1'.").arg(m_folder));
}

bool MotorQt::abort()
{
    if (m_painter.isActive()) {
        // Qt's PDF engine cannot cancel: end it and take the file back. (A
        // printer whose engine cannot cancel either gets the pages drawn so far.)
        m_printer->abort();
        if (m_painter.isActive())
            m_painter.end();
        dropPartial();
        return true;
    }
    if (m_finished) {
        dropPartial();
        return true;
    }
    if (m_pdf.isEmpty())
        return false;
    // Published, but the print failed after all: the name goes, unless it
    // holds another file by now.
    if (m_partialHeld.names(m_pdf))
        QFile::remove(m_pdf);
    m_pdf.clear();
    releasePartial();
    return true;
}

} // namespace

extern "C" {

Q_DECL_EXPORT int qx_version_motor_impresora()
{
    return kVersionMotorImpresora;
}

Q_DECL_EXPORT MotorImpresora *qx_crear_motor_impresora(QString *error)
{
    // Painting needs a GUI application. A program without one of its own (the
    // receipt program and its tests) gets one on the offscreen platform, so
    // that no display is required; one that already runs a Qt application
    // without a GUI cannot print.
    if (QCoreApplication *app = QCoreApplication::instance()) {
        if (!qobject_cast<QGuiApplication *>(app)) {
            *error = QStringLiteral("El programa no tiene interfaz gráfica con la que imprimir.");
            return nullptr;
        }
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char nombre[] = "qx";
        static char *argv[] = {nombre, nullptr};
        new QGuiApplication(argc, argv);   // lives until the process ends
    }
    return new MotorQt;
}

Q_DECL_EXPORT bool qx_impresora_disponible()
{
    return !pdfFolder().isEmpty() || !QPrinterInfo::defaultPrinter().isNull();
}

}
