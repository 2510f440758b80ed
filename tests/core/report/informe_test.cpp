#include "calc/verificacion.h"
#include "report/informe.h"
#include "support/catalogo_prueba.h"
#include "support/secciones.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace tubrix {
namespace {

namespace fs = std::filesystem;

Proyecto calculada(const char* nombre) {
    Proyecto p = test::cargaSeccion(fs::path(TUBRIX_TEST_DATA_DIR) / "secciones" / nombre);
    EXPECT_FALSE(Calcula_Seccion(p, test::catalogoDelPrograma()));
    return p;
}

Informe informe(const Proyecto& p, SalidaInforme salida = SalidaInforme::Impresora) {
    return Contenido_Informe(p, test::catalogoDelPrograma(), Separadores::espanol(), salida);
}

// The first line of a page whose first cell holds the text, or nothing.
const LineaInforme* busca(const PaginaInforme& pagina, std::string_view texto) {
    for (const LineaInforme& l : pagina.lineas)
        if (!l.celdas.empty() && l.celdas.front().texto == texto)
            return &l;
    return nullptr;
}

const LineaInforme* buscaEnInforme(const Informe& i, std::string_view texto) {
    for (const PaginaInforme& p : i.paginas)
        if (const LineaInforme* l = busca(p, texto))
            return l;
    return nullptr;
}

std::vector<std::string> valores(const LineaInforme& l) {
    std::vector<std::string> v;
    for (std::size_t i = 1; i < l.celdas.size(); ++i)
        v.push_back(l.celdas[i].texto);
    return v;
}

const LineaInforme& primeraTitulo(const PaginaInforme& pagina) {
    return *std::find_if(pagina.lineas.begin(), pagina.lineas.end(),
                         [](const LineaInforme& l) { return l.tipo == TipoLinea::Titulo; });
}

TEST(Informe, RigidPipeLeavesOutLongTermAndStabilityAndHasThreeColumnTables) {
    const Informe i = informe(calculada("hormigon-atv-zanja-estrecha-ht60.json"));
    ASSERT_EQ(i.paginas.size(), 6u); // the five pages and the summary
    EXPECT_FALSE(buscaEnInforme(i, "Módulo elasticidad LP Et:"));
    EXPECT_FALSE(buscaEnInforme(i, "Rotura flexotracción l/p:"));
    EXPECT_FALSE(buscaEnInforme(i, "CÁLCULO DE ESFUERZOS (LARGO PLAZO):"));
    EXPECT_FALSE(buscaEnInforme(i, "NU Carga tierras:"));
    EXPECT_FALSE(buscaEnInforme(i, "Acortamiento relativo:"));
    const LineaInforme* sr = buscaEnInforme(i, "Rigidez del tubo Sr (N/mm2):");
    ASSERT_TRUE(sr);
    EXPECT_EQ(sr->celdas.size(), 4u); // label + three columns
    EXPECT_EQ(sr->celdas[1].columnaMm, 105);
    EXPECT_EQ(sr->celdas[2].columnaMm, 135);
    EXPECT_EQ(sr->celdas[3].columnaMm, 165);
    EXPECT_EQ(primeraTitulo(i.paginas[4]).celdas.front().texto, "VERIFICACIÓN:");
    EXPECT_EQ(i.paginas[4].numero, 5);
}

TEST(Informe, LongTermSectionHasFourColumnsAndItsOwnFifthPage) {
    const Informe i = informe(calculada("prfv-largo-plazo-zanja-terraplenada-freatico.json"));
    ASSERT_EQ(i.paginas.size(), 6u); // the five pages and the summary
    EXPECT_TRUE(buscaEnInforme(i, "Módulo elasticidad LP Et:"));
    EXPECT_TRUE(busca(i.paginas[3], "CÁLCULO DE ESFUERZOS (LARGO PLAZO):"));
    EXPECT_EQ(primeraTitulo(i.paginas[4]).celdas.front().texto,
              "CÁLCULO DE TENSIONES Y DEFORMACIONES:");
    const LineaInforme* qvt = buscaEnInforme(i, "Carga vertical sobre tubo Qvt:");
    ASSERT_TRUE(qvt);
    ASSERT_EQ(qvt->celdas.size(), 5u);
    EXPECT_EQ(qvt->celdas[2].columnaMm, 125);
    const LineaInforme* clave = buscaEnInforme(i, "NU Clave:");
    ASSERT_TRUE(clave);
    EXPECT_EQ(valores(*clave).size(), 3u); // short, long, required
    EXPECT_TRUE(buscaEnInforme(i, "NU Presión Agua externa:"));
}

TEST(Informe, HeadingsAndNumbersUseTheSpanishSeparators) {
    Proyecto p = calculada("prfv-largo-plazo-zanja-terraplenada-freatico.json");
    p.Hw = 1.5;
    const Informe i = informe(p);
    EXPECT_TRUE(buscaEnInforme(i, "Coeficiente f (HF=01,50):"));
    const LineaInforme* e = buscaEnInforme(i, "Módulo elasticidad Et:");
    ASSERT_TRUE(e);
    EXPECT_EQ(valores(*e), std::vector<std::string>{"12.000,0 N/mm2."});
}

TEST(Informe, SafetyClassPrintsTheFactorsTheVerificationUsed) {
    Proyecto p = calculada("fibrocemento-une-saneamiento-zanja-ancha-freatico-lt12.json");
    ASSERT_EQ(p.Coef_Seguridad_Aplastamiento, 1.6);
    const Informe general = informe(p);
    EXPECT_TRUE(buscaEnInforme(general, "Clase de seguridad general, coeficientes:"));
    EXPECT_EQ(valores(*buscaEnInforme(general, "Frente a fallo por aplastamiento:")),
              std::vector<std::string>{"1,6."});
    EXPECT_FALSE(buscaEnInforme(general, "Frente a la ruptura (tubo a presión):"));

    const Informe presion =
        informe(calculada("fibrocemento-une-presion-terraplen-cuna-hormigon.json"));
    EXPECT_EQ(valores(*buscaEnInforme(presion, "Frente a fallo por aplastamiento:")),
              std::vector<std::string>{"2,5."});
    EXPECT_TRUE(buscaEnInforme(presion, "Frente a la ruptura (tubo a presión):"));
    EXPECT_TRUE(buscaEnInforme(
        presion, "(El coeficiente frente a la ruptura no interviene en el cálculo.)"));

    // ATV class B of a ductile-iron pipe: 1,3 against fracture, as the screen stored it.
    p = test::cargaSeccion(fs::path(TUBRIX_TEST_DATA_DIR) / "secciones" /
                           "fundicion-zanja-estrecha-ht60-pavimento.json");
    p.Clase_Seguridad = 2;
    ASSERT_FALSE(Calcula_Seccion(p, test::catalogoDelPrograma()));
    const Informe b = informe(p);
    EXPECT_EQ(valores(*buscaEnInforme(b, "Frente a fallo por rotura:")),
              std::vector<std::string>{"1,3."});
    EXPECT_EQ(valores(*buscaEnInforme(b, "Frente a la inestabilidad:")),
              std::vector<std::string>{"2,0."});
    EXPECT_EQ(valores(*buscaEnInforme(b, "Deformación admisible a largo plazo:")),
              std::vector<std::string>{"6,0 %."});
}

TEST(Informe, RequiredValuesKeepTheirDigitsAsOnTheScreen) {
    Proyecto p = calculada("pvc-sn8-zanja-trafico.json");
    p.Seguridad_Requerida[FilaVerificacion::TensionClave] = 1.75;
    const LineaInforme* clave = buscaEnInforme(informe(p), "NU Clave:");
    ASSERT_TRUE(clave);
    EXPECT_EQ(valores(*clave).back(), "1,75");
    EXPECT_EQ(valores(*clave).back(), Vista_Verificacion(p, Separadores::espanol())
                                          .filas[FilaVerificacion::TensionClave]
                                          .requerido);
}

TEST(Informe, UneBeddingIsNamedAsTheBeddingScreenNamesIt) {
    const Proyecto p = calculada("fibrocemento-une-presion-terraplen-cuna-hormigon.json");
    ASSERT_EQ(p.Tipo_Apoyo, 3);
    const Informe i = informe(p);
    EXPECT_EQ(valores(*buscaEnInforme(i, "Tipo de apoyo:")),
              std::vector<std::string>{
                  "Tipo C: Cama de hormigón recubriendo el tubo el ángulo previsto."});
    EXPECT_TRUE(buscaEnInforme(i, "Altura J del apoyo:"));
    EXPECT_TRUE(buscaEnInforme(i, "Subtipo de apoyo:"));
    const std::string texto = textoDelInforme(i);
    EXPECT_NE(texto.find("Tipo C -> 2*alfa="), std::string::npos);
    EXPECT_EQ(texto.find("Tipo III"), std::string::npos);
}

TEST(Informe, TracesWhatTheChecksUse) {
    const Informe prfv = informe(calculada("prfv-largo-plazo-zanja-terraplenada-freatico.json"));
    const LineaInforme* clave = buscaEnInforme(prfv, "Tensión en la clave a largo plazo:");
    ASSERT_TRUE(clave);
    EXPECT_NE(valores(*clave).front().find("N/mm2."), std::string::npos);
    EXPECT_TRUE(buscaEnInforme(prfv, "Rigidez del tubo Sr (corto plazo):"));
    EXPECT_EQ(valores(*buscaEnInforme(prfv, "Rigidez circunferencial específica:")),
              std::vector<std::string>{"—"});

    const Informe perfilada = informe(calculada("corrugado-1102-zanja-talud-freatico.json"));
    EXPECT_EQ(valores(*buscaEnInforme(perfilada, "Área de la pared (A):")),
              std::vector<std::string>{"5.333,0 mm2/m."});
    EXPECT_EQ(valores(*buscaEnInforme(perfilada, "Módulo resistente (W):")),
              std::vector<std::string>{"23,80 mm3/mm."});
    EXPECT_EQ(valores(*buscaEnInforme(perfilada, "Momento de inercia (I):")),
              std::vector<std::string>{"468,90 mm4/mm."});
    EXPECT_EQ(valores(*buscaEnInforme(perfilada, "Rigidez circunferencial específica:")),
              std::vector<std::string>{"8,0 kN/m2."});
    EXPECT_EQ(
        valores(*buscaEnInforme(perfilada, "Ángulo del talud (BETA):")).front().rfind("β = ", 0),
        0u);
}

TEST(Informe, ValuesThatDoNotApplyPrintADash) {
    const Informe i = informe(calculada("hormigon-atv-zanja-estrecha-ht60.json"));
    const auto sr = valores(*buscaEnInforme(i, "Rigidez del tubo Sr (N/mm2):"));
    ASSERT_EQ(sr.size(), 3u);
    EXPECT_NE(sr[0], "—"); // the stress column applies
    EXPECT_EQ(sr[1], "—");
    EXPECT_EQ(sr[2], "—");
    EXPECT_EQ(valores(*buscaEnInforme(i, "Carga crítica de abolladura:")),
              (std::vector<std::string>{"—", "—"}));
    EXPECT_EQ(valores(*buscaEnInforme(i, "Variación del diámetro:")),
              (std::vector<std::string>{"—", "—"}));
    // A flexible pipe without groundwater has no water pressure.
    const Informe pvc = informe(calculada("pvc-sn8-zanja-trafico.json"));
    EXPECT_EQ(valores(*buscaEnInforme(pvc, "Presión del agua extrema:")),
              (std::vector<std::string>{"—", "—"}));
    EXPECT_NE(valores(*buscaEnInforme(pvc, "Carga crítica de abolladura:")).front(), "—");
}

TEST(Informe, EchoesTheInputsTheResultDependsOn) {
    const Proyecto p = calculada("pvc-sn8-zanja-trafico.json");
    const Informe i = informe(p);
    EXPECT_EQ(valores(*buscaEnInforme(i, "Condición del relleno:")),
              std::vector<std::string>{"A2."});
    EXPECT_EQ(valores(*buscaEnInforme(i, "Valores de los suelos:")),
              std::vector<std::string>{"Recomendados por la norma."});
    EXPECT_EQ(valores(*buscaEnInforme(i, "Carga uniforme en superficie (P0):")),
              std::vector<std::string>{"10,0 kN/m2."});
    EXPECT_TRUE(buscaEnInforme(i, "Coeficiente de cargas de superficie (Xoc):"));
    EXPECT_TRUE(buscaEnInforme(i, "PROYECTO:"));
    EXPECT_NE(textoDelInforme(i).find("PVC-U SN 8 DN 400"), std::string::npos);
    // The chosen impact factor is echoed with the one the calculation applied.
    EXPECT_TRUE(buscaEnInforme(
        i, "(El coeficiente elegido no interviene en el cálculo: se aplica FI = 1,2, el del "
           "vehículo.)"));
    Proyecto conAgua = p;
    conAgua.Nivel_Freatico = -1;
    conAgua.Hw = 1.5;
    EXPECT_EQ(valores(*buscaEnInforme(informe(conAgua), "Altura nivel freático:")),
              std::vector<std::string>{"1,5 m bajo la superficie del terreno (Hw)."});
}

TEST(Informe, BeddingCoefficientsOnlyForAnglesThatHaveThem) {
    Proyecto p = calculada("pvc-sn8-zanja-trafico.json");
    EXPECT_TRUE(buscaEnInforme(informe(p), "Valor Ch1 (2*alfa=120):"));
    p.Angulo_Apoyo = 100;
    const Informe sinColumna = informe(p);
    for (const PaginaInforme& pagina : sinColumna.paginas) {
        for (const LineaInforme& l : pagina.lineas) {
            if (!l.celdas.empty()) {
                EXPECT_EQ(l.celdas.front().texto.rfind("Valor C", 0), std::string::npos)
                    << l.celdas.front().texto;
            }
        }
    }
}

TEST(Informe, TwoPipesAtDifferentLevelsPrintB1AndB2AsStored) {
    Proyecto p = calculada("pvc-sn8-zanja-trafico.json");
    p.Tipo_Instalacion = 3;
    p.Subtipo_Instalacion = 2;
    p.B1 = 1.25;
    p.B2 = 0;
    const Informe i = informe(p);
    EXPECT_EQ(valores(*buscaEnInforme(i, "Tipo de instalación:")),
              std::vector<std::string>{"Tipo 3: Dos conducciones en la misma zanja."});
    EXPECT_EQ(valores(*buscaEnInforme(i, "de la generatriz superior (B1):")),
              std::vector<std::string>{"1,25 m."});
    EXPECT_EQ(valores(*buscaEnInforme(i, "de la generatriz inferior (B2):")),
              std::vector<std::string>{"0,0 m."});
    p.Tipo_Instalacion = 7;
    EXPECT_EQ(valores(*buscaEnInforme(informe(p), "Tipo de instalación:")),
              std::vector<std::string>{"Tipo 7: Desconocido."});
}

TEST(Informe, TrafficAndPavedZoneBlocks) {
    Proyecto p = calculada("fundicion-zanja-estrecha-ht60-pavimento.json");
    Informe i = informe(p);
    EXPECT_EQ(valores(*buscaEnInforme(i, "Tipo de vehículo:")),
              std::vector<std::string>{"HT 60 (PESADO)."});
    EXPECT_TRUE(buscaEnInforme(i, "Construcción en zona pavimentada."));
    EXPECT_EQ(valores(*buscaEnInforme(i, "Material sobrecarga:")),
              std::vector<std::string>{"Aglomerado asfáltico."});
    EXPECT_TRUE(buscaEnInforme(i, "Valor FA"));
    EXPECT_EQ(valores(*buscaEnInforme(i, "Distancia entre ejes:")),
              std::vector<std::string>{"1,5 m."});
    // Under ATV the screen neither shows nor computes He; the pavement enters no load.
    EXPECT_FALSE(buscaEnInforme(i, "Altura equivalente de tierras:"));
    EXPECT_TRUE(buscaEnInforme(i, "(El firme no interviene en el cálculo.)"));
    const Informe une =
        informe(calculada("fibrocemento-une-saneamiento-zanja-ancha-freatico-lt12.json"));
    EXPECT_TRUE(buscaEnInforme(une, "Altura equivalente de tierras:"));
    EXPECT_TRUE(
        buscaEnInforme(une, "(La altura equivalente He y el firme no intervienen en el cálculo.)"));

    p.Tipo_Vehiculo = 0;
    p.Zona_Pavimentada = 0;
    i = informe(p);
    EXPECT_EQ(valores(*buscaEnInforme(i, "Tipo de vehículo:")),
              std::vector<std::string>{"Sin tráfico."});
    EXPECT_FALSE(buscaEnInforme(i, "Construcción en zona pavimentada."));
    EXPECT_FALSE(buscaEnInforme(i, "Valor FA"));
    EXPECT_FALSE(buscaEnInforme(i, "Altura equivalente de tierras:"));
}

TEST(Informe, ConditionalRowsBothWays) {
    Proyecto p = calculada("pvc-sn8-zanja-trafico.json");
    EXPECT_TRUE(buscaEnInforme(informe(p), "Carga superficial (P0):"));
    EXPECT_TRUE(buscaEnInforme(informe(p), "No existe nivel freático."));
    p.Hay_Cargas_Superficie = 0;
    p.Nivel_Freatico = -1;
    p.Hw = 1;
    EXPECT_FALSE(buscaEnInforme(informe(p), "Carga superficial (P0):"));
    EXPECT_TRUE(buscaEnInforme(informe(p), "Altura nivel freático:"));
    EXPECT_FALSE(buscaEnInforme(informe(p), "Altura J del apoyo:"));
    p.Tipo_Apoyo = 3; // ATV granular bedding up to the crown: no J
    EXPECT_FALSE(buscaEnInforme(informe(p), "Altura J del apoyo:"));
    p.Tipo_Apoyo = 2; // ATV concrete bedding
    EXPECT_TRUE(buscaEnInforme(informe(p), "Altura J del apoyo:"));
    p.Caso_Zanja = 2.0;
    EXPECT_EQ(valores(*buscaEnInforme(informe(p), "Relación B/D:")),
              std::vector<std::string>{"Infinito."});
}

TEST(Informe, ConclusionFollowsTheGroundwaterRule) {
    Proyecto p = calculada("pvc-sn8-zanja-trafico.json");
    ASSERT_EQ(p.Nivel_Freatico, 0);
    // Without groundwater the water-pressure row does not apply: not failed, and said so.
    EXPECT_EQ(p.Tubo_No_Valido[FilaVerificacion::EstabilidadAgua], 0);
    const auto conclusion = [](const Informe& i) {
        return i.paginas[4].lineas.back().celdas.front().texto;
    };
    const Informe i = informe(p);
    EXPECT_EQ(conclusion(i), "TUBO VÁLIDO.");
    EXPECT_EQ(valores(*buscaEnInforme(i, "NU Presión Agua externa:")),
              std::vector<std::string>{"No procede"});
    p.Nivel_Freatico = -1;
    p.Tubo_No_Valido[FilaVerificacion::EstabilidadAgua] = kSi;
    EXPECT_EQ(conclusion(informe(p)), "TUBO NO VÁLIDO.");
    EXPECT_EQ(conclusion(informe(calculada("pe-sdr33-suelo-blando-no-valido.json"))),
              "TUBO NO VÁLIDO.");
}

TEST(Informe, PageImagesNameTheDeformationHeadingDifferently) {
    const Proyecto p = calculada("pvc-sn8-zanja-trafico.json");
    const auto cabecera = [](const Informe& i) {
        const LineaInforme* l = nullptr;
        for (const LineaInforme& linea : i.paginas[4].lineas)
            if (linea.celdas.size() == 3 && linea.celdas[1].texto == "Valor calculado")
                l = &linea;
        return l ? l->celdas[2].texto : std::string();
    };
    EXPECT_EQ(cabecera(informe(p, SalidaInforme::Impresora)), "Valor admisible");
    EXPECT_EQ(cabecera(informe(p, SalidaInforme::Imagenes)), "Valor requerido");
}

} // namespace
} // namespace tubrix
