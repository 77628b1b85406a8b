#pragma once
// The receipt program's own output engine for tag scripts: plain lines and
// "<!tag!>" lines that change the font or ask for a new page, rendered on
// the printer or into a ".txt" file.
#include <QString>
#include <QStringList>
#include <memory>

// A sequential output file. Opening creates it empty (replacing any earlier
// one); its lines are stored, Windows-1252 with CR LF, when it is closed.
class ArchivoSalida {
public:
    explicit ArchivoSalida(const QString &ruta);   // raises ErrorVB
    void escribir(const QString &linea);
    void cerrar();                                 // raises ErrorVB
    bool abierto() const { return m_abierto; }
    QString ruta() const { return m_ruta; }
private:
    QString m_ruta;
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
// missing or the rendering stopped on an error (the message has been shown).
bool pImprimirReporte(const QString &sArchivo, const QString &sDestino);

// One line to the destination in gsDestino (a pending new page first).
// Raises ErrorVB.
void pSalidaLinea(const QString &sLinea);

// True when the folder part of the path and the file exist.
bool fExisteArchivo(const QString &sRuta);

// Name of the ".txt" rendering of a script: the whole name, its final ".PRN"
// replaced.
QString fNombreTexto(const QString &sArchivo);
