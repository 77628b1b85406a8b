#pragma once
// The preview's three page pictures (page 1, page 2, the annex page) as images
// at 15 twips a pixel, in the page colour, and the engine's target that draws
// on them during one run.
#include "printing/core/destinoimpresion.h"
#include <QColor>
#include <QImage>
#include <QSize>
#include <array>
#include <memory>

class PaginasPrevia {
public:
    static constexpr int TwipsPorPixel = 15;
    static constexpr int Cantidad = 3;
    // &H00FFFFC0: red 192, green 255, blue 255.
    static QColor colorPagina() { return QColor(192, 255, 255); }
    // Pictures 0 and 1 are 17000 x 30000 twips, picture 2 is 11175 x 15000.
    static QSize tamanoTwips(int indice);

    PaginasPrevia();
    const QImage &pagina(int indice) const { return m_paginas.at(indice); }
    QImage &pagina(int indice) { return m_paginas.at(indice); }

private:
    std::array<QImage, Cantidad> m_paginas;
};

// Draws the commands of one run on the pictures; each picture keeps its own
// font between commands. What is drawn stays when the run ends.
class DestinoPrevia : public DestinoImpresion {
public:
    explicit DestinoPrevia(PaginasPrevia &paginas);
    ~DestinoPrevia() override;
    LienzoTwips &hoja(int iHoja) override;

private:
    PaginasPrevia &m_paginas;
    std::array<QPainter, PaginasPrevia::Cantidad> m_pintores;
    std::array<std::unique_ptr<LienzoTwips>, PaginasPrevia::Cantidad> m_lienzos;
};
