#pragma once
// The script file of one print run: composed under a temporary name in the
// report folder (common/archivospool.h), registered in SPOOL and given its
// spool name in one transaction at the end of the run. Dropped unregistered
// (the temporary file removed) when the object goes without publishing.
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class ArchivoTemporal;
class Database;

class GuionImpresion {
public:
    // Creates the temporary file in carpeta, after removing what killed runs
    // left there. Raises ErrorArchivo (76 when the folder does not exist).
    explicit GuionImpresion(const QString &carpeta);
    ~GuionImpresion();
    GuionImpresion(const GuionImpresion &) = delete;
    GuionImpresion &operator=(const GuionImpresion &) = delete;

    // The lines of one command, each to be ended by CR LF.
    void escribir(const QStringList &lineas);

    // Writes the script in Windows-1252, registers it (fRegistrarSpool with
    // sCodReporte, 6, sRuc) and renames it to the name handed out, all or
    // nothing; returns that name ("00000042.PRN"). alNombrar runs once the
    // script has its name, before the commit: what the run publishes with it.
    // Raises DbError, ErrorArchivo or what alNombrar throws, and then nothing
    // is registered nor named.
    QString publicar(Database &db, const QString &sCodReporte, const QString &sRuc, const QString &usuario,
                     const std::function<void()> &alNombrar = {});

    QString rutaTemporal() const;

private:
    QString m_carpeta;
    QString m_texto;   // the lines so far, CR LF ended
    std::unique_ptr<ArchivoTemporal> m_archivo;
};
