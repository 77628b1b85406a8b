#pragma once
// One drawing surface of the print engine: a page picture of the preview or
// the printer's current page, reached through a QPainter and measured in
// twips. It keeps the font face, bold and size that the last command set, as
// a picture box or the printer kept them for the commands that follow.
#include <QFont>
#include <QPainter>
#include <QString>

class LienzoTwips {
public:
    // unidadesPorTwip: device units of the painter per twip (1/15 for a
    // preview picture at 96 dpi, dpi / 1440 for the printer).
    LienzoTwips(QPainter &pintor, double unidadesPorTwip);

    void setCara(const QString &cara);
    void setNegrita(bool negrita);
    void setTamano(int puntos);
    void setAnchoLinea(int unidades) { m_anchoLinea = unidades; }

    QString cara() const { return m_cara; }
    bool negrita() const { return m_negrita; }
    int tamano() const { return m_tamano; }

    // Text in black whose top-left corner stands at (x, y), neither clipped
    // nor wrapped.
    void texto(int x, int y, const QString &s);
    // A straight black line at the current line width.
    void linea(int x1, int y1, int x2, int y2);

    // The face asked for with the monospace hint, so "Courier new" resolves
    // to its metric twin (Liberation Mono) where it is not installed.
    static QFont fuente(const QString &cara, bool negrita, int puntos);

private:
    QPainter &m_pintor;
    double m_escala;
    QString m_cara;           // empty: the surface's own default face
    bool m_negrita = false;
    int m_tamano = 8;
    int m_anchoLinea = 1;
    bool m_fuenteAplicada = false;   // m_pintor holds the font above
    double m_ascenso = 0;
};
