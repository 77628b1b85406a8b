#pragma once
// For tests of the help: stands in for the desktop's browser. Every file URL
// the program would open is recorded instead, and no browser starts. Header
// only; name it among the test's sources so that moc sees it.
#include <QDesktopServices>
#include <QObject>
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
