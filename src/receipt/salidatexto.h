#pragma once
// The receipt program's own output engine for tag scripts: plain lines and
// "<!tag!>" lines that change the font or ask for a new page (or, "<!texto!>",
// carry a line of data), rendered on the printer or into a ".txt" file.
#include <QString>
#include <QStringList>
#include <memory>

class ArchivoTemporal;
class DiarioPublicacion;

// A sequential output file composed out of the host's sight: its lines are
// kept until it is closed, then stored in a temporary file of its folder
// (nothing under a name the host reads); publicar gives it its name.
class ArchivoSalida {
public:
    explicit ArchivoSalida(const QString &carpeta);   // raises ErrorVB
    ~ArchivoSalida();
    void escribir(const QString &linea);
    void cerrar();                                    // raises ErrorVB
    bool abierto() const { return m_abierto; }
    QString ruta() const;                             // where the file is now
    // Renames the closed file onto destino, replacing any earlier file (kept
    // by the journal of a registration, when given). Raises ErrorArchivo.
    void publicar(const QString &destino, DiarioPublicacion *diario = nullptr);
private:
    std::unique_ptr<ArchivoTemporal> m_archivo;
    QStringList m_lineas;
    bool m_abierto = true;
};

extern QString gsDestino;                               // "PRINTER" or "ARCHIVO"
extern std::shared_ptr<ArchivoSalida> giArchivoSalida;  // the file lines go to
extern QString gsArchivoTexto;                          // the ".txt" of a file rendering
extern QString gsFuente;
extern int giTamanoFuente;
extern bool gbNegrita;
extern bool gbSubrayado;
extern bool gbCursiva;
extern bool gbNuevaPagina;

// Renders gsRutaRpt/sArchivo on the printer (sDestino "PRINTER" exactly) or
// into gsRutaRpt/<sArchivo without its ".PRN">.txt. False when the script is
// missing or the rendering stopped on an error (the message has been shown);
// then no ".txt" is written and an earlier one stays as it was.
bool pImprimirReporte(const QString &sArchivo, const QString &sDestino);

// The rendering itself, of the script at the path entrada. In file mode the
// text is left closed and unpublished in *texto, a temporary file of the
// report folder, for the caller to name. False as pImprimirReporte; then
// *texto is left empty.
bool pRenderizarGuion(const QString &entrada, const QString &sDestino, std::shared_ptr<ArchivoSalida> *texto);

// One line to the destination in gsDestino (a pending new page first).
// Raises ErrorVB.
void pSalidaLinea(const QString &sLinea);

// A line that holds data (a name, a cheque number, a key from the command
// line), as a script line whose rendering gives it back as it stands: a
// control character (CR, LF, tab...) as a blank, and a line holding "<!"
// behind the tag "<!texto!>", whose rest of the line is output unread. Any
// other line comes back unchanged.
QString fLineaDato(const QString &linea);

// True when the folder part of the path and the file exist.
bool fExisteArchivo(const QString &sRuta);

// Name of the ".txt" rendering of a script: the whole name, its final ".PRN"
// replaced.
QString fNombreTexto(const QString &sArchivo);
