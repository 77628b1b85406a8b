#include "platform/impresora.h"
#include "platform/motorimpresora.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLibrary>
#include <mutex>

namespace {

struct Entradas {
    FnCrearMotorImpresora crear = nullptr;
    FnImpresoraDisponible disponible = nullptr;
    QString error;   // why the library could not be used
};

std::mutex gMutex;

QString carpetaPrograma()
{
    // The program's own file, whatever the current folder or argv[0].
    const QString programa = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    return programa.isEmpty() ? QString() : QFileInfo(programa).absolutePath();
}

QString &rutaBiblioteca()
{
    static QString ruta = carpetaPrograma() + QStringLiteral("/libqximpresora.so");
    return ruta;
}

// The library at the current path, opened once and kept for the whole
// process (Qt's print support does not survive being unloaded).
const Entradas &entradas()
{
    static QHash<QString, Entradas> abiertas;
    std::lock_guard<std::mutex> cerrojo(gMutex);
    const QString ruta = rutaBiblioteca();
    auto it = abiertas.find(ruta);
    if (it != abiertas.end())
        return *it;
    Entradas e;
    // The object may go: without an explicit unload() the library stays
    // loaded, and the hint keeps any other user from unloading it.
    QLibrary biblioteca(ruta);
    biblioteca.setLoadHints(QLibrary::PreventUnloadHint);
    QLibrary *lib = &biblioteca;
    auto sinBiblioteca = [&](const QString &causa) {
        e.error = QStringLiteral("No se pudo cargar la biblioteca de impresión '%1' (%2).").arg(ruta, causa);
    };
    const QFileInfo archivo(ruta);
    if (!archivo.exists()) {
        // Qt's loader text names another file (it tries more names and
        // reports the last one) and is in English: say what is missing where.
        e.error = QStringLiteral("No se encontró la biblioteca de impresión: falta el archivo \"%1\" en la carpeta \"%2\".")
                      .arg(archivo.fileName(), QDir::toNativeSeparators(archivo.absolutePath()));
    } else if (!lib->load()) {
        sinBiblioteca(lib->errorString());
    } else {
        const auto version = reinterpret_cast<FnVersionMotorImpresora>(lib->resolve("qx_version_motor_impresora"));
        e.crear = reinterpret_cast<FnCrearMotorImpresora>(lib->resolve("qx_crear_motor_impresora"));
        e.disponible = reinterpret_cast<FnImpresoraDisponible>(lib->resolve("qx_impresora_disponible"));
        if (!version || !e.crear || !e.disponible) {
            sinBiblioteca(QStringLiteral("no es la biblioteca de impresión de este programa"));
        } else if (version() != kVersionMotorImpresora) {
            sinBiblioteca(QStringLiteral("es de la versión %1, el programa necesita la %2")
                              .arg(version())
                              .arg(kVersionMotorImpresora));
        }
        if (!e.error.isEmpty()) {
            e.crear = nullptr;
            e.disponible = nullptr;
        }
    }
    return *abiertas.insert(ruta, e);
}

} // namespace

Printer::Printer() = default;

Printer::~Printer() = default;

QString Printer::setLibraryPath(const QString &path)
{
    std::lock_guard<std::mutex> cerrojo(gMutex);
    QString previa = rutaBiblioteca();
    rutaBiblioteca() = path;
    return previa;
}

MotorImpresora *Printer::motor()
{
    if (m_motor || !m_error.isEmpty())
        return m_motor.get();
    const Entradas &e = entradas();
    if (!e.crear) {
        m_error = e.error;
        m_libraryMissing = true;
        return nullptr;
    }
    QString error;
    m_motor.reset(e.crear(&error));
    if (!m_motor)
        m_error = error.isEmpty() ? QStringLiteral("No se pudo preparar la impresora.") : error;
    return m_motor.get();
}

bool Printer::available()
{
    const Entradas &e = entradas();
    return e.disponible && e.disponible();
}

bool Printer::begin(const QString &document)
{
    MotorImpresora *m = motor();
    return m && m->begin(document);
}

bool Printer::isActive() const
{
    return m_motor && m_motor->isActive();
}

void Printer::setFont(const QString &name, bool bold, double pointSize, bool italic, bool underline)
{
    if (MotorImpresora *m = motor())
        m->setFont(name, bold, pointSize, italic, underline);
}

void Printer::setLineWidth(int deviceUnits)
{
    if (MotorImpresora *m = motor())
        m->setLineWidth(deviceUnits);
}

void Printer::printText(int xTwips, int yTwips, const QString &text)
{
    if (m_motor)
        m_motor->printText(xTwips, yTwips, text);
}

bool Printer::printLine(const QString &text)
{
    return m_motor && m_motor->printLine(text);
}

void Printer::drawLine(int x1Twips, int y1Twips, int x2Twips, int y2Twips)
{
    if (m_motor)
        m_motor->drawLine(x1Twips, y1Twips, x2Twips, y2Twips);
}

bool Printer::newPage()
{
    return m_motor && m_motor->newPage();
}

bool Printer::finish()
{
    if (!m_motor) {
        if (m_error.isEmpty())
            m_error = QStringLiteral("no hay un documento abierto");
        return false;
    }
    return m_motor->finish();
}

bool Printer::publish()
{
    return !m_motor || m_motor->publish();
}

bool Printer::end()
{
    return finish() && publish();
}

bool Printer::abort()
{
    return m_motor && m_motor->abort();
}

QPainter *Printer::painter()
{
    return m_motor ? m_motor->painter() : nullptr;
}

int Printer::resolution() const
{
    return m_motor ? m_motor->resolution() : 0;
}

double Printer::toDevice(int twips) const
{
    return static_cast<double>(twips) * resolution() / 1440.0;
}

QString Printer::pdfFile() const
{
    return m_motor ? m_motor->pdfFile() : QString();
}

QString Printer::errorString() const
{
    return m_motor ? m_motor->errorString() : m_error;
}
