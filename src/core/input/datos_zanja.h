#pragma once

#include "format/caja_texto.h"
#include "format/formato.h"
#include "input/lista_textos.h"
#include "input/rechazo.h"
#include "model/indices.h"
#include "model/proyecto.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tubrix {

// The five rows of "Datos a introducir"; a refusal focuses the text box of one of them.
enum class FocoDatosZanja : int { Caja1, Caja2, Caja3, Caja4, Caja5 };
inline constexpr std::array kCajasZanja{FocoDatosZanja::Caja1, FocoDatosZanja::Caja2,
                                        FocoDatosZanja::Caja3, FocoDatosZanja::Caja4,
                                        FocoDatosZanja::Caja5};
template <typename T>
using PorCajaZanja = ArrayIndexado<T, FocoDatosZanja, kCajasZanja.size()>;

// The three pictures with their subtype buttons, left to right.
enum class PosicionSubtipo : int { Izquierda, Centro, Derecha };
inline constexpr std::array kPosicionesSubtipo{PosicionSubtipo::Izquierda, PosicionSubtipo::Centro,
                                               PosicionSubtipo::Derecha};

// The six installation drawings.
enum class DibujoInstalacion {
    ZanjaEstrecha,
    ZanjaAncha,
    Terraplen,
    ZanjaTerraplenada,
    MismoNivel,
    NivelesDiferentes,
};

struct BotonSubtipo {
    bool visible = false;
    std::optional<DibujoInstalacion> dibujo;
    std::string_view texto;
};

struct FilaDatosZanja {
    bool visible = true;       // the question label
    std::string_view pregunta; // question, angle note or line of advice (constant texts)
    bool cajaVisible = true;   // the text box of the row
};

// The texts of the five boxes, hidden ones included (they keep their values).
struct EntradaDatosZanja {
    PorCajaZanja<CajaTexto> cajas;
};

// The quantities the boxes of the screen hold; which box shows which depends on the case.
enum class MedidaZanja : int { H, H1, H2, B, Beta };
inline constexpr std::array kMedidasZanja{MedidaZanja::H, MedidaZanja::H1, MedidaZanja::H2,
                                          MedidaZanja::B, MedidaZanja::Beta};

struct VistaDatosZanja {
    EntradaDatosZanja entrada;
    // What each quantity's box holds: the record's value when the screen opens, then what the
    // user left in its box. Changing the case shows these, never a value the record kept from a
    // refusal.
    ArrayIndexado<CajaTexto, MedidaZanja, kMedidasZanja.size()> medidas;
    std::string_view cajaNorma; // "Norma UNE" or "Norma ATV"
    std::int16_t tipo = 1;      // the selected type option, 1..3
    ArrayIndexado<BotonSubtipo, PosicionSubtipo, kPosicionesSubtipo.size()> subtipos;
    std::string seleccion; // the label after "Selección"
    PorCajaZanja<FilaDatosZanja> filas;
    std::optional<FocoDatosZanja> foco;
    Separadores separadores = Separadores::espanol();
};

// Form load: leaves the abandon code and applies the stored type and subtype.
VistaDatosZanja Abre_Datos_Zanja(Proyecto& proyecto, const Separadores& separadores);

// The user selects the option of a type (1..3).
void Elige_Tipo(Proyecto& proyecto, VistaDatosZanja& vista, std::int16_t tipo);
// Pictures and subtype buttons of a type; then selects the stored subtype where the type has
// it.
void Muestra_Subtipos(Proyecto& proyecto, VistaDatosZanja& vista, std::int16_t tipo);
// The user presses the subtype button under a picture.
void Elige_Subtipo(Proyecto& proyecto, VistaDatosZanja& vista, PosicionSubtipo posicion);
// Questions, box texts (from vista.medidas) and visible rows of a case.
void Pon_Preguntas(VistaDatosZanja& vista, std::int16_t tipo, std::int16_t subtipo);
// The user acts on the screen (a type or subtype button) with these texts in the boxes of the
// case on show: they are what the boxes of those quantities hold from now on.
void Toma_Cajas_Zanja(VistaDatosZanja& vista, const EntradaDatosZanja& entrada);

// The "Selección" label: type caption, ". ", subtype caption.
std::string textoSeleccion(std::int16_t tipo, std::int16_t subtipo);
// The advice lines shown for two pipes in one trench (subtype 1 same level, 2 different).
ListaTextos Consejo_Tipo_3(std::int16_t subtipo);

// The checks: the message to show when the value is refused, none when it is accepted.
std::optional<Mensaje> Comprueba_Valor_H(double h);
std::optional<Mensaje> Comprueba_Valor_Beta(double beta);
// `bFondo` is the trench width at the invert, m.
std::optional<Mensaje> Comprueba_Valor_B(const Proyecto& proyecto, double bFondo);
// Narrow trench (subtype 1) 1 <= B/D <= 4, wide trench (subtype 2) B/D > 4.
std::optional<Mensaje> Comprueba_Relacion_BD(const Proyecto& proyecto, double b,
                                             std::int16_t subtipo);

// "Next" reads, checks and stores in order (what was stored before a refusal stays); for two
// pipes in one trench it refuses without a message. "Back" stores nothing. A visible box without
// a number is refused ("Escriba un número en ..."); the embanked trench checks beta on the same
// limits as a trench and needs B at least as wide as the pipe.
std::optional<Rechazo> Cierra_Datos_Zanja(Proyecto& proyecto, const EntradaDatosZanja& entrada,
                                          Boton boton);

} // namespace tubrix
