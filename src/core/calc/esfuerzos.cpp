#include "calc/esfuerzos.h"

#include "calc/comprobaciones.h"
#include "format/ida_y_vuelta.h"

#include <cstddef>

namespace tubrix {
namespace {

constexpr std::size_t kColumnas = kUltimaColumnaApoyo - kPrimeraColumnaApoyo + 1;

// One coefficient table, laid out as it is printed: by load case, then point, then the seven
// bedding columns.
using TablaCoeficientes =
    std::array<std::array<std::array<double, kColumnas>, kPuntos.size()>, kCasosCarga.size()>;

// Moment coefficients m. The water-filling moments are half the self-weight ones of the same
// column and point (rounded to three decimals); that is what fixes 0.157 at the crown of
// Tipo II 120 degrees, where a transposed 0.517 would more than triple the crown moment.
constexpr TablaCoeficientes kMomentos{{
    // qvt
    {{{0.286, 0.274, 0.261, 0.266, 0.240, 0.163, 0.250},
      {-0.293, -0.279, -0.265, -0.271, -0.240, -0.125, -0.250},
      {0.377, 0.314, 0.275, 0.277, 0.202, 0.087, 0.250}}},
    // qh
    {{{-0.250, -0.250, -0.250, -0.245, -0.232, -0.163, -0.250},
      {0.250, 0.250, 0.250, 0.244, 0.228, 0.125, 0.250},
      {-0.250, -0.250, -0.250, -0.224, -0.187, -0.087, -0.250}}},
    // qh*: a solid bed (Tipo II) takes no horizontal bedding reaction
    {{{-0.181, -0.181, -0.181, 0.000, 0.000, 0.000, -0.181},
      {0.208, 0.208, 0.208, 0.000, 0.000, 0.000, 0.208},
      {-0.181, -0.181, -0.181, 0.000, 0.000, 0.000, -0.181}}},
    // self weight
    {{{0.459, 0.419, 0.381, 0.396, 0.314, 0.071, 0.345},
      {-0.529, -0.485, -0.440, -0.460, -0.362, 0.000, -0.393},
      {0.840, 0.642, 0.520, 0.524, 0.291, -0.071, 0.441}}},
    // water filling
    {{{0.229, 0.210, 0.190, 0.198, 0.157, 0.035, 0.172},
      {-0.264, -0.243, -0.220, -0.230, -0.181, 0.000, -0.196},
      {0.420, 0.321, 0.260, 0.262, 0.145, -0.035, 0.220}}},
}};

// Normal-force coefficients n.
constexpr TablaCoeficientes kAxiales{{
    // qvt
    {{{0.080, 0.053, 0.027, 0.038, -0.020, -0.212, 0.000},
      {-1.000, -1.000, -1.000, -1.000, -1.000, -1.000, -1.000},
      {0.080, -0.053, -0.027, -0.452, -0.558, -0.788, 0.000}}},
    // qh
    {{{-1.000, -1.000, -1.000, -0.989, -0.960, -0.788, -1.000},
      {0.000, 0.000, 0.000, 0.000, 0.000, 0.000, 0.000},
      {-1.000, -1.000, -1.000, -0.718, -0.540, -0.212, -1.000}}},
    // qh*
    {{{-0.577, -0.577, -0.577, 0.000, 0.000, 0.000, -0.577},
      {0.000, 0.000, 0.000, 0.000, 0.000, 0.000, 0.000},
      {-0.577, -0.577, -0.577, 0.000, 0.000, 0.000, -0.577}}},
    // self weight
    {{{0.417, 0.333, 0.250, 0.285, 0.105, -0.500, 0.167},
      {-1.571, -1.571, -1.571, -1.571, -1.571, -1.571, -1.571},
      {-0.417, -0.333, -0.250, -1.587, -1.918, -2.642, -0.167}}},
    // water filling
    {{{0.708, 0.667, 0.625, 0.643, 0.552, 0.250, 0.583},
      {0.215, 0.215, 0.215, 0.215, 0.215, 0.215, 0.215},
      {1.292, 1.333, 1.375, 0.707, 0.541, 0.179, 1.417}}},
}};

double lee(const TablaCoeficientes& tabla, int columna, Punto punto, CasoCarga caso) {
    if (columna < kPrimeraColumnaApoyo || columna > kUltimaColumnaApoyo)
        return 0.0;
    return tabla[static_cast<std::size_t>(caso)][static_cast<std::size_t>(punto)]
                [static_cast<std::size_t>(columna - kPrimeraColumnaApoyo)];
}

// Unit weight of the water that fills the pipe, kN/m3.
constexpr double kPesoEspecificoAgua = 10.0;

struct CargasPlazo {
    double vertical = 0;   // qvt
    double horizontal = 0; // qh
    double reaccion = 0;   // qh*
};

struct Esfuerzos {
    TablaEsfuerzos momentos;
    TablaEsfuerzos axiales;
    PorPunto<double> sumaMomentos;
    PorPunto<double> sumaAxiales;
};

std::string numeroRomano(std::int16_t tipo) {
    switch (tipo) {
    case 1:
        return "I";
    case 2:
        return "II";
    case 3:
        return "III";
    default:
        return {};
    }
}

Error sinColumna(std::int16_t tipo, double angulo) {
    const std::string romano = numeroRomano(tipo);
    if (romano.empty())
        return Error{CodigoError::DatoNoCalculable, "El tipo de apoyo " + std::to_string(tipo) +
                                                        " no tiene coeficientes de esfuerzos."};
    return Error{CodigoError::DatoNoCalculable,
                 "El apoyo tipo " + romano + " con un ángulo de " +
                     formateaGeneral(angulo, Separadores::espanol()) +
                     " grados no tiene coeficientes de esfuerzos."};
}

Resultado<Esfuerzos> calculaEsfuerzos(const Proyecto& p, const CargasPlazo& q) {
    const auto columna = Columna_Apoyo(p.Tipo_Apoyo, p.Angulo_Apoyo);
    if (!columna)
        return tl::unexpected(sinColumna(p.Tipo_Apoyo, p.Angulo_Apoyo));

    const double r = p.Rm / 1000.0;
    const double s = p.Espesor;
    const double gamma = p.Gamma_Tubo;

    Esfuerzos e;
    for (const Punto punto : kPuntos) {
        const auto m = [&](CasoCarga c) {
            return Coeficiente_Momento(*columna, punto, c);
        };
        const auto n = [&](CasoCarga c) {
            return Coeficiente_Axil(*columna, punto, c);
        };

        e.momentos(punto, CasoCarga::CargaVertical) =
            r * r * m(CasoCarga::CargaVertical) * q.vertical;
        e.axiales(punto, CasoCarga::CargaVertical) = n(CasoCarga::CargaVertical) * q.vertical * r;

        e.momentos(punto, CasoCarga::CargaHorizontal) =
            r * r * m(CasoCarga::CargaHorizontal) * q.horizontal;
        e.axiales(punto, CasoCarga::CargaHorizontal) =
            n(CasoCarga::CargaHorizontal) * q.horizontal * r;

        e.momentos(punto, CasoCarga::ReaccionHorizontal) =
            r * r * m(CasoCarga::ReaccionHorizontal) * q.reaccion;
        e.axiales(punto, CasoCarga::ReaccionHorizontal) =
            n(CasoCarga::ReaccionHorizontal) * q.reaccion * r;

        // Self weight g = s / 1000 * gamma, a load per m2 of wall (kN/m2).
        e.momentos(punto, CasoCarga::PesoPropio) =
            r * r * m(CasoCarga::PesoPropio) * s / 1000.0 * gamma;
        e.axiales(punto, CasoCarga::PesoPropio) = n(CasoCarga::PesoPropio) * s / 1000.0 * gamma * r;

        // The water filling weighs in proportion to the area of the bore: one power of r more.
        e.momentos(punto, CasoCarga::PesoAgua) =
            r * r * r * m(CasoCarga::PesoAgua) * kPesoEspecificoAgua;
        e.axiales(punto, CasoCarga::PesoAgua) =
            r * r * n(CasoCarga::PesoAgua) * kPesoEspecificoAgua;

        double sumaM = 0.0;
        double sumaN = 0.0;
        for (const CasoCarga caso : kCasosCarga) {
            sumaM += e.momentos(punto, caso);
            sumaN += e.axiales(punto, caso);
        }
        e.sumaMomentos[punto] = sumaM;
        e.sumaAxiales[punto] = sumaN;
    }

    for (const Punto punto : kPuntos) {
        if (auto ok = exigeFinito("los momentos flectores", e.sumaMomentos[punto]); !ok)
            return tl::unexpected(ok.error());
        if (auto ok = exigeFinito("los esfuerzos axiles", e.sumaAxiales[punto]); !ok)
            return tl::unexpected(ok.error());
        for (const CasoCarga caso : kCasosCarga) {
            if (auto ok = exigeFinito("los momentos flectores", e.momentos(punto, caso)); !ok)
                return tl::unexpected(ok.error());
            if (auto ok = exigeFinito("los esfuerzos axiles", e.axiales(punto, caso)); !ok)
                return tl::unexpected(ok.error());
        }
    }
    return e;
}

} // namespace

double Coeficiente_Momento(int columna, Punto punto, CasoCarga caso) {
    return lee(kMomentos, columna, punto, caso);
}

double Coeficiente_Axil(int columna, Punto punto, CasoCarga caso) {
    return lee(kAxiales, columna, punto, caso);
}

std::optional<int> Columna_Apoyo(std::int16_t tipoApoyo, double anguloApoyo) {
    switch (tipoApoyo) {
    case 1:
        if (anguloApoyo == 60)
            return 1;
        if (anguloApoyo == 90)
            return 2;
        if (anguloApoyo == 120)
            return 3;
        return std::nullopt;
    case 2:
        if (anguloApoyo == 90)
            return 4;
        if (anguloApoyo == 120)
            return 5;
        if (anguloApoyo == 180)
            return 6;
        return std::nullopt;
    case 3:
        // Granular bedding up to the crown embraces the whole invert whatever angle is stored.
        return 7;
    default:
        return std::nullopt;
    }
}

std::string Texto_Tipo_Apoyo(std::int16_t tipoApoyo) {
    const std::string romano = numeroRomano(tipoApoyo);
    return romano.empty() ? std::string() : "Tipo " + romano;
}

std::string Texto_Angulo_Apoyo(std::int16_t tipoApoyo, double anguloApoyo) {
    const auto columna = Columna_Apoyo(tipoApoyo, anguloApoyo);
    if (!columna)
        return "error";
    switch (*columna) {
    case 1:
        return " 60 º";
    case 2:
    case 4:
        return " 90 º";
    case 3:
    case 5:
        return "120 º";
    default:
        return "180 º";
    }
}

namespace {

Resultado<void> calculaYGuarda(Proyecto& p, const CargasPlazo& cargas, TablaEsfuerzos& momentos,
                               TablaEsfuerzos& axiales, PorPunto<double>& sumaMomentos,
                               PorPunto<double>& sumaAxiales) {
    auto calculado = calculaEsfuerzos(p, cargas);
    if (!calculado)
        return tl::unexpected(calculado.error());
    p.Momentos_Trabajo = calculado->momentos;
    p.Axiales_Trabajo = calculado->axiales;
    momentos = calculado->momentos;
    axiales = calculado->axiales;
    sumaMomentos = calculado->sumaMomentos;
    sumaAxiales = calculado->sumaAxiales;
    return {};
}

} // namespace

Resultado<void> Calcula_Esfuerzos_Corto(Proyecto& p) {
    return calculaYGuarda(p, CargasPlazo{p.Qvt, p.Qh, p.Qh_Estrella}, p.Momentos, p.Axiales,
                          p.Suma_Momentos, p.Suma_Axiales);
}

Resultado<void> Calcula_Esfuerzos_Largo(Proyecto& p) {
    return calculaYGuarda(p, CargasPlazo{p.Qvt_LP, p.Qh_LP, p.Qh_Estrella_LP}, p.Momentos_LP,
                          p.Axiales_LP, p.Suma_Momentos_LP, p.Suma_Axiales_LP);
}

VistaEsfuerzos Vista_Esfuerzos(const Proyecto& p, Plazo plazo, const Separadores& separadores) {
    const bool largo = plazo == Plazo::Largo;
    VistaEsfuerzos vista;
    vista.titulo = largo ? "Cálculo de esfuerzos Largo Plazo" : "Cálculo de esfuerzos Corto Plazo";
    vista.textoTipo = Texto_Tipo_Apoyo(p.Tipo_Apoyo);
    vista.textoAngulo = Texto_Angulo_Apoyo(p.Tipo_Apoyo, p.Angulo_Apoyo);
    if (!Columna_Apoyo(p.Tipo_Apoyo, p.Angulo_Apoyo))
        return vista;

    const TablaEsfuerzos& momentos = largo ? p.Momentos_LP : p.Momentos;
    const TablaEsfuerzos& axiales = largo ? p.Axiales_LP : p.Axiales;
    const PorPunto<double>& sumaMomentos = largo ? p.Suma_Momentos_LP : p.Suma_Momentos;
    const PorPunto<double>& sumaAxiales = largo ? p.Suma_Axiales_LP : p.Suma_Axiales;

    constexpr std::size_t kCeldasPorPunto = 12;
    constexpr std::size_t kPrimerAxil = 6;
    const auto texto = [&](double valor) {
        return formatea(valor, kFormatoEsfuerzo, separadores);
    };
    for (const Punto punto : kPuntos) {
        const std::size_t base = static_cast<std::size_t>(punto) * kCeldasPorPunto;
        for (const CasoCarga caso : kCasosCarga) {
            const auto k = static_cast<std::size_t>(caso);
            vista.celdas[base + k] = texto(momentos(punto, caso));
            vista.celdas[base + kPrimerAxil + k] = texto(axiales(punto, caso));
        }
        vista.celdas[base + kCasosCarga.size()] = texto(sumaMomentos[punto]);
        vista.celdas[base + kPrimerAxil + kCasosCarga.size()] = texto(sumaAxiales[punto]);
    }
    return vista;
}

} // namespace tubrix
