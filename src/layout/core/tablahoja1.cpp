// Page 1 of the printed return: form header, identification, balance sheet,
// profit and loss, income-tax determination and the two credit blocks.
#include "layout/core/tablashojas.h"

namespace {

const QString kPlano = QStringLiteral("###,###,###,##0");
const QString kFirmado = QStringLiteral("###,###,###,##0;(###,###,###,##0)");

// A column of box cells: the number cell's left edge (number 50 to its right,
// value 450) and how far below the row top the row's texts stand.
struct Columna {
    int celda;
    int dy;
};
constexpr Columna kBalance{3300, 60};
constexpr Columna kResultados{8775, 60};
constexpr Columna kDerecha{8775, 50};
constexpr Columna kMedio{6450, 50};

struct Rect {
    int x1, y1, x2, y2;
};

// A box row: the label, the row's own rectangles, then the box cell. The
// plain pattern has no parentheses and one width; a signed value grows by
// one character for its parentheses.
struct Fila {
    int t;
    QString etiqueta;
    int xEtiqueta;
    int casilla;
    std::vector<Rect> extras;
    bool plano = false;
    int dyValor = 0;    // the value below its label (box 301)
};

// Box number, value and number cell of a row.
std::vector<Elemento> celda(const Columna &c, int t, int casilla, bool plano = false, int dyValor = 0)
{
    const int y = t + c.dy;
    return {texto(c.celda + 50, y, fTextoNumeroCasilla(casilla)),
            valorCasilla(c.celda + 450, y + dyValor, casilla)
                .conPatron(plano ? kPlano : kFirmado)
                .rellenar(16, plano ? 0 : 17),
            cuadro(c.celda, t, c.celda + 400, t + 270)};
}

std::vector<Elemento> filas(const Columna &c, const std::vector<Fila> &f)
{
    std::vector<Elemento> v;
    for (const Fila &r : f) {
        v.push_back(texto(r.xEtiqueta, r.t + c.dy, r.etiqueta));
        for (const Rect &x : r.extras)
            v.push_back(cuadro(x.x1, x.y1, x.x2, x.y2));
        const auto cel = celda(c, r.t, r.casilla, r.plano, r.dyValor);
        v.insert(v.end(), cel.begin(), cel.end());
    }
    return v;
}

// A credit row: label at 300 over the whole row, then the middle and the
// right box cell where the row has them (0: none).
struct FilaCredito {
    int t;
    QString etiqueta;
    int medio;
    int derecha;
};

std::vector<Elemento> filasCredito(const std::vector<FilaCredito> &f)
{
    std::vector<Elemento> v;
    for (const FilaCredito &r : f) {
        v.push_back(texto(300, r.t + 50, r.etiqueta));
        v.push_back(cuadro(150, r.t, 11000, r.t + 270));
        for (const auto &[col, casilla] : {std::pair{kMedio, r.medio}, std::pair{kDerecha, r.derecha}}) {
            if (!casilla)
                continue;
            const auto cel = celda(col, r.t, casilla);
            v.insert(v.end(), cel.begin(), cel.end());
        }
    }
    return v;
}

} // namespace

