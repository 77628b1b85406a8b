#pragma once
// The printer of Qx381: QPrinter at high resolution, A4 portrait, full page
// without margins, on the system's default printer. When $QX_PRINTER_PDF names
// a folder every document is written there as a PDF file instead. Positions
// are given in twips, as the legacy printer took them, and become device
// units with the printer's own resolution (twips x dpi / 1440).
#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <QString>
#include <memory>

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

    // Starts a document (its name gives the PDF file "<name>.pdf", made unique
    // in the folder). False when no printer is at hand.
    bool begin(const QString &document);
    bool isActive() const { return m_painter.isActive(); }

    // "Courier New" and the like are asked for with the monospace hint.
    void setFont(const QString &name, bool bold, double pointSize);
    void setLineWidth(int deviceUnits) { m_lineWidth = deviceUnits; }

    // Text whose top stands at (x, y), as CurrentX/CurrentY placed it.
    void printText(int xTwips, int yTwips, const QString &text);
    void drawLine(int x1Twips, int y1Twips, int x2Twips, int y2Twips);
    bool newPage();
    // Ends the document: the pages go to the printer, or the PDF file gets
    // its name (the next free one if another document took it meanwhile).
    bool end();
    // Drops the document instead: the print engine cancels it where it can;
    // a PDF file is removed. False when there was no document.
    bool abort();
    // The painter of the open document (null when none), for drawing in
    // device units.
    QPainter *painter() { return m_painter.isActive() ? &m_painter : nullptr; }

    int resolution() const;
    double toDevice(int twips) const;
    // The PDF file of the current or last ended document ("" on a real
    // printer, or when the document was dropped).
    QString pdfFile() const { return m_pdf; }

private:
    void dropPartial();
    void releasePartial();
    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    QFont m_font;
    int m_lineWidth = 1;
    QString m_document;
    QString m_pdf;
    // The hidden file the PDF is written into until end() names it m_pdf.
    QString m_partial;
    int m_partialHeld = -1;   // held while the PDF is written (see heldfile.h)
};
