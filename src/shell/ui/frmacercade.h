#pragma once
// The about box.
#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class frmAcercade : public QDialog {
    Q_OBJECT
public:
    explicit frmAcercade(QWidget *parent = nullptr);
    QFrame *SSPanel1;
    QLabel *Image1;
    QLineEdit *Text3;
    QPlainTextEdit *Text1;
    QLineEdit *txtVersion;
    QPushButton *cmdAceptar;
private slots:
    void cmdAceptar_Click();
};
