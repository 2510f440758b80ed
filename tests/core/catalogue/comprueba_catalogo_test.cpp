#include "catalogue/comprueba_catalogo.h"
#include "support/catalogo_prueba.h"

#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace tubrix {
namespace {

DatosCatalogo enviado() {
    return test::catalogoDelPrograma().datos();
}

TuboNormalizado& tubo(DatosCatalogo& d, std::int16_t id) {
    for (TuboNormalizado& t : d.tubos)
        if (t.id == id)
            return t;
    throw std::runtime_error("no pipe " + std::to_string(id));
}

Grupo& grupo(DatosCatalogo& d, std::int16_t codigo) {
    for (Grupo& g : d.grupos)
        if (g.codigo == codigo)
            return g;
    throw std::runtime_error("no group " + std::to_string(codigo));
}

TEST(CompruebaCatalogo, TheShippedCatalogueIsSound) {
    const auto fallo = Comprueba_Catalogo(enviado());
    EXPECT_FALSE(fallo) << *fallo;
}

struct Dano {
    const char* nombre;
    std::function<void(DatosCatalogo&)> aplica;
    const char* donde; // table, row and column named in the refusal
};

// Each fault of the attacks that ended in "válido", and the neighbours of each check.
TEST(CompruebaCatalogo, EachDamageIsRefusedNamingTableRowAndColumn) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<Dano> danos = {
        {"negative wall", [](DatosCatalogo& d) { tubo(d, 798).espesor = -3; },
         "tabla NORMALIZADOS, fila ID 798, columna ESPESOR: vale -3"},
        {"wall thicker than the pipe", [](DatosCatalogo& d) { tubo(d, 798).espesor = 300; },
         "fila ID 798, columna ESPESOR"},
        {"negative inside diameter", [](DatosCatalogo& d) { tubo(d, 798).diametroI = -343; },
         "fila ID 798, columna DIAMETRO_I"},
        {"inside as large as outside",
         [](DatosCatalogo& d) { tubo(d, 798).diametroI = tubo(d, 798).diametroE; },
         "fila ID 798, columna DIAMETRO_I: vale 400 y debe ser menor que DIAMETRO_E"},
        {"zero outside diameter", [](DatosCatalogo& d) { tubo(d, 798).diametroE = 0; },
         "columna DIAMETRO_E: vale 0 (o está vacía)"},
        {"infinite neutral fibre", [inf](DatosCatalogo& d) { tubo(d, 798).fibraN = inf; },
         "columna Fibra_N: vale inf"},
        {"negative profiled modulus", [](DatosCatalogo& d) { tubo(d, 798).et = -800; },
         "fila ID 798, columna Et"},
        {"NaN inertia", [nan](DatosCatalogo& d) { tubo(d, 798).momento = nan; },
         "fila ID 798, columna Momento"},
        {"zero section modulus", [](DatosCatalogo& d) { tubo(d, 798).w = 0; },
         "fila ID 798, columna W"},
        {"strength of 1e308", [](DatosCatalogo& d) { grupo(d, 11).sigmaR = 1e308; },
         "tabla GRUPOS, fila CODIGO 11, columna Sigma_R: vale 1e+308"},
        {"negative group modulus", [](DatosCatalogo& d) { grupo(d, 6).et = -1; },
         "tabla GRUPOS, fila CODIGO 6, columna ET"},
        {"zero unit weight", [](DatosCatalogo& d) { grupo(d, 1).gammaR = 0; },
         "fila CODIGO 1, columna GAMMA_R"},
        {"group 13", [](DatosCatalogo& d) { d.grupos.back().codigo = 13; },
         "tabla GRUPOS, fila CODIGO 13, columna CODIGO"},
        {"duplicate pipe ID", [](DatosCatalogo& d) { d.tubos[1].id = d.tubos[0].id; },
         "columna ID: el código de tubo está repetido"},
        {"pipe of no sub-class", [](DatosCatalogo& d) { tubo(d, 798).material = 1199; },
         "fila ID 798, columna MATERIAL: el material 1199 no está en MATERIALES"},
        {"duplicate sub-class",
         [](DatosCatalogo& d) { d.subclases[1].codigo = d.subclases[0].codigo; },
         "columna CODIGO: el código está repetido"},
        {"zero ring stiffness of a PVC class",
         [](DatosCatalogo& d) {
             for (Subclase& s : d.subclases)
                 if (s.codigo / 100 == 6)
                     s.rce = 0;
         },
         "tabla MATERIALES, fila CODIGO 6"},
        {"negative buckling coefficient", [](DatosCatalogo& d) { d.alfa[3].alfaD = -3; },
         "tabla ALFA, fila 4 en el orden de rm/s y v_rb, columna alfa_d"},
    };
    for (const Dano& dano : danos) {
        SCOPED_TRACE(dano.nombre);
        DatosCatalogo d = enviado();
        dano.aplica(d);
        const auto fallo = Comprueba_Catalogo(d);
        ASSERT_TRUE(fallo);
        EXPECT_NE(fallo->find(dano.donde), std::string::npos) << *fallo;
    }
}

// Columns the calculation never reads are left as they are: an ordinary pipe carries no
// profiled-wall values, and a sub-class without pipes needs no ring stiffness.
TEST(CompruebaCatalogo, ValuesTheCalculationNeverReadsAreNotChecked) {
    DatosCatalogo d = enviado();
    for (TuboNormalizado& t : d.tubos)
        if (t.material != 1102)
            t.et = t.momento = t.area = t.w = -1;
    Subclase vacia;
    vacia.codigo = 699;
    vacia.rce = 0;
    d.subclases.push_back(vacia);
    const auto fallo = Comprueba_Catalogo(d);
    EXPECT_FALSE(fallo) << *fallo;
}

} // namespace
} // namespace tubrix
