#include "tablas/textos_tabla.h"

#include "chain/pasos.h"
#include "chain/tablas_estudio.h"
#include "input/datos_apoyo.h"
#include "input/datos_suelos.h"
#include "input/datos_tubos.h"
#include "input/datos_zanja.h"
#include "input/sobrecargas.h"

#include <algorithm>

namespace tubrix {
namespace {

std::string num(double valor, const char* patron, const Separadores& sep) {
    return formatea(valor, patron, sep);
}

std::string enUnaLinea(std::string texto) {
    std::replace(texto.begin(), texto.end(), '\r', ' ');
    std::replace(texto.begin(), texto.end(), '\n', ' ');
    return texto;
}

std::string textoParada(const Parada& parada) {
    return "Paso " + std::to_string(parada.paso) + " (" +
           std::string(nombrePantalla(parada.pantalla)) + "): " + enUnaLinea(parada.mensaje);
}

std::int16_t normaDelGrupo(std::int16_t grupo) {
    const auto propiedades = propiedadesGrupo(grupo);
    return propiedades ? propiedades->norma : std::int16_t{0};
}

void anade(std::vector<Hipotesis>& h, std::string etiqueta, std::string valor) {
    h.push_back({std::move(etiqueta), std::move(valor)});
}

void hipotesisInstalacion(std::vector<Hipotesis>& h, const Proyecto& base,
                          const CondicionesTabla& c, const Separadores& sep) {
    const std::string metros = " m";
    switch (c.instalacion) {
    case InstalacionTabla::Terraplen:
        anade(h, "Instalación", "Terraplén (tipo 1), para todos los tubos");
        return;
    case InstalacionTabla::ZanjaConMargen:
        if (base.Tipo_Instalacion == 2) {
            anade(h, "Instalación", textoSeleccion(2, 1));
            anade(h, "Altura H2 del terraplén", num(base.H2, "#,##0.0##", sep) + metros);
        } else {
            anade(h, "Instalación", "Zanja (tipo 1), estrecha o ancha según la relación B/D");
        }
        anade(h, "Anchura B de la zanja",
              "D + " + num(c.margenZanja, "#,##0.0##", sep) +
                  " m (D: diámetro exterior de cada tubo), redondeada al milímetro");
        anade(h, "Ángulo β de las paredes de la zanja",
              num(base.Tipo_Instalacion == 2 || (base.Beta >= 10 && base.Beta <= 90) ? base.Beta
                                                                                     : 90.0,
                  "##0.0##", sep) +
                  " º");
        return;
    case InstalacionTabla::ComoLaBase:
        break;
    }
    anade(h, "Instalación", textoSeleccion(base.Tipo_Instalacion, base.Subtipo_Instalacion));
    if (base.Tipo_Instalacion == 2)
        anade(h, "Altura H2 del terraplén", num(base.H2, "#,##0.0##", sep) + metros);
    const bool zanja =
        base.Tipo_Instalacion == 2 || (base.Tipo_Instalacion == 1 && base.Subtipo_Instalacion != 3);
    if (zanja) {
        anade(h, "Anchura B de la zanja", num(base.B, "#,##0.0##", sep) + metros);
        anade(h, "Ángulo β de las paredes de la zanja", num(base.Beta, "##0.0##", sep) + " º");
    }
}

void hipotesisSuelos(std::vector<Hipotesis>& h, const Proyecto& base, const CondicionesTabla& c,
                     const Separadores& sep) {
    const auto compactacion = [](std::int16_t opcion) {
        const ListaTextos lista = Lista_Compactaciones();
        return opcion >= 0 && static_cast<std::size_t>(opcion) < lista.size()
                   ? std::string(lista[static_cast<std::size_t>(opcion)])
                   : std::string("—");
    };
    const auto grupo = [](std::int16_t g) {
        const std::string_view etiqueta = Etiqueta_Grupo_Suelo(g);
        return etiqueta.empty() ? "Grupo " + std::to_string(g) : std::string(etiqueta);
    };
    if (c.suelos.empty()) {
        anade(h, "Suelo de la zona 1", grupo(base.Grupo_Suelo_1));
        anade(h, "Suelo de la zona 2", grupo(base.Grupo_Suelo_2));
    } else {
        anade(h, "Suelo de las zonas 1 y 2",
              "el grupo de cada columna, con los valores que recomienda la norma");
    }
    anade(h, "Compactación de las zonas 1 y 2",
          compactacion(base.Opcion_Suelo_1) + " y " + compactacion(base.Opcion_Suelo_2) +
              " Proctor");
    anade(h, "Suelo de la zona 3", grupo(base.Grupo_Suelo_3));
    anade(h, "Suelo de la zona 4", grupo(base.Grupo_Suelo_4));
    anade(h, "Condición de relleno", std::string(Texto_Condicion_Relleno(base.Condicion_Relleno)));
    if (!c.suelos.empty()) {
        if (base.Opcion_Suelo_3 != 0)
            anade(h, "Valores de ensayo de la sección base",
                  "no intervienen: cada grupo de suelo toma los valores de la norma");
        return;
    }
    if (base.Opcion_Suelo_3 == 0) {
        anade(h, "Características de los suelos", "valores recomendados por la norma");
        return;
    }
    anade(h, "Características de los suelos (ensayos)",
          "γ1 " + num(base.Gamma_1, "##0.0#", sep) + ", γ2 " + num(base.Gamma_2, "##0.0#", sep) +
              " kN/m3; ρ " + num(base.Ro, "##0.0#", sep) + " º, ρ' " +
              num(base.Ro_Prima, "##0.0#", sep) + " º; K1 " + num(base.K1, "##0.0#", sep) +
              ", K2 " + num(base.K2, "##0.0#", sep) + "; E1 " + num(base.E1, "##0.0#", sep) +
              ", E2 " + num(base.E2, "##0.0#", sep) + ", E3 " + num(base.E3, "##0.0#", sep) +
              ", E4 " + num(base.E4, "##0.0#", sep) + " N/mm2");
}

} // namespace

std::string textoSuelo(const std::optional<std::int16_t>& suelo) {
    return suelo ? "Suelo G" + std::to_string(*suelo) : std::string("Suelos de la base");
}

std::string textoTrafico(std::int16_t trafico) {
    const ListaTextos lista = Lista_Vehiculos();
    if (trafico >= 0 && static_cast<std::size_t>(trafico) < lista.size())
        return std::string(lista[static_cast<std::size_t>(trafico)]);
    return "Tráfico " + std::to_string(trafico);
}

std::string textoFreatico(const std::optional<double>& freatico, const Separadores& sep) {
    return freatico ? "Hf " + num(*freatico, "#,##0.00", sep) + " m" : std::string("Sin freático");
}

std::string textoCondicion(const CasoTabla& caso, const Separadores& sep) {
    return textoSuelo(caso.suelo) + ", " + textoFreatico(caso.freatico, sep);
}

std::string textoCaso(const CasoTabla& caso, const Separadores& sep) {
    return textoTrafico(caso.trafico) + ", " + textoCondicion(caso, sep);
}

std::string textoCelda(const LimitesProfundidad& l, const Separadores& sep) {
    if (!l.minima || !l.maxima)
        return "—";
    return num(*l.minima, "#,##0.00", sep) + " – " + num(*l.maxima, "#,##0.00", sep);
}

std::string motivoCelda(const LimitesProfundidad& l) {
    if (l.rechazo)
        return "No se puede calcular a ninguna profundidad. " + textoParada(*l.rechazo);
    std::string texto;
    if (!l.minima)
        texto = "No es válido a ninguna profundidad entre 0,5 y 20 m.";
    if (l.alturasRechazadas > 0 && l.primerRechazo)
        texto += (texto.empty() ? "" : " ") + std::string("A ") +
                 std::to_string(l.alturasRechazadas) +
                 " de las profundidades probadas la sección no se puede calcular (la primera: " +
                 enUnaLinea(l.primerRechazo->mensaje) + "); no cuentan como admisibles.";
    return texto;
}

std::string textoSerie(const SerieTubos& serie, const Catalogo& catalogo) {
    const Grupo* grupo = catalogo.buscaGrupo(serie.grupo);
    std::string texto = (grupo ? grupo->material : std::string("Grupo")) + " (grupo " +
                        std::to_string(serie.grupo) + ")";
    if (!serie.subclase)
        return texto + ", todas las subclases";
    const Subclase* subclase = catalogo.buscaSubclase(*serie.subclase);
    return texto + ", subclase " + std::to_string(*serie.subclase) +
           (subclase ? ": " + subclase->material : std::string());
}

std::string textoRigidez(const TuboSerie& tubo, const Separadores& sep) {
    return tubo.rigidezAnillo ? num(*tubo.rigidezAnillo, "#,##0.0", sep) : std::string("—");
}

std::vector<Hipotesis> Hipotesis_Tabla(const Proyecto& base, const Catalogo& catalogo,
                                       const TablaRecubrimiento& tabla, const Separadores& sep) {
    const CondicionesTabla& c = tabla.condiciones;
    const std::int16_t norma = normaDelGrupo(tabla.serie.grupo);
    std::vector<Hipotesis> h;
    anade(h, "Sección base", nombreDeLaSeccion(base));
    anade(h, "Serie de tubos", textoSerie(tabla.serie, catalogo));
    anade(h, "Norma de cálculo", std::string(textoNorma(norma)));
    anade(h, "Clase de seguridad",
          norma == 1 ? (base.Clase_Seguridad == 2 ? "Excepcional" : "General")
                     : (base.Clase_Seguridad == 2 ? "Clase B" : "Clase A"));
    hipotesisInstalacion(h, base, c, sep);
    anade(h,
          base.Tipo_Instalacion == 2 && c.instalacion != InstalacionTabla::Terraplen
              ? "Altura H1 de recubrimiento"
              : "Altura H de recubrimiento",
          "la que se busca, de 0,5 a 20 m al centímetro: mínima y máxima a las que el tubo "
          "es válido");
    if (c.freaticos.empty())
        anade(h, "Nivel freático",
              base.Nivel_Freatico != 0 ? "Hf " + num(base.Hw, "##0.0#", sep) + " m bajo el terreno"
                                       : std::string("no hay"));
    else
        anade(h, "Nivel freático", "el de cada columna (Hf: profundidad bajo el terreno)");
    const DescripcionTipoApoyo apoyo = Describe_Tipo_Apoyo(norma, base.Tipo_Apoyo);
    std::string textoApoyo(apoyo.opcion);
    if (norma == 1 && (base.Subtipo_Apoyo == 1 || base.Subtipo_Apoyo == 2))
        textoApoyo +=
            ", " + std::string(kSubtiposApoyo[static_cast<std::size_t>(base.Subtipo_Apoyo - 1)]);
    anade(h, "Apoyo", textoApoyo);
    anade(h, "Ángulo de apoyo 2·α", num(base.Angulo_Apoyo, "##0.0#", sep) + " º");
    if (Es_Apoyo_Hormigon(norma, base.Tipo_Apoyo))
        anade(h, "Altura J del apoyo", num(base.J, "#,##0.0##", sep) + " m");
    hipotesisSuelos(h, base, c, sep);
    anade(h, "Tráfico",
          c.traficos.empty() ? textoTrafico(base.Tipo_Vehiculo) : std::string("el de cada tabla"));
    anade(h, "Firme, coeficiente de impacto y capas del pavimento",
          "no intervienen en el cálculo: la carga de tráfico lleva el coeficiente de impacto "
          "propio de cada vehículo");
    anade(h, "Carga uniforme en superficie P0",
          base.Hay_Cargas_Superficie != 0 ? num(base.P0, "#,##0.0#", sep) + " kN/m2"
                                          : std::string("no hay"));
    return h;
}

std::vector<std::int16_t> traficosDeLaTabla(const TablaRecubrimiento& tabla) {
    std::vector<std::int16_t> traficos;
    for (const CasoTabla& caso : tabla.casos)
        if (std::find(traficos.begin(), traficos.end(), caso.trafico) == traficos.end())
            traficos.push_back(caso.trafico);
    return traficos;
}

std::vector<std::size_t> casosDelTrafico(const TablaRecubrimiento& tabla, std::int16_t trafico) {
    std::vector<std::size_t> casos;
    for (std::size_t i = 0; i < tabla.casos.size(); ++i)
        if (tabla.casos[i].trafico == trafico)
            casos.push_back(i);
    return casos;
}

TablaTexto Tabla_Del_Trafico(const TablaRecubrimiento& tabla, std::int16_t trafico,
                             const Separadores& sep) {
    const std::vector<std::size_t> casos = casosDelTrafico(tabla, trafico);
    TablaTexto t;
    t.cabecera = {"DN", "Clase", "SN (kN/m2)"};
    for (const std::size_t c : casos)
        t.cabecera.push_back(textoCondicion(tabla.casos[c], sep));
    for (std::size_t i = 0; i < tabla.tubos.size() && i < tabla.celdas.size(); ++i) {
        const TuboSerie& tubo = tabla.tubos[i];
        std::vector<std::string> fila = {std::to_string(tubo.diametroNominal), tubo.clase,
                                         textoRigidez(tubo, sep)};
        for (const std::size_t c : casos)
            fila.push_back(textoCelda(tabla.celdas[i][c], sep));
        t.filas.push_back(std::move(fila));
    }
    return t;
}

std::vector<std::string> Notas_Del_Trafico(const TablaRecubrimiento& tabla, std::int16_t trafico,
                                           const Separadores& sep) {
    const std::vector<std::size_t> casos = casosDelTrafico(tabla, trafico);
    std::vector<std::string> notas;
    for (std::size_t i = 0; i < tabla.tubos.size() && i < tabla.celdas.size(); ++i) {
        // Reasons in the order they first appear, each with the columns that share it.
        std::vector<std::pair<std::string, std::vector<std::size_t>>> motivos;
        for (const std::size_t c : casos) {
            const LimitesProfundidad& l = tabla.celdas[i][c];
            if (l.minima)
                continue;
            const std::string motivo = motivoCelda(l);
            auto it = std::find_if(motivos.begin(), motivos.end(),
                                   [&](const auto& m) { return m.first == motivo; });
            if (it == motivos.end())
                motivos.push_back({motivo, {c}});
            else
                it->second.push_back(c);
        }
        const TuboSerie& tubo = tabla.tubos[i];
        for (const auto& [motivo, columnas] : motivos) {
            std::string donde;
            if (columnas.size() == casos.size() && casos.size() > 1) {
                donde = "en todas las columnas";
            } else {
                for (const std::size_t c : columnas)
                    donde += (donde.empty() ? "en " : " / ") + textoCondicion(tabla.casos[c], sep);
            }
            notas.push_back("DN " + std::to_string(tubo.diametroNominal) + " " + tubo.clase + ", " +
                            donde + ": " + motivo);
        }
    }
    return notas;
}

std::string_view leyendaTabla() {
    return "Cada casilla da la profundidad de recubrimiento mínima y la máxima (m), al "
           "centímetro, a las que el tubo es válido; «—»: no es válido a ninguna profundidad "
           "entre 0,5 y 20 m (la razón, en las notas). Las profundidades que alguna pantalla no "
           "admite (con nivel freático, las que no superan Hf) no cuentan como admisibles.";
}

std::string Csv_Tabla_Recubrimiento(const TablaRecubrimiento& tabla, FormatoCsv formato) {
    EscritorCsv csv(formato);
    for (const char* cabecera :
         {"Grupo", "Subclase", "Código", "DN", "Clase", "SN (kN/m2)", "Tráfico", "Suelo",
          "Nivel freático Hf (m)", "H mínima (m)", "H máxima (m)", "Observaciones"})
        csv.texto(cabecera);
    csv.finDeLinea();
    for (std::size_t i = 0; i < tabla.tubos.size() && i < tabla.celdas.size(); ++i) {
        const TuboSerie& tubo = tabla.tubos[i];
        for (std::size_t c = 0; c < tabla.casos.size(); ++c) {
            const CasoTabla& caso = tabla.casos[c];
            const LimitesProfundidad& l = tabla.celdas[i][c];
            csv.entero(tubo.grupo).entero(tubo.subclase).entero(tubo.codigo);
            csv.entero(tubo.diametroNominal).texto(tubo.clase);
            tubo.rigidezAnillo ? csv.numero(*tubo.rigidezAnillo) : csv.vacio();
            csv.texto(textoTrafico(caso.trafico));
            caso.suelo ? csv.entero(*caso.suelo) : csv.texto("base");
            caso.freatico ? csv.numero(*caso.freatico) : csv.vacio();
            l.minima ? csv.numero(*l.minima) : csv.vacio();
            l.maxima ? csv.numero(*l.maxima) : csv.vacio();
            csv.texto(motivoCelda(l));
            csv.finDeLinea();
        }
    }
    return csv.resultado();
}

} // namespace tubrix
