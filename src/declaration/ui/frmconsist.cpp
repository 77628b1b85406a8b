#include "frmconsist.h"
#include "declaration/core/reglas/validacionlista.h"
#include "platform/impresora.h"
#include "platform/msgbox.h"
#include "platform/textfile.h"
#include "platform/vbruntime.h"
#include "shell/core/modglobal.h"
#include "shell/ui/mdifrm.h"
#include "shell/ui/modventanas.h"
#include <QApplication>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

int giConsistAbierto = 0;

FrmConsist::FrmConsist(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmConsist"));
    setWindowTitle(QStringLiteral("Inconsistencias detectadas"));
    Label1 = new QLabel(QStringLiteral("En su declaración se han detectado las siguientes inconsistencias :"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    TxtPreliminar = new QPlainTextEdit(this);
    TxtPreliminar->setObjectName(QStringLiteral("TxtPreliminar"));
    TxtPreliminar->setReadOnly(true);
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::Monospace);
    TxtPreliminar->setFont(f);
    TxtPreliminar->setLineWrapMode(QPlainTextEdit::NoWrap);
    CmdImprimir = new QPushButton(QStringLiteral("&Imprimir"), this);
    CmdImprimir->setObjectName(QStringLiteral("CmdImprimir"));
    CmdGrabar = new QPushButton(QStringLiteral("&Aceptar"), this);
    CmdGrabar->setObjectName(QStringLiteral("CmdGrabar"));
    CmdImprimir->setAutoDefault(false);
    CmdGrabar->setAutoDefault(false);

    auto *botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(CmdImprimir);
    botones->addWidget(CmdGrabar);
    auto *l = new QVBoxLayout(this);
    l->addWidget(Label1);
    l->addWidget(TxtPreliminar);
    l->addLayout(botones);
    resize(640, 360);
    // Over the main window, as the other windows open; once sized, or the
    // centre is that of the old size.
    pCentrarForm(MDIFrm::instancia(), this);

    connect(CmdImprimir, &QPushButton::clicked, this, &FrmConsist::CmdImprimir_Click);
    connect(CmdGrabar, &QPushButton::clicked, this, &FrmConsist::CmdGrabar_Click);

    // Load
    giConsistAbierto = 1;
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    TxtPreliminar->setPlainText(fTextoMensajes(gsArchivoMensajes));
}

FrmConsist::~FrmConsist()
{
    giConsistAbierto = 0;
}

void FrmConsist::CmdImprimir_Click()
{
    pImprimirInconsistencias();
}

void FrmConsist::CmdGrabar_Click()
{
    gsAceptaInconsistencias = QStringLiteral("A");
    accept();
}

void pImprimeLinea(Printer &p, int x, int y, const QString &texto, bool negrita, int tamano)
{
    p.setFont(QStringLiteral("Courier new"), negrita, tamano);
    p.printText(x, y, texto);
}

void pImprimeCuadro(Printer &p, int x1, int y1, int x2, int y2)
{
    p.setFont(QStringLiteral("Courier new"), false, 0);
    p.setLineWidth(1);
    p.drawLine(x1, y1, x1, y2);   // left
    p.drawLine(x2, y1, x2, y2);   // right
    p.drawLine(x1, y1, x2, y1);   // top
    p.drawLine(x1, y2, x2, y2);   // bottom
}

void pImprimirInconsistencias()
{
    const auto titulo = QStringLiteral("Impresión");
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto fin = [] {
        QApplication::restoreOverrideCursor();
        QCoreApplication::processEvents();
    };

    QStringList lineas;
    QString error;
    if (!textfile::readLines(gsArchivoMensajes, &lineas, &error)) {
        fin();
        msg::MsgBox(QStringLiteral("Error Técnico : (53) ") + error, 16, titulo);
        return;
    }
    Printer impresora;
    if (!impresora.begin(QStringLiteral("Inconsistencias"))) {
        fin();
        msg::MsgBox(impresora.libraryMissing()
                        ? QStringLiteral("Error Técnico : (48) ") + impresora.errorString()
                        : QStringLiteral("No existe una impresora seleccionada.Verifique."),
                    16, titulo);
        return;
    }
    for (const OrdenImpresion &o : fHojasInconsistencias(lineas, QDateTime::currentDateTime())) {
        switch (o.tipo) {
        case OrdenImpresion::Texto: pImprimeLinea(impresora, o.x, o.y, o.texto, o.negrita, o.tamano); break;
        case OrdenImpresion::Cuadro: pImprimeCuadro(impresora, o.x, o.y, o.x2, o.y2); break;
        case OrdenImpresion::NuevaPagina: impresora.newPage(); break;
        }
    }
    const bool impreso = impresora.end();
    fin();
    if (!impreso)
        msg::MsgBox(QStringLiteral("Error Técnico : (57) Error de entrada/salida en el dispositivo."), 16, titulo);
}