const Disposicion &tablaEstadosFinancieros()
{
    static const Disposicion d = [] {
        Disposicion d{0, {}};
        // Form header and identification.
        d << texto(300, 350, "KAVEN").negrita().tamano(16)
          << texto(300, 750, "DECLARACION").tamano(8)
          << texto(550, 1100, "PAGO").tamano(8)
          << texto(550, 1330, "951").negrita().tamano(12)
          << cuadro(150, 300, 1700, 1640)
          << texto(3000, 400, "DECLARACION PAGO ANUAL IMPUESTO A LA RENTA").negrita().tamano(9)
          << texto(4100, 600, "TERCERA CATEGORIA").negrita().tamano(11)
          << texto(4300, 850, "Ejercicio gravable 1998").tamano(7)
          << cuadro(1700, 300, 8500, 1100)
          << texto(1750, 1170, "RUC")
          << valorClave(3500, 1170, "sRuc").negrita()
          << cuadro(1700, 1100, 3400, 1370)
          << cuadro(3400, 1100, 8500, 1370)
          << texto(1750, 1450, "RAZON SOCIAL")
          << valorClave(3500, 1450, "sRaSoc").negrita()
          << cuadro(1700, 1370, 3400, 1640)
          << cuadro(3400, 1370, 8500, 1640)
          << texto(9000, 400, "Copia para el")
          << texto(9000, 700, "Contribuyente").tamano(9)
          << cuadro(8500, 300, 11000, 1100)
          << cuadro(8500, 1100, 11000, 1640)
          << texto(8700, 1170, QStringLiteral(" N° DE TELEFONO"))
          << valorClave(9000, 1450, "sTelefono")
          << cuadro(8500, 1100, 11000, 1370);

        // Section 1: frame and balance-sheet headings.
        d << texto(300, 1800, "1.-  ESTADOS FINANCIEROS").negrita().tamano(9)
          << cuadro(150, 1740, 11000, 6870)
          << cuadro(150, 2010, 5575, 6870)
          << cuadro(5575, 2010, 11000, 6870)
          << texto(300, 2070, "I.-Balance General Ajustado ")
          << cuadro(150, 2010, 3300, 2280)
          << texto(3700, 2070, "Al 31 Dic 1998")
          << cuadro(3300, 2010, 5575, 2280)
          << vertical(250, 2340, "ACTIVO").negrita()
          << cuadro(150, 2280, 500, 3630);

        d << filas(kBalance, {
            {2280, "Activo Corriente(s/exist)", 550, 300, {{500, 2280, 5575, 2550}}, true},
            {2550, "Existencias)", 600, 301, {}, true, 30},
            {2820, "Activo fijo Neto)", 600, 302, {{500, 2820, 5575, 3090}}, true},
            {3090, "Otras cuentas del Activo", 600, 303, {}},
            {3360, "TOTAL ACTIVO NETO", 600, 500, {{500, 3360, 5575, 3630}}},
        });

        d << vertical(250, 3690, "PASIVO PAT NETO").negrita()
          << cuadro(150, 3630, 500, 6870);

        d << filas(kBalance, {
            {3630, "Sobregiros bancarios", 600, 306, {}},
            {3900, "Tributos por pagar", 600, 307, {{500, 3900, 5575, 4170}}},
            {4170, "Otras cuentas del pasivo", 600, 308, {{500, 4170, 5575, 4440}}},
            {4440, "TOTAL PASIVO", 600, 501, {{500, 4440, 5575, 4710}}},
            {4710, "Capital", 600, 312, {{500, 4710, 5575, 4980}}},
            {4980, "Reservas", 600, 313, {{500, 4980, 5575, 5250}}},
            {5250, "Otras ctas del Pat. Neto", 600, 315, {{500, 5250, 5575, 5520}}},
            {5520, "Resultados     Positivo", 600, 316, {{500, 5520, 2000, 6060}, {2000, 5520, 5575, 5790}}},
            {5790, "Acumulados     Negativo", 600, 317, {{2000, 5790, 5575, 6060}}},
            {6060, "Resultado del  Utilidad", 600, 318, {{500, 6060, 2000, 6600}, {2000, 6060, 5575, 6330}}},
            {6330, QStringLiteral("Ejercicio      Pérdida"), 600, 320, {{2000, 6330, 5575, 6600}}},
            {6600, "TOTAL PASIVO Y PATRIM NETO", 550, 502, {{500, 6600, 5575, 6870}}},
        });

        // Profit and loss.
        d << texto(5600, 2070, QStringLiteral("II.Estado Ganancias y Pérdidas"))
          << cuadro(5575, 2010, 8775, 2280)
          << texto(8975, 2070, "Al 31 Dic 1998")
          << cuadro(8775, 2010, 11000, 2280);

        d << filas(kResultados, {
            {2280, "Ventas Netas o Ing x Serv.", 5625, 321, {{5575, 2280, 11000, 2550}}},
            {2550, "Costo de Ventas", 5625, 323, {}},
            {2820, "Utilidad Bruta", 6000, 503, {{5575, 2820, 11000, 3090}}},
            {3090, "Gastos de Ventas", 5625, 325, {}},
            {3360, "Gastos Administrativos", 5625, 326, {{5575, 3360, 11000, 3630}}},
            {3630, "Otros Ingresos Gravables", 5625, 327, {}},
            {3900, "Otros Ingresos no Gravables", 5625, 329, {{5575, 3900, 11000, 4170}}},
            {4170, "Otros Gastos", 5625, 330, {}},
            {4440, "REI del      Positivo", 6000, 332, {{5575, 4440, 7200, 4980}, {7200, 4440, 11000, 4710}}},
            {4710, "Ejercicio      Negativo", 6000, 333, {{7200, 4710, 11000, 4980}}},
            {4980, "Utilidad Neta", 6000, 334, {{5575, 4980, 11000, 5250}}},
            {5250, QStringLiteral("Pérdida Neta"), 6000, 504, {{5575, 5250, 11000, 5520}}},
            {5520, QStringLiteral("Participación de utilidades"), 5625, 337, {{5575, 5520, 11000, 5790}}},
            {5790, "Utilidad antes del Imp.", 6000, 505, {{5575, 5790, 11000, 6060}}},
            {6060, QStringLiteral("Pérdida Neta"), 6000, 338, {{5575, 6060, 11000, 6330}}},
            {6330, "Imp a la Renta del ejercicio", 5625, 340, {{5575, 6330, 11000, 6600}}},
            {6600, "Utilidad del Ejercicio", 6000, 341, {{5575, 6600, 11000, 6870}}},
            {6870, QStringLiteral("Pérdida del Ejercicio"), 6000, 342, {{5575, 6870, 11000, 7140}}},
        });
        return d;
    }();
    return d;
}

