// The tables of the annex page. One line a command; a month row is written
// at its first month's place and repeated kPasoMes lower for each month.
#include "layout/core/anexostabla.h"

namespace {

Disposicion hoja()
{
    return Disposicion{2, {}};
}

Elemento importe(int x, int y, const QString &clave, int ancho = 14)
{
    return valorClave(x, y, clave).rellenar(ancho);
}

// The payments-on-account table of the "117y128" and "131" pages: one form
// in two places. top is the title band's top; the heading band is
// altoCabecera high with its second line segundaLinea below its top; the
// total's texts stand dyTotal below their band's top.
struct FormaPagos {
    QString titulo;
    int xTitulo;
    int top;
    int segundaLinea;
    int altoCabecera;
    int dyTotal;
};

TablaAnexo tablaPagosACuenta(const FormaPagos &f)
{
    const int c = f.top + 270;                 // caption band
    const int h = c + 270;                     // heading band
    const int r = h + f.altoCabecera;          // first month row
    const int fin = r + 15 * kPasoMes;         // total band
    const int y1 = h + 50, y2 = h + f.segundaLinea;
    Disposicion cabeza = hoja(), mes = hoja(), total = hoja();
    cabeza << texto(f.xTitulo, f.top + 50, f.titulo).negrita().tamano(10)
           << cuadro(300, f.top, 11000, c)
           << cuadro(300, c, 11000, fin)
           << texto(370, c + 50, "PAGOS A CUENTA DEL IMPUESTO A LA RENTA DEL EJERCICIO 1998").negrita().tamano(10)
           << cuadro(300, c, 11000, h)
           << texto(350, y1, " Mes de").tamano(8)
           << texto(350, y2, " Pago").tamano(8)
           << cuadro(300, h, 1250, fin)
           << texto(1300, y1, QStringLiteral("Utilización del")).tamano(8)
           << texto(1300, y2, "    Saldo").tamano(8)
           << cuadro(1250, h, 2900, fin)
           << texto(3100, y1, QStringLiteral("Compensación")).tamano(8)
           << texto(3100, y2, "    SFMB").tamano(8)
           << cuadro(2900, h, 4550, fin)
           << texto(4650, y1, QStringLiteral("Otros créditos")).tamano(8)
           << texto(4650, y2, "No incluye IEAN").tamano(8)
           << cuadro(4550, h, 6200, fin)
           << texto(6700, y1, "Monto").tamano(8)
           << texto(6700, y2, "Pagado").tamano(8)
           << cuadro(6200, h, 7750, fin)
           << texto(8250, y1, "Total").tamano(8)
           << cuadro(7750, h, 9400, fin)
           << texto(9600, y1, "Actualizado").tamano(8)
           << texto(9600, y2, "al 31/12/98").tamano(8)
           // The updated column has no box of its own; the band starts at 320.
           << cuadro(320, h, 11000, r);
    mes << valorClave(400, r + 50, "mes")
        << importe(1300, r + 50, "aSaluti")
        << importe(2950, r + 50, "aCompen")
        << importe(4600, r + 50, "aOtrcre")
        << importe(6250, r + 50, "aPagoR")
        << importe(7900, r + 50, "aTotalMes")
        << importe(9500, r + 50, "aActualizado")
        << cuadro(300, r, 11000, r + kPasoMes);
    // The label is longer than its width; it prints whole.
    total << texto(4650, fin + f.dyTotal, "TOTAL IMPORTE ACTUALIZADO").rellenar(14).negrita()
          << importe(9000, fin + f.dyTotal, "dTotalAnexo", 19).negrita()
          << cuadro(300, fin, 11000, fin + 270);
    CargaAnexo carga;
    carga.sBase = QStringLiteral("aTotalMes");
    carga.bTotalSinNegativo = true;
    return TablaAnexo{carga, {{cabeza}, {mes, true}, {total}}};
}

} // namespace

