#include "sent/ui/frmcontabrirenv.h"
#include "declaration/ui/selector.h"
#include "platform/msgbox.h"
#include "platform/vbruntime.h"
#include "sent/ui/frm381env.h"
#include "shell/core/errorejecucion.h"
#include "shell/core/modglobal.h"
#include "shell/ui/mdifrm.h"
#include "shell/ui/modventanas.h"
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

FrmContAbrirEnv *gfrmContAbrirEnv = nullptr;

namespace {

void pMostrarError(int numero, const QString &descripcion)
{
    pPunteroNormal();
    msg::MsgBox(fTextoError(numero, descripcion), 0, QStringLiteral("Error"));
}

QStringList textos(const DeclaracionEnviada &d)
{
    return {d.docIdD, d.nombre, d.periodo, d.formulario, d.norden, d.fecEnv, d.control, d.correl};
}

} // namespace

FrmContAbrirEnv::FrmContAbrirEnv(QWidget *parent) : QDialog(parent)
{
    gfrmContAbrirEnv = this;
    setObjectName(QStringLiteral("FrmContAbrirEnv"));
    setWindowTitle(QStringLiteral("Registrar número de orden"));
    pCrearSelector(
        this, {Label1, Frame1, grdContrib, CmdOpciones}, QStringLiteral("Declaraciones Enviadas"),
        {QStringLiteral("RUC"), QStringLiteral("Razón Social"), QStringLiteral("Periodo"), QStringLiteral("Formulario"),
         QStringLiteral("N. Orden"), QStringLiteral("Fecha Env."), QStringLiteral("Control"), QStringLiteral("Correl")},
        [this](int i) { CmdOpciones_Click(i); }, [this] { grdContrib_DblClick(); },
        [this] { grdContrib_RowColChange(); });
    Label1->setText(QStringLiteral("Seleccione la Declaración que desea actualizar :"));
    CmdOpciones[0]->setText(QStringLiteral("&Modificar"));
}

FrmContAbrirEnv::~FrmContAbrirEnv()
{
    if (gfrmContAbrirEnv == this)
        gfrmContAbrirEnv = nullptr;
}

void FrmContAbrirEnv::Form_Load()
{
    pPosicionForm(this, 0, 0, 4530, 9195);
    pPunteroReloj();
    pCentrarForm(MDIFrm::instancia(), this);
    if (giModoEnviada == 1) {
        CmdOpciones[0]->setText(QStringLiteral("&Registrar"));
        Label1->setText(QStringLiteral(
            "Seleccione la Declaración en la que desea registrar el número de orden asignado por KAVEN :"));
        setWindowTitle(QStringLiteral("Registrar número de orden"));
    } else if (giModoEnviada == 3) {
        CmdOpciones[0]->setText(QStringLiteral("&Eliminar"));
        Label1->setText(QStringLiteral("Seleccione la Declaración que desea eliminar :"));
        setWindowTitle(QStringLiteral("Eliminar Declaraciones Enviadas"));
    }
    grdContrib->setColumnHidden(7, giModoEnviada == 1 || giModoEnviada == 3);
    pCargarLista(0);
    grdContrib->setEnabled(!m_filas.isEmpty());
    pPunteroNormal();
}

void FrmContAbrirEnv::Form_Activate()
{
    pCargarLista(static_cast<int>(lPosicion));
    if (grdContrib->isEnabled())
        grdContrib->setFocus(Qt::OtherFocusReason);
}

void FrmContAbrirEnv::pCargarLista(int fila)
{
    QList<DeclaracionEnviada> filas;
    try {
        if (!gdbBase)
            throw DbError(dberr::SinConexion, QStringLiteral("No hay una base de datos abierta."));
        filas = fDeclaracionesEnviadas(*gdbBase);
    } catch (const DbError &e) {
        pMostrarError(e.number, e.description);
        return;
    }
    m_filas = filas;
    {
        const QSignalBlocker bloqueo(grdContrib);
        grdContrib->setRowCount(0);
        grdContrib->setRowCount(filas.size());
        for (int i = 0; i < filas.size(); ++i) {
            const QStringList t = textos(filas.at(i));
            for (int c = 0; c < t.size(); ++c) {
                auto *item = new QTableWidgetItem(t.at(c));
                if (c == 4 || c == 6 || c == 7)
                    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                grdContrib->setItem(i, c, item);
            }
        }
        if (!filas.isEmpty())
            grdContrib->setCurrentCell(qBound(0, fila, int(filas.size()) - 1), 0);
    }
    grdContrib_RowColChange();
}

DeclaracionEnviada FrmContAbrirEnv::filaActual() const
{
    const int fila = grdContrib->currentRow();
    return fila >= 0 && fila < m_filas.size() ? m_filas.at(fila) : DeclaracionEnviada{};
}

void FrmContAbrirEnv::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!m_cargada) {
        m_cargada = true;
        Form_Load();
    }
}

void FrmContAbrirEnv::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    // Coming back from a message box is no activation of the form.
    if (m_activaciones.activacion(e) && m_cargada && isEnabled()) {
        try {
            Form_Activate();
        } catch (const ErrorEjecucion &err) {
            pMostrarError(err.numero, err.descripcion);
        }
    }
}

void FrmContAbrirEnv::CmdOpciones_Click(int index)
{
    if (index == 1) {
        pBarraEstado(QString(), QString(), gsPeriodo, gsFormulario);
        reject();
        return;
    }
    if (index != 0)
        return;
    pPunteroReloj();
    if (m_filas.isEmpty() || grdContrib->currentRow() < 0) {
        pPunteroNormal();
        return;
    }
    const DeclaracionEnviada d = filaActual();
    try {
        if (giModoEnviada == 3) {
            const int r = msg::MsgBox(QStringLiteral("¿Confirma que va a eliminar la declaración seleccionada?"), 292,
                                      windowTitle());
            if (r == msg::Yes) {
                gsCorrel = d.correl;
                if (!gdbBase)
                    throw DbError(dberr::SinConexion, QStringLiteral("No hay una base de datos abierta."));
                pEliminarEnviada(*gdbBase, d.docIdD, gsCorrel);
                // Only the load disables the grid: emptied here it stays enabled.
                pCargarLista(0);
            }
        } else if (giModoEnviada == 1) {
            setEnabled(false);
            lPosicion = grdContrib->currentRow();
            {
                // Not a child of this window: it stays usable while this one is disabled.
                Frm381Env w(MDIFrm::instancia());
                w.fila = d;
                w.frmSelector = this;
                w.exec();
            }
            // Its unload enabled this window again; a viewer that failed to
            // load must not leave it disabled for good.
            setEnabled(true);
            pPunteroNormal();
            pCargarLista(static_cast<int>(lPosicion));
        }
        pPunteroNormal();
    } catch (const DbError &e) {
        setEnabled(true);
        pMostrarError(e.number, e.description);
    }
}

void FrmContAbrirEnv::grdContrib_DblClick()
{
    CmdOpciones_Click(0);
}

void FrmContAbrirEnv::grdContrib_RowColChange()
{
    if (!isEnabled())
        return;
    const int fila = grdContrib->currentRow();
    if (fila < 0 || fila >= m_filas.size())
        return;
    pBarraEstado(vb::Trim(m_filas.at(fila).docIdD), vb::Trim(m_filas.at(fila).nombre), gsPeriodo, gsFormulario);
}
