#pragma once
// The printer of Qx381 and 0951REP: QPrinter at high resolution, A4
// portrait, on the system's default printer. When $QX_PRINTER_PDF names a
// folder every document is written there as a PDF file instead. Positions
// are given in twips from the corner of the printable area, as the legacy
// printer took them, and become device units with the printer's own
// resolution (twips x dpi / 1440): a real printer's own margins; a PDF 0.25 in
// (360 twips) inside each paper edge, the margins of a common laser printer.
//
// The drawing itself is done by the printer library (motorimpresora.h),
// opened when a Printer first needs it: until then nothing of Qt's print
// support or graphics stack is loaded.
#include <QString>
#include <memory>

class MotorImpresora;
class QPainter;

class Printer {
public:
    // The legacy number of "no printer available".
    static constexpr int NoPrinter = 482;

    Printer();
    ~Printer();
    Printer(const Printer &) = delete;
    Printer &operator=(const Printer &) = delete;

    // True when a document can be started: a PDF folder or a default printer
    // (and the printer library at hand).
    static bool available();

    // Starts a document (its name gives the PDF file "<name>.pdf"). False
    // when no printer is at hand; then libraryMissing() tells whether the
    // printer library could not be loaded, and errorString() says why.
    bool begin(const QString &document);
    bool isActive() const;
    bool libraryMissing() const { return m_libraryMissing; }

    // "Courier New" and the like are asked for with the monospace hint.
    void setFont(const QString &name, bool bold, double pointSize, bool italic = false, bool underline = false);
    void setLineWidth(int deviceUnits);

    // Text whose top stands at (x, y), as CurrentX/CurrentY placed it.
    void printText(int xTwips, int yTwips, const QString &text);
    // The next line, at the left edge of the printable area, as the legacy
    // Print statement gives it: the first at the top, each below the one
    // before by its font's height ("" leaves the line empty), and one that
    // does not fit the page's printable height on a new page. False when
    // the new page could not be started.
    bool printLine(const QString &text);
    void drawLine(int x1Twips, int y1Twips, int x2Twips, int y2Twips);
    // A new page; the lines of printLine start again at its top.
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
    QPainter *painter();

    int resolution() const;
    double toDevice(int twips) const;
    // The published PDF file ("" on a real printer, before publish() and
    // once the document was dropped).
    QString pdfFile() const;
    // Why begin(), finish() or publish() failed, in Spanish ("" otherwise).
    QString errorString() const;

    // For tests: the printer library loaded from now on; returns the previous
    // path. By default libqximpresora.so in the program's own folder.
    static QString setLibraryPath(const QString &path);

private:
    MotorImpresora *motor();
    std::unique_ptr<MotorImpresora> m_motor;
    QString m_error;   // why there is no m_motor
    bool m_libraryMissing = false;
};
