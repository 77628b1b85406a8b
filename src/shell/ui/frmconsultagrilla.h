#pragma once
// A read-only lookup of a query in a grid with a Salir button; the factor and
// bank windows are two of these.
#include <QDialog>
#include <QStringList>

class QPushButton;
class QTableWidget;

class FrmConsultaGrilla : public QDialog {
    Q_OBJECT
public:
    QTableWidget *grdBancos;
    QPushButton *CmdSalir;

protected:
    FrmConsultaGrilla(const QStringList &columnas, QWidget *parent);
    // Size, centring, caption, the rows (filas() may raise DbError); a query
    // without rows leaves the grid disabled.
    void Form_Load(int iHeight, int iWidth, const QString &caption);
    virtual QList<QStringList> filas() = 0;
    // Columns aligned to the right (numbers).
    QList<int> m_derecha;

    void showEvent(QShowEvent *e) override;

private slots:
    void CmdSalir_Click();
};
