#include "chain/estudio.h"

#include "calc/verificacion.h"
#include "chain/utilizacion.h"

#include <array>
#include <cmath>

namespace tubrix {
namespace {

constexpr std::array<std::string_view, 5> kNombres = {"H", "Hf", "B", "E2", "P0"};

// The heights the installation screen accepts.
constexpr double kRecubrimientoMinimo = 0.5;
constexpr double kRecubrimientoMaximo = 20.0;
constexpr double kPrecisionLimite = 0.01; // m
constexpr int kPasosBusqueda = 80;

void aplica(Proyecto& p, Parametro parametro, double valor) {
    switch (parametro) {
    case Parametro::Recubrimiento:
        (p.Tipo_Instalacion == 2 ? p.H1 : p.H) = valor;
        break;
    case Parametro::Freatico:
        p.Nivel_Freatico = kSi;
        p.Hw = valor;
        break;
    case Parametro::Anchura:
        p.B = valor;
        break;
    case Parametro::ModuloE2:
        p.Opcion_Suelo_3 = kSi;
        p.E2 = valor;
        break;
    case Parametro::CargaP0:
        p.Hay_Cargas_Superficie = kSi;
        p.P0 = valor;
        break;
    }
}

bool validoEn(const Proyecto& seccion, const Catalogo& catalogo, double h) {
    return Calcula_Punto(seccion, catalogo, Parametro::Recubrimiento, h).valido;
}

// Bisection between a valid and a not-valid height down to the precision. The answer is a whole
// centimetre on the valid side, so the figure shown with two decimals is itself a valid height
// (a limit printed as 1,00 m must not be the height that was refused).
double frontera(const Proyecto& seccion, const Catalogo& catalogo, double valida, double noValida) {
    const double puntoValido = valida;
    while (std::fabs(noValida - valida) > kPrecisionLimite) {
        const double medio = (valida + noValida) / 2;
        (validoEn(seccion, catalogo, medio) ? valida : noValida) = medio;
    }
    // Towards the valid sweep point: down from a greatest height, up from a least one.
    const double haciaDentro = noValida > valida ? -1.0 : 1.0;
    constexpr double kHolgura = 1e-9; // a height already on the centimetre stays there
    double centimetros =
        haciaDentro < 0 ? std::floor(valida * 100 + kHolgura) : std::ceil(valida * 100 - kHolgura);
    while ((centimetros / 100 - puntoValido) * haciaDentro < 0) {
        if (validoEn(seccion, catalogo, centimetros / 100))
            return centimetros / 100;
        centimetros += haciaDentro;
    }
    // The sweep point itself lies between centimetres: the first centimetre past it, on the
    // valid side, when that is valid too; a limit shown as 0,74 m must not stand for 0,74375.
    if (std::fabs(centimetros / 100 - puntoValido) > kHolgura &&
        validoEn(seccion, catalogo, centimetros / 100))
        return centimetros / 100;
    return puntoValido;
}

} // namespace

std::string_view nombreParametro(Parametro parametro) {
    return kNombres[static_cast<std::size_t>(parametro)];
}

std::optional<Parametro> parametroDeNombre(std::string_view nombre) {
    for (std::size_t i = 0; i < kNombres.size(); ++i)
        if (kNombres[i] == nombre)
            return static_cast<Parametro>(i);
    return std::nullopt;
}

namespace {

// Sweeping E2 turns the soil data into typed values: the others must hold what the soil screen
// would show, so a section that still uses the standard values is calculated once first.
Proyecto preparada(const Proyecto& seccion, const Catalogo& catalogo, Parametro parametro) {
    Proyecto base = seccion;
    if (parametro == Parametro::ModuloE2 && base.Opcion_Suelo_3 != kSi)
        (void)Calcula_Seccion(base, catalogo);
    return base;
}

PuntoEstudio calculaPreparada(const Proyecto& base, const Catalogo& catalogo, Parametro parametro,
                              double valor) {
    Proyecto p = base;
    aplica(p, parametro, valor);
    PuntoEstudio punto;
    punto.valor = valor;
    punto.rechazo = Calcula_Seccion(p, catalogo);
    if (punto.rechazo)
        return punto;
    const UsosVerificacion usos = Utilizaciones(p);
    punto.utilizacion = usos.utilizacion;
    punto.coeficienteNoPositivo = usos.coeficienteNoPositivo;
    punto.valido = Tubo_Valido(p);
    punto.deformacionCorto = p.Dv_Relativa;
    punto.deformacionLargo = p.Dv_Relativa_LP;
    return punto;
}

} // namespace

PuntoEstudio Calcula_Punto(const Proyecto& seccion, const Catalogo& catalogo, Parametro parametro,
                           double valor) {
    return calculaPreparada(preparada(seccion, catalogo, parametro), catalogo, parametro, valor);
}

std::vector<PuntoEstudio> Estudio_Parametrico(const Proyecto& seccion, const Catalogo& catalogo,
                                              Parametro parametro, double desde, double hasta,
                                              int pasos) {
    std::vector<PuntoEstudio> puntos;
    const int n = std::max(pasos, 1);
    puntos.reserve(static_cast<std::size_t>(n) + 1);
    const Proyecto base = preparada(seccion, catalogo, parametro);
    for (int i = 0; i <= n; ++i)
        puntos.push_back(
            calculaPreparada(base, catalogo, parametro, desde + (hasta - desde) * i / n));
    return puntos;
}

LimitesProfundidad Limites_Profundidad(const Proyecto& seccion, const Catalogo& catalogo) {
    const auto barrido =
        Estudio_Parametrico(seccion, catalogo, Parametro::Recubrimiento, kRecubrimientoMinimo,
                            kRecubrimientoMaximo, kPasosBusqueda);
    LimitesProfundidad limites;
    for (const PuntoEstudio& punto : barrido) {
        if (!punto.rechazo)
            continue;
        ++limites.alturasRechazadas;
        if (!limites.primerRechazo)
            limites.primerRechazo = punto.rechazo;
    }
    if (limites.alturasRechazadas == static_cast<int>(barrido.size())) {
        // Refused at every height: what the screens say of the section as it was entered, or
        // (when that height passes where none of the sweep did) of the first height tried.
        Proyecto entrada = seccion;
        limites.rechazo = Calcula_Seccion(entrada, catalogo);
        if (!limites.rechazo)
            limites.rechazo = limites.primerRechazo;
        return limites;
    }
    for (std::size_t i = 0; i < barrido.size(); ++i) {
        if (!barrido[i].valido)
            continue;
        if (!limites.minima)
            limites.minima =
                i == 0 ? barrido[i].valor
                       : frontera(seccion, catalogo, barrido[i].valor, barrido[i - 1].valor);
        limites.maxima =
            i + 1 == barrido.size()
                ? barrido[i].valor
                : (barrido[i + 1].valido
                       ? barrido[i].valor
                       : frontera(seccion, catalogo, barrido[i].valor, barrido[i + 1].valor));
    }
    return limites;
}

} // namespace tubrix
