#pragma once

#include "catalogue/catalogo.h"
#include "chain/pasos.h"
#include "model/proyecto.h"

#include <optional>
#include <string>

namespace tubrix {

// Where and why a forward pass stopped.
struct Parada {
    int paso = 0;
    Pantalla pantalla = Pantalla::Datos_Tubos;
    std::string mensaje;
};

// Runs one screen as the wizard does when the user presses "next" without changing anything:
// an input screen loads from the record and accepts what it shows (every text box's value goes
// through its display pattern and back through Lee_Numero); a calculation screen computes and
// stores. Returns the message of the refusal that keeps the screen open, if any. Questions asked
// on the way are answered with Cancel, so no input is changed by the pass.
std::optional<std::string> Ejecuta_Pantalla(Pantalla pantalla, Proyecto& proyecto,
                                            const Catalogo& catalogo);

// The whole forward pass over steps 1..20, with each step's condition. Stops at the first
// refusal. The record must have been started (Arranca_Programa) and hold a section.
std::optional<Parada> Calcula_Seccion(Proyecto& proyecto, const Catalogo& catalogo);

// "Ir a la verificación": the rest of the forward pass after the screen `aceptada` of step
// `paso` was accepted, up to the step before the verification (whose screen computes it when it
// opens). Stops at the first refusal, as Calcula_Seccion does.
std::optional<Parada> Calcula_Hasta_Verificacion(Proyecto& proyecto, const Catalogo& catalogo,
                                                 int paso, Pantalla aceptada);

} // namespace tubrix
