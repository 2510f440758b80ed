#pragma once

#include "error.h"
#include "format/caja_texto.h"
#include "format/formato.h"
#include "input/rechazo.h"
#include "model/proyecto.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tubrix {

// The load calculation: the vertical soil load with the silo reduction of the trench, the
// traffic load after Boussinesq with its correction for small covers and its impact factor, and
// the coefficients that carry a uniform surface load down to the pipe.

// What the user can change on the screen: the text of the P0 box.
struct EntradaCalculoCargas {
    CajaTexto textoP0;
};

// What the screen shows besides the plain fields of the record.
struct VistaCalculoCargas {
    std::string_view textoInstalacion; // "Tipo 1: En zanja o bajo terraplén", ...
    std::string_view textoTrafico;     // "Sin tráfico", "LT 12: Tráfico ligero", ...
    bool cnHabilitado = false;         // Cn90 and Cn captions and values enabled
    bool hayCargasSuperficie = false;  // check box "Hay cargas de superficie"
    bool p0Habilitado = false;         // the P0 box
    bool muestraXo = false;            // Xo and Xoc labels filled (empty otherwise)
    EntradaCalculoCargas entrada;
};

// The impact factor the load calculation applies to a vehicle (1 LT 12 .. 5 HT 60): its own,
// whatever factor was chosen on the surface loads screen. None without a vehicle.
std::optional<double> Factor_Impacto_Vehiculo(std::int16_t tipoVehiculo);

// Computes Cz, Cz90, Cn, Cn90, Pe, Xo, Xoc, Pf, aF, P, Fi and Pv from the record and stores them.
// An input that cannot be evaluated (a division by zero, a vehicle code without a row) refuses
// with a message naming it, and nothing is stored.
Resultado<void> Calcula_Cargas(Proyecto& proyecto);

// Opening the screen: runs the calculation and describes what the screen shows.
Resultado<VistaCalculoCargas> Abre_Calculo_Cargas(Proyecto& proyecto,
                                                  const Separadores& separadores);

// The check box "Hay cargas de superficie": stores -1 / 0 at once. The Xo and Xoc labels are not
// refreshed by the click.
void Marca_Cargas_Superficie(Proyecto& proyecto, bool marcada);

// An arrow: "next" reads P0 from the box whatever the check box says (a cleared box only
// disables it) and refuses a negative load, or a ticked box without a number, with the focus in
// the box (the only control a refusal names, 0); "back" reads nothing. Both leave the
// navigation code when they close.
std::optional<Rechazo> Cierra_Calculo_Cargas(Proyecto& proyecto,
                                             const EntradaCalculoCargas& entrada, Boton boton);

} // namespace tubrix
