#pragma once
// The inconsistency list of a validation (Mens.txt) as its window shows it
// and as its printout lays it out, free of widgets and printers.
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// The whole message file as text (CR LF kept), "" when it cannot be read.
QString fTextoMensajes(const QString &ruta);

// One step of the printout, positions in twips.
struct OrdenImpresion {
    enum Tipo { Texto, Cuadro, NuevaPagina };
    Tipo tipo = Texto;
    int x = 0, y = 0;       // text position; the frame's top left
    int x2 = 0, y2 = 0;     // the frame's bottom right
    QString texto;
    bool negrita = false;
    int tamano = 8;
};

// Lines per printed page.
constexpr int kLineasPorHoja = 40;

// The framed listing: on every page the four header lines, then its lines
// numbered from 1 on for the whole list, 270 twips apart from y 1000, and
// its frame; the last page ends with the total " Inconsistencias Detectadas : n"
// below its last line, inside its frame.
QList<OrdenImpresion> fHojasInconsistencias(const QStringList &lineas, const QDateTime &ahora);
