// Page 2 of the printed return: tax debt and payment form, agrarian sections,
// attributed income, the answers, a sent declaration's numbers, the
// accountant and the legal representative. One line a command.
#include "layout/core/tablashojas.h"

namespace {

// Amounts, whatever their sign, fill 15 places; texts and answers 14.
Elemento importe(int x, int y, int casilla)
{
    return valorCasilla(x, y, casilla).conPatron(QStringLiteral("###,###,###,##0;(###,###,###,##0)")).rellenar(15);
}

Elemento documento(int x, int y, int casilla)
{
    return valorCasilla(x, y, casilla).rellenar(14);
}

Elemento respuesta(int x, int y, const QString &clave)
{
    return valorClave(x, y, clave).rellenar(14);
}

} // namespace

const Disposicion &tablaDeuda()
{
    static const Disposicion d = [] {
        Disposicion d{1, {}};
        d << texto(300, 500, "2.-DETERMINACION DE LA DEUDA TRIBUTARIA").negrita().tamano(9)
          << cuadro(150, 450, 11000, 4200)
          << cuadro(150, 450, 11000, 720)
          << texto(250, 770, "SALDO POR")
          << texto(250, 1040, "REGULARIZAR")
          << cuadro(150, 720, 1500, 1530)
          << texto(1600, 770, "A FAVOR DEL ")
          << texto(1600, 1040, "CONTRIBUYENTE")
          << cuadro(1500, 720, 3200, 1260)
          << texto(3250, 770, QStringLiteral("1.-Devolución"))
          << texto(3250, 1040, QStringLiteral("2.-Aplicación contra futuros pagos"))
          << texto(7050, 950, "137")
          << valorCasilla(7450, 950, 137).conPatron("#").rellenar(7)
          << cuadro(7000, 720, 7400, 1260)
          << texto(8975, 950, "138")
          // A zero balance in favour prints an empty cell.
          << valorCasilla(9375, 950, 138).conPatron("###,###,###,###;(###,###,###,##0)").rellenar(15)
          << cuadro(8925, 720, 9325, 1260)
          << texto(1600, 1310, "A FAVOR DEL FISCO")
          << cuadro(1500, 1260, 11000, 1530)
          << texto(8975, 1310, "139")
          << importe(9375, 1310, 139)
          << cuadro(8925, 1260, 9325, 1530)
          << texto(300, 1580, QStringLiteral("Actualización del Saldo"))
          << texto(8975, 1580, "140")
          << importe(9375, 1580, 140)
          << cuadro(8925, 1530, 9325, 1800)
          << texto(300, 1850, QStringLiteral("Interés Moratorio"))
          << cuadro(150, 1800, 11000, 2070)
          << texto(8975, 1850, "141")
          << importe(9375, 1850, 141)
          << cuadro(8925, 1800, 9325, 2070)
          << texto(300, 2120, "TOTAL DEUDA TRIBUTARIA")
          << texto(8975, 2120, fTextoNumeroCasilla(514))
          << importe(9375, 2120, 514)
          << cuadro(8925, 2070, 9325, 2340)
          << texto(300, 2390, "Saldo a Favor del exportador")
          << cuadro(150, 2340, 11000, 2610)
          << texto(8975, 2390, "144 ")
          << importe(9375, 2390, 144)
          << cuadro(8925, 2340, 9325, 2610)
          << texto(300, 2660, "Pagos efectuados (incluye realizados mediante boleta de pago)")
          << texto(8975, 2660, "145 ")
          << importe(9375, 2660, 145)
          << cuadro(8925, 2610, 9325, 2880)
          << texto(300, 2930, "SALDO DE LA DEUDA TRIBUTARIA (Cas M - (144+145))")
          << cuadro(150, 2880, 11000, 3150)
          << texto(8975, 2930, "146 ")
          << importe(9375, 2920, 146)
          << cuadro(8925, 2880, 9325, 3150)
          << texto(4000, 3200, "IMPORTE A PAGAR").negrita()
          << texto(8975, 3200, "180 ")
          << importe(9375, 3200, 180)
          << cuadro(8925, 3150, 9325, 3420)
          << texto(300, 3470, "FORMA DE PAGO")
          << cuadro(150, 3420, 11000, 3690)
          << cuadro(6410, 3420, 6810, 3690)
          << cuadro(8925, 3420, 9325, 3690)
          << texto(6900, 3470, "EFECTIVO                  CHEQUE");
        return d;
    }();
    return d;
}

const Disposicion &tablaMarcaCheque()
{
    static const Disposicion d = [] {
        Disposicion d{1, {}};
        d << texto(9025, 3470, "X")
          << valorClave(9375, 3740, "sNumeroCheque").rellenar(15)
          << valorClave(9375, 4010, "sCodigoBanco").rellenar(15);
        return d;
    }();
    return d;
}

