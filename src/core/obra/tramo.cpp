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

std::optional<Parada> aplicaDN(Proyecto& p, const TramoResuelto& tramo, const Catalogo& catalogo) {
    if (!tramo.dn)
        return std::nullopt;
    const double dn = *tramo.dn;
    if (tramo.daCodigoDiametro)
        return rechazoDe(Pantalla::Datos_Tubos,
                         "El tramo da a la vez DN y Codigo_Diametro: deje solo uno de los dos.");
    const std::span<const TuboNormalizado> tubos = catalogo.tubosDe(p.Codigo_Submaterial);
    for (const TuboNormalizado& t : tubos) {
        if (t.diametroN == dn) {
            p.Codigo_Diametro = t.id;
            return std::nullopt;
        }
    }
    // The diameter list is sorted by DN, so equal diameters are neighbours.
    std::string disponibles;
    std::int16_t anterior = 0;
    for (const TuboNormalizado& t : tubos) {
        if (t.diametroN != anterior)
            disponibles += (disponibles.empty() ? " " : ", ") + std::to_string(t.diametroN);
        anterior = t.diametroN;
    }
    const Subclase* subclase = catalogo.buscaSubclase(p.Codigo_Submaterial);
    const std::string nombre = subclase ? "\"" + subclase->material + "\""
                                        : "de código " + std::to_string(p.Codigo_Submaterial);
    return rechazoDe(
        Pantalla::Datos_Tubos,
        "La subclase " + nombre + " no tiene ningún tubo de DN " + general(dn) + "." +
            (disponibles.empty() ? "" : " Sus diámetros nominales son" + disponibles + "."));
}

std::optional<Parada> aplicaHf(Proyecto& p, const TramoResuelto& tramo) {
    if (!tramo.conHf)
        return std::nullopt;
    if (tramo.daFreaticoOHw)
        return rechazoDe(Pantalla::Freatico, "El tramo da a la vez Hf y Nivel_Freatico o Hw: el "
                                             "nivel freático se da solo con Hf.");
    if (tramo.hf) {
        p.Nivel_Freatico = kSi;
        p.Hw = *tramo.hf;
    } else {
        p.Nivel_Freatico = kNo;
        p.Hw = 0;
    }
    return std::nullopt;
}

