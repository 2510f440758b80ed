#include "calc/calculo_cargas.h"

#include "calc/comprobaciones.h"
#include "format/ida_y_vuelta.h"
#include "format/lee_numero.h"
#include "input/magnitud.h"
#include "util/ultimo_valor.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace tubrix {
namespace {

// The ten-digit pi of the traffic formulas (angles go through Rad_Por_Grado instead).
constexpr double kPi = 3.141592654;

// Standard vehicles: the wheel load spread on a contact circle, the rest of the vehicle as a
// point load at the distance a, and the impact factor that belongs to the vehicle class.
struct Vehiculo {
    double Pw; // wheel load, kN
    double r;  // contact radius, m
    double R;  // remaining load, kN
    double a;  // distance of the remaining load, m
    double Fi; // impact factor
};

constexpr std::array<Vehiculo, 5> kVehiculos{{
    {40, 0.15, 80, 2.26, 1.5},   // LT 12
    {50, 0.18, 250, 1.82, 1.4},  // HT 26
    {50, 0.18, 250, 1.82, 1.4},  // HT 30
    {65, 0.21, 350, 1.82, 1.2},  // HT 39
    {100, 0.25, 500, 1.82, 1.2}, // HT 60
}};

struct CargaTierras {
    double Cz = 0, Cz90 = 0, Cn = 0, Cn90 = 0, Pe = 0, Xo = 0, Xoc = 0;
};

struct CargaTrafico {
    double Pf = 0, aF = 0, P = 0, Fi = 0, Pv = 0;
};

// Silo coefficient of the trench walls: x = 2 h / B · K1 · tan ρ'.
Resultado<double> exponenteSilo(const Proyecto& p, double h, const char* nombreAltura) {
    constexpr auto magnitud = "el coeficiente de carga de tierras (Cz90)";
    if (auto r = exigeNoNulo(magnitud, "la anchura de la zanja (B)", p.B); !r)
        return fallo<double>(r);
    if (auto r = exigeNoNulo(magnitud, nombreAltura, h); !r)
        return fallo<double>(r);
    if (auto r = exigeNoNulo(magnitud, "el coeficiente de empuje (K1)", p.K1); !r)
        return fallo<double>(r);
    // The soil's angle: the same from section to section of a batch.
    thread_local UltimoValor tangente;
    const double t = tangente(p.Ro_Prima * p.Rad_Por_Grado, [](double a) { return std::tan(a); });
    return 2 * h / p.B * p.K1 * t;
}

// Coefficients of the trench part with height h (vertical walls, then the actual slope Beta).
Resultado<CargaTierras> coeficientesZanja(const Proyecto& p, double h, const char* nombreAltura) {
    CargaTierras c;
    if (p.Ro_Prima == 0) {
        c.Cz = c.Cz90 = c.Xo = c.Xoc = 1;
        c.Cn = c.Cn90 = 1;
    } else if (p.Beta < p.Ro) {
        // Walls flatter than the friction angle carry nothing: the full column of soil acts.
        c.Cz = 1;
        c.Cz90 = 0;
        c.Xoc = 1;
        c.Xo = 0;
        c.Cn = 1;
        c.Cn90 = 0;
    } else {
        const auto x = exponenteSilo(p, h, nombreAltura);
        if (!x)
            return tl::unexpected(x.error());
        const double decaimiento = std::exp(-*x);
        c.Cz90 = (1 - decaimiento) / *x;
        c.Cz = 1 - (1 - c.Cz90) * p.Beta / 90;
        c.Cn90 = decaimiento;
        c.Cn = 1 - (p.Beta / 90) * (1 - c.Cn90);
        c.Xo = decaimiento;
        c.Xoc = 1 - (p.Beta / 90) * (1 - c.Xo);
    }
    return c;
}

// Soil load by load case; none for a case without formula (the stored values stay).
Resultado<std::optional<CargaTierras>> calculaTierras(const Proyecto& p) {
    if (p.Caso_Zanja == 1.0) {
        auto c = coeficientesZanja(p, p.H, "la altura de relleno (H)");
        if (!c)
            return tl::unexpected(c.error());
        // A plain trench has no embankment part.
        c->Cn90 = 0;
        c->Cn = 0;
        c->Pe = c->Cz * p.Gamma_1 * p.H;
        return *c;
    }
    if (p.Caso_Zanja == 2.0) {
        // Under an embankment there are no walls to carry part of the load.
        CargaTierras c;
        c.Cz = c.Cz90 = c.Xo = c.Xoc = 1;
        c.Pe = c.Cz * p.Gamma_2 * p.H;
        return c;
    }
    if (p.Caso_Zanja == 3.0) {
        auto c = coeficientesZanja(p, p.H1, "la altura de relleno sobre la clave (H1)");
        if (!c)
            return tl::unexpected(c.error());
        c->Pe = c->Cz * p.Gamma_1 * p.H1 + c->Cn * p.Gamma_2 * p.H2;
        return *c;
    }
    return std::optional<CargaTierras>{};
}

Resultado<CargaTrafico> calculaTrafico(const Proyecto& p) {
    const int i = p.Tipo_Vehiculo;
    if (i < 0 || i > static_cast<int>(kVehiculos.size()))
        return falla(CodigoError::DatoNoCalculable,
                     "No se puede calcular la carga de tráfico: el tipo de vehículo " +
                         std::to_string(i) + " no existe (0 a 5).");

    const double HT = p.H_Total;
    CargaTrafico c;
    c.Fi = p.Fi; // no traffic keeps the impact factor shown last
    if (i == 0) {
        c.Pf = 0;
    } else {
        if (auto r =
                exigeNoNulo("la carga de tráfico (Pf)", "la altura total de recubrimiento (H)", HT);
            !r)
            return fallo<CargaTrafico>(r);
        const Vehiculo& v = kVehiculos[static_cast<std::size_t>(i - 1)];
        c.Fi = v.Fi;
        // Boussinesq: the wheel as a loaded circle straight above, the rest of the vehicle as a
        // point load at the distance a.
        const double p1 = v.Pw / (std::pow(v.r, 2) * kPi);
        const double c1 = std::pow(1 / (std::pow(v.r / HT, 2) + 1), 3.0 / 2.0);
        const double p2 = (v.R * 3 / 2 / kPi) / std::pow(HT, 2);
        const double c2 = std::pow(1 / (std::pow(v.a / HT, 2) + 1), 5.0 / 2.0);
        c.Pf = c2 * p2 + (1 - c1) * p1;
    }

    // Small covers: the load spreads less over a pipe of diameter dm.
    if (auto r =
            exigePositivo("el factor de corrección (aF)", "el radio medio del tubo (Rm)", p.Rm);
        !r)
        return fallo<CargaTrafico>(r);
    const double dm = 2 * p.Rm / 1000;
    // The pipe's diameter: the same from section to section of a batch.
    thread_local UltimoValor potenciaDm;
    const double dm23 = potenciaDm(dm, [](double d) { return std::pow(d, 2.0 / 3.0); });
    c.aF = 1 - 0.9 / ((4 * std::pow(HT, 2) + std::pow(HT, 6)) / (1.1 * dm23) + 0.9);
    c.P = c.aF * c.Pf;
    c.Pv = c.P * c.Fi;
    return c;
}

const char* textoInstalacion(std::int16_t tipo) {
    switch (tipo) {
    case 1:
        return "Tipo 1: En zanja o bajo terraplén";
    case 2:
        return "Tipo 2: En zanja terraplenada";
    case 3:
        return "Tipo 3: 2 conducciones en la misma zanja";
    default:
        return "";
    }
}

const char* textoTrafico(std::int16_t tipo) {
    switch (tipo) {
    case 0:
        return "Sin tráfico";
    case 1:
        return "LT 12: Tráfico ligero";
    case 2:
        return "HT 26: Tráfico medio";
    case 3:
        return "HT 30: Tráfico medio";
    case 4:
        return "HT 39: Tráfico pesado";
    case 5:
        return "HT 60: Tráfico pesado";
    default:
        return "";
    }
}

} // namespace

