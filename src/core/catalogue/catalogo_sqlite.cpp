#include "catalogue/catalogo_sqlite.h"

#include "catalogue/comprueba_catalogo.h"
#include "util/paths.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

namespace tubrix {
namespace {

namespace fs = std::filesystem;

struct TablaEsperada {
    std::string_view nombre;
    std::vector<std::string_view> columnas;
};

const std::array<TablaEsperada, 5> kTablas = {{
    {"GRUPOS",
     {"CODIGO", "MATERIAL", "Mostrar", "ET", "ET_LARGO", "GAMMA_R", "Sigma_R", "SIGMA_R_LARGO"}},
    {"NORMALIZADOS",
     {"ID", "MATERIAL", "DIAMETRO_N", "DIAMETRO_E", "DIAMETRO_I", "ESPESOR", "Fibra_N", "Et",
      "Et_Largo", "RCEmin", "Momento", "Area", "W", "Tipo"}},
    {"MATERIALES", {"CODIGO", "MATERIAL", "Mostrar", "SANEAMIENTO", "RCE"}},
    {"ALFA", {"rm/s", "v_rb", "alfa_d"}},
    {"Cd", {}},
}};

const TablaEsperada& tablaEsperada(std::string_view nombre) {
    return *std::ranges::find(kTablas, nombre, &TablaEsperada::nombre);
}

std::string lower(std::string_view text) {
    std::string out(text);
    std::ranges::transform(out, out.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// SQLite URI for a file path, with the characters that URIs reserve escaped.
std::string uriFor(const fs::path& fichero) {
    const std::string path = utf8FromPath(fs::absolute(fichero));
    std::string uri = "file:";
    // URIs separate folders with '/' on every platform.
    if (!path.empty() && path.front() != '/')
        uri += '/';
    for (const unsigned char c : path) {
        if (c == '\\') {
            uri += '/';
        } else if (std::isalnum(c) || c == '/' || c == ':' || c == '-' || c == '_' || c == '.' ||
                   c == '~') {
            uri += static_cast<char>(c);
        } else {
            static constexpr char kHex[] = "0123456789ABCDEF";
            uri += '%';
            uri += kHex[c >> 4];
            uri += kHex[c & 0x0F];
        }
    }
    return uri + "?mode=ro";
}

void compruebaEsquema(SQLite::Database& db) {
    for (const TablaEsperada& tabla : kTablas) {
        SQLite::Statement info(db, "PRAGMA table_info(\"" + std::string(tabla.nombre) + "\")");
        std::vector<std::string> presentes;
        while (info.executeStep())
            presentes.push_back(lower(info.getColumn(1).getString()));
        if (presentes.empty())
            throw std::runtime_error("falta la tabla " + std::string(tabla.nombre));
        for (const std::string_view columna : tabla.columnas)
            if (std::ranges::find(presentes, lower(columna)) == presentes.end())
                throw std::runtime_error("falta el campo \"" + std::string(columna) +
                                         "\" de la tabla " + std::string(tabla.nombre));
    }
}

// Reads the columns of the current row of a table, naming table, row and column in every
// refusal: a text where a number belongs is a damaged catalogue, never a zero.
class LectorFila {
public:
    // `tabla` is one of kTablas, whose columns the query selects in that order.
    LectorFila(SQLite::Statement& consulta, const TablaEsperada& tabla, int numero)
        : m_consulta(consulta), m_tabla(tabla), m_fila("fila " + std::to_string(numero)) {}

    // Once the key is read, the row is named by it.
    void nombraFila(std::string fila) { m_fila = std::move(fila); }

    double real(int columna) const {
        const SQLite::Column c = m_consulta.getColumn(columna);
        if (c.isNull())
            return 0.0;
        if (!c.isInteger() && !c.isFloat())
            falla(columna, "el valor \"" + c.getString() + "\" no es un número");
        return c.getDouble();
    }

    std::int16_t codigo(int columna) const {
        const SQLite::Column c = m_consulta.getColumn(columna);
        const bool entero =
            c.isInteger() || (c.isFloat() && c.getDouble() == std::floor(c.getDouble()));
        if (!entero || c.getDouble() < std::numeric_limits<std::int16_t>::min() ||
            c.getDouble() > std::numeric_limits<std::int16_t>::max())
            falla(columna, "el código \"" + (c.isNull() ? std::string() : c.getString()) +
                               "\" no es un entero entre -32768 y 32767");
        return static_cast<std::int16_t>(c.getInt64());
    }

    std::string texto(int columna) const {
        const SQLite::Column c = m_consulta.getColumn(columna);
        return c.isNull() ? std::string() : c.getString();
    }

    bool siNo(int columna) const {
        const SQLite::Column c = m_consulta.getColumn(columna);
        return !c.isNull() && c.getInt64() != 0;
    }

private:
    [[noreturn]] void falla(int columna, const std::string& motivo) const {
        throw std::runtime_error(
            "tabla " + std::string(m_tabla.nombre) + ", " + m_fila + ", columna " +
            std::string(m_tabla.columnas.at(static_cast<std::size_t>(columna))) + ": " + motivo);
    }

    SQLite::Statement& m_consulta;
    const TablaEsperada& m_tabla;
    std::string m_fila;
};

DatosCatalogo lee(SQLite::Database& db) {
    DatosCatalogo datos;
    SQLite::Statement grupos(db, "SELECT CODIGO, MATERIAL, Mostrar, ET, ET_LARGO, GAMMA_R, "
                                 "Sigma_R, SIGMA_R_LARGO FROM GRUPOS ORDER BY CODIGO");
    for (int n = 1; grupos.executeStep(); ++n) {
        LectorFila f(grupos, tablaEsperada("GRUPOS"), n);
        Grupo g;
        g.codigo = f.codigo(0);
        f.nombraFila("fila CODIGO " + std::to_string(g.codigo));
        g.material = f.texto(1);
        g.mostrar = f.siNo(2);
        g.et = f.real(3);
        g.etLargo = f.real(4);
        g.gammaR = f.real(5);
        g.sigmaR = f.real(6);
        g.sigmaRLargo = f.real(7);
        datos.grupos.push_back(std::move(g));
    }

    SQLite::Statement subclases(
        db, "SELECT CODIGO, MATERIAL, Mostrar, SANEAMIENTO, RCE FROM MATERIALES ORDER BY CODIGO");
    for (int n = 1; subclases.executeStep(); ++n) {
        LectorFila f(subclases, tablaEsperada("MATERIALES"), n);
        Subclase s;
        s.codigo = f.codigo(0);
        f.nombraFila("fila CODIGO " + std::to_string(s.codigo));
        s.material = f.texto(1);
        s.mostrar = f.siNo(2);
        s.saneamiento = f.texto(3);
        s.rce = f.real(4);
        datos.subclases.push_back(std::move(s));
    }

    SQLite::Statement tubos(db, "SELECT ID, MATERIAL, DIAMETRO_N, DIAMETRO_E, DIAMETRO_I, ESPESOR, "
                                "Fibra_N, Et, Et_Largo, RCEmin, Momento, Area, W, Tipo "
                                "FROM NORMALIZADOS ORDER BY MATERIAL, DIAMETRO_N, DIAMETRO_E, ID");
    for (int n = 1; tubos.executeStep(); ++n) {
        LectorFila f(tubos, tablaEsperada("NORMALIZADOS"), n);
        TuboNormalizado t;
        t.id = f.codigo(0);
        f.nombraFila("fila ID " + std::to_string(t.id));
        t.material = f.codigo(1);
        t.diametroN = f.codigo(2);
        t.diametroE = f.real(3);
        t.diametroI = f.real(4);
        t.espesor = f.real(5);
        t.fibraN = f.real(6);
        t.et = f.real(7);
        t.etLargo = f.real(8);
        t.rceMin = f.real(9);
        t.momento = f.real(10);
        t.area = f.real(11);
        t.w = f.real(12);
        t.tipo = f.texto(13);
        datos.tubos.push_back(std::move(t));
    }

    SQLite::Statement alfa(db, "SELECT \"rm/s\", v_rb, alfa_d FROM ALFA "
                               "ORDER BY \"rm/s\" DESC, v_rb DESC");
    for (int n = 1; alfa.executeStep(); ++n) {
        const LectorFila f(alfa, tablaEsperada("ALFA"), n);
        datos.alfa.push_back({f.real(0), f.real(1), f.real(2)});
    }
    return datos;
}

} // namespace

Resultado<Catalogo> abreCatalogo(const fs::path& fichero) {
    const std::string nombre = displayPath(fichero);
    std::error_code error;
    if (!fs::is_regular_file(fichero, error))
        return falla(CodigoError::CatalogoNoDisponible,
                     "No se encuentra el catálogo de tubos \"" + nombre + "\".");
    try {
        SQLite::Database db(uriFor(fichero), SQLite::OPEN_READONLY | SQLite::OPEN_URI);
        compruebaEsquema(db);
        DatosCatalogo datos = lee(db);
        if (auto fallo = Comprueba_Catalogo(datos))
            throw std::runtime_error(*fallo);
        return Catalogo(std::move(datos));
    } catch (const std::exception& e) {
        return falla(CodigoError::CatalogoDanado,
                     "El catálogo de tubos \"" + nombre + "\" no se puede leer: " + e.what() + ".");
    }
}

} // namespace tubrix
