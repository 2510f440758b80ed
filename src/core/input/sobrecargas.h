#pragma once

#include "error.h"
#include "format/caja_texto.h"
#include "format/formato.h"
#include "input/lista_textos.h"
#include "input/rechazo.h"
#include "model/indices.h"
#include "model/proyecto.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tubrix {

// The surface loads screen: the traffic vehicle, the pavement surface with its impact factor
// and, under UNE, the two pavement layers from which the equivalent earth height He follows.

inline constexpr std::string_view kTituloSobrecargas = "Cálculo de sobrecargas concentradas";
inline constexpr std::string_view kCabeceraSobrecargas = "Sobrecargas verticales concentradas";
inline constexpr std::string_view kMarcoTrafico = "Tráfico y  tipo de vehículo";
inline constexpr std::string_view kPrefijoClaseTrafico = "Tráfico: ";
inline constexpr std::string_view kMarcoImpacto = "Coeficiente de impacto (fi)";
inline constexpr std::array<std::string_view, 2> kOpcionesFirme = {"Firme normal",
                                                                   "Firme irregular"};
inline constexpr std::string_view kMarcoAlturaEquivalente = "Altura equivalente de la tierra (m)";
inline constexpr std::string_view kPreguntaZonaPavimentada =
    "Conducción instalada en zona pavimentada";
inline constexpr std::string_view kEtiquetaHe = "Altura equivalente de tierras (He)";
// The loads are calculated without He and the pavement: the screen says so under them.
inline constexpr std::string_view kNotaHe =
    "La altura equivalente He y el firme no intervienen en el cálculo.";

// Traffic: list position 0 is "Sin tráfico", 1..5 the vehicles of the table.
inline constexpr std::int16_t kSinTrafico = 0;

// A vehicle of the traffic table.
struct VehiculoTrafico {
    std::string_view nombre;
    std::int16_t numeroEjes;
    double distanciaRuedas; // a, m
    double distanciaEjes;   // b, m
    double pc;              // wheel load, kN
};

// Rows 1..5 of the traffic table (LT 12, HT 26, HT 30, HT 39, HT 60).
std::span<const VehiculoTrafico> Tabla_Vehiculos();
// Entries of the vehicle list: "Sin tráfico" then the vehicles.
ListaTextos Lista_Vehiculos();
// Class of traffic by vehicle number: "" for none, "Ligero", "Medio" (2..4), "Pesado".
std::string_view Clase_Vehiculo(std::int16_t tipoVehiculo);
// Impact factors offered for a vehicle and a pavement surface (1 normal, 2 irregular), as
// texts with a decimal comma; empty without traffic.
ListaTextos Lista_Coeficientes_Impacto(std::int16_t tipoVehiculo, std::int16_t tipoFirme);

// A pavement material with the guidance range of its compression modulus, N/mm2.
struct MaterialFirme {
    std::string_view nombre;
    double moduloMinimo;
    double moduloMaximo;
};
// The material list; position + 1 is the stored code.
std::span<const MaterialFirme> Materiales_Firme();
// "min - max" with "##,##0", or the single value when both are equal (nothing when the screen
// is not shown).
std::string Texto_Rango_Modulo(double minimo, double maximo, const Separadores& separadores);

// Controls of the screen that a rule can put the focus on.
enum class FocoSobrecargas : int {
    Vehiculo,
    Firme,
    Coeficiente,
    ZonaPavimentada,
    EspesorSuperior,
    EspesorInferior,
    MaterialSuperior,
    MaterialInferior,
    ModuloSuperior,
    ModuloInferior,
};

// The four text boxes of the pavement layers, as the close reads them. The lists and options
// store at once when they are clicked.
struct EntradaSobrecargas {
    PorCapa<CajaTexto> espesor;
    PorCapa<CajaTexto> modulo;
};

struct VistaSobrecargas {
    Separadores separadores;
    std::string_view cajaNorma;
    bool heVisible = false; // the He frame, caption, value and unit: UNE only
    ListaTextos vehiculos;
    int vehiculoSeleccionado = -1;
    std::string clase; // shown after "Tráfico: "
    std::string textoPc;
    std::string textoDistanciaRuedas;
    std::string textoDistanciaEjes;
    std::string textoNumeroEjes;
    // Under the impact factor: the factor the calculation applies instead (with traffic only).
    std::string notaImpacto;
    std::string textoH;                 // H_Total
    bool marcosHabilitados = false;     // impact factor and He frames: only with traffic
    std::int16_t firmeSeleccionado = 0; // 1 normal, 2 irregular, 0 none
    ListaTextos coeficientes;
    int coeficienteSeleccionado = -1;
    bool zonaPavimentada = false;  // "Si" selected, else "No"
    bool capasHabilitadas = false; // layer boxes, material lists and ranges
    std::vector<std::string> materiales;
    PorCapa<int> materialSeleccionado{{-1, -1}};
    PorCapa<std::string> textoRango; // under "(valores orientativos)"
    std::string textoHe;
    EntradaSobrecargas entrada;
};

// What the screen and the report say under the chosen impact factor: the calculation applies
// the vehicle's own factor. Empty without a vehicle.
std::string Nota_Coeficiente_Impacto(std::int16_t tipoVehiculo, const Separadores& separadores);

// Copies the vehicle's row into Pc, Numero_Ejes, Distancia_Ruedas and Distancia_Ejes (the wheel
// spacing held as a whole number, halves to even; the axle spacing with its fraction) and shows
// them; without a vehicle the labels
// are emptied and the fields keep their values.
void Escribe_Datos(Proyecto& p, VistaSobrecargas& vista, std::int16_t tipoVehiculo);

// UNE only: reads the four boxes into the layer fields and recomputes He. Refuses, leaving He
// unchanged, when E1 is not positive or a layer modulus is negative (the cube roots and the
// division would not give a height). Under ATV nothing is read and nothing changes.
Resultado<void> Calcula_He_sobrecarga(Proyecto& p, const EntradaSobrecargas& entrada);

// Writes the stored layer values into the boxes and lists (the lists run their handlers) and
// shows He and H_Total.
void Pon_Valores_Iniciales(Proyecto& p, VistaSobrecargas& vista);

// Form load.
VistaSobrecargas Abre_Sobrecargas(Proyecto& p, const Separadores& separadores);

// User events; each stores at once and refreshes the vista. The He recalculations return
// the refusal of Calcula_He_sobrecarga; the He label then keeps its value.
void Elige_Vehiculo(Proyecto& p, VistaSobrecargas& vista, int posicion);
void Elige_Firme(Proyecto& p, VistaSobrecargas& vista, std::int16_t tipoFirme);
void Elige_Coeficiente_Impacto(Proyecto& p, VistaSobrecargas& vista, int posicion);
void Elige_Zona_Pavimentada(Proyecto& p, VistaSobrecargas& vista, bool si);
Resultado<void> Elige_Material(Proyecto& p, VistaSobrecargas& vista, Capa capa, int posicion);
// A layer box loses the focus; the screen has put the typed texts into vista.entrada.
Resultado<void> Sale_De_Caja_Capa(Proyecto& p, VistaSobrecargas& vista);

// Either arrow recomputes He first (UNE). Next is refused while He cannot be evaluated; back
// always closes, so that E1 can be mended on the soil page.
std::optional<Rechazo> Cierra_Sobrecargas(Proyecto& p, const EntradaSobrecargas& entrada,
                                          Boton boton);

} // namespace tubrix
