#include "printing/ui/frmtipprnr.h"
#include "platform/msgbox.h"
#include "platform/vbruntime.h"
#include "shell/core/errorejecucion.h"
#include "shell/core/modglobal.h"
#include "shell/ui/aperturas.h"
#include "shell/ui/mdifrm.h"
#include "shell/ui/modventanas.h"
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace {

int fPx(double twips)
{
    return fTwipsAPixeles(twips, fTwipsPorPixel());
}

void fColocar(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(fPx(left), fPx(top), fPx(width), fPx(height));
}

void pMostrarError(int numero, const QString &descripcion)
{
    msg::MsgBox(fTextoError(numero, descripcion), 0, QStringLiteral("Error"));
}

} // namespace

FrmTipPrnR::FrmTipPrnR(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmTipPrnR"));
    setWindowTitle(QStringLiteral("Imprimir Declaraciones Enviadas"));
    Label1 = new QLabel(QStringLiteral("Seleccione la Declaración que desea imprimir :"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Frame1 = new QGroupBox(QStringLiteral("Declaraciones Enviadas"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    grdContrib = new QTableWidget(0, 8, Frame1);
    grdContrib->setObjectName(QStringLiteral("grdContrib"));
    grdContrib->setHorizontalHeaderLabels({QStringLiteral("RUC"), QStringLiteral("Razón Social"),
                                           QStringLiteral("Periodo"), QStringLiteral("Formulario"),
                                           QStringLiteral("N.Orden"), QStringLiteral("Fecha Env."),
                                           QStringLiteral("Control"), QStringLiteral("Corr")});
    grdContrib->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdContrib->setSelectionMode(QAbstractItemView::SingleSelection);
    grdContrib->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdContrib->setWordWrap(false);
    grdContrib->verticalHeader()->hide();
    grdContrib->installEventFilter(this);
    ChkAnexo = new QCheckBox(QStringLiteral("Con Anexos"), this);
    ChkAnexo->setObjectName(QStringLiteral("ChkAnexo"));
    const QString textos[3] = {QStringLiteral("&Preliminar"), QStringLiteral("&Imprimir"), QStringLiteral("&Salir")};
    for (int i = 0; i < 3; ++i) {
        CmdImprimir[i] = new QPushButton(textos[i], this);
        CmdImprimir[i]->setObjectName(QStringLiteral("CmdImprimir_%1").arg(i));
        CmdImprimir[i]->setAutoDefault(false);
        connect(CmdImprimir[i], &QPushButton::clicked, this, [this, i] { CmdImprimir_Click(i); });
    }

    // The designed layout is the sent list's; the load narrows it for the saved one.
    fColocar(Label1, 120, 120, 8760, 255);
    fColocar(Frame1, 120, 420, 8760, 3180);
    fColocar(grdContrib, 150, 300, 8460, 2730);
    fColocar(ChkAnexo, 240, 3720, 1500, 300);
    const int lefts[3] = {4880, 6210, 7540};
    for (int i = 0; i < 3; ++i)
        fColocar(CmdImprimir[i], lefts[i], 3720, 1215, 375);
    // The grid's small print, as designed; the name takes what the other
    // columns leave (the saved list's narrower grid fixes it at 3300 twips).
    QFont letra = grdContrib->font();
    letra.setPointSize(8);
    grdContrib->setFont(letra);
    grdContrib->horizontalHeader()->setFont(letra);
    grdContrib->horizontalHeader()->setMinimumSectionSize(24);
    for (int c = 0; c < 8; ++c)
        grdContrib->horizontalHeader()->setSectionResizeMode(c, c == 1 ? QHeaderView::Stretch
                                                                     : QHeaderView::ResizeToContents);
    pTamanoForm(this, 4650, 9120);

    connect(grdContrib, &QTableWidget::cellDoubleClicked, this, &FrmTipPrnR::grdContrib_DblClick);
    connect(grdContrib, &QTableWidget::currentCellChanged, this,
            [this](int, int, int, int) { grdContrib_RowColChange(); });
}

void FrmTipPrnR::showEvent(QShowEvent *e)
{
    if (!m_cargada) {
        m_cargada = true;
        Form_Load();
    }
    QDialog::showEvent(e);
}

void FrmTipPrnR::Form_Load()
{
    if (!bEstadoContri) {
        pTamanoForm(this, qRound(fAltoTwips(this)), 7000);
        setWindowTitle(QStringLiteral("Imprimir Declaraciones"));
        Frame1->setTitle(QStringLiteral("Declaraciones Registradas"));
        Frame1->resize(fPx(6600), Frame1->height());
        const int lefts[3] = {2710, 4045, 5380};
        for (int i = 0; i < 3; ++i)
            CmdImprimir[i]->move(fPx(lefts[i]), CmdImprimir[i]->y());
        grdContrib->resize(fPx(6300), grdContrib->height());
        grdContrib->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Interactive);
        grdContrib->setColumnWidth(1, fPx(3300));
        for (int c = 4; c <= 7; ++c)
            grdContrib->setColumnHidden(c, true);
    }
    pCentrarForm(MDIFrm::instancia(), this);
    if (!pLlenarLista())
        return;
    if (!m_filas.isEmpty()) {
        grdContrib->setCurrentCell(m_filas.size() - 1, 0);
        grdContrib->setCurrentCell(0, 0);
    } else {
        grdContrib->setEnabled(false);
    }
}

bool FrmTipPrnR::pLlenarLista()
{
    try {
        if (!gdbBase)
            throw DbError(91, QStringLiteral("No hay una base de datos abierta."));
        m_filas = fDeclaracionesImpresion(*gdbBase, bEstadoContri, gsPeriodo, gsFormulario, gsUsuario);
    } catch (const DbError &e) {
        m_filas.clear();
        grdContrib->setRowCount(0);
        pMostrarError(e.number, e.description);
        return false;
    }
    const QSignalBlocker bloqueo(grdContrib);
    grdContrib->setRowCount(0);
    grdContrib->setRowCount(m_filas.size());
    for (int i = 0; i < m_filas.size(); ++i) {
        const FilaImpresion &f = m_filas.at(i);
        const QString celdas[8] = {f.docIdD, f.nombre, f.periodo, f.formulario, f.norden, f.fecEnv, f.control, f.correl};
        for (int c = 0; c < 8; ++c)
            grdContrib->setItem(i, c, new QTableWidgetItem(celdas[c]));
    }
    return true;
}

void FrmTipPrnR::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    // The end of a message box of its own is no activation.
    if (m_activaciones.activacion(e) && m_cargada)
        Form_Activate();
}

void FrmTipPrnR::Form_Activate()
{
    // Back from a preview: the list as it is now, at the row chosen last.
    if (grdContrib->isEnabled()) {
        if (!pLlenarLista())
            return;
        grdContrib->setFocus();
    }
    if (!m_filas.isEmpty()) {
        const int fila = static_cast<int>(qBound(0L, lPosicion, static_cast<long>(m_filas.size() - 1)));
        grdContrib->setCurrentCell(fila, 0);
    }
}

void FrmTipPrnR::CmdImprimir_Click(int Index)
{
    if (Index == 2) {
        close();
        pBarraEstado(QString(), QString(), gsPeriodo, gsFormulario);
        return;
    }
    const int fila = grdContrib->currentRow();
    if (m_filas.isEmpty() || fila < 0 || fila >= m_filas.size())
        return;
    lPosicion = fila;
    const bool conAnexos = ChkAnexo->isChecked();
    QVariantList aDatos;
    for (const QString &s : fDatosFila(m_filas.at(fila)))
        aDatos << s;
    try {
        pVistaPrevia(Index == 0 ? 1 : 2, conAnexos, bEstadoContri, aDatos);
    } catch (const ErrorEjecucion &e) {
        pMostrarError(e.numero, e.descripcion);
    } catch (const DbError &e) {
        pMostrarError(e.number, e.description);
    }
}

void FrmTipPrnR::grdContrib_DblClick()
{
    CmdImprimir_Click(0);
}

bool FrmTipPrnR::eventFilter(QObject *o, QEvent *e)
{
    if (o == grdContrib && e->type() == QEvent::KeyPress) {
        const auto *k = static_cast<QKeyEvent *>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            CmdImprimir_Click(0);
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void FrmTipPrnR::grdContrib_RowColChange()
{
    if (!isEnabled())
        return;
    const int fila = grdContrib->currentRow();
    if (fila < 0 || fila >= m_filas.size())
        return;
    pBarraEstado(vb::Trim(m_filas.at(fila).docIdD), vb::Trim(m_filas.at(fila).nombre), gsPeriodo, gsFormulario);
}
