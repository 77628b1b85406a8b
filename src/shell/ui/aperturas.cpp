#include "shell/ui/aperturas.h"
#include "shell/core/errorejecucion.h"
#include "platform/vbruntime.h"

#include <QMap>
#include <cmath>

QDialog *gfrmPrevia = nullptr;

namespace registro {
namespace {
struct Registro {
    QMap<QString, FabricaAnexo> anexos;
    QMap<QString, FabricaAnexoEnviado> anexosEnviados;
    FabricaTipoImpresion tipoImpresion;
    FabricaVistaPrevia vistaPrevia;
    std::function<void(int, const QVariantList &)> nuevaDeclaracion;
    std::function<void(int)> contAbrir;
    std::function<void()> contAbrirEnv;
};
Registro &reg()
{
    static Registro r;
    return r;
}
}

const QStringList &nombresAnexo()
{
    static const QStringList nombres = {QStringLiteral("frmAnexo117"), QStringLiteral("FrmAnexo120"),
                                        QStringLiteral("frmanexo131"), QStringLiteral("frmanexo131A")};
    return nombres;
}

bool registrarFabricaAnexo(const QString &sNombreForm, FabricaAnexo f)
{
    if (!nombresAnexo().contains(sNombreForm, Qt::CaseSensitive))
        return false;
    reg().anexos.insert(sNombreForm, std::move(f));
    return true;
}

FabricaAnexo fabricaAnexo(const QString &sNombreForm) { return reg().anexos.value(sNombreForm); }
void registrarAnexoEnviado(const QString &sNombreForm, FabricaAnexoEnviado f)
{
    reg().anexosEnviados.insert(sNombreForm, std::move(f));
}
FabricaAnexoEnviado anexoEnviado(const QString &sNombreForm) { return reg().anexosEnviados.value(sNombreForm); }
FabricaTipoImpresion &tipoImpresion() { return reg().tipoImpresion; }
FabricaVistaPrevia &vistaPrevia() { return reg().vistaPrevia; }
std::function<void(int, const QVariantList &)> &nuevaDeclaracion() { return reg().nuevaDeclaracion; }
std::function<void(int)> &contAbrir() { return reg().contAbrir; }
std::function<void()> &contAbrirEnv() { return reg().contAbrirEnv; }

void limpiar() { reg() = Registro(); }
} // namespace registro

QVariant pAbrirAnexo(const QString &sRuc, int iAccion, const QString &sNombreForm,
                     const QString &sCasilla332, const QString &sCasilla333)
{
    if (!registro::nombresAnexo().contains(sNombreForm, Qt::CaseSensitive))
        return QVariant();
    const registro::FabricaAnexo abrir = registro::fabricaAnexo(sNombreForm);
    if (!abrir)
        return QVariant();
    EntradaAnexo e;
    e.sRuc = sRuc;
    e.iAccion = iAccion;
    e.sCasilla332 = sCasilla332;
    e.sCasilla333 = sCasilla333;
    const double total = abrir(e);
    // A calculator that could not read its rows hands back no total: the box keeps its value.
    if (std::isnan(total))
        return QVariant();
    return QVariant(total);
}

void pAbrirTipoImpresion(bool bEstadoContri)
{
    if (registro::tipoImpresion())
        registro::tipoImpresion()(bEstadoContri);
}

bool fHayTipoImpresion() { return static_cast<bool>(registro::tipoImpresion()); }

namespace {
QString elemento(const QVariantList &aDatos, int i)
{
    if (i < 0 || i >= aDatos.size())
        throw errores::subindiceFuera();
    return vb::CStr(aDatos.at(i));
}
}

DatosVistaPrevia fDatosVistaPrevia(int iOpcion, bool bAnexo, bool bGl_recti,
                                   const QVariantList &aDatos)
{
    DatosVistaPrevia d;
    d.iOpcion = iOpcion;
    d.bAnexo = bAnexo;
    d.sRuc = elemento(aDatos, 0);
    d.sRaSoc = elemento(aDatos, 1);
    d.sPeriodo = elemento(aDatos, 2);
    d.sFormulario = elemento(aDatos, 3);
    d.bGl_recti = bGl_recti;
    if (bGl_recti) {
        d.sCORREL = elemento(aDatos, 4);
        d.sNOrdenR = elemento(aDatos, 5);
        d.sControl = elemento(aDatos, 6);
        d.sCodReporte = QStringLiteral("PR0014");
    } else {
        d.sCodReporte = QStringLiteral("PR0003");
    }
    return d;
}

void pVistaPrevia(int iOpcion, bool bAnexo, bool bGl_recti, const QVariantList &aDatos)
{
    const DatosVistaPrevia d = fDatosVistaPrevia(iOpcion, bAnexo, bGl_recti, aDatos);
    if (registro::vistaPrevia())
        registro::vistaPrevia()(d);
}
