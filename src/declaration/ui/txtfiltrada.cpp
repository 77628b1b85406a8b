#include "txtfiltrada.h"
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <algorithm>

TxtFiltrada::TxtFiltrada(QWidget *parent) : QLineEdit(parent)
{
    setAcceptDrops(false);
    connect(this, &QLineEdit::textChanged, this, &TxtFiltrada::alCambiar);
}

void TxtFiltrada::setTextoDesdeCodigo(const QString &t)
{
    m_anterior = t;
    if (text() == t)
        return;
    m_desdeCodigo = true;
    setText(t);
    m_desdeCodigo = false;
}

bool TxtFiltrada::cabe(int agregados) const
{
    if (m_maxLength <= 0)
        return true;
    return text().size() - selectedText().size() + agregados <= m_maxLength;
}

int TxtFiltrada::rechazados(const QString &t) const
{
    if (!filtroPegado)
        return 0;
    int n = 0;
    for (QChar c : t)
        if (filtroPegado(c.unicode()) == 0)
            ++n;
    return n;
}

bool TxtFiltrada::pegar(const QString &texto)
{
    if (isReadOnly() || !isEnabled())
        return false;
    QString filtrado;
    if (lecturaPegado) {
        const std::optional<QString> leido = lecturaPegado(texto);
        if (!leido)
            return false;
        filtrado = *leido;
    } else {
        for (QChar c : texto) {
            const int t = filtroPegado ? filtroPegado(c.unicode()) : c.unicode();
            if (t != 0 && t != 8 && t != 13 && t != 10)
                filtrado.append(QChar(t));
        }
    }
    if (bCortarPegado && m_maxLength > 0)
        filtrado.truncate(std::max(0, m_maxLength - int(text().size() - selectedText().size())));
    // An amount that does not fit is refused, not cut to the box's length.
    if (filtrado.isEmpty() || !cabe(filtrado.size()))
        return false;
    insert(filtrado);
    return true;
}

void TxtFiltrada::teclear(int tecla)
{
    if (tecla == 0 || tecla == 13 || isReadOnly())
        return;
    if (tecla == 8) {
        backspace();
        return;
    }
    if (!cabe(1))
        return;
    insert(QString(QChar(tecla)));
}

void TxtFiltrada::keyPressEvent(QKeyEvent *e)
{
    if (e->matches(QKeySequence::Paste)) {
        pegar(QGuiApplication::clipboard()->text());
        e->accept();
        return;
    }
    int tecla = 0;
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        tecla = 13;
    else if (e->key() == Qt::Key_Backspace)
        tecla = 8;
    else if (!e->text().isEmpty() && e->text().at(0).unicode() >= 32
             && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        tecla = e->text().at(0).unicode();

    if (tecla == 0) {
        // Moving, selecting, deleting and the clipboard shortcuts.
        QLineEdit::keyPressEvent(e);
        return;
    }
    e->accept();
    const int k = KeyPress ? KeyPress(tecla) : tecla;
    teclear(k);
}

void TxtFiltrada::contextMenuEvent(QContextMenuEvent *e)
{
    QMenu *menu = createStandardContextMenu();
    for (QAction *a : menu->actions()) {
        if (a->objectName() == QLatin1String("edit-paste")) {
            disconnect(a, &QAction::triggered, nullptr, nullptr);
            connect(a, &QAction::triggered, this, [this] { pegar(QGuiApplication::clipboard()->text()); });
        }
    }
    menu->exec(e->globalPos());
    delete menu;
}

void TxtFiltrada::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::MiddleButton) {
        if (QGuiApplication::clipboard()->supportsSelection())
            pegar(QGuiApplication::clipboard()->text(QClipboard::Selection));
        e->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
}

void TxtFiltrada::dropEvent(QDropEvent *e)
{
    e->ignore();
}

void TxtFiltrada::alCambiar(const QString &t)
{
    if (m_desdeCodigo)
        return;
    // Whatever way a refused character or an over-long text came in (input
    // methods, a shortcut of the style), it does not stay.
    const bool masLargo = m_maxLength > 0 && t.size() > m_maxLength && t.size() > m_anterior.size();
    if (rechazados(t) > rechazados(m_anterior) || masLargo) {
        const QString anterior = m_anterior;
        setTextoDesdeCodigo(anterior);
        return;
    }
    // What came in past the key handler (an input method's text) ends as
    // typing leaves it: "é" in a name field as "E".
    const QString tecleado = fComoTecleado(t);
    if (tecleado != t) {
        const int cursor = cursorPosition();
        setTextoDesdeCodigo(tecleado);
        setCursorPosition(cursor);
    }
    m_anterior = tecleado;
    emit textoEditado(tecleado);
}

QString TxtFiltrada::fComoTecleado(const QString &t) const
{
    if (!filtroPegado)
        return t;
    QString r = t;
    for (QChar &c : r) {
        // A refused character stays: only one set from code gets this far.
        const int k = filtroPegado(c.unicode());
        if (k > 0 && k <= 0xFFFF)
            c = QChar(k);
    }
    return r;
}
