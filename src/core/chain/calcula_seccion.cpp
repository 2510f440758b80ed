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

} // namespace

std::optional<std::string> Ejecuta_Pantalla(Pantalla pantalla, Proyecto& p,
                                            const Catalogo& catalogo) {
    const Separadores& sep = separadores();
    switch (pantalla) {
    case Pantalla::Datos_Tubos:
        Abre_Datos_Tubos(p, catalogo, sep);
        return mensajeDe(Cierra_Datos_Tubos(p, catalogo, Boton::Siguiente));
    case Pantalla::Seguridad_UNE:
        Abre_Seguridad_UNE(p);
        Cierra_Seguridad(p, Boton::Siguiente);
        return std::nullopt;
    case Pantalla::Seguridad_ATV:
        Abre_Seguridad_ATV(p);
        Cierra_Seguridad(p, Boton::Siguiente);
        return std::nullopt;
    case Pantalla::Datos_Zanja: {
        const auto vista = Abre_Datos_Zanja(p, sep);
        const auto rechazo = Cierra_Datos_Zanja(p, vista.entrada, Boton::Siguiente);
        if (rechazo && rechazo->mensaje.texto.empty())
            return consejoTipo3(p);
        return mensajeDe(rechazo);
    }
    case Pantalla::Freatico: {
        const auto vista = Abre_Freatico(p, sep);
        return mensajeDe(Cierra_Freatico(p, vista.entrada, Boton::Siguiente,
                                         [](const Mensaje&) { return false; }));
    }
    case Pantalla::Datos_Apoyo: {
        const auto vista = Abre_Datos_Apoyo(p, sep);
        return mensajeDe(Cierra_Datos_Apoyo(p, vista.entrada, Boton::Siguiente));
    }
    case Pantalla::Datos_Suelos: {
        const auto vista = Abre_Datos_Suelos(p);
        return mensajeDe(Cierra_Datos_Suelos(p, vista.entrada, Boton::Siguiente));
    }
    case Pantalla::Datos_Suelos_2: {
        const auto vista = Abre_Datos_Suelos_2(p, sep);
        return mensajeDe(Cierra_Datos_Suelos_2(p, vista.entrada, Boton::Siguiente));
    }
    case Pantalla::Sobrecargas: {
        p.Indicador_Sobrecargas = 1;
        const auto vista = Abre_Sobrecargas(p, sep);
        return mensajeDe(Cierra_Sobrecargas(p, vista.entrada, Boton::Siguiente));
    }
    case Pantalla::Calculo_Cargas: {
        const auto vista = Abre_Calculo_Cargas(p, sep);
        if (!vista)
            return vista.error().mensaje;
        return mensajeDe(Cierra_Calculo_Cargas(p, vista->entrada, Boton::Siguiente));
    }
    case Pantalla::Distribucion_Cargas_Tensiones:
        return calculo(p, Calcula_Distribucion_Cargas_Tensiones(p));
    case Pantalla::Distribucion_Cargas_Tensiones_Largo:
        return calculo(p, Calcula_Distribucion_Cargas_Tensiones_Largo(p));
    case Pantalla::Distribucion_Cargas_Deformaciones:
        return calculo(p, Calcula_Distribucion_Cargas_Deformaciones(p));
    case Pantalla::Distribucion_Cargas_2_Tensiones:
        return calculo(p, Calcula_Distribucion_Cargas_2_Tensiones(p));
    case Pantalla::Distribucion_Cargas_2_Tensiones_Largo:
        return calculo(p, Calcula_Distribucion_Cargas_2_Tensiones_Largo(p));
    case Pantalla::Distribucion_Cargas_2_Deformaciones:
        return calculo(p, Calcula_Distribucion_Cargas_2_Deformaciones(p));
    case Pantalla::Cargas_Calculo_Tensiones:
        return calculo(p, Calcula_Cargas_Calculo_Tensiones(p));
    case Pantalla::Cargas_Calculo_Deformaciones:
        return calculo(p, Calcula_Cargas_Calculo_Deformaciones(p));
    case Pantalla::Esfuerzos_Corto:
        return calculo(p, Calcula_Esfuerzos_Corto(p));
    case Pantalla::Esfuerzos_Largo:
        return calculo(p, Calcula_Esfuerzos_Largo(p));
    case Pantalla::Tensiones:
        return calculo(p, Calcula_Tensiones(p));
    case Pantalla::Estabilidad: {
        const auto vista = Abre_Estabilidad(p, catalogo, sep);
        if (!vista)
            return vista.error().mensaje;
        return mensajeDe(Cierra_Estabilidad(p, vista->entrada, Boton::Siguiente));
    }
    case Pantalla::Verificacion_1:
        return mensajeDe(Calcula_Verificacion(p));
    }
    return std::nullopt;
}

namespace {

// Runs the screens of steps `desde`..`hasta` as "next" would, each step's conditions read when
// it starts; `saltaPrimera` leaves out the first screen of step `desde` (already accepted).
std::optional<Parada> pasa(Proyecto& p, const Catalogo& catalogo, int desde, int hasta,
                           bool saltaPrimera) {
    for (int paso = desde; paso <= hasta; ++paso) {
        p.Paso = static_cast<std::int16_t>(paso);
        // The conditions are read when the step starts: the pipe screen sets the flags.
        const PantallasDelPaso pantallas = Pantallas_Del_Paso(paso, p);
        const bool salta = saltaPrimera && paso == desde;
        if (pantallas.primera && !salta)
            if (auto mensaje = Ejecuta_Pantalla(*pantallas.primera, p, catalogo))
                return Parada{paso, *pantallas.primera, std::move(*mensaje)};
        if (pantallas.largoPlazo)
            if (auto mensaje = Ejecuta_Pantalla(*pantallas.largoPlazo, p, catalogo))
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