const Disposicion &tablaDeterminacion()
{
    static const Disposicion d = [] {
        Disposicion d{0, {}};
        d << vertical(250, 7280, "IMP A LA RENTA").negrita()
          << cuadro(150, 7230, 11000, 9930)
          << cuadro(150, 7230, 500, 9930);
        d << filas(kDerecha, {
            {7230, "Utilidad antes del impuesto                  Casilla  D", 600, 100, {{500, 7230, 11000, 7500}}},
            {7500, QStringLiteral("Pérdida del ejercicio                        Casilla 338"), 600, 101,
             {{500, 7500, 11000, 7770}}},
            {7770, "Adiciones para determinar la Renta  Imponible", 600, 103, {{500, 7770, 11000, 8040}}},
            {8040, "Deducciones para determinar La renta Imponible", 600, 105, {{500, 8040, 11000, 8310}}},
            {8310, "Renta           Casilla  (100 O 101)+ Casilla 103 -Casilla 105 ", 2000, 106,
             {{1700, 8310, 11000, 8580}}},
        });
        d << texto(600, 8450, "Resultado") << cuadro(500, 8310, 1700, 8850);
        d << filas(kDerecha, {
            {8580, QStringLiteral("Pérdida         Casilla  (100 O 101)+ Casilla 103 -Casilla 105"), 2000, 107,
             {{1700, 8580, 11000, 8850}}},
            {8850, QStringLiteral("Pérdida Tributaria compensable de ejercicios anteriores"), 600, 108,
             {{500, 8850, 11000, 9120}}},
            {9120, "Renta neta imponible,", 2000, 110, {{1700, 9120, 11000, 9390}}},
        });
        d << texto(600, 9300, "Resultado") << cuadro(500, 9120, 1700, 9660);
        d << filas(kDerecha, {
            {9390, QStringLiteral("Pérdida neta compensable"), 2000, 111, {{1700, 9390, 11000, 9660}}},
            {9660, "IMPUESTO A LA RENTA, aplique la tasa correspondiente", 600, 113, {}},
        });
        return d;
    }();
    return d;
}

const Disposicion &tablaCreditosA()
{
    static const Disposicion d = [] {
        Disposicion d{0, {}};
        d << texto(300, 10050, "CREDITOS CONTRA EL IMPUESTO A LA RENTA").negrita()
          << cuadro(150, 10000, 11000, 14860);
        d << filasCredito({
            {10270, QStringLiteral("Impuesto mínimo a la renta"), 0, 114},
            {10540, "SUBTOTAL (Cas 113-114)", 0, 506},
            {10810, QStringLiteral("Saldo del IEAN pagado durante el año 1997"), 0, 115},
            {11080, "SUBTOTAL (CAS E -115)", 116, 507},
            {11350, QStringLiteral("Monto del IEAN pagado durante el año 1998"), 0, 117},
            {11620, "SUBTOTAL (F-117)", 119, 0},
            {11890, QStringLiteral("Pagos a cuenta imp. a la renta acreditado contra el IEAN"), 0, 120},
            {12160, "SUBTOTAL (Cas 113-120)", 0, 508},
            {12430, QStringLiteral("Saldo del Imp. mínimo a la renta pagado de ene. a abr. 1997"), 0, 122},
            {12700, "SUBTOTAL", 0, 509},
            {12970, QStringLiteral("Crédito por impuesto a la renta de Fuente Extranjera"), 0, 123},
            {13240, QStringLiteral("Crédito por Donaciones"), 0, 124},
            {13510, QStringLiteral("Otros Créditos sin derecho devolución"), 0, 125},
            {13780, "SUB TOTAL (cas H -(123+124+125)", 0, 510},
            {14050, QStringLiteral("Saldo a favor ejerc (sólo sujetos que acreditan IEAN contra Imp. renta)"), 0, 127},
            {14320, "Pagos a cuenta mensuales del ejerc. (no incluir IEAN contra Imp. renta)", 0, 128},
            {14590, QStringLiteral("Otros Créditos con derecho a devolución"), 0, 129},
        });
        return d;
    }();
    return d;
}

const Disposicion &tablaCreditosB()
{
    static const Disposicion d = [] {
        Disposicion d{0, {}};
        d << texto(300, 10080, "CREDITOS CONTRA EL IMPUESTO A LA RENTA").negrita()
          << cuadro(150, 10030, 11000, 12460);
        d << filasCredito({
            {10300, QStringLiteral("Créditos sin derecho a devolución"), 0, 130},
            {10570, "SUBTOTAL (Cas 113-130)", 0, 511},
            {10840, "Pago a cuenta mensuales del ejercicio", 0, 131},
            {11110, "SUBTOTAL (CAS J -131)", 0, 512},
            {11380, QStringLiteral("Créditos por donaciones"), 0, 132},
            {11650, "SUBTOTAL (K-132)", 0, 513},
            {11920, "Saldo a favor del ejercicio anterior", 0, 133},
            {12190, QStringLiteral("Otros Créditos con derecho a devolución"), 0, 134},
        });
        return d;
    }();
    return d;
}
