#pragma once

#include "catalogue/catalogo.h"
#include "error.h"
#include "format/formato.h"
#include "input/rechazo.h"
#include "model/proyecto.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tubrix {

// Controls of the pipe screen that a refusal can put the focus on.
enum class FocoDatosTubos : int { Grupo, Material, Diametro };

// A drop-down list: its entries, each carrying its catalogue code, and the selected position.
template <typename T>
struct ListaDesplegable {
    std::vector<T> entradas;
    std::optional<std::size_t> seleccion; // none only when the list is empty

    std::optional<std::int16_t> codigoSeleccionado() const {
        if (!seleccion || *seleccion >= entradas.size())
            return std::nullopt;
        return entradas[*seleccion].codigo;
    }
};

// The frame "Datos de la tubería", each value as its label shows it.
struct DatosTuberia {
    std::string diametroExterior;              // "#,##0.0" mm
    std::string diametroInterior;              // "#,##0.0" mm
    std::string espesor;                       // "#,##0.0" mm
    std::string diametroNormalizado;           // "#,##0" mm
    std::string moduloCortoPlazo;              // "##,##0" N/mm2
    std::string moduloLargoPlazo;              // "###0" N/mm2
    std::string pesoEspecifico;                // "#0.0" kN/m3
    std::string roturaFlexotraccion;           // "#0" N/mm2
    std::string roturaFlexotraccionLargoPlazo; // "###0.0" N/mm2
    std::string rigidezCircunferencial;        // "#,##0.0" kN/m2, the text "0.0" when not used
    std::string tipo;                          // hidden label: stiffness class of the pipe
};

// The three lists as the user left them: the codes of the selected entries.
struct EntradaDatosTubos {
    std::optional<std::int16_t> grupo;
    std::optional<std::int16_t> material;
    std::optional<std::int16_t> diametro;
};

struct VistaDatosTubos {
    EntradaDatosTubos entrada;
    ListaDesplegable<EntradaLista> grupos;
    ListaDesplegable<EntradaSubclase> materiales; // carries the sewer flag of each entry
    ListaDesplegable<EntradaLista> diametros;     // DN "#,##0", code = pipe code
    std::string tipoConduccion;                   // "SANEAMIENTO" or "PRESIÓN"
    std::string normaAplicar;                     // "ATV A 127", "UNE 88.211-90" or "ASTM"
    bool filasLargoPlazoHabilitadas = false;
    bool filaRigidezHabilitada = false;
    DatosTuberia datos;
    std::optional<std::string> faltaEnCatalogo; // why the frame is empty, if it is
    bool cargando = false;                      // the selection handlers do nothing meanwhile
    Separadores separadores = Separadores::espanol();
};

// What a material group decides for the rest of the wizard.
struct PropiedadesGrupo {
    std::int16_t norma = 0;
    std::int16_t deformacionA = 0;
    std::int16_t deformacionB = 0;
    std::int16_t largoPlazo = 0;
    bool filasLargoPlazo = false;
    bool filaRigidez = false;
};

// The group table; none for a code outside 1..12.
std::optional<PropiedadesGrupo> propiedadesGrupo(std::int16_t codigoMaterial);
// "UNE 88.211-90", "ATV A 127", "ASTM"; empty for any other code.
std::string_view textoNorma(std::int16_t norma);

// The catalogue rows of the stored group, sub-class and pipe.
struct FichaTubo {
    const Grupo* grupo = nullptr;
    const Subclase* subclase = nullptr;
    const TuboNormalizado* tubo = nullptr;
};
// Fails with a Spanish message naming the first code that has no row.
Resultado<FichaTubo> buscaFichaTubo(const Proyecto& proyecto, const Catalogo& catalogo);

// Form load: leaves the abandon code, then restores the stored choice.
VistaDatosTubos Abre_Datos_Tubos(Proyecto& proyecto, const Catalogo& catalogo,
                                 const Separadores& separadores);
// Fills the three lists and selects the stored codes (the first entry where a code is not
// listed) without changing the stored codes.
void Restaura_Situacion_Inicial(Proyecto& proyecto, const Catalogo& catalogo,
                                VistaDatosTubos& vista);

// Fill one list and select the stored code, or the first entry.
void Carga_Materiales(const Proyecto& proyecto, const Catalogo& catalogo, VistaDatosTubos& vista);
void Carga_Submateriales(const Proyecto& proyecto, const Catalogo& catalogo,
                         VistaDatosTubos& vista);
void Carga_Diametros(const Proyecto& proyecto, const Catalogo& catalogo, VistaDatosTubos& vista);

// Applies the stored group: standard, calculation flags, enabled rows.
void Control_Grupo(Proyecto& proyecto, VistaDatosTubos& vista);
// Applies the selected sub-class: sewer or pressure conduit.
void Control_Conduccion(Proyecto& proyecto, VistaDatosTubos& vista);
// Shows the data of the stored pipe.
void Muestra_Datos(const Proyecto& proyecto, const Catalogo& catalogo, VistaDatosTubos& vista);

// The user picks the entry at `posicion` of a list (ignored while loading). A new group resets
// the sub-class and the diameter to the first entries, a new sub-class the diameter.
void Elige_Grupo(Proyecto& proyecto, const Catalogo& catalogo, VistaDatosTubos& vista,
                 std::size_t posicion);
void Elige_Material(Proyecto& proyecto, const Catalogo& catalogo, VistaDatosTubos& vista,
                    std::size_t posicion);
void Elige_Diametro(Proyecto& proyecto, const Catalogo& catalogo, VistaDatosTubos& vista,
                    std::size_t posicion);

// Either arrow stores the pipe data; only "next" refuses a pipe of the ASTM standard (the data
// stay stored). A code without a catalogue row stores nothing: "next" refuses, "back" leaves.
std::optional<Rechazo> Cierra_Datos_Tubos(Proyecto& proyecto, const Catalogo& catalogo,
                                          Boton boton);

} // namespace tubrix
