// Page 2 of the printed return: tax debt and payment form, agrarian sections,
// attributed income, the answers, a sent declaration's numbers, the
// accountant and the legal representative. One line a command.
#include "layout/core/tablashojas.h"

namespace {

// Amounts, whatever their sign, fill 15 places; texts and answers 14.
Elemento importe(int casilla)
{
    return valorCasilla(0, 0, casilla).conPatron(QStringLiteral("###,###,###,##0;(###,###,###,##0)")).rellenar(15);
}

Elemento documento(int casilla)
{
    return valorCasilla(0, 0, casilla).rellenar(14);
}

Elemento respuesta(const QString &clave)
{
    return valorClave(0, 0, clave).rellenar(14);
}

Elemento en(Elemento e, int x, int y)
{
    e.x = x;
    e.y = y;
    return e;
}

// A box of a row whose top is t, in the cell column whose left edge is c:
// its number 50 to the right, its value 450, the number cell 400 wide. The
// value may stand on another line than the number (box 146).
std::vector<Elemento> caja(int c, int t, const QString &numero, const Elemento &valor, int yValor = 0)
{
    return {texto(c + 50, t + 50, numero), en(valor, c + 450, yValor ? yValor : t + 50),
            cuadro(c, t, c + 400, t + 270)};
}
constexpr int kImportes = 8925;   // the value column of the page
constexpr int kRucs = 6850;       // the RUC column of sections 4 and 5

// A row of the answers: label, row, value at 9375 (on the row's top line
// where yValor says so) and the value's cell to the right edge.
std::vector<Elemento> filaRespuesta(int t, const QString &etiqueta, const Elemento &valor, int yValor = 0)
{
    return {texto(300, t + 50, etiqueta), cuadro(150, t, 11000, t + 270),
            en(valor, 9375, yValor ? yValor : t + 50), cuadro(8925, t, 11000, t + 270)};
}

// A row of the accountant or the representative: its box number stands in
// a cell of its own left of the value.
std::vector<Elemento> filaFirmante(int t, const QString &etiqueta, int casilla, const Elemento &valor)
{
    return {texto(300, t + 50, etiqueta), cuadro(150, t, 11000, t + 270),
            texto(8500, t + 50, fTextoNumeroCasilla(casilla)), en(valor, 9375, t + 50),
            cuadro(8455, t, 8855, t + 270)};
}

// Sections 4 and 5 share one form: a title, the RUC and amount headings, a
// total, and two rows of a RUC with its amount. top is the section's frame.
struct FilaRuc {
    QString etiqueta;
    int ruc;
    int monto;
};

std::vector<Elemento> seccionRuc(int top, const QString &titulo, const QString &etiquetaTotal, int total,
                                 const FilaRuc &f1, const FilaRuc &f2)
{
    Disposicion d;
    const int h = top + 270;    // headings row
    const int t = top + 540;    // total row
    const int r1 = top + 810, r2 = top + 1080;
    d << texto(300, top + 50, titulo).negrita().tamano(9)
      << cuadro(150, top, 11000, top + 1350)
      << texto(7500, h + 50, "RUC")
      << cuadro(kRucs, h, kImportes, h + 270)
      << texto(9500, h + 50, "MONTO")
      << cuadro(kImportes, h, 11000, h + 270)
      << texto(300, t + 50, etiquetaTotal)
      << cuadro(150, t, 11000, t + 270)
      << caja(kImportes, t, fTextoNumeroCasilla(total), importe(total))
      << texto(300, r1 + 50, f1.etiqueta)
      << caja(kRucs, r1, fTextoNumeroCasilla(f1.ruc), documento(f1.ruc))
      << caja(kImportes, r1, fTextoNumeroCasilla(f1.monto), importe(f1.monto))
      << texto(300, r2 + 50, f2.etiqueta)
      << cuadro(150, r2, 11000, r2 + 270)
      << caja(kRucs, r2, fTextoNumeroCasilla(f2.ruc), documento(f2.ruc))
      << caja(kImportes, r2, fTextoNumeroCasilla(f2.monto), importe(f2.monto));
    return d.elementos;
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
          // Boxes 137 and 138 share a cell two rows high, their texts between.
          << texto(7050, 950, "137")
          << valorCasilla(7450, 950, 137).conPatron("#").rellenar(7)
          << cuadro(7000, 720, 7400, 1260)
          << texto(8975, 950, "138")
          // A zero balance in favour prints an empty cell.
          << valorCasilla(9375, 950, 138).conPatron("###,###,###,###;(###,###,###,##0)").rellenar(15)
          << cuadro(8925, 720, 9325, 1260)
          << texto(1600, 1310, "A FAVOR DEL FISCO")
          << cuadro(1500, 1260, 11000, 1530)
          << caja(kImportes, 1260, "139", importe(139))
          << texto(300, 1580, QStringLiteral("Actualización del Saldo"))
          << caja(kImportes, 1530, "140", importe(140))
          << texto(300, 1850, QStringLiteral("Interés Moratorio"))
          << cuadro(150, 1800, 11000, 2070)
          << caja(kImportes, 1800, "141", importe(141))
          << texto(300, 2120, "TOTAL DEUDA TRIBUTARIA")
          << caja(kImportes, 2070, fTextoNumeroCasilla(514), importe(514))
          << texto(300, 2390, "Saldo a Favor del exportador")
          << cuadro(150, 2340, 11000, 2610)
          << caja(kImportes, 2340, "144 ", importe(144))
          << texto(300, 2660, "Pagos efectuados (incluye realizados mediante boleta de pago)")
          << caja(kImportes, 2610, "145 ", importe(145))
          << texto(300, 2930, "SALDO DE LA DEUDA TRIBUTARIA (Cas M - (144+145))")
          << cuadro(150, 2880, 11000, 3150)
          << caja(kImportes, 2880, "146 ", importe(146), 2920)
          << texto(4000, 3200, "IMPORTE A PAGAR").negrita()
          << caja(kImportes, 3150, "180 ", importe(180))
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
        // The cheque-number cell is 240 high.
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
        d << texto(300, 4380, "3.-ACOGIMIENTO A LA LEY DE PROMOCION DEL SECTOR AGRARIO").negrita().tamano(9)
          << cuadro(150, 4330, 11000, 4870)
          << texto(300, 4650, QStringLiteral("Fecha de Presentación del formulario 4888"))
          << cuadro(150, 4600, 11000, 4870)
          << caja(kImportes, 4600, "200", valorCasilla(0, 0, 200).comoFecha().rellenar(15));

        d << seccionRuc(4970, "4.-INVERSION EN EL SECTOR AGRARIO", "TOTAL INVERSION", 201,
                        {"RUC principales beneficiarios y Monto invertido", 203, 205},
                        {"RUC principales beneficiarios y monto invertido", 204, 206});
        d << seccionRuc(6420, "5.-MONTO DE INGRESOS ANUALES ATRIBUIDOS", "TOTAL INGRESOS ANUALES", 215,
                        {"RUC del Contrato y Monto de Ingresos", 217, 219},
                        {"RUC del Contrato y Monto de Ingresos", 218, 220});

        // Additional information: the answers. The date and the
        // rectification stand on the top line of their rows.
        d << texto(300, 7930, "INFORMACION ADICIONAL").negrita().tamano(9)
          << cuadro(150, 7870, 11000, 14310)
          << texto(300, 8470, "IDENTIFICACION").negrita()
          << cuadro(150, 8420, 11000, 8690)
          << filaRespuesta(8690, "Tipo de Contribuyente", valorClave(0, 0, "exonerado"))
          << filaRespuesta(8960, QStringLiteral("Acogimiento a la Ley de Promoción Agraría"), respuesta("agraria"))
          << filaRespuesta(9230, QStringLiteral("Fecha de Presentación del form. 4888 "),
                           valorCasilla(0, 0, 200).comoFecha().rellenar(14), 9230)
          << filaRespuesta(9500, "Afecto al IEAN", respuesta("iean"))
          << filaRespuesta(9770, QStringLiteral("Presentación del Anexo"), respuesta("anexo"))
          << filaRespuesta(10040, "Convenio de Estabilidad", respuesta("convenio"))
          << filaRespuesta(10310, QStringLiteral("La declaración rectifíca o sustituye a otra"),
                           respuesta("rectifica"), 10310)
          // The domicile row's frame stops where its answer cell begins.
          << texto(300, 10630, QStringLiteral("Condición de domicilio"))
          << en(respuesta("domiciliado"), 9375, 10630)
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
        d << filaRespuesta(10850, QStringLiteral("Número de Orden"), respuesta("sNOrdenR"))
          << filaRespuesta(11120, QStringLiteral("Número de Control "), respuesta("sControl"));
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
          << filaFirmante(11880, QStringLiteral("Código de la zona a donde pertenece la colegiatura o reg"), 208,
                          valorCasilla(0, 0, 208).conPatron("0#").rellenar(14))
          << filaFirmante(12150, "RUC", 209, valorCasilla(0, 0, 209).conPatron("########").rellenar(14))
          << filaFirmante(12420, "C. P. C. Nro.", 211, documento(211))
          << filaFirmante(12690, "I. C. P. Nro.", 212, documento(212));

        d << texto(300, 13280, "DATOS DEL REPRESENTANTE LEGAL").negrita()
          << cuadro(150, 13230, 11000, 14310)
          << texto(300, 13550, "Apellidos y Nombres")
          << valorClave(6000, 13550, "sNombreRepresentante").completar(40)
          << cuadro(150, 13500, 11000, 13770)
          << filaFirmante(13770, "Documento de identidad", 225, documento(225))
          << filaFirmante(14040, "RUC", 226, documento(226));
        return d;
    }();
    return d;
}
