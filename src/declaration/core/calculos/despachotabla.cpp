// The two dispatch tables: the entry window's and the sent-declaration
// viewer's. One row per group of boxes; the steps run in the order of Accion.
#include "declaration/core/calculos/despacho.h"

namespace {
using A = Accion;
using S = Situacion;

Paso p(A a, int arg = 0, int arg2 = 0) { return Paso{a, S::Siempre, 0, arg, arg2, false}; }
Paso si(S s, A a, int arg = 0) { return Paso{a, s, 0, arg, 0, false}; }
Paso solo(int casilla, S s, A a, int arg = 0) { return Paso{a, s, casilla, arg, 0, false}; }
Paso noCargando(A a, int arg = 0) { return Paso{a, S::Siempre, 0, arg, 0, true}; }
} // namespace

const TablaDespacho &tablaDespachoDeclaracion()
{
    static const TablaDespacho tabla({
        {{100, 101, 103, 105}, {p(A::Calcular106y107)}},
        {{106, 107, 108}, {p(A::Calcular110y111)}},
        {{113}, {p(A::Calcular113), p(A::Calcular506), p(A::Calcular508), p(A::Calcular511)}},
        {{120}, {p(A::Calcular506), p(A::Calcular508), p(A::Calcular511),
                 si(S::IeanSiAnexoSi, A::Calcular120), si(S::IeanSiAnexoSi, A::Calcular128A_131A, 128)}},
        {{130}, {p(A::Calcular506), p(A::Calcular508), p(A::Calcular511)}},
        {{114}, {p(A::Calcular506), p(A::Vaciar114Si122)}},
        {{115, 506}, {p(A::Calcular116y507)}},
        {{117, 507}, {p(A::Calcular119y509), solo(117, S::IeanSiAnexoNo, A::Calcular117)}},
        {{122, 508}, {p(A::Vaciar122Si114), p(A::Calcular509)}},
        {{123, 124, 125, 509}, {p(A::Calcular510), noCargando(A::CalcularMax124)}},
        {{127, 128, 129, 133, 134, 139, 140, 141, 510, 513},
         {p(A::Calcular514_138y139), solo(128, S::IeanSiAnexoNo, A::Calcular128_131, 128),
          solo(128, S::IeanSiAnexoSi, A::Calcular128A_131A, 128), p(A::ReglaSaldos)}},
        {{131, 511}, {p(A::Calcular512), solo(131, S::IeanNo, A::Calcular128_131, 131)}},
        {{132, 512}, {p(A::Calcular513), noCargando(A::CalcularMax132)}},
        {{137}, {p(A::ReglaCasilla137)}},
        {{144, 145, 514}, {p(A::Calcular146)}},
        {{180}, {p(A::ImportePago)}},
        {{203, 204, 209, 217, 218, 226}, {noCargando(A::ValidarRuc, kCasillaCambiada)}},
        {{211}, {p(A::TemCasillas, 211, 212)}},
        {{212}, {p(A::TemCasillas, 212, 211)}},
        {{300, 301, 302, 303}, {p(A::Calcular500)}},
        {{306, 307, 308}, {p(A::Calcular501), p(A::Calcular502)}},
        {{312, 313, 315}, {p(A::Calcular502)}},
        {{316}, {p(A::TemCasillas, 316, 317), p(A::Calcular502)}},
        {{317}, {p(A::TemCasillas, 317, 316), p(A::Calcular502)}},
        {{318}, {p(A::TemCasillas, 318, 320), p(A::Calcular502)}},
        {{320}, {p(A::TemCasillas, 320, 318), p(A::Calcular502)}},
        {{321, 323}, {p(A::Calcular503), p(A::Calcular334y504)}},
        {{325, 326, 327, 329, 330}, {p(A::Calcular334y504)}},
        // 332 and 333 decide whether the update factors apply, so every annex
        // sum in force follows them; box 128 too in the IEAN-with-annex case,
        // or it would keep sums made without the factors that now apply.
        {{332}, {p(A::TemCasillas, 332, 333),
                 si(S::IeanSiAnexoSi, A::Calcular120), si(S::IeanSiAnexoSi, A::Calcular128A_131A, 128),
                 si(S::IeanSiAnexoNo, A::Calcular117), si(S::IeanSiAnexoNo, A::Calcular128_131, 128),
                 si(S::IeanNo, A::Calcular128_131, 131),
                 p(A::Calcular334y504), p(A::ReglaCasilla140)}},
        {{333}, {p(A::TemCasillas, 333, 332),
                 si(S::IeanSiAnexoSi, A::Calcular120), si(S::IeanSiAnexoSi, A::Calcular128A_131A, 128),
                 si(S::IeanSiAnexoNo, A::Calcular117), si(S::IeanSiAnexoNo, A::Calcular128_131, 128),
                 si(S::IeanNo, A::Calcular128_131, 131),
                 p(A::Calcular334y504), p(A::ReglaCasilla140)}},
        {{334, 337, 504}, {p(A::Calcular505y338)}},
        {{338, 340, 505}, {p(A::Calcular341y342)}},
    });
    return tabla;
}

