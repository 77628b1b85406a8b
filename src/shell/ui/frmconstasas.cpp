#include "shell/ui/frmconstasas.h"
#include "shell/ui/consultas.h"
#include "shell/ui/mdifrm.h"
#include "shell/ui/modventanas.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FrmConsTasas::FrmConsTasas(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmConsTasas"));
    setWindowTitle(QStringLiteral("Tasas Vigentes"));

    auto *tabla = new QGridLayout;
    auto etiqueta = [this](const QString &texto, bool encabezado) {
        auto *l = new QLabel(texto, this);
        l->setObjectName(QStringLiteral("lblTasas_%1").arg(lblTasas.size()));
        l->setFrameShape(QFrame::Box);
        if (encabezado) {
            QFont f = l->font();
            f.setBold(true);
            l->setFont(f);
            l->setAlignment(Qt::AlignCenter);
        }
        lblTasas << l;
        return l;
    };
    tabla->addWidget(etiqueta(QStringLiteral("Tipo de Contribuyente"), true), 0, 0);
    tabla->addWidget(etiqueta(QStringLiteral("Tasa"), true), 0, 1);
    int fila = 1;
    for (const auto &t : fTasasVigentes()) {
        tabla->addWidget(etiqueta(t.first, false), fila, 0);
        QLabel *tasa = etiqueta(t.second, false);
        tasa->setAlignment(Qt::AlignCenter);
        tabla->addWidget(tasa, fila, 1);
        ++fila;
    }
    tabla->setColumnStretch(0, 3);
    tabla->setColumnStretch(1, 1);
    tabla->setSpacing(0);

    Command1 = new QPushButton(QStringLiteral("&Salir"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    connect(Command1, &QPushButton::clicked, this, &FrmConsTasas::Command1_Click);
    auto *botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(Command1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(tabla);
    layout->addStretch();
    layout->addLayout(botones);

    pTamanoForm(this, 3015, 7005);
    pCentrarForm(MDIFrm::instancia(), this);
    pPunteroNormal();
}

void FrmConsTasas::Command1_Click()
{
    pPunteroReloj();
    accept();
    pPunteroNormal();
}

void FrmConsTasas::closeEvent(QCloseEvent *e)
{
    pPunteroNormal();
    QDialog::closeEvent(e);
}
