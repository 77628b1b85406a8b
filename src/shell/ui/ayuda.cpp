#include "shell/ui/ayuda.h"
#include "shell/core/calculoventanas.h"
#include "platform/msgbox.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QKeyEvent>
#include <QUrl>
#include <QVariant>
#include <QWidget>

void pMostrarAyuda(const QString &archivoAyuda, int tema)
{
    const QString pagina = fAyudaHtml(archivoAyuda);
    if (!pagina.isEmpty()) {
        QUrl url = QUrl::fromLocalFile(pagina);
        if (tema > 0)
            url.setFragment(QString::number(tema));
        if (QDesktopServices::openUrl(url))
            return;
        msg::MsgBox(QStringLiteral("No se pudo abrir la ayuda del sistema: no se pudo iniciar el navegador "
                                   "para mostrar \"%1\".")
                        .arg(QDir::toNativeSeparators(pagina)),
                    48, QStringLiteral("Ayuda"));
        return;
    }
    msg::MsgBox(QStringLiteral("La ayuda del sistema no está disponible."), 64, QStringLiteral("Ayuda"));
}

int fTemaAyuda(const QWidget *control)
{
    for (const QWidget *w = control; w; w = w->parentWidget()) {
        const int tema = w->property("HelpContextID").toInt();
        if (tema > 0)
            return tema;
        if (w->isWindow())
            break;
    }
    return 0;
}

TeclaAyuda::TeclaAyuda(std::function<QString()> archivo, QObject *parent)
    : QObject(parent), m_archivo(std::move(archivo))
{
    qApp->installEventFilter(this);
}

bool TeclaAyuda::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() != QEvent::KeyPress)
        return false;
    const auto *e = static_cast<QKeyEvent *>(evento);
    if (e->key() != Qt::Key_F1 || (e->modifiers() & ~Qt::KeypadModifier))
        return false;
    const auto *w = objeto->isWidgetType() ? static_cast<QWidget *>(objeto) : nullptr;
    const int tema = w ? fTemaAyuda(w) : 0;
    // In the window that owns the filter (the main window) F1 without a
    // topic shows the contents, as its Help command does.
    if (tema <= 0 && !(w && parent() && w->window() == parent()))
        return false;
    // A key held down asks once.
    if (!e->isAutoRepeat())
        pMostrarAyuda(m_archivo(), tema);
    return true;
}
