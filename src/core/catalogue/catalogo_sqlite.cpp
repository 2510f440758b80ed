#include "catalogue/catalogo_sqlite.h"

#include "util/paths.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <algorithm>
#include <array>
#include <cctype>
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

double real(const SQLite::Column& c) {
    return c.isNull() ? 0.0 : c.getDouble();
}
std::string texto(const SQLite::Column& c) {
    return c.isNull() ? std::string() : c.getString();
}
bool siNo(const SQLite::Column& c) {
    return !c.isNull() && c.getInt64() != 0;
}

std::int16_t codigo(const SQLite::Column& c) {
    const long long v = c.getInt64();
    if (c.isNull() || v < std::numeric_limits<std::int16_t>::min() ||
        v > std::numeric_limits<std::int16_t>::max())
        throw std::runtime_error("el código \"" + texto(c) + "\" del campo " + c.getName() +
                                 " no es válido");
    return static_cast<std::int16_t>(v);
}

DatosCatalogo lee(SQLite::Database& db) {
    DatosCatalogo datos;
    SQLite::Statement grupos(db, "SELECT CODIGO, MATERIAL, Mostrar, ET, ET_LARGO, GAMMA_R, "
                                 "Sigma_R, SIGMA_R_LARGO FROM GRUPOS ORDER BY CODIGO");
    while (grupos.executeStep())
        datos.grupos.push_back({codigo(grupos.getColumn(0)), texto(grupos.getColumn(1)),
                                siNo(grupos.getColumn(2)), real(grupos.getColumn(3)),
                                real(grupos.getColumn(4)), real(grupos.getColumn(5)),
                                real(grupos.getColumn(6)), real(grupos.getColumn(7))});

    SQLite::Statement subclases(
        db, "SELECT CODIGO, MATERIAL, Mostrar, SANEAMIENTO, RCE FROM MATERIALES ORDER BY CODIGO");
    while (subclases.executeStep())
        datos.subclases.push_back({codigo(subclases.getColumn(0)), texto(subclases.getColumn(1)),
                                   siNo(subclases.getColumn(2)), texto(subclases.getColumn(3)),
                                   real(subclases.getColumn(4))});

    SQLite::Statement tubos(db, "SELECT ID, MATERIAL, DIAMETRO_N, DIAMETRO_E, DIAMETRO_I, ESPESOR, "
                                "Fibra_N, Et, Et_Largo, RCEmin, Momento, Area, W, Tipo "
                                "FROM NORMALIZADOS ORDER BY MATERIAL, DIAMETRO_N, DIAMETRO_E, ID");
    while (tubos.executeStep()) {
        TuboNormalizado t;
        t.id = codigo(tubos.getColumn(0));
        t.material = codigo(tubos.getColumn(1));
        t.diametroN = codigo(tubos.getColumn(2));
        t.diametroE = real(tubos.getColumn(3));
        t.diametroI = real(tubos.getColumn(4));
        t.espesor = real(tubos.getColumn(5));
        t.fibraN = real(tubos.getColumn(6));
        t.et = real(tubos.getColumn(7));
        t.etLargo = real(tubos.getColumn(8));
        t.rceMin = real(tubos.getColumn(9));
        t.momento = real(tubos.getColumn(10));
        t.area = real(tubos.getColumn(11));
        t.w = real(tubos.getColumn(12));
        t.tipo = texto(tubos.getColumn(13));
        datos.tubos.push_back(std::move(t));
    }

    SQLite::Statement alfa(db, "SELECT \"rm/s\", v_rb, alfa_d FROM ALFA "
                               "ORDER BY \"rm/s\" DESC, v_rb DESC");
    while (alfa.executeStep())
        datos.alfa.push_back(
            {real(alfa.getColumn(0)), real(alfa.getColumn(1)), real(alfa.getColumn(2))});
    return datos;
}

} // namespace

Resultado<Catalogo> abreCatalogo(const fs::path& fichero) {
    const std::string nombre = utf8FromPath(fichero);
    std::error_code error;
    if (!fs::is_regular_file(fichero, error))
        return falla(CodigoError::CatalogoNoDisponible,
                     "No se encuentra el catálogo de tubos \"" + nombre + "\".");
    try {
        SQLite::Database db(uriFor(fichero), SQLite::OPEN_READONLY | SQLite::OPEN_URI);
        compruebaEsquema(db);
        return Catalogo(lee(db));
    } catch (const std::exception& e) {
        return falla(CodigoError::CatalogoDanado,
                     "El catálogo de tubos \"" + nombre + "\" no se puede leer: " + e.what() + ".");
    }
}

} // namespace tubrix
