#include "declaration/core/casillas/listacasillas.h"

// One row a box, in the order the window shows them: its place in DET, how
// it behaves under the user's hands, where it sits, its state at start, how
// a stored value shows on loading it (entry window, sent-declaration
// viewer) and its label. A box's change is a change of its row.
// Loaded in parentheses: the subtracted boxes the user types (once left) and
// the negative sides that the calculations fill. Signed: results of either
// sign; 146, 511, 512 and 513 belong there, since shown in parentheses they
// would read back negative and the next save would store them so. The
// viewer shows subtotals A, N, B, D, E and G signed and the other results
// in the display form of their stored digits; 146, 511, 512 and 513 signed
// too, as the cascade that follows its load does not always rewrite them.
// The labels follow the printed form's texts, without what belongs to the
// paper only (a parenthesis closed on the form's next line, a comma leading
// into the next printed line).
namespace ListaCasillas {

const QList<FilaCasilla> &Tabla()
{
    using C = Clase;
    using S = Seccion;
    using I = Inicio;
    using F = Formato;
    static const QList<FilaCasilla> t = {
        // Balance sheet
        {300,  1, C::Importe,        S::Balance,          I::Abierta,     F::Importe,    F::Importe,    "Activo Corriente(s/exist)"},
        {301,  2, C::Importe,        S::Balance,          I::Abierta,     F::Importe,    F::Importe,    "Existencias"},
        {302,  3, C::Importe,        S::Balance,          I::Abierta,     F::Importe,    F::Importe,    "Activo fijo Neto"},
        {303,  4, C::Importe,        S::Balance,          I::Abierta,     F::Importe,    F::Importe,    "Otras cuentas del Activo"},
        {500,  5, C::Importe,        S::Balance,          I::Calculada,   F::ConSigno,   F::ConSigno,   "TOTAL ACTIVO NETO"},
        {306,  6, C::Importe,        S::Balance,          I::Abierta,     F::Importe,    F::Importe,    "Sobregiros bancarios"},
        {307,  7, C::Importe,        S::Balance,          I::Abierta,     F::Importe,    F::Importe,    "Tributos por pagar"},
        {308,  8, C::Importe,        S::Balance,          I::Abierta,     F::Importe,    F::Importe,    "Otras cuentas del pasivo"},
        {501, 96, C::Importe,        S::Balance,          I::Calculada,   F::Importe,    F::ConSigno,   "TOTAL PASIVO"},
        {312,  9, C::Importe,        S::Balance,          I::Abierta,     F::Importe,    F::Importe,    "Capital"},
        {313, 10, C::Importe,        S::Balance,          I::Abierta,     F::Importe,    F::Importe,    "Reservas"},
        {315, 11, C::Importe,        S::Balance,          I::Abierta,     F::Importe,    F::Importe,    "Otras ctas del Pat. Neto"},
        {316, 12, C::Importe,        S::Balance,          I::Abierta,     F::Importe,    F::Importe,    "Resultados     Positivo"},
        {317, 90, C::RestaDigitada,  S::Balance,          I::Abierta,     F::Parentesis, F::Parentesis, "Acumulados     Negativo"},
        {318, 13, C::Importe,        S::Balance,          I::Abierta,     F::Importe,    F::Importe,    "Resultado del  Utilidad"},
        {320, 85, C::RestaDigitada,  S::Balance,          I::Abierta,     F::Parentesis, F::Parentesis, "Ejercicio      Pérdida"},
        {502, 14, C::Importe,        S::Balance,          I::Calculada,   F::ConSigno,   F::ConSigno,   "TOTAL PASIVO Y PATRIM NETO"},
        // Profit and loss
        {321, 15, C::Importe,        S::Resultados,       I::Abierta,     F::Importe,    F::Importe,    "Ventas Netas o Ing x Serv."},
        {323, 16, C::RestaDigitada,  S::Resultados,       I::Abierta,     F::Parentesis, F::Parentesis, "Costo de Ventas"},
        {503, 97, C::Importe,        S::Resultados,       I::Calculada,   F::Importe,    F::Importe,    "Utilidad Bruta"},
        {325, 17, C::RestaDigitada,  S::Resultados,       I::Abierta,     F::Parentesis, F::Parentesis, "Gastos de Ventas"},
        {326, 18, C::RestaDigitada,  S::Resultados,       I::Abierta,     F::Parentesis, F::Parentesis, "Gastos Administrativos"},
        {327, 19, C::Importe,        S::Resultados,       I::Abierta,     F::Importe,    F::Importe,    "Otros Ingresos Gravables"},
        {329, 20, C::Importe,        S::Resultados,       I::Abierta,     F::Importe,    F::Importe,    "Otros Ingresos no Gravables"},
        {330, 21, C::RestaDigitada,  S::Resultados,       I::Abierta,     F::Parentesis, F::Parentesis, "Otros Gastos"},
        {332, 22, C::Importe,        S::Resultados,       I::Abierta,     F::Importe,    F::Importe,    "REI del      Positivo"},
        {333, 86, C::RestaDigitada,  S::Resultados,       I::Abierta,     F::Parentesis, F::Parentesis, "Ejercicio      Negativo"},
        {334, 23, C::Importe,        S::Resultados,       I::Calculada,   F::ConSigno,   F::Importe,    "Utilidad Neta"},
        {504, 24, C::RestaCalculada, S::Resultados,       I::Calculada,   F::Parentesis, F::Parentesis, "Pérdida Neta"},
        {337, 25, C::RestaDigitada,  S::Resultados,       I::Abierta,     F::Parentesis, F::Parentesis, "Participación de utilidades"},
        {505, 26, C::Importe,        S::Resultados,       I::Calculada,   F::Importe,    F::ConSigno,   "Utilidad antes del Imp."},
        {338, 95, C::RestaCalculada, S::Resultados,       I::Calculada,   F::Parentesis, F::Parentesis, "Pérdida Neta"},
        {340, 27, C::RestaDigitada,  S::Resultados,       I::Abierta,     F::Parentesis, F::Parentesis, "Imp a la Renta del ejercicio"},
        {341, 28, C::Importe,        S::Resultados,       I::Calculada,   F::Importe,    F::Importe,    "Utilidad del Ejercicio"},
        {342, 29, C::RestaCalculada, S::Resultados,       I::Calculada,   F::Parentesis, F::Parentesis, "Pérdida del Ejercicio"},
        // Income-tax determination
        {100, 30, C::Importe,        S::Renta,            I::Calculada,   F::Importe,    F::Importe,    "Utilidad antes del impuesto                  Casilla  D"},
        {101, 31, C::RestaCalculada, S::Renta,            I::Calculada,   F::Parentesis, F::Parentesis, "Pérdida del ejercicio                        Casilla 338"},
        {103, 32, C::Importe,        S::Renta,            I::Abierta,     F::Importe,    F::Importe,    "Adiciones para determinar la Renta  Imponible"},
        {105, 33, C::RestaDigitada,  S::Renta,            I::Abierta,     F::Parentesis, F::Parentesis, "Deducciones para determinar La renta Imponible"},
        {106, 34, C::Importe,        S::Renta,            I::Calculada,   F::ConSigno,   F::Importe,    "Renta           Casilla  (100 O 101)+ Casilla 103 -Casilla 105 "},
        {107, 35, C::RestaCalculada, S::Renta,            I::Calculada,   F::Parentesis, F::Parentesis, "Pérdida         Casilla  (100 O 101)+ Casilla 103 -Casilla 105"},
        {108, 36, C::RestaDigitada,  S::Renta,            I::Abierta,     F::Parentesis, F::Parentesis, "Pérdida Tributaria compensable de ejercicios anteriores"},
        {110, 37, C::Importe,        S::Renta,            I::Calculada,   F::Importe,    F::Importe,    "Renta neta imponible"},
        {111, 38, C::RestaCalculada, S::Renta,            I::Calculada,   F::Parentesis, F::Parentesis, "Pérdida neta compensable"},
        {113, 39, C::Tasa113,        S::Renta,            I::Abierta,     F::Importe,    F::Importe,    "IMPUESTO A LA RENTA, aplique la tasa correspondiente"},
        // Credits, subject to IEAN
        {114, 42, C::RestaDigitada,  S::CreditosIEAN,     I::Abierta,     F::Parentesis, F::Parentesis, "Impuesto mínimo a la renta"},
        {506, 41, C::Importe,        S::CreditosIEAN,     I::Calculada,   F::ConSigno,   F::ConSigno,   "SUBTOTAL (Cas 113-114)"},
        {115, 43, C::RestaDigitada,  S::CreditosIEAN,     I::Abierta,     F::Parentesis, F::Parentesis, "Saldo del IEAN pagado durante el año 1997"},
        {116, 44, C::Importe,        S::CreditosIEAN,     I::Calculada,   F::ConSigno,   F::Importe,    "SUBTOTAL (CAS E -115)"},
        {507, 45, C::Importe,        S::CreditosIEAN,     I::Calculada,   F::Importe,    F::Importe,    "SUBTOTAL (CAS E -115)"},
        {117, 46, C::RestaDigitada,  S::CreditosIEAN,     I::Anexo,       F::Parentesis, F::Parentesis, "Monto del IEAN pagado durante el año 1998"},
        {119, 47, C::Importe,        S::CreditosIEAN,     I::Calculada,   F::Parentesis, F::Parentesis, "SUBTOTAL (F-117)"},
        {120, 40, C::RestaDigitada,  S::CreditosIEAN,     I::Anexo,       F::Parentesis, F::Parentesis, "Pagos a cuenta imp. a la renta acreditado contra el IEAN"},
        {508, 48, C::Importe,        S::CreditosIEAN,     I::Calculada,   F::ConSigno,   F::ConSigno,   "SUBTOTAL (Cas 113-120)"},
        {122, 49, C::RestaDigitada,  S::CreditosIEAN,     I::Abierta,     F::Parentesis, F::Parentesis, "Saldo del Imp. mínimo a la renta pagado de ene. a abr. 1997"},
        {509, 91, C::Importe,        S::CreditosIEAN,     I::Calculada,   F::Importe,    F::Importe,    "SUBTOTAL"},
        {123, 50, C::RestaDigitada,  S::CreditosIEAN,     I::Abierta,     F::Parentesis, F::Parentesis, "Crédito por impuesto a la renta de Fuente Extranjera"},
        {124, 51, C::RestaDigitada,  S::CreditosIEAN,     I::Abierta,     F::Parentesis, F::Parentesis, "Crédito por Donaciones"},
        {125, 52, C::RestaDigitada,  S::CreditosIEAN,     I::Abierta,     F::Parentesis, F::Parentesis, "Otros Créditos sin derecho devolución"},
        {510, 53, C::Importe,        S::CreditosIEAN,     I::Calculada,   F::ConSigno,   F::Importe,    "SUB TOTAL (cas H -(123+124+125))"},
        {127, 92, C::RestaDigitada,  S::CreditosIEAN,     I::Abierta,     F::Parentesis, F::Parentesis, "Saldo a favor ejerc (sólo sujetos que acreditan IEAN contra Imp. renta)"},
        {128, 93, C::RestaDigitada,  S::CreditosIEAN,     I::Anexo,       F::Parentesis, F::Parentesis, "Pagos a cuenta mensuales del ejerc. (no incluir IEAN contra Imp. renta)"},
        {129, 94, C::RestaDigitada,  S::CreditosIEAN,     I::Abierta,     F::Parentesis, F::Parentesis, "Otros Créditos con derecho a devolución"},
        // Credits, not subject to IEAN
        {130, 54, C::RestaDigitada,  S::CreditosSinIEAN,  I::Abierta,     F::Parentesis, F::Parentesis, "Créditos sin derecho a devolución"},
        {511, 56, C::Importe,        S::CreditosSinIEAN,  I::Calculada,   F::ConSigno,   F::ConSigno,   "SUBTOTAL (Cas 113-130)"},
        {131, 55, C::RestaDigitada,  S::CreditosSinIEAN,  I::Anexo,       F::Parentesis, F::Parentesis, "Pago a cuenta mensuales del ejercicio"},
        {512, 57, C::Importe,        S::CreditosSinIEAN,  I::Calculada,   F::ConSigno,   F::ConSigno,   "SUBTOTAL (CAS J -131)"},
        {132, 58, C::RestaDigitada,  S::CreditosSinIEAN,  I::Abierta,     F::Parentesis, F::Parentesis, "Créditos por donaciones"},
        {513, 59, C::Importe,        S::CreditosSinIEAN,  I::Calculada,   F::ConSigno,   F::ConSigno,   "SUBTOTAL (K-132)"},
        {133, 60, C::RestaDigitada,  S::CreditosSinIEAN,  I::Abierta,     F::Parentesis, F::Parentesis, "Saldo a favor del ejercicio anterior"},
        {134, 61, C::RestaDigitada,  S::CreditosSinIEAN,  I::Abierta,     F::Parentesis, F::Parentesis, "Otros Créditos con derecho a devolución"},
        // Determination of the debt
        {137, 62, C::Respuesta137,   S::Deuda,            I::PorRespuesta, F::Importe,    F::Importe,    "1.-Devolución  2.-Aplicación contra futuros pagos"},
        {138, 63, C::RestaCalculada, S::Deuda,            I::Calculada,   F::Parentesis, F::Parentesis, "A FAVOR DEL CONTRIBUYENTE"},
        {139, 64, C::Importe,        S::Deuda,            I::Calculada,   F::Importe,    F::Importe,    "A FAVOR DEL FISCO"},
        {140, 65, C::Importe,        S::Deuda,            I::Abierta,     F::Importe,    F::Importe,    "Actualización del Saldo"},
        {141, 66, C::Importe,        S::Deuda,            I::Abierta,     F::Importe,    F::Importe,    "Interés Moratorio"},
        {514, 67, C::Importe,        S::Deuda,            I::Calculada,   F::ConSigno,   F::Importe,    "TOTAL DEUDA TRIBUTARIA"},
        {144, 68, C::RestaDigitada,  S::Deuda,            I::Abierta,     F::Parentesis, F::Parentesis, "Saldo a Favor del exportador"},
        {145, 69, C::RestaDigitada,  S::Deuda,            I::Abierta,     F::Parentesis, F::Parentesis, "Pagos efectuados (incluye realizados mediante boleta de pago)"},
        {146, 70, C::Importe,        S::Deuda,            I::Calculada,   F::ConSigno,   F::ConSigno,   "SALDO DE LA DEUDA TRIBUTARIA (Cas M - (144+145))"},
        {180, 71, C::Importe,        S::Deuda,            I::Abierta,     F::Importe,    F::Importe,    "IMPORTE A PAGAR"},
        // Additional information: agrarian investment
        {201, 72, C::Importe,        S::Agrario,          I::Abierta,     F::Importe,    F::Importe,    "TOTAL INVERSION"},
        {203, 73, C::Codigo,         S::Agrario,          I::Abierta,     F::Codigo,     F::Codigo,     "RUC principales beneficiarios y Monto invertido"},
        {205, 74, C::Importe,        S::Agrario,          I::Abierta,     F::Importe,    F::Importe,    "RUC principales beneficiarios y Monto invertido"},
        {204, 75, C::Codigo,         S::Agrario,          I::Abierta,     F::Codigo,     F::Codigo,     "RUC principales beneficiarios y monto invertido"},
        {206, 76, C::Importe,        S::Agrario,          I::Abierta,     F::Importe,    F::Importe,    "RUC principales beneficiarios y monto invertido"},
        // Additional information: attributed income
        {215, 87, C::Importe,        S::Ingresos,         I::Abierta,     F::Importe,    F::Importe,    "TOTAL INGRESOS ANUALES"},
        {217, 88, C::Codigo,         S::Ingresos,         I::Abierta,     F::Codigo,     F::Codigo,     "RUC del Contrato y Monto de Ingresos"},
        {219, 81, C::Importe,        S::Ingresos,         I::Abierta,     F::Importe,    F::Importe,    "RUC del Contrato y Monto de Ingresos"},
        {218, 89, C::Codigo,         S::Ingresos,         I::Abierta,     F::Codigo,     F::Codigo,     "RUC del Contrato y Monto de Ingresos"},
        {220, 82, C::Importe,        S::Ingresos,         I::Abierta,     F::Importe,    F::Importe,    "RUC del Contrato y Monto de Ingresos"},
        // Additional information: the accountant
        {208, 77, C::Importe,        S::Contador,         I::PorLista,    F::Texto,      F::Texto,      "Código de la zona a donde pertenece la colegiatura o reg"},
        {209, 78, C::Codigo,         S::Contador,         I::Abierta,     F::Codigo,     F::Codigo,     "RUC"},
        {211, 79, C::TextoLibre,     S::Contador,         I::Abierta,     F::Texto,      F::Texto,      "C. P. C. Nro."},
        {212, 80, C::TextoLibre,     S::Contador,         I::Abierta,     F::Texto,      F::Texto,      "I. C. P. Nro."},
        // Additional information: the legal representative
        {225, 83, C::TextoLibre,     S::Representante,    I::Abierta,     F::Texto,      F::Texto,      "Documento de identidad"},
        {226, 84, C::Codigo,         S::Representante,    I::Abierta,     F::Codigo,     F::Codigo,     "RUC"},
    };
    return t;
}

} // namespace ListaCasillas