std::optional<Parada> aplicaPerfil(Proyecto& p, const TramoResuelto& tramo,
                                   const Catalogo& catalogo, Extremo extremo) {
    if (!tramo.perfil)
        return std::nullopt;
    std::string faltan;
    for (std::size_t i = 0; i < kCotas.size(); ++i)
        if (!tramo.cotas[i])
            faltan += (faltan.empty() ? "" : ", ") + std::string(kCotas[i]);
    if (!faltan.empty())
        return rechazoDe(Pantalla::Datos_Zanja,
                         "Faltan cotas del perfil: " + faltan +
                             ". Un tramo de perfil da las cotas del terreno y de la solera en "
                             "sus dos extremos.");
    if (tramo.daH)
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

std::optional<double> numeroDe(const ValorCelda& valor) {
    if (const double* v = std::get_if<double>(&valor))
        return *v;
    return std::nullopt;
}

constexpr std::array kUnico = {Extremo::Unico};
constexpr std::array kAmbos = {Extremo::Inicio, Extremo::Fin};

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

namespace {

// The column a cell names. The reaches of a works name the same few columns, so those `r` has
// met already are compared by name before the look-up in the table of every column.
const DefinicionColumna* columnaDe(std::string_view nombre, TramoResuelto& r) {
    for (const DefinicionColumna* columna : r.conocidas)
        if (columna->nombre == nombre)
            return columna;
    const DefinicionColumna* columna = buscaColumna(nombre);
    if (columna)
        r.conocidas.push_back(columna);
    return columna;
}

// The persisted fields that another way of giving them excludes (compared by their entry).
struct ColumnasExcluyentes {
    const DefinicionColumna* codigoDiametro = buscaColumna("Codigo_Diametro");
    const DefinicionColumna* nivelFreatico = buscaColumna("Nivel_Freatico");
    const DefinicionColumna* hw = buscaColumna("Hw");
    const DefinicionColumna* h = buscaColumna("H");
};

const ColumnasExcluyentes& columnasExcluyentes() {
    static const ColumnasExcluyentes columnas;
    return columnas;
}

} // namespace

void Resuelve_Tramo(const Obra& obra, const Tramo& tramo, TramoResuelto& r) {
    r.dn.reset();
    r.hf.reset();
    r.cotas = {};
    r.daCodigoDiametro = r.daFreaticoOHw = r.perfil = r.daH = false;
    r.conHf = obra.tieneColumna(kColumnaHf);
    const ColumnasExcluyentes& excluyentes = columnasExcluyentes();
    std::size_t n = 0; // cells of this reach so far; the rest still hold the previous reach's
    for (const auto& [nombre, valor] : tramo.datos) {
        const DefinicionColumna* columna = columnaDe(nombre, r);
        if (!columna)
            continue;
        const TramoResuelto::Celda celda{columna, &valor};
        if (n < r.celdas.size())
            r.celdas[n] = celda;
        else
            r.celdas.push_back(celda);
        ++n;
        switch (columna->tipo) {
        case TipoColumna::DN:
            r.dn = numeroDe(valor);
            break;
        case TipoColumna::Hf:
            r.conHf = true;
            r.hf = numeroDe(valor);
            break;
        case TipoColumna::Cota:
            r.perfil = true;
            for (std::size_t i = 0; i < kCotas.size(); ++i)
                if (columna->nombre == kCotas[i])
                    r.cotas[i] = numeroDe(valor);
            break;
        default:
            if (columna == excluyentes.codigoDiametro)
                r.daCodigoDiametro = true;
            else if (columna == excluyentes.nivelFreatico || columna == excluyentes.hw)
                r.daFreaticoOHw = true;
            else if (columna == excluyentes.h)
                r.daH = true;
            break;
        }
    }
    r.celdas.resize(n);
}

TramoResuelto Resuelve_Tramo(const Obra& obra, const Tramo& tramo) {
    TramoResuelto r;
    Resuelve_Tramo(obra, tramo, r);
    return r;
}

std::span<const Extremo> Extremos_Del_Tramo(const TramoResuelto& tramo) {
    if (tramo.perfil)
        return kAmbos;
    return kUnico;
}

std::span<const Extremo> Extremos_Del_Tramo(const Tramo& tramo) {
    if (Es_Tramo_De_Perfil(tramo))
        return kAmbos;
    return kUnico;
}

std::optional<double> Recubrimiento_En_Extremo(const Proyecto& seccion, const TramoResuelto& tramo,
                                               const Catalogo& catalogo, Extremo extremo) {
    const bool fin = extremo == Extremo::Fin;
    const auto& terreno = tramo.cotas[fin ? 1 : 0];
    const auto& solera = tramo.cotas[fin ? 3 : 2];
    const TuboNormalizado* tubo = catalogo.Busca_Tubo(seccion.Codigo_Diametro);
    if (!terreno || !solera || !tubo)
        return std::nullopt;
    // From the invert (inside bottom) to the crown (outside top): the bore and one wall.
    return *terreno - *solera - (tubo->diametroI + tubo->espesor) / 1000.0;
}

std::optional<Parada> Aplica_Tramo(Proyecto& seccion, const TramoResuelto& tramo,
                                   const Catalogo& catalogo, Extremo extremo) {
    for (const TramoResuelto::Celda& celda : tramo.celdas)
        if (celda.columna->campo)
            ponCampo(seccion, *celda.columna->campo, *celda.valor);
    if (auto parada = aplicaDN(seccion, tramo, catalogo))
        return parada;
    if (auto parada = aplicaHf(seccion, tramo))
        return parada;
    return aplicaPerfil(seccion, tramo, catalogo, extremo);
}

std::optional<Parada> Aplica_Tramo(Proyecto& seccion, const Obra& obra, const Tramo& tramo,
                                   const Catalogo& catalogo, Extremo extremo) {
    return Aplica_Tramo(seccion, Resuelve_Tramo(obra, tramo), catalogo, extremo);
}

std::vector<std::string> Datos_No_Usados(const TramoResuelto& tramo, const Proyecto& calculada,
                                         const Separadores& separadores) {
    std::vector<std::string> avisos;
    const auto compara = [&](std::string_view nombre, double dado, double usado) {
        if (dado == usado)
            return;
        // A difference below the 15 digits a cell shows is the arithmetic's, not the user's.
        std::string textoDado = formateaGeneral(dado, separadores);
        std::string textoUsado = formateaGeneral(usado, separadores);
        if (textoDado == textoUsado)
            return;
        avisos.push_back(std::string(nombre) + " = " + textoDado +
                         " no entra en el cálculo tal como se ha dado: se ha usado " + textoUsado +
                         ".");
    };
    for (const TramoResuelto::Celda& celda : tramo.celdas) {
        const DefinicionColumna& columna = *celda.columna;
        const double* dado = std::get_if<double>(celda.valor);
        if (!dado)
            continue;
        if (columna.tipo == TipoColumna::Hf) {
            compara(columna.nombre, *dado, calculada.Hw);
        } else if (columna.campo) {
            std::visit(
                [&](auto m) {
                    using T = std::decay_t<decltype(calculada.*m)>;
                    if constexpr (std::is_same_v<T, std::int16_t> || std::is_same_v<T, double>)
                        compara(columna.nombre, *dado, static_cast<double>(calculada.*m));
                },
                columna.campo->miembro);
        }
    }
    return avisos;
}

} // namespace tubrix
