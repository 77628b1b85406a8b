#pragma once
// A user's locale whose decimal point is neither "." nor one byte:
// ps_AF.UTF-8 (U+066B, two bytes in UTF-8). It is compiled once per process
// with localedef (its sources come with Debian's package locales) into a
// temporary folder named by LOCPATH, and set for the whole process, as the
// application object sets the user's locale when it starts.
//
//   QString error;
//   QVERIFY2(localeajeno::poner(&error), qPrintable(error));   // ... localeajeno::quitar();
#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <clocale>
#include <memory>

namespace localeajeno {

inline constexpr const char *kNombre = "ps_AF.UTF-8";

// False, with *error, when the locale could not be made or set.
inline bool poner(QString *error)
{
    static std::unique_ptr<QTemporaryDir> carpeta;
    static QString fallo;
    if (!carpeta) {
        carpeta = std::make_unique<QTemporaryDir>();
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStringLiteral("localedef"), {QStringLiteral("-i"), QStringLiteral("ps_AF"), QStringLiteral("-f"),
                                              QStringLiteral("UTF-8"), carpeta->filePath(QString::fromLatin1(kNombre))});
        if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
            fallo = QStringLiteral("localedef no terminó: ") + p.errorString();
        else if (p.exitCode() != 0)
            fallo = QStringLiteral("localedef (paquete locales): ") + QString::fromLocal8Bit(p.readAll());
        qputenv("LOCPATH", QFile::encodeName(carpeta->path()));
    }
    if (fallo.isEmpty() && !std::setlocale(LC_ALL, kNombre))
        fallo = QStringLiteral("no se pudo poner la configuración regional ") + QString::fromLatin1(kNombre);
    if (fallo.isEmpty() && QByteArray(std::localeconv()->decimal_point) != QByteArray("\xD9\xAB")) {
        fallo = QStringLiteral("la configuración regional no tiene la coma decimal árabe");
        std::setlocale(LC_ALL, "C");
    }
    if (error)
        *error = fallo;
    return fallo.isEmpty();
}

inline void quitar()
{
    std::setlocale(LC_ALL, "C");
}

} // namespace localeajeno