std::optional<double> Factor_Impacto_Vehiculo(std::int16_t tipoVehiculo) {
    if (tipoVehiculo < 1 || tipoVehiculo > static_cast<std::int16_t>(kVehiculos.size()))
        return std::nullopt;
    return kVehiculos[static_cast<std::size_t>(tipoVehiculo - 1)].Fi;
}

Resultado<void> Calcula_Cargas(Proyecto& p) {
    const auto tierras = calculaTierras(p);
    if (!tierras)
        return tl::unexpected(tierras.error());
    const auto trafico = calculaTrafico(p);
    if (!trafico)
        return tl::unexpected(trafico.error());

    if (const auto& t = *tierras) {
        if (auto r = exigeFinitos({{"Cz", t->Cz},
                                   {"Cz90", t->Cz90},
                                   {"Cn", t->Cn},
                                   {"Cn90", t->Cn90},
                                   {"Pe", t->Pe},
                                   {"Xo", t->Xo},
                                   {"Xoc", t->Xoc}});
            !r)
            return r;
    }
    if (auto r = exigeFinitos(
            {{"Pf", trafico->Pf}, {"aF", trafico->aF}, {"P", trafico->P}, {"Pv", trafico->Pv}});
        !r)
        return r;

    if (const auto& t = *tierras) {
        p.Cz = t->Cz;
        p.Cz90 = t->Cz90;
        p.Cn = t->Cn;
        p.Cn90 = t->Cn90;
        p.Pe = t->Pe;
        p.Xo = t->Xo;
        p.Xoc = t->Xoc;
    }
    p.Pf = trafico->Pf;
    p.aF = trafico->aF;
    p.P = trafico->P;
    p.Fi = trafico->Fi;
    p.Pv = trafico->Pv;
    return {};
}

