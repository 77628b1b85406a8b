#pragma once
// The checks of the identification page (page 0): the taxpayer, the
// telephone, the yes/no answers, the order number of a rectified declaration
// and the date of form 4888.
//
// They read the named fields of the box store (TxtTelefono, TxtNumOrden,
// MkePeriodo, CmbRuc, TxtNumRuc and the answers, see respuestas.h) and the
// window variables of EstadoVentana (iAccion, sPuedeRegistrar). Their messages
// are critical message boxes (16) titled with the window's caption; page and
// focus go to EstadoVentana.
#include "declaration/core/casillas/modelocasillas.h"
#include "declaration/core/respuestas/respuestasventana.h"
#include <QDate>
#include <QString>
#include <functional>

namespace cabecera {
// The date of form 4888, "dd/mm/yyyy", accepted from June 1997 to `hoy`:
// nothing left untyped ("_"), a positive yyyymmdd, a month 1 to 12. The day is
// not checked beyond being two characters.
bool ValidaPeriodo(const QString &texto, const QDate &hoy);

// The text of the date box; a field never written reads as the empty mask.
QString textoFecha(const ModeloCasillas &m);
// The RUC of the taxpayer as the identification shows it: the first 11
// characters of TxtNumRuc (a stored declaration) or CmbRuc (a new one), trimmed.
QString rucIdentificacion(const ModeloCasillas &m, const EstadoVentana &v);

inline const QString MsgContribuyente = QStringLiteral("Debe seleccionar un Contribuyente.");
inline const QString MsgYaExiste = QStringLiteral(
    "La declaración que desea registrar ya existe, elija la opción modificar declaración o "
    "elija otro contribuyente.");
inline const QString MsgRucNoValido = QStringLiteral("El RUC no es Válido.");
}

class Cabecera {
public:
    Cabecera(ModeloCasillas &modelo, EstadoVentana &ventana);

    // Today's date for the date checks (the real clock unless replaced).
    std::function<QDate()> hoy;
    // The host component's RUC check (goUtilitario->ValidaRuc unless replaced).
    std::function<bool(const QString &)> validaRuc;

    // The date box MkePeriodo against today.
    bool ValidaPeriodo() const;
    // A stored declaration whose RUC the host component refuses: page 0 and
    // "El RUC no es Válido."; True when there is nothing to object.
    bool pRucNoValido();
    // The header checks at the start of the full validation; sets
    // giSinContribuyente (1 only when no taxpayer is chosen).
    bool ValidaContForm();
    // The header checks on leaving page 0 (entering a data page).
    bool ValidaContForm1();

private:
    bool fallo(const QString &mensaje, const QString &foco, bool pagina0 = true);
    QString telefono() const;
    bool telefonoCorto() const;
    bool telefonoVacio() const;
    bool ordenIncorrecto() const;
    bool sinContribuyente() const;

    ModeloCasillas &m_modelo;
    EstadoVentana &m_ventana;
};
