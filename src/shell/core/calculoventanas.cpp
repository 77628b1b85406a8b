#include "shell/core/calculoventanas.h"
#include "shell/core/errorejecucion.h"
#include "platform/utilitario.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <cmath>
#include <limits>

PosicionCentrada fPosicionCentrada(double anchoPrincipal, double altoPrincipal,
                                   double ancho, double alto)
{
    PosicionCentrada p;
    p.left = static_cast<qint64>(std::floor((anchoPrincipal - ancho) / 2.0));
    p.top = (altoPrincipal - alto) / 2.0;
    return p;
}

int fTwipsAPixeles(double twips, double twipsPorPixel)
{
    return static_cast<int>(std::lround(twips / twipsPorPixel));
}

double fPixelesATwips(int pixeles, double twipsPorPixel)
{
    return pixeles * twipsPorPixel;
}

int fAnchoCaracterDeMedida(int anchoDe52Letras)
{
    return anchoDe52Letras / 52;
}

int fAnchoDesplegable(int nChars, qint64 anchoCaracter)
{
    const qint64 resta = static_cast<qint64>(nChars) - 2;
    if (resta < std::numeric_limits<qint16>::min() || resta > std::numeric_limits<qint16>::max())
        throw errores::desbordamiento();
    const qint64 ancho = resta * anchoCaracter;
    if (ancho < std::numeric_limits<qint32>::min() || ancho > std::numeric_limits<qint32>::max())
        throw errores::desbordamiento();
    return static_cast<int>(ancho);
}

QString fFechaTexto(const QString &sFecha)
{
    if (sFecha.isEmpty())
        return QString();
    const QString anio = sFecha.mid(0, 4);
    const QString mes = sFecha.mid(4, 2);
    const QString dia = sFecha.mid(6, 2);
    if (!fSoloDigitos(anio) || !fSoloDigitos(mes) || !fSoloDigitos(dia))
        throw errores::tiposNoCoinciden();
    const QDate fecha(anio.toInt(), mes.toInt(), dia.toInt());
    if (!fecha.isValid())
        throw errores::tiposNoCoinciden();
    return QStringLiteral("%1/%2/%3")
        .arg(fecha.day(), 2, 10, QLatin1Char('0'))
        .arg(fecha.month(), 2, 10, QLatin1Char('0'))
        .arg(fecha.year(), 4, 10, QLatin1Char('0'));
}

bool fEsTeclaTab(const QString &sTecla)
{
    return sTecla == QLatin1String("TAB");
}

bool fConservaRazonSocial(int x, const QList<QPair<int, int>> &botones)
{
    static const int conservan[] = {1, 2, 3, 4, 6, 8};
    for (int indice : conservan) {
        if (indice > botones.size())
            continue;
        const auto &b = botones.at(indice - 1);
        if (x >= b.first && x <= b.first + b.second)
            return true;
    }
    return false;
}

QString fAyudaHtml(const QString &archivoAyuda)
{
    const QFileInfo hlp(archivoAyuda);
    const QDir carpeta = hlp.absoluteDir();
    for (const char *ext : {".html", ".htm"}) {
        const QString candidato = carpeta.filePath(hlp.completeBaseName() + QLatin1String(ext));
        if (QFileInfo(candidato).isFile())
            return candidato;
    }
    return QString();
}
