#pragma once
// The consistency rules of a declaration and their two runs.
//
// ValidaDeclaracion, the reporting run ("Validar"): header check, then every
// file rule in table order, each failure one line of Mens.txt (gsSysPath +
// "Mens.txt", Windows-1252, CR LF); then the stop rules, of which the first
// failure shows its message, brings its page to the front, asks the focus for
// its control and ends the run with False. True when no stop rule failed;
// giHayInconsistencias tells whether any file rule did.
//
// DeclaracionCompleta, the silent run ("Grabar"): the same rules in an order
// of its own, stopping at the first failure; it shows, writes and flags
// nothing. True when every rule passes (state 0), False otherwise (state 9).
//
// The rules read the box store (boxes and named fields, see respuestas.h and
// respuestasventana.h) and EstadoVentana (iAccion, sRuc, titulo). The
// conditions, messages, pages and focus targets are the tables of
// reglastabla.cpp.
#include "declaration/core/reglas/cabecera.h"
#include "declaration/core/casillas/modelocasillas.h"
#include "declaration/core/respuestas/respuestasventana.h"
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

struct ServiciosReglas {
    // The caps of boxes 124 and 132 (ValidarMax124, ValidarMax132): False
    // leaves the line in gsMensaje. Unset: the cap passes.
    std::function<bool()> ValidarMax124;
    std::function<bool()> ValidarMax132;
    // A trimmed RUC text is valid: fValidaDocumento with type "6" and the host
    // component's ValidaRuc, both asked (the default).
    std::function<bool(const QString &)> rucValido;
};

// One declaration as the rules read it.
class LecturaReglas {
public:
    LecturaReglas(const ModeloCasillas &m, const Cabecera &c, const ServiciosReglas &s, const QString &ruc)
        : modelo(m), cabecera(c), servicios(s), rucContribuyente(ruc) {}

    bool vacia(int n) const;            // trimmed text empty
    bool dada(int n) const { return !vacia(n); }
    bool vacias(std::initializer_list<int> ns) const;
    double valor(int n) const;          // signed amount, empty reads 0
    QString texto(int n) const;         // trimmed text
    QString campo(const QString &nombre) const { return modelo.campo(nombre); }
    bool vacio(const QString &campoNombre) const;
    bool elegida(const QString &opcion, int index) const;
    bool sinRespuesta(const QString &opcion) const;
    QString fecha() const;              // date box text, "__/__/____" when empty
    bool datosContador() const;
    // Box n holds a RUC that the checks refuse (an empty box never fails).
    bool rucNoValido(int n) const;
    // Box n holds the taxpayer's own RUC.
    bool rucPropio(int n) const;

    const ModeloCasillas &modelo;
    const Cabecera &cabecera;
    const ServiciosReglas &servicios;
    const QString rucContribuyente;
};

namespace reglas {

// A condition of failure, by its name in the tables ("1", "13a", "S5", ...).
struct Condicion {
    QString id;
    std::function<bool(const LecturaReglas &)> falla;
};

// A file rule: its conditions are tried in order and the first that fails
// writes the line once. An empty message writes gsMensaje (the caps).
struct ReglaArchivo {
    QStringList condiciones;
    QString mensaje;
};

// A stop rule: its message box, the page brought to the front (with Frame1(5)
// made visible when conFrame) and the control that gets the focus.
struct ReglaParada {
    QString condicion;
    QString mensaje;
    int pagina;
    bool conFrame;
    QString foco;
};

const QList<Condicion> &condiciones();
const QList<ReglaArchivo> &reglasArchivo();
const QList<ReglaParada> &reglasParada();
// The order of the silent run, by condition name.
const QStringList &ordenCompleta();

// Evaluates the named condition; an unknown name never fails.
bool falla(const QString &id, const LecturaReglas &l);

// Mens.txt: gsSysPath followed directly by the name.
QString archivoMensajes();

}

class Reglas {
public:
    Reglas(ModeloCasillas &modelo, EstadoVentana &ventana, Cabecera &cabecera);

    ServiciosReglas servicios;

    // The reporting run; see above. A Mens.txt that cannot be written is
    // reported with a critical message and the run returns False.
    bool ValidaDeclaracion();
    // The silent run; see above.
    bool DeclaracionCompleta();

private:
    ModeloCasillas &m_modelo;
    EstadoVentana &m_ventana;
    Cabecera &m_cabecera;
};
