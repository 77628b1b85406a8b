// The consistency rules as data: conditions of failure, the file rules with
// their lines of Mens.txt, the stop rules with their message, page and focus,
// and the order of the silent run.
#include "declaration/core/reglas/reglas.h"
#include "declaration/core/respuestas/respuestas.h"
#include "platform/vbruntime.h"
#include "shell/core/modglobal.h"
#include <QHash>
#include <cmath>

using namespace respuestas;
using L = const LecturaReglas &;

namespace {

const QString kRucContribuyente = QStringLiteral("El RUC no puede ser igual al RUC del Contribuyente.");
const QString kRucNoValido = QStringLiteral("El RUC no es Válido.");
const QString kFechaNoValida = QStringLiteral("La fecha no es Válida.");
const QString kNumeroRuc = QStringLiteral("Ingrese el número de RUC");

QString formaPago(L l) { return l.campo(ctl381::formapago); }

bool fechaMala(L l)
{
    const QString f = l.fecha();
    return !vb::IsDate(f) || !l.cabecera.ValidaPeriodo();
}

} // namespace

const QList<reglas::Condicion> &reglas::condiciones()
{
    static const QList<Condicion> tabla = {
        {"1", [](L l) { return l.vacio(ctl381::TxtTelefono); }},
        {"2", [](L l) { const int n = l.campo(ctl381::TxtTelefono).length(); return n >= 1 && n <= 5; }},
        {"3", [](L l) { return l.servicios.ValidarMax124 && !l.servicios.ValidarMax124(); }},
        {"4", [](L l) { return l.servicios.ValidarMax132 && !l.servicios.ValidarMax132(); }},
        {"5", [](L l) { return l.sinRespuesta(OptAgraria); }},
        {"6", [](L l) { return l.sinRespuesta(OptIEAN); }},
        {"7", [](L l) { return l.elegida(OptIEAN, 1) && l.sinRespuesta(OptAnexo); }},
        {"8", [](L l) { return l.sinRespuesta(OptConvEstab); }},
        {"9", [](L l) { return l.sinRespuesta(OptRectifica); }},
        {"10", [](L l) {
             return l.elegida(OptRectifica, 1) && vb::Trim(l.campo(ctl381::TxtNumOrden)).length() != 8;
         }},
        {"11", [](L l) { return l.elegida(OptAgraria, 1) && l.fecha() == ctl381::MascaraVacia; }},
        {"12", [](L l) { return l.vacias({300, 301, 302, 303}); }},
        {"13a", [](L l) { return l.vacias({306, 307, 308}); }},
        {"13b", [](L l) { return l.vacias({312, 313, 315, 316, 317, 318, 320}); }},
        {"14", [](L l) { return l.valor(500) != l.valor(502); }},
        {"15", [](L l) {
             return (l.dada(318) || l.dada(320))
                 && l.vacias({321, 323, 325, 326, 327, 329, 330, 332, 333, 337, 340});
         }},
        {"16", [](L l) { return l.dada(205) && l.vacia(203); }},
        {"17a", [](L l) { return l.vacia(205) && l.dada(203); }},
        {"17b", [](L l) { return l.vacia(206) && l.dada(204); }},
        {"18", [](L l) { return l.dada(206) && l.vacia(204); }},
        {"19", [](L l) {
             const QString f = formaPago(l);
             return f != QLatin1String("C") && f != QLatin1String("E");
         }},
        {"20", [](L l) { return formaPago(l) == QLatin1String("E") && l.vacio(ctl381::importe); }},
        {"21", [](L l) {
             if (formaPago(l) != QLatin1String("C"))
                 return false;
             const QString banco = vb::Trim(l.campo(ctl381::banco));
             return l.vacio(ctl381::numcheque) || banco.isEmpty() || banco == QLatin1String("XX");
         }},
        {"22", [](L l) {
             const QString cheque = l.campo(ctl381::numcheque);
             return formaPago(l) == QLatin1String("C") && vb::IsNumeric(cheque) && vb::CDbl(cheque) == 0;
         }},
        {"23", [](L l) {
             return l.vacio(ctl381::TxtNombre1A) || l.vacio(ctl381::TxtNombre1N) || l.vacia(225);
         }},
        {"24", [](L l) { return l.dada(219) && l.vacia(217); }},
        {"25a", [](L l) { return l.vacia(219) && l.dada(217); }},
        {"25b", [](L l) { return l.vacia(220) && l.dada(218); }},
        {"26", [](L l) { return l.dada(220) && l.vacia(218); }},
        {"27", [](L l) { return std::fabs(l.valor(138)) > 0 && l.vacia(137); }},
        {"28", [](L l) { return l.datosContador() && l.vacia(208); }},
        {"29", [](L l) { return l.datosContador() && l.vacia(211) && l.vacia(212); }},

        {"S1", [](L l) { return l.rucNoValido(203); }},
        {"S2", [](L l) { return l.rucPropio(203); }},
        {"S3", [](L l) { return l.rucNoValido(204); }},
        {"S4", [](L l) { return l.rucPropio(204); }},
        {"S5", [](L l) { return l.dada(203) && l.texto(204) == l.texto(203); }},
        {"S6", [](L l) { return l.valor(205) + l.valor(206) > l.valor(201); }},
        {"S7", [](L l) { return l.rucNoValido(209); }},
        {"S8", [](L l) { return l.rucPropio(209); }},
        {"S9", [](L l) { return l.rucNoValido(226); }},
        {"S10", [](L l) { return l.rucPropio(226); }},
        {"S11", [](L l) { return l.rucNoValido(217); }},
        {"S12", [](L l) { return l.rucPropio(217); }},
        {"S13", [](L l) { return l.rucNoValido(218); }},
        {"S14", [](L l) { return l.rucPropio(218); }},
        {"S15", [](L l) { return l.dada(217) && l.texto(218) == l.texto(217); }},
        {"S16", [](L l) { return l.valor(219) + l.valor(220) > l.valor(215); }},
        {"S17", [](L l) {
             return l.elegida(OptAgraria, 1) && l.fecha() != ctl381::MascaraVacia && fechaMala(l);
         }},
        {"S18", [](L l) {
             return l.elegida(OptAgraria, 0) && l.fecha() != ctl381::MascaraVacia
                 && !l.cabecera.ValidaPeriodo();
         }},

        // The silent run's one rule for the date of form 4888; a date typed
        // under the agrarian answer "&No" is not its concern.
        {"fecha", [](L l) {
             return l.elegida(OptAgraria, 1) && (l.fecha() == ctl381::MascaraVacia || fechaMala(l));
         }},
    };
    return tabla;
}

