#pragma once
// Test doubles of the print engine: a printer that draws on an A4 picture
// at 15 twips a pixel and records its page breaks, end and abort (and can be
// told to fail), and an engine that records every command it is given.
#include "printing/core/destinoimpresion.h"
#include "printing/core/motorimpresion.h"
#include "shell/core/errorejecucion.h"
#include <QImage>
#include <QList>
#include <QStringList>
#include <functional>
#include <memory>

class ImpresoraPrueba : public DestinoImpresion {
public:
    ImpresoraPrueba() : pagina(11906 / 15, 16838 / 15, QImage::Format_RGB32)
    {
        pagina.setDotsPerMeterX(3780);
        pagina.setDotsPerMeterY(3780);
        pagina.fill(Qt::white);
    }
    ~ImpresoraPrueba() override
    {
        if (m_pintor.isActive())
            m_pintor.end();
    }
    LienzoTwips &hoja(int) override
    {
        paso(QStringLiteral("hoja"));
        if (!m_lienzo) {
            m_pintor.begin(&pagina);
            m_lienzo = std::make_unique<LienzoTwips>(m_pintor, 1.0 / 15);
        }
        return *m_lienzo;
    }
    void nuevaHoja() override
    {
        paso(QStringLiteral("nuevaHoja"));
        ++hojasNuevas;
    }
    void finDocumento() override
    {
        paso(QStringLiteral("finDocumento"));
        pasos << QStringLiteral("finDocumento");
    }
    void abortar() override { pasos << QStringLiteral("abortar"); }

    // Throws what falla returns for a step ("hoja", "nuevaHoja", "finDocumento").
    std::function<void(const QString &)> falla;
    QImage pagina;
    int hojasNuevas = 0;
    QStringList pasos;   // finDocumento and abortar, in order

private:
    void paso(const QString &p)
    {
        if (falla)
            falla(p);
    }
    QPainter m_pintor;
    std::unique_ptr<LienzoTwips> m_lienzo;
};

class MotorGrabador : public MotorImpresion {
public:
    using MotorImpresion::MotorImpresion;
    void pImpritext(const QVariantList &c) override
    {
        comandos << c;
        MotorImpresion::pImpritext(c);
    }
    QStringList nombres() const { return nombresDe(comandos); }
    static QStringList nombresDe(const QList<QVariantList> &comandos)
    {
        QStringList l;
        for (const QVariantList &c : comandos)
            l << c.value(0).toString();
        return l;
    }
    QList<QVariantList> comandos;
};
