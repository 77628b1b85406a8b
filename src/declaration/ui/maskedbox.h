#pragma once
// The masked date box: "dd/mm/yyyy" typed over the mask, whose untyped
// positions read as "_" (the empty box reads "__/__/____").
#include <QLineEdit>

class MaskEdBox : public QLineEdit {
    Q_OBJECT
public:
    explicit MaskEdBox(QWidget *parent = nullptr);

    // The text with the mask: "12/__/____", "__/__/____".
    QString Text() const { return displayText(); }
    // Sets the text from code ("" or "__/__/____" empties it); textoEditado is
    // not raised.
    void setTextoDesdeCodigo(const QString &t);

signals:
    void textoEditado(const QString &texto);   // the user changed it
    void KeyPress(int tecla);                  // each typed key (13 ENTER)
    void LostFocus();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;

private:
    bool m_desdeCodigo = false;
};
