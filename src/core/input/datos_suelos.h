#pragma once

#include "format/caja_texto.h"
#include "format/formato.h"
#include "input/lista_textos.h"
#include "input/magnitud.h"
#include "input/rechazo.h"
#include "model/indices.h"
#include "model/proyecto.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tubrix {

// The two soil pages. The first gives each of the four soil zones around the pipe a soil group
// and zones 1 and 2 a degree of compaction; the second chooses the backfill condition and
// either takes the parameters the standard recommends or lets the user type tested values.

// The four soil zones around the pipe, as the drawing of the first page numbers them.
enum class ZonaSuelo : std::size_t { Zona1, Zona2, Zona3, Zona4 };
inline constexpr std::array kZonasSuelo{ZonaSuelo::Zona1, ZonaSuelo::Zona2, ZonaSuelo::Zona3,
                                        ZonaSuelo::Zona4};
template <typename T>
using PorZona = ArrayIndexado<T, ZonaSuelo, kZonasSuelo.size()>;

// The zones that have a compaction list.
enum class ZonaCompactada : std::size_t { Zona1, Zona2 };
inline constexpr std::array kZonasCompactadas{ZonaCompactada::Zona1, ZonaCompactada::Zona2};
template <typename T>
using PorZonaCompactada = ArrayIndexado<T, ZonaCompactada, kZonasCompactadas.size()>;

inline constexpr std::string_view kTituloDatosSuelos = "Características de los suelos";
inline constexpr std::string_view kTituloDatosSuelos2 = "Características de los suelos (Cont)";
inline constexpr std::string_view kMarcoClasificacionSuelos =
    "Clasificación de los suelos (Grupo de suelo):";
inline constexpr std::string_view kPreguntaEnsayos =
    "¿ Se han obtenido las características de los suelos mediante ensayos ?";
inline constexpr std::string_view kNotaValoresNorma =
    "Se tomarán los valores recomendados por defecto por la norma";
inline constexpr std::string_view kMarcoCompactacionZanja = "Compactación de la zanja";

// ---- Tables shared by both pages ---------------------------------------------------------

inline constexpr int kNumeroGruposSuelo = 4;
inline constexpr int kNumeroCompactaciones = 6;

// Entries of the group lists: "Grupo 1" .. "Grupo 4" (position + 1 is the group).
ListaTextos Lista_Grupos_Suelo();
// Entries of the compaction lists: " 85 %" .. "100 %" (the position is stored as well).
ListaTextos Lista_Compactaciones();
// Description of a group on the first page; empty outside 1..4.
std::string_view Descripcion_Grupo_Suelo(std::int16_t grupo);
// Label of a group on the second page ("Grupo 2: Poco cohesivos"); empty outside 1..4.
std::string_view Etiqueta_Grupo_Suelo(std::int16_t grupo);

// Deformation modulus E (N/mm2) by soil group (rows 1..4) and compaction position (0..5).
using TablaModulosE = std::array<std::array<double, kNumeroCompactaciones>, kNumeroGruposSuelo>;
const TablaModulosE& Carga_Valores_E();
// One value of the table; empty for a group or position outside it.
std::optional<double> Modulo_E(std::int16_t grupo, int posicionCompactacion);

// ---- First page -------------------------------------------------------------------------

// The warning against group 4 in zone 2: an OK box without icon, the beep after it.
struct AvisoGrupo4 {
    Mensaje mensaje;
    bool pitidoDespues = true;
};

struct EntradaDatosSuelos {
    PorZona<int> grupo;                  // list position (group - 1), -1 none
    PorZonaCompactada<int> compactacion; // list position 0..5, -1 none
};

struct VistaDatosSuelos {
    std::string_view cajaNorma;
    ListaTextos grupos;
    ListaTextos compactaciones;
    std::array<std::string_view, kNumeroGruposSuelo> descripciones;
    PorZona<bool> grupoHabilitado;
    PorZonaCompactada<bool> compactacionHabilitada;
    std::optional<AvisoGrupo4> aviso; // raised while the stored choices were restored
    EntradaDatosSuelos entrada;
};

// Form load: navigation code -101, stored groups and compactions restored through their
// handlers, the lists of zones 2 and 3 locked for an embankment.
VistaDatosSuelos Abre_Datos_Suelos(Proyecto& p);

// List clicks; each stores at once. They return the group 4 warning when it must be shown.
std::optional<AvisoGrupo4> Elige_Grupo_Suelo(Proyecto& p, VistaDatosSuelos& vista, ZonaSuelo zona,
                                             int posicion);
