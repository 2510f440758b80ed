#include "chain/calcula_seccion.h"

#include "calc/calculo_cargas.h"
#include "calc/cargas_calculo.h"
#include "calc/distribucion_cargas.h"
#include "calc/distribucion_cargas_2.h"
#include "calc/esfuerzos.h"
#include "calc/estabilidad.h"
#include "calc/tensiones.h"
#include "calc/verificacion.h"
#include "input/datos_apoyo.h"
#include "input/datos_suelos.h"
#include "input/datos_tubos.h"
#include "input/datos_zanja.h"
#include "input/freatico.h"
#include "input/seguridad.h"
#include "input/sobrecargas.h"

#include <array>

namespace tubrix {
namespace {

// The forward pass reads text boxes as a Spanish system shows them; no screen is shown, so no
// label is written.
const Separadores& separadores() {
    static const Separadores es = [] {
        Separadores s = Separadores::espanol();
        s.etiquetas = false;
        return s;
    }();
    return es;
}

std::optional<std::string> mensajeDe(const std::optional<Rechazo>& rechazo) {
    if (!rechazo)
        return std::nullopt;
    return rechazo->mensaje.texto;
}

std::optional<std::string> mensajeDe(const Resultado<void>& resultado) {
    if (resultado)
        return std::nullopt;
    return resultado.error().mensaje;
}

// A calculation screen computes on load; its "next" only leaves the navigation code.
std::optional<std::string> calculo(Proyecto& p, const Resultado<void>& resultado) {
    if (!resultado)
        return resultado.error().mensaje;
    p.Codigo_Navegacion = kNavegacionSiguiente;
    return std::nullopt;
}

std::string consejoTipo3(const Proyecto& p) {
    std::string texto;
    for (const auto& linea : Consejo_Tipo_3(p.Subtipo_Instalacion))
        texto += (texto.empty() ? "" : " ") + std::string(linea);
    return texto;
}

// One screen each, as "next" runs it. Small functions of their own: the pass calls one per step
// through the table below, and each sets up only its own screen's view.
using Texto = std::optional<std::string>;

Texto datosTubos(Proyecto& p, const Catalogo& catalogo, const Separadores& sep) {
    Abre_Datos_Tubos(p, catalogo, sep);
    return mensajeDe(Cierra_Datos_Tubos(p, catalogo, Boton::Siguiente));
}

Texto seguridadUNE(Proyecto& p, const Catalogo&, const Separadores&) {
    Abre_Seguridad_UNE(p);
    Cierra_Seguridad(p, Boton::Siguiente);
    return std::nullopt;
}

Texto seguridadATV(Proyecto& p, const Catalogo&, const Separadores&) {
    Abre_Seguridad_ATV(p);
    Cierra_Seguridad(p, Boton::Siguiente);
    return std::nullopt;
}

Texto datosZanja(Proyecto& p, const Catalogo&, const Separadores& sep) {
    const auto vista = Abre_Datos_Zanja(p, sep);
    const auto rechazo = Cierra_Datos_Zanja(p, vista.entrada, Boton::Siguiente);
    if (rechazo && rechazo->mensaje.texto.empty())
        return consejoTipo3(p);
    return mensajeDe(rechazo);
}

Texto freatico(Proyecto& p, const Catalogo&, const Separadores& sep) {
    const auto vista = Abre_Freatico(p, sep);
    return mensajeDe(
        Cierra_Freatico(p, vista.entrada, Boton::Siguiente, [](const Mensaje&) { return false; }));
}

Texto datosApoyo(Proyecto& p, const Catalogo&, const Separadores& sep) {
    const auto vista = Abre_Datos_Apoyo(p, sep);
    return mensajeDe(Cierra_Datos_Apoyo(p, vista.entrada, Boton::Siguiente));
}

Texto datosSuelos(Proyecto& p, const Catalogo&, const Separadores&) {
    const auto vista = Abre_Datos_Suelos(p);
    return mensajeDe(Cierra_Datos_Suelos(p, vista.entrada, Boton::Siguiente));
}

Texto datosSuelos2(Proyecto& p, const Catalogo&, const Separadores& sep) {
    const auto vista = Abre_Datos_Suelos_2(p, sep);
    return mensajeDe(Cierra_Datos_Suelos_2(p, vista.entrada, Boton::Siguiente));
}

Texto sobrecargas(Proyecto& p, const Catalogo&, const Separadores& sep) {
    p.Indicador_Sobrecargas = 1;
    const auto vista = Abre_Sobrecargas(p, sep);
    return mensajeDe(Cierra_Sobrecargas(p, vista.entrada, Boton::Siguiente));
}

Texto calculoCargas(Proyecto& p, const Catalogo&, const Separadores& sep) {
    const auto vista = Abre_Calculo_Cargas(p, sep);
    if (!vista)
        return vista.error().mensaje;
    return mensajeDe(Cierra_Calculo_Cargas(p, vista->entrada, Boton::Siguiente));
}

template <Resultado<void> (*Calcula)(Proyecto&)>
Texto calculoDe(Proyecto& p, const Catalogo&, const Separadores&) {
    return calculo(p, Calcula(p));
}

Texto estabilidad(Proyecto& p, const Catalogo& catalogo, const Separadores& sep) {
    const auto vista = Abre_Estabilidad(p, catalogo, sep);
    if (!vista)
        return vista.error().mensaje;
    return mensajeDe(Cierra_Estabilidad(p, vista->entrada, Boton::Siguiente));
}

Texto verificacion(Proyecto& p, const Catalogo&, const Separadores&) {
    return mensajeDe(Calcula_Verificacion(p));
}

using Ejecutor = Texto (*)(Proyecto&, const Catalogo&, const Separadores&);

// By screen, in the order of `Pantalla`.
constexpr std::array<Ejecutor, 23> kEjecutores = {
    datosTubos,
    seguridadUNE,
    seguridadATV,
    datosZanja,
    freatico,
    datosApoyo,
    datosSuelos,
    datosSuelos2,
    sobrecargas,
    calculoCargas,
    calculoDe<Calcula_Distribucion_Cargas_Tensiones>,
    calculoDe<Calcula_Distribucion_Cargas_Tensiones_Largo>,
    calculoDe<Calcula_Distribucion_Cargas_Deformaciones>,
    calculoDe<Calcula_Distribucion_Cargas_2_Tensiones>,
    calculoDe<Calcula_Distribucion_Cargas_2_Tensiones_Largo>,
    calculoDe<Calcula_Distribucion_Cargas_2_Deformaciones>,
    calculoDe<Calcula_Cargas_Calculo_Tensiones>,
    calculoDe<Calcula_Cargas_Calculo_Deformaciones>,
    calculoDe<Calcula_Esfuerzos_Corto>,
    calculoDe<Calcula_Esfuerzos_Largo>,
    calculoDe<Calcula_Tensiones>,
    estabilidad,
    verificacion,
};
static_assert(static_cast<std::size_t>(Pantalla::Verificacion_1) + 1 == kEjecutores.size());

Texto ejecuta(Pantalla pantalla, Proyecto& p, const Catalogo& catalogo, const Separadores& sep) {
    const auto i = static_cast<std::size_t>(pantalla);
    if (i >= kEjecutores.size())
        return std::nullopt;
    return kEjecutores[i](p, catalogo, sep);
}

} // namespace

std::optional<std::string> Ejecuta_Pantalla(Pantalla pantalla, Proyecto& p,
                                            const Catalogo& catalogo) {
    return ejecuta(pantalla, p, catalogo, separadores());
}

namespace {

// Runs the screens of steps `desde`..`hasta` as "next" would, each step's conditions read when
// it starts; `saltaPrimera` leaves out the first screen of step `desde` (already accepted).
std::optional<Parada> pasa(Proyecto& p, const Catalogo& catalogo, int desde, int hasta,
                           bool saltaPrimera) {
    const Separadores& sep = separadores();
    for (int paso = desde; paso <= hasta; ++paso) {
        p.Paso = static_cast<std::int16_t>(paso);
        // The conditions are read when the step starts: the pipe screen sets the flags.
        const PantallasDelPaso pantallas = Pantallas_Del_Paso(paso, p);
        const bool salta = saltaPrimera && paso == desde;
        if (pantallas.primera && !salta)
            if (auto mensaje = ejecuta(*pantallas.primera, p, catalogo, sep))
                return Parada{paso, *pantallas.primera, std::move(*mensaje)};
        if (pantallas.largoPlazo)
            if (auto mensaje = ejecuta(*pantallas.largoPlazo, p, catalogo, sep))
                return Parada{paso, *pantallas.largoPlazo, std::move(*mensaje)};
    }
    return std::nullopt;
}

} // namespace

std::optional<Parada> Calcula_Seccion(Proyecto& p, const Catalogo& catalogo) {
    return pasa(p, catalogo, kPrimerPaso, kUltimoPaso, false);
}

std::optional<Parada> Calcula_Hasta_Verificacion(Proyecto& p, const Catalogo& catalogo, int paso,
                                                 Pantalla aceptada) {
    const PantallasDelPaso pantallas = Pantallas_Del_Paso(paso, p);
    // A long-term companion just accepted ends its step; a first screen still has its companion.
    const bool eraPrimera = pantallas.primera == aceptada;
    const int desde = eraPrimera ? paso : paso + 1;
    return pasa(p, catalogo, desde, kUltimoPaso - 1, eraPrimera);
}

} // namespace tubrix