const TablaAnexo &tablaAnexo117()
{
    static const TablaAnexo t = [] {
        Disposicion cabeza = hoja(), mes = hoja(), total = hoja();
        cabeza << texto(350, 350, "Anexo 117").negrita().tamano(10)
               << cuadro(300, 300, 4950, 570)
               << texto(350, 620, "PAGOS DE CUOTAS DEL IEAN DURANTE 1998").negrita().tamano(10)
               << cuadro(300, 570, 4950, 840)
               << texto(350, 890, "Mes de ").tamano(8)
               << texto(350, 1090, " Pago ").tamano(8)
               << cuadro(300, 840, 1250, 3730)
               << texto(1650, 890, "Monto Pagado ").tamano(8)
               << cuadro(1250, 840, 3100, 3730)
               << texto(3500, 890, "Actualizado ").tamano(8)
               << texto(3500, 1090, "Al 31/12/98 ").tamano(8)
               << cuadro(3100, 840, 4950, 3730);
        mes << valorClave(350, 1350, "mes")
            << importe(1300, 1350, "aPagoIEAN")
            << importe(3200, 1350, "aActualizado")
            << cuadro(300, 1300, 4950, 1570);
        // A negative total prints as it comes out.
        total << texto(350, 3780, "TOT. IMP. ACT. (CAS. 117)").negrita()
              << importe(3200, 3780, "dTotalAnexo").negrita()
              << cuadro(300, 3730, 4950, 4000);
        CargaAnexo carga;
        carga.desde = 4;
        carga.hasta = 12;
        carga.sBase = QStringLiteral("aPagoIEAN");
        return TablaAnexo{carga, {{cabeza}, {mes, true}, {total}}};
    }();
    return t;
}

const TablaAnexo &tablaAnexo128()
{
    static const TablaAnexo t = tablaPagosACuenta({"Anexo 128", 350, 4220, 320, 540, 0});
    return t;
}

const TablaAnexo &tablaAnexo131()
{
    static const TablaAnexo t = tablaPagosACuenta({"Anexo 131", 370, 300, 250, 500, 50});
    return t;
}

const TablaAnexo &tablaAnexo120()
{
    static const TablaAnexo t = [] {
        Disposicion cabeza = hoja(), mes = hoja(), total = hoja();
        cabeza << texto(370, 350, "Anexo 120").negrita().tamano(10)
               << cuadro(320, 300, 7000, 570)
               << cuadro(320, 570, 7000, 4080)
               << texto(370, 620, "PAGOS DEL IEAN EFECTUADO CON PAGOS A CUENTA  DEL IMP. LA RENTA  ").negrita()
               // Each heading line runs across the three columns.
               << texto(370, 890, " Mes de            Monto del IEAN            Actualizado ")
               << texto(370, 1160, "                   pagado con Renta          al 31/12/98")
               << cuadro(320, 840, 7000, 1380)
               << cuadro(2000, 840, 4500, 1380);
        mes << valorClave(370, 1430, "mesConBlancos")
            << importe(2100, 1430, "aPagoIEANR")
            << importe(4600, 1430, "aActualizado")
            << cuadro(320, 1380, 7000, 1650)
            << cuadro(2000, 1380, 4500, 1650);
        // A negative total prints as it comes out.
        total << texto(370, 3860, " TOTAL IMP. ACTUAL CASILLA 120")
              << importe(4600, 3860, "dTotalAnexo")
              << cuadro(4500, 3810, 7000, 4080);
        CargaAnexo carga;
        carga.desde = 4;
        carga.hasta = 12;
        carga.sBase = QStringLiteral("aPagoIEANR");
        return TablaAnexo{carga, {{cabeza}, {mes, true}, {total}}};
    }();
    return t;
}

