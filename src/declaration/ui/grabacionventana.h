#pragma once
// Binds "&Grabar", "&Validar Decla.", "&Salir" and the load of a stored
// declaration of Frm381 to the persistence core.
#include "declaration/core/persistencia/grabacion.h"
#include <functional>

class Frm381;

// Frm381 as the save, the load and the validation see it.
class VentanaFrm381 : public VentanaDeclaracion {
public:
    explicit VentanaFrm381(Frm381 &w) : m_w(w) {}

    ModeloCasillas &modelo() override;
    QList<int> aCasillas() const override;
    int iAccion() const override;
    QString sRuc() const override;
    QString sPuedeRegistrar() const override;
    QString caption() const override;
    DeclaracionLeida &leida() override;

    bool DeclaracionCompleta() override;
    bool ValidaDeclaracion() override;
    bool ValidaPeriodo(const QString &fecha) override;

    void pPuntero(int p) override;
    void pMostrarPagina(int pagina) override;
    int paginaActual() const override;
    void pEnfocar(const QString &control) override;
    void pMostrarFrame(int elemento) override;
    void pMostrarInconsistencias() override;
    void pBarraEstado(const QString &ruc, const QString &nombre) override;

private:
    Frm381 &m_w;
};

// The rule runs of the window, set by the stage that binds the rules. Unset:
// the save stores state 9 and the validation does not run.
struct ReglasVentana {
    std::function<bool(Frm381 &)> DeclaracionCompleta;
    std::function<bool(Frm381 &)> ValidaDeclaracion;
    std::function<bool(Frm381 &, const QString &)> ValidaPeriodo;
};
ReglasVentana &reglasVentana();

// Installs the commands on every Frm381 as it is built (keeps any earlier hook).
void pRegistrarGrabacion();
