#pragma once

#include "format/caja_texto.h"
#include "format/formato.h"
#include "input/rechazo.h"
#include "model/proyecto.h"

#include <optional>
#include <string>

namespace tubrix {

// The one control a refusal of the groundwater screen focuses.
enum class FocoFreatico : int { Hf };

// The tick box and the text of the Hf box.
struct EntradaFreatico {
    bool hayNivelFreatico = false;
    CajaTexto hf;
};

struct VistaFreatico {
    EntradaFreatico entrada;
    std::string_view cajaNorma; // "Norma UNE" or "Norma ATV"
    bool hfHabilitada = false;  // the "Hf" label and its text box
    bool focoEnHf = false;      // ticking the box after loading moves the focus to Hf
    bool cargada = false;
    Separadores separadores = Separadores::espanol();
};

// Form load: ticks the box when there is groundwater and shows Hw, "##0.0#". Without
// groundwater the box shows "0,0", disabled, whatever height a project file brought.
VistaFreatico Abre_Freatico(Proyecto& proyecto, const Separadores& separadores);

// The user ticks or clears "Hay nivel freático".
void Marca_Nivel_Freatico(Proyecto& proyecto, VistaFreatico& vista, bool marcado);

// The deep-groundwater question the close rule asks; true when Hf may be taken as 0.
const Mensaje& preguntaHfDespreciable();

// Both arrows read Hf and test its range (rewriting the box to "0" or "20") and ask whether a
// deep table may be neglected; OK then leaves no groundwater (Nivel_Freatico 0, Hw 0). Only
// "next" compares Hf with the cover height. Without groundwater Hw is 0. A ticked box left
// without a number is refused, naming Hf.
std::optional<Rechazo> Cierra_Freatico(Proyecto& proyecto, const EntradaFreatico& entrada,
                                       Boton boton, const Pregunta& hfDespreciable);

} // namespace tubrix
