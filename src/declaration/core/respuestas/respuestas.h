#pragma once
// The seven yes/no answers of page 0 and what each one opens, empties, locks
// and recalculates.
//
// Answers are named fields of the box store, called after their option arrays
// (OptTipoCont, OptConvEstab, OptIEAN, OptAnexo, OptAgraria, OptRectifica,
// OptDomiciliado): "1" option 1 selected ("&Si", "&Domiciliado"), "0" option 0
// selected ("&No", "&No Domiciliado"), "" none. Beside them the window keeps
// the answer texts sExonerado, sConvenio, sIEAN, sAnexo, sAgraria, sRectifica
// and sDomiciliado (fields of the same names); the load of a stored
// declaration fills them, the handlers below keep them in step with the last
// click (sAnexo excepted: only the load sets it).
//
// Wiring: the window calls click(opcion, index) (or the OptX_Click member)
// when the user selects an option; the load of a stored declaration calls
// seleccionar(opcion, storedText), which runs the same handler, so a loaded
// declaration re-establishes its enabled and locked boxes by the same code.
// After each call the window applies EstadoVentana (respuestasventana.h) and
// mirrors the answer fields on its option buttons.
#include "declaration/core/casillas/codigosdeclaracion.h"
#include "declaration/core/casillas/modelocasillas.h"
#include "declaration/core/respuestas/respuestasventana.h"
#include <QString>
#include <functional>

namespace respuestas {
inline const QString &OptTipoCont = Campos::OptTipoCont;
inline const QString &OptConvEstab = Campos::OptConvEstab;
inline const QString &OptIEAN = Campos::OptIEAN;
inline const QString &OptAnexo = Campos::OptAnexo;
inline const QString &OptAgraria = Campos::OptAgraria;
inline const QString &OptRectifica = Campos::OptRectifica;
inline const QString &OptDomiciliado = Campos::OptDomiciliado;

inline const QString &sExonerado = Campos::sExonerado;
inline const QString &sConvenio = Campos::sConvenio;
inline const QString &sIEAN = Campos::sIEAN;
inline const QString &sAnexo = Campos::sAnexo;
inline const QString &sAgraria = Campos::sAgraria;
inline const QString &sRectifica = Campos::sRectifica;
inline const QString &sDomiciliado = Campos::sDomiciliado;

// Option `index` of the pair is selected.
bool elegida(const ModeloCasillas &m, const QString &opcion, int index);
// Neither option of the pair is selected.
bool sinRespuesta(const ModeloCasillas &m, const QString &opcion);

inline const QString MensajeRectifica = QStringLiteral(
    "Recuerde que debe consignar información en todas las casillas ingresadas en la "
    "declaración original, inclusive en las de determinación de la deuda");
}

// Where the sent-declaration viewer's answers differ from the entry window's.
struct PerfilRespuestas {
    // Entry: an answer opens and closes the boxes and page-0 fields it governs.
    // Viewer: boxes and fields keep their read-only state; only the question
    // labels and the annex boxes 117 and 120 follow the answers.
    bool habilitarControles = true;
    // IEAN "&No" recomputes box 131 from the annex rows (entry only).
    bool recalcular131SinIEAN = true;
    // Agrarian "&No" empties the date of form 4888 (viewer); the entry keeps it.
    bool vaciarFechaSinAgraria = false;
    // Rectification "&Si" outside the load shows its reminder (entry only).
    bool avisoRectifica = true;
    // "&Domiciliado" also copies the loss (338) into 101 (entry); the viewer
    // copies only 505 into 100 and shows 101 as it was sent.
    bool copiarPerdida101 = true;

    static PerfilRespuestas declaracion() { return {}; }
    static PerfilRespuestas enviada() { return {false, false, true, false, false}; }
};

class CalculosDeclaracion;

// The calculations the answers rerun; each is left out while unset.
struct CalculosRespuestas {
    // Those of a window's box calculations.
    static CalculosRespuestas de(CalculosDeclaracion &c);

    std::function<void()> Calcular113;
    std::function<void()> Calcular511;
    std::function<void()> Calcular117;
    std::function<void()> Calcular120;
    std::function<void(int)> Calcular128_131;      // with 128 or 131
    std::function<void(int)> Calcular128A_131A;    // with 128
};

class Respuestas {
public:
    Respuestas(ModeloCasillas &modelo, EstadoVentana &ventana);

    CalculosRespuestas calculos;
    PerfilRespuestas perfil;

    // The user selected option `index` of the pair: records the selection,
    // then runs the pair's handler. Unknown pair names do nothing.
    void click(const QString &opcion, int index);
    // A stored answer: trimmed "1" selects option 1, "0" option 0 (each as a
    // click); any other text selects nothing and runs nothing.
    void seleccionar(const QString &opcion, const QString &texto);

    // The handlers, as the option buttons' Click events. They record the
    // selection of `index` first (a click selects the option), so the load may
    // call them directly too.
    void OptTipoCont_Click(int index);
    void OptConvEstab_Click(int index);
    void OptIEAN_Click(int index);
    void OptAnexo_Click(int index);
    void OptAgraria_Click(int index);
    void OptRectifica_Click(int index);
    void OptDomiciliado_Click(int index);

private:
    void seleccionarOpcion(const QString &opcion, int index);
    // Boxes and page-0 fields opened or closed by an answer (entry only).
    void abrir(int n, quint32 color = Color::Blanco);
    void cerrar(int n);
    void control(const QString &nombre, bool habilitado, quint32 color);
    // Box 117 or 120, enabled cyan or disabled grey.
    void estadoAnexo(int n, bool habilitada);
    void vaciar(int n) { m_modelo.setTexto(n, QString()); }
    void vaciarRespuesta(const QString &texto, int index);
    void calc113();

    ModeloCasillas &m_modelo;
    EstadoVentana &m_ventana;
};
