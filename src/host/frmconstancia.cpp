#include "host/frmconstancia.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

FrmConstancia::FrmConstancia(const QString &archivo, const QStringList &lineas, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmConstancia"));
    setWindowTitle(QStringLiteral("Constancia de presentación - %1").arg(QFileInfo(archivo).fileName()));

    TxtConstancia = new QPlainTextEdit(this);
    TxtConstancia->setObjectName(QStringLiteral("TxtConstancia"));
    TxtConstancia->setReadOnly(true);
    // The receipt is laid out in columns of a fixed-pitch font.
    QFont fuente(QStringLiteral("Courier New"), 10);
    fuente.setStyleHint(QFont::Monospace);
    fuente.setFixedPitch(true);
    TxtConstancia->setFont(fuente);
    TxtConstancia->setLineWrapMode(QPlainTextEdit::NoWrap);
    TxtConstancia->setPlainText(lineas.join(QLatin1Char('\n')));

    CmdCerrar = new QPushButton(QStringLiteral("&Cerrar"), this);
    CmdCerrar->setDefault(true);
    connect(CmdCerrar, &QPushButton::clicked, this, &QDialog::accept);

    auto *botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(CmdCerrar);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(TxtConstancia);
    layout->addLayout(botones);
    // Wide enough for the 87 characters of the longest receipt line.
    const QFontMetrics m(fuente);
    resize(m.horizontalAdvance(QString(90, QLatin1Char('M'))) + 60, 600);
}