const QList<reglas::ReglaArchivo> &reglas::reglasArchivo()
{
    static const QList<ReglaArchivo> tabla = {
        {{"1"}, QStringLiteral("Ingrese el teléfono")},
        {{"2"}, QStringLiteral("Ingrese correctamente el teléfono")},
        {{"3"}, QString()},
        {{"4"}, QString()},
        {{"5"}, QStringLiteral("Indique si esta acogido o no a la ley de prom. agraria")},
        {{"6"}, QStringLiteral("Indique si esta o no afecto al IEAN")},
        {{"7"}, QStringLiteral("Indique si presento o no anexo")},
        {{"8"}, QStringLiteral("Indique si tiene o no convenio de estabilidad.")},
        {{"9"}, QStringLiteral("Especifique si la presente declaración rectifica o sustituye a otra.")},
        {{"10"}, QStringLiteral("Registre el número asignado por KAVEN a la declaración que desea rectificar o sustituir.")},
        {{"11"}, QStringLiteral("Registre la fecha de presentación del formulario 4888")},
        {{"12"}, QStringLiteral("Ingrese información en el Activo")},
        {{"13a", "13b"}, QStringLiteral("Ingrese información en el Pasivo y/o Patrimonio")},
        {{"14"}, QStringLiteral("El Total Activo debe ser igual a Total Pasivo + Patrimonio")},
        {{"15"}, QStringLiteral("Si existe la casilla 318 ó 320 debe existir información en el Estado de Ganancias y Perdidas")},
        {{"16"}, kNumeroRuc},
        {{"17a", "17b"}, QStringLiteral("Ingrese el Monto Invertido")},
        {{"18"}, kNumeroRuc},
        {{"19"}, QStringLiteral("Ingrese la forma de pago")},
        {{"20"}, QStringLiteral("Ingrese el importe a pagar")},
        {{"21"}, QStringLiteral("Ingrese el número de cheque y/o banco")},
        {{"22"}, QStringLiteral("El  número de cheque no puede ser 0")},
        {{"23"}, QStringLiteral("Ingrese los datos del Representante Legal")},
        {{"24"}, kNumeroRuc},
        {{"25a", "25b"}, QStringLiteral("Ingrese el monto de ingresos anuales")},
        {{"26"}, kNumeroRuc},
        {{"27"}, QStringLiteral("Tiene saldo a favor, indique la opción en la casilla 137")},
        {{"28"}, QStringLiteral("Debe ingresar el código de la zona de colegiatura del contador")},
        {{"29"}, QStringLiteral("Debe Ingresar el Nro. C.P.C. o el Nro. I.C.P. del contador")},
    };
    return tabla;
}

