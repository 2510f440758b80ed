#include "obra/tramo.h"

#include "format/ida_y_vuelta.h"

#include <array>
#include <cmath>

namespace tubrix {
namespace {

constexpr std::array kCotas = {kCotaTerrenoInicio, kCotaTerrenoFin, kCotaSoleraInicio,
                               kCotaSoleraFin};

Parada rechazoDe(Pantalla pantalla, std::string mensaje) {
    const int paso =
        pantalla == Pantalla::Datos_Tubos ? 1 : (pantalla == Pantalla::Freatico ? 4 : 3);
    return Parada{paso, pantalla, std::move(mensaje)};
}

void ponCampo(Proyecto& p, const Campo& campo, const ValorCelda& valor) {
    std::visit(
        [&](auto m) {
            using T = std::decay_t<decltype(p.*m)>;
            if constexpr (std::is_same_v<T, std::int16_t>)
                p.*m = static_cast<std::int16_t>(std::get<double>(valor));
            else if constexpr (std::is_same_v<T, double>)
                p.*m = std::get<double>(valor);
            else if constexpr (std::is_same_v<T, std::string>)
                p.*m = std::get<std::string>(valor);
        },
        campo.miembro);
}

std::string general(double valor) {
    return formateaGeneral(valor, Separadores::espanol());
}

std::optional<Parada> aplicaDN(Proyecto& p, const Tramo& tramo, const Catalogo& catalogo) {
    const std::optional<double> dn = tramo.numero(kColumnaDN);
    if (!dn)
        return std::nullopt;
    if (tramo.dato("Codigo_Diametro"))
        return rechazoDe(Pantalla::Datos_Tubos,
                         "El tramo da a la vez DN y Codigo_Diametro: deje solo uno de los dos.");
    // The diameter list is sorted by DN, so equal diameters are neighbours.
    std::string disponibles;
    std::int16_t anterior = 0;
    for (const EntradaTubo& t : catalogo.listaTubos(p.Codigo_Submaterial)) {
        if (t.diametroN == *dn) {
            p.Codigo_Diametro = t.codigo;
            return std::nullopt;
        }
        if (t.diametroN != anterior)
            disponibles += (disponibles.empty() ? " " : ", ") + std::to_string(t.diametroN);
        anterior = t.diametroN;
    }
    const Subclase* subclase = catalogo.buscaSubclase(p.Codigo_Submaterial);
    const std::string nombre = subclase ? "\"" + subclase->material + "\""
                                        : "de código " + std::to_string(p.Codigo_Submaterial);
    return rechazoDe(
        Pantalla::Datos_Tubos,
        "La subclase " + nombre + " no tiene ningún tubo de DN " + general(*dn) + "." +
            (disponibles.empty() ? "" : " Sus diámetros nominales son" + disponibles + "."));
}

std::optional<Parada> aplicaHf(Proyecto& p, const Obra& obra, const Tramo& tramo) {
    if (!obra.tieneColumna(kColumnaHf) && !tramo.dato(kColumnaHf))
        return std::nullopt;
    if (tramo.dato("Nivel_Freatico") || tramo.dato("Hw"))
        return rechazoDe(Pantalla::Freatico, "El tramo da a la vez Hf y Nivel_Freatico o Hw: el "
                                             "nivel freático se da solo con Hf.");
    if (const std::optional<double> hf = tramo.numero(kColumnaHf)) {
        p.Nivel_Freatico = kSi;
        p.Hw = *hf;
    } else {
        p.Nivel_Freatico = kNo;
        p.Hw = 0;
    }
    return std::nullopt;
}

std::optional<Parada> aplicaPerfil(Proyecto& p, const Tramo& tramo, const Catalogo& catalogo,
                                   Extremo extremo) {
    if (!Es_Tramo_De_Perfil(tramo))
        return std::nullopt;
    std::string faltan;
    for (const std::string_view cota : kCotas)
        if (!tramo.numero(cota))
            faltan += (faltan.empty() ? "" : ", ") + std::string(cota);
    if (!faltan.empty())
        return rechazoDe(Pantalla::Datos_Zanja,
                         "Faltan cotas del perfil: " + faltan +
                             ". Un tramo de perfil da las cotas del terreno y de la solera en "
                             "sus dos extremos.");
    if (tramo.dato("H"))
        return rechazoDe(Pantalla::Datos_Zanja,
                         "El tramo da a la vez H y las cotas del perfil: deje solo una de las "
                         "dos formas de dar el recubrimiento.");
    if (p.Tipo_Instalacion != 1)
        return rechazoDe(Pantalla::Datos_Zanja,
                         "Las cotas del perfil dan la altura H de una instalación de tipo 1 "
                         "(zanja o terraplén); en una zanja terraplenada dé H1 y H2.");
    const auto h = Recubrimiento_En_Extremo(p, tramo, catalogo, extremo);
    if (!h)
        return rechazoDe(Pantalla::Datos_Tubos, "El tubo de código " +
                                                    std::to_string(p.Codigo_Diametro) +
                                                    " no está en el catálogo.");
    p.H = *h;
    return std::nullopt;
}

} // namespace

std::string_view nombreExtremo(Extremo extremo) {
    switch (extremo) {
    case Extremo::Unico:
        return "";
    case Extremo::Inicio:
        return "inicio";
    case Extremo::Fin:
        return "fin";
    }
    return "";
}

bool Es_Tramo_De_Perfil(const Tramo& tramo) {
    for (const std::string_view cota : kCotas)
        if (tramo.dato(cota))
            return true;
    return false;
}

std::vector<Extremo> Extremos_Del_Tramo(const Tramo& tramo) {
    if (Es_Tramo_De_Perfil(tramo))
        return {Extremo::Inicio, Extremo::Fin};
    return {Extremo::Unico};
}

std::optional<double> Recubrimiento_En_Extremo(const Proyecto& seccion, const Tramo& tramo,
                                               const Catalogo& catalogo, Extremo extremo) {
    const bool fin = extremo == Extremo::Fin;
    const auto terreno = tramo.numero(fin ? kCotaTerrenoFin : kCotaTerrenoInicio);
    const auto solera = tramo.numero(fin ? kCotaSoleraFin : kCotaSoleraInicio);
    const TuboNormalizado* tubo = catalogo.Busca_Tubo(seccion.Codigo_Diametro);
    if (!terreno || !solera || !tubo)
        return std::nullopt;
    // From the invert (inside bottom) to the crown (outside top): the bore and one wall.
    return *terreno - *solera - (tubo->diametroI + tubo->espesor) / 1000.0;
}

std::optional<Parada> Aplica_Tramo(Proyecto& seccion, const Obra& obra, const Tramo& tramo,
                                   const Catalogo& catalogo, Extremo extremo) {
    for (const auto& dato : tramo.datos) {
        const DefinicionColumna* columna = buscaColumna(dato.first);
        if (columna && columna->campo)
            ponCampo(seccion, *columna->campo, dato.second);
    }
    if (auto parada = aplicaDN(seccion, tramo, catalogo))
        return parada;
    if (auto parada = aplicaHf(seccion, obra, tramo))
        return parada;
    return aplicaPerfil(seccion, tramo, catalogo, extremo);
}

std::vector<std::string> Datos_No_Usados(const Tramo& tramo, const Proyecto& calculada,
                                         const Separadores& separadores) {
    std::vector<std::string> avisos;
    const auto compara = [&](std::string_view nombre, double dado, double usado) {
        if (dado == usado)
            return;
        avisos.push_back(std::string(nombre) + " = " + formateaGeneral(dado, separadores) +
                         " no entra en el cálculo tal como se ha dado: se ha usado " +
                         formateaGeneral(usado, separadores) + ".");
    };
    for (const auto& dato : tramo.datos) {
        const DefinicionColumna* columna = buscaColumna(dato.first);
        if (!columna || !std::holds_alternative<double>(dato.second))
            continue;
        const double dado = std::get<double>(dato.second);
        if (columna->tipo == TipoColumna::Hf) {
            compara(columna->nombre, dado, calculada.Hw);
        } else if (columna->campo) {
            std::visit(
                [&](auto m) {
                    using T = std::decay_t<decltype(calculada.*m)>;
                    if constexpr (std::is_same_v<T, std::int16_t> || std::is_same_v<T, double>)
                        compara(columna->nombre, dado, static_cast<double>(calculada.*m));
                },
                columna->campo->miembro);
        }
    }
    return avisos;
}

} // namespace tubrix
