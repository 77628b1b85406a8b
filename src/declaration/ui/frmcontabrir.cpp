#include "frmcontabrir.h"
#include "declaration/ui/selector.h"
#include "declaration/core/persistencia/carga.h"
#include "platform/msgbox.h"
#include "platform/vbruntime.h"
#include "shell/core/modglobal.h"
#include "shell/core/errorejecucion.h"
#include "shell/ui/mdifrm.h"
#include "shell/ui/modventanas.h"
#include "shell/ui/registroventanas.h"
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The state column's pictures: one for "1", one for "9", a default one.
QIcon fIconoEstado(const QString &estado)
{
    QPixmap px(16, 16);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    if (estado == QLatin1String("1")) {
        p.setPen(QPen(QColor(0, 128, 0), 2.5));
        p.drawLine(3, 8, 7, 12);
        p.drawLine(7, 12, 13, 4);
    } else if (estado == QLatin1String("9")) {
        p.setPen(QPen(QColor(192, 0, 0), 2.5));
        p.drawLine(4, 4, 12, 12);
        p.drawLine(12, 4, 4, 12);
    } else {
        p.setPen(QPen(QColor(0, 0, 128), 1));
        p.setBrush(QColor(192, 192, 192));
        p.drawRect(3, 3, 10, 10);
    }
    return QIcon(px);
}

void pMostrarError(int numero, const QString &descripcion)
{
    pPunteroNormal();
    msg::MsgBox(fTextoError(numero, descripcion), 0, QStringLiteral("Error"));
}

} // namespace

FrmContAbrir::FrmContAbrir(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmContAbrir"));
    setWindowTitle(QStringLiteral("Actualizar Declaraciones"));
    pCrearSelector(
        this, {Label1, Frame1, grdContrib, CmdOpciones}, QStringLiteral("Declaraciones Registradas"),
        {QStringLiteral("RUC"), QStringLiteral("Razón Social"), QStringLiteral("Periodo"), QStringLiteral("Formulario"),
         QStringLiteral("Estado")},
        [this](int i) { CmdOpciones_Click(i); }, [this] { grdContrib_DblClick(); },
        [this] { grdContrib_RowColChange(); });
}

void FrmContAbrir::Form_Load()
{
    pPosicionForm(this, 0, 0, 4530, 7755);
    pPunteroReloj();
    pCentrarForm(MDIFrm::instancia(), this);
    if (iOpcion == 1) {
        setWindowTitle(QStringLiteral("Modificar Declaraciones"));
        Label1->setText(QStringLiteral("Seleccione la Declaración que desea modificar :"));
        CmdOpciones[0]->setText(QStringLiteral("&Modificar"));
    } else if (iOpcion == 3) {
        setWindowTitle(QStringLiteral("Eliminar Declaraciones"));
        Label1->setText(QStringLiteral("Seleccione la Declaración que desea eliminar :"));
        CmdOpciones[0]->setText(QStringLiteral("&Eliminar"));
    }
    pCargadatos();
    pPunteroNormal();
}

void FrmContAbrir::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!m_cargada) {
        m_cargada = true;
        Form_Load();
    }
}

void FrmContAbrir::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    // Every activation (the return from the declaration window included)
    // reloads, but not the end of a message box of its own.
    if (m_activaciones.activacion(e) && m_cargada)
        pCargadatos();
}

void FrmContAbrir::pCargadatos()
{
    QList<DeclaracionRegistrada> filas;
    try {
        if (!gdbBase)
            throw DbError(91, QStringLiteral("No hay una base de datos abierta."));
        filas = fDeclaracionesRegistradas(*gdbBase);
    } catch (const DbError &e) {
        pMostrarError(e.number, e.description);
        return;
    }
    const QSignalBlocker bloqueo(grdContrib);
    grdContrib->setRowCount(0);
    grdContrib->setRowCount(filas.size());
    for (int i = 0; i < filas.size(); ++i) {
        const DeclaracionRegistrada &d = filas.at(i);
        auto *ruc = new QTableWidgetItem(d.docIdD);
        ruc->setData(Qt::UserRole, d.docIdD);   // as stored, for the deletion
        grdContrib->setItem(i, 0, ruc);
        grdContrib->setItem(i, 1, new QTableWidgetItem(d.nombre));
        grdContrib->setItem(i, 2, new QTableWidgetItem(d.periodo));
        grdContrib->setItem(i, 3, new QTableWidgetItem(d.formulario));
        auto *estado = new QTableWidgetItem(fIconoEstado(vb::CStr(d.estado)), QString());
        estado->setData(Qt::UserRole, d.estado);
        grdContrib->setItem(i, 4, estado);
    }
    if (!filas.isEmpty()) {
        // A row beyond the list (after deletions) falls back to the last one.
        const int fila = static_cast<int>(qBound(0L, lPosicionFila, static_cast<long>(filas.size() - 1)));
        grdContrib->setCurrentCell(fila, 0);
        grdContrib_RowColChange();
    }
}

void FrmContAbrir::CmdOpciones_Click(int index)
{
    if (index == 1) {
        pBarraEstado(QString(), QString(), gsPeriodo, gsFormulario);
        reject();
        return;
    }
    pPunteroReloj();
    const int fila = grdContrib->currentRow();
    if (grdContrib->rowCount() == 0 || fila < 0) {
        pPunteroNormal();
        return;
    }
    const QString ruc = grdContrib->item(fila, 0)->data(Qt::UserRole).toString();
    const QString nombre = grdContrib->item(fila, 1)->text();
    try {
        if (iOpcion == 1) {
            lPosicionFila = fila;
            if (registro::nuevaDeclaracion())
                registro::nuevaDeclaracion()(1, QVariantList{vb::Trim(ruc), vb::Trim(nombre)});
            pPunteroNormal();
            pCargadatos();
        } else if (iOpcion == 3) {
            const int r = msg::MsgBox(QStringLiteral("¿Confirma que va a eliminar la declaración de") + QStringLiteral("\r\n\r\n")
                                          + vb::Trim(nombre) + QStringLiteral("?"),
                                      292, windowTitle());
            if (r == msg::Yes) {
                pEliminarDeclaracion(*gdbBase, ruc);
                pCargadatos();
            }
            pPunteroNormal();
        } else {
            pPunteroNormal();
        }
    } catch (const DbError &e) {
        pMostrarError(e.number, e.description);
    } catch (const ErrorEjecucion &e) {
        pMostrarError(e.numero, e.descripcion);
    }
}

void FrmContAbrir::grdContrib_DblClick()
{
    CmdOpciones_Click(0);
}

void FrmContAbrir::grdContrib_RowColChange()
{
    if (!isEnabled())
        return;
    const int fila = grdContrib->currentRow();
    if (fila < 0 || !grdContrib->item(fila, 0))
        return;
    pBarraEstado(vb::Trim(grdContrib->item(fila, 0)->text()), vb::Trim(grdContrib->item(fila, 1)->text()), gsPeriodo,
                 gsFormulario);
}

void pRegistrarFrmContAbrir()
{
    registro::contAbrir() = [](int iOpcion) {
        FrmContAbrir w;
        w.iOpcion = iOpcion;
        w.exec();
    };
}