const QList<reglas::ReglaParada> &reglas::reglasParada()
{
    using ctl381::caja;
    static const QList<ReglaParada> tabla = {
        {"S1", kRucNoValido, 5, true, caja(203)},
        {"S2", kRucContribuyente, 5, true, caja(203)},
        {"S3", kRucNoValido, 5, true, caja(204)},
        {"S4", kRucContribuyente, 5, true, caja(204)},
        {"S5", QStringLiteral("Los RUC de los principales beneficiarios deben ser distintos."), 5, true, caja(203)},
        {"S6", QStringLiteral("La casilla 201 no puede ser menor que la suma de las casillas 205 y 206."), 5, false, caja(201)},
        {"S7", kRucNoValido, 5, true, caja(209)},
        {"S8", kRucContribuyente, 5, true, caja(209)},
        {"S9", kRucNoValido, 5, true, caja(226)},
        {"S10", kRucContribuyente, 5, true, caja(226)},
        {"S11", kRucNoValido, 5, true, caja(217)},
        {"S12", kRucContribuyente, 5, true, caja(217)},
        {"S13", kRucNoValido, 5, true, caja(218)},
        {"S14", kRucContribuyente, 5, true, caja(218)},
        {"S15", QStringLiteral("Los RUC de los contratos deben ser distintos."), 5, true, caja(217)},
        {"S16", QStringLiteral("La casilla 215 no puede ser menor que la suma de las casillas 219 y 220."), 5, true, caja(215)},
        {"S17", kFechaNoValida, 0, false, ctl381::MkePeriodo},
        {"S18", kFechaNoValida, 0, false, ctl381::MkePeriodo},
    };
    return tabla;
}

const QStringList &reglas::ordenCompleta()
{
    static const QStringList orden = {
        "1", "2", "5", "6", "7", "8", "9", "10", "12", "13a", "13b", "14", "15", "16",
        "17a", "18", "17b", "23", "24", "25a", "S15", "26", "25b", "27", "28", "29",
        "S1", "S2", "S5", "S3", "S4", "S6", "S7", "S8", "S9", "S10", "S11", "S12", "S13", "S14",
        "S16", "19", "20", "21", "22", "fecha",
        // The caps last: they may empty box 124 or 132.
        "3", "4",
    };
    return orden;
}

bool reglas::falla(const QString &id, const LecturaReglas &l)
{
    static const QHash<QString, std::function<bool(L)>> porId = [] {
        QHash<QString, std::function<bool(L)>> h;
        for (const Condicion &c : condiciones())
            h.insert(c.id, c.falla);
        return h;
    }();
    const auto it = porId.constFind(id);
    return it != porId.constEnd() && (*it)(l);
}

QString reglas::archivoMensajes() { return gsSysPath + QStringLiteral("Mens.txt"); }

// --- reading -------------------------------------------------------------

QString LecturaReglas::texto(int n) const { return vb::Trim(modelo.texto(n)); }

bool LecturaReglas::vacia(int n) const { return texto(n).isEmpty(); }

bool LecturaReglas::vacias(std::initializer_list<int> ns) const
{
    for (int n : ns) {
        if (dada(n))
            return false;
    }
    return true;
}

double LecturaReglas::valor(int n) const
{
    return vb::Val(vb::Format(modelo.texto(n), QStringLiteral("###########0")));
}

bool LecturaReglas::vacio(const QString &campoNombre) const
{
    return vb::Trim(modelo.campo(campoNombre)).isEmpty();
}

bool LecturaReglas::elegida(const QString &opcion, int index) const
{
    return respuestas::elegida(modelo, opcion, index);
}

bool LecturaReglas::sinRespuesta(const QString &opcion) const
{
    return respuestas::sinRespuesta(modelo, opcion);
}

QString LecturaReglas::fecha() const { return cabecera::textoFecha(modelo); }

// The accountant's data are asked for by both registration numbers, a zone
// other than "26" or the accountant's RUC.
bool LecturaReglas::datosContador() const
{
    return (dada(211) && dada(212)) || (dada(208) && texto(208) != QLatin1String("26")) || dada(209);
}

bool LecturaReglas::rucNoValido(int n) const
{
    const QString t = texto(n);
    const bool valido = servicios.rucValido ? servicios.rucValido(t) : false;
    return !t.isEmpty() && !valido;
}

bool LecturaReglas::rucPropio(int n) const
{
    return dada(n) && texto(n) == vb::Trim(rucContribuyente);
}