const Disposicion &tablaMarcaEfectivo()
{
    static const Disposicion d{1, {texto(6510, 3470, "X")}};
    return d;
}

const Disposicion &tablaCheque()
{
    static const Disposicion d = [] {
        Disposicion d{1, {}};
        d << texto(300, 3740, "NUMERO DE CHEQUE")
          << texto(8975, 3740, "012")
          << cuadro(8925, 3690, 9325, 3930)
          << texto(300, 4010, "CODIGO DE BANCO")
          << cuadro(150, 3930, 11000, 4200)
          << texto(8975, 4010, "015")
          << cuadro(8925, 3930, 9325, 4200);
        return d;
    }();
    return d;
}

const Disposicion &tablaSecciones()
{
    static const Disposicion d = [] {
        Disposicion d{1, {}};
        // Section 3: agrarian-promotion law.
        d << texto(300, 4380, "3.-ACOGIMIENTO A LA LEY DE PROMOCION DEL SECTOR AGRARIO").negrita().tamano(9)
          << cuadro(150, 4330, 11000, 4870)
          << texto(300, 4650, QStringLiteral("Fecha de Presentación del formulario 4888"))
          << cuadro(150, 4600, 11000, 4870)
          << texto(8975, 4650, "200")
          << valorCasilla(9375, 4650, 200).comoFecha().rellenar(15)
          << cuadro(8925, 4600, 9325, 4870);

        // Section 4: investment in the agrarian sector.
        d << texto(300, 5020, "4.-INVERSION EN EL SECTOR AGRARIO").negrita().tamano(9)
          << cuadro(150, 4970, 11000, 6320)
          << texto(7500, 5290, "RUC")
          << cuadro(6850, 5240, 8925, 5510)
          << texto(9500, 5290, "MONTO")
          << cuadro(8925, 5240, 11000, 5510)
          << texto(300, 5560, "TOTAL INVERSION")
          << cuadro(150, 5510, 11000, 5780)
          << texto(8975, 5560, "201")
          << importe(9375, 5560, 201)
          << cuadro(8925, 5510, 9325, 5780)
          << texto(300, 5830, "RUC principales beneficiarios y Monto invertido")
          << texto(6900, 5830, "203")
          << documento(7300, 5830, 203)
          << cuadro(6850, 5780, 7250, 6050)
          << texto(8975, 5830, "205")
          << importe(9375, 5830, 205)
          << cuadro(8925, 5780, 9325, 6050)
          << texto(300, 6100, "RUC principales beneficiarios y monto invertido")
          << cuadro(150, 6050, 11000, 6320)
          << texto(6900, 6100, "204")
          << documento(7300, 6100, 204)
          << cuadro(6850, 6050, 7250, 6320)
          << texto(8975, 6100, "206")
          << importe(9375, 6100, 206)
          << cuadro(8925, 6050, 9325, 6320);

        // Section 5: attributed annual income.
        d << texto(300, 6470, "5.-MONTO DE INGRESOS ANUALES ATRIBUIDOS").negrita().tamano(9)
          << cuadro(150, 6420, 11000, 7770)
          << texto(7500, 6740, "RUC")
          << cuadro(6850, 6690, 8925, 6960)
          << texto(9500, 6740, "MONTO")
          << cuadro(8925, 6690, 11000, 6960)
          << texto(300, 7010, "TOTAL INGRESOS ANUALES")
          << cuadro(150, 6960, 11000, 7230)
          << texto(8975, 7010, "215")
          << importe(9375, 7010, 215)
          << cuadro(8925, 6960, 9325, 7230)
          << texto(300, 7280, "RUC del Contrato y Monto de Ingresos")
          << texto(6900, 7280, "217")
          << documento(7300, 7280, 217)
          << cuadro(6850, 7230, 7250, 7500)
          << texto(8975, 7280, "219")
          << importe(9375, 7280, 219)
          << cuadro(8925, 7230, 9325, 7500)
          << texto(300, 7550, "RUC del Contrato y Monto de Ingresos")
          << cuadro(150, 7500, 11000, 7770)
          << texto(6900, 7550, "218")
          << documento(7300, 7550, 218)
          << cuadro(6850, 7500, 7250, 7770)
          << texto(8975, 7550, "220")
          << importe(9375, 7550, 220)
          << cuadro(8925, 7500, 9325, 7770);

        // Additional information: the answers.
        d << texto(300, 7930, "INFORMACION ADICIONAL").negrita().tamano(9)
          << cuadro(150, 7870, 11000, 14310)
          << texto(300, 8470, "IDENTIFICACION").negrita()
          << cuadro(150, 8420, 11000, 8690)
          << texto(300, 8740, "Tipo de Contribuyente")
          << cuadro(150, 8690, 11000, 8960)
          << valorClave(9375, 8740, "exonerado")
          << cuadro(8925, 8690, 11000, 8960)
          << texto(300, 9010, QStringLiteral("Acogimiento a la Ley de Promoción Agraría"))
          << cuadro(150, 8960, 11000, 9230)
          << respuesta(9375, 9010, "agraria")
          << cuadro(8925, 8960, 11000, 9230)
          << texto(300, 9280, QStringLiteral("Fecha de Presentación del form. 4888 "))
          << cuadro(150, 9230, 11000, 9500)
          << valorCasilla(9375, 9230, 200).comoFecha().rellenar(14)
          << cuadro(8925, 9230, 11000, 9500)
          << texto(300, 9550, "Afecto al IEAN")
          << cuadro(150, 9500, 11000, 9770)
          << respuesta(9375, 9550, "iean")
          << cuadro(8925, 9500, 11000, 9770)
          << texto(300, 9820, QStringLiteral("Presentación del Anexo"))
          << cuadro(150, 9770, 11000, 10040)
          << respuesta(9375, 9820, "anexo")
          << cuadro(8925, 9770, 11000, 10040)
          << texto(300, 10090, "Convenio de Estabilidad")
          << cuadro(150, 10040, 11000, 10310)
          << respuesta(9375, 10090, "convenio")
          << cuadro(8925, 10040, 11000, 10310)
          << texto(300, 10360, QStringLiteral("La declaración rectifíca o sustituye a otra"))
          << cuadro(150, 10310, 11000, 10580)
          << respuesta(9375, 10310, "rectifica")
          << cuadro(8925, 10310, 11000, 10580)
          << texto(300, 10630, QStringLiteral("Condición de domicilio"))
          << respuesta(9375, 10630, "domiciliado")
          << cuadro(150, 10580, 8925, 10850)
          << cuadro(8925, 10580, 11000, 10850);
        return d;
    }();
    return d;
}

