#include "shell/ui/frmacercade.h"
#include "shell/ui/iconos.h"
#include "shell/ui/mdifrm.h"
#include "shell/ui/modventanas.h"
#include "platform/gui/fuente.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmAcercade::frmAcercade(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAcercade"));
    setWindowTitle(QStringLiteral("Acerca de Velantis "));
    // "MS Sans Serif" is seldom on Linux: then the windows' own family, not
    // whatever fontconfig puts in its place.
    QFont fuente = interfaceFont();
    fuente.setFamilies({QStringLiteral("MS Sans Serif"), fuente.family()});
    fuente.setPointSize(10);

    SSPanel1 = new QFrame(this);
    SSPanel1->setObjectName(QStringLiteral("SSPanel1"));
    SSPanel1->setFrameShape(QFrame::StyledPanel);
    SSPanel1->setFrameShadow(QFrame::Raised);

    Image1 = new QLabel(SSPanel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(iconos::logotipo());

    auto *linea = new QFrame(SSPanel1);
    linea->setFrameShape(QFrame::HLine);
    linea->setFrameShadow(QFrame::Sunken);

    Text3 = new QLineEdit(QStringLiteral("Velantis"), SSPanel1);
    Text3->setObjectName(QStringLiteral("Text3"));
    Text3->setReadOnly(true);
    Text3->setFrame(false);
    QFont grande = fuente;
    grande.setBold(true);
    grande.setPointSize(14);
    Text3->setFont(grande);

    Text1 = new QPlainTextEdit(SSPanel1);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setPlainText(QStringLiteral("Declaración Pago Anual Impuesto a la \nRenta 3ra. Categoria - 1998"));
    Text1->setReadOnly(true);
    Text1->setFrameShape(QFrame::NoFrame);
    Text1->setFont(fuente);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QFontMetrics medida(fuente);
    const int margen = 2 * int(Text1->document()->documentMargin()) + 2 * Text1->frameWidth() + 4;
    Text1->setFixedHeight(2 * medida.lineSpacing() + margen);
    Text1->setMinimumWidth(medida.horizontalAdvance(QStringLiteral("Declaración Pago Anual Impuesto a la ")) + margen);

    txtVersion = new QLineEdit(SSPanel1);
    txtVersion->setObjectName(QStringLiteral("txtVersion"));
    txtVersion->setReadOnly(true);
    txtVersion->setFrame(false);
    txtVersion->setFont(fuente);

    auto *panel = new QHBoxLayout(SSPanel1);
    panel->addWidget(Image1, 0, Qt::AlignTop);
    auto *textos = new QVBoxLayout;
    textos->addWidget(Text3);
    textos->addWidget(linea);
    textos->addWidget(Text1);
    textos->addWidget(txtVersion);
    panel->addLayout(textos, 1);

    cmdAceptar = new QPushButton(QStringLiteral("&Aceptar"), this);
    cmdAceptar->setObjectName(QStringLiteral("cmdAceptar"));
    cmdAceptar->setDefault(true);
    connect(cmdAceptar, &QPushButton::clicked, this, &frmAcercade::cmdAceptar_Click);

    auto *botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(cmdAceptar);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(SSPanel1);
    layout->addLayout(botones);
    adjustSize();

    // Load: centred over the main window, the version, the default pointer.
    pCentrarForm(MDIFrm::instancia(), this);
    txtVersion->setText(QStringLiteral("Versión 2.0"));
    pPunteroNormal();
}

void frmAcercade::cmdAceptar_Click()
{
    accept();
}
