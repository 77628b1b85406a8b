#pragma once
// Where the ink of a PDF's first page lies on the paper: the page rendered by
// pdftoppm (Debian's poppler-utils) into a grey picture, and the box of its
// non-white pixels, in inches from the paper's top-left corner.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRectF>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

struct TintaPdf {
    QString error;   // "" when the page was rendered
    QRectF caja;     // inches; empty for a blank page
    QSizeF papel;    // inches
};

inline TintaPdf fTintaPrimeraPagina(const QString &pdf, int dpi = 300)
{
    TintaPdf t;
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty()) {
        t.error = QStringLiteral("pdftoppm is needed (Debian package poppler-utils)");
        return t;
    }
    QTemporaryDir dir;
    const QString base = QDir(dir.path()).filePath(QStringLiteral("pagina"));
    QProcess p;
    p.start(pdftoppm, {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                       QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"),
                       QStringLiteral("-singlefile"), pdf, base});
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        t.error = QStringLiteral("pdftoppm failed: ") + QString::fromLocal8Bit(p.readAllStandardError());
        return t;
    }
    const QImage img(base + QStringLiteral(".pgm"));
    if (img.isNull()) {
        t.error = QStringLiteral("no picture from pdftoppm");
        return t;
    }
    int izq = img.width(), der = -1, arr = img.height(), aba = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 255) {
                izq = qMin(izq, x);
                der = qMax(der, x);
                arr = qMin(arr, y);
                aba = qMax(aba, y);
            }
    t.papel = QSizeF(double(img.width()) / dpi, double(img.height()) / dpi);
    if (der >= 0)
        t.caja = QRectF(double(izq) / dpi, double(arr) / dpi, double(der + 1 - izq) / dpi,
                        double(aba + 1 - arr) / dpi);
    return t;
}
