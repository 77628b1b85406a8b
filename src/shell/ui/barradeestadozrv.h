#pragma once
// The main window's status bar: document number, taxpayer name, period and
// form code, each in its own panel.
#include <QStatusBar>

class QLabel;

class BarradeEstadoZRV : public QStatusBar {
    Q_OBJECT
    Q_PROPERTY(QString numdoc READ numdoc WRITE setNumdoc)
    Q_PROPERTY(QString razonsocial READ razonsocial WRITE setRazonsocial)
    Q_PROPERTY(QString periodo_ejercicio READ periodo_ejercicio WRITE setPeriodo_ejercicio)
    Q_PROPERTY(QString formulario READ formulario WRITE setFormulario)
public:
    explicit BarradeEstadoZRV(QWidget *parent = nullptr);

    QString numdoc() const;
    QString razonsocial() const;
    QString periodo_ejercicio() const;
    QString formulario() const;
    void setNumdoc(const QString &s);
    void setRazonsocial(const QString &s);
    void setPeriodo_ejercicio(const QString &s);
    void setFormulario(const QString &s);

    // The non-empty panel texts, left to right.
    QStringList textosVisibles() const;

private:
    QLabel *m_numdoc, *m_razon, *m_periodo, *m_formulario;
};
