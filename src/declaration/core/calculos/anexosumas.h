#pragma once
// The annex sums of boxes 117, 120, 128 and 131: monthly amounts of the annex
// rows times the month's update factor, each month rounded before the sum.
// Where the rows come from is a hook: the entry window reads ACTA, the
// sent-declaration viewer reads HACTA of the send it shows.
#include <QHash>
#include <QList>
#include <QString>
#include <QVector>
#include <array>

// Amount columns of an annex row.
enum class ColumnaAnexo { Saluti, Compen, Otrcre, PagoR, PagoIeanR, PagoIean };
constexpr int kColumnasAnexo = 6;

struct FilaAnexo {
    QString perPag;                                // "YYYYMM"
    std::array<QString, kColumnasAnexo> montos;    // as stored ("" for Null)
    const QString &monto(ColumnaAnexo c) const { return montos[int(c)]; }
};

class FuenteAnexos {
public:
    virtual ~FuenteAnexos() = default;
    // The declaration's annex rows of one annex type, in stored order; the
    // sums use the first row of each month.
    virtual QList<FilaAnexo> filas(const QString &ruc, const QString &tipoAsist) = 0;
    // FAC factors of one tax code by PERIODO ("YYMM"); a month without a row
    // is absent (first row wins when there are several).
    virtual QHash<QString, double> factores(const QString &codTri) = 0;
};

// Reads the open database (gdbBase) with the current gsPeriodo and
// gsFormulario, through bound values. Enviada: HACTA rows of gsCorrel.
class FuenteAnexosBd : public FuenteAnexos {
public:
    explicit FuenteAnexosBd(bool enviada = false) : m_enviada(enviada) {}
    QList<FilaAnexo> filas(const QString &ruc, const QString &tipoAsist) override;
    QHash<QString, double> factores(const QString &codTri) override;
private:
    bool m_enviada;
};

// One annex sum: months, tax code, annex type, the month amount's columns.
struct DefinicionAnexo {
    int primerMes = 1;          // month index: 1..12 of 1998, 13..15 Jan-Mar 1999
    int ultimoMes = 15;
    QString codTri;             // "030301" payments on account, "030304" IEAN
    QString tipoAsist;          // fixed annex type; empty with tipoPorOpciones
    bool tipoPorOpciones = false;   // "2" IEAN yes + annex no, else "3" IEAN no, else ""
    QVector<QPair<ColumnaAnexo, int>> columnas;   // column and its sign
    bool negativoACero = false;
    bool mesesEnCero = false;   // months without row count as "0" instead of ""
};

enum class SumaAnexo { S128_131, S128A_131A, S120, S117 };

struct DefinicionesAnexo {
    std::array<DefinicionAnexo, 4> def;
    const DefinicionAnexo &operator[](SumaAnexo s) const { return def[int(s)]; }
    DefinicionAnexo &operator[](SumaAnexo s) { return def[int(s)]; }
    // The entry window's sums.
    static DefinicionesAnexo declaracion();
    // The viewer's: box 120 adds pago_iean to pago_iean_r.
    static DefinicionesAnexo enviada();
};

namespace anexos {
// PER_PAG of a month index (year gsPeriodo for 1..12, "1999" after).
QString perPag(int mes, const QString &periodo);
// FAC PERIODO of a month index ("98MM" or "99MM").
QString periodoFac(int mes);
// Name of the amount column in ACTA and HACTA ("saluti", ..., "pago_iean").
QString columna(ColumnaAnexo c);

struct EntradaSuma {
    const DefinicionAnexo *def;
    QString tipoAsist;           // already decided
    bool aplicaFactores;         // v(332) > 0 or |333| != 0
    QString periodo;             // gsPeriodo
};
// Total of the sum before the box is written (negative kept unless the
// definition replaces it by 0).
double total(FuenteAnexos &fuente, const QString &ruc, const EntradaSuma &e);
} // namespace anexos
