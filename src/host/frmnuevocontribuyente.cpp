#include "host/frmnuevocontribuyente.h"
#include "host/contribuyentes.h"
#include "platform/database.h"
#include "platform/msgbox.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

FrmNuevoContribuyente::FrmNuevoContribuyente(const QString &baseDatos, const QString &usuario, QWidget *parent)
    : QDialog(parent), m_baseDatos(baseDatos), m_usuario(usuario)
{
    setWindowTitle(QStringLiteral("Nuevo contribuyente"));
    TxtRuc = new QLineEdit(this);
    TxtRuc->setObjectName(QStringLiteral("TxtRuc"));
    TxtRuc->setMaxLength(11);
    TxtRuc->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), TxtRuc));
    TxtNombre = new QLineEdit(this);
    TxtNombre->setObjectName(QStringLiteral("TxtNombre"));
    // As long as Qx381's name boxes (TxtRazon) and the printed return's
    // name cell take.
    TxtNombre->setMaxLength(40);
    CmdAceptar = new QPushButton(QStringLiteral("&Aceptar"), this);
    CmdAceptar->setDefault(true);
    CmdCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    connect(CmdAceptar, &QPushButton::clicked, this, &FrmNuevoContribuyente::CmdAceptar_Click);
    connect(CmdCancelar, &QPushButton::clicked, this, &QDialog::reject);

    auto *campos = new QFormLayout;
    campos->addRow(QStringLiteral("&RUC:"), TxtRuc);
    campos->addRow(QStringLiteral("&Razón Social:"), TxtNombre);
    auto *botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(CmdAceptar);
    botones->addWidget(CmdCancelar);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(campos);
    layout->addLayout(botones);
    resize(460, sizeHint().height());
}

void FrmNuevoContribuyente::CmdAceptar_Click()
{
    try {
        auto db = Database::open(m_baseDatos);
        const QString problema = host::fAgregarContribuyente(*db, m_usuario, TxtRuc->text(), TxtNombre->text());
        if (!problema.isEmpty()) {
            msg::MsgBox(problema, 48, QStringLiteral("Velantis"));
            return;
        }
    } catch (const DbError &e) {
        msg::MsgBox(e.description, 16, QStringLiteral("Velantis"));
        return;
    }
    accept();
}