const TablaDespacho &tablaDespachoEnviada()
{
    static const TablaDespacho tabla({
        {{300, 301, 302, 303}, {p(A::Calcular500)}},
        {{306, 307, 308}, {p(A::Calcular501), p(A::Calcular502)}},
        {{312, 313, 315, 316, 317, 318, 320}, {p(A::Calcular502)}},
        {{321, 323}, {p(A::Calcular503), p(A::Calcular334y504)}},
        {{325, 326, 327, 329, 330}, {p(A::Calcular334y504)}},
        {{332, 333}, {si(S::IeanSiAnexoSi, A::Calcular120), si(S::IeanSiAnexoSi, A::Calcular128A_131A, 128),
                      si(S::IeanSiAnexoNo, A::Calcular117), si(S::IeanSiAnexoNo, A::Calcular128_131, 128),
                      si(S::IeanNo, A::Calcular128_131, 131), p(A::Calcular334y504)}},
        {{334, 337, 504}, {p(A::Calcular505y338)}},
        {{338, 340, 505}, {p(A::Calcular341y342)}},
        {{100, 101, 103, 105}, {p(A::Calcular106y107)}},
        {{106, 107, 108}, {p(A::Calcular110y111)}},
        {{113}, {p(A::Calcular113), p(A::Calcular506), p(A::Calcular508), p(A::Calcular511)}},
        {{120}, {p(A::Calcular506), p(A::Calcular508), p(A::Calcular511), si(S::IeanSiAnexoSi, A::Calcular120)}},
        {{130}, {p(A::Calcular506), p(A::Calcular508), p(A::Calcular511)}},
        {{114}, {p(A::Calcular506), p(A::Vaciar114Si122)}},
        {{122, 508}, {p(A::Vaciar122Si114), p(A::Calcular509)}},
        {{115, 506}, {p(A::Calcular116y507)}},
        {{117, 507}, {p(A::Calcular119y509), solo(117, S::IeanSiAnexoNo, A::Calcular117)}},
        {{123, 124, 125, 509}, {p(A::Calcular510), noCargando(A::CalcularMax124)}},
        {{131, 511}, {p(A::Calcular512), solo(131, S::IeanNo, A::Calcular128_131, 131)}},
        {{132, 512}, {p(A::Calcular513), noCargando(A::CalcularMax132)}},
        {{127, 128, 129, 133, 134, 139, 140, 141, 510, 513},
         {p(A::Calcular514_138y139), solo(128, S::IeanSiAnexoNo, A::Calcular128_131, 128),
          solo(128, S::IeanSiAnexoSi, A::Calcular128A_131A, 128), p(A::VaciarSinSaldo)}},
        {{144, 145, 514}, {p(A::Calcular146)}},
    });
    return tabla;
}
