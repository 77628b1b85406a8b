#pragma once
// A text box whose typed keys go through a KeyPress handler first (the key
// may be changed or dropped), whose pasted text is read whole (an amount)
// or goes through a character filter, and whose MaxLength only limits what is entered: a longer text set
// from code is kept whole, never cut.
#include <QLineEdit>
#include <functional>
#include <optional>

class TxtFiltrada : public QLineEdit {
    Q_OBJECT
public:
    explicit TxtFiltrada(QWidget *parent = nullptr);

    // Gets the key code (8 backspace, 13 ENTER, else the character) and
    // returns the key to apply, 0 to drop it. Unset: every key passes.
    std::function<int(int tecla)> KeyPress;
    // Filter of pasted characters (returns the character or 0). Unset: the
    // pasted text is taken as it is.
    std::function<int(int tecla)> filtroPegado;
    // Reading of a pasted text as a whole: what goes in place of the
    // selection, nullopt to refuse it. Set, it replaces filtroPegado for
    // pastes (filtroPegado still guards what input methods bring).
    std::function<std::optional<QString>(const QString &pegado)> lecturaPegado;

    // A pasted text longer than the room left goes in cut to it (a name),
    // rather than being refused whole (an amount, a number).
    bool bCortarPegado = false;

    // 0: no limit.
    int MaxLength() const { return m_maxLength; }
    void setMaxLength(int n) { m_maxLength = n; }

    // Sets the text from code: no KeyPress, no filter, no length limit, and
    // textoEditado is not raised.
    void setTextoDesdeCodigo(const QString &t);

    // Inserts text as a paste does: read or filtered, refused whole (or, with
    // bCortarPegado, cut) when the result would exceed MaxLength. False when
    // nothing was inserted.
    bool pegar(const QString &texto);

    // Applies one key as typing does (for the key handlers and tests).
    void teclear(int tecla);

signals:
    // The user changed the text (typing, deleting, pasting, cutting, undo).
    void textoEditado(const QString &texto);

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void contextMenuEvent(QContextMenuEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void dropEvent(QDropEvent *e) override;

private:
    void alCambiar(const QString &t);
    int rechazados(const QString &t) const;
    QString fComoTecleado(const QString &t) const;
    bool cabe(int agregados) const;

    int m_maxLength = 0;
    bool m_desdeCodigo = false;
    QString m_anterior;
};