const TablaAnexo &tablaAnexo128IEAN()
{
    static const TablaAnexo t = [] {
        Disposicion saldo = hoja(), mesSaldo = hoja(), reparto = hoja(), mesReparto = hoja(), total = hoja();
        // Every text at the current size; heads and total bold, months not.
        saldo << texto(370, 4280, " ANEXO 128").negrita()
              << cuadro(320, 4230, 10820, 4500)
              << texto(370, 4550, "SALDO DE PAGOS A CUENTA DEL IMPUESTO A LA RENTA DEL EJERCICIO 1998").negrita()
              << cuadro(320, 4500, 10820, 4770)
              << texto(770, 4820, "Mes de").negrita()
              << texto(770, 5000, " Pago").negrita()
              << texto(1970, 4820, QStringLiteral("Utilización del")).negrita()
              << texto(1970, 5000, "     Saldo ").negrita()
              << texto(3870, 4820, QStringLiteral("Compensación ")).negrita()
              << texto(3870, 5000, "    SPMB").negrita()
              << texto(5670, 4820, QStringLiteral("Otros Créditos")).negrita()
              << texto(5620, 5000, "No incluye IEAN").negrita()
              << texto(7870, 4820, " Monto ").negrita()
              << texto(7870, 5000, " Pagado").negrita()
              << texto(9070, 4820, " Total a cuenta ").negrita()
              << texto(9070, 5000, "      Renta").negrita()
              << cuadro(320, 4770, 10820, 5220)
              // Three column boxes draw every column edge.
              << cuadro(320, 4770, 10820, 9270)
              << cuadro(1820, 4770, 3620, 9270)
              << cuadro(5420, 4770, 7220, 9270)
              << cuadro(9020, 4770, 10820, 9270);
        mesSaldo << valorClave(700, 5270, "mes")
                 << importe(1870, 5270, "aSaluti")
                 << importe(3670, 5270, "aCompen")
                 << importe(5470, 5270, "aOtrcre")
                 << importe(7270, 5270, "aPagoR")
                 << importe(9070, 5270, "aTotalMes")
                 << cuadro(320, 5220, 10820, 5490);
        // The heading band has no box of its own: the first month closes it.
        reparto << texto(370, 9420, "   Mes de      Total a cuenta      Monto IEAN        Monto no       Actualizado ").negrita()
                << texto(370, 9690, "    Pago            Renta        Pag. con Renta   Utilizado IEAN    al 31/12/98").negrita()
                << cuadro(320, 9370, 9020, 13960)
                << cuadro(1820, 9370, 3620, 13960)
                << cuadro(5420, 9370, 7220, 13960);
        mesReparto << valorClave(700, 9960, "mes")
                   << importe(1870, 9960, "aTotalMes")
                   << importe(3670, 9960, "aPagoIEANR")
                   << importe(5470, 9960, "aNoIEAN")
                   << importe(7270, 9960, "aActualizado")
                   << cuadro(320, 9910, 9020, 10180);
        total << texto(1500, 14040, "TOTAL IMPORTE ACTUALIZADO (CAS. 128) ").negrita()
              << importe(7270, 14040, "dTotalAnexo").negrita()
              << cuadro(320, 13960, 9020, 14230)
              << cuadro(7220, 13960, 9020, 14230);
        CargaAnexo carga;
        carga.sBase = QStringLiteral("aNoIEAN");
        carga.bVacioSinFila = true;
        carga.bTotalSinNegativo = true;
        carga.bRucRecortado = true;
        return TablaAnexo{carga, {{saldo}, {mesSaldo, true}, {reparto}, {mesReparto, true}, {total}}};
    }();
    return t;
}

std::vector<const TablaAnexo *> fTablasAnexo(const QString &xAnexos)
{
    if (xAnexos == QLatin1String("117y128"))
        return {&tablaAnexo117(), &tablaAnexo128()};
    if (xAnexos == QLatin1String("131"))
        return {&tablaAnexo131()};
    if (xAnexos == QLatin1String("120y128"))
        return {&tablaAnexo120(), &tablaAnexo128IEAN()};
    return {};
}
