#pragma once
// The two help lines shown below the boxes while the mouse passes over one.
#include <QString>
#include <optional>

namespace AyudasCasillas {

constexpr quint32 AzulOscuro = 0xC00000;   // BGR, the formula lines
constexpr quint32 Negro = 0x000000;

inline const QString AyudaGeneral =
    QStringLiteral("Anotar los importes en nuevos soles sin considerar centimos.");

struct Ayuda {
    QString linea1;
    QString linea2;
    quint32 color;
};

// The help of box n under the answers optIEAN and optAnexo ("1", "0", "");
// nullopt when the lines are to be left as they were (509, 138 and 139
// without an answer that selects their formula).
std::optional<Ayuda> fAyudaCasilla(int n, const QString &optIEAN, const QString &optAnexo);

} // namespace AyudasCasillas
