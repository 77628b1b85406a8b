#include "printing/core/paginasprevia.h"
#include "shell/core/errorejecucion.h"

QSize PaginasPrevia::tamanoTwips(int indice)
{
    return indice == 2 ? QSize(11175, 15000) : QSize(17000, 30000);
}

PaginasPrevia::PaginasPrevia()
{
    // 1440 / 15 = 96 dots an inch, so point sizes come out as on the screen.
    const int puntosPorMetro = qRound(1440.0 / TwipsPorPixel / 0.0254);
    for (int i = 0; i < Cantidad; ++i) {
        const QSize t = tamanoTwips(i);
        QImage &im = m_paginas.at(i);
        im = QImage(t.width() / TwipsPorPixel, t.height() / TwipsPorPixel, QImage::Format_RGB32);
        im.setDotsPerMeterX(puntosPorMetro);
        im.setDotsPerMeterY(puntosPorMetro);
        im.fill(colorPagina());
    }
}

DestinoPrevia::DestinoPrevia(PaginasPrevia &paginas) : m_paginas(paginas)
{
}

DestinoPrevia::~DestinoPrevia()
{
    for (QPainter &p : m_pintores)
        if (p.isActive())
            p.end();
}

LienzoTwips &DestinoPrevia::hoja(int iHoja)
{
    // The pictures are a control array 0 to 2.
    if (iHoja < 0 || iHoja >= PaginasPrevia::Cantidad)
        throw errores::elementoInexistente();
    auto &lienzo = m_lienzos.at(iHoja);
    if (!lienzo) {
        QPainter &p = m_pintores.at(iHoja);
        p.begin(&m_paginas.pagina(iHoja));
        lienzo = std::make_unique<LienzoTwips>(p, 1.0 / PaginasPrevia::TwipsPorPixel);
    }
    return *lienzo;
}
