#include "obra/edita_obra.h"

#include "chain/calcula_seccion.h"
#include "format/ida_y_vuelta.h"
#include "model/campos.h"
#include "obra/calcula_obra.h"
#include "util/lector_csv.h"

#include <algorithm>
#include <set>

namespace tubrix {
namespace {

Separadores separadoresDe(char decimal) {
    return Separadores{std::string(1, decimal), "", true};
}

std::string_view sinBlancos(std::string_view texto) {
    const auto inicio = texto.find_first_not_of(" \t\r");
    if (inicio == std::string_view::npos)
        return {};
    return texto.substr(inicio, texto.find_last_not_of(" \t\r") + 1 - inicio);
}

// The cell a text gives: none when empty, or the complaint.
tl::expected<std::optional<ValorCelda>, std::string>
leeCelda(const DefinicionColumna& columna, std::string_view texto, char decimal) {
    texto = sinBlancos(texto);
    if (texto.empty())
        return std::nullopt;
    ValorCelda valor = std::string(texto);
    if (columna.tipo != TipoColumna::Texto) {
        const auto numero = leeNumeroCsv(texto, decimal);
        if (!numero)
            return tl::unexpected("\"" + std::string(texto) + "\" no es un número (escríbalo con " +
                                  (decimal == ',' ? "coma" : "punto") + " decimal)");
        valor = *numero;
    }
    if (const auto problema = Comprueba_Celda(columna, valor))
        return tl::unexpected(*problema);
    return std::optional<ValorCelda>(std::move(valor));
}

// Writes one cell; the column index counts the name as column 0.
std::optional<std::string> escribe(Obra& obra, std::size_t tramo, std::size_t columna,
                                   std::string_view texto, char decimal) {
    Tramo& t = obra.tramos.at(tramo);
    if (columna == 0) {
        const std::string_view nombre = sinBlancos(texto);
        if (nombre.empty())
            return "Tramo: el tramo necesita un nombre";
        t.nombre = std::string(nombre);
        return std::nullopt;
    }
    const std::string& nombre = obra.columnas.at(columna - 1);
    const DefinicionColumna* definicion = buscaColumna(nombre);
    if (!definicion)
        return nombre + ": no es un dato de la sección";
    auto celda = leeCelda(*definicion, texto, decimal);
    if (!celda)
        return nombre + ": " + celda.error();
    if (*celda)
        t.datos.insert_or_assign(nombre, std::move(**celda));
    else
        t.datos.erase(nombre);
    return std::nullopt;
}

// The value of a persisted field as a cell.
ValorCelda valorDe(const Proyecto& p, const Campo& campo) {
    return std::visit(
        [&](auto m) -> ValorCelda {
            using T = std::decay_t<decltype(p.*m)>;
            if constexpr (std::is_same_v<T, std::string>)
                return p.*m;
            else if constexpr (std::is_same_v<T, std::int16_t> || std::is_same_v<T, double>)
                return static_cast<double>(p.*m);
            else
                return 0.0; // persisted fields are numbers or texts
        },
        campo.miembro);
}

void ponDato(Obra& obra, Tramo& tramo, const std::string& nombre, std::optional<ValorCelda> valor,
             CambiosTramo& cambios) {
    const ValorCelda* actual = tramo.dato(nombre);
    if (valor) {
        if (actual && *actual == *valor)
            return;
        obra.anadeColumna(nombre);
        tramo.datos.insert_or_assign(nombre, std::move(*valor));
    } else {
        if (!actual)
            return;
        tramo.datos.erase(nombre);
    }
    cambios.guardados.push_back(nombre);
}

// The first pipe of the sub-class with that DN, as the DN column names it.
std::optional<std::int16_t> tuboDelDn(const Catalogo& catalogo, std::int16_t subclase,
                                      std::int16_t dn) {
    for (const EntradaTubo& t : catalogo.listaTubos(subclase))
        if (t.diametroN == dn)
            return t.codigo;
    return std::nullopt;
}

// Writes into the reach every persisted field named in `campos` as `editada` holds it.
void escribeCampos(Obra& obra, std::size_t indice, const Proyecto& editada,
                   const std::vector<const Campo*>& campos, const Catalogo& catalogo,
                   CambiosTramo& cambios) {
    Tramo& tramo = obra.tramos.at(indice);
    const TramoResuelto resuelto = Resuelve_Tramo(obra, tramo);
    for (const Campo* campo : campos) {
        const std::string nombre(campo->nombre);
        if (nombre == "H" && resuelto.perfil) {
            cambios.avisos.push_back("H no se guarda: en un tramo de perfil el recubrimiento sale "
                                     "de las cotas del terreno y de la solera.");
            continue;
        }
        if (nombre == "Codigo_Diametro" && tramo.dato(kColumnaDN)) {
            const TuboNormalizado* tubo = catalogo.Busca_Tubo(editada.Codigo_Diametro);
            if (tubo && tuboDelDn(catalogo, editada.Codigo_Submaterial, tubo->diametroN) ==
                            editada.Codigo_Diametro) {
                ponDato(obra, tramo, std::string(kColumnaDN),
                        ValorCelda(static_cast<double>(tubo->diametroN)), cambios);
                ponDato(obra, tramo, nombre, std::nullopt, cambios);
                continue;
            }
            ponDato(obra, tramo, std::string(kColumnaDN), std::nullopt, cambios);
        }
        if ((nombre == "Nivel_Freatico" || nombre == "Hw") && resuelto.conHf) {
            ponDato(obra, tramo, std::string(kColumnaHf),
                    editada.Nivel_Freatico == kNo ? std::nullopt
                                                  : std::optional<ValorCelda>(editada.Hw),
                    cambios);
            continue;
        }
        ValorCelda valor = valorDe(editada, *campo);
        if (valor == valorDe(obra.base, *campo))
            ponDato(obra, tramo, nombre, std::nullopt, cambios);
        else
            ponDato(obra, tramo, nombre, std::move(valor), cambios);
    }
    // One name per change, in the order they were made.
    std::vector<std::string> unicos;
    for (std::string& n : cambios.guardados)
        if (std::find(unicos.begin(), unicos.end(), n) == unicos.end())
            unicos.push_back(std::move(n));
    cambios.guardados = std::move(unicos);
}

// Names "Tramo n" that no reach has, from n = the number of reaches + 1 on; each one given is
// taken.
class NombresLibres {
public:
    explicit NombresLibres(const Obra& obra) : m_numero(obra.tramos.size()) {
        for (const Tramo& t : obra.tramos)
            m_usados.insert(t.nombre);
    }
    std::string siguiente() {
        std::string nombre;
        do
            nombre = "Tramo " + std::to_string(++m_numero);
        while (!m_usados.insert(nombre).second);
        return nombre;
    }

private:
    std::set<std::string> m_usados;
    std::size_t m_numero;
};

} // namespace

std::size_t Columnas_Tabla(const Obra& obra) {
    return obra.columnas.size() + 1;
}

std::string Texto_Celda(const Obra& obra, std::size_t tramo, std::size_t columna,
                        char separadorDecimal) {
    const Tramo& t = obra.tramos.at(tramo);
    if (columna == 0)
        return t.nombre;
    const ValorCelda* valor = t.dato(obra.columnas.at(columna - 1));
    if (!valor)
        return {};
    if (const auto* texto = std::get_if<std::string>(valor))
        return *texto;
    return formateaGeneral(std::get<double>(*valor), separadoresDe(separadorDecimal));
}

std::optional<std::string> Pon_Celda(Obra& obra, std::size_t tramo, std::size_t columna,
                                     std::string_view texto, char separadorDecimal) {
    Obra copia = obra;
    if (auto problema = escribe(copia, tramo, columna, texto, separadorDecimal))
        return problema;
    obra = std::move(copia);
    return std::nullopt;
}

tl::expected<std::size_t, std::string> Pega_Celdas(Obra& obra, std::size_t tramo,
                                                   std::size_t columna, std::string_view bloque,
                                                   char separadorDecimal) {
    // Spreadsheets end the block with a line break; a last empty line is not a row.
    while (!bloque.empty() && (bloque.back() == '\n' || bloque.back() == '\r'))
        bloque.remove_suffix(1);
    if (bloque.empty())
        return 0;
    Obra copia = obra;
    NombresLibres nombres(copia);
    std::size_t escritas = 0;
    std::size_t fila = tramo;
    std::size_t inicio = 0;
    while (inicio <= bloque.size()) {
        const std::size_t fin = std::min(bloque.find('\n', inicio), bloque.size());
        const std::string_view linea = bloque.substr(inicio, fin - inicio);
        if (fila >= copia.tramos.size())
            copia.tramos.push_back(Tramo{nombres.siguiente(), {}});
        std::size_t c = columna;
        std::size_t desde = 0;
        while (desde <= linea.size()) {
            const std::size_t hasta = std::min(linea.find('\t', desde), linea.size());
            if (c >= Columnas_Tabla(copia))
                return tl::unexpected("Fila " + std::to_string(fila + 1) +
                                      ": lo pegado tiene más columnas que la tabla; añada antes "
                                      "las columnas que faltan.");
            if (auto problema =
                    escribe(copia, fila, c, linea.substr(desde, hasta - desde), separadorDecimal))
                return tl::unexpected("Fila " + std::to_string(fila + 1) + ", columna " +
                                      *problema + ".");
            ++escritas;
            ++c;
            desde = hasta + 1;
        }
        ++fila;
        inicio = fin + 1;
    }
    obra = std::move(copia);
    return escritas;
}

std::string Nombre_Tramo_Nuevo(const Obra& obra) {
    return NombresLibres(obra).siguiente();
}

Resultado<CambiosTramo> Guarda_Seccion_En_Tramo(Obra& obra, std::size_t tramo, Extremo extremo,
                                                const Proyecto& editada, const Catalogo& catalogo) {
    auto abierta = Seccion_Del_Tramo(obra, tramo, catalogo, extremo);
    if (!abierta)
        return falla(CodigoError::DatoNoCalculable, abierta.error().mensaje);
    // What the screens derive from the section as opened is no change of the user's.
    Proyecto derivada = *abierta;
    (void)Calcula_Seccion(derivada, catalogo);
    std::vector<const Campo*> cambiados;
    for (const Campo& campo : camposPersistidos()) {
        const ValorCelda ahora = valorDe(editada, campo);
        if (ahora != valorDe(*abierta, campo) && ahora != valorDe(derivada, campo))
            cambiados.push_back(&campo);
    }
    CambiosTramo cambios;
    escribeCampos(obra, tramo, editada, cambiados, catalogo, cambios);
    return cambios;
}

Resultado<CambiosTramo> Usa_Tubo_En_Tramo(Obra& obra, std::size_t tramo, const TuboCandidato& tubo,
                                          const Catalogo& catalogo) {
    const Extremo extremo = Extremos_Del_Tramo(obra.tramos.at(tramo)).front();
    auto seccion = Seccion_Del_Tramo(obra, tramo, catalogo, extremo);
    if (!seccion)
        return falla(CodigoError::DatoNoCalculable, seccion.error().mensaje);
    Proyecto editada = *seccion;
    Usa_Tubo(editada, tubo);
    std::vector<const Campo*> campos;
    for (const std::string_view nombre :
         {"Codigo_Material", "Codigo_Submaterial", "Codigo_Diametro"})
        campos.push_back(buscaCampo(nombre));
    CambiosTramo cambios;
    escribeCampos(obra, tramo, editada, campos, catalogo, cambios);
    return cambios;
}

} // namespace tubrix
