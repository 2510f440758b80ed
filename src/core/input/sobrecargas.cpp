#include "input/sobrecargas.h"

#include "calc/calculo_cargas.h"
#include "calc/comprobaciones.h"
#include "format/lee_numero.h"
#include "input/magnitud.h"

#include <cmath>
#include <utility>

namespace tubrix {
namespace {

constexpr std::array<VehiculoTrafico, 5> kVehiculos = {{
    {"LT 12", 2, 2, 3, 40},
    {"HT 26", 2, 2, 3, 65},
    {"HT 30", 3, 2, 2, 65},
    {"HT 39", 3, 2, 1.5, 65},
    {"HT 60", 3, 2, 1.5, 100},
}};

constexpr std::string_view kSinTraficoTexto = "Sin tráfico";

constexpr std::array<MaterialFirme, 9> kMateriales = {{
    {"Tierra - cemento", 50, 2000},
    {"Grava - cemento", 1000, 15000},
    {"Macadan", 90, 350},
    {"Gravilla compactadas", 100, 900},
    {"Escorias compactadas", 80, 250},
    {"Aglomerado asfáltico", 6000, 20000},
    {"Emulsión asfáltica", 400, 4000},
    {"Hormigón pobre", 15000, 15000},
    {"Losas de hormigón", 21000, 35000},
}};

constexpr std::int16_t kFirmeNormal = 1;
constexpr std::int16_t kFirmeIrregular = 2;

constexpr const char* kPatronEspesor = "##0.0##";
constexpr const char* kPatronModulo = "####0.0#";
constexpr const char* kPatronAltura = "##,##0.0#";

bool esUne(const Proyecto& p) {
    return p.Norma == 1;
}

bool hayVehiculo(std::int16_t tipo) {
    return tipo >= 1 && tipo <= static_cast<std::int16_t>(kVehiculos.size());
}

// Whole number with halves to even: an axle spacing of 1,5 m is held as 2.
std::int16_t redondeaPar(double valor) {
    const double abajo = std::floor(valor);
    const double resto = valor - abajo;
    double entero = abajo;
    if (resto > 0.5 || (resto == 0.5 && std::fmod(abajo, 2.0) != 0))
        entero = abajo + 1;
    return static_cast<std::int16_t>(entero);
}

bool posicionEn(int posicion, std::size_t entradas) {
    return posicion >= 0 && static_cast<std::size_t>(posicion) < entradas;
}

struct FalloHe {
    Error error;
    std::optional<FocoSobrecargas> foco; // none when the input lies on another screen
};

constexpr std::string_view kMagnitudHe = "la altura equivalente de tierras He";

// A layer has a thickness of zero or more; a layer that is there has some stiffness (the cube
// root of a negative modulus gives no height, and a layer without stiffness is no pavement).
struct CajasCapa {
    FocoSobrecargas espesor;
    FocoSobrecargas modulo;
    Magnitud magnitudEspesor;
    std::string_view nombreModulo;
};

const PorCapa<CajasCapa>& cajasCapa() {
    static const PorCapa<CajasCapa> kCajas{{
        CajasCapa{FocoSobrecargas::EspesorSuperior, FocoSobrecargas::ModuloSuperior,
                  Magnitud{"el espesor de la capa superior", "m"},
                  "el módulo de compresión de la capa superior"},
        CajasCapa{FocoSobrecargas::EspesorInferior, FocoSobrecargas::ModuloInferior,
                  Magnitud{"el espesor de la capa inferior", "m"},
                  "el módulo de compresión de la capa inferior"},
    }};
    return kCajas;
}

FalloHe falloCaja(std::string texto, FocoSobrecargas foco) {
    return FalloHe{Error{CodigoError::DatoNoCalculable, std::move(texto)}, foco};
}

std::optional<FalloHe> calculaHe(Proyecto& p, const EntradaSobrecargas& entrada) {
    if (!esUne(p))
        return std::nullopt;
    // The layer boxes can be typed in only in a paved zone with traffic; elsewhere they keep
    // whatever they hold, read as Lee_Numero reads it.
    const bool habilitadas = p.Tipo_Vehiculo != kSinTrafico && p.Zona_Pavimentada != 0;
    PorCapa<double> espesor{}, modulo{};
    for (const Capa capa : kCapas) {
        const CajasCapa& c = cajasCapa()[capa];
        const auto e = Lee_Magnitud(entrada.espesor[capa], c.magnitudEspesor, habilitadas);
        if (!e)
            return falloCaja(e.error(), c.espesor);
        espesor[capa] = *e;
        const Magnitud magnitudModulo{c.nombreModulo, "N/mm2", 0, espesor[capa] == 0};
        const auto m = Lee_Magnitud(entrada.modulo[capa], magnitudModulo, habilitadas);
        if (!m)
            return falloCaja(m.error(), c.modulo);
        modulo[capa] = *m;
    }
    p.Espesor_Capa_Superior = espesor[Capa::Superior];
    p.Espesor_Capa_Inferior = espesor[Capa::Inferior];
    p.Modulo_Capa_Superior = modulo[Capa::Superior];
    p.Modulo_Capa_Inferior = modulo[Capa::Inferior];

    if (auto valido =
            exigePositivo(kMagnitudHe, "el módulo de deformación E1 del suelo de la zona 1", p.E1);
        !valido)
        return FalloHe{valido.error(), std::nullopt};

    // Each layer counts as the height of soil of equal bending stiffness: thickness times the
    // cube root of the ratio of its modulus to the soil's.
    const double tercio = 1.0 / 3.0;
    const double he = (p.Espesor_Capa_Superior * std::pow(p.Modulo_Capa_Superior, tercio) +
                       p.Espesor_Capa_Inferior * std::pow(p.Modulo_Capa_Inferior, tercio)) *
                          0.9 / std::pow(p.E1, tercio) +
                      p.H_Total;
    if (auto finito = exigeFinito(kMagnitudHe, he); !finito)
        return FalloHe{finito.error(), FocoSobrecargas::EspesorSuperior};
    p.He = he;
    return std::nullopt;
}

void muestraHe(const Proyecto& p, VistaSobrecargas& vista) {
    if (esUne(p))
        vista.textoHe = formateaEtiqueta(p.He, kPatronAltura, vista.separadores);
}

Resultado<void> recalculaHe(Proyecto& p, VistaSobrecargas& vista) {
    const auto resultado = Calcula_He_sobrecarga(p, vista.entrada);
    muestraHe(p, vista);
    return resultado;
}

// Selects a pavement material of the list and stores its code and guidance range.
void ponMaterial(Proyecto& p, VistaSobrecargas& vista, Capa capa, int posicion) {
    if (!posicionEn(posicion, kMateriales.size()))
        return;
    const MaterialFirme& material = kMateriales[static_cast<std::size_t>(posicion)];
    const auto codigo = static_cast<std::int16_t>(posicion + 1);
    (capa == Capa::Superior ? p.Material_Capa_Superior : p.Material_Capa_Inferior) = codigo;
    vista.materialSeleccionado[capa] = posicion;
    p.Modulo_Min[capa] = material.moduloMinimo;
    p.Modulo_Max[capa] = material.moduloMaximo;
    // The range only guides the user; the modulus box keeps what was typed.
    if (vista.separadores.etiquetas)
        vista.textoRango[capa] =
            Texto_Rango_Modulo(material.moduloMinimo, material.moduloMaximo, vista.separadores);
    else
        vista.textoRango[capa].clear();
}

} // namespace

std::span<const VehiculoTrafico> Tabla_Vehiculos() {
    return kVehiculos;
}

ListaTextos Lista_Vehiculos() {
    static constexpr auto kLista = [] {
        std::array<std::string_view, kVehiculos.size() + 1> textos{kSinTraficoTexto};
        for (std::size_t i = 0; i < kVehiculos.size(); ++i)
            textos[i + 1] = kVehiculos[i].nombre;
        return textos;
    }();
    return kLista;
}

std::string_view Clase_Vehiculo(std::int16_t tipoVehiculo) {
    switch (tipoVehiculo) {
    case 1:
        return "Ligero";
    case 2:
    case 3:
    case 4:
        // HT 39 reads "Medio" too, although it travels with the heavy impact factors.
        return "Medio";
    case 5:
        return "Pesado";
    default:
        return {};
    }
}

ListaTextos Lista_Coeficientes_Impacto(std::int16_t tipoVehiculo, std::int16_t tipoFirme) {
    static constexpr std::array<std::string_view, 8> kLigeroIrregular = {
        "1,50", "1,55", "1,60", "1,65", "1,70", "1,75", "1,80", "1,85"};
    static constexpr std::array<std::string_view, 1> kLigero = {"1,50"};
    static constexpr std::array<std::string_view, 8> kMedioIrregular = {
        "1,40", "1,45", "1,50", "1,55", "1,60", "1,65", "1,70", "1,75"};
    static constexpr std::array<std::string_view, 1> kMedio = {"1,4"};
    static constexpr std::array<std::string_view, 7> kPesadoIrregular = {
        "1,20", "1,25", "1,30", "1,35", "1,40", "1,45", "1,50"};
    static constexpr std::array<std::string_view, 1> kPesado = {"1,20"};
    const bool irregular = tipoFirme == kFirmeIrregular;
    switch (tipoVehiculo) {
    case 1:
        return irregular ? ListaTextos(kLigeroIrregular) : ListaTextos(kLigero);
    case 2:
    case 3:
    case 4:
        return irregular ? ListaTextos(kMedioIrregular) : ListaTextos(kMedio);
    case 5:
        return irregular ? ListaTextos(kPesadoIrregular) : ListaTextos(kPesado);
    default:
        return {};
    }
}

std::span<const MaterialFirme> Materiales_Firme() {
    return kMateriales;
}

std::string Texto_Rango_Modulo(double minimo, double maximo, const Separadores& separadores) {
    if (!separadores.etiquetas)
        return {};
    const std::string desde = formateaEtiqueta(minimo, "##,##0", separadores);
    if (minimo == maximo)
        return desde;
    return desde + " - " + formateaEtiqueta(maximo, "##,##0", separadores);
}

std::string Nota_Coeficiente_Impacto(std::int16_t tipoVehiculo, const Separadores& separadores) {
    const std::optional<double> fi = Factor_Impacto_Vehiculo(tipoVehiculo);
    if (!fi)
        return {};
    return "El coeficiente elegido no interviene en el cálculo: se aplica FI = " +
           formatea(*fi, "#0.0#", separadores) + ", el del vehículo.";
}

void Escribe_Datos(Proyecto& p, VistaSobrecargas& vista, std::int16_t tipoVehiculo) {
    const bool vehiculo = hayVehiculo(tipoVehiculo);
    if (vehiculo) {
        const VehiculoTrafico& v = kVehiculos[static_cast<std::size_t>(tipoVehiculo - 1)];
        p.Pc = v.pc;
        p.Distancia_Ruedas = redondeaPar(v.distanciaRuedas);
        p.Distancia_Ejes = v.distanciaEjes; // 1,5 m stays 1,5 m
        p.Numero_Ejes = v.numeroEjes;
    }
    // The rest are labels: an unshown screen (the forward pass) writes none.
    if (!vehiculo || !vista.separadores.etiquetas) {
        vista.notaImpacto.clear();
        vista.textoPc.clear();
        vista.textoDistanciaRuedas.clear();
        vista.textoDistanciaEjes.clear();
        vista.textoNumeroEjes.clear();
    } else {
        vista.textoPc = formatea(p.Pc, "##0", vista.separadores);
        vista.textoDistanciaRuedas = formatea(p.Distancia_Ruedas, "#0", vista.separadores);
        vista.textoDistanciaEjes = formatea(
            p.Distancia_Ejes, std::floor(p.Distancia_Ejes) == p.Distancia_Ejes ? "#0" : "#0.0",
            vista.separadores);
        vista.textoNumeroEjes = formatea(p.Numero_Ejes, "#0", vista.separadores);
        vista.notaImpacto = Nota_Coeficiente_Impacto(tipoVehiculo, vista.separadores);
    }
    if (vista.separadores.etiquetas)
        vista.clase = std::string(Clase_Vehiculo(tipoVehiculo));
    else
        vista.clase.clear();
}

Resultado<void> Calcula_He_sobrecarga(Proyecto& p, const EntradaSobrecargas& entrada) {
    if (auto fallo = calculaHe(p, entrada))
        return tl::unexpected(std::move(fallo->error));
    return {};
}

void Pon_Valores_Iniciales(Proyecto& p, VistaSobrecargas& vista) {
    const auto& s = vista.separadores;
    llenaCaja(vista.entrada.espesor[Capa::Superior], p.Espesor_Capa_Superior, kPatronEspesor, s);
    llenaCaja(vista.entrada.espesor[Capa::Inferior], p.Espesor_Capa_Inferior, kPatronEspesor, s);
    llenaCaja(vista.entrada.modulo[Capa::Superior], p.Modulo_Capa_Superior, kPatronModulo, s);
    llenaCaja(vista.entrada.modulo[Capa::Inferior], p.Modulo_Capa_Inferior, kPatronModulo, s);
    // A material not chosen yet shows the first of the list (and is stored so).
    const auto posicionMaterial = [](std::int16_t material) {
        return material < 1 ? 0 : material - 1;
    };
    ponMaterial(p, vista, Capa::Superior, posicionMaterial(p.Material_Capa_Superior));
    ponMaterial(p, vista, Capa::Inferior, posicionMaterial(p.Material_Capa_Inferior));
    // He does not depend on the materials, only on the four boxes: one calculation after both
    // lists are set gives what choosing each of them would. A refusal here leaves He as it was;
    // the next arrow reports it.
    (void)recalculaHe(p, vista);
    vista.textoH = formateaEtiqueta(p.H_Total, kPatronAltura, s);
}

VistaSobrecargas Abre_Sobrecargas(Proyecto& p, const Separadores& separadores) {
    VistaSobrecargas vista;
    vista.separadores = separadores;
    vista.cajaNorma = esUne(p) ? "Norma UNE" : "Norma ATV";
    vista.heVisible = esUne(p);
    if (separadores.etiquetas) {
        vista.vehiculos = Lista_Vehiculos();
        for (const MaterialFirme& m : kMateriales)
            vista.materiales.emplace_back(m.nombre);
    }

    if (posicionEn(p.Tipo_Vehiculo, kVehiculos.size() + 1))
        Elige_Vehiculo(p, vista, p.Tipo_Vehiculo);
    if (p.Tipo_Firme == kFirmeNormal || p.Tipo_Firme == kFirmeIrregular)
        Elige_Firme(p, vista, p.Tipo_Firme);
    if (!vista.coeficientes.empty() &&
        posicionEn(p.Indice_Firme_Irregular, vista.coeficientes.size()))
        Elige_Coeficiente_Impacto(p, vista, p.Indice_Firme_Irregular);
    Elige_Zona_Pavimentada(p, vista, p.Zona_Pavimentada != kNo);
    Pon_Valores_Iniciales(p, vista);
    return vista;
}

void Elige_Vehiculo(Proyecto& p, VistaSobrecargas& vista, int posicion) {
    p.Tipo_Vehiculo = static_cast<std::int16_t>(posicion);
    vista.vehiculoSeleccionado = posicion;
    Escribe_Datos(p, vista, p.Tipo_Vehiculo);
    if (hayVehiculo(p.Tipo_Vehiculo)) {
        vista.marcosHabilitados = true;
        Elige_Firme(p, vista, p.Tipo_Firme == kFirmeIrregular ? kFirmeIrregular : kFirmeNormal);
    } else {
        vista.marcosHabilitados = false;
        vista.coeficientes = {};
        vista.coeficienteSeleccionado = -1;
    }
    Elige_Coeficiente_Impacto(p, vista, vista.coeficienteSeleccionado);
}

void Elige_Firme(Proyecto& p, VistaSobrecargas& vista, std::int16_t tipoFirme) {
    p.Tipo_Firme = tipoFirme == kFirmeIrregular ? kFirmeIrregular : kFirmeNormal;
    vista.firmeSeleccionado = p.Tipo_Firme;
    vista.coeficientes = Lista_Coeficientes_Impacto(p.Tipo_Vehiculo, p.Tipo_Firme);
    vista.coeficienteSeleccionado = -1;
    if (vista.coeficientes.empty())
        return;
    // A normal surface has one factor; an irregular one goes back to the factor chosen before.
    const int posicion = p.Tipo_Firme == kFirmeNormal ? 0 : p.Indice_Firme_Irregular;
    if (posicionEn(posicion, vista.coeficientes.size()))
        Elige_Coeficiente_Impacto(p, vista, posicion);
}

void Elige_Coeficiente_Impacto(Proyecto& p, VistaSobrecargas& vista, int posicion) {
    const bool elegido = posicionEn(posicion, vista.coeficientes.size());
    vista.coeficienteSeleccionado = elegido ? posicion : -1;
    p.Indice_Firme_Irregular = static_cast<std::int16_t>(vista.coeficienteSeleccionado);
    p.Coeficiente_Impacto =
        Lee_Numero_Constante(elegido ? vista.coeficientes[static_cast<std::size_t>(posicion)] : "");
}

void Elige_Zona_Pavimentada(Proyecto& p, VistaSobrecargas& vista, bool si) {
    p.Zona_Pavimentada = si ? kSi : kNo;
    vista.zonaPavimentada = si;
    vista.capasHabilitadas = si;
}

Resultado<void> Elige_Material(Proyecto& p, VistaSobrecargas& vista, Capa capa, int posicion) {
    if (!posicionEn(posicion, kMateriales.size()))
        return {};
    ponMaterial(p, vista, capa, posicion);
    return recalculaHe(p, vista);
}

Resultado<void> Sale_De_Caja_Capa(Proyecto& p, VistaSobrecargas& vista) {
    return recalculaHe(p, vista);
}

std::optional<Rechazo> Cierra_Sobrecargas(Proyecto& p, const EntradaSobrecargas& entrada,
                                          Boton boton) {
    const auto fallo = calculaHe(p, entrada);
    if (boton == Boton::Atras) {
        p.Codigo_Navegacion = kNavegacionAtras;
        return std::nullopt;
    }
    // He is printed with the traffic loads: the wizard does not go on without a value for it.
    if (fallo)
        return Rechazo{Mensaje{fallo->error.mensaje, Icono::Informacion, true},
                       fallo->foco ? static_cast<int>(*fallo->foco) : -1, std::nullopt};
    p.Codigo_Navegacion = kNavegacionSiguiente;
    return std::nullopt;
}

} // namespace tubrix
