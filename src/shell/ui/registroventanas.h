#pragma once
// Where the windows of the other subsystems plug into the shell. The openers
// (aperturas.h) and the main window's commands call whatever is registered
// here; a window not registered yet opens nothing and its commands stay
// disabled. Register before the main window is built (see Qx381's main).
//
//   registro::registrarAnexo<FrmAnexo117>("frmAnexo117", &gFrmAnexo117);
//   registro::registrarTipoImpresion<FrmTipPrnR>(&gFrmTipPrnR);
//   registro::registrarVistaPrevia<frmVPrevia>();
//   registro::nuevaDeclaracion() = [](int iAccion, const QVariantList &aDatos) { ... };
//
// The window classes only need the public members the openers set and read
// (sRuc, iAccion, sCasilla332, sCasilla333, dTotal; bEstadoContri; the preview's
// variables and pImprimir()); each must be a QDialog.
#include <QDialog>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <functional>

class ModeloCasillas;

// The preview window while the opener holds it.
extern QDialog *gfrmPrevia;

// What an annex calculator receives from its opener.
struct EntradaAnexo {
    QString sRuc;
    int iAccion = 0;
    QString sCasilla332;
    QString sCasilla333;
};

// What the preview receives, in the order the opener assigns it.
struct DatosVistaPrevia {
    int iOpcion = 0;
    bool bAnexo = false;
    QString sRuc;
    QString sRaSoc;
    QString sPeriodo;
    QString sFormulario;
    bool bGl_recti = false;
    QString sCORREL;      // sent declarations only
    QString sNOrdenR;     // sent declarations only
    QString sControl;     // sent declarations only
    QString sCodReporte;  // "PR0014" sent, "PR0003" saved
};

namespace registro {

// Opens the annex calculator modally and hands back its dTotal.
using FabricaAnexo = std::function<double(const EntradaAnexo &)>;
using FabricaTipoImpresion = std::function<void(bool bEstadoContri)>;
using FabricaVistaPrevia = std::function<void(const DatosVistaPrevia &)>;
// Shows a read-only annex viewer modally over the box store of the
// sent-declaration window that opens it (its RUC, boxes 332/333, answers).
using FabricaAnexoEnviado = std::function<void(ModeloCasillas &origen)>;

// The four names pAbrirAnexo knows, exactly as written (case counts).
const QStringList &nombresAnexo();

// False (and nothing registered) for a name outside nombresAnexo().
bool registrarFabricaAnexo(const QString &sNombreForm, FabricaAnexo f);
FabricaAnexo fabricaAnexo(const QString &sNombreForm);
// The read-only viewers: "FrmAnexo117E", "FrmAnexo120E", "FrmAnexo131E",
// "FrmAnexo131AE". An unknown name gives an empty function.
void registrarAnexoEnviado(const QString &sNombreForm, FabricaAnexoEnviado f);
FabricaAnexoEnviado anexoEnviado(const QString &sNombreForm);
FabricaTipoImpresion &tipoImpresion();
FabricaVistaPrevia &vistaPrevia();

// Main-window commands whose windows belong to other subsystems.
// "&Nueva": pNuevaDeclaracion(0, {}).
std::function<void(int iAccion, const QVariantList &aDatos)> &nuevaDeclaracion();
// "&Modificar" (1) and "&Eliminar" (3): a new FrmContAbrir with iOpcion, modal.
std::function<void(int iOpcion)> &contAbrir();
// The two sent-declaration commands: a new FrmContAbrirEnv, modal; it reads
// giModoEnviada, which the main window sets first.
std::function<void()> &contAbrirEnv();

// Forgets every registration (tests).
void limpiar();

// A fresh instance in *instancia (when given) while it is shown; released after.
template <class W>
bool registrarAnexo(const QString &sNombreForm, W **instancia = nullptr)
{
    return registrarFabricaAnexo(sNombreForm, [instancia](const EntradaAnexo &e) -> double {
        if (instancia && *instancia)
            delete *instancia;
        QPointer<W> w = new W();
        if (instancia)
            *instancia = w;
        w->sRuc = e.sRuc;
        w->iAccion = e.iAccion;
        w->sCasilla332 = e.sCasilla332;
        w->sCasilla333 = e.sCasilla333;
        w->exec();
        const double total = w ? static_cast<double>(w->dTotal) : 0.0;
        if (instancia)
            *instancia = nullptr;
        delete w.data();
        return total;
    });
}

template <class W>
void registrarTipoImpresion(W **instancia = nullptr)
{
    tipoImpresion() = [instancia](bool bEstadoContri) {
        if (instancia && *instancia)
            delete *instancia;
        QPointer<W> w = new W();
        if (instancia)
            *instancia = w;
        w->bEstadoContri = bEstadoContri;
        w->exec();
        if (instancia)
            *instancia = nullptr;
        delete w.data();
    };
}

template <class W>
void registrarVistaPrevia()
{
    vistaPrevia() = [](const DatosVistaPrevia &d) {
        delete gfrmPrevia;
        QPointer<W> w = new W();
        gfrmPrevia = w;
        w->iOpcion = d.iOpcion;
        w->bAnexo = d.bAnexo;
        w->sRuc = d.sRuc;
        w->sRaSoc = d.sRaSoc;
        w->sPeriodo = d.sPeriodo;
        w->sFormulario = d.sFormulario;
        w->bGl_recti = d.bGl_recti;
        if (d.bGl_recti) {
            w->sCORREL = d.sCORREL;
            w->sNOrdenR = d.sNOrdenR;
            w->sControl = d.sControl;
        }
        w->sCodReporte = d.sCodReporte;
        if (d.iOpcion == 1)
            w->exec();
        else
            w->pImprimir();
        gfrmPrevia = nullptr;
        delete w.data();
    };
}

} // namespace registro