Resultado<VistaCalculoCargas> Abre_Calculo_Cargas(Proyecto& p, const Separadores& separadores) {
    if (auto r = Calcula_Cargas(p); !r)
        return tl::unexpected(r.error());
    VistaCalculoCargas vista;
    vista.textoInstalacion = textoInstalacion(p.Tipo_Instalacion);
    vista.textoTrafico = textoTrafico(p.Tipo_Vehiculo);
    // The trench and embankment cases grey out the embankment coefficients; a case without
    // formula leaves the controls as designed (enabled).
    vista.cnHabilitado = p.Caso_Zanja != 1.0 && p.Caso_Zanja != 2.0;
    const bool hay = p.Hay_Cargas_Superficie != 0;
    vista.hayCargasSuperficie = hay;
    vista.p0Habilitado = hay;
    vista.muestraXo = hay;
    vista.entrada.textoP0 = cajaGeneralDe(p.P0, separadores);
    return vista;
}

void Marca_Cargas_Superficie(Proyecto& p, bool marcada) {
    p.Hay_Cargas_Superficie = marcada ? kSi : kNo;
}

std::optional<Rechazo> Cierra_Calculo_Cargas(Proyecto& p, const EntradaCalculoCargas& entrada,
                                             Boton boton) {
    if (boton == Boton::Atras) {
        p.Codigo_Navegacion = kNavegacionAtras;
        return std::nullopt;
    }
    // A cleared check box only disables the box: its number is still the load P0, so its range
    // is checked all the same (a negative load would relieve the pipe).
    static constexpr Magnitud kCargaP0{"la carga superficial P0", "kN/m2"};
    const auto p0 = Lee_Magnitud(entrada.textoP0, kCargaP0, p.Hay_Cargas_Superficie != 0);
    if (!p0)
        return Rechazo_Magnitud(p0.error(), 0);
    p.P0 = *p0;
    p.Codigo_Navegacion = kNavegacionSiguiente;
    return std::nullopt;
}

} // namespace tubrix
