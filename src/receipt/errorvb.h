#pragma once
// A run-time error as the receipt program reports it: the legacy error number
// and its Spanish description.
#include <QString>
#include <stdexcept>

struct ErrorVB : std::runtime_error {
    ErrorVB(int n, const QString &texto)
        : std::runtime_error(texto.toStdString()), numero(n), descripcion(texto) {}
    int numero;
    QString descripcion;
};

namespace errvb {
// Numbers the receipt program raises itself.
enum {
    ArgumentoNoValido = 5,
    Desbordamiento = 6,
    TiposNoCoinciden = 13,
    ErrorCargarBiblioteca = 48,
    ArchivoNoEncontrado = 53,
    ErrorEntradaSalida = 57,
    DiscoLleno = 61,
    AccesoRuta = 75,
    RutaNoEncontrada = 76,
    SinImpresora = 482
};
QString descripcion(int numero);
[[noreturn]] void lanzar(int numero);
} // namespace errvb
