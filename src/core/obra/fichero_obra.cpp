#include "obra/fichero_obra.h"

#include "model/proyecto_json.h"
#include "util/ascii_case.h"
#include "util/atomic_file.h"
#include "util/paths.h"
#include "util/read_file.h"

#include <algorithm>
#include <nlohmann/json.hpp>

namespace tubrix {
namespace {

using nlohmann::json;

json celdaJson(const ValorCelda& valor) {
    return std::visit([](const auto& v) { return json(v); }, valor);
}

class Lector {
public:
    explicit Lector(std::string_view nombre) : m_nombre(nombre) {}

    tl::unexpected<Error> falla(const std::string& motivo) const {
        return tubrix::falla(CodigoError::FicheroNoValido,
                             "El fichero \"" + m_nombre + "\" no es una obra válida: " + motivo +
                                 ".");
    }

    Resultado<Obra> lee(const json& raiz) const {
        if (!raiz.is_object())
            return falla("debe contener un objeto JSON");
        for (const auto& elemento : raiz.items())
            if (elemento.key() != "formato" && elemento.key() != "version" &&
                elemento.key() != "base" && elemento.key() != "columnas" &&
                elemento.key() != "tramos")
                return falla("\"" + elemento.key() + "\" no es un apartado de una obra");
        if (!raiz.contains("formato") || raiz["formato"] != kFormatoObra)
            return falla("falta \"formato\": \"" + std::string(kFormatoObra) + "\"");
        if (!raiz.contains("version") || !raiz["version"].is_number_integer())
            return falla("falta la versión del formato (\"version\")");
        if (raiz["version"].get<long long>() > kVersionObra || raiz["version"] < 1)
            return falla("es de la versión " + raiz["version"].dump() +
                         " del formato y este programa lee hasta la " +
                         std::to_string(kVersionObra));

        Obra obra;
        Arranca_Programa(obra.base);
        Inicializa_Proyecto(obra.base);
        if (raiz.contains("base")) {
            if (auto leida = desdeJson(obra.base, raiz["base"], m_nombre); !leida)
                return tl::unexpected(leida.error());
        }
        if (auto columnas = leeColumnas(raiz, obra); !columnas)
            return tl::unexpected(columnas.error());
        if (raiz.contains("tramos")) {
            const json& tramos = raiz["tramos"];
            if (!tramos.is_array())
                return falla("\"tramos\" debe ser una lista");
            for (std::size_t i = 0; i < tramos.size(); ++i) {
                auto tramo = leeTramo(tramos[i], i, obra);
                if (!tramo)
                    return tl::unexpected(tramo.error());
                obra.tramos.push_back(std::move(*tramo));
            }
        }
        return obra;
    }

private:
    Resultado<void> leeColumnas(const json& raiz, Obra& obra) const {
        if (!raiz.contains("columnas"))
            return {};
        const json& columnas = raiz["columnas"];
        if (!columnas.is_array())
            return falla("\"columnas\" debe ser una lista de nombres");
        for (const json& c : columnas) {
            if (!c.is_string())
                return falla("\"columnas\" debe ser una lista de nombres");
            const std::string nombre = c.get<std::string>();
            if (!buscaColumna(nombre))
                return falla("la columna \"" + nombre + "\" no es un dato de la sección");
            if (obra.tieneColumna(nombre))
                return falla("la columna \"" + nombre + "\" está repetida");
            obra.columnas.push_back(nombre);
        }
        return {};
    }

    Resultado<Tramo> leeTramo(const json& objeto, std::size_t i, const Obra& obra) const {
        const std::string cual = "el tramo " + std::to_string(i + 1);
        if (!objeto.is_object())
            return falla(cual + " debe ser un objeto");
        if (!objeto.contains(kColumnaTramo) || !objeto[std::string(kColumnaTramo)].is_string())
            return falla(cual + " no tiene nombre (\"Tramo\")");
        Tramo tramo;
        tramo.nombre = objeto[std::string(kColumnaTramo)].get<std::string>();
        const std::string quien = "tramo \"" + tramo.nombre + "\"";
        for (const auto& elemento : objeto.items()) {
            const std::string& campo = elemento.key();
            const json& v = elemento.value();
            if (campo == kColumnaTramo)
                continue;
            const DefinicionColumna* columna = buscaColumna(campo);
            if (!columna)
                return falla(quien + ": \"" + campo + "\" no es un dato de la sección");
            if (!obra.tieneColumna(campo))
                return falla(quien + ": \"" + campo + "\" no está entre las columnas de la obra");
            if (v.is_null())
                continue;
            ValorCelda valor;
            if (v.is_number())
                valor = v.get<double>();
            else if (v.is_string())
                valor = v.get<std::string>();
            else
                return falla(quien + ", " + campo + ": debe ser un número o un texto");
            if (const auto problema = Comprueba_Celda(*columna, valor))
                return falla(quien + ", " + campo + ": " + *problema);
            tramo.datos.emplace(campo, std::move(valor));
        }
        return tramo;
    }

    std::string m_nombre;
};

} // namespace

std::string Codifica_Obra(const Obra& obra) {
    json raiz = json::object();
    raiz["formato"] = kFormatoObra;
    raiz["version"] = kVersionObra;
    raiz["base"] = aJson(obra.base, camposPersistidos());
    raiz["columnas"] = obra.columnas;
    json tramos = json::array();
    for (const Tramo& t : obra.tramos) {
        json objeto = json::object();
        objeto[std::string(kColumnaTramo)] = t.nombre;
        for (const auto& dato : t.datos)
            objeto[dato.first] = celdaJson(dato.second);
        tramos.push_back(std::move(objeto));
    }
    raiz["tramos"] = std::move(tramos);
    return raiz.dump(2) + "\n";
}

Resultado<Obra> Descodifica_Obra(std::string_view texto, std::string_view nombre) {
    const json raiz = json::parse(texto, nullptr, false);
    const Lector lector(nombre);
    if (raiz.is_discarded())
        return lector.falla("no es JSON válido");
    return lector.lee(raiz);
}

Resultado<void> Guarda_Obra(const Obra& obra, const std::filesystem::path& fichero) {
    auto escrito = writeFileAtomically(fichero, Codifica_Obra(obra));
    if (!escrito)
        return falla(CodigoError::FicheroNoEscribible, "No se ha podido guardar la obra en \"" +
                                                           utf8FromPath(fichero) +
                                                           "\": " + escrito.error() + ".");
    return {};
}

Resultado<Obra> Abre_Obra(const std::filesystem::path& fichero) {
    const std::string nombre = utf8FromPath(fichero);
    const auto bytes = readUserFile(fichero, nombre);
    if (!bytes)
        return tl::unexpected(bytes.error());
    return Descodifica_Obra(*bytes, nombre);
}

std::string Aplica_Extension_Tbo(std::string nombre) {
    if (!endsWithIgnoringCase(nombre, ".tbo"))
        nombre += ".tbo";
    return nombre;
}

} // namespace tubrix
