#include "tablas/tabla_recubrimiento.h"

#include "chain/calcula_seccion.h"
#include "chain/seleccion.h"
#include "format/formato.h"
#include "util/paralelo.h"

#include <algorithm>
#include <cmath>

namespace tubrix {
namespace {

// Groups 2 and 3 follow a standard the program does not calculate.
bool esAstm(std::int16_t grupo) {
    return grupo == 2 || grupo == 3;
}

std::string numero(double valor) {
    return formatea(valor, "#,##0.0##", Separadores::espanol());
}

// The trench width of a pipe: its outside diameter plus the margin, to the millimetre the
// installation screen shows, so that the width calculated is the width a user would type.
double anchuraConMargen(double diametroExteriorMm, double margen) {
    return std::round(diametroExteriorMm + margen * 1000) / 1000;
}

void aplicaInstalacion(Proyecto& p, const TuboSerie& tubo, const CondicionesTabla& c) {
    switch (c.instalacion) {
    case InstalacionTabla::ComoLaBase:
        return;
    case InstalacionTabla::Terraplen:
        p.Tipo_Instalacion = 1;
        p.Subtipo_Instalacion = 3;
        return;
    case InstalacionTabla::ZanjaConMargen: {
        p.B = anchuraConMargen(tubo.diametroExterior, c.margenZanja);
        if (p.Tipo_Instalacion == 2)
            return; // an embanked trench keeps its case; only its width changes
        p.Tipo_Instalacion = 1;
        // Narrow or wide as the width makes it, with the test the installation screen applies.
        const double d = tubo.diametroExterior / 1000;
        p.Subtipo_Instalacion = d > 0 && p.B / d > 4 ? 2 : 1;
        // A section entered as an embankment has no walls: they are taken vertical.
        if (!(p.Beta >= 10 && p.Beta <= 90))
            p.Beta = 90;
        return;
    }
    }
}

} // namespace

std::vector<CasoTabla> Casos_Tabla(const Proyecto& base, const CondicionesTabla& condiciones) {
    std::vector<std::optional<std::int16_t>> suelos;
    for (const std::int16_t g : condiciones.suelos)
        suelos.emplace_back(g);
    if (suelos.empty())
        suelos.emplace_back(std::nullopt);
    std::vector<std::int16_t> traficos = condiciones.traficos;
    if (traficos.empty())
        traficos.push_back(base.Tipo_Vehiculo);
    std::vector<std::optional<double>> freaticos = condiciones.freaticos;
    if (freaticos.empty())
        freaticos.push_back(base.Nivel_Freatico != 0 ? std::optional<double>(base.Hw)
                                                     : std::nullopt);
    std::vector<CasoTabla> casos;
    for (const std::int16_t t : traficos)
        for (const auto& s : suelos)
            for (const auto& f : freaticos)
                casos.push_back({s, t, f});
    return casos;
}

Resultado<std::vector<TuboSerie>> Tubos_Serie(const Proyecto& base, const Catalogo& catalogo,
                                              const SerieTubos& serie) {
    const std::string g = std::to_string(serie.grupo);
    if (esAstm(serie.grupo))
        return falla(CodigoError::DatoNoCalculable,
                     "El grupo " + g + " sigue la norma ASTM, que esta aplicación no calcula.");
    const Grupo* grupo = catalogo.buscaGrupo(serie.grupo);
    if (!grupo || !grupo->mostrar)
        return falla(CodigoError::DatoNoCalculable,
                     "El grupo " + g + " no está en el catálogo de tubos.");
    if (serie.subclase) {
        const std::string s = std::to_string(*serie.subclase);
        const Subclase* subclase = catalogo.buscaSubclase(*serie.subclase);
        if (!subclase)
            return falla(CodigoError::DatoNoCalculable,
                         "La subclase " + s + " no está en el catálogo de tubos.");
        if (*serie.subclase / 100 != serie.grupo)
            return falla(CodigoError::DatoNoCalculable,
                         "La subclase " + s + " no es del grupo " + g + ".");
    }
    std::vector<TuboSerie> tubos;
    for (const EntradaSubclase& s : catalogo.listaSubclases(serie.grupo)) {
        if (serie.subclase && *serie.subclase != s.codigo)
            continue;
        const Subclase& subclase = *catalogo.buscaSubclase(s.codigo);
        for (const EntradaTubo& t : catalogo.listaTubos(s.codigo)) {
            const TuboNormalizado& tubo = *catalogo.Busca_Tubo(t.codigo);
            TuboSerie fila;
            fila.grupo = serie.grupo;
            fila.subclase = s.codigo;
            fila.codigo = tubo.id;
            fila.diametroNominal = tubo.diametroN;
            fila.diametroExterior = tubo.diametroE;
            fila.clase = tubo.tipo.empty() ? subclase.material : tubo.tipo;
            // The pipe screen alone gives the wall's stiffness, as the selection shows it.
            Proyecto p = base;
            p.Codigo_Material = serie.grupo;
            p.Codigo_Submaterial = s.codigo;
            p.Codigo_Diametro = tubo.id;
            if (!Ejecuta_Pantalla(Pantalla::Datos_Tubos, p, catalogo))
                fila.rigidezAnillo = Rigidez_Anillo(p);
            tubos.push_back(std::move(fila));
        }
    }
    if (tubos.empty())
        return falla(CodigoError::DatoNoCalculable,
                     serie.subclase ? "La subclase " + std::to_string(*serie.subclase) +
                                          " no tiene tubos en el catálogo."
                                    : "El grupo " + g + " no tiene tubos en el catálogo.");
    return tubos;
}

Resultado<void> Comprueba_Condiciones(const CondicionesTabla& c) {
    for (const std::int16_t g : c.suelos)
        if (g < 1 || g > 4)
            return falla(CodigoError::DatoNoCalculable,
                         "El grupo de suelo " + std::to_string(g) +
                             " no existe (valores admitidos: 1 a 4).");
    for (const std::int16_t t : c.traficos)
        if (t < 0 || t > 5)
            return falla(CodigoError::DatoNoCalculable,
                         "El tráfico " + std::to_string(t) +
                             " no existe (valores admitidos: 0 sin tráfico, 1 LT 12 a 5 HT 60).");
    for (const auto& f : c.freaticos)
        if (f && !(*f >= 0 && *f <= 20))
            return falla(CodigoError::DatoNoCalculable,
                         "La profundidad del nivel freático " +
                             (std::isfinite(*f) ? numero(*f) + " m" : std::string("dada")) +
                             " no es admisible (valores admitidos: 0 a 20 m).");
    if (c.instalacion == InstalacionTabla::ZanjaConMargen &&
        !(c.margenZanja >= 0 && c.margenZanja <= 20))
        return falla(CodigoError::DatoNoCalculable,
                     "El margen de la anchura de zanja sobre el diámetro exterior debe estar entre "
                     "0 y 20 m.");
    return {};
}

Proyecto Seccion_De_Celda(const Proyecto& base, const TuboSerie& tubo, const CasoTabla& caso,
                          const CondicionesTabla& condiciones) {
    Proyecto p = base;
    p.Codigo_Material = tubo.grupo;
    p.Codigo_Submaterial = tubo.subclase;
    p.Codigo_Diametro = tubo.codigo;
    aplicaInstalacion(p, tubo, condiciones);
    if (caso.suelo) {
        // Zones 1 and 2 of one group; the soil pages then give the standard's values for it.
        p.Grupo_Suelo_1 = p.Grupo_Suelo_2 = *caso.suelo;
        p.Opcion_Suelo_3 = 0;
    }
    p.Tipo_Vehiculo = caso.trafico;
    p.Nivel_Freatico = caso.freatico ? kSi : std::int16_t{0};
    p.Hw = caso.freatico.value_or(0.0);
    return p;
}

Resultado<TablaRecubrimiento>
Calcula_Tabla_Recubrimiento(const Proyecto& base, const Catalogo& catalogo, const SerieTubos& serie,
                            const CondicionesTabla& condiciones, const OpcionesTabla& opciones,
                            ProgresoTabla* progreso) {
    if (auto correctas = Comprueba_Condiciones(condiciones); !correctas)
        return tl::unexpected(correctas.error());
    auto tubos = Tubos_Serie(base, catalogo, serie);
    if (!tubos)
        return tl::unexpected(tubos.error());
    TablaRecubrimiento tabla;
    tabla.serie = serie;
    tabla.condiciones = condiciones;
    tabla.casos = Casos_Tabla(base, condiciones);
    tabla.tubos = std::move(*tubos);
    const std::size_t columnas = tabla.casos.size();
    const std::size_t n = tabla.tubos.size() * columnas;
    tabla.celdas.assign(tabla.tubos.size(), std::vector<LimitesProfundidad>(columnas));
    // Each cell is written by one item only, so the table never depends on the thread count.
    paraCadaElemento(n, hilosParaLote(opciones.hilos, n), [&](unsigned, std::size_t i) {
        if (progreso && progreso->cancelado.load(std::memory_order_relaxed))
            return;
        const std::size_t t = i / columnas;
        const std::size_t c = i % columnas;
        tabla.celdas[t][c] = Limites_Profundidad(
            Seccion_De_Celda(base, tabla.tubos[t], tabla.casos[c], condiciones), catalogo);
        if (progreso)
            progreso->hechos.fetch_add(1, std::memory_order_relaxed);
    });
    if (progreso && progreso->cancelado.load()) {
        tabla.completo = false;
        tabla.celdas.clear();
    }
    return tabla;
}

bool Todo_Rechazado(const TablaRecubrimiento& tabla) {
    if (!tabla.completo || tabla.celdas.empty())
        return false;
    return std::all_of(tabla.celdas.begin(), tabla.celdas.end(), [](const auto& fila) {
        return std::all_of(fila.begin(), fila.end(),
                           [](const LimitesProfundidad& l) { return l.rechazo.has_value(); });
    });
}

} // namespace tubrix
