#include "declaration/core/casillas/listacasillas.h"
#include "declaration/core/casillas/modelocasillas.h"
#include <QHash>
#include <QSet>

namespace ListaCasillas {

namespace {

const QSet<int> &conjunto(std::initializer_list<int> l, QSet<int> &s)
{
    if (s.isEmpty())
        s = QSet<int>(l);
    return s;
}

const QSet<int> &restaDigitada()
{
    static QSet<int> s;
    return conjunto({105, 108, 114, 115, 117, 120, 122, 123, 124, 125, 127, 128, 129, 130, 131,
                     132, 133, 134, 144, 145, 317, 320, 323, 325, 326, 330, 333, 337, 340}, s);
}

const QSet<int> &restaCalculada()
{
    static QSet<int> s;
    return conjunto({101, 107, 111, 338, 342, 504, 138}, s);
}

const QSet<int> &grises()
{
    static QSet<int> s;
    return conjunto({100, 101, 106, 107, 110, 111, 116, 119, 137, 138, 139, 146, 334, 338, 341, 342,
                     500, 501, 502, 503, 504, 505, 506, 507, 508, 509, 510, 511, 512, 513, 514}, s);
}

struct Ubicacion { int pagina; int marco; };

const QHash<int, Ubicacion> &ubicaciones()
{
    static QHash<int, Ubicacion> h;
    if (!h.isEmpty())
        return h;
    for (int n : {300, 301, 302, 303, 500, 306, 307, 308, 501, 312, 313, 315, 316, 317, 318, 320, 502,
                  321, 323, 503, 325, 326, 327, 329, 330, 332, 333, 334, 504, 337, 505, 338, 340, 341, 342})
        h.insert(n, {1, 1});
    for (int n : {100, 101, 103, 105, 106, 107, 108, 110, 111, 113})
        h.insert(n, {2, 2});
    for (int n : {114, 506, 115, 116, 507, 117, 119, 120, 508, 122, 509, 123, 124, 125, 510, 127, 128, 129})
        h.insert(n, {3, 3});
    for (int n : {130, 511, 131, 512, 132, 513, 133, 134})
        h.insert(n, {3, 0});
    for (int n : {137, 138, 139, 140, 141, 514, 144, 145, 146, 180})
        h.insert(n, {4, 4});
    for (int n : {201, 203, 205, 204, 206, 215, 217, 219, 218, 220, 208, 209, 211, 212, 225, 226})
        h.insert(n, {5, 5});
    return h;
}

// The labels of the boxes on screen. They follow the printed form's texts,
// without what belongs to the paper only (a parenthesis closed on the form's
// next line, a comma leading into the next printed line).
const QHash<int, QString> &descripciones()
{
    static const QHash<int, QString> h = {
        // Balance sheet
        {300, QStringLiteral("Activo Corriente(s/exist)")},
        {301, QStringLiteral("Existencias")},
        {302, QStringLiteral("Activo fijo Neto")},
        {303, QStringLiteral("Otras cuentas del Activo")},
        {500, QStringLiteral("TOTAL ACTIVO NETO")},
        {306, QStringLiteral("Sobregiros bancarios")},
        {307, QStringLiteral("Tributos por pagar")},
        {308, QStringLiteral("Otras cuentas del pasivo")},
        {501, QStringLiteral("TOTAL PASIVO")},
        {312, QStringLiteral("Capital")},
        {313, QStringLiteral("Reservas")},
        {315, QStringLiteral("Otras ctas del Pat. Neto")},
        {316, QStringLiteral("Resultados     Positivo")},
        {317, QStringLiteral("Acumulados     Negativo")},
        {318, QStringLiteral("Resultado del  Utilidad")},
        {320, QStringLiteral("Ejercicio      Pérdida")},
        {502, QStringLiteral("TOTAL PASIVO Y PATRIM NETO")},
        // Profit and loss
        {321, QStringLiteral("Ventas Netas o Ing x Serv.")},
        {323, QStringLiteral("Costo de Ventas")},
        {503, QStringLiteral("Utilidad Bruta")},
        {325, QStringLiteral("Gastos de Ventas")},
        {326, QStringLiteral("Gastos Administrativos")},
        {327, QStringLiteral("Otros Ingresos Gravables")},
        {329, QStringLiteral("Otros Ingresos no Gravables")},
        {330, QStringLiteral("Otros Gastos")},
        {332, QStringLiteral("REI del      Positivo")},
        {333, QStringLiteral("Ejercicio      Negativo")},
        {334, QStringLiteral("Utilidad Neta")},
        {504, QStringLiteral("Pérdida Neta")},
        {337, QStringLiteral("Participación de utilidades")},
        {505, QStringLiteral("Utilidad antes del Imp.")},
        {338, QStringLiteral("Pérdida Neta")},
        {340, QStringLiteral("Imp a la Renta del ejercicio")},
        {341, QStringLiteral("Utilidad del Ejercicio")},
        {342, QStringLiteral("Pérdida del Ejercicio")},
        // Income-tax determination
        {100, QStringLiteral("Utilidad antes del impuesto                  Casilla  D")},
        {101, QStringLiteral("Pérdida del ejercicio                        Casilla 338")},
        {103, QStringLiteral("Adiciones para determinar la Renta  Imponible")},
        {105, QStringLiteral("Deducciones para determinar La renta Imponible")},
        {106, QStringLiteral("Renta           Casilla  (100 O 101)+ Casilla 103 -Casilla 105 ")},
        {107, QStringLiteral("Pérdida         Casilla  (100 O 101)+ Casilla 103 -Casilla 105")},
        {108, QStringLiteral("Pérdida Tributaria compensable de ejercicios anteriores")},
        {110, QStringLiteral("Renta neta imponible")},
        {111, QStringLiteral("Pérdida neta compensable")},
        {113, QStringLiteral("IMPUESTO A LA RENTA, aplique la tasa correspondiente")},
        // Credits, subject to IEAN
        {114, QStringLiteral("Impuesto mínimo a la renta")},
        {506, QStringLiteral("SUBTOTAL (Cas 113-114)")},
        {115, QStringLiteral("Saldo del IEAN pagado durante el año 1997")},
        {116, QStringLiteral("SUBTOTAL (CAS E -115)")},
        {507, QStringLiteral("SUBTOTAL (CAS E -115)")},
        {117, QStringLiteral("Monto del IEAN pagado durante el año 1998")},
        {119, QStringLiteral("SUBTOTAL (F-117)")},
        {120, QStringLiteral("Pagos a cuenta imp. a la renta acreditado contra el IEAN")},
        {508, QStringLiteral("SUBTOTAL (Cas 113-120)")},
        {122, QStringLiteral("Saldo del Imp. mínimo a la renta pagado de ene. a abr. 1997")},
        {509, QStringLiteral("SUBTOTAL")},
        {123, QStringLiteral("Crédito por impuesto a la renta de Fuente Extranjera")},
        {124, QStringLiteral("Crédito por Donaciones")},
        {125, QStringLiteral("Otros Créditos sin derecho devolución")},
        {510, QStringLiteral("SUB TOTAL (cas H -(123+124+125))")},
        {127, QStringLiteral("Saldo a favor ejerc (sólo sujetos que acreditan IEAN contra Imp. renta)")},
        {128, QStringLiteral("Pagos a cuenta mensuales del ejerc. (no incluir IEAN contra Imp. renta)")},
        {129, QStringLiteral("Otros Créditos con derecho a devolución")},
        // Credits, not subject to IEAN
        {130, QStringLiteral("Créditos sin derecho a devolución")},
        {511, QStringLiteral("SUBTOTAL (Cas 113-130)")},
        {131, QStringLiteral("Pago a cuenta mensuales del ejercicio")},
        {512, QStringLiteral("SUBTOTAL (CAS J -131)")},
        {132, QStringLiteral("Créditos por donaciones")},
        {513, QStringLiteral("SUBTOTAL (K-132)")},
        {133, QStringLiteral("Saldo a favor del ejercicio anterior")},
        {134, QStringLiteral("Otros Créditos con derecho a devolución")},
        // Determination of the debt
        {137, QStringLiteral("1.-Devolución  2.-Aplicación contra futuros pagos")},
        {138, QStringLiteral("A FAVOR DEL CONTRIBUYENTE")},
        {139, QStringLiteral("A FAVOR DEL FISCO")},
        {140, QStringLiteral("Actualización del Saldo")},
        {141, QStringLiteral("Interés Moratorio")},
        {514, QStringLiteral("TOTAL DEUDA TRIBUTARIA")},
        {144, QStringLiteral("Saldo a Favor del exportador")},
        {145, QStringLiteral("Pagos efectuados (incluye realizados mediante boleta de pago)")},
        {146, QStringLiteral("SALDO DE LA DEUDA TRIBUTARIA (Cas M - (144+145))")},
        {180, QStringLiteral("IMPORTE A PAGAR")},
        // Additional information
        {201, QStringLiteral("TOTAL INVERSION")},
        {203, QStringLiteral("RUC principales beneficiarios y Monto invertido")},
        {205, QStringLiteral("RUC principales beneficiarios y Monto invertido")},
        {204, QStringLiteral("RUC principales beneficiarios y monto invertido")},
        {206, QStringLiteral("RUC principales beneficiarios y monto invertido")},
        {215, QStringLiteral("TOTAL INGRESOS ANUALES")},
        {217, QStringLiteral("RUC del Contrato y Monto de Ingresos")},
        {219, QStringLiteral("RUC del Contrato y Monto de Ingresos")},
        {218, QStringLiteral("RUC del Contrato y Monto de Ingresos")},
        {220, QStringLiteral("RUC del Contrato y Monto de Ingresos")},
        {208, QStringLiteral("Código de la zona a donde pertenece la colegiatura o reg")},
        {209, QStringLiteral("RUC")},
        {211, QStringLiteral("C. P. C. Nro.")},
        {212, QStringLiteral("I. C. P. Nro.")},
        {225, QStringLiteral("Documento de identidad")},
        {226, QStringLiteral("RUC")},
    };
    return h;
}

} // namespace

const QList<int> &aCasillas()
{
    static const QList<int> l = {
        300, 301, 302, 303, 500, 306, 307, 308, 312, 313, 315, 316, 318, 502, 321,
        323, 325, 326, 327, 329, 330, 332, 334, 504, 337, 505, 340, 341, 342, 100,
        101, 103, 105, 106, 107, 108, 110, 111, 113, 120, 506, 114, 115, 116, 507,
        117, 119, 508, 122, 123, 124, 125, 510, 130, 131, 511, 512, 132, 513, 133,
        134, 137, 138, 139, 140, 141, 514, 144, 145, 146, 180, 201, 203, 205, 204,
        206, 208, 209, 211, 212, 219, 220, 225, 226, 320, 333, 215, 217, 218, 317,
        509, 127, 128, 129, 338, 501, 503,
    };
    return l;
}

bool esCasilla(int n)
{
    static const QSet<int> s(aCasillas().begin(), aCasillas().end());
    return s.contains(n);
}

QString LetraCasilla(int n)
{
    static const QString letras = QStringLiteral("ANB0CDEFGHIJKLM");
    if (n < 500 || n > 514)
        return QString();
    return letras.mid(n - 500, 1);
}

QString fNombreCasilla(int n)
{
    const QString l = LetraCasilla(n);
    return l.isEmpty() ? QString::number(n) : l;
}

const QList<ParSigno> &ParesSigno()
{
    static const QList<ParSigno> l = {
        {106, 107}, {110, 111}, {116, 507}, {119, 509},
        {138, 139}, {334, 504}, {505, 338}, {341, 342},
    };
    return l;
}

Clase fClase(int n)
{
    if (restaDigitada().contains(n))
        return Clase::RestaDigitada;
    if (restaCalculada().contains(n))
        return Clase::RestaCalculada;
    switch (n) {
    case 113: return Clase::Tasa113;
    case 203: case 204: case 209: case 217: case 218: case 226: return Clase::Codigo;
    case 211: case 212: case 225: return Clase::TextoLibre;
    case 137: return Clase::Respuesta137;
    default: return Clase::Importe;
    }
}

bool esAnexo(int n)
{
    return n == 117 || n == 120 || n == 128 || n == 131;
}

bool esResta(int n)
{
    const Clase c = fClase(n);
    return c == Clase::RestaDigitada || c == Clase::RestaCalculada;
}

bool esTextoSinFormato(int n)
{
    return n == 208 || n == 211 || n == 212 || n == 225;
}

quint32 fColorInicial(int n)
{
    if (esAnexo(n))
        return Color::Cyan;
    return grises().contains(n) ? Color::Gris : Color::Blanco;
}

bool fBloqueadaInicial(int n)
{
    // 137 is grey because it starts disabled: the balance rules open it for typing.
    return grises().contains(n) && n != 137;
}

int fPagina(int n)
{
    return ubicaciones().value(n, {0, -1}).pagina;
}

int fMarco(int n)
{
    return ubicaciones().value(n, {0, -1}).marco;
}

QString fDescripcion(int n)
{
    return descripciones().value(n);
}

void pInicializar(ModeloCasillas &modelo)
{
    for (int n : aCasillas()) {
        modelo.agregar(n);
        modelo.setColor(n, fColorInicial(n));
        modelo.setBloqueada(n, fBloqueadaInicial(n));
        // 137 opens by the balance rules; 208 takes its code from the zone list.
        modelo.setHabilitada(n, n != 137 && n != 208);
    }
}

} // namespace ListaCasillas
