#pragma once
// For tests of the help: stands in for the desktop's browser. Every file URL
// the program would open is recorded instead, and no browser starts. Header
// only; name it among the test's sources so that moc sees it.
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QObject>
#include <QTemporaryDir>
#include <QStringList>
#include <QUrl>

class NavegadorPrueba : public QObject {
    Q_OBJECT
public:
    QStringList abiertas;
    NavegadorPrueba() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "abrir"); }
    ~NavegadorPrueba() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

public slots:
    void abrir(const QUrl &url) { abiertas << url.toString(); }
};

// A system folder with the help file's place ("0951/Qx951.hlp"), and the
// HTML help beside it when asked for.
struct CarpetaAyuda {
    QTemporaryDir dir;
    QString hlp, html;
    bool valida = false;
    explicit CarpetaAyuda(bool conPagina)
    {
        hlp = dir.filePath(QStringLiteral("0951/Qx951.hlp"));
        html = dir.filePath(QStringLiteral("0951/Qx951.html"));
        valida = dir.isValid() && QDir(dir.path()).mkpath(QStringLiteral("0951"));
        if (valida && conPagina) {
            QFile f(html);
            valida = f.open(QIODevice::WriteOnly) && f.write("<html></html>") > 0;
        }
    }
};
