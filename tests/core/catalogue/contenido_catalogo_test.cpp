// Checks on the catalogue shipped with the program.
#include "catalogue/catalogo_sqlite.h"
#include "support/catalogo_prueba.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace tubrix {
namespace {

const Catalogo& catalogo() {
    return test::catalogoDelPrograma();
}

TEST(ContenidoCatalogo, TwelveGroupsWithTheirNames) {
    const std::map<int, std::string> nombres = {
        {1, "Hormigón"},
        {2, "Acero corrugado (ASTM)"},
        {3, "Aluminio corrugado (ASTM)"},
        {4, "Fibrocemento"},
        {5, "Acero"},
        {6, "PVC-U"},
        {7, "Polietileno (PE)"},
        {8, "Poliéster reforzado con fibra de vidrio (PRFV)"},
        {9, "Polipropileno (PP)"},
        {10, "Fundición dúctil"},
        {11, "Tubo corrugado de pared estructurada (PE)"},
        {12, "PVC orientado (PVC-O)"}};
    const auto grupos = catalogo().listaGrupos();
    ASSERT_EQ(grupos.size(), 12u);
    for (const auto& g : grupos) {
        EXPECT_EQ(g.texto, nombres.at(g.codigo));
        const Grupo& fila = *catalogo().buscaGrupo(g.codigo);
        EXPECT_GT(fila.et, 0);
        EXPECT_GT(fila.etLargo, 0);
        EXPECT_LE(fila.etLargo, fila.et);
        EXPECT_GT(fila.gammaR, 0);
        EXPECT_GT(fila.sigmaR, 0);
        EXPECT_GT(fila.sigmaRLargo, 0);
    }
}

TEST(ContenidoCatalogo, EveryListedSubClassHasPipesWithSoundGeometry) {
    std::set<int> ids;
    for (const auto& g : catalogo().listaGrupos()) {
        const auto subclases = catalogo().listaSubclases(g.codigo);
        EXPECT_FALSE(subclases.empty()) << "group " << g.codigo;
        for (const auto& s : subclases) {
            const auto tubos = catalogo().listaTubos(s.codigo);
            EXPECT_FALSE(tubos.empty()) << "sub-class " << s.codigo;
            for (const auto& e : tubos) {
                const TuboNormalizado& t = *catalogo().Busca_Tubo(e.codigo);
                EXPECT_TRUE(ids.insert(t.id).second) << t.id;
                EXPECT_GT(t.espesor, 0) << t.id;
                EXPECT_GT(t.diametroE, t.diametroI) << t.id;
                EXPECT_GT(t.fibraN, t.diametroI) << t.id;
                EXPECT_LT(t.fibraN, t.diametroE) << t.id;
                if (s.codigo != 1102) {
                    EXPECT_NEAR(t.diametroI, t.diametroE - 2 * t.espesor, 0.051) << t.id;
                    EXPECT_NEAR(t.fibraN, t.diametroE - t.espesor, 0.051) << t.id;
                }
            }
        }
    }
}

TEST(ContenidoCatalogo, RingStiffnessGroupsCarryRce) {
    for (const int g : {6, 7}) {
        for (const auto& s : catalogo().listaSubclases(static_cast<std::int16_t>(g)))
            EXPECT_GT(catalogo().buscaSubclase(s.codigo)->rce, 0) << s.codigo;
    }
}

TEST(ContenidoCatalogo, DefaultPipeIsAProfiledWallDn400Sn8) {
    const TuboNormalizado* t = catalogo().Busca_Tubo(798);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->material, 1102);
    EXPECT_EQ(t->diametroN, 400);
    EXPECT_EQ(t->tipo, "SN-8");
    const auto subclases = catalogo().listaSubclases(11);
    ASSERT_EQ(subclases.size(), 1u);
    EXPECT_EQ(subclases[0].codigo, 1102);
}

// Profiled-wall pipes: the stiffness from the wall section must give the ring stiffness class,
// and with the catalogue's units the two ways of computing the pipe stiffness must agree.
TEST(ContenidoCatalogo, ProfiledWallSectionsMatchTheirStiffnessClass) {
    for (const auto& e : catalogo().listaTubos(1102)) {
        const TuboNormalizado& t = *catalogo().Busca_Tubo(e.codigo);
        SCOPED_TRACE(t.id);
        EXPECT_GT(t.area, 0);
        EXPECT_GT(t.w, 0);
        ASSERT_TRUE(t.tipo == "SN-4" || t.tipo == "SN-8" || t.tipo == "SN-16") << t.tipo;
        const double clase = std::stod(t.tipo.substr(3));
        EXPECT_NEAR(t.rceMin, clase, 0.01 * clase);
        const double inerciaMm4PorMm = t.momento / 1000 * 1e9;                   // m4/m -> mm4/mm
        const double sn = t.et * inerciaMm4PorMm / std::pow(t.fibraN, 3) * 1000; // kN/m2
        EXPECT_NEAR(sn, clase, 0.05 * clase);
        const double rm = t.fibraN / 2;
        const double sr = t.momento / 1000 * 1e9 * t.et / std::pow(rm, 3);
        EXPECT_NEAR(sr, 8 * t.rceMin / 1000, 0.05 * 8 * t.rceMin / 1000);
    }
}

TEST(ContenidoCatalogo, AlfaGridIsCompleteOrderedAndWithinTheAcceptedRange) {
    const auto alfa = catalogo().tablaAlfa();
    ASSERT_FALSE(alfa.empty());
    std::vector<double> vrbDelPrimero;
    for (const auto& f : alfa) {
        if (f.rmS != alfa.front().rmS)
            break;
        vrbDelPrimero.push_back(f.vRb);
    }
    ASSERT_GE(vrbDelPrimero.size(), 2u);
    ASSERT_EQ(alfa.size() % vrbDelPrimero.size(), 0u);
    for (std::size_t i = 0; i < alfa.size(); ++i) {
        const std::size_t bloque = i / vrbDelPrimero.size();
        EXPECT_EQ(alfa[i].vRb, vrbDelPrimero[i % vrbDelPrimero.size()]) << i;
        EXPECT_EQ(alfa[i].rmS, alfa[bloque * vrbDelPrimero.size()].rmS) << i;
        if (i % vrbDelPrimero.size() == 0 && i > 0) {
            EXPECT_LT(alfa[i].rmS, alfa[i - 1].rmS) << i;
        }
        EXPECT_GE(alfa[i].alfaD, 3.0) << i;
        EXPECT_LE(alfa[i].alfaD, 50.0) << i;
    }
    for (std::size_t k = 1; k < vrbDelPrimero.size(); ++k)
        EXPECT_LT(vrbDelPrimero[k], vrbDelPrimero[k - 1]);
    EXPECT_GE(vrbDelPrimero.front(), 0.1);
    EXPECT_LE(vrbDelPrimero.back(), 0.0002);
    EXPECT_GE(alfa.front().rmS, 250);
    EXPECT_LE(alfa.back().rmS, 5);
}

} // namespace
} // namespace tubrix