std::optional<AvisoGrupo4> Elige_Compactacion(Proyecto& p, VistaDatosSuelos& vista,
                                              ZonaCompactada zona, int posicion);

// Next stores the six choices again from the lists; back stores nothing. Never refuses.
std::optional<Rechazo> Cierra_Datos_Suelos(Proyecto& p, const EntradaDatosSuelos& entrada,
                                           Boton boton);

// ---- Second page ------------------------------------------------------------------------

// The ten text boxes, in the order of the screen.
enum class CajaSuelo : std::size_t { Gamma_1, Gamma_2, Ro, Ro_Prima, K1, K2, E1, E2, E3, E4 };
inline constexpr std::array kCajasSuelo{
    CajaSuelo::Gamma_1, CajaSuelo::Gamma_2, CajaSuelo::Ro, CajaSuelo::Ro_Prima, CajaSuelo::K1,
    CajaSuelo::K2,      CajaSuelo::E1,      CajaSuelo::E2, CajaSuelo::E3,       CajaSuelo::E4};
template <typename T>
using PorCajaSuelo = ArrayIndexado<T, CajaSuelo, kCajasSuelo.size()>;

// Controls of the second page that a rule can put the focus on: the options, then the ten
// boxes in the order of CajaSuelo.
enum class FocoDatosSuelos2 : int {
    RellenoA1,
    RellenoA2,
    RellenoA3,
    RellenoA4,
    Si,
    No,
    Gamma_1,
    Gamma_2,
    Ro,
    Ro_Prima,
    K1,
    K2,
    E1,
    E2,
    E3,
    E4
};
inline constexpr FocoDatosSuelos2 Foco_Caja_Suelo(CajaSuelo caja) {
    return static_cast<FocoDatosSuelos2>(static_cast<int>(FocoDatosSuelos2::Gamma_1) +
                                         static_cast<int>(caja));
}

// Captions of the backfill conditions A1..A4 (condition 1..4); empty outside.
std::string_view Texto_Condicion_Relleno(std::int16_t condicion);

struct EntradaDatosSuelos2 {
    PorCajaSuelo<CajaTexto> textos;
};

struct VistaDatosSuelos2 {
    Separadores separadores;
    std::string_view cajaNorma;
    bool rellenoA1Habilitado = false;
    std::int16_t rellenoSeleccionado = 0; // 1..4, 0 none
    bool ensayos = false;                 // "Si" selected, else "No"
    bool notaVisible = true;
    bool cajasHabilitadas = false;
    std::string_view etiquetaGrupoZona2; // beside the earth pressure coefficients
    EntradaDatosSuelos2 entrada;
};

// Wall friction angle of the fill for a backfill condition (1..4) under a standard.
double Calcula_Ro_Prima(std::int16_t norma, std::int16_t condicion, double ro);

// The parameters the standard recommends for the stored groups and compactions.
void Calcula_Valores_Standard(Proyecto& p);

// Writes the ten stored values into the boxes ("##0.0#").
void Pon_Valores(const Proyecto& p, VistaDatosSuelos2& vista);

// Form load. Keeps the navigation code of the page before.
VistaDatosSuelos2 Abre_Datos_Suelos_2(Proyecto& p, const Separadores& separadores);

// Option clicks; each stores at once. The backfill condition derives rho' from the rho the
// screen holds: the number in its box while tested values are typed (the screen has put the
// boxes' texts into vista.entrada), else the stored Ro.
void Elige_Condicion_Relleno(Proyecto& p, VistaDatosSuelos2& vista, std::int16_t condicion);
void Elige_Ensayos(Proyecto& p, VistaDatosSuelos2& vista, bool si);

// The message for a box that gets the focus while the standard values are in force.
Mensaje Mensaje_Sin_Ensayos();
// A box gets the focus: in test mode nothing (the box selects its text); otherwise the
// message, and the focus moves to the A2 option.
std::optional<Rechazo> Entra_En_Caja_Suelo(const Proyecto& p);

// The quantity of a box with its admissible range.
const Magnitud& Magnitud_Caja_Suelo(CajaSuelo caja);

// Either arrow reads the ten boxes into the record. A value no soil can have is refused, naming
// the quantity and its range, with the focus in its box: unit weights and moduli must be
// positive, the earth pressure coefficients not negative, the friction angles within 0..90°;
// with tested values a box without a number is refused too. Nothing is stored when one is
// refused.
std::optional<Rechazo> Cierra_Datos_Suelos_2(Proyecto& p, const EntradaDatosSuelos2& entrada,
                                             Boton boton);

} // namespace tubrix
