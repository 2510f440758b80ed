#include "calc/verificacion.h"
#include "chain/estudio.h"
#include "chain/tablas_estudio.h"
#include "chain/utilizacion.h"
#include "report/dibujo_instalacion.h"
#include "report/resumen_verificacion.h"
#include "support/catalogo_prueba.h"
#include "support/secciones.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace tubrix {
namespace {

namespace fs = std::filesystem;
using Fila = FilaVerificacion;

Proyecto calculada(const fs::path& fichero) {
    Proyecto p = test::cargaSeccion(fichero);
    EXPECT_FALSE(Calcula_Seccion(p, test::catalogoDelPrograma())) << fichero;
    return p;
}

PaginaInforme resumen(const Proyecto& p) {
    return Pagina_Resumen_Verificacion(p, test::catalogoDelPrograma(), Separadores::espanol(), 6);
}

// The table rows of the summary, in verification order: label and four values.
std::vector<const LineaInforme*> filasDeLaTabla(const PaginaInforme& pagina) {
    std::vector<const LineaInforme*> filas;
    bool enTabla = false;
    for (const LineaInforme& l : pagina.lineas) {
        if (l.tipo != TipoLinea::Fila)
            continue;
        if (!l.celdas.empty() && l.celdas.front().texto == "Comprobación") {
            enTabla = true;
            continue;
        }
        if (enTabla && l.celdas.size() == 5)
            filas.push_back(&l);
        else if (enTabla)
            break;
    }
    return filas;
}

bool contiene(const PaginaInforme& pagina, std::string_view texto) {
    return std::any_of(pagina.lineas.begin(), pagina.lineas.end(), [&](const LineaInforme& l) {
        return std::any_of(l.celdas.begin(), l.celdas.end(), [&](const Celda& c) {
            return c.texto.find(texto) != std::string::npos;
        });
    });
}

// Every example: the page follows the verification, its verdicts are those of the verification
// screen, its utilisations those of the studies, and the governing row is marked.
TEST(ResumenVerificacion, AgreesWithTheVerificationScreenOnEveryExample) {
    for (const fs::path& fichero : test::seccionesDeEjemplo()) {
        SCOPED_TRACE(fichero.filename().string());
        const Proyecto p = calculada(fichero);
        const Informe informe = Contenido_Informe(p, test::catalogoDelPrograma(),
                                                  Separadores::espanol(), SalidaInforme::Impresora);
        ASSERT_EQ(informe.paginas.size(), 6u);
        const PaginaInforme& pagina = informe.paginas.back();
        EXPECT_EQ(pagina.numero, 6);
        ASSERT_EQ(pagina.lineas.at(1).tipo, TipoLinea::TituloInforme);
        EXPECT_EQ(pagina.lineas.at(1).celdas.front().texto, "RESUMEN DE LA VERIFICACIÓN");

        const auto filas = filasDeLaTabla(pagina);
        ASSERT_EQ(filas.size(), kFilasVerificacion.size());
        const UsosVerificacion usos = Utilizaciones(p);
        const VistaVerificacion vista = Vista_Verificacion(p, Separadores::espanol());
        const auto determinante = Fila_Determinante(usos);
        for (const Fila f : kFilasVerificacion) {
            const LineaInforme& fila = *filas[static_cast<std::size_t>(f)];
            const std::string& resultado = fila.celdas[4].texto;
            if (!usos.cuenta(f)) {
                EXPECT_EQ(resultado, "No procede");
                EXPECT_EQ(fila.celdas[3].texto, "—");
                continue;
            }
            EXPECT_EQ(resultado == "Cumple", vista.filas[f].veredicto == "Tubo válido");
            EXPECT_EQ(resultado == "No cumple", vista.filas[f].veredicto == "Tubo NO válido");
            if (usos.utilizacion[f]) {
                EXPECT_EQ(fila.celdas[3].texto,
                          textoUso(usos.utilizacion[f], std::nullopt, Separadores::espanol()));
            }
            EXPECT_EQ(fila.celdas[0].texto.ends_with(" (*)"), f == determinante);
        }
        EXPECT_TRUE(contiene(pagina, Tubo_Valido(p) ? "TUBO VÁLIDO." : "TUBO NO VÁLIDO."));
    }
}

TEST(ResumenVerificacion, WithoutGroundwaterTheWaterRowDoesNotApply) {
    const Proyecto p =
        calculada(fs::path(TUBRIX_TEST_DATA_DIR) / "secciones" / "pvc-sn8-zanja-trafico.json");
    ASSERT_EQ(p.Nivel_Freatico, 0);
    const auto filas = filasDeLaTabla(resumen(p));
    const LineaInforme& agua = *filas[static_cast<std::size_t>(Fila::EstabilidadAgua)];
    EXPECT_EQ(agua.celdas[1].texto, "—");
    EXPECT_EQ(agua.celdas[4].texto, "No procede");
    EXPECT_EQ(Resultado_Fila(p, Fila::EstabilidadAgua), "No procede");
}

TEST(ResumenVerificacion, CoverRangeIsTheDepthLimitsEngines) {
    const Proyecto p = calculada(fs::path(TUBRIX_TEST_DATA_DIR) / "secciones" /
                                 "prfv-largo-plazo-zanja-terraplenada-freatico.json");
    const LimitesProfundidad limites = Limites_Profundidad(p, test::catalogoDelPrograma());
    ASSERT_TRUE(limites.minima && limites.maxima);
    const PaginaInforme pagina = resumen(p);
    EXPECT_TRUE(contiene(pagina, "Recubrimiento mínimo admisible (H1):"));
    EXPECT_TRUE(
        contiene(pagina, formatea(*limites.minima, "#,##0.00", Separadores::espanol()) + " m."));
    EXPECT_TRUE(
        contiene(pagina, formatea(*limites.maxima, "#,##0.00", Separadores::espanol()) + " m."));
    // Creep: the stress rows are judged on the long-term factors.
    EXPECT_TRUE(contiene(pagina, " (l/p)"));
}

// The drawing of each installation type with the section's own dimensions on it.
TEST(ResumenVerificacion, DrawingIsTheInstallationsWithItsDimensions) {
    struct Caso {
        int tipo;
        int subtipo;
        const char* recurso;
    };
    for (const Caso& c : {Caso{1, 1, "drawings/instalacion_zanja_estrecha.svg"},
                          Caso{1, 2, "drawings/instalacion_zanja_ancha.svg"},
                          Caso{1, 3, "drawings/instalacion_terraplen.svg"},
                          Caso{2, 1, "drawings/instalacion_zanja_terraplenada.svg"},
                          Caso{3, 1, "drawings/instalacion_dos_tubos_mismo_nivel.svg"},
                          Caso{3, 2, "drawings/instalacion_dos_tubos_niveles_diferentes.svg"}}) {
        SCOPED_TRACE(c.recurso);
        Proyecto p;
        p.Tipo_Instalacion = static_cast<std::int16_t>(c.tipo);
        p.Subtipo_Instalacion = static_cast<std::int16_t>(c.subtipo);
        p.H = 2.5;
        p.H1 = 1.25;
        p.H2 = 3;
        p.B = 1.2;
        p.B1 = 1.4;
        p.B2 = 1.6;
        p.Beta = 60;
        p.Angulo_Apoyo = 120;
        p.Nivel_Freatico = 1;
        p.Hw = 1.75;
        const DibujoInforme d = Dibujo_Instalacion(p, Separadores::espanol());
        EXPECT_EQ(d.recurso, c.recurso);
        EXPECT_TRUE(fs::exists(fs::path(TUBRIX_RESOURCES_DIR) / d.recurso));
        std::string textos;
        for (const AnotacionDibujo& a : d.anotaciones) {
            textos += a.texto + "|";
            EXPECT_GE(a.x, 0);
            EXPECT_LE(a.x, d.anchoLienzo);
            EXPECT_GT(a.y, 0);
            EXPECT_LT(a.y, d.altoDibujo);
        }
        EXPECT_NE(textos.find(c.tipo == 1 ? "2,50 m" : "1,25 m"), std::string::npos) << textos;
        if (c.tipo != 1) {
            EXPECT_NE(textos.find("3,00 m"), std::string::npos) << textos;
        }
        EXPECT_EQ(textos.find("60°") != std::string::npos, c.subtipo != 3 || c.tipo != 1) << textos;
        EXPECT_NE(textos.find("Nivel freático a 1,75 m"), std::string::npos);
        EXPECT_NE(textos.find("2α = 120°"), std::string::npos);
        if (c.tipo == 3 && c.subtipo == 2) {
            EXPECT_NE(textos.find("B2 = 1,60 m"), std::string::npos);
        }
    }
}

} // namespace
} // namespace tubrix
