#pragma once
// The boxes of one declaration, free of widgets: the entry window and the
// sent-declaration viewer bind their controls to it, the calculations and the
// rules read and write it.
#include <QHash>
#include <QObject>
#include <QString>

// Background colours as the legacy program gives them (BGR OLE colour values).
namespace Color {
constexpr quint32 Blanco = 0xFFFFFF;   // open for entry
constexpr quint32 Gris   = 0xC0C0C0;   // disabled or computed
constexpr quint32 Cyan   = 0xFFFF00;   // value from an annex calculator
}

class ModeloCasillas : public QObject {
    Q_OBJECT
public:
    struct Casilla {
        QString texto;
        bool habilitada = true;
        bool bloqueada = false;
        quint32 color = Color::Blanco;
        int maxLength = 0;      // 0: no limit
    };

    explicit ModeloCasillas(QObject *parent = nullptr);

    // Creates the box when missing (the box list defines which exist).
    void agregar(int n);
    bool existe(int n) const { return m_casillas.contains(n); }
    QList<int> numeros() const;

    QString texto(int n) const;
    // Raises textoCambiado only when the text really changes.
    void setTexto(int n, const QString &texto);

    bool habilitada(int n) const;
    void setHabilitada(int n, bool v);
    bool bloqueada(int n) const;
    void setBloqueada(int n, bool v);
    quint32 color(int n) const;
    void setColor(int n, quint32 c);
    int maxLength(int n) const;
    void setMaxLength(int n, int len);

    // Named fields beside the boxes (identification, answers "1"/"0"/"").
    QString campo(const QString &nombre) const { return m_campos.value(nombre); }
    // Raises campoCambiado only when the value really changes.
    void setCampo(const QString &nombre, const QString &valor);

    // Empties every box and field without raising change events; views
    // refresh from reiniciado().
    void limpiar();

    // Requests for the views bound to the store (the store only relays them):
    // give box n the focus, show a page of the window.
    void pedirFoco(int n) { emit focoPedido(n); }
    void pedirPagina(int pagina) { emit paginaPedida(pagina); }

    bool bModificado = false;
    bool bCargando = false;

signals:
    void textoCambiado(int n);
    void estadoCambiado(int n);     // enabled, locked, colour or length
    void campoCambiado(const QString &nombre);
    void reiniciado();              // after limpiar()
    void focoPedido(int n);
    void paginaPedida(int pagina);

private:
    Casilla &ref(int n);
    QHash<int, Casilla> m_casillas;
    QHash<QString, QString> m_campos;
};
