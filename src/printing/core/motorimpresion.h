#pragma once
// The print-script engine (pImpritext): carries out the commands of a print
// run on the preview's page pictures ("Picprevia") or on the printer
// ("IMPRIMIR"), and in print mode also writes each command as its script line
// into the run's script file, which gets its SPOOL row and its name at "Fin".
//
// Commands, element 0 compared exactly (any other name does nothing):
//   "Cabecera" page count         print mode: starts the script, header lines
//   "pPos" X Y text bold size page     text at (X, Y), twips
//   "pPosVerti" (as pPos)              text downwards, 190 twips a character
//   "pCuadro" x1 y1 x2 y2 page         rectangle outline
//   "pNuevaHoja"                       print mode: next printer page
//   "Fin"                              print mode: script registered and named,
//                                      with the printer's document published
// Errors are ErrorEjecucion (conversion, overflow, missing element, page
// picture, script file), the printer's own, DbError and ErrorArchivo of the
// registration; the print run reports them and calls pAbortar.
#include "printing/core/destinoimpresion.h"
#include "printing/core/salidaimpresion.h"
#include <QString>
#include <memory>

class Database;
class GuionImpresion;

// Where a print run's script goes and under which key it is registered.
struct RegistroGuion {
    Database *db = nullptr;
    QString carpeta;       // the report folder, gsRutaRpt (ends with "/")
    QString usuario;       // gsUsuario
    QString sCodReporte;   // "PR0003" saved, "PR0014" sent
    QString sRuc;
};

class MotorImpresion : public SalidaImpresion {
public:
    static const QString ModoPrevia;     // "Picprevia"
    static const QString ModoImprimir;   // "IMPRIMIR"

    // sModoImpresion selects the output: exactly "IMPRIMIR" prints and writes
    // the script (registro says where), "Picprevia" draws on the pictures.
    MotorImpresion(const QString &sModoImpresion, DestinoImpresion &destino, RegistroGuion registro = {});
    ~MotorImpresion() override;
    MotorImpresion(const MotorImpresion &) = delete;
    MotorImpresion &operator=(const MotorImpresion &) = delete;

    void pImpritext(const QVariantList &sComando) override;

    // The drawing steps of the commands (no script line).
    void pPos(int X, int Y, const QString &stexto, bool bColo, int iTama, int iHoja);
    void pPosVerti(int X, int Y, const QString &stexto, bool bColo, int iTama, int iHoja);
    void pCuadro(int x1, int y1, int x2, int y2, int iHoja);
    void pNuevaHoja();

    QString sModoImpresion() const { return m_modo; }
    bool fImprimiendo() const { return m_modo == ModoImprimir; }

    // Print mode: the printer's end of document, after the last page.
    void pFinDocumento();
    // A run that stops before "Fin" or fails in it: drops the printer
    // document (a PDF too) and the script's temporary file; nothing is
    // registered.
    void pAbortar();

    // The name the script was registered under at "Fin" ("" before).
    QString sArchivoGuion() const { return m_archivo; }

private:
    void escribir(const QVariantList &sComando);

    QString m_modo;
    DestinoImpresion &m_destino;
    RegistroGuion m_registro;
    std::unique_ptr<GuionImpresion> m_guion;
    QString m_archivo;
};
