#pragma once
// A run-time error as the windows report it: a number and a Spanish description.
// The utilities and openers raise it to their callers, whose commands show
// "description LF number" (see fTextoError) and go on.
#include <QString>
#include <stdexcept>

struct ErrorEjecucion : std::runtime_error {
    ErrorEjecucion(int numero, const QString &descripcion)
        : std::runtime_error(descripcion.toStdString()), numero(numero), descripcion(descripcion) {}
    int numero;
    QString descripcion;
};

namespace errores {
constexpr int Desbordamiento = 6;
constexpr int SubindiceFuera = 9;
constexpr int TiposNoCoinciden = 13;
constexpr int ElementoInexistente = 340;

ErrorEjecucion desbordamiento();
ErrorEjecucion subindiceFuera();
ErrorEjecucion tiposNoCoinciden();
ErrorEjecucion elementoInexistente();
}

// The message text of an unexpected error inside a command: the description,
// a line feed and the number with its leading blank.
QString fTextoError(int numero, const QString &descripcion);