const Disposicion &tablaEnviada()
{
    static const Disposicion d = [] {
        Disposicion d{1, {}};
        d << texto(300, 10900, QStringLiteral("Número de Orden"))
          << cuadro(150, 10850, 11000, 11120)
          << respuesta(9375, 10900, "sNOrdenR")
          << cuadro(8925, 10850, 11000, 11120)
          << texto(300, 11170, QStringLiteral("Número de Control "))
          << cuadro(150, 11120, 11000, 11390)
          << respuesta(9375, 11170, "sControl")
          << cuadro(8925, 11120, 11000, 11390);
        return d;
    }();
    return d;
}

const Disposicion &tablaFirmantes()
{
    static const Disposicion d = [] {
        Disposicion d{1, {}};
        d << texto(300, 11390, "DATOS DEL CONTADOR").negrita()
          << cuadro(150, 11340, 11000, 12960)
          << texto(300, 11660, "Apellidos y Nombres")
          << valorClave(6000, 11660, "sNombreContador").completar(45)
          << cuadro(150, 11610, 11000, 11880)
          << texto(300, 11930, QStringLiteral("Código de la zona a donde pertenece la colegiatura o reg"))
          << cuadro(150, 11880, 11000, 12150)
          << texto(8500, 11930, "208")
          << valorCasilla(9375, 11930, 208).conPatron("0#").rellenar(14)
          << cuadro(8455, 11880, 8855, 12150)
          << texto(300, 12200, "RUC")
          << cuadro(150, 12150, 11000, 12420)
          << texto(8500, 12200, "209")
          << valorCasilla(9375, 12200, 209).conPatron("########").rellenar(14)
          << cuadro(8455, 12150, 8855, 12420)
          << texto(300, 12470, "C. P. C. Nro.")
          << cuadro(150, 12420, 11000, 12690)
          << texto(8500, 12470, "211")
          << documento(9375, 12470, 211)
          << cuadro(8455, 12420, 8855, 12690)
          << texto(300, 12740, "I. C. P. Nro.")
          << cuadro(150, 12690, 11000, 12960)
          << texto(8500, 12740, "212")
          << documento(9375, 12740, 212)
          << cuadro(8455, 12690, 8855, 12960);

        d << texto(300, 13280, "DATOS DEL REPRESENTANTE LEGAL").negrita()
          << cuadro(150, 13230, 11000, 14310)
          << texto(300, 13550, "Apellidos y Nombres")
          << valorClave(6000, 13550, "sNombreRepresentante").completar(40)
          << cuadro(150, 13500, 11000, 13770)
          << texto(300, 13820, "Documento de identidad")
          << cuadro(150, 13770, 11000, 14040)
          << texto(8500, 13820, "225")
          << documento(9375, 13820, 225)
          << cuadro(8455, 13770, 8855, 14040)
          << texto(300, 14090, "RUC")
          << cuadro(150, 14040, 11000, 14310)
          << texto(8500, 14090, "226")
          << documento(9375, 14090, 226)
          << cuadro(8455, 14040, 8855, 14310);
        return d;
    }();
    return d;
}
