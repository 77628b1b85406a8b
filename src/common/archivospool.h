#pragma once
// Files for the host that appear whole or not at all.
//
// A print script, a receipt or its text is composed under a temporary name in
// its destination folder, a name the host never reads, and gets its final
// name by an atomic rename only when it is complete. A spooled file gets its
// SPOOL row and its name in one transaction:
//
//   ArchivoTemporal guion(gsRutaRpt);            // RPT/.qx-temporales/.qx-<random>.tmp
//   guion.escribirLineas(lineas);                // as often as needed
//   const QString archivo = fRegistrarYPublicar(db, "PR0003", 6, sRuc, gsUsuario, "tip_doc_d",
//       [&](const QString &nombre, DiarioPublicacion &diario) {
//           guion.publicar(gsRutaRpt + nombre, &diario);
//       });
//
// A run that fails before the rename leaves nothing under a final name: the
// temporary file goes with its object. A run that is killed leaves its
// temporary file behind, unlocked; the next run's limpiarHuerfanos removes it.
#include "platform/database.h"
#include "platform/heldfile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <stdexcept>

class DiarioPublicacion;   // what a registration has renamed (archivospool.cpp)

// A file that could not be created, written or renamed: the runtime's error
// number (57 input/output, 61 disk full, 75 access to the path or file,
// 76 path not found) and a Spanish description that names the file.
struct ErrorArchivo : std::runtime_error {
    ErrorArchivo(int numero, const QString &descripcion)
        : std::runtime_error(descripcion.toStdString()), numero(numero), descripcion(descripcion) {}
    int numero;
    QString descripcion;
};

// A file being composed in its destination folder's hidden subfolder
// ".qx-temporales" (made when first needed), under a name
// ".qx-<random>.tmp" (never *.PRN, *.txt or *.TXT). The process holds an
// exclusive flock on it while the object lives, so the kernel tells whether
// its owner still runs; the destructor removes it unless it was published.
//
// Write it through escribir/escribirLineas, or open ruta() in place (QFile
// WriteOnly): never through a QSaveFile, whose rename would replace the file
// and leave the lock behind on the old one.
class ArchivoTemporal {
public:
    // Raises ErrorArchivo (76 when the folder does not exist, 75 otherwise).
    explicit ArchivoTemporal(const QString &carpeta);
    ~ArchivoTemporal();
    ArchivoTemporal(const ArchivoTemporal &) = delete;
    ArchivoTemporal &operator=(const ArchivoTemporal &) = delete;

    // Where the file is now: its temporary name, or its final one once published.
    QString ruta() const { return m_ruta; }
    bool publicado() const { return m_publicado; }

    // Replaces the whole content. Raises ErrorArchivo (57, 61 disk full).
    void escribir(const QByteArray &datos);
    // Replaces the content with the lines in Windows-1252, each ended by CR LF.
    void escribirLineas(const QStringList &lineas);

    // Flushes the file to disk and renames it onto destino in one step; an
    // existing file of that name is replaced. With the journal that
    // fRegistrarYPublicar hands its callback, the file it replaces is kept
    // until the commit (a second name of it among the temporaries), so that
    // a failure puts it back as it was, and a new name is taken away.
    // Raises ErrorArchivo (76 when the folder of destino does not exist, 75
    // otherwise); then nothing has changed.
    void publicar(const QString &destino, DiarioPublicacion *diario = nullptr);

    // Removes the temporary files of the folder that no running process
    // holds (left by a killed run); returns how many. Files of living
    // holders, this process's included, stay. Errors are passed over. Only
    // the temporaries are listed, not the folder's own files.
    static int limpiarHuerfanos(const QString &carpeta);
    // Where the temporaries of the folder are.
    static QString subcarpeta(const QString &carpeta);

private:
    explicit ArchivoTemporal(heldfile::Held archivo);   // a file already held

    heldfile::Held m_archivo;
    QString m_ruta;
    bool m_publicado = false;
};

// Registers a spooled file and gives it its name in ONE transaction that takes
// the write lock at once (BEGIN IMMEDIATE):
//  1. fRegistrarSpool adds the SPOOL row and hands out the name ("00000042.PRN");
//  2. publicar(name, diario) renames the caller's temporary files onto
//     their final names (ArchivoTemporal::publicar with the journal; it may
//     publish further files of the same run, such as their text renderings);
//  3. the transaction commits, and the name is returned.
// A throw from fRegistrarSpool or publicar, or a failing commit, rolls the
// row back, undoes what the journal recorded (a replaced file comes back,
// a new name disappears) and reaches the caller as it was thrown (DbError,
// ErrorArchivo or the callback's own). While publicar runs the write lock is
// held, so no other registration can hand out the same name.
// Call it outside any transaction of the caller's: inside one it would become
// a savepoint whose rename the caller's rollback could not undo.
QString fRegistrarYPublicar(Database &db, const QString &codRep, const QVariant &tipDoc,
                            const QString &docId, const QString &usuario, const QString &tipDocColumn,
                            const std::function<void(const QString &archivo, DiarioPublicacion &diario)> &publicar);
