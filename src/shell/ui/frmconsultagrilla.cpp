#include "shell/ui/frmconsultagrilla.h"
#include "shell/core/errorejecucion.h"
#include "shell/ui/mdifrm.h"
#include "shell/ui/modventanas.h"
#include "platform/database.h"
#include "platform/msgbox.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

FrmConsultaGrilla::FrmConsultaGrilla(const QStringList &columnas, QWidget *parent) : QDialog(parent)
{
    grdBancos = new QTableWidget(0, columnas.size(), this);
    grdBancos->setObjectName(QStringLiteral("grdBancos"));
    grdBancos->setHorizontalHeaderLabels(columnas);
    grdBancos->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdBancos->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdBancos->setSelectionMode(QAbstractItemView::SingleSelection);
    grdBancos->verticalHeader()->setVisible(false);
    grdBancos->horizontalHeader()->setStretchLastSection(true);

    CmdSalir = new QPushButton(QStringLiteral("&Salir"), this);
    CmdSalir->setObjectName(QStringLiteral("CmdSalir"));
    connect(CmdSalir, &QPushButton::clicked, this, &FrmConsultaGrilla::CmdSalir_Click);

    auto *botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(CmdSalir);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(grdBancos);
    layout->addLayout(botones);
}

void FrmConsultaGrilla::Form_Load(int iHeight, int iWidth, const QString &caption)
{
    pTamanoForm(this, iHeight, iWidth);
    pCentrarForm(MDIFrm::instancia(), this);
    pPunteroReloj();
    setWindowTitle(caption);
    QList<QStringList> datos;
    try {
        datos = filas();
    } catch (const DbError &e) {
        pPunteroNormal();
        msg::MsgBox(fTextoError(e.number, e.description), 0, QStringLiteral("Error"));
    }
    grdBancos->setRowCount(datos.size());
    for (int f = 0; f < datos.size(); ++f) {
        for (int c = 0; c < datos.at(f).size() && c < grdBancos->columnCount(); ++c) {
            auto *item = new QTableWidgetItem(datos.at(f).at(c));
            if (m_derecha.contains(c))
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grdBancos->setItem(f, c, item);
        }
    }
    if (datos.isEmpty())
        grdBancos->setEnabled(false);
    else
        grdBancos->setCurrentCell(0, 0);
    QCoreApplication::processEvents();
    pPunteroNormal();
}

void FrmConsultaGrilla::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (grdBancos->isEnabled())
        grdBancos->setFocus();
}

void FrmConsultaGrilla::CmdSalir_Click()
{
    accept();
}
