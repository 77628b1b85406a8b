#include "grabacionventana.h"
#include "declaration/core/persistencia/carga.h"
#include "declaration/core/casillas/listacasillas.h"
#include "declaration/core/reglas/validacion.h"
#include "declaration/ui/frm381.h"
#include "declaration/ui/frm381reglas.h"
#include "declaration/ui/frmconsist.h"
#include "declaration/ui/maskedbox.h"
#include "declaration/ui/txtcasilla.h"
#include "platform/msgbox.h"
#include "shell/core/modglobal.h"
#include "shell/ui/modventanas.h"
#include <QComboBox>
#include <QMetaObject>
#include <QRegularExpression>
#include <QTabWidget>

ReglasVentana &reglasVentana()
{
    static ReglasVentana r;
    return r;
}

ModeloCasillas &VentanaFrm381::modelo() { return *m_w.modelo(); }
QList<int> VentanaFrm381::aCasillas() const
{
    return m_w.aCasillas.isEmpty() ? ListaCasillas::aCasillas() : m_w.aCasillas;
}
int VentanaFrm381::iAccion() const { return m_w.iAccion; }
QString VentanaFrm381::sRuc() const { return m_w.sRuc; }
QString VentanaFrm381::sPuedeRegistrar() const { return m_w.sPuedeRegistrar; }
QString VentanaFrm381::caption() const { return m_w.windowTitle(); }
DeclaracionLeida &VentanaFrm381::leida() { return m_w.leida; }

bool VentanaFrm381::DeclaracionCompleta()
{
    // Without the rules nothing proves the declaration consistent.
    return reglasVentana().DeclaracionCompleta && reglasVentana().DeclaracionCompleta(m_w);
}

bool VentanaFrm381::ValidaDeclaracion()
{
    return reglasVentana().ValidaDeclaracion && reglasVentana().ValidaDeclaracion(m_w);
}

bool VentanaFrm381::ValidaPeriodo(const QString &fecha)
{
    return !reglasVentana().ValidaPeriodo || reglasVentana().ValidaPeriodo(m_w, fecha);
}

void VentanaFrm381::pPuntero(int p)
{
    if (p == 11)
        pPunteroReloj();
    else
        pPunteroNormal();
}

void VentanaFrm381::pMostrarPagina(int pagina)
{
    // A page brought to the front by a check is not an entry by the user.
    enlace381::pTraerPagina(m_w, pagina);
}

int VentanaFrm381::paginaActual() const { return m_w.SSTab1->currentIndex(); }

void VentanaFrm381::pEnfocar(const QString &control)
{
    static const QRegularExpression caja(QStringLiteral("^TxtValor\\((\\d+)\\)$"));
    QWidget *w = nullptr;
    if (control == QLatin1String("CmbRuc"))
        w = m_w.CmbRuc;
    else if (control == QLatin1String("MkePeriodo"))
        w = m_w.MkePeriodo;
    else if (const auto m = caja.match(control); m.hasMatch())
        w = m_w.TxtValor(m.captured(1).toInt());
    if (w && w->isEnabled())
        w->setFocus(Qt::OtherFocusReason);
}

void VentanaFrm381::pMostrarFrame(int elemento)
{
    if (QWidget *f = m_w.Frame1(elemento))
        f->setVisible(true);
}

void VentanaFrm381::pMostrarInconsistencias()
{
    FrmConsist lista(&m_w);
    lista.exec();
}

void VentanaFrm381::pBarraEstado(const QString &ruc, const QString &nombre)
{
    ::pBarraEstado(ruc, nombre, gsPeriodo, gsFormulario);
}

namespace {

template <class F>
bool fComando(F &&f)
{
    try {
        if (!gdbBase)
            throw DbError(91, QStringLiteral("No hay una base de datos abierta."));
        return f();
    } catch (const DbError &e) {
        pPunteroNormal();
        pMostrarError(e);
    }
    return false;
}

} // namespace

void pRegistrarGrabacion()
{
    auto previo = Frm381::alCrear();
    Frm381::alCrear() = [previo](Frm381 &w) {
        if (previo)
            previo(w);
        w.pCargarCasillas = [](Frm381 &f) {
            bool hay = false;
            const bool leida = fComando([&] {
                VentanaFrm381 v(f);
                hay = pCargarCasillas(v, *gdbBase);
                return true;
            });
            if (!leida) {
                // A declaration read only in part must not be saved over the stored one.
                QMetaObject::invokeMethod(&f, "reject", Qt::QueuedConnection);
                return true;
            }
            return hay;
        };
        w.CmdGrabar_Click = [&w] {
            VentanaFrm381 v(w);
            fComando([&] { return CmdGrabar_Click(v, *gdbBase); });
        };
        if (reglasVentana().ValidaDeclaracion) {
            w.CmdValidar_Click = [&w] {
                VentanaFrm381 v(w);
                fComando([&] { return CmdValidar_Click(v, *gdbBase); });
            };
        }
        w.cmdCancelar_Click = [&w] {
            VentanaFrm381 v(w);
            if (fComando([&] { return cmdCancelar_Click(v, *gdbBase); }))
                w.reject();
        };
    };
}
