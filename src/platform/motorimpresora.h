#pragma once
// What the printer library (libqximpresora.so, beside the program) gives:
// QPrinter and its painter. Qt's print support and the graphics stack behind
// it (X11, fonts) load only with it, at the first print, so a program that
// never prints never loads them. Printer (impresora.h) is its only user.
#include <QString>

class QPainter;

class MotorImpresora {
public:
    virtual ~MotorImpresora() = default;
    virtual bool begin(const QString &document) = 0;
    virtual bool isActive() const = 0;
    virtual void setFont(const QString &name, bool bold, double pointSize, bool italic, bool underline) = 0;
    virtual void setLineWidth(int deviceUnits) = 0;
    virtual void printText(int xTwips, int yTwips, const QString &text) = 0;
    virtual bool printLine(const QString &text) = 0;
    virtual void drawLine(int x1Twips, int y1Twips, int x2Twips, int y2Twips) = 0;
    virtual bool newPage() = 0;
    virtual bool finish() = 0;
    virtual bool publish() = 0;
    virtual bool abort() = 0;
    virtual QPainter *painter() = 0;
    virtual int resolution() const = 0;
    virtual QString pdfFile() const = 0;
    virtual QString errorString() const = 0;
};

// The library's entry points (extern "C", looked up by name). A library of
// another version than the program's is refused: the classes above must be
// the same on both sides.
inline constexpr int kVersionMotorImpresora = 1;
extern "C" {
using FnVersionMotorImpresora = int (*)();
// A new printer; null, with *error in Spanish, when the process cannot print.
using FnCrearMotorImpresora = MotorImpresora *(*)(QString *error);
// A PDF folder or a default printer is at hand.
using FnImpresoraDisponible = bool (*)();
}
