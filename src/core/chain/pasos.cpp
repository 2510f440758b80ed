#include "chain/pasos.h"

#include <array>

namespace tubrix {

std::string_view nombrePantalla(Pantalla pantalla) {
    static constexpr std::array<std::string_view, 23> kNombres = {
        "Datos_Tubos",
        "Seguridad_UNE",
        "Seguridad_ATV",
        "Datos_Zanja",
        "Freatico",
        "Datos_Apoyo",
        "Datos_Suelos",
        "Datos_Suelos_2",
        "Sobrecargas",
        "Calculo_Cargas",
        "Distribucion_Cargas_Tensiones",
        "Distribucion_Cargas_Tensiones_Largo",
        "Distribucion_Cargas_Deformaciones",
        "Distribucion_Cargas_2_Tensiones",
        "Distribucion_Cargas_2_Tensiones_Largo",
        "Distribucion_Cargas_2_Deformaciones",
        "Cargas_Calculo_Tensiones",
        "Cargas_Calculo_Deformaciones",
        "Esfuerzos_Corto",
        "Esfuerzos_Largo",
        "Tensiones",
        "Estabilidad",
        "Verificacion_1",
    };
    return kNombres[static_cast<std::size_t>(pantalla)];
}

int Linea_Del_Paso(int paso) {
    static constexpr std::array<int, 21> kLineas = {0, 1, 2, 3, 3, 3, 4, 4, 5, 6, 7,
                                                    7, 7, 7, 7, 7, 8, 8, 8, 8, 9};
    return paso >= 0 && paso <= kUltimoPaso ? kLineas[static_cast<std::size_t>(paso)] : 0;
}

bool Hay_Deformaciones(const Proyecto& p) {
    return p.Indicador_Deformacion_A == 1 || p.Indicador_Deformacion_B == 1;
}

PantallasDelPaso Pantallas_Del_Paso(int paso, const Proyecto& p) {
    const bool largo = p.Largo_Plazo == 1;
    const bool deformaciones = Hay_Deformaciones(p);
    auto si = [](bool condicion, Pantalla pantalla) {
        return condicion ? std::optional<Pantalla>(pantalla) : std::nullopt;
    };
    switch (paso) {
    case 1:
        return {Pantalla::Datos_Tubos, {}};
    case 2:
        return {p.Norma == 1 ? Pantalla::Seguridad_UNE : Pantalla::Seguridad_ATV, {}};
    case 3:
        return {Pantalla::Datos_Zanja, {}};
    case 4:
        return {Pantalla::Freatico, {}};
    case 5:
        return {Pantalla::Datos_Apoyo, {}};
    case 6:
        return {Pantalla::Datos_Suelos, {}};
    case 7:
        return {Pantalla::Datos_Suelos_2, {}};
    case 8:
        return {Pantalla::Sobrecargas, {}};
    case 9:
        return {Pantalla::Calculo_Cargas, {}};
    case 10:
        return {Pantalla::Distribucion_Cargas_Tensiones,
                si(largo, Pantalla::Distribucion_Cargas_Tensiones_Largo)};
    case 11:
        return {si(deformaciones, Pantalla::Distribucion_Cargas_Deformaciones), {}};
    case 12:
        return {Pantalla::Distribucion_Cargas_2_Tensiones,
                si(largo, Pantalla::Distribucion_Cargas_2_Tensiones_Largo)};
    case 13:
        return {si(deformaciones, Pantalla::Distribucion_Cargas_2_Deformaciones), {}};
    case 14:
        return {Pantalla::Cargas_Calculo_Tensiones, {}};
    case 15:
        return {si(deformaciones, Pantalla::Cargas_Calculo_Deformaciones), {}};
    case 16:
        return {Pantalla::Esfuerzos_Corto, {}};
    case 17:
        return {si(largo, Pantalla::Esfuerzos_Largo), {}};
    case 18:
        return {Pantalla::Tensiones, {}};
    case 19:
        return {Pantalla::Estabilidad, {}};
    case 20:
        return {Pantalla::Verificacion_1, {}};
    default:
        return {};
    }
}

} // namespace tubrix
