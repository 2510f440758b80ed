#pragma once

#include "error.h"
#include "format/caja_texto.h"
#include "format/formato.h"
#include "input/lista_textos.h"
#include "input/rechazo.h"
#include "model/proyecto.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tubrix {

// The bedding screen: type of bedding under the pipe, bedding angle 2·alfa, the height J of a
// concrete cradle and the projection ratio Pj the load distribution needs.

inline constexpr std::string_view kTituloDatosApoyo = "Características del apoyo";
inline constexpr std::string_view kMarcoTipoApoyo = "Tipo de apoyo";
inline constexpr std::string_view kMarcoDatosApoyo = "Datos a introducir";
inline constexpr std::array<std::string_view, 2> kSubtiposApoyo = {"Subtipo a)", "Subtipo b)"};
inline constexpr std::string_view kEtiquetaAngulo = "Angulo  2·alfa";
inline constexpr std::string_view kEtiquetaJ = "Altura J del apoyo (m)";
inline constexpr std::string_view kEtiquetaPj = "Relación de Proyección (Pj)";

// The drawings of the six bedding types (three per standard).
enum class DibujoApoyo { AtvTipoI, AtvTipoII, AtvTipoIII, UneTipoA, UneTipoB, UneTipoC };

// Picture file of a drawing in the application folder.
std::string_view Fichero_Dibujo_Apoyo(DibujoApoyo dibujo);

// Controls of the screen that a rule can put the focus on.
enum class FocoDatosApoyo : int { Tipo, Subtipo, Angulo, J };

// How a bedding type (1..3) reads under a standard: option caption, label under its drawing.
struct DescripcionTipoApoyo {
    std::string_view opcion;
    std::string_view etiqueta;
    DibujoApoyo dibujo;
};
DescripcionTipoApoyo Describe_Tipo_Apoyo(std::int16_t norma, std::int16_t tipo);

// The concrete cradle (UNE type C, ATV type II): the one bedding that asks for J and whose
// projection ratio is computed. The granular beddings have a relative projection of 1.
bool Es_Apoyo_Hormigon(std::int16_t norma, std::int16_t tipo);

// Entries of the angle list of a bedding type under a standard (" 60 grados" ... "180 grados");
// empty for a type outside 1..3.
ListaTextos Lista_Angulos(std::int16_t norma, std::int16_t tipo);

// Input controls as the close reads them.
struct EntradaDatosApoyo {
    // The selected angle entry, empty when none; when the program selects it, the box also
    // holds the angle the entry reads as.
    CajaTexto textoAngulo;
    CajaTexto textoJ; // the J box
};

// Everything the screen shows. Option clicks store at once, so the option states live here
// and not in the entrada.
struct VistaDatosApoyo {
    Separadores separadores;
    std::string_view cajaNorma;
    std::array<std::string_view, 3> opciones;  // captions of the type options 1..3
    std::array<std::string_view, 3> etiquetas; // labels under the drawings
    std::array<DibujoApoyo, 3> dibujos{};
    std::int16_t tipoSeleccionado = 0; // 1..3, 0 none
    bool tipo2Habilitado = true;
    bool subtiposVisibles = false;        // UNE only
    std::int16_t subtipoSeleccionado = 0; // 1 a), 2 b), 0 none
    ListaTextos angulos;
    int anguloSeleccionado = -1;
    bool pideJ = false; // J caption and box visible
    std::string textoPj;
    std::optional<FocoDatosApoyo> focoInicial; // where the focus goes when the window shows
    EntradaDatosApoyo entrada;
};

// Projection ratio of the concrete cradle from the J text, the angle, the subtype and the
// outside diameter; stores J and Relacion_Proyeccion. Other beddings: nothing is recomputed.
// Refuses, storing neither, a J box without a number or with a negative height; refuses
// (storing J but not Pj) when the outside diameter is not positive.
Resultado<void> Calcula_Pj(Proyecto& p, const CajaTexto& cajaJ);

// Form load: navigation code -101, captions for the standard, stored subtype, type and angle.
VistaDatosApoyo Abre_Datos_Apoyo(Proyecto& p, const Separadores& separadores);

// User events; each stores at once and refreshes the vista.
void Elige_Tipo_Apoyo(Proyecto& p, VistaDatosApoyo& vista, std::int16_t tipo);
void Elige_Subtipo_Apoyo(Proyecto& p, VistaDatosApoyo& vista, std::int16_t subtipo);
void Elige_Angulo_Apoyo(Proyecto& p, VistaDatosApoyo& vista, int posicion);
void Sale_De_J(Proyecto& p, VistaDatosApoyo& vista, std::string textoJ);

// Arrows. Next stores the angle of the list entry and the projection ratio; back stores nothing.
std::optional<Rechazo> Cierra_Datos_Apoyo(Proyecto& p, const EntradaDatosApoyo& entrada,
                                          Boton boton);

} // namespace tubrix
