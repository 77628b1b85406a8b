#pragma once
// The box calculations of the declaration, on the widget-free box store.
//
// Each Calcular procedure reads the current texts of its input boxes and
// writes amount text into its result boxes; the store raises textoCambiado
// for every real change, and the recalculation dispatch (despacho.h) runs the
// dependants. The same class serves the entry window and the sent-declaration
// viewer: what differs between them is in ContextoCalculo, never in a copy.
//
// Store fields read (named fields of ModeloCasillas, values "1", "0" or ""):
//   answers as option pairs: "OptTipoCont", "OptConvEstab", "OptAgraria",
//   "OptIEAN", "OptAnexo", "OptDomiciliado" ("1" option Si selected, "0"
//   option No selected, "" none);
//   answers as stored with the declaration: "sExonerado", "sConvenio",
//   "sAgraria", "sIEAN";
//   identification: "sRuc" (the declaration's RUC), "TxtNumRuc", "CmbRuc",
//   "iAccion" ("0" new declaration) for the RUC of box 120's annex rows.
// Both sets of field names can be replaced through the context's hooks.
#include "declaration/core/calculos/anexosumas.h"
#include "declaration/core/casillas/codigosdeclaracion.h"
#include "declaration/core/casillas/modelocasillas.h"
#include <QString>
#include <functional>
#include <memory>

// The store's own names; iAccion is a field only the calculations read.
namespace campos {
inline const QString &OptTipoCont = Campos::OptTipoCont;
inline const QString &OptConvEstab = Campos::OptConvEstab;
inline const QString &OptAgraria = Campos::OptAgraria;
inline const QString &OptIEAN = Campos::OptIEAN;
inline const QString &OptAnexo = Campos::OptAnexo;
inline const QString &OptDomiciliado = Campos::OptDomiciliado;
inline const QString &sExonerado = Campos::sExonerado;
inline const QString &sConvenio = Campos::sConvenio;
inline const QString &sAgraria = Campos::sAgraria;
inline const QString &sIEAN = Campos::sIEAN;
inline const QString &sRuc = Campos::sRuc;
inline const QString &TxtNumRuc = Campos::TxtNumRuc;
inline const QString &CmbRuc = Campos::CmbRuc;
inline const QString iAccion = QStringLiteral("iAccion");
} // namespace campos

// What the window (or the viewer) lends the calculations, and the behaviour
// in which the viewer differs from the entry window.
struct ContextoCalculo {
    // Entry window: the calculations enable, lock and colour boxes 113, 140,
    // 141 and 144. The viewer shows everything read-only and changes none.
    bool habilitarCasillas = true;
    // Viewer: the caps of 124 and 132 compare the box's signed value (a
    // parenthesised amount never exceeds); entry: its absolute value.
    bool topeConSigno = false;

    DefinicionesAnexo anexos = DefinicionesAnexo::declaracion();
    // Annex rows and factors; the default reads ACTA and FAC.
    std::shared_ptr<FuenteAnexos> fuente;
    // RUC of the annex row query for box 117, 120, 128 or 131. Default: for
    // 120 the first 11 characters of TxtNumRuc (iAccion non-zero) or CmbRuc
    // (new declaration), else sRuc; always trimmed.
    std::function<QString(const ModeloCasillas &, int casilla)> rucAnexo;
    // The declaration's RUC (the RUC checks of the code boxes). Default: sRuc.
    std::function<QString(const ModeloCasillas &)> rucDeclaracion;

    // Window hooks; without them nothing moves.
    QString tituloVentana = QStringLiteral("951 Declaración Pago Anual Impuesto a la Renta");
    QString tituloAplicacion = QStringLiteral("Declaración Pago Anual Impuesto a la Renta");
    std::function<void(int casilla)> enfocar;          // give the box the focus
    std::function<void(int pagina)> mostrarPagina;     // SSTab1 page, from 0
    std::function<void(const QString &)> importePago;  // FormaDePagoZRV1.importe

    static ContextoCalculo declaracion();
    static ContextoCalculo enviada();
};

class CalculosDeclaracion {
public:
    explicit CalculosDeclaracion(ModeloCasillas &modelo, ContextoCalculo ctx = ContextoCalculo::declaracion());

    ModeloCasillas &modelo() { return m; }
    const ContextoCalculo &contexto() const { return m_ctx; }
    ContextoCalculo &contexto() { return m_ctx; }

    // Financial statements.
    void Calcular500();
    void Calcular501();
    void Calcular502();
    void Calcular503();
    void Calcular334y504();
    void Calcular505y338();
    void Calcular341y342();

    // Tax base, tax and the caps of 124 and 132.
    void Calcular106y107();
    void Calcular110y111();     // ends with Calcular113
    void Calcular110y111SinImpuesto();   // boxes 110 and 111 only (the dispatch runs 113 after)
    void Calcular111();
    void Calcular113();
    void CalcularMax124();
    void CalcularMax132();
    bool ValidarMax124();       // false: the line is in gsMensaje
    bool ValidarMax132();
    double tope() const;        // the average-rate cap of 124 and 132

    // Credits and balances.
    void Calcular506();
    void Calcular116y507();
    void Calcular119y509();
    void Calcular508();
    void Calcular509();
    void Calcular510();
    void Calcular511();
    void Calcular512();
    void Calcular513();
    void Calcular514_138y139();
    void Calcular146();

    // Annex sums (box 128 or 131 as the argument where the name has both).
    void Calcular128_131(int casilla);
    void Calcular128A_131A(int casilla);
    void Calcular120();
    void Calcular117();

    // Dispatch rules that are procedures of the window.
    void pTemCasillas(int index, int indexSgt);   // exclusive pair
    void pReglaCasilla137();     // enabling of box 137 by 138 and 139
    void pReglaSaldos();         // 137, 140, 141, 144 after the balance
    void pReglaCasilla140();     // box 140 after a change of 332 or 333
    void pValidarRucCasilla(int casilla);   // RUC check of a code box
    void pVaciarSinSaldo();      // viewer: 140 and 141 emptied without a tax to pay
    void pImportePago();         // box 180 to the payment control

    // Answers as the calculations see them.
    QString opcion(const QString &campo) const { return m.campo(campo); }
    bool ieanSi() const;         // option Si or stored "1" (caps, balance)
    bool ieanNo() const;         // option No or stored "0"
    bool optIeanSi() const { return opcion(campos::OptIEAN) == QLatin1String("1"); }
    bool optIeanNo() const { return opcion(campos::OptIEAN) == QLatin1String("0"); }
    bool optAnexoSi() const { return opcion(campos::OptAnexo) == QLatin1String("1"); }
    bool optAnexoNo() const { return opcion(campos::OptAnexo) == QLatin1String("0"); }

private:
    double v(int n) const;
    double a(int n) const;
    bool vacia(int n) const { return m.texto(n).isEmpty(); }
    void poner(int n, const QString &t) { m.setTexto(n, t); }
    void estado(int n, bool habilitada, quint32 color);
    void calcularMax(int casilla, bool aplica);
    bool validarMax(int casilla, bool aplica);
    bool excedeTope(int casilla, double tope) const;
    void sumaAnexo(SumaAnexo s, int casilla);
    bool factoresAplican() const;
    void mensaje(const QString &texto, int estilo, const QString &titulo);

    ModeloCasillas &m;
    ContextoCalculo m_ctx;
};
