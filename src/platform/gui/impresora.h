#pragma once
// The printer of Qx381: QPrinter at high resolution, A4 portrait, on the
// system's default printer. When $QX_PRINTER_PDF names a folder every
// document is written there as a PDF file instead. Positions are given in
// twips from the corner of the printable area, as the legacy printer took
// them (setUpPage), and become device units with the printer's own
// resolution (twips x dpi / 1440).
#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <QString>
#include <memory>

// A4 portrait, position 0 at the corner of the printable area: a real
// printer's own margins; a PDF 0.25 in (360 twips) inside each paper edge,
// the margins of a common laser printer. Call it once the output is chosen.
// Qx381's printer and 0951REP's alike.
void setUpPage(QPrinter &printer);

class Printer {
public:
    // The legacy number of "no printer available".
    static constexpr int NoPrinter = 482;

    Printer();
    ~Printer();
    Printer(const Printer &) = delete;
    Printer &operator=(const Printer &) = delete;

    // True when a document can be started: a PDF folder or a default printer.
    static bool available();

    // Starts a document (its name gives the PDF file "<name>.pdf"). False
    // when no printer is at hand.
    bool begin(const QString &document);
    bool isActive() const { return m_painter.isActive(); }

    // "Courier New" and the like are asked for with the monospace hint.
    void setFont(const QString &name, bool bold, double pointSize);
    void setLineWidth(int deviceUnits) { m_lineWidth = deviceUnits; }

    // Text whose top stands at (x, y), as CurrentX/CurrentY placed it.
    void printText(int xTwips, int yTwips, const QString &text);
    void drawLine(int x1Twips, int y1Twips, int x2Twips, int y2Twips);
    bool newPage();

    // Ends the document: the pages go to the printer. A PDF is checked to be
    // whole on the disk (synced, and complete as a PDF) and keeps its hidden
    // name until publish(); one that is not is removed. False, with
    // errorString(), when the document did not come out whole.
    bool finish();
    // A finished PDF gets its name: "<name>.pdf", else the first free of
    // "<name>-2.pdf", "<name>-3.pdf"...; a file of that name, whoever wrote
    // it, is never replaced. True on a real printer or with nothing to
    // publish; false, with errorString(), when no name could be given
    // (then the PDF is removed).
    bool publish();
    // finish() and publish().
    bool end();
    // Drops the document instead: the print engine cancels it where it can
    // (a real printer keeps the pages already sent); a PDF is removed, even
    // a published one, as long as its name still holds the file written
    // here. False when there was no document.
    bool abort();

    // Painter of the open document (null when none), for drawing in device units.
    QPainter *painter() { return m_painter.isActive() ? &m_painter : nullptr; }

    int resolution() const;
    double toDevice(int twips) const;
    // The published PDF file ("" on a real printer, before publish() and
    // once the document was dropped).
    QString pdfFile() const { return m_pdf; }
    // Why finish() or publish() failed, in Spanish ("" otherwise).
    QString errorString() const { return m_error; }

private:
    void dropPartial();
    void releasePartial();
    bool fail(const QString &error);
    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    QFont m_font;
    int m_lineWidth = 1;
    QString m_document;
    QString m_folder;   // the PDF folder ("" on a real printer)
    QString m_pdf;
    QString m_error;
    // The hidden file the PDF is written into until publish() names it m_pdf.
    QString m_partial;
    int m_partialHeld = -1;   // held while the PDF is ours (see heldfile.h)
    bool m_finished = false;  // finish() succeeded and publish() is to come
};
