#include "obra/importa_csv.h"

#include "util/ascii_case.h"
#include "util/paths.h"
#include "util/read_file.h"

#include <algorithm>

namespace tubrix {
namespace {

std::string donde(int linea, std::size_t columna) {
    return "Línea " + std::to_string(linea) + ", columna " + std::to_string(columna + 1);
}

tl::unexpected<Error> invalido(std::string mensaje) {
    return falla(CodigoError::FicheroNoValido, std::move(mensaje));
}

bool todasVacias(const std::vector<std::string>& celdas) {
    return std::all_of(celdas.begin(), celdas.end(), [](const std::string& c) {
        return c.find_first_not_of(" \t") == std::string::npos;
    });
}

// The name column, as a spreadsheet may spell it ("tramo", " TRAMO ").
bool esColumnaTramo(std::string_view texto) {
    const auto inicio = texto.find_first_not_of(" \t");
    if (inicio == std::string_view::npos)
        return false;
    texto = texto.substr(inicio, texto.find_last_not_of(" \t") + 1 - inicio);
    return equalsIgnoringCase(texto, kColumnaTramo);
}

} // namespace

Resultado<TramosImportados> Importa_Tramos_Csv(std::string_view bytes) {
    auto tabla = leeCsv(bytes);
    if (!tabla)
        return tl::unexpected(tabla.error());
    TramosImportados r;
    r.dialecto = tabla->dialecto;
    const FilaCsv& cabecera = tabla->filas.front();

    // Column of each header cell; the name column is marked with nullptr.
    std::vector<const DefinicionColumna*> columnas;
    std::optional<std::size_t> columnaNombre;
    for (std::size_t c = 0; c < cabecera.celdas.size(); ++c) {
        const std::string& texto = cabecera.celdas[c];
        if (esColumnaTramo(texto)) {
            if (columnaNombre)
                return invalido(donde(cabecera.linea, c) + ": la columna Tramo está repetida.");
            columnaNombre = c;
            columnas.push_back(nullptr);
            continue;
        }
        const DefinicionColumna* columna = buscaColumnaAproximada(texto);
        if (!columna)
            return invalido(donde(cabecera.linea, c) + ": \"" + texto +
                            "\" no es un dato de la sección (nombre de un dato del proyecto, DN, "
                            "Hf o una cota del perfil).");
        if (std::find(r.columnas.begin(), r.columnas.end(), columna->nombre) != r.columnas.end())
            return invalido(donde(cabecera.linea, c) + ": la columna " +
                            std::string(columna->nombre) + " está repetida.");
        r.columnas.emplace_back(columna->nombre);
        columnas.push_back(columna);
    }
    if (!columnaNombre)
        return invalido("La fila de cabecera no tiene la columna Tramo con el nombre de cada "
                        "tramo.");

    const char decimal = r.dialecto.separadorDecimal();
    for (std::size_t f = 1; f < tabla->filas.size(); ++f) {
        const FilaCsv& fila = tabla->filas[f];
        if (todasVacias(fila.celdas))
            continue;
        Tramo tramo;
        tramo.nombre = fila.celdas[*columnaNombre];
        if (tramo.nombre.find_first_not_of(" \t") == std::string::npos)
            return invalido(donde(fila.linea, *columnaNombre) + ": el tramo no tiene nombre.");
        for (std::size_t c = 0; c < fila.celdas.size(); ++c) {
            const DefinicionColumna* columna = columnas[c];
            const std::string& texto = fila.celdas[c];
            if (!columna || texto.find_first_not_of(" \t") == std::string::npos)
                continue;
            const std::string cual =
                donde(fila.linea, c) + " (" + std::string(columna->nombre) + ")";
            ValorCelda valor = texto;
            if (columna->tipo != TipoColumna::Texto) {
                const auto numero = leeNumeroCsv(texto, decimal);
                if (!numero)
                    return invalido(cual + ": \"" + texto + "\" no es un número escrito con " +
                                    (decimal == ',' ? "coma" : "punto") +
                                    " decimal, como los demás de este fichero.");
                valor = *numero;
            }
            if (const auto problema = Comprueba_Celda(*columna, valor))
                return invalido(cual + ": " + *problema + ".");
            tramo.datos.emplace(std::string(columna->nombre), std::move(valor));
        }
        r.tramos.push_back(std::move(tramo));
    }
    return r;
}

Resultado<TramosImportados> Abre_Tramos_Csv(const std::filesystem::path& fichero) {
    const std::string nombre = utf8FromPath(fichero);
    const auto texto = readUserFile(fichero, nombre);
    if (!texto)
        return tl::unexpected(texto.error());
    auto importados = Importa_Tramos_Csv(*texto);
    if (!importados)
        return falla(importados.error().codigo, "El fichero \"" + nombre +
                                                    "\" no se puede importar. " +
                                                    importados.error().mensaje);
    return importados;
}

void Anade_Tramos(Obra& obra, TramosImportados importados) {
    for (const std::string& c : importados.columnas)
        obra.anadeColumna(c);
    for (Tramo& t : importados.tramos)
        obra.tramos.push_back(std::move(t));
}

} // namespace tubrix
